#include "search/search_match.h"

namespace tlm::search {

namespace {

// Most stored texts are plain ASCII; their upper case needs no copy of the text.
bool isAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

char16_t upperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c; }

} // namespace

bool equalsUpper(QStringView text, QStringView upper)
{
    if (!isAscii(text))
        return text.toString().toUpper() == upper;
    if (text.size() != upper.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (upperAscii(text[i].unicode()) != upper[i].unicode())
            return false;
    return true;
}

bool containsUpper(QStringView text, QStringView upper)
{
    if (upper.isEmpty())
        return true;
    if (!isAscii(text))
        return text.toString().toUpper().contains(upper);
    const qsizetype n = text.size(), m = upper.size();
    const char16_t* t = text.utf16();
    const char16_t* k = upper.utf16();
    for (qsizetype i = 0; i + m <= n; ++i) {
        if (upperAscii(t[i]) != k[0])
            continue;
        qsizetype j = 1;
        while (j < m && upperAscii(t[i + j]) == k[j])
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

} // namespace tlm::search

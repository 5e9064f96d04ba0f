#include "platform/report/text_metrics.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <vector>

namespace tlm::report {

QFont qFont(const Font& font)
{
    QFont f;
    if (font.family == QStringLiteral("Times New Roman"))
        f.setFamilies({QStringLiteral("Liberation Serif"), font.family});
    else
        f.setFamily(font.family);
    f.setPixelSize(qRound(font.pointSize * kTwipsPerPoint));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // The same letter widths on screen, paper and PDF.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

// Whether `text` is at most `width` wide. Qt sums a text's width in 26.6 fixed point, which
// wraps past 2^25 twips, so a long text is measured a piece at a time, and no further than it
// takes to exceed `width`.
bool fits(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    constexpr qsizetype kPiece = 4096;
    qreal sum = 0;
    for (qsizetype at = 0; at < text.size() && sum <= width;) {
        qsizetype size = qMin(kPiece, text.size() - at);
        if (at + size < text.size() && text.at(at + size - 1).isHighSurrogate())
            --size;
        sum += metrics.horizontalAdvance(text.mid(at, size));
        at += size;
    }
    return sum <= width;
}

// Whether a line that starts with `c` is laid out as it would be if the text started there. Qt
// breaks the first letter of a text as it breaks a letter anywhere (unlike a digit or a sign,
// whose breaks depend on the number before them, blanks and line breaks included), and these
// scripts shape a letter without its neighbours.
bool startsAlike(QChar c)
{
    const QChar::Script script = c.script();
    return c.isLetter() &&
           (script == QChar::Script_Latin || script == QChar::Script_Greek || script == QChar::Script_Cyrillic);
}

using Spans = std::vector<std::pair<qsizetype, qsizetype>>; // where each line starts, and its length

Spans layOut(const QString& text, const QFont& font, const QTextOption& option, qreal width)
{
    Spans spans;
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        spans.emplace_back(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return spans;
}

// How many of the first lines of `part`, a window on a longer text, are that text's lines: those
// before two lines that start alike. Up to the second of the two, the window is laid out as the
// whole text is, and what decides each of those lines (where it may break, the width of the
// word after it and whether that fits) lies there.
size_t settledLines(const QString& part, const Spans& lines)
{
    const auto alike = [&](size_t k) { return lines[k].first < part.size() && startsAlike(part.at(lines[k].first)); };
    for (size_t k = lines.size(); k-- > 2;)
        if (alike(k) && alike(k - 1))
            return k - 1;
    return 0;
}

} // namespace

QStringList breakLines(const QString& value, const QFont& font, const QFontMetricsF& metrics, qreal width,
                       bool keepBreaks)
{
    QString text = value;
    if (keepBreaks)
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QChar::LineSeparator);
    else
        text.replace(u'\n', u' ').remove(u'\r');
    if (text.isEmpty())
        return {};
    if (!text.contains(QChar::LineSeparator) && fits(text, metrics, width))
        return {text};

    // Qt lays a text out from its start, and for every line it fills it measures the word the
    // line starts with to that word's end, so a word of many lines, or a text of many thousand
    // lines, costs it far more than its length. The text is laid out a window at a time instead,
    // each starting where a line of the whole text starts; a window that settles no line is
    // laid out again larger. One with no two letters to start lines at is not laid out at all.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    constexpr qsizetype kWindow = 4096;
    QStringList lines;
    for (qsizetype start = 0, window = kWindow; start < text.size();) {
        const QString part = text.mid(start, window);
        const bool whole = start + part.size() == text.size();
        qsizetype letters = 0;
        for (qsizetype i = 1; i < part.size() && letters < 2; ++i)
            letters += startsAlike(part.at(i));
        const Spans spans = whole || letters == 2 ? layOut(part, font, option, width) : Spans();
        const size_t settled = whole ? spans.size() : settledLines(part, spans);
        if (settled == 0) {
            window *= 4;
            continue;
        }
        for (size_t i = 0; i < settled; ++i)
            lines << part.mid(spans[i].first, spans[i].second).trimmed();
        if (whole)
            break;
        start += spans[settled].first;
        window = kWindow;
    }
    while (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace tlm::report

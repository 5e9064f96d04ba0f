#include "ui/currency_amount_box.h"

#include "platform/conversions.h"

namespace tlm {

namespace {
// The key filter runs for every character of a paste too, so its tests look at the text
// directly rather than through a pattern: "*.[0-9][0-9]", the amount ends with two decimals.
bool endsWithTwoDecimals(const QString& t)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const qsizetype n = t.size();
    return n >= 3 && t.at(n - 3) == u'.' && digit(t.at(n - 2)) && digit(t.at(n - 1));
}
} // namespace

CurrencyAmountBox::CurrencyAmountBox(QWidget* parent, Variant variant) : TextBox(parent), variant_(variant)
{
    Change = [this] {
        onChange();
        if (afterChange)
            afterChange();
    };
    GotFocus = [this] {
        onGotFocus();
        if (afterGotFocus)
            afterGotFocus();
    };
    KeyPress = [this](int& k) { onKeyPress(k); };
    LostFocus = [this] {
        onLostFocus();
        if (afterLostFocus)
            afterLostFocus();
    };
}

void CurrencyAmountBox::onChange()
{
    const QString t = Text();
    if (t.size() == 1 && t != QStringLiteral("$")) {
        setText(QStringLiteral("$") + t);
        setSelStart(2);
    } else if (t == QStringLiteral(".00")) {
        setText(QStringLiteral("$.00"));
        setSelStart(1);
    }
}

bool CurrencyAmountBox::pastedCharacter()
{
    return events().runHandler([this] { onChange(); });
}

void CurrencyAmountBox::onGotFocus()
{
    if (variant_ == Variant::Coverage && (Text() == QStringLiteral("$.00") || Text() == QStringLiteral("None")))
        setText(QString());
    if (!Text().isEmpty())
        select(1, int(Text().size()) - 1);
}

void CurrencyAmountBox::onKeyPress(int& k)
{
    auto secondPoint = [&] {
        if (k == 46 && Text().contains(u'.')) {
            k = 0;
            return true;
        }
        return false;
    };
    auto wholeSelection = [&] {
        if (!Text().isEmpty() && SelLength() == Text().size())
            setText(QString());
    };
    if (variant_ == Variant::Balance) {
        wholeSelection();
        if (secondPoint())
            return;
    } else {
        if (secondPoint())
            return;
        wholeSelection();
    }
    const QString t = Text();
    const int caret = SelStart();
    if (k != 8 && endsWithTwoDecimals(t) && (t.size() - caret) < 3 && SelLength() == 0)
        k = 0;
    if (t.startsWith(u'$') && caret == 0 && k != 8)
        k = 0;
    if (!(k == 8 || k == 46 || (k >= 48 && k <= 57)))
        k = 0;
}

void CurrencyAmountBox::onLostFocus()
{
    QString t = Text();
    if (!endsWithTwoDecimals(t)) {
        if (Like(t, QStringLiteral("*.")))
            t += QStringLiteral("00");
        else if (Like(t, QStringLiteral("*.*[0-9]")))
            t += QStringLiteral("0");
        else
            t += QStringLiteral(".00");
    }
    if (!Like(t, QStringLiteral("$*")))
        t.prepend(u'$');
    if (t != Text())
        setText(t);
}

} // namespace tlm

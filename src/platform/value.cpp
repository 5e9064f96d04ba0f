#include "platform/value.h"

namespace tlm {

QString Value::text() const
{
    switch (kind_) {
    case Kind::Null:
        return QString();
    case Kind::Text:
        return text_;
    case Kind::Number:
        return QString::number(number_);
    case Kind::Money:
        return CurrencyPlainText(Currency::fromRaw(number_));
    }
    return QString();
}

qint64 Value::toInteger() const
{
    switch (kind_) {
    case Kind::Number:
        return number_;
    case Kind::Money:
        return number_ / Currency::Scale;
    case Kind::Text: {
        bool ok = false;
        const qint64 n = text_.trimmed().toLongLong(&ok);
        if (ok)
            return n;
        break;
    }
    case Kind::Null:
        break;
    }
    throw ConversionError(QStringLiteral("Type mismatch: \"%1\" is not a number").arg(text()));
}

Currency Value::toCurrency() const
{
    switch (kind_) {
    case Kind::Money:
        return Currency::fromRaw(number_);
    case Kind::Number:
        return Currency::fromDollars(number_);
    case Kind::Text:
        return CCur(text_);
    case Kind::Null:
        break;
    }
    throw ConversionError(QStringLiteral("Invalid use of Null"));
}

bool Value::equalsNumber(qint64 n) const
{
    try {
        return (kind_ == Kind::Money) ? toCurrency() == Currency::fromDollars(n) : toInteger() == n;
    } catch (const ConversionError&) {
        return false;
    }
}

bool Value::sameAs(const Value& other) const
{
    if (kind_ != other.kind_)
        return false;
    return kind_ == Kind::Text ? text_ == other.text_ : number_ == other.number_;
}

} // namespace tlm

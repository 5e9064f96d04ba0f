#pragma once
// One field value as the store keeps it: text and numbers stay apart, as they were written.
#include "platform/conversions.h"

#include <QString>

namespace tlm {

class Value {
public:
    enum class Kind { Null, Text, Number, Money };

    Value() = default;
    Value(const QString& text) : kind_(Kind::Text), text_(text) {}
    Value(QString&& text) noexcept : kind_(Kind::Text), text_(std::move(text)) {}
    Value(const char* text) : kind_(Kind::Text), text_(QString::fromUtf8(text)) {}
    Value(Currency amount) : kind_(Kind::Money), number_(amount.raw) {}
    static Value number(qint64 n)
    {
        Value v;
        v.kind_ = Kind::Number;
        v.number_ = n;
        return v;
    }

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    bool isText() const { return kind_ == Kind::Text; }
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isMoney() const { return kind_ == Kind::Money; }

    // The value as text: a number as its digits, an amount as its plain number, null as "".
    QString text() const;
    // As a whole number: a number, an amount's whole part, or a text of digits; otherwise throws.
    qint64 toInteger() const;
    // As an amount: an amount, a number, or a currency text; otherwise throws.
    Currency toCurrency() const;

    // Text comparison, as the screens compare a field with a stored word: the number 0
    // and the text "0" both equal "0".
    friend bool operator==(const Value& v, const QString& s) { return v.text() == s; }
    friend bool operator==(const Value& v, const char* s) { return v.text() == QString::fromUtf8(s); }
    // Numeric comparison, as the built-in marker is compared with 1 and 0.
    bool equalsNumber(qint64 n) const;
    // Same kind and same content.
    bool sameAs(const Value& other) const;

private:
    Kind kind_ = Kind::Null;
    QString text_;
    qint64 number_ = 0;
};

} // namespace tlm

#pragma once
// The regional formats the screens rely on, fixed to United States English whatever the
// machine's locale: amounts "$#,##0.00", dates month/day/year.
#include <QDate>
#include <QTime>
#include <QString>
#include <compare>
#include <stdexcept>

namespace tlm {

// A text that is not an amount or not a date. Callers catch it; it is never a silent zero.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// Fixed point money: 64-bit count of ten-thousandths of a dollar.
struct Currency {
    qint64 raw = 0;

    static constexpr qint64 Scale = 10000;
    static constexpr Currency fromRaw(qint64 r) { return Currency{r}; }
    static constexpr Currency fromCents(qint64 cents) { return Currency{cents * 100}; }
    static constexpr Currency fromDollars(qint64 dollars) { return Currency{dollars * Scale}; }

    friend Currency operator+(Currency a, Currency b);
    friend Currency operator-(Currency a, Currency b);
    Currency& operator+=(Currency b) { return *this = *this + b; }
    Currency& operator-=(Currency b) { return *this = *this - b; }
    friend constexpr auto operator<=>(Currency, Currency) = default;
    friend constexpr bool operator==(Currency, Currency) = default;
};

// Text to amount: "$1,250.00", "$1250.00", "125", "$.50", "(5.00)", "-$5" all convert;
// "", "$", "$.", "abc" throw ConversionError.
Currency CCur(const QString& text);
bool IsCurrency(const QString& text);

// "$1,250.00"; negatives in parentheses "($1,250.00)"; rounded half away from zero to cents.
QString FormatCurrency(Currency amount);
// The stored text through the currency format, as the screens show a stored amount.
QString FormatCurrencyText(const QString& text);
// The plain number text of an amount (what a currency value reads as when treated as text).
QString CurrencyPlainText(Currency amount);

// Date text month/day/year ("3/7/2006", "03/07/2006", "3-7-06"). Throws on anything else.
QDate CDate(const QString& text);
bool IsDate(const QString& text);
// m/d/yyyy without leading zeros, the stored form of every date.
QString DateText(const QDate& date);
// The short date format of the platform (United States: m/d/yyyy).
QString ShortDate(const QDate& date);
// The long time format of the platform (United States: h:mm:ss AM).
QString LongTime(const QTime& time);
// An amount through the number format "$"#,##0.00: "$1,250.00", a negative "-$1,250.00".
QString FormatDollars(Currency amount);

// Whole-text pattern match: "*" any run, "?" one character, "#" one digit,
// "[a-z]" a set or range, "[!...]" its complement; case-sensitive.
bool Like(const QString& text, const QString& pattern);

QString UCase(const QString& text);

} // namespace tlm

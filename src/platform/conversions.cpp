#include "platform/conversions.h"

#include <limits>

namespace tlm {

namespace {

bool addOverflows(qint64 a, qint64 b, qint64* out) { return __builtin_add_overflow(a, b, out); }
bool mulOverflows(qint64 a, qint64 b, qint64* out) { return __builtin_mul_overflow(a, b, out); }

[[noreturn]] void notAnAmount(const QString& text)
{
    throw ConversionError(QStringLiteral("Type mismatch: \"%1\" is not an amount").arg(text));
}

} // namespace

Currency operator+(Currency a, Currency b)
{
    qint64 r;
    if (addOverflows(a.raw, b.raw, &r))
        throw ConversionError(QStringLiteral("Overflow"));
    return Currency{r};
}

Currency operator-(Currency a, Currency b)
{
    qint64 r;
    if (__builtin_sub_overflow(a.raw, b.raw, &r))
        throw ConversionError(QStringLiteral("Overflow"));
    return Currency{r};
}

Currency CCur(const QString& input)
{
    QString s = input.trimmed();
    bool negative = false;
    if (s.startsWith(u'(') && s.endsWith(u')')) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    auto takeSign = [&] {
        if (s.startsWith(u'-')) {
            if (negative)
                notAnAmount(input);
            negative = true;
            s.remove(0, 1);
        }
    };
    takeSign();
    if (s.startsWith(u'$'))
        s.remove(0, 1);
    takeSign();

    qint64 units = 0;
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool anyDigit = false;
    bool inFraction = false;
    bool roundUp = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            anyDigit = true;
            const int d = c.unicode() - '0';
            if (!inFraction) {
                if (mulOverflows(units, 10, &units) || addOverflows(units, d, &units))
                    notAnAmount(input);
            } else if (fractionDigits < 4) {
                fraction = fraction * 10 + d;
                ++fractionDigits;
            } else if (fractionDigits == 4) {
                roundUp = d >= 5;
                ++fractionDigits;
            }
        } else if (c == u',' && !inFraction) {
            continue; // thousands separator
        } else if (c == u'.' && !inFraction) {
            inFraction = true;
        } else {
            notAnAmount(input);
        }
    }
    if (!anyDigit)
        notAnAmount(input);
    while (fractionDigits < 4) {
        fraction *= 10;
        ++fractionDigits;
    }
    qint64 raw;
    if (mulOverflows(units, Currency::Scale, &raw) || addOverflows(raw, fraction + (roundUp ? 1 : 0), &raw))
        notAnAmount(input);
    return Currency{negative ? -raw : raw};
}

bool IsCurrency(const QString& text)
{
    try {
        CCur(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

QString FormatCurrency(Currency amount)
{
    const bool negative = amount.raw < 0;
    // Work on the magnitude as unsigned so the smallest value cannot overflow.
    quint64 mag = negative ? quint64(0) - quint64(amount.raw) : quint64(amount.raw);
    quint64 cents = mag / 100 + ((mag % 100) >= 50 ? 1 : 0);
    const quint64 dollars = cents / 100;
    const quint64 rest = cents % 100;
    QString digits = QString::number(dollars);
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += digits.at(i);
    }
    const QString text = QStringLiteral("$%1.%2").arg(grouped).arg(rest, 2, 10, QChar(u'0'));
    return negative ? u'(' + text + u')' : text;
}

QString FormatCurrencyText(const QString& text) { return FormatCurrency(CCur(text)); }

QString CurrencyPlainText(Currency amount)
{
    const bool negative = amount.raw < 0;
    quint64 mag = negative ? quint64(0) - quint64(amount.raw) : quint64(amount.raw);
    QString text = QString::number(mag / Currency::Scale);
    quint64 frac = mag % Currency::Scale;
    if (frac != 0) {
        QString f = QStringLiteral("%1").arg(frac, 4, 10, QChar(u'0'));
        while (f.endsWith(u'0'))
            f.chop(1);
        text += u'.' + f;
    }
    return negative ? u'-' + text : text;
}

QDate CDate(const QString& input)
{
    const QString s = input.trimmed();
    QChar sep;
    for (QChar c : s) {
        if (c == u'/' || c == u'-') {
            sep = c;
            break;
        }
    }
    const QStringList parts = sep.isNull() ? QStringList() : s.split(sep);
    bool ok = parts.size() == 3;
    int m = 0, d = 0, y = 0;
    if (ok) {
        for (const QString& p : parts) {
            if (p.isEmpty() || p.size() > 4) {
                ok = false;
                break;
            }
            for (QChar c : p)
                if (!(c.isDigit() && c.unicode() < 128))
                    ok = false;
        }
    }
    if (ok) {
        m = parts[0].toInt();
        d = parts[1].toInt();
        y = parts[2].toInt();
        if (parts[0].size() > 2 || parts[1].size() > 2)
            ok = false;
        else if (parts[2].size() <= 2)
            y += y < 30 ? 2000 : 1900; // two-digit years as the platform reads them
        else if (parts[2].size() == 3)
            ok = false;
    }
    const QDate date(y, m, d);
    if (!ok || !date.isValid() || y < 100)
        throw ConversionError(QStringLiteral("Type mismatch: \"%1\" is not a date").arg(input));
    return date;
}

bool IsDate(const QString& text)
{
    try {
        CDate(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

QString DateText(const QDate& date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QString ShortDate(const QDate& date) { return DateText(date); }

QString LongTime(const QTime& time)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour)
        .arg(time.minute(), 2, 10, QChar(u'0'))
        .arg(time.second(), 2, 10, QChar(u'0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString FormatDollars(Currency amount)
{
    // The one-section number format puts a minus sign in front, not the currency parentheses.
    const QString text = FormatCurrency(amount);
    return amount.raw < 0 ? u'-' + text.mid(1, text.size() - 2) : text;
}

namespace {

bool likeAt(const QString& t, qsizetype ti, const QString& p, qsizetype pi)
{
    while (pi < p.size()) {
        const QChar pc = p.at(pi);
        if (pc == u'*') {
            while (pi < p.size() && p.at(pi) == u'*')
                ++pi;
            if (pi == p.size())
                return true;
            for (qsizetype k = ti; k <= t.size(); ++k)
                if (likeAt(t, k, p, pi))
                    return true;
            return false;
        }
        if (ti >= t.size())
            return false;
        const QChar tc = t.at(ti);
        if (pc == u'?') {
            ++pi;
        } else if (pc == u'#') {
            if (!(tc.isDigit() && tc.unicode() < 128))
                return false;
            ++pi;
        } else if (pc == u'[') {
            const qsizetype close = p.indexOf(u']', pi + 1);
            if (close < 0)
                throw ConversionError(QStringLiteral("Invalid pattern string"));
            qsizetype k = pi + 1;
            bool negate = false;
            if (k < close && p.at(k) == u'!') {
                negate = true;
                ++k;
            }
            bool hit = false;
            while (k < close) {
                if (k + 2 < close && p.at(k + 1) == u'-') {
                    if (tc >= p.at(k) && tc <= p.at(k + 2))
                        hit = true;
                    k += 3;
                } else {
                    if (tc == p.at(k))
                        hit = true;
                    ++k;
                }
            }
            if (hit == negate)
                return false;
            pi = close + 1;
        } else {
            if (tc != pc)
                return false;
            ++pi;
        }
        ++ti;
    }
    return ti == t.size();
}

} // namespace

bool Like(const QString& text, const QString& pattern) { return likeAt(text, 0, pattern, 0); }

QString UCase(const QString& text) { return text.toUpper(); }

} // namespace tlm

#include "platform/conversions.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

using namespace tlm;

namespace {

Currency dollars(qint64 d, qint64 cents = 0) { return Currency::fromCents(d * 100 + (d < 0 ? -cents : cents)); }

// Sets the process locale for one test and puts the previous one back.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : saved_(QLocale()) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    ~LocaleScope() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

} // namespace

TEST(CCur, ReadsTheStoredAmountForms)
{
    EXPECT_EQ(CCur("$2,500.00"), dollars(2500));
    EXPECT_EQ(CCur("$1,250.00"), CCur("$1250.00"));
    EXPECT_EQ(CCur("$1250.00"), dollars(1250));
    EXPECT_EQ(CCur("125"), dollars(125));
    EXPECT_EQ(CCur("$125.00"), dollars(125));
    EXPECT_EQ(CCur("$.00"), Currency{});
    EXPECT_EQ(CCur("$.50"), Currency::fromCents(50));
    EXPECT_EQ(CCur("$12."), dollars(12));
    EXPECT_EQ(CCur("$1,234,567.89"), dollars(1234567, 89));
    EXPECT_EQ(CCur("  $7.25  "), dollars(7, 25));
}

TEST(CCur, ReadsNegatives)
{
    EXPECT_EQ(CCur("-5"), dollars(-5));
    EXPECT_EQ(CCur("-$5.25"), dollars(-5, 25));
    EXPECT_EQ(CCur("$-5.25"), dollars(-5, 25));
    EXPECT_EQ(CCur("($1,250.00)"), dollars(-1250));
    EXPECT_THROW(CCur("(-5)"), ConversionError);
    EXPECT_THROW(CCur("--5"), ConversionError);
}

TEST(CCur, KeepsFourDecimalsAndRoundsTheFifth)
{
    EXPECT_EQ(CCur("1.2345").raw, 12345);
    EXPECT_EQ(CCur("1.23454").raw, 12345);
    EXPECT_EQ(CCur("1.23455").raw, 12346);
    EXPECT_EQ(CCur("1.234549999").raw, 12345);
    EXPECT_EQ(CCur("0.00005").raw, 1);
    EXPECT_EQ(CCur("-1.23455").raw, -12346); // half away from zero
    EXPECT_EQ(CCur("9.99995").raw, 100000);  // the carry reaches the whole part
}

TEST(CCur, RefusesWhatIsNotAnAmount)
{
    for (const char* bad : {"", " ", "$", "$.", ".", "abc", "1.2.3", "$1.2.3", "12a", "$ 5x", "1,000.5,0", "١٢٣",
                            "99999999999999999999", "$922337203685478"}) {
        EXPECT_THROW(CCur(QString::fromUtf8(bad)), ConversionError) << bad;
        EXPECT_FALSE(IsCurrency(QString::fromUtf8(bad))) << bad;
    }
    EXPECT_TRUE(IsCurrency("$.5"));
    EXPECT_NO_THROW(CCur("$922337203685477")); // the largest whole amount that fits
}

TEST(CurrencyArithmetic, AddsAndRefusesOverflow)
{
    EXPECT_EQ(CCur("$1.10") + CCur("$2.20"), CCur("$3.30")); // exact, where a double would not be
    Currency total;
    for (int i = 0; i < 10; ++i)
        total += CCur("$0.10");
    EXPECT_EQ(total, dollars(1));
    total -= dollars(3);
    EXPECT_EQ(total, dollars(-2));
    EXPECT_THROW(Currency::fromRaw(std::numeric_limits<qint64>::max()) + Currency::fromRaw(1), ConversionError);
    EXPECT_THROW(Currency::fromRaw(std::numeric_limits<qint64>::min()) - Currency::fromRaw(1), ConversionError);
}

TEST(FormatCurrency, WritesDollarsWithSeparatorsAndTwoDecimals)
{
    EXPECT_EQ(FormatCurrency(dollars(1250)), "$1,250.00");
    EXPECT_EQ(FormatCurrency(Currency{}), "$0.00");
    EXPECT_EQ(FormatCurrency(Currency::fromCents(5)), "$0.05");
    EXPECT_EQ(FormatCurrency(dollars(999, 99)), "$999.99");
    EXPECT_EQ(FormatCurrency(dollars(1000)), "$1,000.00");
    EXPECT_EQ(FormatCurrency(dollars(100000)), "$100,000.00");
    EXPECT_EQ(FormatCurrency(dollars(1234567890, 12)), "$1,234,567,890.12");
    EXPECT_EQ(FormatCurrency(dollars(-1250)), "($1,250.00)");
    EXPECT_EQ(FormatCurrency(Currency::fromCents(-5)), "($0.05)");
}

TEST(FormatCurrency, RoundsToCentsHalfAwayFromZero)
{
    EXPECT_EQ(FormatCurrency(Currency::fromRaw(12349)), "$1.23");
    EXPECT_EQ(FormatCurrency(Currency::fromRaw(12350)), "$1.24");
    EXPECT_EQ(FormatCurrency(Currency::fromRaw(-12350)), "($1.24)");
    EXPECT_EQ(FormatCurrency(Currency::fromRaw(9999950)), "$1,000.00");
    // The extremes must not overflow on the way.
    EXPECT_EQ(FormatCurrency(Currency::fromRaw(std::numeric_limits<qint64>::max())), "$922,337,203,685,477.58");
    EXPECT_EQ(FormatCurrency(Currency::fromRaw(std::numeric_limits<qint64>::min())), "($922,337,203,685,477.58)");
}

TEST(FormatCurrency, FormatsStoredText)
{
    EXPECT_EQ(FormatCurrencyText("$.00"), "$0.00");
    EXPECT_EQ(FormatCurrencyText("$1250.00"), "$1,250.00");
    EXPECT_EQ(FormatCurrencyText("125"), "$125.00");
    EXPECT_EQ(FormatCurrencyText("$.5"), "$0.50");
    EXPECT_THROW(FormatCurrencyText("None"), ConversionError);
    // Formatting and reading back gives the same amount.
    for (const char* s : {"$0.01", "$12.34", "$2,500.00", "-3.5"})
        EXPECT_EQ(CCur(FormatCurrencyText(s)), CCur(s)) << s;
}

TEST(FormatCurrency, PlainTextDropsTrailingZeros)
{
    EXPECT_EQ(CurrencyPlainText(dollars(1250)), "1250");
    EXPECT_EQ(CurrencyPlainText(Currency::fromCents(50)), "0.5");
    EXPECT_EQ(CurrencyPlainText(Currency::fromRaw(12345)), "1.2345");
    EXPECT_EQ(CurrencyPlainText(dollars(-3, 5)), "-3.05");
    EXPECT_EQ(CurrencyPlainText(Currency{}), "0");
}

TEST(Dates, ReadMonthFirstWhateverTheLocale)
{
    for (const char* locale : {"en_US", "de_DE", "en_GB", "fr_FR"}) {
        LocaleScope scope(locale);
        EXPECT_EQ(CDate("3/7/2006"), QDate(2006, 3, 7)) << locale;
        EXPECT_EQ(CDate("03/07/2006"), QDate(2006, 3, 7)) << locale;
        EXPECT_EQ(CDate("3-7-06"), QDate(2006, 3, 7)) << locale;
        EXPECT_EQ(CDate("12/25/1999"), QDate(1999, 12, 25)) << locale;
        EXPECT_EQ(DateText(QDate(2006, 3, 7)), "3/7/2006") << locale;
        EXPECT_EQ(DateText(QDate(2012, 11, 30)), "11/30/2012") << locale;
        EXPECT_EQ(ShortDate(QDate(2006, 3, 7)), "3/7/2006") << locale;
        EXPECT_FALSE(IsDate("25/12/2006")) << locale; // day first is not read
    }
}

TEST(Dates, RefuseWhatIsNoDate)
{
    for (const char* bad : {"2/29/2006", "13/45/2005", "0/1/2006", "4/31/2006", "", "mm/dd/yyyy", "3/7", "3/7/2006/1",
                            "3/7/20066", "3/7/206", "a/b/c", "3.7.2006", " /7/2006", "3//2006", "3/7/-2006"}) {
        const QString s = QString::fromUtf8(bad);
        EXPECT_FALSE(IsDate(s)) << bad;
        EXPECT_THROW(CDate(s), ConversionError) << bad;
    }
    // two-digit years: 00-29 are this century, 30-99 the last
    EXPECT_EQ(CDate("1/1/29").year(), 2029);
    EXPECT_EQ(CDate("1/1/30").year(), 1930);
    EXPECT_EQ(CDate("1/1/00").year(), 2000);
    EXPECT_TRUE(IsDate("2/29/2008"));
    EXPECT_TRUE(IsDate("12/31/2050"));
}

TEST(Dates, RoundTripThroughStoredText)
{
    for (QDate d(2004, 12, 25); d < QDate(2006, 3, 1); d = d.addDays(17))
        EXPECT_EQ(CDate(DateText(d)), d) << DateText(d).toStdString();
}

TEST(Like, MatchesTheAmountPatterns)
{
    struct Case {
        const char* pattern;
        bool expected[5]; // $12.50, $12., $.5, "", "$"
    };
    const char* texts[5] = {"$12.50", "$12.", "$.5", "", "$"};
    const Case cases[] = {
        {"*.[0-9][0-9]", {true, false, false, false, false}},
        {"*.*", {true, true, true, false, false}},
        {"$*", {true, true, true, false, true}},
        {"*.*[0-9]", {true, false, true, false, false}},
        {"*.", {false, true, false, false, false}},
    };
    for (const Case& c : cases)
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Like(QString::fromLatin1(texts[i]), QString::fromLatin1(c.pattern)), c.expected[i])
                << '"' << texts[i] << "\" Like \"" << c.pattern << '"';
}

TEST(Like, KnowsEveryWildcard)
{
    EXPECT_TRUE(Like("abc", "a?c"));
    EXPECT_FALSE(Like("ac", "a?c"));
    EXPECT_TRUE(Like("a5c", "a#c"));
    EXPECT_FALSE(Like("axc", "a#c"));
    EXPECT_TRUE(Like("b", "[a-c]"));
    EXPECT_FALSE(Like("d", "[a-c]"));
    EXPECT_TRUE(Like("d", "[!a-c]"));
    EXPECT_FALSE(Like("b", "[!a-c]"));
    EXPECT_TRUE(Like("x", "[xyz]"));
    EXPECT_TRUE(Like("", "*"));
    EXPECT_TRUE(Like("anything", "**"));
    EXPECT_FALSE(Like("abc", "ab"));   // the whole text must match
    EXPECT_FALSE(Like("ab", "abc"));
    EXPECT_FALSE(Like("ABC", "abc"));  // case-sensitive
    EXPECT_TRUE(Like(QString(200, u'a'), QString(20, u'*') + u'a'));
    EXPECT_THROW(Like("a", "[a"), ConversionError);
}

TEST(UCase, UpperCasesLettersOnly)
{
    EXPECT_EQ(UCase("indoor"), "INDOOR");
    EXPECT_EQ(UCase("OutDoor"), "OUTDOOR");
    EXPECT_EQ(UCase("$12.50 - x1"), "$12.50 - X1");
    EXPECT_EQ(UCase(""), "");
    EXPECT_EQ(UCase(QStringLiteral("café")), QStringLiteral("CAFÉ"));
}

TEST(Formats, LongTimeAndTheDollarNumberFormat)
{
    EXPECT_EQ(LongTime(QTime(0, 5, 9)), "12:05:09 AM");
    EXPECT_EQ(LongTime(QTime(12, 0, 0)), "12:00:00 PM");
    EXPECT_EQ(LongTime(QTime(23, 59, 1)), "11:59:01 PM");
    EXPECT_EQ(FormatDollars(CCur("$1250.5")), "$1,250.50");
    EXPECT_EQ(FormatDollars(Currency{}), "$0.00");
    EXPECT_EQ(FormatDollars(CCur("-1234.565")), "-$1,234.57");
}

#include "platform/recordset.h"
#include "platform/value.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tlm;

TEST(Value, ComparesAsTextWithStoredWords)
{
    EXPECT_TRUE(Value("0") == "0");
    EXPECT_TRUE(Value::number(0) == "0");
    EXPECT_TRUE(Value(Currency{}) == "0");
    EXPECT_TRUE(Value::number(-12) == "-12");
    EXPECT_TRUE(Value(CCur("$12.50")) == "12.5");
    EXPECT_TRUE(Value() == "");
    EXPECT_FALSE(Value() == "0");
    EXPECT_FALSE(Value("00") == "0");
    EXPECT_FALSE(Value("none") == "None"); // case matters here; the screens upper-case first
    EXPECT_TRUE(Value(QStringLiteral("Grüße")) == QStringLiteral("Grüße"));
}

TEST(Value, ComparesWithNumbers)
{
    EXPECT_TRUE(Value::number(1).equalsNumber(1));
    EXPECT_TRUE(Value("1").equalsNumber(1));
    EXPECT_TRUE(Value(" 1 ").equalsNumber(1));
    EXPECT_TRUE(Value("0").equalsNumber(0));
    EXPECT_TRUE(Value(Currency::fromDollars(1)).equalsNumber(1));
    EXPECT_FALSE(Value(Currency::fromCents(150)).equalsNumber(1)); // 1.50 is not 1
    EXPECT_FALSE(Value::number(0).equalsNumber(1));
    EXPECT_FALSE(Value("abc").equalsNumber(0));
    EXPECT_FALSE(Value("").equalsNumber(0));
    EXPECT_FALSE(Value().equalsNumber(0));
}

TEST(Value, ConvertsOrRefuses)
{
    EXPECT_EQ(Value("42").toInteger(), 42);
    EXPECT_EQ(Value(CCur("$7.99")).toInteger(), 7);
    EXPECT_THROW(Value("4x").toInteger(), ConversionError);
    EXPECT_THROW(Value().toInteger(), ConversionError);
    EXPECT_EQ(Value("$1,250.00").toCurrency(), Currency::fromDollars(1250));
    EXPECT_EQ(Value::number(3).toCurrency(), Currency::fromDollars(3));
    EXPECT_THROW(Value("None").toCurrency(), ConversionError);
    EXPECT_THROW(Value().toCurrency(), ConversionError);
}

TEST(Value, SameAsNeedsTheSameKind)
{
    EXPECT_TRUE(Value("1").sameAs(Value("1")));
    EXPECT_FALSE(Value("1").sameAs(Value::number(1)));
    EXPECT_FALSE(Value::number(10000).sameAs(Value(Currency::fromDollars(1))));
    EXPECT_TRUE(Value().sameAs(Value()));
    EXPECT_FALSE(Value("").sameAs(Value()));
}

// Every kind written through a recordset reads back as the same kind and content, in memory
// right after Update and from the file after reopening.
TEST(Value, KindsSurviveTheStore)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.path() + QStringLiteral("/kinds.db");
    const TableLayout layout{QStringLiteral("T"),
                             {QStringLiteral("Key"), QStringLiteral("Any"), QStringLiteral("Money")},
                             0,
                             {2}};
    Database::create(file, [&layout](Database& db) { db.createTable(layout); });

    // written into Any / Money, and what each must read back as
    struct Case {
        Value any, money, anyBack, moneyBack;
    };
    const std::vector<Case> cases = {
        {Value("0"), Value(Currency::fromCents(5)), Value("0"), Value(Currency::fromCents(5))},
        {Value::number(0), Value(Currency{}), Value::number(0), Value(Currency{})},
        {Value::number(1), Value::number(2), Value::number(1), Value(Currency::fromDollars(2))},
        {Value("1"), Value("$3.00"), Value("1"), Value("$3.00")},
        {Value(), Value(), Value(), Value()},
        {Value(""), Value(CCur("-1.2345")), Value(""), Value(CCur("-1.2345"))},
        {Value(Currency::fromCents(250)), Value(Currency::fromRaw(1)), Value("2.5"), Value(Currency::fromRaw(1))},
    };
    auto check = [&](Recordset& rs, const char* when) {
        ASSERT_EQ(rs.RecordCount(), qint64(cases.size())) << when;
        rs.MoveFirst();
        for (size_t i = 0; i < cases.size(); ++i, rs.MoveNext()) {
            EXPECT_TRUE(rs.Fields(0).isNumber()) << when << " row " << i;
            EXPECT_TRUE(rs.Fields(1).sameAs(cases[i].anyBack)) << when << " row " << i << " Any=" << rs.text(1).toStdString();
            EXPECT_TRUE(rs.Fields(2).sameAs(cases[i].moneyBack)) << when << " row " << i << " Money=" << rs.text(2).toStdString();
        }
    };
    {
        Database db;
        db.open(file);
        Recordset rs(db, layout);
        rs.Open();
        for (const Case& c : cases) {
            rs.AddNew();
            rs.setField(1, c.any);
            rs.setField(2, c.money);
            rs.Update();
        }
        check(rs, "in memory");
        // An edit goes the same way as an add.
        rs.MoveFirst();
        rs.setField(1, Value::number(7));
        rs.setField(2, Value::number(7));
        rs.Update();
        EXPECT_TRUE(rs.Fields(1).sameAs(Value::number(7)));
        EXPECT_TRUE(rs.Fields(2).sameAs(Value(Currency::fromDollars(7))));
        rs.setField(1, Value("0"));
        rs.setField(2, Value(Currency::fromCents(5)));
        rs.Update();
        rs.Close();
    }
    Database db;
    db.open(file);
    Recordset rs(db, layout);
    rs.Open();
    check(rs, "after reopening");
}

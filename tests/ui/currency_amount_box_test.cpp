// The amount filter, driven through real key events on real boxes.
#include "support/test_program.h"
#include "ui/currency_amount_box.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

using namespace tlm;
using Variant = CurrencyAmountBox::Variant;

namespace {

struct AmountForm : Form {
    explicit AmountForm(FormManager& m) : Form(m)
    {
        price = new CurrencyAmountBox(this, Variant::Plain);
        coverage = new CurrencyAmountBox(this, Variant::Coverage);
        balance = new CurrencyAmountBox(this, Variant::Balance);
        elsewhere = new TextBox(this);
    }
    CurrencyAmountBox* price;
    CurrencyAmountBox* coverage;
    CurrencyAmountBox* balance;
    TextBox* elsewhere;
};

struct CurrencyFilter : ::testing::Test {
    FormManager manager;
    AmountForm form{manager};

    std::vector<CurrencyAmountBox*> all() const { return {form.price, form.coverage, form.balance}; }
    // Puts text into the box without the user (as a screen loading a record does), then enters it.
    void enter(CurrencyAmountBox* box, const QString& text)
    {
        form.elsewhere->SetFocus();
        box->setText(text);
        box->SetFocus();
    }
    void leave() { form.elsewhere->SetFocus(); }
    void type(CurrencyAmountBox* box, const QString& keys) { QTest::keyClicks(box, keys); }
};

} // namespace

TEST_F(CurrencyFilter, TypingIntoAnEmptyBoxPutsTheDollarSignInFront)
{
    for (CurrencyAmountBox* box : all()) {
        enter(box, "");
        type(box, "5");
        EXPECT_EQ(box->Text(), QStringLiteral("$5"));
        EXPECT_EQ(box->SelStart(), 2);
        type(box, "0.2599");
        EXPECT_EQ(box->Text(), QStringLiteral("$50.25")) << "a third decimal is refused";
        enter(box, "");
        type(box, ".");
        EXPECT_EQ(box->Text(), QStringLiteral("$."));
    }
}

TEST_F(CurrencyFilter, EnteringSelectsTheAmountBehindTheDollarSign)
{
    for (CurrencyAmountBox* box : all()) {
        enter(box, "$12.50");
        EXPECT_EQ(box->SelStart(), 1);
        EXPECT_EQ(box->SelText(), QStringLiteral("12.50"));
        type(box, "7");
        EXPECT_EQ(box->Text(), QStringLiteral("$7"));
        leave();
        EXPECT_EQ(box->Text(), QStringLiteral("$7.00"));
    }
}

TEST_F(CurrencyFilter, OnePointAndTwoDecimalsAtMost)
{
    for (CurrencyAmountBox* box : all()) {
        enter(box, "$12.50");
        for (int caret : {0, 1, 3, 4, 6}) {
            box->setSelStart(caret);
            type(box, ".");
            EXPECT_EQ(box->Text(), QStringLiteral("$12.50")) << "caret " << caret;
        }
        box->setSelStart(6);
        type(box, "9");
        EXPECT_EQ(box->Text(), QStringLiteral("$12.50"));
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->Text(), QStringLiteral("$12.5"));
        box->setText("$12.50");
        box->select(4, 1); // the 5
        type(box, "9");
        EXPECT_EQ(box->Text(), QStringLiteral("$12.90"));
    }
}

TEST_F(CurrencyFilter, NothingGoesInFrontOfTheDollarSign)
{
    for (CurrencyAmountBox* box : all()) {
        for (const char* start : {"$12.00", "$"}) {
            enter(box, start);
            box->setSelStart(0);
            type(box, "3.");
            EXPECT_EQ(box->Text(), QString::fromLatin1(start));
        }
        enter(box, "$12.00");
        box->select(0, 2);
        type(box, "4");
        EXPECT_EQ(box->Text(), QStringLiteral("$12.00"));
    }
}

TEST_F(CurrencyFilter, DeletingTheDollarSign)
{
    enter(form.price, "$.00");
    form.price->setSelStart(1);
    QTest::keyClick(form.price, Qt::Key_Backspace);
    EXPECT_EQ(form.price->Text(), QStringLiteral("$.00"));
    EXPECT_EQ(form.price->SelStart(), 1);

    enter(form.price, "$12.00");
    form.price->setSelStart(1);
    QTest::keyClick(form.price, Qt::Key_Backspace);
    EXPECT_EQ(form.price->Text(), QStringLiteral("12.00"));
    leave();
    EXPECT_EQ(form.price->Text(), QStringLiteral("$12.00"));
}

TEST_F(CurrencyFilter, OnlyAmountKeysPass)
{
    for (CurrencyAmountBox* box : all()) {
        enter(box, "$1");
        box->setSelStart(2);
        type(box, "a$-,/ Z");
        EXPECT_EQ(box->Text(), QStringLiteral("$1"));
    }
}

TEST_F(CurrencyFilter, WholeSelectionReplacedByTheTypedKey)
{
    for (CurrencyAmountBox* box : all()) {
        enter(box, "$12.50");
        box->select(0, 6);
        type(box, ".");
        EXPECT_EQ(box->Text(), box == form.balance ? QStringLiteral("$.") : QStringLiteral("$12.50"));

        box->setText("$12.50");
        box->select(0, 6);
        type(box, "3");
        EXPECT_EQ(box->Text(), QStringLiteral("$3"));

        box->setText("$12.50");
        box->select(0, 6);
        type(box, "q");
        EXPECT_EQ(box->Text(), QString());
    }
}

TEST_F(CurrencyFilter, LeavingCompletesTheAmount)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"", "$.00"}, {"$", "$.00"}, {"$12", "$12.00"}, {"$12.", "$12.00"}, {"$12.5", "$12.50"},
        {"$.5", "$.50"}, {"$12.50", "$12.50"}, {"12.5", "$12.50"}, {"$1,250.00", "$1,250.00"}};
    for (const auto& [before, after] : cases) {
        enter(form.price, before);
        leave();
        EXPECT_EQ(form.price->Text(), after) << before.toStdString();
    }
}

TEST_F(CurrencyFilter, TheCoverageBoxEmptiesItsPlaceholderOnFocus)
{
    for (const char* placeholder : {"None", "$.00"}) {
        enter(form.coverage, placeholder);
        EXPECT_EQ(form.coverage->Text(), QString());
        leave();
        EXPECT_EQ(form.coverage->Text(), QStringLiteral("$.00"));
    }
    enter(form.price, "None"); // only the coverage box does this
    EXPECT_EQ(form.price->Text(), QStringLiteral("None"));
    enter(form.coverage, "$2,500.00");
    EXPECT_EQ(form.coverage->SelText(), QStringLiteral("2,500.00"));
}

TEST_F(CurrencyFilter, APasteIsFilteredAsIfTypedAndChangesTheBoxOnce)
{
    for (CurrencyAmountBox* box : all()) {
        enter(box, "");
        int changes = 0;
        box->afterChange = [&] { ++changes; };
        QApplication::clipboard()->setText("1a2.3.45x");
        QTest::keySequence(box, QKeySequence::Paste);
        EXPECT_EQ(box->Text(), QStringLiteral("$12.34"));
        EXPECT_EQ(box->SelStart(), 6);
        EXPECT_EQ(changes, 1);
        box->afterChange = nullptr;
    }
}

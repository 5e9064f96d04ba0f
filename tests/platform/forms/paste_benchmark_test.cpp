// A benchmark, not a timed test: how long a paste of 10,000 characters takes in a text box, a
// memo and the price box, each character through its key filter. It prints the figures and
// asserts only what the boxes hold.
#include "platform/forms/controls.h"
#include "ui/currency_amount_box.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

using namespace tlm;

namespace {

constexpr int kCharacters = 10000;

QString repeated(const QString& piece)
{
    QString text;
    while (text.size() < kCharacters)
        text += piece;
    text.truncate(kCharacters);
    return text;
}

// Pastes `text` into `box` and returns the milliseconds it took.
double timePaste(Control* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->SetFocus();
    QElapsedTimer timer;
    timer.start();
    QTest::keySequence(box->widget(), QKeySequence::Paste);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

TEST(PasteBenchmark, TenThousandCharactersIntoATextBoxAMemoAndThePriceBox)
{
    FormManager manager;
    Form form(manager);
    auto* text = new TextBox(&form);
    auto* memo = new MemoBox(&form);
    auto* price = new CurrencyAmountBox(&form);
    text->setMaxLength(kCharacters);
    int seen = 0;
    // Filters of the screens' kind: each character is looked at, some are refused.
    text->KeyPress = [&](int& k) {
        ++seen;
        if (k == '~')
            k = 0;
    };
    memo->KeyPress = [&](int& k) {
        ++seen;
        if (k == '~')
            k = 0;
    };

    const double textMs = timePaste(text, repeated(QStringLiteral("The quick brown fox jumps over the lazy dog. ")));
    const double memoMs = timePaste(memo, repeated(QStringLiteral("Parts and labor for one year.\n")));
    const double priceMs = timePaste(price, repeated(QStringLiteral("1234567890")));
    std::printf("paste of %d characters: text box %.1f ms, memo %.1f ms, price box %.1f ms\n", kCharacters, textMs,
                memoMs, priceMs);
    ::testing::Test::RecordProperty("text_box_ms", int(textMs));
    ::testing::Test::RecordProperty("memo_ms", int(memoMs));
    ::testing::Test::RecordProperty("price_box_ms", int(priceMs));

    EXPECT_EQ(seen, 2 * kCharacters);
    EXPECT_EQ(text->Text().size(), kCharacters);
    EXPECT_EQ(memo->Text().size(), kCharacters);
    EXPECT_EQ(price->Text().size(), kCharacters + 1) << "the dollar sign in front";
}

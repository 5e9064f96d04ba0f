// Every handler runs through one place: what it does not catch is reported as a run-time error
// and the screen stays usable; inside another handler it reaches that handler.
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/recordset.h"
#include "support/test_program.h"

#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace tlm;

namespace {

class FailingForm : public Form {
public:
    explicit FailingForm(FormManager& m) : Form(m)
    {
        box = new TextBox(this);
        button = new CommandButton(this, QStringLiteral("&Go"));
        check = new CheckBox(this, QStringLiteral("Check"));
        timer = new Timer(this, 1000);
        button->setGeometry(0, 30, 80, 24);
    }
    TextBox* box;
    CommandButton* button;
    CheckBox* check;
    Timer* timer;
    bool failActivate = false;
    bool failClose = false;

protected:
    void Form_Activate() override
    {
        if (failActivate)
            throw std::runtime_error("activate failed");
    }
    void Form_QueryUnload(int&, int) override
    {
        if (failClose)
            throw std::runtime_error("close failed");
    }
};

struct EventsTest : ::testing::Test {
    EventsTest() { manager.messages = &boxes; }
    ~EventsTest() override { EXPECT_TRUE(boxes.allAnswered()); }

    void expectError(const char* what) { boxes.expect(vbOK, QStringLiteral("Run-time Error...%1").arg(what)); }

    test::ScriptedMessageBoxes boxes;
    FormManager manager;
    FailingForm form{manager};
};

[[noreturn]] void fail(const char* what) { throw std::runtime_error(what); }

} // namespace

TEST_F(EventsTest, AFailingHandlerIsReportedAndTheScreenGoesOn)
{
    form.Show();
    form.button->Click = [] { fail("Disk full"); };
    expectError("Disk full");
    QTest::mouseClick(form.button, Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].style, 16);
    EXPECT_EQ(boxes.shown[0].title, kTitle);

    // A key whose handler fails is not typed; the next keys are.
    form.box->KeyPress = [](int& k) {
        if (k == 'x')
            fail("bad key");
    };
    expectError("bad key");
    QTest::keyClicks(form.box, "axb");
    EXPECT_EQ(form.box->Text(), QStringLiteral("ab"));

    form.box->Change = [] { fail("change failed"); };
    expectError("change failed");
    form.box->setText(QStringLiteral("typed")); // no handler runs around it: reported here
    EXPECT_EQ(form.box->Text(), QStringLiteral("typed"));

    form.check->Click = [] { fail("preference"); };
    expectError("preference");
    QTest::mouseClick(form.check, Qt::LeftButton);

    // A timer's tick, as its QTimer gives it.
    form.timer->onTimer = [] { fail("tick"); };
    expectError("tick");
    EXPECT_TRUE(QMetaObject::invokeMethod(form.timer->findChild<QTimer*>(), "timeout"));

    // The screen's own events: a failed close handler keeps the screen.
    form.failClose = true;
    expectError("close failed");
    EXPECT_FALSE(form.requestClose());
    EXPECT_TRUE(form.isVisible());
    form.Hide();
    form.failActivate = true;
    expectError("activate failed");
    form.Show();
    EXPECT_TRUE(form.isVisible());

    // A write refused on read-only data is the program's own notice, not a run-time error.
    form.button->Click = [] { throw ReadOnlyError(QStringLiteral("write: the database cannot be written")); };
    boxes.expect(vbOK, QStringLiteral("This Change Could Not Be Saved Because Your Database Can Only Be Read...Nothing Was Changed!"));
    QTest::mouseClick(form.button, Qt::LeftButton);
    EXPECT_EQ(boxes.shown.back().style, 48);

    // Still usable.
    int clicks = 0;
    form.button->Click = [&] { ++clicks; };
    QTest::mouseClick(form.button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(EventsTest, AFailureInsideAHandlerReachesThatHandler)
{
    form.box->Change = [] { fail("inner"); };
    bool caught = false;
    form.button->Click = [&] {
        try {
            form.box->setText(QStringLiteral("x")); // Change runs through Qt's signal
        } catch (const std::runtime_error& error) {
            caught = QString::fromUtf8(error.what()) == QStringLiteral("inner");
        }
    };
    form.button->press();
    EXPECT_TRUE(caught);
    EXPECT_TRUE(boxes.shown.empty());

    // Not caught there either: reported once, and the rest of the outer handler does not run.
    bool after = false;
    form.button->Click = [&] {
        form.box->setText(QStringLiteral("y"));
        after = true;
    };
    expectError("inner");
    form.button->press();
    EXPECT_FALSE(after);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(EventsTest, AControlArrayAskedForAnIndexItDoesNotHoldFails)
{
    ControlArray<TextBox> txtInfo;
    txtInfo.add(form.box, 3);
    EXPECT_EQ(txtInfo[3], form.box);
    EXPECT_THROW(txtInfo[0], std::out_of_range);
    form.button->Click = [&] { txtInfo[4]->setText(QStringLiteral("x")); };
    expectError("Control array element 4 does not exist");
    form.button->press();
}

// The account chooser and the account screen: adding with its checks, browsing, updating and
// deleting the account shown, failed writes, the questions on leaving, and the calendar.
#include "owner_fixture.h"

#include <QApplication>
#include <QCalendarWidget>

using namespace tlm;
using namespace tlm::test;

namespace {

const QString kNoName = QStringLiteral("Please Enter An Account Name For This Financial Institution!");
const QString kNoNumber = QStringLiteral("Please Enter An Account Number For This Financial Institution!");
const QString kDuplicate = QStringLiteral("An Account With The Account Number You Have Listed Is Already Available");
const QString kAdded = QStringLiteral("   Your New Account Has Been Added!");
const QString kUpdated = QStringLiteral("          Account Has Been Updated!");
const QString kDelete = QStringLiteral("Deleting This Account Will Be Permanent...Continue?");
const QString kLose = QStringLiteral("All Changes To This Account Will Be Lost...Continue?");

const QStringList kFirst = {"First Harbor", "1 Quay St", "212", "555", "0101", "A-100", "021000021",
                            "$1250.00",     "1/5/2026",  "Checking", "Boston", "MA"};
const QStringList kSecond = {"Cedar Credit Union", "None", "None", "None", "None", "B-200", "None",
                             "None", "None", "Savings", "None", "none"};
const QStringList kThird = {"Prairie Bank", "9 Elm Rd", "312", "555", "0303", "C-300", "071000013",
                            "$80.25", "2/1/2026", "Other", "Chicago", "IL"};

enum Option { Add = 0, Update = 1, Delete = 2 };

class Accounts : public OwnerTest {
protected:
    // Owner screen, accounts button, an option of the chooser, Continue.
    screens::frmBank& openAccounts(Option option)
    {
        if (!owner().isVisible())
            openOwner();
        owner().cmdBank->press();
        if (option != Add)
            clickBox(chooser().optEdit[option]);
        chooser().cmdUpdate->press();
        return bank();
    }
    void addThree()
    {
        for (const QStringList& account : {kFirst, kSecond, kThird})
            addAccount(account);
    }
    QStringList shown()
    {
        screens::frmBank& b = bank();
        return {b.txtName->Text(),   b.txtAddress->Text(), b.txtPhone1->Text(), b.txtPhone2->Text(),
                b.txtPhone3->Text(), b.txtAccount->Text(), b.txtRoute->Text(),  b.txtBalance->Text(),
                b.txtDate->Text(),   b.cmbType->Text(),    b.txtCity->Text(),   b.cmbState->Text()};
    }
    void typeInto(TextBox* box, const char* text)
    {
        box->SetFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void failWrites(bool fail) { t->Data1().Home.failWrite = fail ? std::function<bool()>([] { return true; }) : nullptr; }
};

QString row(const QStringList& fields) { return fields.join(u'|'); }

} // namespace

TEST_F(Accounts, TheChooserStartsOnAddAndRefusesUpdateOrDeleteWithoutAccounts)
{
    openOwner().cmdBank->press();
    screens::frmEditBankBoxes& c = chooser();
    ASSERT_TRUE(c.isVisible());
    clickBox(c.optEdit[2]);
    EXPECT_EQ(bank().cmdState->Caption(), "&Delete Account");
    EXPECT_FALSE(bank().picDate->isEnabled());
    expectBox(vbOK, QStringLiteral("There Are No Accounts Available To Delete!"));
    c.cmdUpdate->press();
    EXPECT_TRUE(c.isVisible());
    EXPECT_EQ(bank().cmdState->Caption(), "&Add New Account");
    EXPECT_TRUE(bank().picDate->isEnabled());
    clickBox(c.optEdit[1]);
    expectBox(vbOK, QStringLiteral("There Are No Accounts Available To Update!"));
    c.cmdUpdate->press();
    EXPECT_TRUE(c.optEdit[0]->Value());

    // The close box is Cancel; the next opening starts on Add again.
    clickBox(c.optEdit[1]);
    EXPECT_FALSE(c.requestClose());
    EXPECT_TRUE(owner().isVisible() && owner().isEnabled());
    owner().cmdBank->press();
    EXPECT_TRUE(c.optEdit[0]->Value());
}

TEST_F(Accounts, AddingChecksNameNumberAndUniquenessThenStoresTheRow)
{
    screens::frmBank& b = openAccounts(Add);
    ASSERT_TRUE(b.isVisible());
    EXPECT_EQ(b.lblMainHead->Caption(), "Add Financial Account");
    EXPECT_EQ(shown(), QStringList({"Enter Financial Institution", "", "", "", "", "", "", "", "6/15/2026",
                                    "Checking", "", ""}));
    EXPECT_FALSE(b.cmdNext->isVisibleTo(&b));
    EXPECT_EQ(b.txtName->HelpContextID, 41001);

    expectBox(vbOK, kNoName);
    b.cmdState->press();
    EXPECT_EQ(b.txtName->Text(), "");
    EXPECT_EQ(b.txtName->BackColor(), colors::ErrorHighlight);
    QTest::keyClicks(b.txtName, "First Harbor");
    for (const char* account : {"", "None"}) { // "None" would load as no number at all
        b.txtAccount->setText(account);
        expectBox(vbOK, kNoNumber);
        b.cmdState->press();
        EXPECT_EQ(b.txtAccount->BackColor(), colors::ErrorHighlight);
    }

    // Full telephone parts move the focus on; the state is a two-letter code in capitals.
    typeInto(b.txtPhone1, "2x12");
    EXPECT_EQ(b.ActiveControl(), b.txtPhone2);
    QTest::keyClicks(b.txtPhone2, "555");
    QTest::keyClicks(b.txtPhone3, "01012");
    EXPECT_EQ(b.ActiveControl(), b.cmbType);
    b.cmbState->SetFocus();
    QTest::keyClicks(b.cmbState->lineEdit(), "ma");
    EXPECT_EQ(b.ActiveControl(), b.txtPhone1);
    b.txtAccount->pasteAsTyped("A-100");
    typeInto(b.txtBalance, "1250");
    b.txtRoute->SetFocus(); // leaving completes the amount
    expectBox(vbOK, kAdded);
    b.cmdState->press();
    EXPECT_TRUE(owner().isVisible());
    EXPECT_EQ(storedAccounts(), QStringList({"First Harbor|None|212|555|0101|A-100|None|$1250.00|6/15/2026|Checking|None|MA"}));

    // The same number again is refused; another letter case or a blank makes another number.
    openAccounts(Add);
    QTest::keyClicks(b.txtName, "Cedar Credit Union");
    b.txtAccount->setText("A-100");
    expectBox(vbOK, kDuplicate);
    b.cmdState->press();
    EXPECT_TRUE(b.isVisible());
    EXPECT_EQ(storedAccounts().size(), 1);
    b.txtAccount->setText("a-100 ");
    expectBox(vbOK, kAdded);
    b.cmdState->press();
    EXPECT_EQ(storedAccounts().size(), 2);
}

TEST_F(Accounts, BrowsingShowsEachAccountAndNeverGoesPastTheEnds)
{
    addThree();
    screens::frmBank& b = openAccounts(Update);
    EXPECT_EQ(b.lblMainHead->Caption(), "Update Financial Account");
    EXPECT_EQ(shown(), QStringList({"First Harbor", "1 Quay St", "212", "555", "0101", "A-100", "021000021",
                                    "$1,250.00", "1/5/2026", "Checking", "Boston", "MA"}));
    EXPECT_EQ(b.ActiveControl(), b.txtPhone1) << "the loaded two-letter state moves the focus on";
    EXPECT_FALSE(b.cmdPrevious->isEnabled());

    b.txtName->setText("Edited, never stored");
    b.cmdNext->press();
    EXPECT_EQ(shown(), QStringList({"Cedar Credit Union", "", "", "", "", "B-200", "", "", "", "Savings", "", "none"}))
        << "only an exact \"None\" shows as empty";
    EXPECT_TRUE(b.cmdNext->isEnabled() && b.cmdPrevious->isEnabled());
    b.cmdNext->press();
    EXPECT_FALSE(b.cmdNext->isEnabled());
    b.cmdNext_Click(); // once more, whatever the button shows: the last account stays
    EXPECT_EQ(b.txtAccount->Text(), "C-300");
    EXPECT_EQ(t->Data1().rsBank.text(fld::BankInfo::AccountNumber), "C-300");

    b.cmdPrevious->press();
    b.cmdPrevious->press();
    EXPECT_EQ(b.txtName->Text(), "First Harbor") << "browsing drops what was typed";
    EXPECT_FALSE(b.cmdPrevious->isEnabled());
    b.cmdPrevious_Click();
    EXPECT_EQ(b.txtAccount->Text(), "A-100");
    EXPECT_EQ(b.ActiveControl(), b.txtName);
}

TEST_F(Accounts, UpdateAndDeleteActOnTheAccountShownWithItsNumberFixed)
{
    addThree();
    screens::frmBank& b = openAccounts(Update);
    b.cmdNext->press();
    ASSERT_EQ(b.txtAccount->Text(), "B-200");
    expectBox(vbOK, QStringLiteral("The Account Number Can Not Be Changed!"));
    QTest::keyClick(b.txtAccount, Qt::Key_9);

    // Another window's activation and a calendar visit keep the account, and its number fixed.
    Form other(t->forms());
    other.Show();
    other.Hide();
    b.picDate_Click();
    t->frmCalendar().presetDate(QDate(2026, 3, 7));
    t->frmCalendar().calDate_Click();
    EXPECT_EQ(b.txtDate->Text(), "3/7/2026");
    b.txtAccount->setSelStart(0);
    QTest::keyClick(b.txtAccount, Qt::Key_Delete);
    EXPECT_EQ(b.txtAccount->Text(), "B-200");

    // The cursor was moved elsewhere: the update still goes to the account shown.
    t->Data1().rsBank.MoveFirst();
    b.txtName->setText("Cedar CU");
    expectBox(vbOK, kUpdated);
    b.cmdState->press();
    const QString updated = "Cedar CU|None|None|None|None|B-200|None|None|3/7/2026|Savings|None|none";
    EXPECT_EQ(storedAccounts(), QStringList({row(kFirst), updated, row(kThird)}));

    // Delete: everything locked, a question, then the shown row goes.
    openAccounts(Delete);
    EXPECT_TRUE(b.txtName->Locked());
    EXPECT_FALSE(b.txtAddress->isEnabled());
    b.cmdNext->press();
    b.cmdNext->press();
    expectBox(vbNo, kDelete);
    b.cmdState->press();
    t->Data1().rsBank.MoveFirst();
    expectBox(vbYes, kDelete);
    b.cmdState->press();
    EXPECT_EQ(storedAccounts(), QStringList({row(kFirst), updated}));
    EXPECT_TRUE(b.txtAddress->isEnabled());
    EXPECT_TRUE(owner().isVisible());

    // An account gone meanwhile is neither updated nor deleted.
    openAccounts(Update);
    t->Data1().rsBank.MoveFirst();
    t->Data1().rsBank.Delete();
    b.cmdState->press();
    EXPECT_TRUE(b.isVisible());
    EXPECT_EQ(storedAccounts(), QStringList({updated}));
}

TEST_F(Accounts, AFailedWriteIsToldAndChangesNothing)
{
    addAccount(kFirst);
    screens::frmBank& b = openAccounts(Add);
    QTest::keyClicks(b.txtName, "Prairie Bank");
    b.txtAccount->setText("C-300");
    failWrites(true);
    expectBox(vbOK, QStringLiteral("The Account Could Not Be Added...Your Financial Accounts Have Not Been Changed!"));
    b.cmdState->press();
    EXPECT_EQ(t->Data1().rsBank.RecordCount(), 1);
    failWrites(false);
    expectBox(vbYes, kLose);
    b.cmdBack->press();

    openAccounts(Update);
    b.txtName->setText("Renamed");
    failWrites(true);
    expectBox(vbOK, QStringLiteral("The Account Could Not Be Updated...Your Financial Accounts Have Not Been Changed!"));
    b.cmdState->press();
    EXPECT_FALSE(t->Data1().rsBank.editPending());
    expectBox(vbYes, kLose);
    b.cmdBack->press();

    openAccounts(Delete);
    expectBox(vbYes, kDelete);
    expectBox(vbOK, QStringLiteral("The Account Could Not Be Deleted...Your Financial Accounts Have Not Been Changed!"));
    b.cmdState->press();
    failWrites(false);
    EXPECT_TRUE(b.isVisible());
    EXPECT_EQ(storedAccounts(), QStringList({row(kFirst)}));
}

TEST_F(Accounts, CancelAsksOnlyAboutRealChangesOfItsMode)
{
    screens::frmBank& b = openAccounts(Add); // no account yet: always asked
    const QString notSaved = QStringLiteral("Financial Account Has Not Been Saved...Continue?");
    expectBox(vbNo, notSaved);
    b.cmdBack->press();
    EXPECT_TRUE(b.isVisible());
    expectBox(vbYes, notSaved);
    b.cmdBack->press();

    addAccount(kSecond);
    openAccounts(Add);
    b.cmdBack->press(); // the prompt, today and "Checking" count as untouched
    EXPECT_TRUE(owner().isVisible());

    // A refused duplicate raises the shared flag; the next update-mode Cancel must not see it.
    openAccounts(Add);
    QTest::keyClicks(b.txtName, "Cedar");
    b.txtAccount->setText("B-200");
    expectBox(vbOK, kDuplicate);
    b.cmdState->press();
    expectBox(vbYes, kLose);
    b.cmdBack->press();
    openAccounts(Update);
    typeInto(b.txtAddress, "12 Main St"); // its stored value is "None": not a change
    b.cmdBack->press();
    EXPECT_TRUE(owner().isVisible());

    openAccounts(Update);
    b.cmbType->setText("Checking");
    expectBox(vbNo, kLose);
    EXPECT_FALSE(b.requestClose()) << "the close box is Cancel";
    EXPECT_TRUE(b.isVisible());
    expectBox(vbYes, kLose);
    b.cmdBack->press();

    openAccounts(Delete);
    b.cmdBack->press(); // delete mode never asks
    EXPECT_TRUE(owner().isVisible());
}

TEST_F(Accounts, TheCalendarKeepsTheEntriesAndStartsAtTodayForADateThatIsNone)
{
    screens::frmBank& b = openAccounts(Add);
    QTest::keyClicks(b.txtName, "First Harbor");
    b.txtDate->setText("someday");
    b.txtDate->SetFocus(); // its focus opens the calendar
    screens::frmCalendar& cal = t->frmCalendar();
    ASSERT_TRUE(cal.isVisible());
    EXPECT_EQ(cal.calPick, 5);
    EXPECT_FALSE(b.isEnabled());
    EXPECT_EQ(QDate(cal.Year(), cal.Month(), cal.Day()), QDate(2026, 6, 15));
    cal.presetDate(QDate(2026, 3, 7));
    cal.calDate_Click();
    EXPECT_TRUE(b.isEnabled() && b.cmdState->isEnabled());
    EXPECT_EQ(b.txtDate->Text(), "3/7/2026");
    EXPECT_EQ(b.txtName->Text(), "First Harbor");
    typeInto(b.txtPhone1, "212");
    EXPECT_EQ(b.ActiveControl(), b.txtPhone1) << "after the calendar the focus stays";
}

TEST_F(Accounts, TabGetsPastTheDateWhoseCalendarClosesOntoTheNextControl)
{
    screens::frmBank& b = openAccounts(Add);
    screens::frmCalendar& cal = t->frmCalendar();
    // The window system activates the calendar while it is up, and the screen once it is gone.
    const auto tab = [&](Qt::KeyboardModifiers modifiers) {
        QApplication::setActiveWindow(&b);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        EXPECT_TRUE(cal.isVisible()) << "the date box's focus opens the calendar";
        QApplication::setActiveWindow(&cal);
    };
    b.txtBalance->SetFocus();
    tab(Qt::NoModifier);
    expectBox(vbYes, QStringLiteral("Are You Sure You Want To Close The Calendar?"));
    QTest::keyClick(cal.calDate->focusProxy(), Qt::Key_Space);
    QApplication::setActiveWindow(&b);
    EXPECT_EQ(QApplication::focusWidget(), b.cmdBack) << "the control after the date, Previous and Next being hidden";
    EXPECT_FALSE(cal.isVisible());

    // Back into the date, and a date picked: the focus again goes on past it.
    tab(Qt::ShiftModifier);
    QTest::keyClick(cal.calDate->focusProxy(), Qt::Key_Return);
    QApplication::setActiveWindow(&b);
    EXPECT_EQ(QApplication::focusWidget(), b.cmdBack);
    QTest::keyClick(b.cmdBack, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), b.cmdState);
    EXPECT_FALSE(cal.isVisible());
}

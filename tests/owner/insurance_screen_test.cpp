// The insurance policy screen: the notify switch's checks and its silent save, the expiration
// change check, Update, Cancel, Clear, the calendar, and the notices of the next start-up.
#include "owner_fixture.h"

using namespace tlm;
using namespace tlm::test;

namespace {

const QString kFuture = QStringLiteral("You Must Select A Future Policy Expiration Date Before Selecting This Option!");
const QString kNotFuture = QStringLiteral("Date Is Not A Future Date...Resetting The Notification Checkbox!");
const QString kUpdated = QStringLiteral("Your Insurance Information Has Been Updated!");
const QString kInvalid =
    QStringLiteral("Invalid Policy Expiration Date...Be Sure The Format Is mm/dd/yyyy (Example: 12/25/2005)");
const QDate kToday(2026, 6, 15);

class Insurance : public OwnerTest {
protected:
    void clickNotify() { clickBox(insurance().chkNotify); }
    // Picks a date in the calendar the expiration opens.
    void pickDate(const QDate& date)
    {
        insurance().picDate_Click();
        ASSERT_TRUE(t->frmCalendar().isVisible());
        EXPECT_EQ(t->frmCalendar().calPick, 4);
        t->frmCalendar().presetDate(date);
        t->frmCalendar().calDate_Click();
        EXPECT_EQ(insurance().ActiveControl(), insurance().txtCoverageAmt) << "the focus goes on past the date";
    }
    QStringList storedPolicy()
    {
        return {stored(pi::PolicyCompany), stored(pi::PolicyNumber), stored(pi::PolicyExpiration),
                stored(pi::CoverageAmount), stored(pi::Notify)};
    }
};

} // namespace

TEST_F(Insurance, TheNotifyBoxWantsADateNotBeforeTodayAndSavesThePolicyAtOnce)
{
    setStored({{pi::CoverageAmount, "$2500"}, {pi::Notify, "yes"}});
    screens::frmInsInfo& ins = openInsurance();
    EXPECT_EQ(QStringList({ins.txtPolicyExpire->Text(), ins.txtCoverageAmt->Text()}), QStringList({"None", "$2,500.00"}));
    EXPECT_EQ(ins.chkNotify->Value(), 0) << "only \"Yes\" exactly ticks the box";
    expectBox(vbOK, kFuture);
    clickNotify();
    EXPECT_EQ(ins.chkNotify->Value(), 0);
    EXPECT_EQ(ins.txtPolicyExpire->BackColor(), colors::ErrorHighlight);
    EXPECT_EQ(ins.ActiveControl(), ins.txtPolicyExpire);
    // Any key released on the box checks it, also the Tab that moved the focus onto it.
    expectBox(vbOK, kFuture);
    QTest::keyRelease(ins.chkNotify, Qt::Key_Tab);
    pickDate(kToday.addDays(-1));
    expectBox(vbOK, kFuture);
    clickNotify();

    ins.txtCompany->setText("Harbor Mutual");
    pickDate(kToday); // today itself passes
    clickNotify();
    EXPECT_EQ(ins.chkNotify->Value(), 1);
    EXPECT_EQ(ins.txtPolicyExpire->BackColor(), colors::White);
    EXPECT_EQ(storedPolicy(), QStringList({"Harbor Mutual", "None", "6/15/2026", "$2,500.00", "Yes"}));
    QTest::keyClick(ins.chkNotify, Qt::Key_Space); // unticked by the keyboard, saved at once
    EXPECT_EQ(stored(pi::Notify), "No");
    EXPECT_TRUE(ins.isVisible()) << "the silent save keeps the screen";

    // A save the store refuses is told, keeps nothing, and the box shows the stored state
    // again: Cancel then finds nothing changed.
    t->Data1().Home.failWrite = [] { return true; };
    expectBox(vbOK, QStringLiteral("Unable To Save Your Insurance Information...The Database Could Not Be Written!"));
    clickNotify();
    t->Data1().Home.failWrite = nullptr;
    EXPECT_FALSE(t->Data1().rsGeneral.editPending());
    EXPECT_EQ(stored(pi::Notify), "No");
    EXPECT_EQ(ins.chkNotify->Value(), 0);
    ins.cmdCancel->press();
    EXPECT_FALSE(ins.isVisible());
}

TEST_F(Insurance, AChangedExpirationResetsTheBoxButTheOwnerScreensFillChecksNothing)
{
    setStored({{pi::PolicyExpiration, "12/25/2026"}, {pi::Notify, "Yes"}, {pi::PolicyCompany, "Harbor Mutual"}});
    screens::frmInsInfo& ins = openInsurance();
    ASSERT_EQ(ins.chkNotify->Value(), 1);
    expectBox(vbOK, kNotFuture);
    pickDate(QDate(2026, 1, 2));
    EXPECT_EQ(ins.chkNotify->Value(), 0);
    EXPECT_EQ(storedPolicy(), QStringList({"Harbor Mutual", "None", "1/2/2026", "None", "No"}));

    // The Delete key empties the date: reset, then the refusal; nothing stored.
    ins.txtPolicyExpire->SetFocus();
    expectBox(vbOK, kNotFuture);
    expectBox(vbOK, kFuture);
    QTest::keyClick(ins.txtPolicyExpire, Qt::Key_Delete);
    EXPECT_EQ(stored(pi::PolicyExpiration), "1/2/2026");

    // The box still ticked from the last visit while the owner screen fills a date that has
    // passed since, or one that is none: no check runs and nothing is saved.
    EXPECT_TRUE(ins.requestClose()) << "closed without a question";
    setStored({{pi::PolicyExpiration, "12/25/2026"}, {pi::Notify, "Yes"}});
    owner().cmdInsInfo->press();
    ins.cmdCancel->press();
    for (const char* expiration : {"5/1/2026", "sometime"}) {
        setStored({{pi::PolicyExpiration, expiration}, {pi::PolicyCompany, "Cedar Insurance"}});
        owner().cmdInsInfo->press();
        EXPECT_EQ(ins.txtPolicyExpire->Text(), expiration);
        EXPECT_EQ(ins.chkNotify->Value(), 1);
        ins.cmdCancel->press(); // the boxes hold the row: no question
    }
    EXPECT_EQ(stored(pi::Notify), "Yes");
}

TEST_F(Insurance, UpdateStoresThePolicyAndRefusesAnExpirationThatIsNoDate)
{
    screens::frmInsInfo& ins = openInsurance();
    ins.txtCompany->setText("Harbor Mutual");
    ins.txtPolicyNum->setText("");
    ins.txtCoverageAmt->SetFocus();
    QTest::keyClicks(ins.txtCoverageAmt, "250000");
    expectBox(vbOK, kUpdated);
    ins.cmdUpdate->press();
    EXPECT_EQ(storedPolicy(), QStringList({"Harbor Mutual", "None", "None", "$250,000.00", "No"}));
    EXPECT_TRUE(owner().isVisible());
    EXPECT_EQ(ins.txtCoverageAmt->Text(), "$250,000.00");

    // Part of a date deleted leaves a text that is no date: Update refuses it.
    setStored({{pi::PolicyExpiration, "12/5/2030"}, {pi::Notify, "Yes"}});
    owner().cmdInsInfo->press();
    ins.txtPolicyExpire->setSelStart(0);
    QTest::keyClick(ins.txtPolicyExpire, Qt::Key_Delete); // 2/5/2030
    expectBox(vbOK, kNotFuture);
    expectBox(vbOK, kFuture);
    QTest::keyClick(ins.txtPolicyExpire, Qt::Key_Delete); // /5/2030
    expectBox(vbOK, kInvalid);
    ins.cmdUpdate->press();
    EXPECT_EQ(stored(pi::PolicyExpiration), "12/5/2030");
    EXPECT_EQ(ins.ActiveControl(), ins.txtPolicyExpire);
    EXPECT_EQ(ins.txtPolicyExpire->SelLength(), ins.txtPolicyExpire->Text().size());

    // A key typed opens the calendar, at today for a text that is no date; a write the store
    // refuses then says so, and the row's changes are cancelled.
    QTest::keyClick(ins.txtPolicyExpire, Qt::Key_5);
    screens::frmCalendar& cal = t->frmCalendar();
    ASSERT_TRUE(cal.isVisible());
    EXPECT_EQ(QDate(cal.Year(), cal.Month(), cal.Day()), kToday);
    cal.presetDate(QDate(2027, 3, 7));
    cal.calDate_Click();
    EXPECT_EQ(ins.txtPolicyExpire->Text(), "3/7/2027");
    t->Data1().Home.failWrite = [] { return true; };
    expectBox(vbOK, QStringLiteral("Unable To Save Your Insurance Information...The Database Could Not Be Written!"));
    ins.cmdUpdate->press();
    t->Data1().Home.failWrite = nullptr;
    EXPECT_FALSE(t->Data1().rsGeneral.editPending());
    EXPECT_EQ(stored(pi::PolicyExpiration), "12/5/2030");
    EXPECT_EQ(ins.chkNotify->Value(), 1) << "the stored \"Yes\" again, unticked by the reset before";
    EXPECT_TRUE(ins.isVisible());
}

TEST_F(Insurance, CancelAsksOnlyWhenTheBoxesDifferAndClearEmptiesThem)
{
    setStored({{pi::PolicyCompany, "Harbor Mutual"}});
    screens::frmInsInfo& ins = openInsurance();
    ins.txtCompany->setText("HARBOR mutual");
    ins.cmdCancel->press(); // letter case only: no question
    owner().cmdInsInfo->press();
    ins.cmdClear->press();
    EXPECT_EQ(QStringList({ins.txtCompany->Text(), ins.txtPolicyNum->Text(), ins.txtCoverageAmt->Text()}),
              QStringList({"None", "None", "$0.00"}));
    const QString lose = QStringLiteral("Information Has Changed Regarding This Policy, All Changes Will Be Lost...Continue?");
    expectBox(vbNo, lose);
    ins.cmdCancel->press();
    EXPECT_TRUE(ins.isVisible());
    expectBox(vbYes, lose);
    ins.cmdCancel->press();
    EXPECT_TRUE(owner().isVisible());
    EXPECT_EQ(stored(pi::PolicyCompany), "Harbor Mutual");
}

TEST_F(Insurance, APolicyTickedNowIsAnnouncedAtTheNextStart)
{
    screens::frmInsInfo& ins = openInsurance();
    pickDate(QDate(2026, 6, 25));
    clickNotify();
    expectBox(vbOK, kUpdated);
    ins.cmdUpdate->press();

    // The next start of the program, over the same data.
    t->Data1().closeAll();
    t->unlockDatabaseFolder();
    Program::Services services;
    auto msgs = std::make_unique<ScriptedMessageBoxes>();
    ScriptedMessageBoxes* next = msgs.get();
    services.messages = std::move(msgs);
    services.processes = std::make_unique<FakeProcesses>();
    services.help = std::make_unique<RecordingHelp>();
    Program again(t->paths(), std::move(services));
    again.clock().setToday(kToday);
    next->expect(vbOK, QStringLiteral("Your Insurance Policy Expires In 10 Days!"));
    again.frmBC_Splash().tmrLoad_Timer();
    EXPECT_EQ(next->shown.size(), 1u);
    EXPECT_EQ(next->shown.at(0).style, 64);
    EXPECT_TRUE(again.frmMain().isVisible());
}

// The insurance policy screen: the notify switch's checks and its silent save, the expiration
// change check, Update, Cancel, Clear, the calendar, and the notices of the next start-up.
#include "owner_fixture.h"

#include "shell/frmBC_Splash.h"

using namespace tlm;
using namespace tlm::test;

namespace {

const QString kFuture = QStringLiteral("You Must Select A Future Policy Expiration Date Before Selecting This Option!");
const QString kNotFuture = QStringLiteral("Date Is Not A Future Date...Resetting The Notification Checkbox!");
const QString kUpdated = QStringLiteral("Your Insurance Information Has Been Updated!");
const QString kInvalid =
    QStringLiteral("Invalid Policy Expiration Date...Be Sure The Format Is mm/dd/yyyy (Example: 12/25/2005)");
const QString kLose =
    QStringLiteral("Information Has Changed Regarding This Policy, All Changes Will Be Lost...Continue?");
const QString kNotSaved = QStringLiteral("Unable To Save Your Insurance Information...The Database Could Not Be Written!");

class Insurance : public OwnerTest {
protected:
    // A person releases the mouse button on the notify box (which ticks or unticks it).
    void clickNotify() { clickBox(insurance().chkNotify); }
    // Picks a date in the calendar the expiration opens.
    void pickDate(const QDate& date)
    {
        insurance().picDate_Click();
        ASSERT_TRUE(t->frmCalendar().isVisible());
        EXPECT_FALSE(insurance().isEnabled());
        EXPECT_EQ(t->frmCalendar().calPick, 4);
        t->frmCalendar().presetDate(date);
        t->frmCalendar().calDate_Click();
    }
    QStringList storedPolicy()
    {
        return {stored(pi::PolicyCompany), stored(pi::PolicyNumber), stored(pi::PolicyExpiration),
                stored(pi::CoverageAmount), stored(pi::Notify)};
    }
    bool flagged() { return insurance().txtPolicyExpire->BackColor() == colors::ErrorHighlight; }
};

const QDate kToday(2026, 6, 15);

} // namespace

TEST_F(Insurance, TheNotifyBoxWantsADateNotBeforeTodayAndSavesThePolicyAtOnce)
{
    screens::frmInsInfo& ins = openInsurance();
    EXPECT_EQ(ins.txtPolicyExpire->Text(), "None");
    expectBox(vbOK, kFuture);
    clickNotify();
    EXPECT_EQ(lastStyle(), 48);
    EXPECT_EQ(ins.chkNotify->Value(), 0);
    EXPECT_TRUE(flagged());
    EXPECT_EQ(ins.ActiveControl(), ins.txtPolicyExpire);

    // Any key released on the box checks it, also the Tab that moved the focus onto it.
    expectBox(vbOK, kFuture);
    QTest::keyRelease(ins.chkNotify, Qt::Key_Tab);
    EXPECT_EQ(stored(pi::Notify), "No");

    pickDate(kToday.addDays(-1));
    expectBox(vbOK, kFuture);
    clickNotify();
    EXPECT_EQ(ins.chkNotify->Value(), 0);

    ins.txtCompany->setText("Harbor Mutual");
    pickDate(kToday); // today itself passes
    clickNotify();
    EXPECT_EQ(ins.chkNotify->Value(), 1);
    EXPECT_FALSE(flagged());
    EXPECT_EQ(storedPolicy(), QStringList({"Harbor Mutual", "None", "6/15/2026", "None", "Yes"}));
    QTest::keyClick(ins.chkNotify, Qt::Key_Space); // unticked by the keyboard, saved at once
    EXPECT_EQ(stored(pi::Notify), "No");
    EXPECT_TRUE(ins.isVisible()) << "the silent save keeps the screen";
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
    EXPECT_EQ(ins.txtPolicyExpire->Text(), "");
    EXPECT_EQ(stored(pi::PolicyExpiration), "1/2/2026");

    // The box still ticked from the last visit while the owner screen fills a date that has
    // passed since, or one that is none: no check runs and nothing is saved.
    EXPECT_TRUE(ins.requestClose());
    setStored({{pi::PolicyExpiration, "12/25/2026"}, {pi::Notify, "Yes"}});
    owner().cmdInsInfo->press();
    ASSERT_EQ(ins.chkNotify->Value(), 1);
    ins.cmdCancel->press();
    for (const char* expiration : {"5/1/2026", "sometime"}) {
        setStored({{pi::PolicyExpiration, expiration}, {pi::PolicyCompany, "Cedar Insurance"}});
        owner().cmdInsInfo->press();
        EXPECT_EQ(ins.txtPolicyExpire->Text(), expiration);
        EXPECT_EQ(ins.chkNotify->Value(), 1);
        EXPECT_EQ(stored(pi::Notify), "Yes");
        ins.cmdCancel->press(); // the boxes hold the row: no question
    }
    EXPECT_TRUE(t.msgs->allAnswered());
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
    EXPECT_EQ(lastStyle(), 64);
    EXPECT_EQ(storedPolicy(), QStringList({"Harbor Mutual", "None", "None", "$250,000.00", "No"}));
    EXPECT_FALSE(ins.isVisible());
    EXPECT_TRUE(owner().isVisible());
    EXPECT_EQ(ins.txtPolicyExpire->Text(), "None");
    EXPECT_EQ(ins.txtCoverageAmt->Text(), "$250,000.00");

    // Part of a date deleted leaves a text that is no date: Update refuses it.
    setStored({{pi::PolicyExpiration, "12/5/2030"}});
    owner().cmdInsInfo->press();
    ins.txtPolicyExpire->setSelStart(0);
    QTest::keyClick(ins.txtPolicyExpire, Qt::Key_Delete); // 2/5/2030
    expectBox(vbOK, kNotFuture);
    expectBox(vbOK, kFuture);
    QTest::keyClick(ins.txtPolicyExpire, Qt::Key_Delete); // /5/2030
    expectBox(vbOK, kInvalid);
    ins.cmdUpdate->press();
    EXPECT_EQ(lastStyle(), 48);
    EXPECT_EQ(stored(pi::PolicyExpiration), "12/5/2030");
    EXPECT_TRUE(ins.isVisible());
    EXPECT_EQ(ins.ActiveControl(), ins.txtPolicyExpire);
    EXPECT_EQ(ins.txtPolicyExpire->SelLength(), ins.txtPolicyExpire->Text().size());

    // A write the store refuses: the same message, the row's changes cancelled.
    pickDate(QDate(2027, 3, 7));
    t->Data1().Home.failWrite = [] { return true; };
    expectBox(vbOK, kInvalid);
    ins.cmdUpdate->press();
    t->Data1().Home.failWrite = nullptr;
    EXPECT_FALSE(t->Data1().rsGeneral.editPending());
    EXPECT_EQ(stored(pi::PolicyExpiration), "12/5/2030");
    EXPECT_TRUE(ins.isVisible());
}

TEST_F(Insurance, AFailedSilentSaveIsToldAndKeepsNothing)
{
    openInsurance();
    pickDate(QDate(2026, 9, 1));
    t->Data1().Home.failWrite = [] { return true; };
    expectBox(vbOK, kNotSaved);
    clickNotify();
    t->Data1().Home.failWrite = nullptr;
    EXPECT_EQ(lastStyle(), 16);
    EXPECT_FALSE(t->Data1().rsGeneral.editPending());
    EXPECT_EQ(QStringList({stored(pi::PolicyExpiration), stored(pi::Notify)}), QStringList({"None", "No"}));
}

TEST_F(Insurance, CancelAsksOnlyWhenTheBoxesDifferAndClearEmptiesThem)
{
    setStored({{pi::PolicyCompany, "Harbor Mutual"}, {pi::CoverageAmount, "$2,500.00"}});
    screens::frmInsInfo& ins = openInsurance();
    ins.txtCompany->setText("HARBOR mutual");
    ins.cmdCancel->press(); // letter case only: no question
    EXPECT_TRUE(owner().isVisible());

    owner().cmdInsInfo->press();
    ins.cmdClear->press();
    EXPECT_EQ(QStringList({ins.txtCompany->Text(), ins.txtPolicyNum->Text(), ins.txtPolicyExpire->Text(),
                           ins.txtCoverageAmt->Text()}),
              QStringList({"None", "None", "None", "$0.00"}));
    expectBox(vbNo, kLose);
    ins.cmdCancel->press();
    EXPECT_EQ(lastStyle(), 36);
    EXPECT_TRUE(ins.isVisible());
    expectBox(vbYes, kLose);
    ins.cmdCancel->press();
    EXPECT_TRUE(owner().isVisible());
    EXPECT_EQ(stored(pi::PolicyCompany), "Harbor Mutual");
}

TEST_F(Insurance, TheCalendarStartsAtTheExpirationOrAtTodayForATextThatIsNoDate)
{
    for (const auto& [expiration, preset] : std::vector<std::pair<QString, QDate>>{
             {"3/7/2027", QDate(2027, 3, 7)}, {"None", kToday}, {"13/45/2027", kToday}}) {
        setStored({{pi::PolicyExpiration, expiration}});
        openInsurance();
        screens::frmInsInfo& ins = insurance();
        QTest::keyClick(ins.txtPolicyExpire, Qt::Key_5); // a typed key opens the calendar instead
        screens::frmCalendar& cal = t->frmCalendar();
        ASSERT_TRUE(cal.isVisible()) << expiration.toStdString();
        EXPECT_EQ(QDate(cal.Year(), cal.Month(), cal.Day()), preset) << expiration.toStdString();
        EXPECT_EQ(ins.txtPolicyExpire->Text(), expiration);
        expectBox(vbYes, QStringLiteral("Are You Sure You Want To Close The Calendar?"));
        cal.confirm_Calendar_Key(vbKey::Space);
        EXPECT_TRUE(ins.isEnabled());
        EXPECT_TRUE(ins.requestClose());
    }
}

TEST(InsuranceNotices, APolicyTickedNowIsAnnouncedAtTheNextStart)
{
    {
        TestProgram t;
        laterRun(t);
        startUp(t);
        t->frmMain().cmdPersonal->press();
        t->frmGenInfo().cmdInsInfo->press();
        screens::frmInsInfo& ins = t->frmInsInfo();
        ins.picDate_Click();
        t->frmCalendar().presetDate(QDate(2026, 6, 25));
        t->frmCalendar().calDate_Click();
        QTest::mouseClick(ins.chkNotify, Qt::LeftButton, {}, QPoint(6, ins.chkNotify->height() / 2));
        t.msgs->expect(vbOK, kUpdated);
        ins.cmdUpdate->press();
        EXPECT_TRUE(t->frmGenInfo().isVisible());

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
        again.clock().setToday(QDate(2026, 6, 15));
        next->expect(vbOK, QStringLiteral("Your Insurance Policy Expires In 10 Days!"));
        again.frmBC_Splash().tmrLoad_Timer();
        EXPECT_EQ(next->shown.size(), 1u);
        EXPECT_EQ(next->shown.at(0).style, 64);
        EXPECT_TRUE(again.frmMain().isVisible());
    }
}

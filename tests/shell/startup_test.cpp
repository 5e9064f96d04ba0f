// The start-up road: splash, single-copy rule, opening the tables, the policy notices, the
// first-run introduction and the keyboard picture.
#include "shell_test_support.h"

#include "owner/frmGenInfo.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"
#include "shell/frmHeader.h"
#include "shell/frmIntroduction.h"
#include "shell/frmKeyboard.h"
#include "shell/frmMain.h"
#include "shell/frmExit.h"

#include <QDir>
#include <QTest>
#include <QFileInfo>
#include <sqlite3.h>

using namespace tlm;
using namespace tlm::test;
using namespace tlm::screens;

namespace {

const QString kUnableToLoad = QStringLiteral("Unable To Load Database...Closing Program!");
const QString kAlreadyRunning = QStringLiteral("Tallowmere Is Already Running!");
const QString kExpired = QStringLiteral(
    "Your Insurance Policy Has Expired...Please Renew Your Insurance Policy So You Can Ensure Coverage In The Event "
    "Of Theft Or Disaster!");

// Today is 6/15/2026 in every test.
QString daysFromToday(int days) { return DateText(QDate(2026, 6, 15).addDays(days)); }

// Another run of the program over the same data folder.
std::unique_ptr<Program> programOver(const Paths& paths, ScriptedMessageBoxes*& msgs)
{
    Program::Services services;
    auto m = std::make_unique<ScriptedMessageBoxes>();
    msgs = m.get();
    services.messages = std::move(m);
    services.processes = std::make_unique<FakeProcesses>();
    services.help = std::make_unique<RecordingHelp>();
    auto p = std::make_unique<Program>(paths, std::move(services));
    p->clock().setToday(QDate(2026, 6, 15));
    return p;
}

void expectMainMenuOnly(TestProgram& t)
{
    EXPECT_FALSE(t->hasEnded());
    EXPECT_TRUE(t->frmMain().isVisible());
    EXPECT_FALSE(t->frmHeader().isVisible());
    EXPECT_FALSE(t->frmBC_Splash().isVisible());
    EXPECT_FALSE(t->frmIntroduction().isVisible());
    EXPECT_TRUE(t.msgs->allAnswered());
}

} // namespace

TEST(StartupSplash, ShowsItsCaptionAndPictureThenHandsOverAfterTwoSeconds)
{
    TestProgram t;
    frmBC_Splash& splash = t->frmBC_Splash();
    EXPECT_EQ(splash.Caption(), QStringLiteral(" Tallowmere By Brindlecote Software"));
    ASSERT_NE(splash.Picture1, nullptr);
    EXPECT_FALSE(splash.Picture1->pixmap().isNull());
    EXPECT_EQ(splash.tmrLoad->Interval(), 2000);
    EXPECT_TRUE(splash.tmrLoad->Enabled()) << "the load starts the timer";

    splash.Show();
    splash.tmrLoad_Timer(); // a first run: no message, the introduction comes
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.tmrLoad->Enabled());
    EXPECT_FALSE(t->frmHeader().isVisible());
    EXPECT_TRUE(t->frmIntroduction().isVisible());
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST(StartupLoad, OpensTheSevenTablesInOrderAndSetsTheReportCaptions)
{
    TestProgram t;
    QStringList events;
    t->Data1().Home.onEvent = [&](const QString& e) { events << e; };
    startUp(t);
    EXPECT_EQ(events, QStringList({"open Personal_Info", "open Bank_Info", "open Indoor_Items", "open Mobile_Items",
                                   "open Inventory", "open Outdoor_Items", "open Print"}));
    EXPECT_EQ(t->frmHeader().keyboardFlag, 1);
    EXPECT_EQ(t->frmHeader().newFlagChk, QStringLiteral("1"));
    EXPECT_EQ(t->AssetReport().Caption(), QStringLiteral("Asset Report - Tallowmere by Brindlecote Software"));
    EXPECT_EQ(t->CoverSheet().Caption(), QStringLiteral("Cover Sheet - Tallowmere by Brindlecote Software"));
    EXPECT_EQ(t->FillOutForm().Caption(),
              QStringLiteral("Asset Information Form - Tallowmere by Brindlecote Software"));
    EXPECT_TRUE(QFileInfo::exists(t->paths().databaseFile())) << "the delivered database is created on a first start";
}

TEST(StartupRouting, FirstRunShowsTheIntroductionAndNoNoticeEvenWithNotifyOn)
{
    TestProgram t;
    prepareDatabase(t, [](DataEnvironment& data) {
        Recordset& g = data.general();
        g.setField(fld::PersonalInfo::Notify, stored::Yes);
        g.setField(fld::PersonalInfo::PolicyExpiration, daysFromToday(-10));
        g.Update();
    });
    startUp(t);
    EXPECT_TRUE(t->frmIntroduction().isVisible());
    EXPECT_FALSE(t->frmMain().isVisible());
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST(StartupRouting, LaterRunWithNotifyOffShowsTheMainMenuWhateverTheDate)
{
    TestProgram t;
    laterRun(t, stored::No, daysFromToday(-3));
    startUp(t);
    expectMainMenuOnly(t);
    EXPECT_TRUE(t.msgs->shown.empty());
}

struct NoticeCase {
    int days;
    const char* message; // nullptr: no notice
};

void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.days << " days"; }

std::string daysName(const ::testing::TestParamInfo<NoticeCase>& info)
{
    const int d = info.param.days;
    return d < 0 ? "Past" + std::to_string(-d) : "In" + std::to_string(d);
}

class StartupNotices : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(StartupNotices, ShowsTheNoticeForTheDaysLeftThenTheMainMenu)
{
    const NoticeCase c = GetParam();
    TestProgram t;
    laterRun(t, stored::Yes, daysFromToday(c.days));
    if (c.message)
        t.msgs->expect(vbOK, QString::fromUtf8(c.message));
    startUp(t);
    expectMainMenuOnly(t);
    if (c.message) {
        ASSERT_EQ(t.msgs->shown.size(), 1u);
        EXPECT_EQ(t.msgs->shown[0].style, 64);
        EXPECT_EQ(t.msgs->shown[0].title, QStringLiteral(" Tallowmere by Brindlecote Software"));
    } else {
        EXPECT_TRUE(t.msgs->shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Startup, StartupNotices,
    ::testing::Values(NoticeCase{-1, "Your Insurance Policy Has Expired...Please Renew Your Insurance Policy So You Can "
                                     "Ensure Coverage In The Event Of Theft Or Disaster!"},
                      NoticeCase{0, "    Your Insurance Policy Expires Today! "},
                      NoticeCase{1, "   Your Insurance Policy Expires In 1 Day!"},
                      NoticeCase{2, "Your Insurance Policy Expires In 2 Days!"},
                      NoticeCase{15, "Your Insurance Policy Expires In 15 Days!"},
                      NoticeCase{30, "Your Insurance Policy Expires In 30 Days!"}, NoticeCase{31, nullptr},
                      NoticeCase{400, nullptr}, NoticeCase{-3650, "Your Insurance Policy Has Expired...Please Renew "
                                                                  "Your Insurance Policy So You Can Ensure Coverage In "
                                                                  "The Event Of Theft Or Disaster!"}),
    daysName);

TEST(StartupNoticeRules, NotifyCountsInAnyLetterCase)
{
    for (const QString& notify : {QStringLiteral("yes"), QStringLiteral("YES"), QStringLiteral("yEs")}) {
        TestProgram t;
        laterRun(t, notify, daysFromToday(0));
        t.msgs->expect(vbOK, QStringLiteral("    Your Insurance Policy Expires Today! "));
        startUp(t);
        expectMainMenuOnly(t);
        EXPECT_EQ(t.msgs->shown.size(), 1u) << notify.toStdString();
    }
}

TEST(StartupNoticeRules, AnythingButYesShowsNoNotice)
{
    for (const QString& notify : {QStringLiteral("No"), QStringLiteral("None"), QStringLiteral("Yes ")}) {
        TestProgram t;
        laterRun(t, notify, daysFromToday(0));
        startUp(t);
        expectMainMenuOnly(t);
        EXPECT_TRUE(t.msgs->shown.empty()) << notify.toStdString();
    }
}

TEST(StartupNoticeRules, APolicyDateThatIsNoDateGivesNoNoticeAndTheMainMenu)
{
    for (const QString& text : {QStringLiteral("None"), QStringLiteral(""), QStringLiteral("13/45/2026"),
                                QStringLiteral("soon")}) {
        TestProgram t;
        laterRun(t, stored::Yes, text);
        startUp(t);
        expectMainMenuOnly(t);
        EXPECT_TRUE(t.msgs->shown.empty()) << text.toStdString();
    }
}

TEST(StartupNoticeRules, DatesFurtherThanThirtyTwoThousandDaysAwayAreCountedInFull)
{
    {
        TestProgram t; // 63,000 days ahead: nothing to warn about
        laterRun(t, stored::Yes, QStringLiteral("1/1/2199"));
        startUp(t);
        expectMainMenuOnly(t);
        EXPECT_TRUE(t.msgs->shown.empty());
    }
    {
        TestProgram t; // 45,000 days behind: expired
        laterRun(t, stored::Yes, QStringLiteral("1/1/1903"));
        t.msgs->expect(vbOK, kExpired);
        startUp(t);
        expectMainMenuOnly(t);
    }
}

TEST(StartupSingleCopy, TwoProcessNamesHoldingTheNameEndTheProgramBeforeTheDatabaseOpens)
{
    TestProgram t;
    t.processes->list = {QStringLiteral("systemd"), QStringLiteral("Tallowmere"), QStringLiteral("TallowmereHelper")};
    t.msgs->expect(vbOK, kAlreadyRunning);
    startUp(t);
    ASSERT_EQ(t.msgs->shown.size(), 1u);
    EXPECT_EQ(t.msgs->shown[0].style, 48);
    EXPECT_TRUE(t->hasEnded());
    EXPECT_FALSE(t->Data1().rsGeneral.isOpen());
    EXPECT_FALSE(QFileInfo::exists(t->paths().databaseFile())) << "the database is never touched";
    EXPECT_FALSE(t->frmMain().isVisible());
    EXPECT_FALSE(t->frmIntroduction().isVisible());
}

TEST(StartupSingleCopy, NamesAreComparedWithTheirLetterCase)
{
    TestProgram t;
    t.processes->list = {QStringLiteral("Tallowmere"), QStringLiteral("tallowmere"), QStringLiteral("TALLOWMERE")};
    startUp(t);
    EXPECT_FALSE(t->hasEnded());
    EXPECT_TRUE(t->frmIntroduction().isVisible());
}

TEST(StartupSingleCopy, ACopyThatHoldsTheDatabaseFolderUnderAnotherNameIsRefusedToo)
{
    TestProgram t;
    // Another copy over the same data, running under a name the process rule cannot see.
    ScriptedMessageBoxes* otherMsgs = nullptr;
    auto other = programOver(t->paths(), otherMsgs);
    ASSERT_TRUE(other->lockDatabaseFolder());

    t.msgs->expect(vbOK, kAlreadyRunning);
    startUp(t);
    EXPECT_TRUE(t->hasEnded());
    EXPECT_FALSE(t->Data1().rsGeneral.isOpen());
    EXPECT_EQ(t.msgs->shown.at(0).style, 48);

    // Once the other copy has ended, a new start goes on.
    other.reset();
    ScriptedMessageBoxes* msgs = nullptr;
    auto again = programOver(t->paths(), msgs);
    again->frmBC_Splash().tmrLoad_Timer();
    EXPECT_FALSE(again->hasEnded());
    EXPECT_TRUE(again->frmIntroduction().isVisible());
    EXPECT_TRUE(msgs->shown.empty());
}

// The lock is taken on the database folder itself: no file of its own is made, so a leftover
// file (or a folder where none can be made) cannot change whether the program starts.
TEST(StartupSingleCopy, TheLockLeavesNoFileBehind)
{
    for (bool leftover : {false, true}) {
        TestProgram t;
        QDir().mkpath(t->paths().databaseFolder());
        if (leftover) {
            QFile old(t->paths().programFolder() + QStringLiteral("/.lock"));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        }
        startUp(t);
        EXPECT_TRUE(t->frmIntroduction().isVisible()) << leftover;
        const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        EXPECT_EQ(QDir(t->paths().programFolder()).entryList(all),
                  leftover ? QStringList({".lock", "C_DB"}) : QStringList({"C_DB"}));
        EXPECT_EQ(QDir(t->paths().databaseFolder()).entryList(all), QStringList({"TLM.db"}));
    }
}

// Read-only data is told once, at the start, and the first-run road still goes on when the
// introduction cannot be stored; the exit then claims no saved changes.
TEST(StartupReadOnly, SaysSoOnceAndTheIntroductionStillLeadsOn)
{
    TestProgram t;
    prepareDatabase(t, [](DataEnvironment&) {});
    t->Data1().Home.openReadOnly = true;
    t.msgs->expect(vbOK, QStringLiteral("Your Changes Cannot Be Saved Because The Database Could Only Be Opened For Reading (")
                             + t->paths().databaseFile()
                             + QStringLiteral(")...You Can Look Through Your Inventory, But Nothing You Change Will Be Kept!"));
    startUp(t);
    ASSERT_EQ(t.msgs->shown.size(), 1u);
    EXPECT_EQ(t.msgs->shown[0].style, 48);
    ASSERT_TRUE(t->frmIntroduction().isVisible());

    t.msgs->expect(vbOK, QStringLiteral("Your Start Could Not Be Saved, So This Introduction Will Be Shown Again The "
                                        "Next Time You Start Tallowmere!"));
    t->frmIntroduction().cmdOK->press();
    EXPECT_EQ(t.msgs->shown.at(1).style, 48);
    EXPECT_FALSE(t->frmIntroduction().isVisible());
    EXPECT_TRUE(t->frmKeyboard().isVisible());
    EXPECT_EQ(t->frmHeader().keyboardFlag, 3);
    EXPECT_FALSE(t->Data1().rsGeneral.editPending());

    {
        QFile blocker(t->paths().backupFolder());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    t.msgs->expect(vbYes, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    t.msgs->expect(vbOK);
    t->frmKeyboard().Hide();
    t->frmMain().Show();
    t->frmMain().cmdLeave->press();
    ASSERT_EQ(t.msgs->shown.size(), 4u);
    EXPECT_FALSE(t.msgs->shown[3].text.contains(QStringLiteral("Your Changes Have Been Saved")));
    EXPECT_TRUE(t->frmExit().isVisible());

    t->unlockDatabaseFolder();
    ScriptedMessageBoxes* msgs = nullptr;
    auto next = programOver(t->paths(), msgs);
    next->frmBC_Splash().tmrLoad_Timer();
    EXPECT_TRUE(next->frmIntroduction().isVisible()) << "nothing was stored";
}

TEST(StartupFailure, AFileThatIsNoDatabaseEndsTheProgramAndIsLeftAsItWas)
{
    TestProgram t;
    QDir().mkpath(t->paths().databaseFolder());
    const QByteArray junk("these are not the tables you are looking for\n");
    {
        QFile f(t->paths().databaseFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(junk.repeated(200));
    }
    t.msgs->expect(vbOK, kUnableToLoad);
    startUp(t);
    ASSERT_EQ(t.msgs->shown.size(), 1u);
    EXPECT_EQ(t.msgs->shown[0].style, 16);
    EXPECT_TRUE(t->hasEnded());
    EXPECT_NE(t->exitCode(), 0);
    EXPECT_EQ(fileBytes(t->paths().databaseFile()), junk.repeated(200));
    EXPECT_FALSE(QFileInfo::exists(t->paths().backupFolder())) << "no shut-down, no backup";
    EXPECT_FALSE(t->frmMain().isVisible());
    EXPECT_FALSE(t->frmIntroduction().isVisible());
}

TEST(StartupFailure, AMissingTableEndsTheProgramWithTheSameMessage)
{
    TestProgram t;
    prepareDatabase(t, [](DataEnvironment&) {});
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(t->paths().databaseFile()).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DROP TABLE \"Print\"", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    t.msgs->expect(vbOK, kUnableToLoad);
    startUp(t);
    EXPECT_TRUE(t->hasEnded());
    EXPECT_FALSE(t->frmMain().isVisible());
}

TEST(StartupRepair, APersonalInfoTableWithoutItsRowGetsTheDeliveredRowAndTheIntroduction)
{
    TestProgram t;
    prepareDatabase(t, [](DataEnvironment& data) {
        addAsset(data.rsInventory, stored::Indoor, QStringLiteral("$125.00"));
        addAsset(data.rsInventory, stored::Mobile, QStringLiteral("$1,000.50"));
        addAsset(data.rsInventory, stored::Mobile, QStringLiteral("no amount"));
        data.rsGeneral.MoveFirst();
        data.rsGeneral.Delete();
    });
    startUp(t);
    EXPECT_FALSE(t->hasEnded());
    EXPECT_TRUE(t.msgs->shown.empty());
    EXPECT_TRUE(t->frmIntroduction().isVisible());

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(t->paths().databaseFile()).constData(), &db), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db,
                                 "SELECT count(*), \"Last\", \"Home Phone1\", \"Cell  Phone3\", EMail, IntroDone, "
                                 "\"Policy Expiration\", Notify, WarrantyCheck, ClearCheck, AssetValue FROM Personal_Info",
                                 -1, &st, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    QStringList row;
    for (int i = 0; i < sqlite3_column_count(st); ++i)
        row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    EXPECT_EQ(row, QStringList({"1", "None", "---", "----", "None", "0", "None", "No", "Unchecked", "Checked", "1125.5"}))
        << "the delivered row, with the total of the assets on file";
}

TEST(StartupFirstRun, OkStoresTheIntroductionBeforeTheKeyboardPictureAndShutsTheWayBack)
{
    TestProgram t;
    startUp(t);
    frmIntroduction& intro = t->frmIntroduction();
    EXPECT_EQ(intro.cmdOK->Caption(), QStringLiteral("&OK, Let's Begin!"));
    EXPECT_EQ(intro.cmdOK->ToolTipText(), QStringLiteral(" Click Here To Continue When You Are Ready "));
    QStringList texts;
    for (Label* l : intro.lblIntro)
        texts << l->Caption();
    EXPECT_EQ(texts, QStringList({"Thank You For Choosing", "Tallowmere", "Before we begin, let's take some time",
                                  "to get some personal information", "that will be used later!"}));
    EXPECT_EQ(intro.lblHelp->Caption(), QStringLiteral("Press F1 For Help"));

    intro.cmdOK->press();
    EXPECT_FALSE(intro.isVisible());
    EXPECT_TRUE(t->frmKeyboard().isVisible());
    EXPECT_FALSE(t->frmGenInfo().cmdBack[0]->isEnabled());
    EXPECT_EQ(t->frmHeader().keyboardFlag, 3);
    // Stored at once: another connection to the file sees it.
    DataEnvironment reader(t->paths().databaseFile());
    reader.openAll();
    EXPECT_EQ(reader.general().text(fld::PersonalInfo::IntroDone), QStringLiteral("1"));
}

TEST(StartupFirstRun, TheKeyboardPictureLeadsToTheOwnerScreen)
{
    TestProgram t;
    startUp(t);
    t->frmIntroduction().cmdOK->press();
    frmKeyboard& keyboard = t->frmKeyboard();
    EXPECT_EQ(keyboard.cmdUpdate->ToolTipText(), QStringLiteral(" Click Here To Continue "));
    EXPECT_FALSE(keyboard.Picture1->pixmap().isNull());
    keyboard.cmdUpdate->press();
    EXPECT_FALSE(keyboard.isVisible());
    EXPECT_TRUE(t->frmGenInfo().isVisible());
    EXPECT_FALSE(t->frmMain().isVisible());
}

TEST(StartupFirstRun, TheKeyboardPictureLeadsToTheMainMenuForAnyOtherFlag)
{
    TestProgram t;
    startUp(t);
    t->frmIntroduction().cmdOK->press();
    for (qint16 flag : {qint16(17), qint16(1), qint16(0)}) {
        t->frmHeader().keyboardFlag = flag;
        t->frmMain().Hide();
        t->frmKeyboard().Show();
        t->frmKeyboard().cmdUpdate->press();
        EXPECT_TRUE(t->frmMain().isVisible()) << flag;
        EXPECT_FALSE(t->frmKeyboard().isVisible());
    }
}

TEST(StartupFirstRun, TheIntroductionLeavesAnOwnerScreenFlagAlone)
{
    TestProgram t;
    startUp(t);
    t->frmHeader().keyboardFlag = 17;
    t->frmIntroduction().cmdOK->press();
    EXPECT_EQ(t->frmHeader().keyboardFlag, 17);
    t->frmKeyboard().cmdUpdate->press();
    EXPECT_TRUE(t->frmMain().isVisible());
}

TEST(StartupFirstRun, TheKeyboardPicturesCloseBoxContinuesTheRoad)
{
    TestProgram t;
    startUp(t);
    t->frmIntroduction().cmdOK->press();
    EXPECT_FALSE(t->frmKeyboard().requestClose()) << "the picture stays loaded";
    EXPECT_FALSE(t->frmKeyboard().isVisible());
    EXPECT_TRUE(t->frmGenInfo().isVisible());
}

TEST(StartupFirstRun, TheIntroductionsCloseBoxAsksBeforeTheProgramCloses)
{
    TestProgram t;
    startUp(t);
    frmIntroduction& intro = t->frmIntroduction();
    t.msgs->expect(vbNo, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    EXPECT_FALSE(intro.requestClose());
    EXPECT_TRUE(intro.isVisible());
    EXPECT_EQ(t.msgs->shown.at(0).style, 36);

    t.msgs->expect(vbYes, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    EXPECT_FALSE(intro.requestClose());
    EXPECT_FALSE(intro.isVisible());
    EXPECT_TRUE(t->frmExit().isVisible());
}

TEST(StartupFirstRun, TheNextStartTakesTheNoticesRoad)
{
    TestProgram t;
    startUp(t);
    t->frmIntroduction().cmdOK->press();
    // The first copy goes away without its shut-down (as when the machine is switched off).
    t->Data1().closeAll();
    t->unlockDatabaseFolder();

    ScriptedMessageBoxes* msgs = nullptr;
    auto second = programOver(t->paths(), msgs);
    second->frmBC_Splash().tmrLoad_Timer();
    EXPECT_TRUE(second->frmMain().isVisible());
    EXPECT_FALSE(second->frmIntroduction().isVisible());
    EXPECT_TRUE(msgs->shown.empty());
}

TEST(StartupFirstRun, F1OnTheIntroductionAndTheKeyboardPictureOpensTheirTopics)
{
    TestProgram t;
    startUp(t);
    frmIntroduction& intro = t->frmIntroduction();
    intro.cmdOK->SetFocus();
    QTest::keyClick(intro.cmdOK, Qt::Key_F1);
    EXPECT_EQ(t.help->topics, std::vector<int>({1001}));
    intro.cmdOK->press();
    frmKeyboard& keyboard = t->frmKeyboard();
    keyboard.cmdUpdate->SetFocus();
    QTest::keyClick(keyboard.cmdUpdate, Qt::Key_F1);
    EXPECT_EQ(t.help->topics, std::vector<int>({1001, 2001}));
}

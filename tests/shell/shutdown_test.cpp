// The shut-down road: purge of emptied lookup rows, closing order, backup, goodbye.
#include "shell_test_support.h"

#include "shell/frmExit.h"
#include "shell/frmIntroduction.h"
#include "shell/frmMain.h"
#include "shell/frmProgress.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

using namespace tlm;
using namespace tlm::test;
using namespace tlm::screens;

namespace {

const QString kCloseQuestion = QStringLiteral("Are You Sure You Want To Close Tallowmere?");

QString backupFailure(const QString& folder)
{
    return QStringLiteral("Your Changes Have Been Saved, But The Backup Copy Could Not Be Made In ") + folder
           + QStringLiteral("...Please Make Sure This Folder Can Be Created And Written To!");
}

// The rows of one lookup table as "location|category|item|marker", read from the file.
QStringList rowsOf(const QString& databaseFile, Recordset DataEnvironment::*table)
{
    DataEnvironment data(databaseFile);
    data.openAll();
    Recordset& rs = data.*table;
    QStringList rows;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
        rows << QStringList({rs.text(0), rs.text(1), rs.text(2), rs.text(3)}).join(u'|');
    data.closeAll();
    return rows;
}

class ShutdownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        laterRun(t);
        startUp(t);
        ASSERT_TRUE(t->frmMain().isVisible());
    }
    // The main menu's Exit, answered Yes.
    void closeProgram()
    {
        t.msgs->expect(vbYes, kCloseQuestion);
        t->frmMain().cmdLeave->press();
    }
    QString backupFile() { return t->paths().backupFolder() + QStringLiteral("/TLM.db"); }
    TestProgram t;
};

} // namespace

TEST_F(ShutdownTest, AWriteThatFailsDoesNotStopTheShutDown)
{
    DataEnvironment& data = t->Data1();
    addLookupRow(data.rsIndoor, "0", "0", "0", "0");
    data.Home.failWrite = [] { return true; }; // the disk is full from here on

    closeProgram();
    EXPECT_TRUE(t->frmExit().isVisible());
    EXPECT_FALSE(data.Home.isOpen());
    EXPECT_FALSE(data.rsInventory.isOpen());
    EXPECT_TRUE(QFileInfo::exists(backupFile()));
    // The emptied row could not be purged; it is still there for the next exit.
    EXPECT_TRUE(rowsOf(t->paths().databaseFile(), &DataEnvironment::rsIndoor).contains(QStringLiteral("0|0|0|0")));
}

TEST_F(ShutdownTest, RowsThatNameNothingAreRemovedAndEveryOtherRowStays)
{
    DataEnvironment& data = t->Data1();
    const QStringList indoorBefore = rowsOf(t->paths().databaseFile(), &DataEnvironment::rsIndoor);
    addLookupRow(data.rsIndoor, "0", "0", "0", "0");                                // emptied location
    addLookupRow(data.rsIndoor, "0", "Hobbies", "Easel", "0");                      // a category row stays
    addLookupRow(data.rsIndoor, Value::number(0), Value::number(0), "0", Value::number(0)); // numbers count as "0"
    addLookupRow(data.rsIndoor, "0", "0", "0", "0");                                // two in a row
    addLookupRow(data.rsOutdoor, "0", "0", "0", Value::number(1));                  // built in: stays
    addLookupRow(data.rsOutdoor, "Shed", "0", "0", "0");
    addLookupRow(data.rsOutdoor, "0", "0", "0", "0");                               // the last row
    addLookupRow(data.rsMobile, "0", "0", "0", "0");
    addLookupRow(data.rsMobile, "0", "0", "Kayak", "0");

    // The whole tidy-up is one commit, however many rows go.
    int commits = 0;
    sqlite3_commit_hook(data.Home.handle(), [](void* n) { return ++*static_cast<int*>(n), 0; }, &commits);
    closeProgram();
    EXPECT_EQ(commits, 1);
    ASSERT_TRUE(t->frmExit().isVisible());

    EXPECT_EQ(rowsOf(t->paths().databaseFile(), &DataEnvironment::rsIndoor),
              indoorBefore + QStringList({"0|Hobbies|Easel|0"}));
    const QStringList outdoor = rowsOf(t->paths().databaseFile(), &DataEnvironment::rsOutdoor);
    EXPECT_EQ(outdoor.mid(outdoor.size() - 2), QStringList({"0|0|0|1", "Shed|0|0|0"}));
    EXPECT_EQ(outdoor.count(QStringLiteral("0|0|0|0")), 0);
    const QStringList mobile = rowsOf(t->paths().databaseFile(), &DataEnvironment::rsMobile);
    EXPECT_EQ(mobile.last(), QStringLiteral("0|0|Kayak|0"));
    EXPECT_EQ(mobile.count(QStringLiteral("0|0|0|0")), 0);
    EXPECT_TRUE(t.msgs->allAnswered());
}

TEST_F(ShutdownTest, TheTablesCloseInTheExitOrderAndTheBackupFolderIsMadeAfterwards)
{
    QStringList events;
    bool backupBeforeClosing = false;
    t->Data1().Home.onEvent = [&](const QString& e) {
        events << e;
        backupBeforeClosing = backupBeforeClosing || QFileInfo::exists(t->paths().backupFolder());
    };
    ASSERT_FALSE(QFileInfo::exists(t->paths().backupFolder()));
    closeProgram();
    EXPECT_EQ(events, QStringList({"close Bank_Info", "close Personal_Info", "close Print", "close Mobile_Items",
                                   "close Indoor_Items", "close Outdoor_Items", "close Inventory"}));
    EXPECT_FALSE(backupBeforeClosing);
    EXPECT_FALSE(t->Data1().Home.isOpen());
    EXPECT_TRUE(QFileInfo(t->paths().backupFolder()).isDir());
}

TEST_F(ShutdownTest, TheBackupHoldsTheClosedDatabaseDirectlyInTheBackupFolder)
{
    addAsset(t->Data1().rsInventory, stored::Indoor, QStringLiteral("$42.00"));
    closeProgram();
    ASSERT_TRUE(QFileInfo::exists(backupFile()));
    EXPECT_EQ(fileBytes(backupFile()), fileBytes(t->paths().databaseFile()));
    EXPECT_FALSE(QFileInfo::exists(t->paths().backupFolder() + QStringLiteral("/C_DB")));
    // The copy is a whole database with the last change in it.
    DataEnvironment copy(backupFile());
    copy.openAll();
    EXPECT_EQ(copy.rsInventory.RecordCount(), 1);
    EXPECT_EQ(copy.rsInventory.text(fld::Inventory::Amount), QStringLiteral("$42.00"));
    EXPECT_TRUE(t.msgs->allAnswered());
    EXPECT_EQ(t.msgs->shown.size(), 1u) << "only the close question";
}

TEST_F(ShutdownTest, AnOlderBackupIsReplacedAndOtherFilesThereStay)
{
    ASSERT_TRUE(QDir().mkpath(t->paths().backupFolder()));
    for (const auto& [name, content] : {std::pair{QStringLiteral("/TLM.db"), QByteArray("an older copy")},
                                        std::pair{QStringLiteral("/notes.txt"), QByteArray("keep me")}}) {
        QFile f(t->paths().backupFolder() + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    closeProgram();
    EXPECT_EQ(fileBytes(backupFile()), fileBytes(t->paths().databaseFile()));
    EXPECT_EQ(fileBytes(t->paths().backupFolder() + QStringLiteral("/notes.txt")), QByteArray("keep me"));
}

TEST_F(ShutdownTest, ABackupFolderThatCannotBeMadeIsToldAndTheGoodbyeFollows)
{
    {
        QFile blocker(t->paths().backupFolder()); // a file where the folder should be
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
    }
    t.msgs->expect(vbYes, kCloseQuestion);
    t.msgs->expect(vbOK, backupFailure(t->paths().backupFolder()));
    t->frmMain().cmdLeave->press();
    ASSERT_EQ(t.msgs->shown.size(), 2u);
    EXPECT_EQ(t.msgs->shown[1].style, 48);
    EXPECT_FALSE(t->Data1().Home.isOpen()) << "the data was saved and closed before";
    EXPECT_TRUE(t->frmExit().isVisible());
    EXPECT_FALSE(t->frmProgress().isVisible());
    EXPECT_EQ(fileBytes(t->paths().backupFolder()), QByteArray("not a folder"));
}

TEST_F(ShutdownTest, ACopyThatFailsIsToldAndNoBackupIsClaimed)
{
    // A folder in the way of the database file's copy: the copy cannot land.
    ASSERT_TRUE(QDir().mkpath(backupFile()));
    t.msgs->expect(vbYes, kCloseQuestion);
    t.msgs->expect(vbOK, backupFailure(t->paths().backupFolder()));
    t->frmMain().cmdLeave->press();
    EXPECT_TRUE(t.msgs->allAnswered());
    EXPECT_EQ(t.msgs->shown.size(), 2u);
    EXPECT_TRUE(QFileInfo(backupFile()).isDir());
    EXPECT_TRUE(t->frmExit().isVisible());
}

TEST_F(ShutdownTest, ARunWhoseWritesWereRefusedDoesNotClaimItsChangesSaved)
{
    DataEnvironment& data = t->Data1();
    data.Home.failWrite = [] { return true; };
    EXPECT_THROW(addAsset(data.rsInventory, stored::Indoor, QStringLiteral("$5.00")), DatabaseError);
    data.rsInventory.CancelUpdate();
    data.Home.failWrite = nullptr;
    {
        QFile blocker(t->paths().backupFolder());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    t.msgs->expect(vbYes, kCloseQuestion);
    t.msgs->expect(vbOK, QStringLiteral("Some Changes Could Not Be Saved, And The Backup Copy Could Not Be Made In ")
                             + t->paths().backupFolder()
                             + QStringLiteral("...Please Make Sure This Folder Can Be Created And Written To!"));
    t->frmMain().cmdLeave->press();
    EXPECT_EQ(t.msgs->shown.at(1).style, 48);
    EXPECT_TRUE(t->frmExit().isVisible());
}

// A file whose free-page list is damaged still reads, but it never replaces the last good copy.
TEST_F(ShutdownTest, ADamagedDatabaseLeavesTheLastBackupAlone)
{
    DataEnvironment& data = t->Data1();
    for (int i = 0; i < 50; ++i) {
        data.rsPrint.AddNew();
        data.rsPrint.setField(fld::Print::Description, QString(2000, u'x'));
        data.rsPrint.Update();
    }
    data.rsPrint.DeleteAll(); // its pages go to the free list
    {
        QFile db(t->paths().databaseFile());
        ASSERT_TRUE(db.open(QIODevice::ReadWrite));
        QByteArray header = db.read(100);
        ASSERT_GT(header[39], 0) << "free pages";
        header[39] = char(header[39] + 5); // the free-page count in the header
        db.seek(0);
        db.write(header);
    }
    ASSERT_TRUE(QDir().mkpath(t->paths().backupFolder()));
    {
        QFile old(backupFile());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the last good copy");
    }
    t.msgs->expect(vbYes, kCloseQuestion);
    t.msgs->expect(vbOK, QStringLiteral("Your Database Did Not Pass Its Check, So It Was Not Copied Into ")
                             + t->paths().backupFolder() + QStringLiteral("...Any Earlier Backup Copy There Has Been Kept!"));
    t->frmMain().cmdLeave->press();
    EXPECT_EQ(t.msgs->shown.at(1).style, 48);
    EXPECT_EQ(fileBytes(backupFile()), QByteArray("the last good copy"));
    EXPECT_TRUE(t->frmExit().isVisible());
}

TEST_F(ShutdownTest, TheSaveRunsOncePerRun)
{
    closeProgram();
    frmProgress& progress = t->frmProgress();
    ASSERT_TRUE(progress.hasSaved());
    const QByteArray backup = fileBytes(backupFile());
    QFile::remove(backupFile());

    // Shown again (a late close request): no second save on closed tables, no second copy.
    progress.Show();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(t->frmExit().isVisible());
    progress.save_Database_Changes();
    EXPECT_FALSE(QFileInfo::exists(backupFile()));
    EXPECT_EQ(t.msgs->shown.size(), 1u);
    EXPECT_FALSE(backup.isEmpty());
}

TEST_F(ShutdownTest, TheProgressBarWalksEachTableAndAcceptsAnEmptyOne)
{
    DataEnvironment& data = t->Data1();
    // Mobile is the last table walked; emptied, the bar must still cope.
    for (data.rsMobile.MoveFirst(); !data.rsMobile.isEOF(); data.rsMobile.MoveNext()) {
        data.rsMobile.Delete();
        data.rsMobile.Update();
    }
    ASSERT_EQ(data.rsMobile.RecordCount(), 0);
    closeProgram();
    frmProgress& progress = t->frmProgress();
    EXPECT_EQ(progress.pbSave->Min(), 0);
    EXPECT_EQ(progress.pbSave->Max(), 0);
    EXPECT_EQ(progress.pbSave->Value(), 0);
    EXPECT_EQ(progress.lblWait->Caption(), QStringLiteral("Please Wait..."));
    EXPECT_EQ(progress.lblSaving->Caption(), QStringLiteral("Updating and Saving Database Changes"));
    EXPECT_TRUE(t->frmExit().isVisible());
}

TEST_F(ShutdownTest, TheGoodbyeScreensTimerEndsTheProgram)
{
    closeProgram();
    frmExit& bye = t->frmExit();
    EXPECT_EQ(bye.lblBye[0]->Caption(), QStringLiteral("Thank You For Choosing Tallowmere"));
    EXPECT_EQ(bye.lblBye[1]->Caption(), QStringLiteral("Have A Wonderful Day!"));
    EXPECT_FALSE(bye.imgHome->pixmap().isNull());
    EXPECT_EQ(bye.tmExit->Interval(), 1500);
    EXPECT_TRUE(bye.tmExit->Enabled());
    EXPECT_FALSE(t->hasEnded());

    EXPECT_FALSE(bye.requestClose()) << "the timer, not the close box, ends the program";
    EXPECT_FALSE(t->hasEnded());

    bye.tmExit_Timer();
    EXPECT_TRUE(t->hasEnded());
    EXPECT_EQ(t->exitCode(), 0);
    EXPECT_FALSE(bye.tmExit->Enabled());
}

TEST(ShutdownFromTheIntroduction, ReachesTheSameSaveAndGoodbye)
{
    TestProgram t;
    startUp(t);
    ASSERT_TRUE(t->frmIntroduction().isVisible());
    t.msgs->expect(vbYes, kCloseQuestion);
    t->frmIntroduction().requestClose();
    EXPECT_TRUE(t->frmProgress().hasSaved());
    EXPECT_TRUE(t->frmExit().isVisible());
    EXPECT_TRUE(QFileInfo::exists(t->paths().backupFolder() + QStringLiteral("/TLM.db")));
    EXPECT_FALSE(t->frmIntroduction().isVisible());
}

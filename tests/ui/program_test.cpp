// The program object: one instance of each screen, its own data folder, its end.
#include "shell/frmMain.h"
#include "shell/frmTotals.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace tlm;

TEST(ProgramObject, EachScreenIsCreatedOnceOnFirstUse)
{
    test::TestProgram t;
    screens::frmMain* first = &t->frmMain();
    EXPECT_EQ(&t->frmMain(), first);
    EXPECT_TRUE(first->isLoaded());
    EXPECT_EQ(first->Caption(), QStringLiteral(" Tallowmere by Brindlecote Software"));
    EXPECT_NE(static_cast<Form*>(&t->frmTotals()), static_cast<Form*>(first));
}

TEST(ProgramObject, EverythingLivesUnderItsOwnFolder)
{
    test::TestProgram t;
    EXPECT_TRUE(t->paths().databaseFile().startsWith(t.root()));
    EXPECT_TRUE(t->paths().backupFolder().startsWith(t.root()));
    EXPECT_TRUE(t->paths().databaseFile().endsWith(QStringLiteral("/C_DB/TLM.db")));
}

TEST(ProgramObject, TheEndIsReachedOnceAndSeen)
{
    test::TestProgram t;
    int calls = 0;
    t->onEnd = [&](int) { ++calls; };
    EXPECT_FALSE(t->hasEnded());
    t->End(3);
    t->End(4);
    EXPECT_TRUE(t->hasEnded());
    EXPECT_EQ(t->exitCode(), 3);
    EXPECT_EQ(calls, 1);
}

TEST(ProgramObject, TheDatabaseFolderLockRefusesASecondHolder)
{
    test::TestProgram first;
    ASSERT_TRUE(first->lockDatabaseFolder());
    Program::Services services;
    services.messages = std::make_unique<test::ScriptedMessageBoxes>();
    Program second(first->paths(), std::move(services));
    EXPECT_FALSE(second.lockDatabaseFolder());
    first->unlockDatabaseFolder();
    EXPECT_TRUE(second.lockDatabaseFolder());
}

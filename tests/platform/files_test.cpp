// The backup's file operations: a failed copy reports itself and spares the last good copy.
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tlm;

namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& rel) const { return dir.path() + u'/' + rel; }
    void write(const QString& rel, const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(path(rel)).absolutePath());
        QFile f(path(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << rel.toStdString();
        f.write(content);
    }
    QByteArray read(const QString& rel) const
    {
        QFile f(path(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList filesIn(const QString& rel) const
    {
        return QDir(path(rel)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FilesTest, CreateFolderAndFolderExists)
{
    EXPECT_FALSE(files::FolderExists(path("Backup")));
    EXPECT_TRUE(files::CreateFolder(path("Backup/deeper")).ok);
    EXPECT_TRUE(files::FolderExists(path("Backup")));
    EXPECT_TRUE(files::FolderExists(path("Backup/deeper")));
    EXPECT_TRUE(files::CreateFolder(path("Backup")).ok); // already there: fine

    write("plain", "x");
    EXPECT_FALSE(files::FolderExists(path("plain"))); // a file is no folder
    const files::Result r = files::CreateFolder(path("plain/sub"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
}

TEST_F(FilesTest, CopyFolderCopiesFlatAndReplaces)
{
    write("C_DB/TLM.db", "new database");
    write("C_DB/notes.txt", "notes");
    write("Backup/TLM.db", "old database");
    write("Backup/other.txt", "kept");

    const files::Result r = files::CopyFolder(path("C_DB"), path("Backup"));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(read("Backup/TLM.db"), "new database");
    EXPECT_EQ(read("Backup/notes.txt"), "notes");
    EXPECT_EQ(read("Backup/other.txt"), "kept");
    // straight into the target: no C_DB subfolder, no temporary left over
    EXPECT_EQ(filesIn("Backup"), QStringList({"TLM.db", "notes.txt", "other.txt"}));
    EXPECT_EQ(read("C_DB/TLM.db"), "new database"); // the source is untouched

    // A second copy replaces again, also with a shorter file.
    write("C_DB/TLM.db", "v3");
    ASSERT_TRUE(files::CopyFolder(path("C_DB"), path("Backup")).ok);
    EXPECT_EQ(read("Backup/TLM.db"), "v3");
}

TEST_F(FilesTest, CopyFolderWithoutOverwriteRefusesExistingFiles)
{
    write("C_DB/TLM.db", "new");
    write("Backup/TLM.db", "old");
    const files::Result r = files::CopyFolder(path("C_DB"), path("Backup"), false);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(read("Backup/TLM.db"), "old");
}

TEST_F(FilesTest, CopyFolderNeedsBothFolders)
{
    write("C_DB/TLM.db", "db");
    write("Backup", "a file where the folder should be");
    files::Result r = files::CopyFolder(path("C_DB"), path("Backup"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(read("Backup"), "a file where the folder should be");
    r = files::CopyFolder(path("nowhere"), path("C_DB"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(filesIn("C_DB"), QStringList({"TLM.db"}));
}

// A source file that cannot be read (here: a link to nothing, which fails for root too)
// fails the copy and leaves the previous backup of that name intact.
TEST_F(FilesTest, FailedCopyKeepsTheOldBackup)
{
    write("Backup/TLM.db", "last good backup");
    QDir().mkpath(path("C_DB"));
    ASSERT_TRUE(QFile::link(path("C_DB/gone"), path("C_DB/TLM.db")));
    const files::Result r = files::CopyFolder(path("C_DB"), path("Backup"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("TLM.db"))) << r.error.toStdString();
    EXPECT_EQ(read("Backup/TLM.db"), "last good backup");
    EXPECT_EQ(filesIn("Backup"), QStringList({"TLM.db"}));
}

// The target cannot take the new copy (its temporary name is taken by a folder): same outcome.
TEST_F(FilesTest, FailedWriteKeepsTheOldBackup)
{
    write("C_DB/TLM.db", "new");
    write("Backup/TLM.db", "last good backup");
    QDir().mkpath(path("Backup/TLM.db.partial/x"));
    const files::Result r = files::CopyFolder(path("C_DB"), path("Backup"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(read("Backup/TLM.db"), "last good backup");
}

TEST_F(FilesTest, UnreadableSourceKeepsTheOldBackup)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which reads any file; FailedCopyKeepsTheOldBackup covers the failure path";
    write("C_DB/TLM.db", "secret");
    write("Backup/TLM.db", "last good backup");
    QFile::setPermissions(path("C_DB/TLM.db"), QFileDevice::Permissions());
    const files::Result r = files::CopyFolder(path("C_DB"), path("Backup"));
    QFile::setPermissions(path("C_DB/TLM.db"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(read("Backup/TLM.db"), "last good backup");
    EXPECT_EQ(filesIn("Backup"), QStringList({"TLM.db"}));
}

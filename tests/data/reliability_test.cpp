// What happens to the file when things go wrong: a killed process, a damaged or missing
// table, a file that cannot be written, a full disk, and awkward values.
#include "support/store_test_support.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <unistd.h>

using namespace tlm;
using namespace tlm::test;
namespace inv = tlm::fld::Inventory;

namespace {

class ReliabilityTest : public StoreTest {
protected:
    // Everything a failed write must leave as it was: the rows in memory and the file.
    struct Snapshot {
        qint64 count;
        QStringList makes;
        QByteArray file;
    };
    Snapshot snapshot()
    {
        Recordset& rs = data->rsInventory;
        Snapshot s{rs.RecordCount(), walk(rs, inv::Make), fileBytes()};
        if (rs.RecordCount() > 0)
            rs.MoveFirst();
        return s;
    }
    void expectSame(const Snapshot& before, const char* when)
    {
        Recordset& rs = data->rsInventory;
        EXPECT_EQ(rs.RecordCount(), before.count) << when;
        EXPECT_EQ(walk(rs, inv::Make), before.makes) << when;
        EXPECT_EQ(fileBytes(), before.file) << when;
    }
    // Tries an edit and an add that must both fail, then checks nothing changed, also after reopening.
    template <class Error>
    void expectWritesRefused(const Snapshot& before)
    {
        Recordset& rs = data->rsInventory;
        rs.MoveFirst();
        rs.setField(inv::Make, QStringLiteral("edited"));
        EXPECT_THROW(rs.Update(), Error);
        rs.CancelUpdate();
        EXPECT_THROW(addAsset("new"), Error);
        EXPECT_EQ(rs.RecordCount(), before.count);
        rs.CancelUpdate();
        rs.MoveFirst();
        EXPECT_THROW(rs.Delete(), Error);
        EXPECT_EQ(rs.text(inv::Make), before.makes.first()); // still there and current
        expectSame(before, "after the refused writes");
    }
};

QString repeated(const QString& s, int times)
{
    QString out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

} // namespace

// (a) A process killed in the middle of its writes leaves a sound file with every reported row.
TEST_F(ReliabilityTest, KilledWriterLeavesEveryCompletedRow)
{
    data->closeAll();
    QFile::remove(dbFile()); // the writer starts from a missing file, as a first run does
    QProcess writer;
    writer.setProcessChannelMode(QProcess::SeparateChannels);
    writer.start(QStringLiteral(STORE_WRITER), {dbFile()});
    ASSERT_TRUE(writer.waitForStarted(10000)) << writer.errorString().toStdString();

    QByteArray out;
    const QDeadlineTimer deadline(60000);
    while (out.count('\n') < 30 && !deadline.hasExpired() && writer.state() == QProcess::Running) {
        if (writer.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            out += writer.readAllStandardOutput();
    }
    writer.kill(); // SIGKILL: no destructor, no flush, no close
    ASSERT_TRUE(writer.waitForFinished(10000));
    EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit) << writer.readAllStandardError().toStdString();
    out += writer.readAllStandardOutput();
    const QList<QByteArray> lines = out.trimmed().split('\n');
    ASSERT_GE(lines.size(), 30) << "the writer reported too little: " << out.constData();
    const int completed = lines.last().toInt();
    ASSERT_EQ(completed, lines.size());

    {
        RawDb raw(dbFile());
        EXPECT_EQ(raw.column("PRAGMA integrity_check"), QStringList({"ok"}));
    }
    reopen(); // rolls back a journal left behind, if any
    Recordset& rs = data->rsInventory;
    ASSERT_GE(rs.RecordCount(), completed);
    ASSERT_LE(rs.RecordCount(), completed + 1); // the one in flight, at most
    rs.MoveFirst();
    for (int i = 1; i <= rs.RecordCount(); ++i, rs.MoveNext()) {
        EXPECT_EQ(rs.text(inv::Area), QStringLiteral("row %1 field 1").arg(i));
        EXPECT_EQ(rs.text(inv::WarrantyTerms), QStringLiteral("row %1 field 27").arg(i));
        if (i <= completed)
            EXPECT_EQ(rs.text(inv::Make), QStringLiteral("updated %1").arg(i));
        else
            EXPECT_TRUE(rs.text(inv::Make) == QStringLiteral("row %1 field 6").arg(i) ||
                        rs.text(inv::Make) == QStringLiteral("updated %1").arg(i));
    }
    EXPECT_EQ(data->general().RecordCount(), 1);
}

// (b) A file that is not a database is refused and left exactly as it was.
TEST_F(ReliabilityTest, GarbageFileIsRefusedAndNeverReplaced)
{
    data->closeAll();
    data.reset();
    QByteArray garbage = "This is not a database, just some text the user saved here.\n";
    garbage = garbage.repeated(200);
    for (const QByteArray& content : {garbage, QByteArray("SQLite format 3")}) {
        {
            QFile f(dbFile());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        DataEnvironment de(dbFile());
        EXPECT_THROW(de.connect(), DatabaseError);
        EXPECT_FALSE(de.Home.isOpen());
        EXPECT_THROW(de.openAll(), DatabaseError);
        EXPECT_EQ(fileBytes(), content);
        EXPECT_EQ(QDir(dir.path() + QStringLiteral("/C_DB")).entryList(QDir::Files), QStringList({"TLM.db"}));
    }
}

// An empty file is a valid but empty SQLite database: it has none of the tables and must be refused too.
TEST_F(ReliabilityTest, EmptyFileIsRefusedAndLeftEmpty)
{
    data->closeAll();
    data.reset();
    QFile f(dbFile());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    DataEnvironment de(dbFile());
    EXPECT_THROW(de.openAll(), DatabaseError);
    de.closeAll();
    EXPECT_EQ(QFileInfo(dbFile()).size(), 0);
}

// (c) A missing or altered table is refused at start-up.
TEST_F(ReliabilityTest, MissingOrAlteredTableIsRefused)
{
    data->closeAll();
    const QByteArray pristine = fileBytes();
    struct Damage {
        const char* sql;
        const char* what;
    };
    for (const Damage& d : {Damage{"DROP TABLE Print", "missing Print"},
                            Damage{"DROP TABLE Personal_Info", "missing Personal_Info"},
                            Damage{"ALTER TABLE Bank_Info DROP COLUMN State", "Bank_Info without its last field"},
                            Damage{"ALTER TABLE Mobile_Items RENAME COLUMN Item TO Thing", "renamed field"},
                            Damage{"ALTER TABLE Inventory ADD COLUMN Extra", "an extra field"}}) {
        {
            QFile f(dbFile());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(pristine);
        }
        {
            RawDb raw(dbFile());
            ASSERT_EQ(raw.exec(d.sql), SQLITE_OK) << d.what;
        }
        DataEnvironment de(dbFile());
        EXPECT_THROW(de.openAll(), DatabaseError) << d.what;
        de.closeAll();
    }
}

// (d) A file that cannot be written: every write throws and nothing changes.
TEST_F(ReliabilityTest, ReadOnlyFileRefusesWrites)
{
    addAsset("a");
    data->closeAll();
    QFile::setPermissions(dbFile(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (::geteuid() == 0) {
        QFile::setPermissions(dbFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        GTEST_SKIP() << "running as root, which writes read-only files anyway; LockedFileRefusesWrites covers the failure path";
    }
    data = std::make_unique<DataEnvironment>(dbFile());
    data->openAll();
    EXPECT_EQ(data->Home.readOnly(), Database::ReadOnly::File);
    const Snapshot before = snapshot();
    expectWritesRefused<ReadOnlyError>(before);
}

// Data that cannot be written is known from the start, and every write is refused with its
// own error before anything is tried; the refusals are counted for the exit.
TEST_F(ReliabilityTest, ReadOnlyDataRefusesEveryWriteWithItsOwnError)
{
    addAsset("a");
    data->closeAll();
    data = std::make_unique<DataEnvironment>(dbFile());
    data->Home.openReadOnly = true;
    data->openAll();
    EXPECT_EQ(data->Home.readOnly(), Database::ReadOnly::Connection);
    EXPECT_EQ(data->Home.refusedWrites(), 0);
    const Snapshot before = snapshot();
    expectWritesRefused<ReadOnlyError>(before);
    Recordset& rs = data->rsInventory;
    EXPECT_THROW(rs.DeleteAll(), ReadOnlyError);
    EXPECT_THROW(rs.UpdateWhere(inv::Make, QStringLiteral("x"), {}), ReadOnlyError);
    EXPECT_EQ(data->Home.refusedWrites(), 5);
    {
        Transaction reading(data->Home); // a transaction that only reads still commits
        EXPECT_EQ(rs.RecordCount(), 1);
        EXPECT_NO_THROW(reading.commit());
    }
    expectSame(before, "after the refusals");
    data->closeAll();
    EXPECT_EQ(data->Home.refusedWrites(), 5) << "still known at the exit";
}

// (d) The same through a lock held by another connection, which holds for root too: SQLite
// itself refuses the write.
TEST_F(ReliabilityTest, LockedFileRefusesWrites)
{
    addAsset("a");
    addAsset("b");
    const Snapshot before = snapshot();
    {
        RawDb other(dbFile());
        ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
        expectWritesRefused<DatabaseError>(before);
        Recordset& g = data->general();
        g.setField(fld::PersonalInfo::Last, QStringLiteral("Locked"));
        EXPECT_THROW(g.Update(), DatabaseError);
        EXPECT_TRUE(g.editPending()); // the edit is not taken as done
        g.CancelUpdate();
        EXPECT_EQ(g.text(fld::PersonalInfo::Last), "None");
        other.exec("ROLLBACK");
    }
    // Once the lock is gone, writing works again.
    addAsset("c");
    reopen();
    EXPECT_EQ(data->rsInventory.RecordCount(), 3);
    EXPECT_EQ(data->general().text(fld::PersonalInfo::Last), "None");
}

// (e) A full disk: Update throws DatabaseError, nothing is taken as done.
TEST_F(ReliabilityTest, FullDiskChangesNothing)
{
    addAsset("a");
    const Snapshot before = snapshot();
    int writes = 0;
    data->Home.failWrite = [&] { return ++writes > 0; };
    expectWritesRefused<DatabaseError>(before);
    EXPECT_GT(writes, 0);

    // A transaction whose commit meets the full disk is rolled back as a whole.
    data->Home.failWrite = nullptr;
    {
        Transaction t(data->Home);
        addAsset("b");
        data->Home.failWrite = [] { return true; };
        EXPECT_THROW(t.commit(), DatabaseError);
    }
    data->Home.failWrite = nullptr;
    EXPECT_FALSE(data->Home.inTransaction());
    expectSame(before, "after the failed commit");
    reopen();
    expectSame(before, "after reopening");
}

// (f) Awkward values are stored as given and read back exactly.
TEST_F(ReliabilityTest, AwkwardValuesRoundTripExactly)
{
    const QStringList values = {
        QStringLiteral("O'Brien's \"best\" 12\" TV"),
        QStringLiteral("a;b;;c;"),
        QStringLiteral("'; DROP TABLE Inventory; --"),
        QStringLiteral("\"); DELETE FROM Personal_Info; --"),
        repeated(QStringLiteral("0123456789"), 1000),
        QStringLiteral("Grüße 東京 🏠"),
        QStringLiteral("\uFEFFa byte order mark first"),
        QStringLiteral("line one\nline two\ttabbed\r\n"),
        QStringLiteral("  leading and trailing blanks  "),
        QStringLiteral("%1 %s %n \\ ? ?1 :name @x $y"),
        QString(),
        QString::fromUtf8("nul\0inside", 10),
    };
    for (int i = 0; i < values.size(); ++i)
        addAsset(QString::number(i), {{inv::Make, values[i]}, {inv::Description, values[values.size() - 1 - i]}});
    // and as an edit of the owner row, in a field that holds text
    data->general().setField(fld::PersonalInfo::Address, values[2]);
    data->general().Update();

    for (int pass = 0; pass < 2; ++pass) {
        Recordset& r = data->rsInventory;
        ASSERT_EQ(r.RecordCount(), values.size()) << "pass " << pass;
        r.MoveFirst();
        for (int i = 0; i < values.size(); ++i, r.MoveNext()) {
            EXPECT_EQ(r.text(inv::Make), values[i]) << "pass " << pass << " value " << i;
            EXPECT_EQ(r.text(inv::Make).size(), values[i].size()) << "pass " << pass << " value " << i;
            EXPECT_EQ(r.text(inv::Description), values[values.size() - 1 - i]) << "pass " << pass << " value " << i;
        }
        EXPECT_EQ(data->general().text(fld::PersonalInfo::Address), values[2]);
        EXPECT_EQ(data->general().RecordCount(), 1);
        reopen();
    }
    RawDb raw(dbFile());
    EXPECT_EQ(raw.column("SELECT count(*) FROM Inventory"), QStringList({QString::number(values.size())}));
}

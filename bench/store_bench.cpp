// Times the recordset layer on a large inventory against the same work done with plain SQLite,
// and measures the memory the seven recordsets hold.
// Run: ./build-release/bench/store_bench [rows]   (a Release build gives the real figures)
#include "inventory_support.h"
#include "data/data_environment.h"
#include "data/fields.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <unistd.h>
#include <random>
#include <sqlite3.h>
#include <vector>

using namespace tlm;
using namespace tlm::bench;

namespace {

// Reads the columns of a SELECT into QStrings (what any reader of the rows has to do at least).
qint64 selectAll(sqlite3* db, const QString& sql)
{
    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), -1, &st, nullptr) != SQLITE_OK)
        die(db, "prepare select");
    qint64 chars = 0;
    const int n = sqlite3_column_count(st);
    std::vector<QString> row(n);
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            row[i] = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)), sqlite3_column_bytes(st, i));
            chars += row[i].size();
        }
    }
    sqlite3_finalize(st);
    return chars;
}

QString selectOf(const TableLayout& l, int first, int last, const QString& tail = QString())
{
    QStringList cols;
    for (int i = first; i <= last; ++i)
        cols << u'"' + l.columns[i] + u'"';
    return QStringLiteral("SELECT %1 FROM \"%2\" %3").arg(cols.join(u','), l.table, tail);
}

volatile qint64 sink = 0;

// Resident memory of the process in bytes.
qint64 residentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// Heap bytes in use.
qint64 heapBytes()
{
    malloc_trim(0);
    return qint64(mallinfo2().uordblks);
}

constexpr int kPrintRows = 10000;

// The print menu's copy: for each asset AddNew, the 14 fields, Update, all in one transaction.
void fillPrintOurs(DataEnvironment& data)
{
    Recordset& inv = data.rsInventory;
    Recordset& print = data.rsPrint;
    Transaction tx(data.Home);
    int copied = 0;
    for (inv.MoveFirst(); !inv.isEOF() && copied < kPrintRows; inv.MoveNext(), ++copied) {
        print.AddNew();
        for (int f = 0; f < fld::Print::Count; ++f)
            print.setField(f, inv.Fields(f));
        print.Update();
    }
    tx.commit();
}

// The same copy in plain SQLite: each row read and bound into one prepared INSERT.
void fillPrintPlain(sqlite3* db)
{
    QStringList cols, marks;
    for (int i = 0; i < fld::Print::Count; ++i) {
        cols << u'"' + layouts::Print().columns[i] + u'"';
        marks << QStringLiteral("?");
    }
    const QByteArray select = QStringLiteral("SELECT %1 FROM Inventory ORDER BY rowid LIMIT %2").arg(cols.join(u',')).arg(kPrintRows).toUtf8();
    const QByteArray insert = QStringLiteral("INSERT INTO Print (%1) VALUES (%2)").arg(cols.join(u','), marks.join(u',')).toUtf8();
    sqlite3_stmt* from = nullptr;
    sqlite3_stmt* to = nullptr;
    if (sqlite3_prepare_v2(db, select.constData(), -1, &from, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, insert.constData(), -1, &to, nullptr) != SQLITE_OK)
        die(db, "prepare copy");
    execRaw(db, "BEGIN IMMEDIATE");
    while (sqlite3_step(from) == SQLITE_ROW) {
        for (int i = 0; i < fld::Print::Count; ++i)
            sqlite3_bind_value(to, i + 1, sqlite3_column_value(from, i));
        if (sqlite3_step(to) != SQLITE_DONE)
            die(db, "copy");
        sqlite3_reset(to);
    }
    execRaw(db, "COMMIT");
    sqlite3_finalize(from);
    sqlite3_finalize(to);
}

} // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString file = dir.path() + QStringLiteral("/C_DB/TLM.db");
    QDir().mkpath(dir.path() + QStringLiteral("/C_DB"));
    DataEnvironment::createDelivered(file);
    QElapsedTimer fill;
    fill.start();
    fillInventory(file, rows);
    std::printf("Inventory of %d rows written in %.0f ms (%.1f MB file)\n\n", rows, fill.nsecsElapsed() / 1e6,
                QFileInfo(file).size() / 1e6);

    // (0) memory of the seven recordsets, opened once in a fresh process
    {
        const qint64 heap = heapBytes();
        const qint64 rss = residentBytes();
        DataEnvironment first(file);
        first.openAll();
        const qint64 heapAfter = heapBytes();
        const qint64 rssAfter = residentBytes();
        std::printf("memory of the seven recordsets: %.1f MiB heap in use, %.1f MiB resident (%d assets)\n\n",
                    (heapAfter - heap) / 1048576.0, (rssAfter - rss) / 1048576.0, rows);
        first.closeAll();
    }

    const std::vector<const TableLayout*> tables = {&layouts::PersonalInfo(), &layouts::BankInfo(), &layouts::IndoorItems(),
                                                    &layouts::MobileItems(), &layouts::Inventory(), &layouts::OutdoorItems(),
                                                    &layouts::Print()};
    struct Line {
        const char* what;
        double ours, plain;
        const char* plainWhat;
    };
    std::vector<Line> lines;

    // (1) opening the seven recordsets
    std::unique_ptr<DataEnvironment> data;
    const double openOurs = best(3, [&] { data.reset(); }, [&] {
        data = std::make_unique<DataEnvironment>(file);
        data->openAll();
    });
    const double openPlain = best(3, [] {}, [&] {
        sqlite3* db = openRaw(file);
        for (const TableLayout* l : tables)
            sink = sink + selectAll(db, selectOf(*l, 0, int(l->columns.size()) - 1, QStringLiteral("ORDER BY rowid")));
        sqlite3_close(db);
    });
    lines.push_back({"open all seven recordsets", openOurs, openPlain, "SELECT * of the seven tables"});

    // (2) a full walk reading fields 1..13
    Recordset& rs = data->rsInventory;
    const double walkOurs = best(5, [] {}, [&] {
        qint64 chars = 0;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
            for (int i = 1; i <= 13; ++i)
                chars += rs.Fields(i).text().size();
        sink = sink + chars;
    });
    sqlite3* raw = openRaw(file);
    const double walkPlain = best(5, [] {}, [&] {
        sink = sink + selectAll(raw, selectOf(layouts::Inventory(), 1, 13, QStringLiteral("ORDER BY rowid")));
    });
    lines.push_back({"walk, fields 1-13", walkOurs, walkPlain, "SELECT fields 1-13"});

    // (3) Sort by Make (from table order each time)
    const double sortOurs = best(3, [&] { rs.Sort(QString()); }, [&] { rs.Sort(QStringLiteral("Make")); });
    const double sortPlain = best(3, [] {}, [&] {
        sink = sink + selectAll(raw, selectOf(layouts::Inventory(), 0, fld::Inventory::Count - 1,
                                              QStringLiteral("ORDER BY \"Make\" COLLATE NOCASE, rowid")));
    });
    lines.push_back({"Sort(\"Make\")", sortOurs, sortPlain, "SELECT * ORDER BY Make"});
    rs.Sort(QString());

    // (4) one AddNew + Update, written to disk (journal DELETE, synchronous FULL on both sides)
    auto addOurs = [&] {
        rs.AddNew();
        for (int f = fld::Inventory::Area; f < fld::Inventory::Count; ++f)
            rs.setField(f, QStringLiteral("bench %1").arg(f));
        rs.Update();
    };
    const double insertOurs = best(20, [] {}, addOurs);
    execRaw(raw, "PRAGMA journal_mode=DELETE");
    execRaw(raw, "PRAGMA synchronous=FULL");
    const double insertPlain = best(20, [] {}, [&] {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(raw, "INSERT INTO Inventory (Area, Make, Model) VALUES (?1, ?2, ?3)", -1, &st, nullptr) != SQLITE_OK)
            die(raw, "prepare");
        for (int i = 1; i <= 3; ++i)
            sqlite3_bind_text(st, i, "bench", 5, SQLITE_STATIC);
        if (sqlite3_step(st) != SQLITE_DONE)
            die(raw, "insert");
        sqlite3_finalize(st);
    });
    lines.push_back({"AddNew + Update", insertOurs, insertPlain, "one INSERT"});

    // (5) filling Print with 10,000 asset copies and emptying it again, as the print menu does
    double fillOurs = 1e300, emptyOurs = 1e300, fillPlain = 1e300, emptyPlain = 1e300;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        fillPrintOurs(*data);
        fillOurs = std::min(fillOurs, t.nsecsElapsed() / 1e6);
        t.restart();
        data->rsPrint.DeleteAll();
        emptyOurs = std::min(emptyOurs, t.nsecsElapsed() / 1e6);
    }
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        fillPrintPlain(raw);
        fillPlain = std::min(fillPlain, t.nsecsElapsed() / 1e6);
        t.restart();
        execRaw(raw, "DELETE FROM Print");
        emptyPlain = std::min(emptyPlain, t.nsecsElapsed() / 1e6);
    }
    lines.push_back({"fill Print, 10,000 copies", fillOurs, fillPlain, "SELECT + bound INSERTs, one transaction"});
    lines.push_back({"empty Print (DeleteAll)", emptyOurs, emptyPlain, "DELETE FROM Print"});
    lines.push_back({"fill + empty Print", fillOurs + emptyOurs, fillPlain + emptyPlain, "both"});
    sqlite3_close(raw);
    data->closeAll();

    std::printf("%-28s %12s %12s %7s   %s\n", "operation", "recordset", "plain", "ratio", "plain SQLite work");
    for (const Line& l : lines)
        std::printf("%-28s %9.2f ms %9.2f ms %6.2fx   %s\n", l.what, l.ours, l.plain, l.ours / l.plain, l.plainWhat);
    const double printOurs = fillOurs + emptyOurs, printPlain = fillPlain + emptyPlain;
    std::printf("\ngoals: walk within 2x of the plain SELECT: %s; open under 1 s: %s; "
                "Print fill and empty within 2x of plain SQLite and under 0.5 s: %s\n",
                walkOurs <= 2 * walkPlain ? "met" : "MISSED", openOurs < 1000 ? "met" : "MISSED",
                printOurs <= 2 * printPlain && printOurs < 500 ? "met" : "MISSED");
    return 0;
}

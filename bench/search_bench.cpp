// Times the search through the real screens (the search screen's Search button, a click on the
// results' "Make" heading) on a large inventory, beside the same query done by SQLite itself:
// LIKE over the same fourteen columns, the hits copied into Print in one transaction.
// Run: ./build-release/bench/search_bench [rows]   (a Release build gives the real figures)
#include "inventory_support.h"
#include "report_support.h"
#include "search/frmSearch.h"
#include "search/frmSearchResults.h"

#include <QApplication>
#include <QStringList>

using namespace tlm;
using namespace tlm::bench;

namespace {

// The fourteen columns the key word looks in, quoted for SQL.
QStringList searchedColumns()
{
    QStringList cols;
    for (int i = 0; i < fld::Print::Count; ++i)
        cols << u'"' + layouts::Inventory().columns[i] + u'"';
    return cols;
}

QString likeWhere()
{
    QStringList tests;
    for (const QString& c : searchedColumns())
        tests << c + QStringLiteral(" LIKE ?1");
    return tests.join(QStringLiteral(" OR "));
}

sqlite3_stmt* prepare(sqlite3* db, const QString& sql)
{
    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), -1, &st, nullptr) != SQLITE_OK)
        die(db, "prepare");
    return st;
}

// SQLite's own scan: the matching rows' fourteen columns read into QStrings.
qint64 scanPlain(sqlite3* db, const QString& key, const QString& order)
{
    sqlite3_stmt* st = prepare(db, QStringLiteral("SELECT %1 FROM Inventory WHERE %2 %3")
                                       .arg(searchedColumns().join(u','), likeWhere(), order));
    const QByteArray pattern = (u'%' + key + u'%').toUtf8();
    sqlite3_bind_text(st, 1, pattern.constData(), int(pattern.size()), SQLITE_TRANSIENT);
    qint64 rows = 0;
    QString cell;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < fld::Print::Count; ++i)
            cell = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)), sqlite3_column_bytes(st, i));
        ++rows;
    }
    sqlite3_finalize(st);
    return rows;
}

// The same search as one SQLite statement: Print emptied and filled in one transaction.
void fillPlain(sqlite3* db, const QString& key, const QString& order)
{
    execRaw(db, "BEGIN IMMEDIATE");
    execRaw(db, "DELETE FROM Print");
    const QString cols = searchedColumns().join(u',');
    sqlite3_stmt* st = prepare(db, QStringLiteral("INSERT INTO Print (%1) SELECT %1 FROM Inventory WHERE %2 %3")
                                       .arg(cols, likeWhere(), order));
    const QByteArray pattern = (u'%' + key + u'%').toUtf8();
    sqlite3_bind_text(st, 1, pattern.constData(), int(pattern.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st) != SQLITE_DONE)
        die(db, "insert select");
    sqlite3_finalize(st);
    execRaw(db, "COMMIT");
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    constexpr int kRuns = 5;

    ReportProgram p;
    Program& program = *p.program;
    DataEnvironment& data = program.Data1();
    const QString file = data.file();
    data.closeAll();
    fillInventory(file, rows);
    data.openAll();

    screens::frmSearch& search = program.frmSearch();
    screens::frmSearchResults& results = program.frmSearchResults();
    search.clear_flag = 1;
    search.clear_listboxes();
    search.Show();

    std::printf("%d assets; best of %d runs (ms)\n\n", rows, kRuns);
    std::printf("| key word | found | search, ours | SQLite scan | SQLite fill of Print | ours / fill |"
                " sort by Make, ours | SQLite fill ORDER BY Make | ours / fill |\n|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    sqlite3* raw = openRaw(file);
    for (const QString& key : {QStringLiteral("repair"), QStringLiteral("XR-4242"), QStringLiteral("e")}) {
        search.txtKey->setText(key);
        const auto unsorted = [&] { results.sort_flag = 0; };
        const double ours = best(kRuns, unsorted, [&] { search.cmdContinue->press(); });
        if (!results.Visible() || search.Visible())
            die(nullptr, "the search did not show its results");
        const qint64 found = results.rec_count;
        const double sorted = best(kRuns, unsorted, [&] { results.lblSubHead[5]->raiseEvent(&Control::Click); });
        results.cmdBack->press();
        search.txtKey->setText(key);

        // SQLite's turn over its own connection, with the program's rows untouched in memory.
        const double scan = best(kRuns, [] {}, [&] {
            if (scanPlain(raw, key, QString()) != found)
                die(raw, "SQLite found another count");
        });
        const double fill = best(kRuns, [] {}, [&] { fillPlain(raw, key, QString()); });
        const double fillSorted = best(kRuns, [] {}, [&] { fillPlain(raw, key, QStringLiteral("ORDER BY Make")); });
        std::printf("| \"%s\" | %lld | %.0f | %.0f | %.0f | %.2fx | %.0f | %.0f | %.2fx |\n", qPrintable(key),
                    static_cast<long long>(found), ours, scan, fill, ours / fill, sorted, fillSorted, sorted / fillSorted);
    }
    sqlite3_close(raw);
    data.rsPrint.Requery();
    return 0;
}

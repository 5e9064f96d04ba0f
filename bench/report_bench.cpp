// Times the asset report of many assets along the print menu's road: the assets are written
// into Inventory (not timed), then the menu's All button empties Print, copies every asset into
// it in one transaction, lays the report out and shows its window; the window's Export command
// writes the PDF. Prints the figures and the peak memory. Then one asset with a very long
// description is laid out alone: 100,000 lines of text, and one word of 100,000 letters.
// Run: ./build-release/bench/report_bench [assets]   (a Release build gives the real figures)
#include "report_support.h"

#include "search/AssetReport.h"
#include "search/frmPrint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <sys/resource.h>

using namespace tlm;

namespace {

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QStringList asset(int n)
{
    static const char* areas[] = {"Indoor", "Outdoor", "Mobile"};
    static const char* locations[] = {"Kitchen", "Living Room", "Garage", "Master Bedroom", "Office", "Car"};
    static const char* categories[] = {"Appliances", "Electronics", "Furniture", "Tools", "Jewelry", "Vehicles"};
    static const char* types[] = {"Refrigerator", "Television", "Sofa", "Power Drill", "Ring", "Automobile"};
    const auto pick = [n](const auto& list, int salt) {
        return QString::fromLatin1(list[(n * 7 + salt) % int(std::size(list))]);
    };
    return {QString::number(n), pick(areas, 0), pick(locations, 1), pick(categories, 2), pick(types, 3),
            QString::number(1990 + n % 35), QStringLiteral("Make %1").arg(n % 97), QStringLiteral("M-%1").arg(n),
            QStringLiteral("SN-%1").arg(n * 7919), QStringLiteral("%1/%2/%3").arg(1 + n % 12).arg(1 + n % 28).arg(2000 + n % 25),
            QStringLiteral("$%1.%2").arg(10 + n % 5000).arg(n % 100, 2, 10, QChar(u'0')), n % 2 ? "Yes" : "No",
            n % 2 ? "File Cabinet" : "None",
            n % 3 ? QStringLiteral("None") : QStringLiteral("Bought new, kept with its manual and receipt; number %1").arg(n)};
}

// One Inventory row: the asset's 13 texts after its number, new, no warranty.
void addInventoryRow(Recordset& inventory, const QStringList& printed)
{
    inventory.AddNew();
    for (int i = fld::Inventory::Area; i < fld::Inventory::Count; ++i)
        inventory.setField(i, QStringLiteral("None"));
    for (int i = fld::Inventory::Area; i < fld::Print::Count; ++i)
        inventory.setField(i, printed.value(i));
    inventory.setField(fld::Inventory::NewUsed, QStringLiteral("New"));
    inventory.Update();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int assets = argc > 1 ? std::atoi(argv[1]) : 10000;
    bench::ReportProgram p;
    Program& program = *p.program;
    DataEnvironment& data = program.Data1();
    {
        Transaction tx(data.Home);
        for (int n = 1; n <= assets; ++n)
            addInventoryRow(data.rsInventory, asset(n));
        // What an earlier printout left, as the menu finds it.
        for (int n = 1; n <= 8; ++n)
            bench::addPrintRow(data.rsPrint, asset(n));
        tx.commit();
    }
    screens::frmPrint& menu = program.frmPrint();
    menu.Show();
    const long before = peakKiB();

    QElapsedTimer timer;
    // The store asks before every write whether it should fail; the last ask of the press is
    // the commit of the copies, so it marks the end of emptying and filling Print.
    qint64 filledNs = 0;
    data.Home.failWrite = [&] {
        filledNs = timer.nsecsElapsed();
        return false;
    };
    timer.start();
    menu.cmdAllPrint->press();
    QApplication::processEvents();
    const qint64 allMs = timer.restart();
    data.Home.failWrite = nullptr;
    const long afterAll = peakKiB();

    screens::AssetReport& report = program.AssetReport();
    p.saveDialog->file = p.dir.filePath(QStringLiteral("asset-report.pdf"));
    report.viewer->cmdExport->click();
    const qint64 exportMs = timer.restart();
    const long afterExport = peakKiB();
    const int pages = report.layout().pageCount();
    const bool ok = report.Visible() && data.rsPrint.RecordCount() == assets &&
                    QFileInfo(p.saveDialog->file).size() > 0;

    // The layout alone, of the hidden report (shown, it would draw the preview again).
    report.Hide();
    timer.restart();
    report.Refresh();
    const qint64 layoutMs = timer.elapsed();

    // One asset in Print, its description `description`, laid out alone: the time and the pages.
    const auto layOutDescription = [&](const QString& description) {
        QStringList fields = asset(1);
        fields[fld::Print::Description] = description;
        {
            Transaction tx(data.Home);
            data.rsPrint.DeleteAll();
            bench::addPrintRow(data.rsPrint, fields);
            tx.commit();
        }
        timer.restart();
        report.Refresh();
        return std::pair(timer.elapsed(), report.layout().pageCount());
    };
    QStringList lines;
    for (int n = 1; n <= 100000; ++n)
        lines << QStringLiteral("Line %1 of the notes: bought new, kept with its manual").arg(n);
    const QString manyLines = lines.join(u'\n');
    const auto [manyLinesMs, manyLinesPages] = layOutDescription(manyLines);
    const auto [longWordMs, longWordPages] = layOutDescription(QStringLiteral("W").repeated(100000));

    const qint64 fillMs = filledNs / 1000000;
    const auto ms = [](qint64 v) { return static_cast<long long>(v); };
    std::printf("assets                                   %d\n", assets);
    std::printf("pages                                    %d\n", pages);
    std::printf("All, until the report window is up       %lld ms\n", ms(allMs));
    std::printf("  of which emptying and filling Print    %lld ms\n", ms(fillMs));
    std::printf("  of which the layout (measured alone)   %lld ms\n", ms(layoutMs));
    std::printf("  the rest: the preview of every page    %lld ms\n", ms(allMs - fillMs - layoutMs));
    std::printf("Export to PDF                            %lld ms (%.1f MiB)%s\n", ms(exportMs),
                QFileInfo(p.saveDialog->file).size() / 1048576.0, ok ? "" : " FAILED");
    std::printf("fill + layout + export                   %lld ms\n", ms(fillMs + layoutMs + exportMs));
    std::printf("All + export                             %lld ms\n", ms(allMs + exportMs));
    std::printf("one description of 100,000 lines: layout  %lld ms (%d pages, %.1f million characters)\n",
                ms(manyLinesMs), manyLinesPages, manyLines.size() / 1e6);
    std::printf("one word of 100,000 letters: layout       %lld ms (%d pages)\n", ms(longWordMs), longWordPages);
    std::printf("peak memory                              %ld MiB before, %ld MiB once the window is up, %ld MiB "
                "after the export\n",
                before / 1024, afterAll / 1024, afterExport / 1024);
    return ok ? 0 : 1;
}

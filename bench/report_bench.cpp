// Times the asset report of many assets: the rows written into Print in one transaction, the
// pages laid out from Print, and the PDF export. Prints the figures and the peak memory.
// Run: ./build-release/bench/report_bench [assets]   (a Release build gives the real figures)
#include "report_support.h"

#include "platform/report/render.h"
#include "search/AssetReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int assets = argc > 1 ? std::atoi(argv[1]) : 10000;
    bench::ReportProgram p;
    Program& program = *p.program;
    DataEnvironment& data = program.Data1();
    const long before = peakKiB();

    QElapsedTimer timer;
    timer.start();
    {
        Transaction tx(data.Home);
        for (int n = 1; n <= assets; ++n)
            bench::addPrintRow(data.rsPrint, asset(n));
        tx.commit();
    }
    const qint64 fillMs = timer.restart();

    screens::AssetReport& report = program.AssetReport();
    report.Refresh();
    const qint64 layoutMs = timer.restart();

    const QString file = p.dir.filePath(QStringLiteral("asset-report.pdf"));
    const bool ok = report::exportPdf(report.layout(), file, report.documentName());
    const qint64 exportMs = timer.restart();
    const long beforePreview = peakKiB();

    // What a person waits for: the report window with the preview of every page.
    report.Show();
    QApplication::processEvents();
    const qint64 previewMs = timer.elapsed();

    std::printf("assets                     %d\n", assets);
    std::printf("pages                      %d\n", report.layout().pageCount());
    std::printf("fill Print (1 transaction) %lld ms\n", static_cast<long long>(fillMs));
    std::printf("lay out from Print         %lld ms\n", static_cast<long long>(layoutMs));
    std::printf("export PDF                 %lld ms (%.1f MiB)%s\n", static_cast<long long>(exportMs),
                QFileInfo(file).size() / 1048576.0, ok ? "" : " FAILED");
    std::printf("layout + export            %lld ms\n", static_cast<long long>(layoutMs + exportMs));
    std::printf("open the window (preview)  %lld ms\n", static_cast<long long>(previewMs));
    std::printf("peak memory                %ld MiB before the work, %ld MiB after the export, %ld MiB with the preview\n",
                before / 1024, beforePreview / 1024, peakKiB() / 1024);
    return ok ? 0 : 1;
}

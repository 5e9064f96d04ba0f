// Exports the three reports, filled with a few believable assets and an owner, as PDF files
// for a person to look at (scripts/report_pages.sh turns them into pictures).
// Also saves a picture of the asset report's window as it opens.
// Run: ./build/bench/report_pages OUTPUT-FOLDER
#include "report_support.h"

#include "platform/report/render.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

using namespace tlm;

namespace {

bool save(screens::ReportScreen& report, const QString& file)
{
    report.Refresh();
    const bool ok = report::exportPdf(report.layout(), file, report.documentName());
    std::printf("%s: %d page(s)%s\n", qPrintable(file), report.layout().pageCount(), ok ? "" : " FAILED");
    return ok;
}

void fillAssets(Recordset& print)
{
    const QList<QStringList> rows = {
        {"1", "Indoor", "Living Room", "Electronics", "Television", "2024", "Brightline", "BL-55X900", "SN-1001-4471",
         "3/2/2024", "$899.99", "Yes", "File Cabinet", "55 inch, wall mounted above the fireplace"},
        {"2", "Indoor", "Kitchen", "Appliances", "Refrigerator", "2022", "Coldmark", "CM-20", "SN-2002", "6/18/2022",
         "$1450.00", "Yes", "Kitchen Drawer",
         "French door refrigerator with ice maker and water dispenser, stainless steel finish, bought with the "
         "five year extended warranty from the store; the receipt and the warranty card are kept together in the "
         "kitchen drawer next to the oven, with the manual and the spare water filter."},
        // Long texts, printed whole: the block grows and pushes the rest down.
        {"9", "Indoor", "Music Room", "Instruments", "Grand Piano", "2004",
         "Harmonia Keyboard Instruments Manufacturing Company of Grand Rapids, Michigan", "Concert Grand D-274",
         "HKI2004000011887734992155103307ABCDEF000112233445566778899XYZ", "10/2/2004", "$68500.00", "Yes",
         "Safe Deposit Box",
         "Ebony finish concert grand, rebuilt action in 2019 with new hammers, shanks and flanges by the "
         "dealer's own technician; tuned twice a year. The bench, the lamp and the humidity control system "
         "that sits inside the case were bought with it and are on the same receipt. Appraised in 2023 for "
         "the insurance at seventy-one thousand dollars; the appraisal letter, the photographs of the serial "
         "plate and of the soundboard, and the receipts of the rebuild are in the safe deposit box with the "
         "original bill of sale. Moved by a piano mover only: the moving company's certificate of insurance "
         "is kept with the other papers, and so are the tuner's notes on the pin block and the strings."},
        {"3", "indoor", "Master Bedroom", "Jewelry", "Wedding Ring", "1998", "Unknown", "Unknown", "Unknown",
         "mm/dd/yyyy", "$12500.00", "No", "None", "None"},
        {"4", "Outdoor", "Garage", "Lawn & Garden", "Lawn Mower", "2023", "Greenrow", "GR-21", "SN-4004", "4/30/2023",
         "$379.50", "Yes", "Garage Shelf", "Self-propelled, 21 inch deck"},
        {"5", "Outdoor", "Shed", "Tools", "Table Saw", "2019", "Cutwell Professional Power Tools",
         "TS-10-Contractor-Series-2019", "CW-55501-883-2219-XT", "11/29/2019", "$649.00", "No", "None",
         "Ten inch blade, folding stand"},
        {"6", "Mobile", "Car", "Vehicle Electronics", "GPS Navigator", "2021", "Waymark", "WM-7", "SN-5005",
         "8/14/2021", "$189.00", "Yes", "Glove Box", "None"},
        {"7", "Mobile", "Boat", "Marine", "Outboard Motor", "2017", "Tidewater", "TW-90", "TW90-17-3321", "5/5/2017",
         "$7215.25", "Yes", "Safe Deposit Box", "90 horsepower, four stroke"},
        {"8", "Indoor", "Office", "Electronics", "Laptop", "2025", "Pinebook", "PB-14", "SN-3003", "1/9/2025",
         "$1199.00", "Yes", "Office Desk", "None"},
    };
    for (const QStringList& row : rows)
        bench::addPrintRow(print, row);
}

void fillOwner(Recordset& general)
{
    using namespace fld::PersonalInfo;
    const std::pair<int, QString> values[] = {
        {First, "Margaret"}, {Middle, "A"}, {Last, "Holloway"}, {Address, "1428 Elm Street, Apartment 12B, The Old Mill Buildings, Riverside Quarter"},
        {City, "Springfield"}, {State, "Illinois"}, {ZIP, "62704"}, {HomePhone1, "217"}, {HomePhone2, "555"},
        {HomePhone3, "0142"}, {WorkPhone1, "217"}, {WorkPhone2, "555"}, {WorkPhone3, "0199"},
        {CellPhone1, "---"}, {CellPhone2, "---"}, {CellPhone3, "----"}, {EMail, "margaret.holloway@example.com"},
        {PolicyCompany, "Prairie Mutual Insurance"}, {PolicyNumber, "HO-3-884120-77"},
        {PolicyExpiration, "9/30/2026"}};
    for (const auto& [field, text] : values)
        general.setField(field, text);
    general.setField(AssetValue, CCur(QStringLiteral("24526.74")));
    general.Update();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: report_pages OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    bench::ReportProgram p;
    Program& program = *p.program;
    bool ok = save(program.CoverSheet(), out.filePath(QStringLiteral("cover-sheet-first-run.pdf")));
    fillAssets(program.Data1().rsPrint);
    fillOwner(program.Data1().general());
    ok = save(program.AssetReport(), out.filePath(QStringLiteral("asset-report.pdf"))) && ok;
    ok = save(program.CoverSheet(), out.filePath(QStringLiteral("cover-sheet.pdf"))) && ok;
    ok = save(program.FillOutForm(), out.filePath(QStringLiteral("fill-out-form.pdf"))) && ok;

    screens::AssetReport& window = program.AssetReport();
    window.setCaption(QStringLiteral("Asset Report - Tallowmere by Brindlecote Software"));
    window.Show();
    QApplication::processEvents();
    ok = window.grab().save(out.filePath(QStringLiteral("asset-report-window.png"))) && ok;
    return ok ? 0 : 1;
}

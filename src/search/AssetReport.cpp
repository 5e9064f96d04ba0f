#include "search/AssetReport.h"

namespace tlm::screens {

namespace {

using report::Align;
using report::Font;

std::shared_ptr<const report::Design> design()
{
    auto d = std::make_shared<report::Design>();
    d->reportHeader.name = QStringLiteral("Section4");
    d->pageFooter.name = QStringLiteral("Section3");
    d->reportFooter.name = QStringLiteral("Section5");

    const Font title{.pointSize = 18, .bold = true};
    const Font subtitle{.pointSize = 14, .bold = true};
    const Font caption{.pointSize = 10, .bold = true};
    const Font plain{.pointSize = 10};

    report::Section& h = d->pageHeader;
    h.name = QStringLiteral("Section2");
    h.height = 1680;
    h.label(QStringLiteral("Label10"), QStringLiteral("Tallowmere"), {3570, 750, 3750, 420}, title, Align::Center);
    h.label(QStringLiteral("Label21"), QStringLiteral("Asset Report"), {3570, 1200, 3750, 375}, subtitle, Align::Center);
    h.picture(QStringLiteral("Image1"), {4995, 60, 900, 615}, paintHouseMark);
    h.label(QStringLiteral("Label17"), QStringLiteral("%d"), {735, 975, 1590, 240}, plain);
    h.label(QStringLiteral("Label15"), QStringLiteral("%T"), {735, 1260, 1590, 240}, plain);
    h.label(QStringLiteral("Label19"), QStringLiteral("Page:"), {8325, 945, 1215, 300}, caption, Align::Right);
    h.label(QStringLiteral("Label16"), QStringLiteral("%p"), {9600, 945, 795, 300}, plain);
    h.label(QStringLiteral("Label18"), QStringLiteral("Total Pages:"), {8310, 1275, 1215, 300}, caption, Align::Right);
    h.label(QStringLiteral("Label20"), QStringLiteral("%P"), {9600, 1275, 795, 300}, plain);

    report::Section& s = d->detail;
    s.name = QStringLiteral("Section1");
    s.height = 2040;
    // The rule that opens every block, so blocks stand apart and the first from the header.
    s.shape(QStringLiteral("Shape1"), {465, 0, 9750, 20}, true);

    struct Pair {
        const char* label;
        const char* caption;
        QRect labelRect;
        const char* field;
        const char* column;
        QRect fieldRect;
    };
    const Pair pairs[] = {
        {"Label4", "Area:", {660, 120, 1005, 315}, "txtArea", "Area", {1770, 120, 2100, 300}},
        {"Label1", "Location:", {660, 405, 1005, 300}, "txtLocation", "Location", {1770, 405, 2100, 285}},
        {"Label3", "Category:", {660, 690, 1005, 285}, "txtCategory", "Category", {1770, 690, 2100, 285}},
        {"Label5", "Item:", {660, 975, 1005, 300}, "txtType", "Type", {1770, 975, 2100, 300}},
        {"Label6", "Year:", {3990, 120, 735, 300}, "txtYear", "Year", {4845, 120, 2100, 300}},
        {"Label7", "Make:", {3990, 405, 735, 300}, "txtMake", "Make", {4845, 405, 2100, 300}},
        {"Label8", "Model:", {3990, 690, 735, 300}, "txtModel", "Model", {4845, 690, 2100, 300}},
        {"Label9", "Serial:", {3990, 975, 735, 300}, "txtSerialVINID", "Serial/ VIN / ID", {4845, 975, 2100, 300}},
        {"Label13", "Receipt:", {7035, 120, 1680, 300}, "txtReceipt", "Receipt", {8835, 120, 1365, 300}},
        {"Label14", "Receipt Location:", {6975, 405, 1740, 300}, "txtReceiptLocation", "Receipt Location",
         {8835, 405, 1365, 300}},
        {"Label11", "Date Purchased:", {7035, 690, 1680, 300}, "txtDatePurchased", "Date Purchased",
         {8835, 690, 1365, 300}},
        {"Label12", "Amount:", {7035, 975, 1680, 300}, "txtAmount", "Amount", {8835, 975, 1365, 300}},
    };
    for (const Pair& p : pairs) {
        s.label(QString::fromLatin1(p.label), QString::fromLatin1(p.caption), p.labelRect, caption, Align::Right);
        s.field(QString::fromLatin1(p.field), QString::fromLatin1(p.column), p.fieldRect, plain);
    }
    s.controls.back().format = report::kDollarFormat; // txtAmount
    s.label(QStringLiteral("Label2"), QStringLiteral("Description:"), {465, 1335, 1200, 240}, caption, Align::Right);
    s.field(QStringLiteral("txtDescription"), QStringLiteral("Description"), {1770, 1380, 8445, 450}, plain).wordWrap = true;
    return d;
}

} // namespace

AssetReport::AssetReport(Program& program) : ReportScreen(program, design(), QStringLiteral("Asset Report")) {}

report::Rows AssetReport::readRows() { return rowsOf(Data1.rsPrint); }

} // namespace tlm::screens

#include "search/CoverSheet.h"

namespace tlm::screens {

namespace {

using report::Align;
using report::Font;

std::shared_ptr<const report::Design> design()
{
    auto d = std::make_shared<report::Design>();
    d->pageFooter.name = QStringLiteral("Section3");

    const Font title{.pointSize = 18, .bold = true};
    const Font subtitle{.pointSize = 14, .bold = true};
    const Font heading{.pointSize = 12, .bold = true, .underline = true};
    const Font caption{.pointSize = 12, .bold = true};
    const Font plain{.pointSize = 12};

    report::Section& h = d->pageHeader;
    h.name = QStringLiteral("Section2");
    h.height = 1980;
    h.label(QStringLiteral("Label1"), QStringLiteral("Tallowmere"), {3915, 1008, 3600, 435}, title, Align::Center);
    h.picture(QStringLiteral("Image1"), {5280, 432, 870, 570}, paintHouseMark);
    h.label(QStringLiteral("Label3"), QStringLiteral("Asset Report"), {3915, 1440, 3600, 435}, subtitle, Align::Center);

    report::Section& s = d->detail;
    s.name = QStringLiteral("Section1");
    s.height = 10300;
    const auto heading_ = [&](const char* name, const char* text, int left, int top) {
        s.label(QString::fromLatin1(name), QString::fromLatin1(text), {left, top, 3600, 285}, heading, Align::Center);
    };
    const auto label = [&](const char* name, const char* text, int top, int left = 3024, int width = 2310) {
        s.label(QString::fromLatin1(name), QString::fromLatin1(text), {left, top, width, 285}, caption, Align::Right);
    };
    const auto field = [&](const char* name, const char* column, QRect rect, Align align = Align::Left) {
        return &s.field(QString::fromLatin1(name), QString::fromLatin1(column), rect, plain, align);
    };
    // The brackets hug the area code they enclose.
    const auto mark = [&](const char* name, const char* text, QRect rect) {
        const Align align = text[0] == '(' ? Align::Right : text[0] == ')' ? Align::Left : Align::Center;
        s.label(QString::fromLatin1(name), QString::fromLatin1(text), rect, plain, align);
    };

    heading_("Label4", "Personal Information", 3915, 144);
    label("Label7", "First Name =>", 864);
    field("Text1", "First", {5475, 864, 4245, 420});
    label("Label8", "Middle Initial =>", 1296);
    field("Text2", "Middle", {5472, 1296, 4245, 420});
    label("Label9", "Last Name =>", 1728);
    field("Text3", "Last", {5475, 1710, 4245, 420});
    label("Label10", "Address =>", 2160);
    field("Text4", "Address", {5475, 2145, 4245, 420});
    label("Label11", "City =>", 2592);
    field("Text5", "City", {5475, 2580, 4245, 420});
    label("Label12", "State =>", 3024);
    field("Text6", "State", {5475, 3015, 4245, 420});
    label("Label17", "ZIP =>", 3456);
    field("Text7", "ZIP", {5475, 3435, 4245, 420});

    // A telephone number prints as "(" area code ")" prefix "-" number.
    heading_("Label2", "Contact Information", 3915, 4176);
    label("Label13", "Home Phone =>", 4905);
    mark("Label21", "(", {5340, 4890, 240, 360});
    field("Text8", "Home Phone1", {5580, 4890, 570, 360}, Align::Center);
    mark("Label22", ")", {6165, 4890, 195, 360});
    field("Text16", "Home Phone2", {6360, 4890, 570, 360}, Align::Center);
    mark("Label23", "-", {6960, 4890, 210, 360});
    field("Text17", "Home Phone3", {7170, 4890, 855, 360}, Align::Center);
    label("Label14", "Work Phone =>", 5355);
    mark("Label27", "(", {5325, 5325, 255, 360});
    field("Text19", "Work Phone1", {5580, 5325, 570, 360}, Align::Center);
    mark("Label28", ")", {6165, 5325, 195, 360});
    field("Text20", "Work  Phone2", {6360, 5325, 570, 360}, Align::Center);
    mark("Label29", "-", {6960, 5325, 210, 360});
    field("Text21", "Work  Phone3", {7170, 5325, 855, 360}, Align::Center);
    label("Label15", "Cell Phone =>", 5790);
    mark("Label24", "(", {5340, 5775, 225, 360});
    field("Text9", "Cell Phone1", {5565, 5775, 570, 360}, Align::Center);
    mark("Label25", ")", {6195, 5775, 180, 360});
    field("Text10", "Cell Phone2", {6375, 5775, 570, 360}, Align::Center);
    mark("Label26", "-", {6975, 5775, 210, 360});
    field("Text18", "Cell  Phone3", {7185, 5775, 855, 360}, Align::Center);
    label("Label16", "E-Mail =>", 6225);
    field("Text11", "EMail", {5475, 6210, 5340, 360});

    heading_("Label5", "Policy Information", 3888, 6912);
    label("Label18", "Insurance Company =>", 7488, 2304, 3030);
    field("Text14", "Policy Company", {5472, 7488, 4455, 420});
    label("Label19", "Policy Number =>", 7920, 2304, 3030);
    field("Text12", "Policy Number", {5472, 7920, 4455, 420});
    label("Label20", "Policy Expiration =>", 8352, 2304, 3030);
    field("Text13", "Policy Expiration", {5472, 8340, 4455, 420});

    heading_("Label6", "Total Asset Value", 3888, 9072);
    field("Text15", "AssetValue", {3456, 9792, 4455, 420}, Align::Center)->format = report::kDollarFormat;
    return d;
}

} // namespace

CoverSheet::CoverSheet(Program& program) : ReportScreen(program, design(), QStringLiteral("Cover Sheet")) {}

report::Rows CoverSheet::readRows() { return currentRowOf(Data1.general()); }

} // namespace tlm::screens

#include "search/FillOutForm.h"

namespace tlm::screens {

namespace {

using report::Align;
using report::Font;

std::shared_ptr<const report::Design> design()
{
    auto d = std::make_shared<report::Design>();
    const Font title{.pointSize = 18, .bold = true};
    const Font caption{.pointSize = 11, .bold = true};
    const Font choice{.pointSize = 11};
    const Font hint{.pointSize = 10, .italic = true};

    report::Section& s = d->detail;
    s.name = QStringLiteral("Section1");
    s.height = 10800;
    s.picture(QStringLiteral("Image1"), {5040, 288, 930, 720}, paintHouseMark);
    s.label(QStringLiteral("Label1"), QStringLiteral("Tallowmere"), {4032, 1152, 3165, 420}, title, Align::Center);
    s.label(QStringLiteral("Label2"), QStringLiteral("Asset Information Form"), {3674, 1584, 3750, 420}, title,
            Align::Center);

    // Every caption ends at the same place, just before its box.
    const auto label = [&](const char* name, const char* text, int top, int left, int width, int height = 285) {
        s.label(QString::fromLatin1(name), QString::fromLatin1(text), {left, top, width, height}, caption, Align::Right);
    };
    const auto box = [&](const char* name, int top, int left, int width = 2880, int height = 285) {
        s.shape(QString::fromLatin1(name), {left, top, width, height});
    };
    const auto choiceOf = [&](const char* name, const char* text, int top, int left, int width) {
        s.label(QString::fromLatin1(name), QString::fromLatin1(text), {left, top, width, 285}, choice, Align::Center);
    };
    const auto hintOf = [&](const char* name, const char* text, int top, int left, int width) {
        s.label(QString::fromLatin1(name), QString::fromLatin1(text), {left, top, width, 285}, hint);
    };

    label("Label4", "Area =>", 2448, 2718, 870);
    choiceOf("Label14", "Indoor", 2448, 3744, 915);
    choiceOf("Label15", "Outdoor", 2448, 4752, 915);
    choiceOf("Label16", "Mobile", 2448, 5760, 915);
    hintOf("Label17", "(Select One)", 2448, 6768, 1290);
    label("Label5", "Location =>", 2880, 2283, 1305);
    box("Shape1", 2880, 3790);
    hintOf("Label19", "(i.e. Bedroom or Porch)", 2880, 6768, 3165);
    label("Label6", "Category =>", 3312, 2283, 1305);
    box("Shape2", 3312, 3744);
    hintOf("Label18", "(i.e. Furniture or Electronics)", 3312, 6768, 3165);
    label("Label3", "Asset Name =>", 3744, 1998, 1590);
    box("Shape3", 3744, 3744);
    hintOf("Label23", "(i.e. Stereo or Dishwasher)", 3744, 6768, 3165);
    label("Label7", "Year Asset Was Made =>", 4464, 423, 3165);
    box("Shape4", 4464, 3744);
    label("Label8", "Make =>", 4896, 2583, 1005);
    box("Shape5", 4896, 3744);
    label("Label9", "Model =>", 5328, 2583, 1005);
    box("Shape6", 5328, 3744);
    label("Label10", "Serial =>", 5760, 2583, 1005);
    box("Shape7", 5760, 3744);
    label("Label11", "Purchased =>", 6480, 2148, 1440);
    choiceOf("Label20", "New", 6480, 3744, 720);
    choiceOf("Label21", "Used", 6480, 4608, 720);
    hintOf("Label22", "(Select One)", 6480, 5472, 1290);
    label("Label12", "Purchase Date =>", 6912, 1863, 1725);
    box("Shape8", 6912, 3744);
    hintOf("Label24", "(Format: mm/dd/yyyy)", 6912, 6768, 2580);
    label("Label13", "Purchase Price =>", 7344, 1143, 2445);
    box("Shape9", 7344, 3744);
    label("Label25", "Asset Receipt On File =>", 8064, 1143, 2445);
    choiceOf("Label28", "Yes", 8064, 3744, 720);
    choiceOf("Label29", "No", 8064, 4608, 720);
    hintOf("Label30", "(Select One)", 8064, 5472, 1290);
    label("Label26", "Asset Receipt Location =>", 8496, 1008, 2580);
    box("Shape10", 8496, 3744);
    hintOf("Label27", "(i.e. File Cabinet)", 8496, 6768, 2580);
    label("Label31", "Description =>", 9216, 723, 2865, 435);
    box("Shape11", 9216, 3744, 6195, 1440);
    return d;
}

} // namespace

FillOutForm::FillOutForm(Program& program)
    : ReportScreen(program, design(), QStringLiteral("Asset Information Form"))
{
}

// One blank form: a single block with nothing bound.
report::Rows FillOutForm::readRows()
{
    report::Rows rows;
    rows.values.emplace_back();
    return rows;
}

} // namespace tlm::screens

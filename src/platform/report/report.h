#pragma once
// A small banded report: sections holding labels, bound fields, shapes and pictures at twip
// positions, and the pages laid out from rows of text. The pages are a model (what stands
// where on which page) that the painter draws onto the preview, a printer or a PDF file alike.
//
// Nothing a field holds is cut: its text breaks to its box's width, and a box that needs more
// lines than it has grows downward, moving down what stands below it in its block.
#include <QDateTime>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QRectF;

namespace tlm::report {

constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPoint = 20;

// The one data format fields know: a number as dollars and cents with thousands separators.
inline const QString kDollarFormat = QStringLiteral("\"$\"#,##0.00");

struct Font {
    QString family = QStringLiteral("Times New Roman");
    qreal pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class Align { Left, Center, Right };

// Draws a picture inside the given rectangle (in twips).
using PictureFn = std::function<void(QPainter&, const QRectF&)>;

struct Control {
    enum class Kind { Label, Field, Shape, Line, Picture };

    Kind kind = Kind::Label;
    QString name;
    QRect rect;       // twips within its section
    QString caption;  // Label: may hold the codes %d %T %p %P
    QString column;   // Field: the column it shows
    QString format;   // Field: empty, or kDollarFormat
    Font font;
    Align align = Align::Left;
    bool wordWrap = false;   // Label: break long text over the lines the box holds;
                             // Field: keep the text's own line breaks
    bool filled = false;     // Shape: solid instead of outlined
    int lineTwips = 15;      // Shape, Line: pen width
    PictureFn picture;       // Picture
};

struct Section {
    QString name;
    int height = 0; // twips; 0 leaves the section out
    std::vector<Control> controls;

    Control& label(const QString& name, const QString& caption, QRect rect, Font font = {}, Align align = Align::Left);
    Control& field(const QString& name, const QString& column, QRect rect, Font font = {}, Align align = Align::Left);
    Control& shape(const QString& name, QRect rect, bool filled = false);
    Control& line(const QString& name, QRect rect);
    Control& picture(const QString& name, QRect rect, PictureFn paint);
};

struct Design {
    QSize paper{12240, 15840}; // US Letter, portrait
    int leftMargin = 720;
    int topMargin = 720;
    int bottomMargin = 720;
    Section reportHeader;
    Section pageHeader;
    Section detail;
    Section pageFooter;
    Section reportFooter;

    // The height of the page between the page header and the page footer.
    int bodyTop() const { return topMargin + pageHeader.height; }
    int bodyBottom() const { return paper.height() - bottomMargin - pageFooter.height; }
};

// The rows a report prints: one detail block each, values by column name.
struct Rows {
    QStringList columns;
    std::vector<QStringList> values; // values[row][column index]

    QString value(qsizetype row, const QString& column) const;
};

// One thing drawn on a page, with its place on the paper in twips.
struct Item {
    Control::Kind kind = Control::Kind::Label;
    QString name;         // the control's name
    QString section;      // its section's name
    qsizetype row = -1;   // the detail row it belongs to, -1 outside the detail
    QRect rect;           // twips from the paper's top-left corner
    QString text;         // what a label or field prints
    QStringList lines;    // Field: the lines of its text on this page, each within the box's width
    const Control* control = nullptr;
};

class ControlFonts;

// Where a block's controls stand once its fields have grown, and the lines of its fields.
struct PlacedBlock;

// A section placed on a page: all of it, or the part of a block taller than a page that this
// page holds.
struct Band {
    const Section* section = nullptr;
    qsizetype row = -1; // detail row, -1 for the other sections
    int top = 0;        // twips from the paper's top
    int height = 0;     // twips of the block this page holds
    int from = 0;       // where in the block this page's part starts
    std::shared_ptr<const PlacedBlock> block; // null when the block prints as designed
};

class Layout {
public:
    Layout() = default;
    // Lays the rows out on pages; the date and time codes print `now`.
    static Layout build(std::shared_ptr<const Design> design, std::shared_ptr<const Rows> rows, const QDateTime& now);

    int pageCount() const { return int(pages_.size()); }
    QSize paper() const { return design_ ? design_->paper : QSize(); }
    const std::vector<Band>& bands(int page) const { return pages_.at(size_t(page)); }
    // Everything page `page` (0-based) prints, in drawing order.
    std::vector<Item> items(int page) const;
    // The items of control `name` on a page.
    std::vector<Item> itemsNamed(int page, const QString& name) const;
    const Design* design() const { return design_.get(); }

private:
    QString labelText(const QString& caption, int page) const;
    QString fieldText(const Control& control, qsizetype row) const;
    std::shared_ptr<const PlacedBlock> placeBlock(const Section& section, qsizetype row, ControlFonts& fonts) const;

    std::shared_ptr<const Design> design_;
    std::shared_ptr<const Rows> rows_;
    QDateTime now_;
    std::vector<std::vector<Band>> pages_;
};

// A field's text through its data format: kDollarFormat turns an amount into "$1,250.00";
// a text that is not an amount prints as it is.
QString formatValue(const QString& value, const QString& format);

} // namespace tlm::report

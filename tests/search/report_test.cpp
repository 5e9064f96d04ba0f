#include "support/test_program.h"

#include "data/fields.h"
#include "data/placeholders.h"
#include "platform/report/render.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGraphicsView>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace tlm::test {
namespace {

using report::Item;
namespace Prt = fld::Print;

const QString kPrintingError = QStringLiteral(
    "A Printing Error Has Occurred...You May Not Have A Printer Installed Or Is Installed Incorrectly.");

// Page header height and detail height of the asset report, and the paper's top margin.
constexpr int kTop = 720, kLeft = 720, kHeader = 1680, kDetail = 2040;

QStringList assetRow(int n)
{
    return {QString::number(100 + n), n % 2 ? "Indoor" : "outdoor", QStringLiteral("Room %1").arg(n), "Electronics",
            QStringLiteral("Item %1").arg(n), "2004", QStringLiteral("Make %1").arg(n), "M-1", QStringLiteral("SN-%1").arg(n),
            "3/7/2006", QStringLiteral("$%1.00").arg(n * 10000 + 1450), "Yes", "File Cabinet", QStringLiteral("Description %1").arg(n)};
}

// The text of control `name` on a page (of the detail row `row`, or outside the detail).
QString textOf(const report::Layout& layout, int page, const QString& name, qsizetype row = -1)
{
    for (const Item& item : layout.itemsNamed(page, name))
        if (item.row == row)
            return item.text;
    return QStringLiteral("<missing>");
}

Item itemOf(const report::Layout& layout, int page, const QString& name, qsizetype row = -1)
{
    for (const Item& item : layout.itemsNamed(page, name))
        if (item.row == row)
            return item;
    ADD_FAILURE() << "no " << name.toStdString() << " on page " << page;
    return {};
}

QString withoutBlanks(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

qreal lineHeightOf(const Item& item) { return QFontMetricsF(report::qFont(item.control->font)).height(); }

// Every line of a field's text fits its box, inside and across, and no text of a block stands
// over a field's wrapped lines.
void expectEveryLineInItsBoxAndNoneOverAnother(const report::Layout& layout, int page, qsizetype row)
{
    std::vector<Item> texts;
    for (const Item& item : layout.items(page)) {
        if (item.row != row || item.text.isEmpty())
            continue;
        if (item.kind == report::Control::Kind::Field) {
            const QFontMetricsF metrics(report::qFont(item.control->font));
            for (const QString& line : item.lines)
                EXPECT_LE(metrics.horizontalAdvance(line), item.rect.width()) << line.toStdString();
            EXPECT_LE(item.lines.size() * metrics.height(), item.rect.height() + 0.5) << item.name.toStdString();
        }
        if (item.kind == report::Control::Kind::Field || item.kind == report::Control::Kind::Label)
            texts.push_back(item);
    }
    const auto printedLines = [](const Item& item) {
        return item.kind == report::Control::Kind::Field ? item.lines.size() : qsizetype(1);
    };
    for (size_t a = 0; a < texts.size(); ++a) {
        for (size_t b = a + 1; b < texts.size(); ++b) {
            const Item& i = texts[a];
            const Item& j = texts[b];
            if (printedLines(i) < 2 && printedLines(j) < 2)
                continue;
            const bool side = i.rect.right() < j.rect.left() || j.rect.right() < i.rect.left();
            const qreal iBottom = i.rect.top() + printedLines(i) * lineHeightOf(i);
            const qreal jBottom = j.rect.top() + printedLines(j) * lineHeightOf(j);
            EXPECT_TRUE(side || iBottom <= j.rect.top() || jBottom <= i.rect.top())
                << i.name.toStdString() << " over " << j.name.toStdString();
        }
    }
}

int pdfPages(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = f.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

// Limits the size of any file this process writes, as a full disk would, while it lives; a
// write past the limit fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit before_{};
    void (*previous_)(int) = nullptr;
};

class ReportTest : public ::testing::Test {
protected:
    ReportTest() { t.openData(); }

    // Rows 1..rows of assetRow(), each through `edit` when one is given.
    void fillPrint(int rows, const std::function<void(int, QStringList&)>& edit = {})
    {
        Recordset& print = t->Data1().rsPrint;
        for (int n = 1; n <= rows; ++n) {
            print.AddNew();
            QStringList values = assetRow(n);
            if (edit)
                edit(n, values);
            for (int i = 0; i < Prt::Count; ++i)
                print.setField(i, values.at(i));
            print.Update();
        }
    }

    std::vector<screens::ReportScreen*> reports()
    {
        return {&t->AssetReport(), &t->CoverSheet(), &t->FillOutForm()};
    }

    // Presses `button`, which must end in the printing error and nothing else.
    void expectPrintingError(screens::ReportScreen& report, QPushButton* button)
    {
        t.msgs->expect(vbOK, kPrintingError);
        button->click();
        ASSERT_EQ(t.msgs->shown.size(), 1u) << report.documentName().toStdString();
        EXPECT_EQ(t.msgs->shown[0].style, 16);
        EXPECT_EQ(t.msgs->shown[0].title, kTitle);
        EXPECT_TRUE(report.Visible()) << "the window stays as it was";
        t.msgs->shown.clear();
    }

    TestProgram t;
};

TEST_F(ReportTest, AssetReportPrintsEveryPrintRowInItsPlaceOnNumberedPages)
{
    fillPrint(13);
    // A walk by another screen left the shared cursor at the end: the report still starts at the first row.
    Recordset& print = t->Data1().rsPrint;
    while (!print.isEOF())
        print.MoveNext();

    screens::AssetReport& report = t->AssetReport();
    report.Show();
    EXPECT_TRUE(report.Visible());
    EXPECT_FALSE(print.isEOF()) << "the report leaves Print on a row";
    EXPECT_EQ(print.text(Prt::AssetNumber), QStringLiteral("101"));

    const report::Layout& layout = report.layout();
    ASSERT_EQ(layout.pageCount(), 3); // 6 blocks a page
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(textOf(layout, page, "Label10"), QStringLiteral("Tallowmere"));
        EXPECT_EQ(textOf(layout, page, "Label21"), QStringLiteral("Asset Report"));
        EXPECT_EQ(textOf(layout, page, "Label17"), QStringLiteral("6/15/2026"));
        EXPECT_EQ(textOf(layout, page, "Label15"), QStringLiteral("10:00:00 AM"));
        EXPECT_EQ(textOf(layout, page, "Label16"), QString::number(page + 1));
        EXPECT_EQ(textOf(layout, page, "Label20"), QStringLiteral("3"));
    }
    EXPECT_EQ(itemOf(layout, 0, "Label10").rect, QRect(kLeft + 3570, kTop + 750, 3750, 420));
    EXPECT_EQ(itemOf(layout, 2, "Label20").rect, QRect(kLeft + 9600, kTop + 1275, 795, 300));
    EXPECT_EQ(itemOf(layout, 1, "Image1").rect, QRect(kLeft + 4995, kTop + 60, 900, 615));

    // Every row once, in the table's order, whole on its page; field 0 is not printed.
    qsizetype next = 0;
    for (int page = 0; page < 3; ++page) {
        for (const report::Band& band : layout.bands(page)) {
            if (band.row < 0)
                continue;
            EXPECT_EQ(band.row, next++);
            EXPECT_LE(band.top + kDetail, 15840 - 720) << "a block runs off page " << page;
        }
    }
    EXPECT_EQ(next, 13);
    for (const Item& item : layout.items(0))
        EXPECT_NE(item.text, QStringLiteral("101"));

    // The 8th row is the 2nd block of page 2: every field under its label, from Print.
    const qsizetype row = 7;
    const int top = kTop + kHeader + kDetail;
    const QStringList values = assetRow(8);
    const std::pair<const char*, int> fields[] = {
        {"txtArea", Prt::Area}, {"txtLocation", Prt::Location}, {"txtCategory", Prt::Category},
        {"txtType", Prt::Type}, {"txtYear", Prt::Year}, {"txtMake", Prt::Make}, {"txtModel", Prt::Model},
        {"txtSerialVINID", Prt::Serial}, {"txtReceipt", Prt::Receipt}, {"txtReceiptLocation", Prt::ReceiptLocation},
        {"txtDatePurchased", Prt::DatePurchased}, {"txtDescription", Prt::Description}};
    for (const auto& [name, field] : fields)
        EXPECT_EQ(textOf(layout, 1, name, row), values.at(field)) << name;
    EXPECT_EQ(textOf(layout, 1, "txtAmount", row), QStringLiteral("$81,450.00"));
    EXPECT_EQ(textOf(layout, 1, "Label14", row), QStringLiteral("Receipt Location:"));
    EXPECT_EQ(itemOf(layout, 1, "txtAmount", row).rect, QRect(kLeft + 8835, top + 975, 1365, 300));
    EXPECT_EQ(itemOf(layout, 1, "Label12", row).rect, QRect(kLeft + 7035, top + 975, 1680, 300));
    EXPECT_EQ(itemOf(layout, 1, "txtSerialVINID", row).rect, QRect(kLeft + 4845, top + 975, 2100, 300));
    EXPECT_EQ(itemOf(layout, 1, "txtDescription", row).rect, QRect(kLeft + 1770, top + 1380, 8445, 450));
    EXPECT_EQ(itemOf(layout, 1, "Label2", row).rect, QRect(kLeft + 465, top + 1335, 1200, 240));

    // The pages are read when the report is shown, not while it stays open.
    print.MoveFirst();
    print.Delete();
    EXPECT_EQ(report.layout().pageCount(), 3);
    report.Hide();
    report.Show();
    EXPECT_EQ(report.layout().pageCount(), 2);
    EXPECT_EQ(textOf(report.layout(), 0, "txtArea", 0), QStringLiteral("outdoor"));
}

TEST_F(ReportTest, CoverSheetPrintsTheStoredTextsAsTheyAre)
{
    screens::CoverSheet& sheet = t->CoverSheet();
    sheet.Show();
    const report::Layout& first = sheet.layout();
    ASSERT_EQ(first.pageCount(), 1);
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text7", "Text11", "Text12", "Text13", "Text14"})
        EXPECT_EQ(textOf(first, 0, name, 0), stored::None) << name;
    for (const char* name : {"Text8", "Text16", "Text19", "Text20", "Text9", "Text10"})
        EXPECT_EQ(textOf(first, 0, name, 0), stored::NoPhone3) << name;
    for (const char* name : {"Text17", "Text21", "Text18"})
        EXPECT_EQ(textOf(first, 0, name, 0), stored::NoPhone4) << name;
    EXPECT_EQ(textOf(first, 0, "Text15", 0), QStringLiteral("$0.00"));
    sheet.Hide();

    Recordset& general = t->Data1().general();
    general.setField(fld::PersonalInfo::WorkPhone2, QStringLiteral("555"));
    general.setField(fld::PersonalInfo::First, QStringLiteral("none"));
    general.setField(fld::PersonalInfo::AssetValue, CCur(QStringLiteral("1234567.5")));
    general.Update();
    sheet.Show();
    const report::Layout& later = sheet.layout();
    EXPECT_EQ(textOf(later, 0, "Text20", 0), QStringLiteral("555")); // the column with the double blank
    EXPECT_EQ(textOf(later, 0, "Text1", 0), QStringLiteral("none"));
    EXPECT_EQ(textOf(later, 0, "Text15", 0), QStringLiteral("$1,234,567.50"));
    EXPECT_EQ(textOf(later, 0, "Label3"), QStringLiteral("Asset Report"));
    const int top = kTop + 1980;
    EXPECT_EQ(itemOf(later, 0, "Text15", 0).rect, QRect(kLeft + 3456, top + 9792, 4455, 420));
    EXPECT_EQ(itemOf(later, 0, "Label18", 0).rect, QRect(kLeft + 2304, top + 7488, 3030, 285));
    EXPECT_EQ(itemOf(later, 0, "Text11", 0).rect, QRect(kLeft + 5475, top + 6210, 5340, 360));
}

// Nothing stored is cut: a long text breaks within its box, which grows down, and what stands
// below it moves down with it; blocks after it follow, and the page count grows to hold them.
TEST_F(ReportTest, LongTextsPrintWholeAndPushWhatIsBelowDown)
{
    const QString make = QStringLiteral("ABCDEFGHIJ").repeated(8); // no blank to break at
    const QString serial = QStringLiteral("0123456789").repeated(8);
    QStringList words;
    for (int n = 0; words.join(u' ').size() < 2000; ++n)
        words << QStringLiteral("scratch%1").arg(n);
    const QString description = words.join(u' ');
    fillPrint(6, [&](int n, QStringList& values) {
        if (n == 3) {
            values[Prt::Make] = make;
            values[Prt::Serial] = serial;
            values[Prt::Description] = description;
        }
    });
    screens::AssetReport& report = t->AssetReport();
    report.Show();
    const report::Layout& layout = report.layout();
    // Six blocks of short texts fill one page; the grown third leaves no room for the fourth.
    ASSERT_EQ(layout.pageCount(), 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_EQ(textOf(layout, page, "Label16"), QString::number(page + 1));
        EXPECT_EQ(textOf(layout, page, "Label20"), QStringLiteral("2"));
    }
    const qsizetype row = 2;
    EXPECT_EQ(itemOf(layout, 0, "txtMake", row).lines.join(QString()), make);
    EXPECT_EQ(itemOf(layout, 0, "txtSerialVINID", row).lines.join(QString()), serial);
    const Item desc = itemOf(layout, 0, "txtDescription", row);
    EXPECT_EQ(withoutBlanks(desc.lines.join(QString())), withoutBlanks(description));
    expectEveryLineInItsBoxAndNoneOverAnother(layout, 0, row);

    // The row of the grown Make stays; the rows under it, in all three columns, move down by its
    // growth, and the description by that and the serial's.
    const int top = kTop + kHeader + 2 * kDetail;
    const int makeGrowth = itemOf(layout, 0, "txtMake", row).rect.height() - 300;
    const int serialGrowth = itemOf(layout, 0, "txtSerialVINID", row).rect.height() - 300;
    EXPECT_GT(makeGrowth, 0);
    EXPECT_GT(serialGrowth, 0);
    EXPECT_EQ(itemOf(layout, 0, "txtMake", row).rect.topLeft(), QPoint(kLeft + 4845, top + 405));
    EXPECT_EQ(itemOf(layout, 0, "txtArea", row).rect, QRect(kLeft + 1770, top + 120, 2100, 300));
    EXPECT_EQ(itemOf(layout, 0, "txtReceiptLocation", row).rect, QRect(kLeft + 8835, top + 405, 1365, 300));
    EXPECT_EQ(itemOf(layout, 0, "txtModel", row).rect, QRect(kLeft + 4845, top + 690 + makeGrowth, 2100, 300));
    EXPECT_EQ(itemOf(layout, 0, "Label3", row).rect, QRect(kLeft + 660, top + 690 + makeGrowth, 1005, 285));
    EXPECT_EQ(itemOf(layout, 0, "txtAmount", row).rect, QRect(kLeft + 8835, top + 975 + makeGrowth, 1365, 300));
    EXPECT_EQ(itemOf(layout, 0, "txtSerialVINID", row).rect.top(), top + 975 + makeGrowth);
    EXPECT_EQ(itemOf(layout, 0, "Label2", row).rect, QRect(kLeft + 465, top + 1335 + makeGrowth + serialGrowth, 1200, 240));
    EXPECT_EQ(desc.rect.top(), top + 1380 + makeGrowth + serialGrowth);
    EXPECT_GT(desc.rect.height(), 450);

    // The block keeps its space under the description; the next one follows it, as designed.
    const report::Band& grown = layout.bands(0)[3];
    ASSERT_EQ(grown.row, row);
    EXPECT_EQ(grown.top + grown.height, desc.rect.top() + desc.rect.height() + (kDetail - 1830));
    EXPECT_EQ(itemOf(layout, 0, "txtAmount", 1).rect, QRect(kLeft + 8835, top - kDetail + 975, 1365, 300));
    EXPECT_EQ(itemOf(layout, 1, "txtAmount", 3).rect, QRect(kLeft + 8835, kTop + kHeader + 975, 1365, 300));
    EXPECT_EQ(itemOf(layout, 1, "txtDescription", 5).rect,
              QRect(kLeft + 1770, kTop + kHeader + 2 * kDetail + 1380, 8445, 450));

    // The cover sheet's fields too: a long address moves the city and all below it.
    Recordset& general = t->Data1().general();
    const QString address = QStringLiteral("Apartment 12B, The Old Mill Buildings, ").repeated(6);
    general.setField(fld::PersonalInfo::Address, address);
    general.Update();
    screens::CoverSheet& sheet = t->CoverSheet();
    sheet.Show();
    const report::Layout& cover = sheet.layout();
    ASSERT_EQ(cover.pageCount(), 1);
    const Item text4 = itemOf(cover, 0, "Text4", 0);
    EXPECT_EQ(withoutBlanks(text4.lines.join(QString())), withoutBlanks(address));
    expectEveryLineInItsBoxAndNoneOverAnother(cover, 0, 0);
    const int grown4 = text4.rect.height() - 420;
    EXPECT_GT(grown4, 0);
    const int coverTop = kTop + 1980;
    EXPECT_EQ(itemOf(cover, 0, "Label10", 0).rect.top(), coverTop + 2160);
    EXPECT_EQ(itemOf(cover, 0, "Label11", 0).rect.top(), coverTop + 2592 + grown4);
    EXPECT_EQ(itemOf(cover, 0, "Text5", 0).rect.top(), coverTop + 2580 + grown4);
    EXPECT_EQ(itemOf(cover, 0, "Text15", 0).rect, QRect(kLeft + 3456, coverTop + 9792 + grown4, 4455, 420));
}

TEST_F(ReportTest, FillOutFormIsOnePageOfLabelsAndEmptyBoxes)
{
    screens::FillOutForm& form = t->FillOutForm();
    form.Show();
    const report::Layout& layout = form.layout();
    ASSERT_EQ(layout.pageCount(), 1);
    int boxes = 0;
    for (const Item& item : layout.items(0)) {
        EXPECT_NE(item.kind, report::Control::Kind::Field);
        boxes += item.kind == report::Control::Kind::Shape;
    }
    EXPECT_EQ(boxes, 11);
    EXPECT_EQ(itemOf(layout, 0, "Shape11", 0).rect, QRect(kLeft + 3744, kTop + 9216, 6195, 1440));
    EXPECT_EQ(itemOf(layout, 0, "Label26", 0).rect, QRect(kLeft + 1008, kTop + 8496, 2580, 285));
    EXPECT_EQ(textOf(layout, 0, "Label24", 0), QStringLiteral("(Format: mm/dd/yyyy)"));
}

// What a person would see cut: a caption wider than its box.
TEST_F(ReportTest, EveryCaptionFitsItsBox)
{
    fillPrint(1);
    for (screens::ReportScreen* report : reports()) {
        report->Refresh();
        for (const Item& item : report->layout().items(0)) {
            if (item.kind != report::Control::Kind::Label)
                continue;
            const qreal width = QFontMetricsF(report::qFont(item.control->font)).horizontalAdvance(item.text);
            EXPECT_LE(width, item.rect.width())
                << report->documentName().toStdString() << " " << item.name.toStdString() << " \""
                << item.text.toStdString() << "\"";
        }
    }
}

TEST_F(ReportTest, AFailedPrintOrExportShowsThePrintingError)
{
    fillPrint(2);
    for (screens::ReportScreen* report : reports()) {
        report->Show();
        t.printer->mode = FakePrinter::Mode::Fail;
        expectPrintingError(*report, report->viewer->cmdPrint);

        t.saveDialog->expect(t.root() + QStringLiteral("/no such folder/report.pdf"));
        expectPrintingError(*report, report->viewer->cmdExport);
        EXPECT_FALSE(QFile::exists(t.root() + QStringLiteral("/no such folder/report.pdf")));

        // Cancelled dialogs are no errors.
        t.printer->mode = FakePrinter::Mode::Cancel;
        report->viewer->cmdPrint->click();
        t.saveDialog->expect(QString());
        report->viewer->cmdExport->click();

        t.printer->mode = FakePrinter::Mode::Print;
        report->viewer->cmdPrint->click();
        EXPECT_TRUE(t.msgs->shown.empty());
        ASSERT_FALSE(t.printer->printedFiles.isEmpty());
        EXPECT_EQ(pdfPages(t.printer->printedFiles.last()), 1);
        report->Hide();
    }
}

// The disk fills as the export writes its last bytes (fonts, cross-reference table, trailer):
// the export reports the failure and the file the user saved before stays as it was.
TEST_F(ReportTest, AnExportCutShortKeepsTheEarlierFileAndShowsThePrintingError)
{
    fillPrint(8);
    screens::AssetReport& report = t->AssetReport();
    report.Show();
    const QString whole = t.root() + QStringLiteral("/whole.pdf");
    t.saveDialog->expect(whole);
    report.viewer->cmdExport->click();
    const qint64 size = QFile(whole).size();
    ASSERT_GT(size, 1000);

    const QString file = t.root() + QStringLiteral("/Asset Report.pdf");
    const QByteArray earlier = "%PDF-1.4 the report saved last week";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(earlier);
    }
    // Full in the file's tail, and halfway through it.
    for (const qint64 room : {size - 200, size / 2}) {
        {
            FileSizeLimit full{rlim_t(room)};
            t.saveDialog->expect(file);
            expectPrintingError(report, report.viewer->cmdExport);
        }
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().toStdString(), earlier.toStdString()) << "room for " << room << " bytes";
    }
    EXPECT_EQ(QDir(t.root()).entryList({QStringLiteral("*.pdf*")}, QDir::Files),
              QStringList({QStringLiteral("Asset Report.pdf"), QStringLiteral("whole.pdf")}))
        << "nothing is left beside it";

    // With room again the same export replaces it whole.
    t.saveDialog->expect(file);
    report.viewer->cmdExport->click();
    EXPECT_TRUE(t.msgs->shown.empty());
    EXPECT_EQ(QFile(file).size(), size);
}

TEST_F(ReportTest, ExportWritesEveryReportAsAPdfOfItsPages)
{
    fillPrint(8);
    const std::pair<screens::ReportScreen*, int> expected[] = {
        {&t->AssetReport(), 2}, {&t->CoverSheet(), 1}, {&t->FillOutForm(), 1}};
    for (const auto& [report, pages] : expected) {
        report->Show();
        const QString file = t.root() + QStringLiteral("/%1.pdf").arg(report->documentName());
        t.saveDialog->expect(file);
        report->viewer->cmdExport->click();
        EXPECT_GT(QFile(file).size(), 1000) << file.toStdString();
        EXPECT_EQ(pdfPages(file), pages) << file.toStdString();
        report->Hide();
    }
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST_F(ReportTest, TheWindowIsReadAndClosedFromTheKeyboard)
{
    fillPrint(13);
    screens::AssetReport& report = t->AssetReport();
    int drawings = 0;
    QObject::connect(report.viewer->preview, &QPrintPreviewWidget::paintRequested, [&drawings] { ++drawings; });
    report.Show();
    EXPECT_EQ(drawings, 1) << "the pages are drawn once when the window opens";
    report::ReportViewer& v = *report.viewer;
    EXPECT_EQ(v.lblPage->text(), QStringLiteral("Page 1 of 3"));
    EXPECT_EQ(v.preview->pageCount(), 3);
    EXPECT_FALSE(v.cmdPrevious->isEnabled());
    v.cmdNext->click();
    EXPECT_EQ(v.currentPage(), 2);
    v.cmdLast->click();
    EXPECT_EQ(v.currentPage(), 3);
    EXPECT_EQ(v.lblPage->text(), QStringLiteral("Page 3 of 3"));
    EXPECT_FALSE(v.cmdNext->isEnabled());
    EXPECT_EQ(v.cmdExport->accessibleName(), QStringLiteral("Export to PDF"));
    EXPECT_EQ(v.cmdPrint->accessibleDescription(), v.cmdPrint->toolTip());
    // The page view, shown as pictures, tells where the report's text is.
    auto* pages = v.preview->findChild<QGraphicsView*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(pages)->text(QAccessible::Description).contains("Export to PDF"));

    QApplication::setActiveWindow(&report);
    QTest::keyClick(v.cmdNext, Qt::Key_PageUp);
    EXPECT_EQ(v.currentPage(), 2);
    QTest::keyClick(v.cmdNext, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(v.cmdClose->isDown()) << "Alt+C presses Close";
    QTest::keyClick(v.cmdNext, Qt::Key_Escape);
    EXPECT_FALSE(report.Visible()) << "the report is closed; another may be started";
}

} // namespace
} // namespace tlm::test

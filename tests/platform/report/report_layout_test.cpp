#include "platform/report/render.h"
#include "platform/report/report.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tlm;
using namespace tlm::report;

namespace {

// A page 6000 twips high: margins 500, a header of 1000 and a footer of 500 leave a body of
// 3500 (bodyTop 1500, bodyBottom 5000); blocks of 1000 fit three to a page.
std::shared_ptr<Design> smallDesign()
{
    auto d = std::make_shared<Design>();
    d->paper = QSize(8000, 6000);
    d->leftMargin = d->topMargin = d->bottomMargin = 500;
    d->pageHeader.name = QStringLiteral("Header");
    d->pageHeader.height = 1000;
    d->pageHeader.label(QStringLiteral("Pages"), QStringLiteral("Page %p of %P"), {100, 0, 3000, 300});
    d->pageHeader.label(QStringLiteral("When"), QStringLiteral("%d %T, 100% sure"), {100, 300, 3000, 300});
    d->pageFooter.name = QStringLiteral("Footer");
    d->pageFooter.height = 500;
    d->pageFooter.line(QStringLiteral("Rule"), {0, 0, 7000, 0});
    d->detail.name = QStringLiteral("Detail");
    d->detail.height = 1000;
    d->detail.field(QStringLiteral("Name"), QStringLiteral("Name"), {200, 100, 3000, 300});
    d->detail.field(QStringLiteral("Price"), QStringLiteral("Price"), {3300, 100, 1500, 300}).format = kDollarFormat;
    return d;
}

std::shared_ptr<Rows> rowsOf(int count)
{
    auto rows = std::make_shared<Rows>();
    rows->columns = {QStringLiteral("Price"), QStringLiteral("Name")};
    for (int n = 0; n < count; ++n)
        rows->values.push_back({QStringLiteral("$%1.5").arg(n * 1000), QStringLiteral("Asset %1").arg(n)});
    return rows;
}

const QDateTime kNow(QDate(2026, 1, 5), QTime(21, 7, 3));

QString withoutBlanks(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

// A paint device that keeps the text painted on it, each piece with its baseline's start, in
// the painter's units (twips).
class TextRecorder : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF at;
    };
    std::vector<Text> texts;

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 8000;
        case PdmHeight: return 6000;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return kTwipsPerInch;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder& recorder) : QPaintEngine(AllFeatures), recorder_(recorder) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF& at, const QTextItem& item) override
        {
            recorder_.texts.push_back({item.text(), state->transform().map(at)});
        }
        Type type() const override { return User; }

    private:
        TextRecorder& recorder_;
    };
    mutable Engine engine_{*this};
};

QString textOf(const Layout& layout, int page, const QString& name, qsizetype row = -1)
{
    for (const Item& item : layout.itemsNamed(page, name))
        if (item.row == row)
            return item.text;
    return QStringLiteral("<missing>");
}

} // namespace

TEST(ReportLayout, PrintsCodesAndFormatsFields)
{
    const Layout layout = Layout::build(smallDesign(), rowsOf(2), kNow);
    EXPECT_EQ(textOf(layout, 0, "When"), QStringLiteral("1/5/2026 9:07:03 PM, 100% sure"));
    EXPECT_EQ(textOf(layout, 0, "Pages"), QStringLiteral("Page 1 of 1"));
    EXPECT_EQ(textOf(layout, 0, "Name", 1), QStringLiteral("Asset 1"));
    EXPECT_EQ(textOf(layout, 0, "Price", 1), QStringLiteral("$1,000.50"));
    EXPECT_EQ(textOf(layout, 0, "Price", 0), QStringLiteral("$0.50"));

    EXPECT_EQ(formatValue(QStringLiteral("1250.5"), kDollarFormat), QStringLiteral("$1,250.50"));
    EXPECT_EQ(formatValue(QStringLiteral("$1250.00"), kDollarFormat), QStringLiteral("$1,250.00"));
    EXPECT_EQ(formatValue(QStringLiteral("0"), kDollarFormat), QStringLiteral("$0.00"));
    EXPECT_EQ(formatValue(QStringLiteral("-5"), kDollarFormat), QStringLiteral("-$5.00"));
    EXPECT_EQ(formatValue(QStringLiteral("None"), kDollarFormat), QStringLiteral("None"));
    EXPECT_EQ(formatValue(QString(), kDollarFormat), QString());
    EXPECT_EQ(formatValue(QStringLiteral("1250.5"), QString()), QStringLiteral("1250.5"));
}

TEST(ReportLayout, BreaksPagesBetweenBlocksAndNumbersThem)
{
    auto design = smallDesign();
    const Layout layout = Layout::build(design, rowsOf(7), kNow);
    ASSERT_EQ(layout.pageCount(), 3);
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(textOf(layout, page, "Pages"), QStringLiteral("Page %1 of 3").arg(page + 1));
        const std::vector<Band>& bands = layout.bands(page);
        EXPECT_EQ(bands.front().section, &design->pageHeader);
        EXPECT_EQ(bands.front().top, 500);
        EXPECT_EQ(bands.back().section, &design->pageFooter);
        EXPECT_EQ(bands.back().top, 5000);
    }
    // Three blocks fill 1500..4500; the fourth would end at 5500, past the body: next page.
    EXPECT_EQ(layout.bands(0).size(), 5u);
    EXPECT_EQ(layout.bands(1)[1].row, 3);
    EXPECT_EQ(layout.bands(1)[1].top, 1500);
    EXPECT_EQ(layout.bands(2).size(), 3u);
    EXPECT_EQ(layout.itemsNamed(1, "Name").front().rect, QRect(700, 1600, 3000, 300));

    // A block that fits exactly stays; one twip more moves it.
    design->detail.height = 1750;
    EXPECT_EQ(Layout::build(design, rowsOf(2), kNow).pageCount(), 1);
    design->detail.height = 1751;
    EXPECT_EQ(Layout::build(design, rowsOf(2), kNow).pageCount(), 2);
    // A block taller than the body starts a page and goes on over the pages it needs
    // (3500 + 3500 + 2000); the next block does not fit below it and starts a page too.
    design->detail.height = 9000;
    EXPECT_EQ(Layout::build(design, rowsOf(2), kNow).pageCount(), 6);
    // No rows: one page with its header and footer.
    const Layout empty = Layout::build(design, rowsOf(0), kNow);
    ASSERT_EQ(empty.pageCount(), 1);
    EXPECT_EQ(empty.bands(0).size(), 2u);
    // A report footer that does not fit below the last block starts a page.
    design->detail.height = 1000;
    design->reportFooter.height = 600;
    EXPECT_EQ(Layout::build(design, rowsOf(3), kNow).pageCount(), 2);
    EXPECT_EQ(Layout::build(design, rowsOf(2), kNow).pageCount(), 1);
}

TEST(ReportLayout, ExportsEveryPageOrReportsTheFailure)
{
    QTemporaryDir dir;
    const Layout layout = Layout::build(smallDesign(), rowsOf(7), kNow);
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(exportPdf(layout, file, QStringLiteral("Report")));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n"), 3);
    EXPECT_TRUE(bytes.contains("LiberationSerif")) << "Times New Roman prints as Liberation Serif";

    const QString unwritable = dir.filePath(QStringLiteral("missing/report.pdf"));
    EXPECT_FALSE(exportPdf(layout, unwritable, QStringLiteral("Report")));
    EXPECT_FALSE(QFile::exists(unwritable));

    // A folder the user may not write into (root writes anywhere): the file there stays.
    if (::geteuid() != 0) {
        const QString locked = dir.filePath(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile earlier(locked + QStringLiteral("/report.pdf"));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
        EXPECT_FALSE(exportPdf(layout, earlier.fileName(), QStringLiteral("Report")));
        ::chmod(QFile::encodeName(locked).constData(), 0755);
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
        ASSERT_TRUE(QDir(locked).removeRecursively());
    }

    pdf.close();
    // A second export replaces the file whole and leaves nothing else beside it.
    ASSERT_TRUE(exportPdf(Layout::build(smallDesign(), rowsOf(1), kNow), file, QStringLiteral("Report")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});
}

// A field's text breaks to its box, however long, and a block taller than a page goes on over
// the next pages between two lines: every word is painted once, in order, and no line stands
// over a page's edge.
TEST(ReportLayout, ALongFieldPrintsWholeOverThePagesItNeeds)
{
    auto design = smallDesign();
    design->detail.field(QStringLiteral("Notes"), QStringLiteral("Notes"), {400, 450, 3000, 250}).wordWrap = true;
    design->detail.label(QStringLiteral("After"), QStringLiteral("After the notes"), {200, 750, 1800, 200});
    design->detail.line(QStringLiteral("Rule"), {0, 990, 7000, 0});

    QStringList words;
    for (int n = 0; words.join(u' ').size() < 3000; ++n)
        words << QStringLiteral("word%1").arg(n);
    words.insert(40, QStringLiteral("SERIAL-").repeated(20)); // no blank to break at
    const QString longNotes = words.join(u' ') + QStringLiteral("\nLast line.");
    auto rows = rowsOf(3);
    rows->columns << QStringLiteral("Notes");
    rows->values[0] << QStringLiteral("First notes.");
    rows->values[1] << longNotes;
    rows->values[2] << QStringLiteral("Closing notes.");
    const Layout layout = Layout::build(design, rows, kNow);

    const int count = layout.pageCount();
    ASSERT_GT(count, 5);
    const QFontMetricsF metrics(qFont(Font{}));
    QString model;
    QString painted;
    int lastPartPage = -1;
    std::vector<qreal> lowestLine(size_t(count), 0);
    for (int page = 0; page < count; ++page) {
        EXPECT_EQ(textOf(layout, page, "Pages"), QStringLiteral("Page %1 of %2").arg(page + 1).arg(count));
        for (const Item& item : layout.itemsNamed(page, "Notes")) {
            model += item.lines.join(QString());
            for (const QString& line : item.lines)
                EXPECT_LE(metrics.horizontalAdvance(line), 3000.0) << line.toStdString();
            if (item.row == 1)
                lastPartPage = page;
        }
        TextRecorder recorder;
        QPainter painter(&recorder);
        paintPage(painter, layout, page);
        painter.end();
        for (const TextRecorder::Text& text : recorder.texts) {
            if (qRound(text.at.x()) != 900) // the notes' left edge on the paper
                continue;
            painted += text.text;
            lowestLine[size_t(page)] = qMax(lowestLine[size_t(page)], text.at.y() + metrics.descent());
            EXPECT_GE(text.at.y() - metrics.ascent(), 1500 - 0.5) << "page " << page;
            EXPECT_LE(text.at.y() + metrics.descent(), 5000 + 0.5) << "page " << page;
        }
    }
    const QString expected = withoutBlanks(QStringLiteral("First notes.") + longNotes + QStringLiteral("Closing notes."));
    EXPECT_EQ(withoutBlanks(model), expected);
    EXPECT_EQ(withoutBlanks(painted), expected);
    // A page the notes go on from is full: no room was left for another line.
    for (int page = 1; page < lastPartPage; ++page)
        EXPECT_GT(lowestLine[size_t(page)], 5000 - metrics.height()) << "page " << page;

    // What stands below the notes moves down with them and prints once, after their last line:
    // 50 twips below it as designed, or at the top of the next page if the break fell between.
    ASSERT_GT(lastPartPage, 0);
    int afterPage = -1;
    Item after;
    for (int page = 0; page < count; ++page)
        for (const Item& item : layout.itemsNamed(page, "After"))
            if (item.row == 1) {
                EXPECT_EQ(afterPage, -1) << "printed twice";
                afterPage = page;
                after = item;
            }
    Item lastPart;
    for (const Item& item : layout.itemsNamed(lastPartPage, "Notes"))
        if (item.row == 1)
            lastPart = item;
    EXPECT_EQ(lastPart.lines.constLast(), QStringLiteral("Last line."));
    if (afterPage == lastPartPage)
        EXPECT_EQ(after.rect.top(), lastPart.rect.top() + lastPart.rect.height() + 50);
    else
        EXPECT_EQ(std::pair(afterPage, after.rect.top()), std::pair(lastPartPage + 1, 1500));
    // The block after it follows on the same page, its short notes where the design has them.
    const Item rule = layout.itemsNamed(afterPage, "Rule").front(); // the block's, not the footer's
    EXPECT_EQ(rule.row, 1);
    EXPECT_EQ(rule.rect.top(), after.rect.top() + 240);
    const Item closing = layout.itemsNamed(count - 1, "Notes").back();
    EXPECT_EQ(closing.row, 2);
    EXPECT_EQ(closing.lines, QStringList{QStringLiteral("Closing notes.")});
    EXPECT_EQ(closing.rect.height(), 250);
    EXPECT_EQ(closing.rect.top(), rule.rect.top() + 10 + 450);
}

// An inventory of values and serial numbers is no one else's to read unless the user's umask
// says so; a file that is replaced keeps the mode its owner gave it.
TEST(ReportLayout, ExportedFileTakesTheUmaskOrKeepsItsMode)
{
    QTemporaryDir dir;
    const Layout layout = Layout::build(smallDesign(), rowsOf(2), kNow);
    const auto modeOf = [](const QString& file) {
        struct stat st{};
        EXPECT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
        return st.st_mode & 07777;
    };

    const QString fresh = dir.filePath(QStringLiteral("new.pdf"));
    const mode_t before = ::umask(077);
    const bool exported = exportPdf(layout, fresh, QStringLiteral("Report"));
    ::umask(before);
    ASSERT_TRUE(exported);
    EXPECT_EQ(modeOf(fresh), 0600u);

    const QString kept = dir.filePath(QStringLiteral("kept.pdf"));
    QFile(kept).open(QIODevice::WriteOnly);
    ASSERT_EQ(::chmod(QFile::encodeName(kept).constData(), 0640), 0);
    ASSERT_TRUE(exportPdf(layout, kept, QStringLiteral("Report")));
    EXPECT_EQ(modeOf(kept), 0640u);
    EXPECT_GT(QFile(kept).size(), 1000);
}

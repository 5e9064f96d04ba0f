#include "platform/report/render.h"
#include "platform/report/report.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    // A block taller than the body gets a page of its own each.
    design->detail.height = 9000;
    EXPECT_EQ(Layout::build(design, rowsOf(2), kNow).pageCount(), 2);
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

    pdf.close();
    // A second export replaces the file whole and leaves nothing else beside it.
    ASSERT_TRUE(exportPdf(Layout::build(smallDesign(), rowsOf(1), kNow), file, QStringLiteral("Report")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});
}

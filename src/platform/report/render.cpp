#include "platform/report/render.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace tlm::report {

QFont qFont(const Font& font)
{
    QFont f;
    if (font.family == QStringLiteral("Times New Roman"))
        f.setFamilies({QStringLiteral("Liberation Serif"), font.family});
    else
        f.setFamily(font.family);
    f.setPixelSize(qRound(font.pointSize * kTwipsPerPoint));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // The same letter widths on screen, paper and PDF.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPageLayout pageLayoutOf(const Layout& layout)
{
    const QSize paper = layout.paper();
    const QPageSize size(QSizeF(paper.width() / qreal(kTwipsPerInch), paper.height() / qreal(kTwipsPerInch)),
                         QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, paper.width() > paper.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

namespace {

Qt::Alignment horizontal(Align align)
{
    switch (align) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// The lines of `text` broken to the box's width; what does not fit the box's height ends the
// last line with an ellipsis, so a cut is visible.
QStringList wrappedLines(QString text, const QFont& font, const QRectF& box)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QChar::LineSeparator);
    const QFontMetricsF fm(font);
    const int fit = qMax(1, int(box.height() / fm.height()));
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(box.width());
        if (lines.size() + 1 == fit) {
            const QString rest = text.mid(line.textStart()).simplified();
            lines << fm.elidedText(rest, Qt::ElideRight, box.width());
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

void paintText(QPainter& painter, const Item& item)
{
    const Control& c = *item.control;
    if (item.text.isEmpty())
        return;
    const QFont font = qFont(c.font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF box(item.rect);
    const Qt::Alignment flags = horizontal(c.align) | Qt::AlignTop;
    if (!c.wordWrap) {
        const QString shown = QFontMetricsF(font).elidedText(item.text, Qt::ElideRight, box.width());
        painter.drawText(box, int(flags | Qt::TextSingleLine), shown);
        return;
    }
    const qreal lineHeight = QFontMetricsF(font).height();
    qreal y = box.top();
    for (const QString& line : wrappedLines(item.text, font, box)) {
        painter.drawText(QRectF(box.left(), y, box.width(), lineHeight), int(flags | Qt::TextSingleLine), line);
        y += lineHeight;
    }
}

} // namespace

void paintPage(QPainter& painter, const Layout& layout, int page)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Item& item : layout.items(page)) {
        const Control& c = *item.control;
        switch (item.kind) {
        case Control::Kind::Label:
        case Control::Kind::Field:
            paintText(painter, item);
            break;
        case Control::Kind::Shape: {
            // The border lies inside the shape's box.
            const qreal half = c.lineTwips / 2.0;
            painter.setPen(c.filled ? QPen(Qt::NoPen) : QPen(Qt::black, c.lineTwips, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(c.filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
            painter.drawRect(c.filled ? QRectF(item.rect) : QRectF(item.rect).adjusted(half, half, -half, -half));
            break;
        }
        case Control::Kind::Line:
            painter.setPen(QPen(Qt::black, c.lineTwips));
            painter.drawLine(QPointF(item.rect.topLeft()), QPointF(item.rect.left() + item.rect.width(),
                                                                   item.rect.top() + item.rect.height()));
            break;
        case Control::Kind::Picture:
            if (c.picture) {
                painter.save();
                c.picture(painter, QRectF(item.rect));
                painter.restore();
            }
            break;
        }
    }
    painter.restore();
}

bool render(QPrinter& printer, const Layout& layout)
{
    printer.setFullPage(true);
    int first = printer.fromPage() > 0 ? printer.fromPage() : 1;
    int last = printer.toPage() > 0 ? qMin(printer.toPage(), layout.pageCount()) : layout.pageCount();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const qreal scale = printer.resolution() / qreal(kTwipsPerInch);
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        paintPage(painter, layout, page - 1);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

bool exportPdf(const Layout& layout, const QString& file, const QString& title)
{
    bool ok = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setDocName(title);
        printer.setCreator(QStringLiteral("Tallowmere"));
        printer.setPageLayout(pageLayoutOf(layout));
        ok = render(printer, layout);
    } // the file is complete once the printer is gone
    ok = ok && QFileInfo(file).size() > 0;
    if (!ok && QFileInfo::exists(file))
        QFile::remove(file);
    return ok;
}

} // namespace tlm::report

#include "platform/report/render.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <unistd.h>

namespace tlm::report {

QPageLayout pageLayoutOf(const Layout& layout)
{
    const QSize paper = layout.paper();
    const QPageSize size(QSizeF(paper.width() / qreal(kTwipsPerInch), paper.height() / qreal(kTwipsPerInch)),
                         QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, paper.width() > paper.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

namespace {

class PagePainter {
public:
    explicit PagePainter(QPainter& painter) : painter_(painter) {}

    void paint(const Layout& layout, int page)
    {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        painter_.setPen(Qt::black);
        current_ = nullptr;
        for (const Item& item : layout.items(page)) {
            switch (item.kind) {
            case Control::Kind::Label:
            case Control::Kind::Field: text(item); break;
            case Control::Kind::Shape: shape(item); break;
            case Control::Kind::Line: line(item); break;
            case Control::Kind::Picture: picture(item); break;
            }
        }
        painter_.restore();
    }

private:
    void text(const Item& item)
    {
        if (item.text.isEmpty())
            return;
        const Control& c = *item.control;
        TextFont& f = fonts_.of(c);
        if (current_ != &f) {
            painter_.setFont(f.font);
            painter_.setPen(Qt::black);
            current_ = &f;
        }
        const QRectF box(item.rect);
        // A field's lines fit its box as the layout broke them; a label is a fixed text that a
        // design fits, and one that does not shows its cut with an ellipsis.
        QStringList lines = item.lines;
        if (c.kind == Control::Kind::Label) {
            lines = c.wordWrap ? breakLines(item.text, f.font, f.metrics, box.width(), true)
                               : QStringList{QString(item.text).replace(u'\n', u' ').remove(u'\r')};
            const qsizetype fit = qMax(1, int(box.height() / f.metrics.height()));
            if (lines.size() > fit)
                lines = lines.mid(0, fit - 1) << lines.mid(fit - 1).join(u' ');
            if (!lines.isEmpty() && f.width(lines.last()) > box.width())
                lines.last() = f.metrics.elidedText(lines.last(), Qt::ElideRight, box.width());
        }
        QRectF lineBox(box.left(), box.top(), box.width(), f.metrics.height());
        for (const QString& l : lines) {
            textLine(f, l, lineBox, c.align);
            lineBox.translate(0, f.metrics.height());
        }
    }

    // One line at the top of `box`.
    void textLine(TextFont& f, const QString& text, const QRectF& box, Align align)
    {
        qreal x = box.left();
        const qreal width = align == Align::Left ? 0 : f.width(text);
        if (align == Align::Center)
            x += (box.width() - width) / 2;
        else if (align == Align::Right)
            x += box.width() - width;
        painter_.drawText(QPointF(x, box.top() + f.metrics.ascent()), text);
    }

    void shape(const Item& item)
    {
        const Control& c = *item.control;
        if (c.filled) {
            painter_.fillRect(QRectF(item.rect), Qt::black);
            return;
        }
        // The border lies inside the shape's box.
        const qreal half = c.lineTwips / 2.0;
        painter_.setPen(QPen(Qt::black, c.lineTwips, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(item.rect).adjusted(half, half, -half, -half));
    }

    void line(const Item& item)
    {
        painter_.setPen(QPen(Qt::black, item.control->lineTwips));
        painter_.drawLine(QPointF(item.rect.left(), item.rect.top()),
                          QPointF(item.rect.left() + item.rect.width(), item.rect.top() + item.rect.height()));
    }

    void picture(const Item& item)
    {
        if (!item.control->picture)
            return;
        painter_.save();
        item.control->picture(painter_, QRectF(item.rect));
        painter_.restore();
        current_ = nullptr;
    }

    QPainter& painter_;
    ControlFonts fonts_;
    const TextFont* current_ = nullptr;
};

} // namespace

void paintPage(QPainter& painter, const Layout& layout, int page) { PagePainter(painter).paint(layout, page); }

namespace {

// Paints pages `first` to `last` (from 1), one to a sheet, onto a device of `dpi` dots per inch.
// False when the device refused to start or to take a page.
bool paintPages(QPagedPaintDevice& device, const Layout& layout, int first, int last, qreal dpi)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal scale = dpi / kTwipsPerInch;
    PagePainter pages(painter);
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        pages.paint(layout, page - 1);
        painter.restore();
    }
    return painter.end();
}

} // namespace

bool render(QPrinter& printer, const Layout& layout)
{
    printer.setFullPage(true);
    const int first = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int last = printer.toPage() > 0 ? qMin(printer.toPage(), layout.pageCount()) : layout.pageCount();
    return paintPages(printer, layout, first, last, printer.resolution()) && printer.printerState() != QPrinter::Error;
}

bool exportPdf(const Layout& layout, const QString& file, const QString& title)
{
    // Qt's PDF writer writes the file's tail (fonts, cross-reference table, trailer) as the
    // painter ends and does not check those writes. A save file does: it is written beside the
    // target and put in its place only if every write went through, so a full disk fails the
    // export and leaves the user's earlier file as it was. A new file takes the user's umask, a
    // replaced one keeps its mode.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    bool painted = false;
    {
        QPdfWriter writer(&out);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tallowmere"));
        writer.setPageLayout(pageLayoutOf(layout));
        painted = paintPages(writer, layout, 1, layout.pageCount(), writer.resolution());
    } // the writer has written all it will
    // commit() would write the bytes still buffered (often the whole file) without noticing a
    // failure: write them and sync them to disk here, where a failure counts. Uncommitted, the
    // save file removes what it wrote.
    if (!painted || !out.flush() || ::fsync(out.handle()) != 0)
        return false;
    return out.commit();
}

} // namespace tlm::report

#include "platform/report/report.h"

#include "platform/conversions.h"
#include "platform/report/text_metrics.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace tlm::report {

// ---------------------------------------------------------------- Section

namespace {
Control& add(Section& section, Control::Kind kind, const QString& name, QRect rect)
{
    Control c;
    c.kind = kind;
    c.name = name;
    c.rect = rect;
    section.controls.push_back(std::move(c));
    return section.controls.back();
}
} // namespace

Control& Section::label(const QString& name, const QString& caption, QRect rect, Font font, Align align)
{
    Control& c = add(*this, Control::Kind::Label, name, rect);
    c.caption = caption;
    c.font = std::move(font);
    c.align = align;
    return c;
}

Control& Section::field(const QString& name, const QString& column, QRect rect, Font font, Align align)
{
    Control& c = add(*this, Control::Kind::Field, name, rect);
    c.column = column;
    c.font = std::move(font);
    c.align = align;
    return c;
}

Control& Section::shape(const QString& name, QRect rect, bool filled)
{
    Control& c = add(*this, Control::Kind::Shape, name, rect);
    c.filled = filled;
    return c;
}

Control& Section::line(const QString& name, QRect rect) { return add(*this, Control::Kind::Line, name, rect); }

Control& Section::picture(const QString& name, QRect rect, PictureFn paint)
{
    Control& c = add(*this, Control::Kind::Picture, name, rect);
    c.picture = std::move(paint);
    return c;
}

// ---------------------------------------------------------------- Rows

QString Rows::value(qsizetype row, const QString& column) const
{
    const qsizetype index = columns.indexOf(column);
    if (row < 0 || row >= qsizetype(values.size()) || index < 0)
        return QString();
    const QStringList& r = values[size_t(row)];
    return index < r.size() ? r.at(index) : QString();
}

QString formatValue(const QString& value, const QString& format)
{
    if (format == kDollarFormat && IsCurrency(value))
        return FormatDollars(CCur(value));
    return value;
}

// ---------------------------------------------------------------- Layout

struct PlacedBlock {
    struct Placed {
        QRect rect;        // within the block
        QStringList lines; // Field: its text broken to the box's width
        qreal lineHeight = 0;
    };
    int height = 0;
    std::vector<Placed> controls; // in the section's order
};

namespace {

// A field's text as it prints when it fits on one line.
QString oneLine(QString text) { return text.replace(u'\n', u' ').remove(u'\r'); }

// The top of line `k` of a field's text in a box whose top is `top`. Line k ends where line k+1
// begins, so the lines tile the box with no twip in two of them.
int lineTop(int top, qsizetype k, qreal lineHeight) { return top + int(k * lineHeight); }

// The parts of a block that a page break must not cut, by their tops: each line of a field's
// text, and every other control whole.
struct Piece {
    int top;
    int bottom;
};

std::vector<Piece> piecesOf(const Section& section, const PlacedBlock* block)
{
    std::vector<Piece> pieces;
    for (size_t i = 0; i < section.controls.size(); ++i) {
        const QRect rect = block ? block->controls[i].rect : section.controls[i].rect;
        if (block && block->controls[i].lines.size() > 1) {
            const PlacedBlock::Placed& p = block->controls[i];
            for (qsizetype k = 0; k < p.lines.size(); ++k)
                pieces.push_back({lineTop(rect.top(), k, p.lineHeight), lineTop(rect.top(), k + 1, p.lineHeight)});
        } else {
            pieces.push_back({rect.top(), rect.top() + rect.height()});
        }
    }
    std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.top < b.top; });
    return pieces;
}

// Where a block taller than a page breaks, at most at `limit` and after `from`: as low as cuts
// no piece that starts after `from` (a piece that starts higher is taller than a page and is
// cut anyway). Only a piece starting between the two can be cut. Going up through them by
// their tops, the break moves up to the top of each one it would cut; a piece passed already
// starts at or below the break's new place, so stays whole.
int breakBefore(const std::vector<Piece>& pieces, int from, int limit)
{
    const auto first = std::upper_bound(pieces.begin(), pieces.end(), from,
                                        [](int y, const Piece& piece) { return y < piece.top; });
    const auto end = std::lower_bound(first, pieces.end(), limit,
                                      [](const Piece& piece, int y) { return piece.top < y; });
    int cut = limit;
    for (auto it = end; it != first;) {
        --it;
        if (it->top < cut && cut < it->bottom)
            cut = it->top;
    }
    return cut;
}

// The first of `count` lines from `top` whose top is at `y` or below.
qsizetype firstLineAt(int top, qreal lineHeight, qsizetype count, int y)
{
    qsizetype k = qsizetype(qBound(0.0, std::ceil((y - top) / lineHeight), qreal(count)));
    while (k > 0 && lineTop(top, k - 1, lineHeight) >= y)
        --k;
    while (k < count && lineTop(top, k, lineHeight) < y)
        ++k;
    return k;
}

} // namespace

std::shared_ptr<const PlacedBlock> Layout::placeBlock(const Section& section, qsizetype row, ControlFonts& fonts) const
{
    const std::vector<Control>& controls = section.controls;
    const size_t n = controls.size();
    std::vector<QStringList> lines(n);
    std::vector<qreal> lineHeights(n, 0);
    std::vector<int> growth(n, 0);
    bool wrapped = false;
    for (size_t i = 0; i < n; ++i) {
        const Control& c = controls[i];
        if (c.kind != Control::Kind::Field)
            continue;
        const QString text = fieldText(c, row);
        if (text.isEmpty())
            continue;
        TextFont& m = fonts.of(c);
        lines[i] = breakLines(text, m.font, m.metrics, c.rect.width(), c.wordWrap);
        lineHeights[i] = m.metrics.height();
        const qsizetype fit = qMax(1, int(c.rect.height() / lineHeights[i]));
        if (lines[i].size() > fit)
            growth[i] = int(std::ceil((lines[i].size() - fit) * lineHeights[i]));
        wrapped = wrapped || lines[i].size() > 1;
    }
    if (!wrapped)
        return nullptr;

    // A control moves down with every grown box it stands below, by the most any of them pushes
    // it. "Below" counts from the box's middle: the designs let a row overlap the one above by
    // a few twips, and that row still belongs under it.
    std::vector<size_t> byTop(n);
    for (size_t i = 0; i < n; ++i)
        byTop[i] = i;
    std::stable_sort(byTop.begin(), byTop.end(),
                     [&](size_t a, size_t b) { return controls[a].rect.top() < controls[b].rect.top(); });
    std::vector<int> shift(n, 0);
    int bottomShift = 0;
    for (size_t a = 0; a < n; ++a) {
        const size_t j = byTop[a];
        const QRect& r = controls[j].rect;
        for (size_t b = 0; b < a; ++b) {
            const size_t i = byTop[b];
            const QRect& above = controls[i].rect;
            if (growth[i] > 0 && r.top() > above.top() && r.top() >= above.top() + above.height() / 2)
                shift[j] = qMax(shift[j], shift[i] + growth[i]);
        }
        if (growth[j] > 0)
            bottomShift = qMax(bottomShift, shift[j] + growth[j]);
    }

    auto block = std::make_shared<PlacedBlock>();
    block->height = section.height + bottomShift;
    block->controls.resize(n);
    for (size_t i = 0; i < n; ++i) {
        PlacedBlock::Placed& p = block->controls[i];
        p.rect = controls[i].rect.translated(0, shift[i]).adjusted(0, 0, 0, growth[i]);
        p.lines = std::move(lines[i]);
        p.lineHeight = lineHeights[i];
    }
    return block;
}

Layout Layout::build(std::shared_ptr<const Design> design, std::shared_ptr<const Rows> rows, const QDateTime& now)
{
    Layout layout;
    layout.design_ = std::move(design);
    layout.rows_ = rows ? std::move(rows) : std::make_shared<const Rows>();
    layout.now_ = now;
    const Design& d = *layout.design_;
    auto& pages = layout.pages_;
    ControlFonts fonts;

    int y = 0;
    auto newPage = [&] {
        pages.emplace_back();
        if (d.pageHeader.height > 0)
            pages.back().push_back({&d.pageHeader, -1, d.topMargin, d.pageHeader.height, 0, nullptr});
        y = d.bodyTop();
    };
    auto finishPage = [&] {
        if (d.pageFooter.height > 0)
            pages.back().push_back({&d.pageFooter, -1, d.bodyBottom(), d.pageFooter.height, 0, nullptr});
    };
    // A block never breaks across pages: one that does not fit starts the next page. Only one
    // taller than a whole page goes on over the next pages, broken between lines.
    auto place = [&](const Section& section, qsizetype row) {
        if (section.height <= 0)
            return;
        std::shared_ptr<const PlacedBlock> block = layout.placeBlock(section, row, fonts);
        const int height = block ? block->height : section.height;
        if (y + height > d.bodyBottom() && y > d.bodyTop()) {
            finishPage();
            newPage();
        }
        int from = 0;
        std::vector<Piece> pieces;
        while (from + (d.bodyBottom() - y) < height) {
            if (pieces.empty())
                pieces = piecesOf(section, block.get());
            const int limit = from + qMax(1, d.bodyBottom() - y);
            const int cut = breakBefore(pieces, from, limit);
            pages.back().push_back({&section, row, y, cut - from, from, block});
            finishPage();
            newPage();
            from = cut;
        }
        pages.back().push_back({&section, row, y, height - from, from, block});
        y += height - from;
    };

    newPage();
    place(d.reportHeader, -1);
    for (qsizetype row = 0; row < qsizetype(layout.rows_->values.size()); ++row)
        place(d.detail, row);
    place(d.reportFooter, -1);
    finishPage();
    return layout;
}

std::vector<Item> Layout::items(int page) const
{
    std::vector<Item> out;
    const Design& d = *design_;
    for (const Band& band : bands(page)) {
        const std::vector<Control>& controls = band.section->controls;
        const PlacedBlock* block = band.block.get();
        const int blockHeight = block ? block->height : band.section->height;
        const int to = band.from + band.height;
        // A control prints on the part of its block where its top (or a field's line) stands.
        const auto onThisPart = [&](int top) {
            return (band.from == 0 || top >= band.from) && (to >= blockHeight || top < to);
        };
        for (size_t i = 0; i < controls.size(); ++i) {
            const Control& c = controls[i];
            Item item;
            item.kind = c.kind;
            item.name = c.name;
            item.section = band.section->name;
            item.row = band.row;
            item.rect = block ? block->controls[i].rect : c.rect;
            item.control = &c;
            if (c.kind == Control::Kind::Label) {
                item.text = labelText(c.caption, page);
            } else if (c.kind == Control::Kind::Field) {
                item.text = fieldText(c, band.row);
                if (block)
                    item.lines = block->controls[i].lines;
                else if (!item.text.isEmpty())
                    item.lines = QStringList{oneLine(item.text)};
            }
            if (item.lines.size() > 1) {
                // The lines of a field that this part holds, in a box around them.
                const qreal lineHeight = block->controls[i].lineHeight;
                const int boxTop = item.rect.top();
                const qsizetype count = item.lines.size();
                const qsizetype first = band.from == 0 ? 0 : firstLineAt(boxTop, lineHeight, count, band.from);
                const qsizetype last = to >= blockHeight ? count : firstLineAt(boxTop, lineHeight, count, to);
                if (first >= last)
                    continue;
                const int bottom = last == item.lines.size() ? boxTop + item.rect.height()
                                                             : lineTop(boxTop, last, lineHeight);
                const int top = lineTop(boxTop, first, lineHeight);
                item.rect = QRect(item.rect.left(), top, item.rect.width(), bottom - top);
                item.lines = item.lines.mid(first, last - first);
            } else if (!onThisPart(item.rect.top())) {
                continue;
            }
            item.rect.translate(d.leftMargin, band.top - band.from);
            out.push_back(std::move(item));
        }
    }
    return out;
}

std::vector<Item> Layout::itemsNamed(int page, const QString& name) const
{
    std::vector<Item> out;
    for (Item& item : items(page))
        if (item.name == name)
            out.push_back(std::move(item));
    return out;
}

QString Layout::labelText(const QString& caption, int page) const
{
    if (!caption.contains(u'%'))
        return caption;
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c != u'%' || i + 1 == caption.size()) {
            out += c;
            continue;
        }
        const QChar code = caption.at(i + 1);
        if (code == u'd')
            out += ShortDate(now_.date());
        else if (code == u'T')
            out += LongTime(now_.time());
        else if (code == u'p')
            out += QString::number(page + 1);
        else if (code == u'P')
            out += QString::number(pageCount());
        else {
            out += c;
            continue;
        }
        ++i;
    }
    return out;
}

QString Layout::fieldText(const Control& control, qsizetype row) const
{
    return formatValue(rows_->value(row, control.column), control.format);
}

} // namespace tlm::report

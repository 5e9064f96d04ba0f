#include "platform/report/report.h"

#include "platform/conversions.h"

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

Layout Layout::build(std::shared_ptr<const Design> design, std::shared_ptr<const Rows> rows, const QDateTime& now)
{
    Layout layout;
    layout.design_ = std::move(design);
    layout.rows_ = rows ? std::move(rows) : std::make_shared<const Rows>();
    layout.now_ = now;
    const Design& d = *layout.design_;
    auto& pages = layout.pages_;

    int y = 0;
    auto newPage = [&] {
        pages.emplace_back();
        if (d.pageHeader.height > 0)
            pages.back().push_back({&d.pageHeader, -1, d.topMargin});
        y = d.bodyTop();
    };
    auto finishPage = [&] {
        if (d.pageFooter.height > 0)
            pages.back().push_back({&d.pageFooter, -1, d.bodyBottom()});
    };
    // A section never breaks across pages: one that does not fit starts the next page. One
    // taller than a whole page still gets a page of its own rather than none.
    auto place = [&](const Section& section, qsizetype row) {
        if (section.height <= 0)
            return;
        if (y + section.height > d.bodyBottom() && y > d.bodyTop()) {
            finishPage();
            newPage();
        }
        pages.back().push_back({&section, row, y});
        y += section.height;
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
        for (const Control& c : band.section->controls) {
            Item item;
            item.kind = c.kind;
            item.name = c.name;
            item.section = band.section->name;
            item.row = band.row;
            item.rect = c.rect.translated(d.leftMargin, band.top);
            item.control = &c;
            if (c.kind == Control::Kind::Label)
                item.text = labelText(c.caption, page);
            else if (c.kind == Control::Kind::Field)
                item.text = fieldText(c, band.row);
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

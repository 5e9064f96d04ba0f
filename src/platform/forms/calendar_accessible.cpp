#include "platform/forms/calendar_accessible.h"

#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QHash>
#include <QPointer>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>

namespace tlm {

namespace {

// The calendar's model heads its columns with the numbers 1 to 7 and keeps the day names in a
// row of cells, and Qt's accessible table takes its headings from the model. So the grid gets a
// table of its own, which heads each column with its day name. Its children are counted as
// Qt's are (the corner, the column headings, then per row its heading and its cells): the
// view's focus events name the focused cell by that count.

QString dayNameOf(const QCalendarWidget* calendar, int column)
{
    if (calendar->verticalHeaderFormat() != QCalendarWidget::NoVerticalHeader) {
        if (column == 0) // the week numbers
            return QString();
        --column;
    }
    const int day = (int(calendar->firstDayOfWeek()) - 1 + column) % 7 + 1;
    return calendar->locale().dayName(day, QLocale::LongFormat);
}

class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    enum Kind { Corner, ColumnHeading, RowHeading, Cell };

    GridCell(QTableView* view, const QCalendarWidget* calendar, Kind kind, int row, int column)
        : view_(view), calendar_(calendar), kind_(kind), row_(row), column_(column)
    {
    }

    Kind kind() const { return kind_; }

    bool isValid() const override { return view_ && calendar_; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return QString();
        if (kind_ == ColumnHeading)
            return dayNameOf(calendar_, column_);
        if (kind_ != Cell)
            return QString();
        const QString spoken = index().data(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? index().data(Qt::DisplayRole).toString() : spoken;
    }

    QRect rect() const override
    {
        if (kind_ != Cell || !isValid())
            return QRect();
        return view_->visualRect(index()).translated(view_->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override
    {
        switch (kind_) {
        case Corner:
            return QAccessible::Pane;
        case ColumnHeading:
            return QAccessible::ColumnHeader;
        case RowHeading:
            return QAccessible::RowHeader;
        case Cell:
            break;
        }
        return QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (kind_ != Cell || !isValid())
            return s;
        const QModelIndex i = index();
        const Qt::ItemFlags flags = i.flags();
        s.selectable = s.focusable = bool(flags & Qt::ItemIsSelectable);
        s.disabled = !(flags & Qt::ItemIsEnabled);
        s.selected = view_->selectionModel()->isSelected(i);
        s.focused = view_->currentIndex() == i;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && kind_ == Cell)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QModelIndex index() const { return view_->model()->index(row_, column_); }

    QPointer<QTableView> view_;
    QPointer<const QCalendarWidget> calendar_;
    Kind kind_;
    int row_;
    int column_;
};

class DayGrid : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    DayGrid(QTableView* view, const QCalendarWidget* calendar)
        : QAccessibleWidget(view, QAccessible::Table), calendar_(calendar)
    {
    }
    ~DayGrid() override { forgetChildren(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return (rowCount() + 1) * (columnCount() + 1); }

    QAccessibleInterface* child(int at) const override
    {
        if (at < 0 || at >= childCount())
            return nullptr;
        if (const auto known = children_.constFind(at); known != children_.cend())
            return QAccessible::accessibleInterface(*known);
        const int width = columnCount() + 1;
        const int row = at / width - 1;
        const int column = at % width - 1;
        const GridCell::Kind kind = row < 0 ? (column < 0 ? GridCell::Corner : GridCell::ColumnHeading)
                                            : (column < 0 ? GridCell::RowHeading : GridCell::Cell);
        auto* cell = new GridCell(view(), calendar_, kind, row, column);
        children_.insert(at, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const GridCell*>(child);
        if (!cell || cell->table() != this)
            return -1;
        return (cell->rowIndex() + 1) * (columnCount() + 1) + cell->columnIndex() + 1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex i = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return i.isValid() ? cellAt(i.row(), i.column()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        const QModelIndex i = view()->currentIndex();
        return i.isValid() ? cellAt(i.row(), i.column()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child((row + 1) * (columnCount() + 1) + column + 1);
    }
    int selectedCellCount() const override { return int(view()->selectionModel()->selectedIndexes().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (const QModelIndex& i : view()->selectionModel()->selectedIndexes())
            cells.append(cellAt(i.row(), i.column()));
        return cells;
    }
    QString columnDescription(int column) const override
    {
        return calendar_ ? dayNameOf(calendar_, column) : QString();
    }
    QString rowDescription(int) const override { return QString(); }
    int columnCount() const override { return view()->model()->columnCount(); }
    int rowCount() const override { return view()->model()->rowCount(); }
    // One date is selected at a time: never whole rows or columns.
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    void modelChange(QAccessibleTableModelChangeEvent* event) override
    {
        // The cells read the model as it is; only a change of shape moves them.
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
            forgetChildren();
    }

private:
    QTableView* view() const { return static_cast<QTableView*>(widget()); }

    void forgetChildren()
    {
        for (const QAccessible::Id id : std::as_const(children_))
            QAccessible::deleteAccessibleInterface(id);
        children_.clear();
    }

    QPointer<const QCalendarWidget> calendar_;
    mutable QHash<int, QAccessible::Id> children_;
};

QList<QAccessibleInterface*> GridCell::columnHeaderCells() const
{
    QAccessibleInterface* grid = parent();
    QAccessibleInterface* heading = grid ? grid->child(column_ + 1) : nullptr;
    return heading ? QList<QAccessibleInterface*>{heading} : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* dayGridFactory(const QString& key, QObject* object)
{
    if (key != QLatin1String("QCalendarView"))
        return nullptr;
    auto* view = qobject_cast<QTableView*>(object);
    auto* calendar = view ? qobject_cast<QCalendarWidget*>(view->parentWidget()) : nullptr;
    return calendar ? new DayGrid(view, calendar) : nullptr;
}

QString monthAndYear(const QCalendarWidget* calendar, int year, int month)
{
    return calendar->locale().standaloneMonthName(month) + u' ' + QString::number(year);
}

} // namespace

void makeHeard(QCalendarWidget* calendar)
{
    static const bool installed = (QAccessible::installFactory(dayGridFactory), true);
    Q_UNUSED(installed);
    QWidget* grid = calendar->focusProxy();
    // Qt may have made the grid's interface before ours was known; the next asking makes ours.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(grid); made && !dynamic_cast<DayGrid*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));

    grid->setAccessibleName(monthAndYear(calendar, calendar->yearShown(), calendar->monthShown()));
    QObject::connect(calendar, &QCalendarWidget::currentPageChanged, grid, [calendar, grid](int year, int month) {
        grid->setAccessibleName(monthAndYear(calendar, year, month));
    });
    if (auto* previous = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth")))
        previous->setAccessibleName(QStringLiteral("Previous Month"));
    if (auto* next = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth")))
        next->setAccessibleName(QStringLiteral("Next Month"));
    // The year is typed here once its button is clicked.
    if (auto* year = calendar->findChild<QSpinBox*>(QStringLiteral("qt_calendar_yearedit")))
        year->setAccessibleName(QStringLiteral("Year"));
}

} // namespace tlm

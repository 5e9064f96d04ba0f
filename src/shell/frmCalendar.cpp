#include "shell/frmCalendar.h"

#include "platform/forms/calendar_accessible.h"
#include "shell/shell_style.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {
const QStringList kMonthNames = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
                                 QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
                                 QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"),
                                 QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
} // namespace

frmCalendar::frmCalendar(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 10);
    layout->setSpacing(8);

    calDate = new QCalendarWidget(this);
    calDate->setGridVisible(true);
    calDate->setFirstDayOfWeek(Qt::Sunday); // as a United States calendar reads
    calDate->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calDate->setToolTip(QStringLiteral(" Click On A Calendar Date To Select "));
    calDate->setAccessibleName(QStringLiteral("Calendar Date"));
    calDate->setAccessibleDescription(QStringLiteral("Click On A Calendar Date To Select"));
    calDate->setMinimumSize(340, 240);
    makeHeard(calDate);
    layout->addWidget(calDate);

    lblHead2 = new Label(this, QStringLiteral("Click A Date Or Press Space Bar To Close"));
    lblHead2->setToolTipText(QStringLiteral(" Press The Space Bar To Close The Calendar Without Selecting A  Date "));
    lblHead2->setAlignment(Qt::AlignCenter);
    lblHead2->setFont(style::scaled(this, 1, true));
    layout->addWidget(lblHead2);

    // The day grid is where the calendar's own keys arrive.
    if (QWidget* grid = calDate->focusProxy())
        grid->installEventFilter(this);
    QObject::connect(calDate, &QCalendarWidget::clicked, this, [this](QDate date) {
        manager().runHandler([this, date] {
            presetDate(date);
            calDate_Click();
        });
    });
    QObject::connect(calDate, &QCalendarWidget::selectionChanged, this, [this] {
        if (syncing_)
            return;
        const QDate d = calDate->selectedDate();
        day_ = d.day();
        month_ = d.month();
        year_ = d.year();
    });

    presetDate(program.clock().today());
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(sizeHint());
    style::centerOnScreen(this);
}

QString frmCalendar::Pick::text() const { return QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year); }

QString frmCalendar::Pick::monthName() const { return month >= 1 && month <= 12 ? kMonthNames[month - 1] : QString(); }

int frmCalendar::Day() const { return day_; }
int frmCalendar::Month() const { return month_; }
int frmCalendar::Year() const { return year_; }

void frmCalendar::setDay(int day)
{
    day_ = day;
    showParts();
}

void frmCalendar::setMonth(int month)
{
    month_ = month;
    showParts();
}

void frmCalendar::setYear(int year)
{
    year_ = year;
    showParts();
}

void frmCalendar::presetDate(const QDate& date)
{
    const QDate d = date.isValid() ? date : program.clock().today();
    day_ = d.day();
    month_ = d.month();
    year_ = d.year();
    showParts();
}

// The grid follows the parts whenever they make a date; parts set one at a time may pass
// through a day the month does not have.
void frmCalendar::showParts()
{
    const QDate d(year_, month_, day_);
    if (!d.isValid())
        return;
    syncing_ = true;
    calDate->setSelectedDate(d);
    calDate->setCurrentPage(d.year(), d.month());
    syncing_ = false;
}

void frmCalendar::showFor(Form& opener, QWidget* dateBox, WriteBack writeBack, ModalSession::Lent lent,
                          std::function<void()> onGiveBack)
{
    modal_.open(opener, std::move(writeBack), std::move(lent), std::move(onGiveBack), dateBox);
    calDate->setFocus(Qt::OtherFocusReason);
}

void frmCalendar::calDate_Click()
{
    // The opener gets its controls back before its boxes receive the date.
    if (calPick >= 1 && calPick <= 5)
        modal_.finish(Pick{day_, month_, year_});
    else
        return_To_Opener();
}

void frmCalendar::confirm_Calendar_Key(int keyCode)
{
    if (day_ == 0 || month_ == 0 || year_ == 0) {
        if (msgBox(QStringLiteral("A Calendar Date Has Not Been Selected...Would You Like To Use Today's Date!"),
                   vbQuestionYesNo)
            != vbYes)
            return;
        const QDate today = program.clock().today();
        setMonth(today.month());
        setYear(today.year());
        setDay(today.day());
    }
    if (keyCode == vbKey::Return) {
        calDate_Click();
    } else if (msgBox(QStringLiteral("Are You Sure You Want To Close The Calendar?"), vbQuestionYesNo) != vbYes) {
        return;
    }
    return_To_Opener();
}

void frmCalendar::return_To_Opener() { modal_.giveBack(); }

// The close box leaves without a date, and the opener gets its controls back.
void frmCalendar::Form_QueryUnload(int& cancel, int)
{
    cancel = 1;
    return_To_Opener();
}

bool frmCalendar::calendarKey(QKeyEvent* event)
{
    // Keys that type a character (Space, Enter, letters, digits) are the calendar's key
    // presses; arrows and Tab keep moving through the days and the controls.
    const int ascii = vbKeyAscii(event);
    if (event->key() != Qt::Key_Escape && ascii == 0)
        return false;
    manager().runHandler([&] {
        if (event->key() == Qt::Key_Escape)
            return_To_Opener();
        else
            confirm_Calendar_Key(ascii);
    });
    return true;
}

void frmCalendar::keyPressEvent(QKeyEvent* event)
{
    // The calendar control is none of our controls, so it carries no help id of its own:
    // F1 anywhere on the picker opens the picker's topic.
    if (event->key() == Qt::Key_F1) {
        showHelp(helpIds::Calendar);
        event->accept();
        return;
    }
    if (calendarKey(event)) {
        event->accept();
        return;
    }
    Screen::keyPressEvent(event);
}

bool frmCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == calDate->focusProxy()
        && calendarKey(static_cast<QKeyEvent*>(event)))
        return true;
    return Screen::eventFilter(watched, event);
}

} // namespace tlm::screens

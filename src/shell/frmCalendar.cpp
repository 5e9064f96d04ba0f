#include "shell/frmCalendar.h"

#include "assets/frmAddUpDel.h"
#include "assets/frmWar.h"
#include "owner/frmBank.h"
#include "owner/frmInsInfo.h"
#include "shell/shell_style.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWindow>

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
        presetDate(date);
        calDate_Click();
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
}

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

QString frmCalendar::dateText() const
{
    return QStringLiteral("%1/%2/%3").arg(month_).arg(day_).arg(year_);
}

void frmCalendar::showFor(Form& opener)
{
    QWidget* owner = opener.window();
    if (!isVisible()) {
        const QRect o = owner->frameGeometry();
        if (owner->isVisible() && o.isValid())
            move(o.center() - QPoint(width() / 2, height() / 2));
        else
            style::centerOnScreen(this);
    }
    // Owned by the opener for the window manager only: the program, not the opener, keeps
    // the picker alive.
    winId();
    if (QWindow* handle = windowHandle())
        handle->setTransientParent(owner->windowHandle());
    Show();
    activateWindow();
    calDate->setFocus(Qt::OtherFocusReason);
}

void frmCalendar::calDate_Click()
{
    // The opener gets its controls back before its boxes receive the date.
    return_To_Opener();
    switch (calPick) {
    case 1:
        set_Month_Combo1();
        program.frmWar().cmbPDay->setText(QString::number(day_));
        program.frmWar().cmbPYear->setText(QString::number(year_));
        break;
    case 2:
        set_Month_Combo2();
        program.frmWar().cmbLDay->setText(QString::number(day_));
        program.frmWar().cmbLYear->setText(QString::number(year_));
        break;
    case 3:
        program.frmAddUpDel().txtPur->setText(dateText());
        break;
    case 4:
        program.frmInsInfo().txtPolicyExpire->setText(dateText());
        break;
    case 5:
        program.frmBank().txtDate->setText(dateText());
        break;
    default:
        break;
    }
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

void frmCalendar::return_To_Opener()
{
    Hide();
    switch (calPick) {
    case 1:
    case 2: {
        frmWar& war = program.frmWar();
        war.cmdCancel->setEnabled(true);
        war.cmdSave[0]->setEnabled(true);
        break;
    }
    case 3:
        program.frmAddUpDel().setEnabled(true);
        break;
    case 4:
        program.frmInsInfo().setEnabled(true);
        break;
    case 5: {
        frmBank& bank = program.frmBank();
        bank.setflag = false;
        bank.setEnabled(true);
        bank.cmdBack->setEnabled(true);
        bank.cmdState->setEnabled(true);
        break;
    }
    default:
        break;
    }
}

void frmCalendar::set_Month_Combo1()
{
    if (month_ >= 1 && month_ <= 12)
        program.frmWar().cmbPMonth->setText(kMonthNames[month_ - 1]);
}

void frmCalendar::set_Month_Combo2()
{
    if (month_ >= 1 && month_ <= 12)
        program.frmWar().cmbLMonth->setText(kMonthNames[month_ - 1]);
}

// The close box leaves without a date, and the opener gets its controls back.
void frmCalendar::Form_QueryUnload(int& cancel, int)
{
    cancel = 1;
    return_To_Opener();
}

bool frmCalendar::calendarKey(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        return_To_Opener();
        return true;
    }
    // Keys that type a character (Space, Enter, letters, digits) are the calendar's key
    // presses; arrows and Tab keep moving through the days and the controls.
    const int ascii = vbKeyAscii(event);
    if (ascii == 0)
        return false;
    confirm_Calendar_Key(ascii);
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

#pragma once
// The one calendar picker of the program, shown modally over the screen that opened it.
// The opener sets calPick, presets the date, disables itself (or its buttons) and calls
// showFor(); the picker writes the chosen date back by caller code and gives the opener back
// its controls.
#include "ui/screen.h"

class QCalendarWidget;

namespace tlm::screens {

class frmCalendar : public Screen {
public:
    explicit frmCalendar(Program& program);

    // 1 warranty parts, 2 warranty labor, 3 purchase date, 4 policy expiration, 5 account date.
    qint16 calPick = 0;

    // The calendar's date parts; 0 when no date is selected.
    int Day() const;
    int Month() const;
    int Year() const;
    void setDay(int day);
    void setMonth(int month);
    void setYear(int year);
    // Presets day, month and year at once (today when the date would not be valid).
    void presetDate(const QDate& date);

    // Shows the picker application-modal, owned by `opener`, without a nested event loop.
    void showFor(Form& opener);

    // A date is clicked in the calendar (also reached by Enter): writes back by calPick.
    void calDate_Click();
    // A key pressed on the calendar (Space, Enter, ...): the questions and the way out.
    void confirm_Calendar_Key(int keyCode);
    void set_Month_Combo1();
    void set_Month_Combo2();

    QCalendarWidget* calDate = nullptr;
    Label* lblHead2 = nullptr;

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hides the picker and gives the opener its controls back without writing a date.
    void return_To_Opener();
    // The key handling shared by the screen and the calendar control; true when consumed.
    bool calendarKey(QKeyEvent* event);
    void showParts();
    QString dateText() const;

    int day_ = 0;
    int month_ = 0;
    int year_ = 0;
    bool syncing_ = false;
};

} // namespace tlm::screens

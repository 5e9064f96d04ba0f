#pragma once
// The one calendar picker of the program, shown modally over the screen that opened it.
// The opener sets calPick, presets the date and calls showFor() with the place its date goes;
// the picker gives the opener back its controls on every way out, and hands it a clicked date.
// It knows none of its openers.
#include "platform/forms/modal_dialog.h"
#include "ui/screen.h"

class QCalendarWidget;

namespace tlm::screens {

class frmCalendar : public Screen {
public:
    explicit frmCalendar(Program& program);

    // 1 warranty parts, 2 warranty labor, 3 purchase date, 4 policy expiration, 5 account date;
    // only these codes are handed a date.
    qint16 calPick = 0;

    // A clicked date, as the openers write it back.
    struct Pick {
        int day = 0;
        int month = 0;
        int year = 0;
        // m/d/yyyy without leading zeros (3/7/2006).
        QString text() const;
        // "Jan" to "Dec"; empty for a month outside 1 to 12.
        QString monthName() const;
    };
    using WriteBack = std::function<void(const Pick&)>;

    // The calendar's date parts; 0 when no date is selected.
    int Day() const;
    int Month() const;
    int Year() const;
    void setDay(int day);
    void setMonth(int month);
    void setYear(int year);
    // Presets day, month and year at once (today when the date would not be valid).
    void presetDate(const QDate& date);

    // Shows the picker application-modal over `opener`, without a nested event loop. The
    // opener lends it `lent` (the whole opener when none is named) until the picker closes, and
    // then runs `onGiveBack`; a clicked date goes to `writeBack` after that. On every way out
    // the focus then goes on to the control after `dateBox` (the date's last box) in tab order,
    // whether the box or the calendar icon beside it, which takes no focus, opened the picker.
    void showFor(Form& opener, QWidget* dateBox, WriteBack writeBack, ModalSession::Lent lent = {},
                 std::function<void()> onGiveBack = {});

    // A date is clicked in the calendar (also reached by Enter): handed to the opener by calPick.
    void calDate_Click();
    // A key pressed on the calendar (Space, Enter, ...): the questions and the way out.
    void confirm_Calendar_Key(int keyCode);

    QCalendarWidget* calDate = nullptr;
    Label* lblHead2 = nullptr;

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hides the picker and gives the opener its controls back without writing a date.
    void return_To_Opener();
    // The key handling shared by the screen and the calendar control, run as one handler;
    // true when the key was the calendar's.
    bool calendarKey(QKeyEvent* event);
    void showParts();

    ModalDialog<Pick> modal_{*this};
    int day_ = 0;
    int month_ = 0;
    int year_ = 0;
    bool syncing_ = false;
};

} // namespace tlm::screens

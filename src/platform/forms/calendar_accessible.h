#pragma once
// What a screen reader hears of a QCalendarWidget: its day grid is a table named by the month and
// year it shows, its weekday columns are headed by their day names, and the buttons to the months
// before and after have names.
class QCalendarWidget;

namespace tlm {

void makeHeard(QCalendarWidget* calendar);

} // namespace tlm

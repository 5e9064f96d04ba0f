#include "shell/frmCalendar.h"

namespace tlm::screens {

frmCalendar::frmCalendar(Program& program) : Screen(program) {}

int frmCalendar::Day() const { return 0; }
int frmCalendar::Month() const { return 0; }
int frmCalendar::Year() const { return 0; }
void frmCalendar::setDay(int) {}
void frmCalendar::setMonth(int) {}
void frmCalendar::setYear(int) {}
void frmCalendar::presetDate(const QDate&) {}
void frmCalendar::showFor(Form&) { Show(); }
void frmCalendar::calDate_Click() {}
void frmCalendar::confirm_Calendar_Key(int) {}
void frmCalendar::set_Month_Combo1() {}
void frmCalendar::set_Month_Combo2() {}

} // namespace tlm::screens

#include "shell/frmTotals.h"

namespace tlm::screens {

frmTotals::frmTotals(Program& program) : Screen(program) {}

} // namespace tlm::screens

#include "shell/frmExit.h"

namespace tlm::screens {

frmExit::frmExit(Program& program) : Screen(program) {}

} // namespace tlm::screens

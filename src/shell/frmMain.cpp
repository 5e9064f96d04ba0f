#include "shell/frmMain.h"

namespace tlm::screens {

frmMain::frmMain(Program& program) : Screen(program) {}

} // namespace tlm::screens

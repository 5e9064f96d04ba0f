#include "shell/frmIntroduction.h"

namespace tlm::screens {

frmIntroduction::frmIntroduction(Program& program) : Screen(program) {}

} // namespace tlm::screens

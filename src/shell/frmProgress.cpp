#include "shell/frmProgress.h"

namespace tlm::screens {

frmProgress::frmProgress(Program& program) : Screen(program) {}

} // namespace tlm::screens

#include "shell/frmBC_Splash.h"

namespace tlm::screens {

frmBC_Splash::frmBC_Splash(Program& program) : Screen(program) {}

} // namespace tlm::screens

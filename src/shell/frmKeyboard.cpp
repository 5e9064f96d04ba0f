#include "shell/frmKeyboard.h"

namespace tlm::screens {

frmKeyboard::frmKeyboard(Program& program) : Screen(program) {}

} // namespace tlm::screens

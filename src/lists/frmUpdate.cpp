#include "lists/frmUpdate.h"

namespace tlm::screens {

frmUpdate::frmUpdate(Program& program) : Screen(program) {}

} // namespace tlm::screens

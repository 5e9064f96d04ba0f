#include "shell/frmHeader.h"

namespace tlm::screens {

frmHeader::frmHeader(Program& program) : Screen(program) {}

} // namespace tlm::screens

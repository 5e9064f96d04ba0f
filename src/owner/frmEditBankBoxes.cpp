#include "owner/frmEditBankBoxes.h"

namespace tlm::screens {

frmEditBankBoxes::frmEditBankBoxes(Program& program) : Screen(program) {}

} // namespace tlm::screens

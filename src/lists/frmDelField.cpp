#include "lists/frmDelField.h"

namespace tlm::screens {

frmDelField::frmDelField(Program& program) : Screen(program) {}

} // namespace tlm::screens

#include "lists/frmAddField.h"

namespace tlm::screens {

frmAddField::frmAddField(Program& program) : Screen(program) {}

} // namespace tlm::screens

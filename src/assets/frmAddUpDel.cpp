#include "assets/frmAddUpDel.h"

namespace tlm::screens {

frmAddUpDel::frmAddUpDel(Program& program) : Screen(program) { txtPur = new TextBox(this); }

void frmAddUpDel::check_Form_Type() { Show(); }

} // namespace tlm::screens

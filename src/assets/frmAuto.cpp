#include "assets/frmAuto.h"

namespace tlm::screens {

frmAuto::frmAuto(Program& program) : Screen(program) { lblHead1.add(new Label(this), 0); }

void frmAuto::load_It() { Show(); }

} // namespace tlm::screens

#include "assets/frmWar.h"

namespace tlm::screens {

frmWar::frmWar(Program& program) : Screen(program)
{
    cmbPMonth = new ComboBox(this);
    cmbPDay = new ComboBox(this);
    cmbPYear = new ComboBox(this);
    cmbLMonth = new ComboBox(this);
    cmbLDay = new ComboBox(this);
    cmbLYear = new ComboBox(this);
    cmdSave.add(new CommandButton(this), 0);
    cmdCancel = new CommandButton(this);
}

void frmWar::load_It() {}

} // namespace tlm::screens

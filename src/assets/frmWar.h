#pragma once
// The warranty screen of one asset.
#include "ui/screen.h"

namespace tlm::screens {

class frmWar : public Screen {
public:
    explicit frmWar(Program& program);

    ComboBox* cmbPMonth = nullptr;
    ComboBox* cmbPDay = nullptr;
    ComboBox* cmbPYear = nullptr;
    ComboBox* cmbLMonth = nullptr;
    ComboBox* cmbLDay = nullptr;
    ComboBox* cmbLYear = nullptr;
    ControlArray<CommandButton> cmdSave; // element 0
    CommandButton* cmdCancel = nullptr;

    void load_It();

    // (other controls and handlers: completed by the asset screens)
};

} // namespace tlm::screens

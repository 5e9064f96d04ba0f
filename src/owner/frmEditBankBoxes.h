#pragma once
// The account chooser. This first version holds the mode it hands to the account screen.
#include "ui/screen.h"

namespace tlm::screens {

class frmEditBankBoxes : public Screen {
public:
    explicit frmEditBankBoxes(Program& program);

    int optVal = 0; // 0 add, 1 update, 2 delete
};

} // namespace tlm::screens

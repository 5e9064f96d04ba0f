#pragma once
// The insurance policy screen. This first version holds the date box the calendar writes;
// the screen comes with the owner issue.
#include "ui/screen.h"

namespace tlm::screens {

class frmInsInfo : public Screen {
public:
    explicit frmInsInfo(Program& program);

    TextBox* txtPolicyExpire;
    bool checkflag = false;
};

} // namespace tlm::screens

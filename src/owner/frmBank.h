#pragma once
// The financial account screen. This first version holds what the calendar writes and
// enables; the screen comes with the owner issue.
#include "ui/screen.h"

namespace tlm::screens {

class frmBank : public Screen {
public:
    explicit frmBank(Program& program);

    TextBox* txtDate;
    CommandButton* cmdBack;
    CommandButton* cmdState;
    bool calFlag = false;
    bool setflag = false;
};

} // namespace tlm::screens

#pragma once
#include "ui/screen.h"

namespace tlm::screens {

class frmBC_Splash : public Screen {
public:
    explicit frmBC_Splash(Program& program);
};

} // namespace tlm::screens

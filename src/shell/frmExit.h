#pragma once
#include "ui/screen.h"

namespace tlm::screens {

class frmExit : public Screen {
public:
    explicit frmExit(Program& program);
};

} // namespace tlm::screens

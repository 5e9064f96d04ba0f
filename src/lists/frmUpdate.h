#pragma once
#include "ui/screen.h"

namespace tlm::screens {

class frmUpdate : public Screen {
public:
    explicit frmUpdate(Program& program);
};

} // namespace tlm::screens

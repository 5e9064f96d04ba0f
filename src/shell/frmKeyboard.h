#pragma once
#include "ui/screen.h"

namespace tlm::screens {

class frmKeyboard : public Screen {
public:
    explicit frmKeyboard(Program& program);
};

} // namespace tlm::screens

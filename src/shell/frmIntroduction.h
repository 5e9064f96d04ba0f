#pragma once
#include "ui/screen.h"

namespace tlm::screens {

class frmIntroduction : public Screen {
public:
    explicit frmIntroduction(Program& program);
};

} // namespace tlm::screens

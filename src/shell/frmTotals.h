#pragma once
#include "ui/screen.h"

namespace tlm::screens {

class frmTotals : public Screen {
public:
    explicit frmTotals(Program& program);
};

} // namespace tlm::screens

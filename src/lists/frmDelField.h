#pragma once
#include "ui/screen.h"

namespace tlm::screens {

class frmDelField : public Screen {
public:
    explicit frmDelField(Program& program);
};

} // namespace tlm::screens

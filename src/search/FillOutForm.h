#pragma once
// The report window "Asset Information Form". Its pages come with the printing issue.
#include "ui/screen.h"

namespace tlm::screens {

class FillOutForm : public Screen {
public:
    explicit FillOutForm(Program& program);
};

} // namespace tlm::screens

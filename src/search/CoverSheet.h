#pragma once
// The report window "Asset Report Cover Sheet". Its pages come with the printing issue.
#include "ui/screen.h"

namespace tlm::screens {

class CoverSheet : public Screen {
public:
    explicit CoverSheet(Program& program);
};

} // namespace tlm::screens

#pragma once
// The report window "Asset Report". Its pages come with the printing issue.
#include "ui/screen.h"

namespace tlm::screens {

class AssetReport : public Screen {
public:
    explicit AssetReport(Program& program);
};

} // namespace tlm::screens

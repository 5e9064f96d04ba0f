#pragma once
// The cover sheet: the owner's, contact and policy data of the single Personal_Info row and
// the total value of the assets, printed as stored.
#include "search/report_screen.h"

namespace tlm::screens {

class CoverSheet : public ReportScreen {
public:
    explicit CoverSheet(Program& program);

protected:
    report::Rows readRows() override;
};

} // namespace tlm::screens

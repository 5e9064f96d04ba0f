#pragma once
// The blank asset information form, filled in by hand: labels and empty boxes, no data.
#include "search/report_screen.h"

namespace tlm::screens {

class FillOutForm : public ReportScreen {
public:
    explicit FillOutForm(Program& program);

protected:
    report::Rows readRows() override;
};

} // namespace tlm::screens

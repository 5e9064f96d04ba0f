#pragma once
// The asset report: one block a row of the Print table, under a page header with the date,
// the time and the page numbers.
#include "search/report_screen.h"

namespace tlm::screens {

class AssetReport : public ReportScreen {
public:
    explicit AssetReport(Program& program);

protected:
    report::Rows readRows() override;
};

} // namespace tlm::screens

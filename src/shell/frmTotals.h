#pragma once
// The totals screen of the valuation: assets and their value by area.
#include "ui/screen.h"

namespace tlm::screens {

class frmTotals : public Screen {
public:
    explicit frmTotals(Program& program);

    // Written afresh by every valuation (frmMain.cmdValue).
    Currency indoorTots;
    Currency outdoorTots;
    Currency mobileTots;
    Currency grandTot;
    qint64 inNumAssets = 0;
    qint64 outNumAssets = 0;
    qint64 mobNumAssets = 0;
    qint64 totNumAssets = 0; // every Inventory row, whatever its area

    Label* lblHead = nullptr;
    ControlArray<Label> lblHead2; // 0 "Total Assets", 1 "Total Asset Value"
    Label* lblInNumAssets = nullptr;
    Label* lblOutNumAssets = nullptr;
    Label* lblMobNumAssets = nullptr;
    Label* lblTotNumAssets = nullptr;
    Label* lblIndoorTots = nullptr;
    Label* lblOutdoorTots = nullptr;
    Label* lblMobileTots = nullptr;
    Label* lblGrandTot = nullptr;
    Label* lblHelp = nullptr;
    CommandButton* cmdOK = nullptr;

    void cmdOK_Click();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

} // namespace tlm::screens

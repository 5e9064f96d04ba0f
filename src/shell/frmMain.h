#pragma once
// The main menu: the hub every road returns to.
#include "ui/screen.h"

namespace tlm::screens {

class frmMain : public Screen {
public:
    explicit frmMain(Program& program);

    // True: the asset screen opens the asset chosen in the search results; false: it adds.
    bool last_screen_flag = false;
    // True while the search screen was opened from here.
    bool search_last_screen_flag = false;
    bool focusflag = false;

    Label* lblHead1 = nullptr;
    CommandButton* cmdIn = nullptr;
    CommandButton* cmdOut = nullptr;
    CommandButton* cmdAuto = nullptr;
    CommandButton* cmdSearch = nullptr;
    CommandButton* cmdValue = nullptr;
    CommandButton* cmdPersonal = nullptr;
    CommandButton* cmdPrint = nullptr;
    CommandButton* cmdLeave = nullptr;
    ControlArray<Label> lblSelIn; // 0 the Indoor explanation, 1 "Press F1 For Help"
    Label* lblSelOut = nullptr;
    Label* lblSelAuto = nullptr;

    void cmdIn_Click();
    void cmdOut_Click();
    void cmdAuto_Click();
    void cmdSearch_Click();
    // The valuation: totals by area on frmTotals, and the coverage warning.
    void cmdValue_Click();
    void cmdPersonal_Click();
    void cmdPrint_Click();
    void cmdLeave_Click();

protected:
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void show_Area_Menu();
    void show_Coverage_Warning();
};

} // namespace tlm::screens

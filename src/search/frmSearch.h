#pragma once
// The search criteria screen. This first version holds the criteria boxes and the way back;
// the search itself comes with the results screen.
#include "ui/screen.h"

namespace tlm::screens {

class frmSearch : public Screen {
public:
    explicit frmSearch(Program& program);

    ControlArray<Label> lblHead; // 0 heading, 3 the hint shown while no search runs
    ComboBox* cmbArea;
    ComboBox* cmbLocation;
    ComboBox* cmbCat;
    ComboBox* cmbType;
    TextBox* txtKey;
    ProgressBar* pbSearch;
    CommandButton* cmdCancel;

    int clear_flag = 0;
    void clear_listboxes();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void cmdCancel_Click();
};

} // namespace tlm::screens

#pragma once
// The print menu. This first version holds the print table's emptying, which the asset
// screen uses; the menu's buttons and reports come with the printing issue.
#include "ui/screen.h"

namespace tlm::screens {

class frmPrint : public Screen {
public:
    explicit frmPrint(Program& program);

    bool print_flag = false;
    CommandButton* cmdMain;

    // Readies the search screen's busy display and empties Print.
    void clear_Print_Database();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

} // namespace tlm::screens

#pragma once
// The asset screen: adds, updates and deletes one asset.
#include "ui/screen.h"

namespace tlm::screens {

class frmAddUpDel : public Screen {
public:
    explicit frmAddUpDel(Program& program);

    TextBox* txtPur = nullptr;     // purchase date, written by the calendar (code 3)
    qint64 war_Id = 0;             // the asset the warranty screen works on
    QString cmbBox_flag;           // "Location" or "Category"

    void check_Form_Type();

    // (other controls and handlers: completed by the asset screens)
};

} // namespace tlm::screens

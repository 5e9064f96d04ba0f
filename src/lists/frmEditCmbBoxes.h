#pragma once
// The chooser of the lookup-list editors: add, change or delete a location or category of the
// asset screen's area. The asset screen writes its heading and help number and shows it; its
// Continue opens the chosen editor, and every way out ends on the asset screen.
#include "lists/list_editor.h"

namespace tlm::screens {

class frmEditCmbBoxes : public ListEditor {
public:
    explicit frmEditCmbBoxes(Program& program);

    Label* lblHead = nullptr;  // "Add/Edit Indoor Location" ...: the list and the area
    OptionArray optEdit;       // 0 add, 1 change, 2 delete
    CommandButton* cmdUpdate = nullptr;
    CommandButton* cmdCancel = nullptr;
    Label* lblHead2 = nullptr;
    Label* lblHead3 = nullptr;
    Label* lblSelIn = nullptr;

    qint16 helpVal = 0;

    void load_Help();

    void cmdUpdate_Click();
    void cmdCancel_Click() override;
};

} // namespace tlm::screens

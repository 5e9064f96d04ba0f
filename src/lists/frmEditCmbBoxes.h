#pragma once
// The chooser of the lookup-list editors: add, change or delete a location or category of the
// asset screen's area. The asset screen writes its heading and help number and shows it; its
// Continue opens the chosen editor, and every way out ends on the asset screen.
#include "platform/forms/modal_dialog.h"
#include "ui/screen.h"

namespace tlm::screens {

class frmEditCmbBoxes : public Screen {
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
    // Shown modal over `opener`, which stays disabled until an editor gives it back.
    void showFor(Form& opener);

    void cmdUpdate_Click();
    void cmdCancel_Click();

protected:
    void Form_Unload(int& cancel) override;

private:
    ModalSession modal_{*this};
};

} // namespace tlm::screens

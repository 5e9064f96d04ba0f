#pragma once
// The delete dialog of the lookup-list editors: clears a location or category the user added
// from the area table, unless it is built in or an asset uses it, and rebuilds the asset
// screen's list.
#include "lists/list_editor.h"

namespace tlm::screens {

class frmDelField : public ListEditor {
public:
    explicit frmDelField(Program& program);

    Label* lblHead = nullptr;   // "Delete Indoor Location" ...: written by the chooser
    Label* lblChoice = nullptr; // "Location" or "Category"
    ComboBox* cmbCat = nullptr; // the names that may be deleted; no typing
    CommandButton* cmdUpdate = nullptr;
    CommandButton* cmdCancel = nullptr;
    Label* lblHead2 = nullptr;
    Label* lblHead3 = nullptr;
    Label* lblSelIn = nullptr;

    // The asset screen's list of the heading's kind, without its editor entry.
    void load_Combo();
    // The asset screen's list again from the area table: the editor entry first, no text.
    void reload_Combo_Boxes();

    void cmdUpdate_Click();
    void cmdCancel_Click() override;

protected:
    void Form_Activate() override;

private:
    void set_Help();
    void cancel_To_Caller();
    void cmbCat_KeyPress(int& keyAscii);

    int helpId_ = 0;
};

} // namespace tlm::screens

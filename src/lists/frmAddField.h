#pragma once
// The add dialog of the lookup-list editors: one new location or category of the asset screen's
// area, stored as a user row of the area table and chosen in the asset screen's list. The class
// also keeps the asset screen's list texts from before an editor opened, and puts them back.
#include "lists/list_editor.h"

namespace tlm::screens {

class frmAddField : public ListEditor {
public:
    explicit frmAddField(Program& program);

    Label* lblHead = nullptr;   // "Add Indoor Location" ...: written by the chooser
    Label* lblChoice = nullptr; // "Location" or "Category"
    TextBox* txtAdd = nullptr;
    CommandButton* cmdUpdate = nullptr;
    CommandButton* cmdCancel = nullptr;
    Label* lblHead2 = nullptr;
    Label* lblHead3 = nullptr;
    Label* lblSelIn = nullptr;

    // The asset screen's location and category texts before an editor opened ("" for none).
    QString textLocTemp;
    QString textCatTemp;
    // Empties the asset screen's list of this dialog's heading.
    void clear_It();
    // Puts the remembered text back into the asset screen's list that opened the editor.
    void reload_Combobox();

    void cmdUpdate_Click();
    void cmdCancel_Click() override;

protected:
    void Form_Activate() override;

private:
    void set_Help();
    void flag_Empty_Entry();

    int helpId_ = 0;
};

} // namespace tlm::screens

#pragma once
// The rename dialog of the lookup-list editors: gives a location or category the user added a
// new name, in the area table and in every asset of the asset screen's area that carries it.
#include "lists/list_editor.h"

namespace tlm::screens {

struct ListMode;

class frmUpdate : public ListEditor {
public:
    explicit frmUpdate(Program& program);

    Label* lblHead4 = nullptr;  // "Change Indoor Location" ...: written by the chooser
    Label* lblChoice = nullptr; // "Current"
    ComboBox* cmbCat = nullptr; // the name to change
    Label* lblHead1 = nullptr;  // "New"
    TextBox* txtNew = nullptr;  // the new name
    CommandButton* cmdUpdate = nullptr;
    CommandButton* cmdCancel = nullptr;
    Label* lblHead2 = nullptr;
    Label* lblHead3 = nullptr;
    Label* lblHead5 = nullptr;
    Label* lblSelIn = nullptr;

    // The asset screen's list of the heading's kind, without its editor entry; no new name.
    void load_Combo();
    // The asset screen's list again from the area table, the editor entry first, showing the
    // new name.
    void reload_Combo_Boxes();

    void cmdUpdate_Click();
    void cmdCancel_Click() override;

protected:
    void Form_Activate() override;

private:
    void load_Help();
    void close_Form();
    // The area table and the assets of the area take the new name; throws when the store fails.
    void rename(const ListMode& mode, const QString& oldName, const QString& newName);

    double HelpID = 0;
    bool NameExists = false;
};

} // namespace tlm::screens

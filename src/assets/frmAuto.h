#pragma once
// The per-area asset menu: add an asset to the area in the heading, or search the area for
// an asset to update or delete.
#include "ui/screen.h"

namespace tlm::screens {

class frmAuto : public Screen {
public:
    explicit frmAuto(Program& program);

    // The heading carries the area: "Indoor Asset Management", "Outdoor ...", "Mobile ...".
    ControlArray<Label> lblHead1;
    // Each button is the single member of its own array, at its designed index.
    ControlArray<CommandButton> cmdAdd;    // index 0
    ControlArray<CommandButton> cmdUpdate; // index 1
    ControlArray<CommandButton> cmdDelete; // index 2
    ControlArray<CommandButton> cmdBack;   // index 3
    ControlArray<CommandButton> cmdLeave;  // index 4
    ControlArray<Label> lblSelOut;         // the explanations beside Add, Update, Delete
    Label* lblSelIn = nullptr;

    // The help topic of the area shown: 9001 Indoor, 10001 Outdoor, 11001 Mobile.
    int HelpId = 0;

    void load_It();

    void cmdAdd_Click(int index);
    void cmdUpdate_Click(int index);
    void cmdDelete_Click(int index);
    void cmdBack_Click(int index);
    void cmdLeave_Click(int index);

protected:
    void Form_Unload(int& cancel) override;

private:
    void set_Help_IDs();
    void load_Search_Area();
    // "Indoor", "Outdoor" or "Mobile" from the heading.
    QString headingArea() const;
};

} // namespace tlm::screens

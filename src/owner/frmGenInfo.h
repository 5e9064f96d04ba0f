#pragma once
// The owner's information screen. This first version holds what the start-up road and the
// main menu use; its boxes come with the owner issue.
#include "ui/screen.h"

namespace tlm::screens {

class frmGenInfo : public Screen {
public:
    explicit frmGenInfo(Program& program);

    ControlArray<Label> lblHead; // 0 heading, 1 and 2 the two steps
    ControlArray<CommandButton> cmdBack; // 0: back to the main menu
    CommandButton* cmdExit;

    void load_PersonalInfo();

protected:
    void Form_Activate() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

} // namespace tlm::screens

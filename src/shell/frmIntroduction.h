#pragma once
// The first-run introduction: it leads to the keyboard picture and the owner's information.
#include "ui/screen.h"

namespace tlm::screens {

class frmIntroduction : public Screen {
public:
    explicit frmIntroduction(Program& program);

    ControlArray<Label> lblIntro; // 0 to 4, the introduction's lines
    Label* lblHelp = nullptr;     // "Press F1 For Help"
    CommandButton* cmdOK = nullptr;

    void cmdOK_Click();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

} // namespace tlm::screens

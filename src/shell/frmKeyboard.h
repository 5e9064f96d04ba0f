#pragma once
// Where F1 is: shown once on the first run, between the introduction and the owner's screen.
#include "ui/screen.h"

namespace tlm::screens {

class frmKeyboard : public Screen {
public:
    explicit frmKeyboard(Program& program);

    PictureBox* Picture1 = nullptr;
    CommandButton* cmdUpdate = nullptr;

    void cmdUpdate_Click();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

} // namespace tlm::screens

#pragma once
// The goodbye screen: its timer ends the program.
#include "ui/screen.h"

namespace tlm::screens {

class frmExit : public Screen {
public:
    explicit frmExit(Program& program);

    ControlArray<Label> lblBye; // 0 "Thank You For Choosing Tallowmere", 1 "Have A Wonderful Day!"
    PictureBox* imgHome = nullptr;
    Timer* tmExit = nullptr; // 1500 ms, running from the load

    void tmExit_Timer();

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

} // namespace tlm::screens

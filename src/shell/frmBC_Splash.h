#pragma once
// The program's start-up screen: its picture for two seconds, then the hidden start-up screen
// takes over.
#include "ui/screen.h"

namespace tlm::screens {

inline const QString kSplashCaption = QStringLiteral(" Tallowmere By Brindlecote Software");

class frmBC_Splash : public Screen {
public:
    explicit frmBC_Splash(Program& program);

    PictureBox* Picture1 = nullptr;
    Timer* tmrLoad = nullptr; // 2000 ms, enabled by the load

    // The timer's tick: hide, then the start-up load of frmHeader.
    void tmrLoad_Timer();

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

} // namespace tlm::screens

#pragma once
// The hidden start-up screen: single-copy check, opening the tables, start-up routing.
#include "ui/screen.h"

namespace tlm::screens {

class frmHeader : public Screen {
public:
    explicit frmHeader(Program& program);

    // Where the keyboard picture's continue button leads: 3 the owner screen, else the main menu.
    qint16 keyboardFlag = 0;
    QString newFlagChk;
};

} // namespace tlm::screens

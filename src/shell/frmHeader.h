#pragma once
// The hidden start-up screen: single-copy check, opening the tables, start-up routing.
#include "ui/screen.h"

namespace tlm::screens {

class frmHeader : public Screen {
public:
    explicit frmHeader(Program& program);

    // Where the keyboard picture's continue button leads: 3 the owner screen, else the main menu.
    qint16 keyboardFlag = 0;
    // The stored value that marks the introduction as done.
    QString newFlagChk;

    // Returns, or ends the program when another copy runs.
    void check_Already_Running();
    // The first screen: the introduction on the first run, else the notices and the main menu.
    void load_Start_Screen();

protected:
    void Form_Load() override;

private:
    void tell_If_Read_Only();
    void show_Policy_Notice();
};

} // namespace tlm::screens

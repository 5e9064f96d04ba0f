#pragma once
// The main menu: the hub every road returns to.
#include "ui/screen.h"

namespace tlm::screens {

class frmMain : public Screen {
public:
    explicit frmMain(Program& program);

    // True: the asset screen opens the asset chosen in the search results; false: it adds.
    bool last_screen_flag = false;
    // True while the search screen was opened from here.
    bool search_last_screen_flag = false;
    bool focusflag = false;

    // (controls and handlers: completed by the shell)
};

} // namespace tlm::screens

#pragma once
// The save screen of the shut-down: purge, close, backup, then the goodbye screen.
#include "ui/screen.h"

namespace tlm::screens {

class frmProgress : public Screen {
public:
    explicit frmProgress(Program& program);

    // (controls and save_Database_Changes: completed by the shell)
};

} // namespace tlm::screens

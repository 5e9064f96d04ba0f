#pragma once
// The per-area asset menu.
#include "ui/screen.h"

namespace tlm::screens {

class frmAuto : public Screen {
public:
    explicit frmAuto(Program& program);

    // The heading carries the area: "Indoor Asset Management", "Outdoor ...", "Mobile ...".
    ControlArray<Label> lblHead1;
    void load_It();

    // (other controls and handlers: completed by the asset screens)
};

} // namespace tlm::screens

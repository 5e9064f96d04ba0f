#pragma once
// What the chooser and the three editors of the lookup lists share: each is shown modal over
// the hidden asset screen and ends on it, and its close box runs its Cancel.
#include "platform/forms/modal_dialog.h"
#include "ui/screen.h"

namespace tlm::screens {

class ListEditor : public Screen {
public:
    using Screen::Screen;

    // Shown modal over `opener`, which stays disabled until the editor gives it back.
    void showFor(Form& opener) { modal_.open(opener); }
    virtual void cmdCancel_Click() = 0;

protected:
    void Form_Unload(int& cancel) override;
    // Hides the editor and shows the asset screen, which has its controls back.
    void return_To_Caller();

    ModalSession modal_{*this};
};

} // namespace tlm::screens

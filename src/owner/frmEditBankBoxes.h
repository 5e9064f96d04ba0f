#pragma once
// The account chooser: add, view or update, or delete a financial account, before the account
// screen opens in that mode. Shown modal over the owner screen.
#include "platform/forms/modal_dialog.h"
#include "ui/screen.h"

namespace tlm::screens {

class frmEditBankBoxes : public Screen {
public:
    explicit frmEditBankBoxes(Program& program);

    OptionArray optEdit; // 0 add, 1 view / update, 2 delete
    CommandButton* cmdUpdate = nullptr; // Continue
    CommandButton* cmdCancel = nullptr;
    Label* lblHead = nullptr;
    Label* lblHead2 = nullptr;
    Label* lblHead3 = nullptr;
    Label* lblSelIn = nullptr;

    // The account screen's mode: 0 add, 1 update, 2 delete.
    qint16 optVal = 0;

    // Shows the chooser modal over `opener`; `onCancel` runs when the owner leaves without
    // choosing (Cancel or the close box). Continue hands over to the account screen.
    void showFor(Form& opener, std::function<void()> onCancel);

    void optEdit_Click(int index);
    void cmdUpdate_Click();
    void cmdCancel_Click();

protected:
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

private:
    void show_Bank_Form();

    ModalSession modal_{*this};
    std::function<void()> onCancel_;
};

} // namespace tlm::screens

#pragma once
// The financial account screen: one Bank_Info row at a time, added, browsed and updated, or
// deleted, in the mode the account chooser hands it.
#include "ui/currency_amount_box.h"
#include "ui/screen.h"

namespace tlm::screens {

class frmBank : public Screen {
public:
    explicit frmBank(Program& program);

    Label* lblMainHead = nullptr; // the mode
    TextBox* txtName = nullptr;
    TextBox* txtAddress = nullptr;
    TextBox* txtCity = nullptr;
    ComboBox* cmbState = nullptr;
    TextBox* txtPhone1 = nullptr;
    TextBox* txtPhone2 = nullptr;
    TextBox* txtPhone3 = nullptr;
    ComboBox* cmbType = nullptr;
    TextBox* txtAccount = nullptr;
    TextBox* txtRoute = nullptr;
    CurrencyAmountBox* txtBalance = nullptr;
    TextBox* txtDate = nullptr;
    PictureBox* picDate = nullptr;
    CommandButton* cmdPrevious = nullptr;
    CommandButton* cmdNext = nullptr;
    CommandButton* cmdBack = nullptr;  // Cancel
    CommandButton* cmdState = nullptr; // the mode's action
    Label* lblState = nullptr;
    Label* lblSelIn = nullptr;
    ControlArray<Label> lblHead; // the boxes' labels, then the telephone number's brackets and dash
    Label* lblSubhead = nullptr;
    Label* lblChoice = nullptr;

    // While true, an activation keeps what the boxes hold (the calendar has just closed); the
    // chooser clears it before it shows the screen.
    bool calFlag = false;
    // While true, an activation puts the focus in the name, and full telephone parts move it on.
    bool setflag = false;

    void cmdState_Click();
    void cmdBack_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void picDate_Click();

protected:
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Unload(int& cancel) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void wireHandlers();
    void set_HelpContextIDs();
    void setup_Navigation();
    void load_Account();
    void unlock_Fields();
    void check_For_Changes();
    void add_Account();
    void clear_Form();
    // The name and account number checks of adding and updating; false after a refusal.
    bool check_Entries();
    // Makes the shown account the current row; false when it is no longer there.
    bool find_Shown_Account();
    // The boxes into a new row or the current one; false when the store refused (said so).
    bool store_Account(bool adding);
    // The account number stays as added: read-only while updating or deleting.
    void lock_Account_Number();
    bool updateOrDelete() const;
    void leave();

    double HelpID = 0;
    bool Flagged = false;
    bool opening_ = false; // shown by the chooser, not yet set up
};

} // namespace tlm::screens

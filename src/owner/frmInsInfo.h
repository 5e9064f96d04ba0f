#pragma once
// The insurance policy screen: company, policy number, expiration, coverage and the switch
// that warns at start-up before the policy expires (Personal_Info fields 19 to 22 and 24).
#include "ui/currency_amount_box.h"
#include "ui/screen.h"

namespace tlm::screens {

class frmInsInfo : public Screen {
public:
    explicit frmInsInfo(Program& program);

    TextBox* txtCompany = nullptr;
    TextBox* txtPolicyNum = nullptr;
    TextBox* txtPolicyExpire = nullptr;
    PictureBox* picDate = nullptr;
    CurrencyAmountBox* txtCoverageAmt = nullptr;
    CheckBox* chkNotify = nullptr;
    CommandButton* cmdUpdate = nullptr;
    CommandButton* cmdCancel = nullptr;
    CommandButton* cmdClear = nullptr;
    ControlArray<Label> lblHead; // 0 the heading, 1 to 4 the boxes' labels
    Label* lblSelIn = nullptr;

    // While true, a ticked notify box is not refused for a date before today; the owner screen
    // clears it before it shows this screen, each key or button released on the box clears it.
    bool checkflag = false;

    void cmdUpdate_Click();
    void cmdCancel_Click();
    void cmdClear_Click();
    // Opens the calendar on the expiration date.
    void picDate_Click();

protected:
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

private:
    void buildLayout();
    void wireHandlers();
    void check_Notify_And_Save();
    void reset_Notify();
    void show_Stored_Notify();
    void txtPolicyExpire_Change();
    // Fields 20, 24, 19, 21 and 22 from the boxes, with the read-backs, in one Update; false
    // when the store refused it (nothing is kept).
    bool save_Policy();
    void write_Policy(Recordset& general);
    void leave();
};

} // namespace tlm::screens

#pragma once
// The owner's information screen: name, address, the three telephone numbers and e-mail of
// the single Personal_Info row (fields 0 to 16), and the way to the insurance policy and the
// financial accounts.
#include "ui/screen.h"

namespace tlm::screens {

class frmGenInfo : public Screen {
public:
    explicit frmGenInfo(Program& program);

    // Index = the Personal_Info field the box edits: 0 to 4 and 6 to 16 (5 is cmbState).
    ControlArray<TextBox> txtInfo;
    ComboBox* cmbState = nullptr;

    CommandButton* cmdBank = nullptr;
    CommandButton* cmdInsInfo = nullptr;
    ControlArray<CommandButton> cmdBack;     // 0: back to the main menu without saving
    ControlArray<CommandButton> cmdContinue; // 0: save, then the main menu
    CommandButton* cmdExit = nullptr;

    // 0 heading, 1 and 2 the two instruction lines, 3 to 11 the brackets and dashes of the
    // telephone numbers.
    ControlArray<Label> lblHead;
    ControlArray<Label> lblSubhead; // the boxes' labels
    Label* lblSelIn = nullptr;

    // Fills the boxes from the row; placeholders become empty boxes.
    void load_PersonalInfo();
    // Writes the boxes into the row, placeholders for the empty ones.
    void save_It();

    void cmdBack_Click();
    void cmdContinue_Click();
    void cmdInsInfo_Click();
    void cmdBank_Click();
    void cmdExit_Click();

protected:
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

private:
    void buildLayout();
    void wireHandlers();
    void txtInfo_Change(int index);
    void return_To_Main_Menu();
};

} // namespace tlm::screens

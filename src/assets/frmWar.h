#pragma once
// The warranty screen of one asset: the parts and labor warranties (type, coverage, maximum
// amount, expiration month, day and year) and the terms, Inventory fields 15 to 27.
#include "ui/currency_amount_box.h"
#include "ui/screen.h"

namespace tlm::screens {

class frmWar : public Screen {
public:
    explicit frmWar(Program& program);

    TextBox* txtName = nullptr; // the asset's item name, shown only

    ComboBox* cmbParts = nullptr;
    TextBox* txtPCover = nullptr;
    CurrencyAmountBox* txtPAmt = nullptr;
    ComboBox* cmbPMonth = nullptr;
    ComboBox* cmbPDay = nullptr;
    ComboBox* cmbPYear = nullptr;
    PictureBox* picPDate = nullptr;

    ComboBox* cmbLabor = nullptr;
    TextBox* txtLCover = nullptr;
    CurrencyAmountBox* txtLAmt = nullptr;
    ComboBox* cmbLMonth = nullptr;
    ComboBox* cmbLDay = nullptr;
    ComboBox* cmbLYear = nullptr;
    PictureBox* picLDate = nullptr;

    MemoBox* txtDescription = nullptr; // terms and conditions

    ControlArray<CommandButton> cmdSave; // element 0
    CommandButton* cmdCancel = nullptr;

    ControlArray<Label> lblHead;    // 0 title, 1 and 2 the two steps
    ControlArray<Label> lblSubhead; // 0 to 11, column and row headings
    Label* lblSelIn = nullptr;

    // Fills the screen from the asset frmAddUpDel.war_Id.
    void load_It();

    void cmdSave_Click(int index);
    void cmdCancel_Click();
    void picPDate_Click();
    void picLDate_Click();

protected:
    void Form_Unload(int& cancel) override;

private:
    void buildLayout();
    void wireHandlers();

    // Makes the asset's Inventory row current; false when no row carries the number.
    bool find_Asset();
    void fill_Day_List(ComboBox* month, ComboBox* day);
    void wireDateLists(ComboBox* month, ComboBox* day, ComboBox* year);
    void open_Calendar(int code, ComboBox* month, ComboBox* day, ComboBox* year);
    // A complete month, day and year that is no real date; false for a partial date.
    bool impossibleDate(ComboBox* month, ComboBox* day, ComboBox* year) const;
    void leave();

    bool changed_flag = false;
};

} // namespace tlm::screens

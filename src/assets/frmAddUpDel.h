#pragma once
// The asset screen: adds an asset to the area of the per-area menu, or shows one asset chosen
// in the search results to update, delete or print it.
#include "ui/currency_amount_box.h"
#include "ui/screen.h"


namespace tlm::screens {

class frmAddUpDel : public Screen {
public:
    explicit frmAddUpDel(Program& program);

    Label* lblHead = nullptr;
    ComboBox* cmbArea = nullptr;
    ComboBox* cmbLoc = nullptr;
    ComboBox* cmbCat = nullptr;
    ComboBox* cmbType = nullptr;
    ComboBox* cmbYear = nullptr;
    TextBox* txtMake = nullptr;
    TextBox* txtMod = nullptr;
    TextBox* txtSerial = nullptr;
    TextBox* txtPur = nullptr;     // purchase date, written by the calendar (code 3)
    PictureBox* picDate = nullptr;
    CurrencyAmountBox* txtPPrice = nullptr;
    OptionArray optRecOnFile;      // 0 "Yes", 1 "No"
    TextBox* txtLoc = nullptr;     // where the receipt is kept
    MemoBox* txtDescription = nullptr;
    OptionArray optPurNewUsed;     // 0 "New", 1 "Used"
    CheckBox* chkWar = nullptr;
    CheckBox* chkClear = nullptr;
    CommandButton* cmdAdd = nullptr;
    CommandButton* cmdUpdate = nullptr;
    CommandButton* cmdDelete = nullptr;
    CommandButton* cmdPrint = nullptr;
    CommandButton* cmdWarranty = nullptr;
    CommandButton* cmdClear = nullptr;
    CommandButton* cmdCancel = nullptr;
    CommandButton* cmdMain = nullptr;
    Label* lblSelIn = nullptr;

    bool warFlag = false;          // the warranty box was ticked when the last add began
    QString cmbBox_flag;           // "Location" or "Category": the list whose editor was chosen
    bool optbutton = false;        // the receipt option "No" had the focus last
    qint64 war_Id = 0;             // the asset the warranty screen works on

    // The result of the last validation: true when the entries may not be saved.
    bool EntryFailed = false;
    int HelpBase = 0;
    // The price as shown when the asset was loaded (or last updated).
    QString LoadedPrice;

    // The single entry: sets the screen up for adding or for the asset chosen in the results.
    void check_Form_Type();
    void clear_ComboBoxes();
    void save_It();

protected:
    void Form_Unload(int& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void wireEvents();

    void set_Add_Mode();
    // The one default button of the screen (Enter presses it).
    void load_Asset();
    void clear_Fields();
    void load_Warranty_Check();
    void set_Help_IDs();
    void clear_Edit_Options();
    void check_Entries();
    // True when it added a lookup row.
    bool save_New_List_Items();

    // Moves rsInventory to the asset of frmSearchResults.id_num; false when it is not there.
    bool find_Asset();
    // The area table of an area word; nullptr for a word that names no area.
    Recordset* areaTable(const QString& area);
    void fillAreaLists(Recordset& table);
    void fillItems();
    void openListEditor(const QString& which);
    void storePreference(int field, CheckBox* box);
    void writeAssetFields(Recordset& inventory);
    QString currentYear() const;

    // List handlers.
    void cmbArea_Click();
    void cmbArea_KeyDown(int& keyCode, int shift);
    void cmbLoc_GotFocus();
    void cmbLoc_Click();
    void cmbLoc_KeyPress(int& keyAscii);
    void cmbCat_Click();
    void cmbCat_KeyDown(int& keyCode, int shift);
    void cmbCat_KeyPress(int& keyAscii);
    void cmbType_DblClick();

    // Field handlers.
    void chkClear_Click();
    void chkWar_Click();
    void cmbYear_GotFocus();
    void cmbYear_LostFocus();
    void txtPur_KeyPress(int& keyAscii);
    void txtPur_MouseDown(int button, int shift, int x, int y);
    void txtPur_LostFocus();
    void picDate_Click();
    void optRecOnFile_GotFocus(int index);
    void txtLoc_GotFocus();
    void txtLoc_KeyPress(int& keyAscii);
    void txtLoc_LostFocus();
    void cmdClear_Click();
    void cmdWarranty_Click();

    // Buttons.
    void cmdAdd_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();
    void cmdMain_Click();
    // Back to the freshly searched results, or to the per-area menu when adding.
    void return_To_Previous();
    // The open asset is no longer stored: says so, writes nothing and leaves as Cancel would.
    void asset_Gone(const QString& message);

    // What the last passing validation converted, so nothing is converted while writing.
    Currency enteredPrice_;
    QDate enteredDate_;
    // The loaded price as an amount (zero when the stored text was no amount).
    Currency loadedAmount_;
};

} // namespace tlm::screens

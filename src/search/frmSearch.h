#pragma once
// The search criteria screen: an area, then a location, a category and an item, each list
// filled from the area's lookup table by the choice above it, and a key word. Search hands
// over to the results screen; Cancel goes back to the screen that opened the search.
#include "ui/screen.h"

namespace tlm::screens {

class frmSearch : public Screen {
public:
    explicit frmSearch(Program& program);

    // 0 heading (set by the opener), 1 "Narrow Your Search", 2 "Search By Word",
    // 3 the hint shown while no search runs, 4 "And / Or".
    ControlArray<Label> lblHead;
    Label* lblArea;
    Label* lblLocation;
    Label* lblCat;
    Label* lblType;
    ControlArray<Label> lblSelIn; // 1 "Press F1 For Help"
    ComboBox* cmbArea;
    ComboBox* cmbLocation;
    ComboBox* cmbCat;
    ComboBox* cmbType;
    TextBox* txtKey;
    ProgressBar* pbSearch;
    CommandButton* cmdContinue;
    CommandButton* cmdClearForm;
    CommandButton* cmdBack;
    CommandButton* cmdCancel; // the first version's name of cmdBack, the same button

    // How far clear_listboxes resets: below 2 the area, below 3 the location, below 4 the
    // category, below 5 the item.
    int clear_flag = 0;
    void clear_listboxes();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill_Locations();
    void fill_Categories();
    void fill_Items();
    // One fill: when `above` holds a name, empties `list` and the lists below it and fills it
    // with the distinct names of `column` of the area's table (only the rows of `category`
    // when given); then makes sure "Any" is an entry.
    void fill_List(ComboBox* above, int level, int column, ComboBox* list, const QString& category = QString());
    // The lookup table of the area text; any other text puts "Any" back and reads none.
    Recordset* area_Table();

    // The order checks: false (after the message, with the focus on the list to choose
    // first) when a list above `box` still says "Any".
    bool check_Order(ComboBox* box);
    // Whether `box` may be chosen now, without telling.
    bool order_Holds(ComboBox* box) const;

    void cmbArea_Click();
    void cmbType_LostFocus();
    void cmdContinue_Click();
    void cmdClearForm_Click();
    void cmdBack_Click();

    bool clearing_ = false; // clear_listboxes empties lists: their Change fills nothing
};

} // namespace tlm::screens

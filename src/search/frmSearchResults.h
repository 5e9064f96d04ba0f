#pragma once
// The search and its results: every asset that matches the search screen's criteria and key
// word is copied into Print in the chosen order, and shown ten to a page. A column heading
// sorts and searches again; a row's "Update" box opens its asset in the asset screen; Print
// Results prints the whole found set.
#include "ui/screen.h"

#include <array>

namespace tlm::screens {

class frmSearchResults : public Screen {
public:
    explicit frmSearchResults(Program& program);

    static constexpr int kRows = 10;

    // Inventory column of the sort: 1 Area, 2 Location, 4 Type, 5 Year, 6 Make, 7 Model;
    // any other value leaves the table order.
    int sort_flag = 0;
    // True for a search started from the search screen: ask before listing everything, tell
    // when nothing was found. False for a re-sort and for the asset screen's refresh.
    bool message_flag = false;
    bool rec_found = false;      // the last search listed at least one asset
    qint64 adv_rec_count = 0;    // result rows before the current page
    qint64 check_val = 0;        // pages
    qint64 curr_rec_count = 10;  // rows a page
    qint64 page_adv = 0;         // the current page, from 1
    qint64 rec_count = 0;        // assets found
    QString id_num;              // asset number of the row whose "Update" box was used

    Label* lblHead;
    Label* lblRecsFound;
    Label* lblPage;
    ControlArray<Label> lblSubHead; // 0 "Item", 1 "Area", 2 "Location", 3 "Asset", 4 "Year", 5 "Make", 6 "Model"
    // One box of each a display row, indexes 0 to 9.
    ControlArray<TextBox> txtItem;
    ControlArray<TextBox> txtArea;
    ControlArray<TextBox> txtLocation;
    ControlArray<TextBox> txtType;
    ControlArray<TextBox> txtYear;
    ControlArray<TextBox> txtMake;
    ControlArray<TextBox> txtModel;
    ControlArray<TextBox> txtIDNum; // kept hidden
    ControlArray<TextBox> txtMore;  // "Update"
    CommandButton* cmdPrevious;
    CommandButton* cmdNext;
    CommandButton* cmdBack;
    CommandButton* cmdPrint;
    CommandButton* cmdMain;

    // Starts a search with the criteria on the search screen; afterwards rec_found tells
    // whether anything is listed.
    void load_From_Search_Screen();
    // The search itself: fills Print and shows the first page.
    void Get_Records_For_Print();
    // Shows the page that starts after adv_rec_count result rows.
    void load_Items();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    // The search screen's choices, upper-cased once.
    struct Criteria {
        std::array<bool, 4> any{};      // area, location, category, item: "Any" passes every row
        std::array<QString, 4> upper;   // otherwise the whole field must equal this
        QString key;                    // the key word, upper-cased; empty: none
        bool allAny() const { return any[0] && any[1] && any[2] && any[3]; }
        bool passes(const Recordset& rs) const;
        bool keyWordIn(const Recordset& rs) const;
    };
    Criteria read_Criteria() const;

    void clear_Rows();
    void show_Results();
    // The rows from Print's current row on that pass the criteria, up to a page, numbered
    // from `first` + 1.
    void show_Rows(qint64 first);
    // The found count and the page label; for nothing found, "0" and "Page 0 of 0".
    void show_Counts();

    void lblSubHead_Click(int index);
    void open_Asset(int index);
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdBack_Click();
    void cmdPrint_Click();
    void cmdMain_Click();

    Criteria criteria_; // of the last search, for its pages
};

} // namespace tlm::screens

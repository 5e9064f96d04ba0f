#pragma once
// The print menu: the asset report of every asset or of one area, the cover sheet, the blank
// asset form, or the search screen to choose the assets of a custom printout. It also fills and
// empties the Print table the asset report prints.
#include "ui/screen.h"

#include <functional>

namespace tlm::screens {

class frmPrint : public Screen {
public:
    explicit frmPrint(Program& program);

    // True while the search screen serves a custom printout, so that its Cancel returns here.
    // print_Assets clears it and sets it again when it copies an asset: after an area printout
    // it tells whether anything was printed.
    bool print_flag = false;
    // The area print_Assets copies, upper-cased ("INDOOR", "OUTDOOR" or "MOBILE").
    QString PrintArea;

    ControlArray<Label> lblHead1; // 0 heading, 1 sub-heading
    CommandButton* cmdAllPrint = nullptr;
    CommandButton* cmdInPrint = nullptr;
    CommandButton* cmdOutPrint = nullptr;
    CommandButton* cmdAutoPrint = nullptr;
    CommandButton* cmdCover = nullptr;
    CommandButton* cmdFillOutForm = nullptr;
    CommandButton* cmdCustom = nullptr;
    CommandButton* cmdBack = nullptr;
    Label* lblSelIn = nullptr;

    // Readies the search screen's busy display and empties Print (one statement).
    void clear_Print_Database();
    // Copies every asset of PrintArea into Print (one transaction) and shows the asset report,
    // or says there is none. Any failure ends in the printer message.
    void print_Assets();
    // Puts the search screen's busy display back: the progress bar hidden at 0, the hint shown.
    // Public for the asset screen's print of one asset, which must leave the display as it
    // found it.
    void hide_Search_Progress();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void cmdAllPrint_Click();
    void cmdInPrint_Click();
    void cmdOutPrint_Click();
    void cmdAutoPrint_Click();
    void cmdCover_Click();
    void cmdFillOutForm_Click();
    void cmdCustom_Click();
    void cmdBack_Click();

    // The report guard: true (after its message) while one of the three reports is open.
    bool report_Is_Open();
    // One area button: `area` is the area word, `focusAfter` the button that gets the focus
    // back (none: it stays where it is).
    void print_Area(const QString& area, CommandButton* focusAfter);
    // Copies the assets of `area` (upper-cased; every asset when null) into Print: each row
    // stored by its own Update, all of them in one transaction. Sets print_flag when it
    // copied any.
    void copy_Assets(const QString* area);
    // Runs a step of a printout; a failure ends it with the printer message. False when it failed.
    bool print_Step(const std::function<void()>& step);
};

} // namespace tlm::screens

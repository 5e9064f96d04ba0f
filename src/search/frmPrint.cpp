#include "search/frmPrint.h"

#include "platform/forms/busy_guard.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"
#include "search/frmSearch.h"
#include "shell/frmMain.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <climits>

namespace tlm::screens {

namespace {

constexpr int kHelpTopic = 8001; // the print menu's topic of the help file

const QString kNoAssetsInArea = QStringLiteral("           No Assets Found To Print!");
const QString kNoAssetsAtAll = QStringLiteral("             No Assets Found To Print!");
const QString kPrinterError =
    QStringLiteral("Error Printing Report...Please Ensure Printer Is Turned On And Working Properly!");
const QString kCloseReportFirst =
    QStringLiteral("Please Close Print Window Before Selecting Another Report To Print!");

CommandButton* menuButton(QWidget* parent, const QString& caption, const QString& tip)
{
    auto* b = new CommandButton(parent, caption);
    b->setToolTipText(tip);
    b->setMinimumSize(120, 38);
    b->HelpContextID = kHelpTopic;
    return b;
}

QFrame* separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

frmPrint::frmPrint(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 18);
    layout->setSpacing(12);

    lblHead1.add(new Label(this, QStringLiteral("Print Assets")), 0);
    lblHead1.add(new Label(this, QStringLiteral("What Assets Would You Like To Print?")), 1);
    lblHead1[0]->setFont(style::scaled(this, 8, true));
    lblHead1[1]->setFont(style::scaled(this, 2));
    for (Label* l : lblHead1) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    layout->addSpacing(4);

    cmdAllPrint = menuButton(this, QStringLiteral("&All"), QStringLiteral(" Click Here To Print All Of Your Assets "));
    cmdInPrint = menuButton(this, QStringLiteral("&Indoor "), QStringLiteral(" Click Here To Print All Of Your Indoor Assets "));
    cmdOutPrint = menuButton(this, QStringLiteral("&Outdoor"), QStringLiteral(" Click Here To Print All Of Your Outdoor Assets "));
    cmdAutoPrint = menuButton(this, QStringLiteral("&Mobile"), QStringLiteral(" Click Here To Print All Of Your Mobile Assets "));
    auto* areas = new QHBoxLayout;
    areas->setSpacing(10);
    for (CommandButton* b : {cmdAllPrint, cmdInPrint, cmdOutPrint, cmdAutoPrint})
        areas->addWidget(b);
    layout->addLayout(areas);

    layout->addWidget(separator(this));

    cmdCover = menuButton(this, QStringLiteral("Personal Information Cover &Sheet"),
                          QStringLiteral(" Click Here To Print A Personal Information Cover Sheet "));
    cmdFillOutForm = menuButton(this, QStringLiteral("Asset Information &Form"),
                                QStringLiteral(" Click Here To Print A Blank Asset Information Form "));
    cmdCustom = menuButton(this, QStringLiteral("Create Custom &Printout"),
                           QStringLiteral(" Click Here To Select Certain Assets To Print "));
    auto* others = new QGridLayout;
    others->setHorizontalSpacing(10);
    others->setVerticalSpacing(10);
    others->addWidget(cmdCover, 0, 0, 1, 2);
    others->addWidget(cmdFillOutForm, 1, 0);
    others->addWidget(cmdCustom, 1, 1);
    layout->addLayout(others);

    layout->addWidget(separator(this));

    cmdBack = menuButton(this, QStringLiteral("&Cancel"), QStringLiteral(" Click Here To Return To Previous Window "));
    lblSelIn = new Label(this, QStringLiteral("Press F1 For Help"));
    lblSelIn->setAlignment(Qt::AlignCenter);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmdBack);
    bottom->addWidget(lblSelIn, 1);
    // Balances the Cancel button, so that the hint stands in the middle.
    bottom->addSpacing(cmdBack->minimumWidth());
    layout->addLayout(bottom);

    wireHighlight({cmdAllPrint, cmdInPrint, cmdOutPrint, cmdAutoPrint, cmdCover, cmdFillOutForm, cmdCustom, cmdBack});
    cmdAllPrint->Click = [this] { cmdAllPrint_Click(); };
    cmdInPrint->Click = [this] { cmdInPrint_Click(); };
    cmdOutPrint->Click = [this] { cmdOutPrint_Click(); };
    cmdAutoPrint->Click = [this] { cmdAutoPrint_Click(); };
    cmdCover->Click = [this] { cmdCover_Click(); };
    cmdFillOutForm->Click = [this] { cmdFillOutForm_Click(); };
    cmdCustom->Click = [this] { cmdCustom_Click(); };
    cmdBack->Click = [this] { cmdBack_Click(); };

    resize(sizeHint().expandedTo(QSize(560, 0)));
    setMinimumSize(size());
    style::centerOnScreen(this);
}

// ---------------------------------------------------------------- the Print table

void frmPrint::clear_Print_Database()
{
    frmSearch& search = program.frmSearch();
    search.pbSearch->setVisible(true);
    search.lblHead[3]->setVisible(false);
    search.pbSearch->setValue(0);
    Recordset& print = Data1.rsPrint;
    if (print.RecordCount() == 0)
        return;
    if (Data1.rsInventory.RecordCount() != 0)
        search.pbSearch->setMax(int(std::min<qint64>(Data1.rsInventory.RecordCount(), INT_MAX)));
    // Every row in one statement, one write to disk: not one commit a row.
    print.DeleteAll();
}

void frmPrint::copy_Assets(const QString* area)
{
    Recordset& inventory = Data1.rsInventory;
    Recordset& print = Data1.rsPrint;
    if (inventory.RecordCount() == 0)
        return;
    bool copied = false;
    {
        // One write to disk for all the copies; a failure takes every one of them back.
        Transaction tx(Data1.Home);
        EditGuard edit(print);
        // Wherever the shared cursor stood (also before the first row), the walk starts at the first.
        inventory.MoveFirst();
        while (!inventory.isEOF()) {
            if (!area || UCase(inventory.text(fld::Inventory::Area)) == *area) {
                print.AddNew();
                for (int i = 0; i < fld::Print::Count; ++i)
                    print.setField(i, inventory.Fields(i));
                print.Update();
                copied = true;
            }
            inventory.MoveNext();
        }
        tx.commit();
    }
    // The next screen that reads the shared cursor finds a row, not the end.
    inventory.MoveFirst();
    if (copied)
        print_flag = true;
}

void frmPrint::print_Assets()
{
    print_Step([this] {
        print_flag = false;
        if (Data1.rsPrint.RecordCount() != 0)
            clear_Print_Database();
        copy_Assets(&PrintArea);
        if (print_flag)
            program.AssetReport().Show();
        else
            msgBox(kNoAssetsInArea, vbExclamation);
    });
}

void frmPrint::hide_Search_Progress()
{
    frmSearch& search = program.frmSearch();
    search.pbSearch->setValue(0);
    search.pbSearch->setVisible(false);
    search.lblHead[3]->setVisible(true);
}

bool frmPrint::print_Step(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const std::exception&) {
        msgBox(kPrinterError, vbCritical);
        return false;
    }
}

// ---------------------------------------------------------------- the buttons

bool frmPrint::report_Is_Open()
{
    if (!program.FillOutForm().Visible() && !program.CoverSheet().Visible() && !program.AssetReport().Visible())
        return false;
    msgBox(kCloseReportFirst, vbExclamation);
    return true;
}

void frmPrint::print_Area(const QString& area, CommandButton* focusAfter)
{
    if (report_Is_Open())
        return;
    {
        BusyGuard busy(*this);
        PrintArea = UCase(area);
        // A Print table that cannot be emptied ends the printout as a failed copy would.
        if (print_Step([this] { clear_Print_Database(); }))
            print_Assets();
        if (focusAfter)
            focusAfter->SetFocus();
        hide_Search_Progress();
    }
}

void frmPrint::cmdInPrint_Click() { print_Area(stored::Indoor, nullptr); }
void frmPrint::cmdOutPrint_Click() { print_Area(stored::Outdoor, cmdOutPrint); }
void frmPrint::cmdAutoPrint_Click() { print_Area(stored::Mobile, cmdAutoPrint); }

void frmPrint::cmdAllPrint_Click()
{
    if (report_Is_Open())
        return;
    print_Step([this] {
        clear_Print_Database();
        if (Data1.rsInventory.RecordCount() == 0) {
            msgBox(kNoAssetsAtAll, vbExclamation);
            return;
        }
        {
            BusyGuard busy(*this);
            copy_Assets(nullptr);
            program.AssetReport().Show();
        }
        cmdAllPrint->SetFocus();
    });
    // Also after an empty inventory or a failure: emptying Print readied the busy display.
    hide_Search_Progress();
}

void frmPrint::cmdCover_Click()
{
    if (report_Is_Open())
        return;
    print_Step([this] { program.CoverSheet().Show(); });
}

void frmPrint::cmdFillOutForm_Click()
{
    if (report_Is_Open())
        return;
    print_Step([this] {
        program.FillOutForm().Show();
        cmdFillOutForm->SetFocus();
        hide_Search_Progress();
    });
}

void frmPrint::cmdCustom_Click()
{
    if (report_Is_Open())
        return;
    program.frmMain().search_last_screen_flag = false;
    print_flag = true;
    hide_Search_Progress();
    frmSearch& search = program.frmSearch();
    search.lblHead[0]->setCaption(QStringLiteral("Search For Assets To Print"));
    search.Show();
    Hide();
}

void frmPrint::cmdBack_Click()
{
    print_flag = false;
    hide_Search_Progress();
    program.frmMain().Show();
    Hide();
}

void frmPrint::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens

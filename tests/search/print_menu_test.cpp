// The print menu: what reaches the Print table, the messages, the report guard, the roads to
// the search screen and back, and what a failing store or printer leaves behind.
#include "support/test_program.h"

#include "data/fields.h"
#include "data/placeholders.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"
#include "search/frmPrint.h"
#include "search/frmSearch.h"
#include "shell/frmMain.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tlm::test {
namespace {

const QString kPrinterError =
    QStringLiteral("Error Printing Report...Please Ensure Printer Is Turned On And Working Properly!");

class PrintMenuTest : public ::testing::Test {
protected:
    PrintMenuTest()
    {
        t.openData();
        t->frmMain().Show();
        t->frmMain().cmdPrint->press();
        // The search screen's display as a finished search leaves it.
        search().pbSearch->setVisible(false);
        search().lblHead[3]->setVisible(true);
    }
    ~PrintMenuTest() override { EXPECT_TRUE(t.msgs->allAnswered()) << "an expected message was not shown"; }

    screens::frmPrint& menu() { return t->frmPrint(); }
    screens::frmSearch& search() { return t->frmSearch(); }
    Recordset& inventory() { return t->Data1().rsInventory; }

    // An asset whose every field names itself ("<tag> <field>"); returns its 14 printed texts.
    QStringList addAsset(const QString& area, const QString& tag)
    {
        inventory().AddNew();
        for (int i = fld::Inventory::Area; i < fld::Inventory::Count; ++i)
            inventory().setField(i, i == fld::Inventory::Area ? area : QStringLiteral("%1 %2").arg(tag).arg(i));
        inventory().Update();
        QStringList texts;
        for (int i = 0; i < fld::Print::Count; ++i)
            texts << inventory().text(i);
        return texts;
    }

    void addStalePrintRow()
    {
        t->Data1().rsPrint.AddNew();
        t->Data1().rsPrint.setField(fld::Print::Make, QStringLiteral("stale"));
        t->Data1().rsPrint.Update();
    }

    // The Print table as it is in the file, read over a connection of its own.
    std::vector<QStringList> printOnDisk()
    {
        Database db;
        db.open(t->Data1().file());
        Recordset rs(db, layouts::Print());
        rs.Open();
        std::vector<QStringList> rows;
        for (rs.RecordCount() ? rs.MoveFirst() : void(); rs.RecordCount() && !rs.isEOF(); rs.MoveNext()) {
            rows.emplace_back();
            for (int i = 0; i < rs.fieldCount(); ++i)
                rows.back() << rs.text(i);
        }
        return rows;
    }

    // Presses `button`, which must show `text` in `style` and nothing else.
    void pressExpecting(CommandButton* button, const QString& text, int style)
    {
        t.msgs->shown.clear();
        t.msgs->expect(vbOK, text);
        button->press();
        ASSERT_EQ(t.msgs->shown.size(), 1u) << button->Caption().toStdString();
        EXPECT_EQ(t.msgs->shown[0].style, style);
    }

    // No search runs: the progress bar hidden at 0, the hint shown; the menu's pointer the default.
    void expectIdle()
    {
        EXPECT_FALSE(search().pbSearch->Visible());
        EXPECT_EQ(search().pbSearch->Value(), 0);
        EXPECT_TRUE(search().lblHead[3]->Visible());
        EXPECT_EQ(menu().MousePointer(), 0);
    }

    // Presses `button` with the shared cursor before the first asset, as a backward walk leaves it.
    int commitsOfPressFromBOF(CommandButton* button)
    {
        inventory().MoveFirst();
        inventory().MovePrevious();
        int commits = 0;
        sqlite3_commit_hook(t->Data1().Home.handle(), [](void* n) { return ++*static_cast<int*>(n), 0; }, &commits);
        button->press();
        sqlite3_commit_hook(t->Data1().Home.handle(), nullptr, nullptr);
        return commits;
    }

    TestProgram t;
};

TEST_F(PrintMenuTest, AnAreaPrintCopiesItsAssetsFieldByFieldIntoAnEmptiedPrint)
{
    const QStringList first = addAsset(stored::Indoor, "a");
    const QStringList outdoor = addAsset(stored::Outdoor, "b");
    const QStringList lower = addAsset(QStringLiteral("indoor"), "c");
    for (int n = 0; n < 3; ++n)
        addStalePrintRow();

    EXPECT_EQ(commitsOfPressFromBOF(menu().cmdInPrint), 2) << "one write to empty Print, one for all the copies";
    EXPECT_EQ(printOnDisk(), (std::vector<QStringList>{first, lower}));
    EXPECT_EQ(first.at(0), QStringLiteral("1")) << "field 0, the asset number, is copied";
    EXPECT_TRUE(t->AssetReport().Visible());
    EXPECT_TRUE(menu().print_flag) << "something was printed";
    EXPECT_EQ(search().pbSearch->Max(), 3) << "emptying a full Print readies the bar for the inventory";
    EXPECT_FALSE(inventory().isEOF()) << "the shared cursor is left on a row";
    expectIdle();

    // The same area again gives the same table.
    t->AssetReport().Hide();
    menu().cmdInPrint->press();
    EXPECT_EQ(printOnDisk(), (std::vector<QStringList>{first, lower}));

    t->AssetReport().Hide();
    menu().cmdOutPrint->press();
    EXPECT_EQ(printOnDisk(), (std::vector<QStringList>{outdoor}));
    EXPECT_EQ(menu().focusWidget(), menu().cmdOutPrint);

    // No Mobile assets: eleven blanks, an empty Print, nothing shown.
    t->AssetReport().Hide();
    pressExpecting(menu().cmdAutoPrint, QStringLiteral("           No Assets Found To Print!"), 48);
    EXPECT_TRUE(printOnDisk().empty());
    EXPECT_FALSE(t->AssetReport().Visible());
    EXPECT_FALSE(menu().print_flag);
    EXPECT_EQ(menu().focusWidget(), menu().cmdAutoPrint);
    expectIdle();
}

TEST_F(PrintMenuTest, AllPrintsEveryAssetAndAnEmptyInventorySaysSo)
{
    addStalePrintRow();
    pressExpecting(menu().cmdAllPrint, QStringLiteral("             No Assets Found To Print!"), 48);
    EXPECT_TRUE(printOnDisk().empty());
    EXPECT_FALSE(t->AssetReport().Visible());
    expectIdle(); // the emptying readied the bar; nothing searches

    const std::vector<QStringList> assets = {addAsset(stored::Mobile, "a"), addAsset(stored::Indoor, "b"),
                                             addAsset(QStringLiteral("Garden"), "c")};
    EXPECT_EQ(commitsOfPressFromBOF(menu().cmdAllPrint), 1) << "all the copies in one write";
    EXPECT_EQ(printOnDisk(), assets);
    EXPECT_TRUE(t->AssetReport().Visible());
    EXPECT_TRUE(menu().print_flag);
    EXPECT_EQ(menu().focusWidget(), menu().cmdAllPrint);
    expectIdle();
}

TEST_F(PrintMenuTest, EveryReportButtonRefusesWhileAReportIsOpen)
{
    addAsset(stored::Indoor, "a");
    addStalePrintRow();
    using Reports = std::initializer_list<screens::ReportScreen*>;
    for (screens::ReportScreen* open : Reports{&t->AssetReport(), &t->CoverSheet(), &t->FillOutForm()}) {
        open->Show();
        for (CommandButton* b : {menu().cmdAllPrint, menu().cmdInPrint, menu().cmdOutPrint, menu().cmdAutoPrint,
                                 menu().cmdCover, menu().cmdFillOutForm, menu().cmdCustom}) {
            pressExpecting(b, QStringLiteral("Please Close Print Window Before Selecting Another Report To Print!"), 48);
            EXPECT_TRUE(open->Visible());
        }
        EXPECT_EQ(printOnDisk().size(), 1u) << "Print untouched";
        EXPECT_FALSE(search().isVisible());
        open->Hide();
    }

    // Once the window is closed the same buttons work.
    menu().cmdCover->press();
    EXPECT_TRUE(t->CoverSheet().Visible());
    t->CoverSheet().Hide();
    menu().cmdFillOutForm->press();
    EXPECT_TRUE(t->FillOutForm().Visible());
    EXPECT_EQ(menu().focusWidget(), menu().cmdFillOutForm);
}

TEST_F(PrintMenuTest, CustomLeadsToTheSearchAndCancelBackToTheMainMenu)
{
    screens::frmMain& main = t->frmMain();
    main.search_last_screen_flag = true; // the last search was opened from the main menu
    search().pbSearch->setVisible(true); // and a busy display was left behind
    search().lblHead[3]->setVisible(false);

    menu().cmdCustom->press();
    EXPECT_TRUE(search().isVisible());
    EXPECT_EQ(search().lblHead[0]->Caption(), QStringLiteral("Search For Assets To Print"));
    EXPECT_TRUE(menu().print_flag);
    EXPECT_FALSE(main.search_last_screen_flag);
    EXPECT_FALSE(menu().isVisible());
    expectIdle();

    search().cmdCancel->press();
    EXPECT_TRUE(menu().isVisible()) << "the search screen's Cancel returns here";

    search().pbSearch->setVisible(true);
    menu().cmdBack->press();
    EXPECT_FALSE(menu().print_flag);
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(menu().isVisible());
    expectIdle();

    main.cmdPrint->press();
    t.msgs->expect(vbNo, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    EXPECT_FALSE(menu().requestClose());
    EXPECT_TRUE(menu().isVisible());
}

TEST_F(PrintMenuTest, AFailedWriteEndsInThePrinterMessageAndLeavesNoHalfCopy)
{
    const std::vector<QStringList> assets = {addAsset(stored::Indoor, "a"), addAsset(stored::Indoor, "b"),
                                             addAsset(stored::Indoor, "c")};
    for (CommandButton* button : {menu().cmdInPrint, menu().cmdAllPrint}) {
        SCOPED_TRACE(button->Caption().toStdString());
        // The second copy cannot be stored; the pointer is the hourglass while the copy runs.
        int writes = 0, pointer = -1;
        t->Data1().Home.failWrite = [&] {
            pointer = menu().MousePointer();
            return ++writes == 2;
        };
        pressExpecting(button, kPrinterError, 16);
        t->Data1().Home.failWrite = nullptr;
        EXPECT_EQ(pointer, 11);
        EXPECT_TRUE(printOnDisk().empty()) << "the copies are taken back together";
        EXPECT_EQ(t->Data1().rsPrint.RecordCount(), 0);
        EXPECT_FALSE(t->Data1().rsPrint.editPending()) << "the pending row is cancelled";
        EXPECT_FALSE(t->AssetReport().Visible());
        expectIdle();
    }

    // A Print table that cannot be emptied: the same message, not a run-time error.
    addStalePrintRow();
    t->Data1().Home.failWrite = [] { return true; };
    pressExpecting(menu().cmdOutPrint, kPrinterError, 16);
    pressExpecting(menu().cmdAllPrint, kPrinterError, 16);
    t->Data1().Home.failWrite = nullptr;
    expectIdle();

    menu().cmdAllPrint->press();
    EXPECT_EQ(printOnDisk(), assets) << "the next printout stores exactly the assets";

    // A printer that fails is told by the report's own error event.
    t.printer->mode = FakePrinter::Mode::Fail;
    t.msgs->expect(vbOK, QStringLiteral("A Printing Error Has Occurred...You May Not Have A Printer Installed Or Is "
                                        "Installed Incorrectly."));
    t->AssetReport().viewer->cmdPrint->click();
}

} // namespace
} // namespace tlm::test

// An asset opened from the results: update, delete, print, and the ways out of the screen.
#include "asset_screen_fixture.h"

#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/frmSearch.h"

#include <sqlite3.h>

namespace tlm::test {
namespace {

class AssetUpdateTest : public AssetScreenTest {
protected:
    qint64 id = 0;

    void SetUp() override
    {
        AssetScreenTest::SetUp();
        insertAsset("Mobile", "Car", "Vehicles", "Automobile", "$500.00");
        id = insertAsset("Indoor", "Office", "Electronics", "Computer", "$100.00");
        setTotal(Currency::fromDollars(600));
        openAsset(id);
    }

    void update(const QString& message = QStringLiteral("            Asset Has Been Updated!"))
    {
        t.msgs->expect(vbOK, message);
        screen().cmdUpdate->press();
    }

    std::vector<Value> storedAsset()
    {
        for (const auto& row : diskRows(layouts::Inventory()))
            if (row.at(Inv::AssetNumber).toInteger() == id)
                return row;
        return {};
    }

    void changePrice(const QString& digits)
    {
        screen().txtPPrice->SetFocus();
        screen().txtPPrice->select(0, int(screen().txtPPrice->Text().size()));
        QTest::keyClicks(screen().txtPPrice, digits);
    }
};

TEST_F(AssetUpdateTest, UpdateRewritesFieldsOneToFourteenAndKeepsTheWarranty)
{
    auto& s = screen();
    s.cmbArea->choose(QStringLiteral("Outdoor"));
    s.cmbLoc->choose(QStringLiteral("Garage"));
    s.cmbCat->choose(QStringLiteral("Tools"));
    s.cmbType->setText(QString());
    type(s.cmbType, "Router");
    type(s.txtSerial, "R2");
    type(s.txtDescription, "");
    s.txtDescription->setText(QString());
    QTest::mouseClick(s.optRecOnFile[1], Qt::LeftButton);
    QTest::mouseClick(s.optPurNewUsed[0], Qt::LeftButton);
    const qint64 lookupRows = data().rsOutdoor.RecordCount();
    update();
    const auto row = storedAsset();
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(texts(row, Inv::Area, Inv::NewUsed),
              QStringList({"Outdoor", "Garage", "Tools", "Router", "2001", "Acme", "M-1", "R2", "4/2/2003",
                           "$100.00", "No", "None", "None", "New"}));
    for (int f = Inv::PartsWarrantyType; f <= Inv::WarrantyTerms; ++f)
        EXPECT_EQ(row.at(f).text(), QStringLiteral("W%1").arg(f));
    EXPECT_EQ(data().rsOutdoor.RecordCount(), lookupRows) << "an update adds no lookup row";
    EXPECT_EQ(diskTotal(), Currency::fromDollars(600));
    EXPECT_TRUE(s.Visible());
    EXPECT_EQ(s.lblHead->Caption(), QStringLiteral("Update/Delete Asset From Inventory"));
}

TEST_F(AssetUpdateTest, PriceChangesMoveTheTotalByTheDifference)
{
    changePrice("150");
    data().rsGeneral.MoveFirst();
    data().rsGeneral.MoveNext(); // another screen left the owner's row behind
    update();
    EXPECT_EQ(diskTotal(), Currency::fromDollars(650));
    EXPECT_EQ(screen().LoadedPrice, QStringLiteral("$150.00"));
    EXPECT_EQ(storedAsset().at(Inv::Amount).text(), QStringLiteral("$150.00"));

    changePrice("99.99");
    update();
    EXPECT_EQ(diskTotal(), Currency::fromCents(59999));

    update(); // the price text unchanged
    EXPECT_EQ(diskTotal(), Currency::fromCents(59999));

    // A refused update changes neither the row nor the total.
    changePrice("1");
    screen().txtSerial->setText(QString());
    update("The Serial Number Of The Asset Must Be Entered Before Saving...If Unavailable Please Type \"Unknown\"");
    EXPECT_EQ(diskTotal(), Currency::fromCents(59999));
    EXPECT_EQ(storedAsset().at(Inv::Serial).text(), QStringLiteral("SN-9"));
}

TEST_F(AssetUpdateTest, AFailedUpdateWritesNeitherRowNorTotal)
{
    changePrice("300");
    int writes = 0;
    data().Home.failWrite = [&writes] { return ++writes == 2; };
    update("The Asset Could Not Be Updated...Your Inventory Has Not Been Changed!");
    data().Home.failWrite = nullptr;
    EXPECT_EQ(storedAsset().at(Inv::Amount).text(), QStringLiteral("$100.00"));
    EXPECT_EQ(diskTotal(), Currency::fromDollars(600));
    EXPECT_EQ(total(), Currency::fromDollars(600));
    EXPECT_EQ(screen().LoadedPrice, QStringLiteral("$100.00"));
    update();
    EXPECT_EQ(diskTotal(), Currency::fromDollars(800));
}

TEST_F(AssetUpdateTest, DeleteAsksThenRemovesTheRowAndItsStoredPrice)
{
    auto& s = screen();
    t.msgs->expect(vbNo, QStringLiteral("Deleting This Asset Will Be Permanent...Continue?"));
    s.cmdDelete->press();
    EXPECT_EQ(lastBox().style, 52);
    EXPECT_EQ(diskRows(layouts::Inventory()).size(), 2u);
    EXPECT_TRUE(s.Visible());

    // The total loses the stored price, not an unsaved edit of the box.
    changePrice("40");
    data().rsGeneral.MoveFirst();
    data().rsGeneral.MoveNext();
    t->frmSearchResults().message_flag = true;
    t.msgs->expect(vbYes, QStringLiteral("Deleting This Asset Will Be Permanent...Continue?"));
    t.msgs->expect(vbOK, QStringLiteral("            Asset Has Been Deleted!"));
    s.cmdDelete->press();
    EXPECT_TRUE(storedAsset().empty());
    EXPECT_EQ(diskRows(layouts::Inventory()).size(), 1u);
    EXPECT_EQ(diskTotal(), Currency::fromDollars(500));
    EXPECT_FALSE(t->frmSearchResults().message_flag);
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(t->frmMain().Visible());
}

TEST_F(AssetUpdateTest, AnAssetDeletedMeanwhileIsNeitherUpdatedNorDeletedAndTheScreenIsLeft)
{
    const auto removeFromStore = [this](qint64 asset) {
        Recordset& inv = data().rsInventory;
        for (inv.MoveFirst(); !inv.Fields(Inv::AssetNumber).equalsNumber(asset); inv.MoveNext()) {}
        inv.Delete();
    };
    removeFromStore(id);
    changePrice("150");
    t.msgs->expect(vbOK, QStringLiteral("This Asset Is No Longer In Your Inventory...Your Changes Were Not Saved!"));
    screen().cmdUpdate->press();
    EXPECT_EQ(lastBox().style, 48);
    // As Cancel leaves, without its question: back to the freshly searched results.
    EXPECT_FALSE(screen().Visible());
    EXPECT_TRUE(t->frmSearchResults().Visible());
    EXPECT_TRUE(screen().isEnabled());
    EXPECT_EQ(screen().cmbLoc->ListCount(), 0);

    const qint64 other = insertAsset("Outdoor", "Garage", "Tools", "Drill", "$40.00");
    openAsset(other);
    removeFromStore(other);
    t.msgs->expect(vbYes, QStringLiteral("Deleting This Asset Will Be Permanent...Continue?"));
    t.msgs->expect(vbOK, QStringLiteral("This Asset Is No Longer In Your Inventory...It May Have Already Been Deleted!"));
    screen().cmdDelete->press();
    EXPECT_EQ(lastBox().style, 48);
    EXPECT_FALSE(screen().Visible());
    EXPECT_TRUE(t->frmSearchResults().Visible());
    EXPECT_EQ(diskRows(layouts::Inventory()).size(), 1u);
    EXPECT_EQ(diskTotal(), Currency::fromDollars(600));
}

TEST_F(AssetUpdateTest, PrintCopiesTheBoxesIntoThePrintTable)
{
    auto& s = screen();
    type(s.txtMake, "Dell");
    s.txtDescription->setText(QString());
    // What an earlier print left goes in one write, not one a row.
    for (int i = 0; i < 20; ++i) {
        data().rsPrint.AddNew();
        data().rsPrint.setField(fld::Print::Make, QStringLiteral("earlier"));
        data().rsPrint.Update();
    }
    // The search screen's display as a search left it: no search running.
    screens::frmSearch& search = t->frmSearch();
    search.pbSearch->setVisible(false);
    search.lblHead[3]->setVisible(true);
    const auto searchIsIdle = [&search] {
        EXPECT_FALSE(search.pbSearch->Visible());
        EXPECT_EQ(search.pbSearch->Value(), 0);
        EXPECT_TRUE(search.lblHead[3]->Visible()) << "the hint is shown again";
    };
    int commits = 0;
    sqlite3_commit_hook(data().Home.handle(), [](void* n) { return ++*static_cast<int*>(n), 0; }, &commits);
    s.cmdPrint->press();
    sqlite3_commit_hook(data().Home.handle(), nullptr, nullptr);
    EXPECT_EQ(commits, 2) << "emptying, then the one row";
    searchIsIdle();
    const auto rows = diskRows(layouts::Print());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(texts(rows[0], 0, 13), QStringList({"1", "Indoor", "Office", "Electronics", "Computer", "2001", "Dell",
                                                  "M-1", "SN-9", "4/2/2003", "$100.00", "Yes", "File Cabinet", "None"}));
    EXPECT_TRUE(t->AssetReport().Visible());
    EXPECT_EQ(storedAsset().at(Inv::Make).text(), QStringLiteral("Acme")) << "printing saves nothing";

    t.msgs->expect(vbOK, QStringLiteral("Please Close Print Window Before Selecting Another Report To Print!"));
    s.cmdPrint->press();
    EXPECT_EQ(lastBox().style, 48);
    t->AssetReport().Hide();
    t->CoverSheet().Show();
    t.msgs->expect(vbOK, QStringLiteral("Please Close Print Window Before Selecting Another Report To Print!"));
    s.cmdPrint->press();
    t->CoverSheet().Hide();

    // A row that cannot be stored: the printer message, no half row, the display put back.
    data().Home.failWrite = [] { return true; };
    t.msgs->expect(vbOK, QStringLiteral("Error Printing Report...Please Ensure Printer Is Turned On And Working Properly!"));
    s.cmdPrint->press();
    data().Home.failWrite = nullptr;
    EXPECT_EQ(lastBox().style, 16);
    EXPECT_FALSE(t->AssetReport().Visible());
    EXPECT_FALSE(data().rsPrint.editPending());
    searchIsIdle();

    // A refused check prints nothing.
    s.txtMake->setText(QString());
    t.msgs->expect(vbOK);
    s.cmdPrint->press();
    EXPECT_FALSE(t->AssetReport().Visible());
    EXPECT_EQ(diskRows(layouts::Print()).at(0).at(fld::Print::Make).text(), QStringLiteral("Dell"));
}

TEST_F(AssetUpdateTest, CancelAndCloseAskAndReturnToTheResults)
{
    auto& s = screen();
    t.msgs->expect(vbNo, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    s.cmdCancel->press();
    EXPECT_EQ(lastBox().style, 36);
    EXPECT_TRUE(s.Visible());
    EXPECT_GT(s.cmbLoc->ListCount(), 0);

    t->frmSearchResults().message_flag = true;
    t.msgs->expect(vbYes, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    EXPECT_FALSE(s.requestClose());
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(s.isEnabled());
    EXPECT_EQ(s.MousePointer(), 0);
    EXPECT_TRUE(t->frmSearchResults().Visible());
    EXPECT_FALSE(t->frmSearchResults().message_flag);
    for (ComboBox* box : {s.cmbLoc, s.cmbCat, s.cmbType})
        EXPECT_EQ(box->ListCount(), 0);
}

TEST_F(AssetUpdateTest, LeavingTheAddingScreen)
{
    screen().Hide();
    openAdding();
    auto& s = screen();
    t.msgs->expect(vbYes, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    s.cmdCancel->press();
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(menu().Visible());
    EXPECT_EQ(s.cmbLoc->ListCount(), 0);

    openAdding();
    t.msgs->expect(vbNo, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    s.cmdMain->press();
    EXPECT_TRUE(s.Visible());
    t.msgs->expect(vbYes, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    s.cmdMain->press();
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(t->frmMain().Visible());
    EXPECT_GT(s.cmbLoc->ListCount(), 0) << "Main Menu keeps the lists";
}

} // namespace
} // namespace tlm::test

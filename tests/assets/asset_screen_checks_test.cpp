// The checks before an asset is saved: their order, messages, focus and normalisations.
#include "asset_screen_fixture.h"

namespace tlm::test {
namespace {

class AssetChecksTest : public AssetScreenTest {
protected:
    void SetUp() override
    {
        AssetScreenTest::SetUp();
        openAdding();
    }

    // Presses Add expecting exactly `message`; nothing may have been stored.
    void expectRefused(const QString& message, Control* focus)
    {
        const qint64 rows = data().rsInventory.RecordCount();
        t.msgs->expect(vbOK, message);
        screen().cmdAdd->press();
        ASSERT_FALSE(t.msgs->shown.empty());
        EXPECT_EQ(lastBox().text, message);
        EXPECT_EQ(lastBox().style, 48);
        EXPECT_EQ(screen().ActiveControl(), focus);
        EXPECT_TRUE(screen().EntryFailed);
        EXPECT_EQ(data().rsInventory.RecordCount(), rows);
        EXPECT_EQ(screen().txtPPrice->BackColor(), colors::White) << "no check uses the light-red flag";
    }

    void expectAdded()
    {
        t.msgs->expect(vbOK, QStringLiteral("Asset Has Been Added To Your Inventory!"));
        screen().cmdAdd->press();
        EXPECT_FALSE(screen().EntryFailed);
    }
};

TEST_F(AssetChecksTest, ChecksRunInOrderEachWithItsMessageAndFocus)
{
    auto& s = screen();
    setTotal(Currency::fromDollars(7));
    s.cmbYear->setText(QString());
    s.txtMake->setText(QString());
    s.txtMod->setText(QString());
    s.txtSerial->setText(QString());
    s.optPurNewUsed.clearAll();
    s.txtDescription->setText(QString());

    expectRefused("The Location Of The Asset Must Be Selected Before Saving!", s.cmbLoc);
    s.cmbLoc->setText(stored::AddEditLocation);
    expectRefused("The Location Of The Asset Must Be Selected Before Saving!", s.cmbLoc);
    s.cmbLoc->choose(QStringLiteral("Kitchen"));
    expectRefused("The Category Of The Asset Must Be Selected Before Saving!", s.cmbCat);
    s.cmbCat->setText(stored::AddEditCategory);
    expectRefused("The Category Of The Asset Must Be Selected Before Saving!", s.cmbCat);
    s.cmbCat->choose(QStringLiteral("Appliances"));
    s.cmbType->setText(QString());
    expectRefused("An Item Must Be Selected Before Saving Asset!", s.cmbType);
    type(s.cmbType, "Blender");

    expectRefused("The Year The Asset Was Made Must Be Entered Before Saving!", s.cmbYear);
    EXPECT_EQ(s.cmbYear->Text(), QStringLiteral("2005"));
    expectRefused("The Make Of The Asset Must Be Entered Before Saving!  If Unavailable Please Type \"Unknown\"", s.txtMake);
    EXPECT_EQ(s.txtMake->Text(), QStringLiteral("Unknown"));
    expectRefused("The Model Of The Asset Must Be Entered Before Saving!  If Unavailable Please Type \"Unknown\"", s.txtMod);
    EXPECT_EQ(s.txtMod->Text(), QStringLiteral("Unknown"));
    expectRefused("The Serial Number Of The Asset Must Be Entered Before Saving...If Unavailable Please Type \"Unknown\"",
                  s.txtSerial);
    EXPECT_EQ(s.txtSerial->Text(), QStringLiteral("Unknown"));

    expectRefused("The Purchase Date Of The Asset Must Be Entered Before Saving!", s.txtPur);
    s.txtPur->setText(QStringLiteral("MM/DD/yyyy"));
    expectRefused("The Purchase Date Of The Asset Must Be Entered Before Saving!", s.txtPur);
    s.txtPur->setText(QString());
    expectRefused("The Purchase Date Of The Asset Must Be Entered Before Saving!", s.txtPur);
    s.txtPur->setText(QStringLiteral("13/45/2005"));
    expectRefused("Invalid Purchase Date...Be Sure The Format Is mm/dd/yyyy (Example: 12/25/2005)", s.txtPur);
    s.txtPur->setText(QStringLiteral("6/16/2026"));
    expectRefused("The Purchase Date Can Not Be A Future Date!", s.txtPur);
    s.txtPur->setText(QStringLiteral("6/15/2026"));

    expectRefused("The Purchase Price Of The Asset Must Be Entered Before Saving!", s.txtPPrice);
    s.txtPPrice->setText(QStringLiteral("$.00"));
    expectRefused("The Purchase Price Of The Asset Must Be Entered Before Saving!", s.txtPPrice);
    type(s.txtPPrice, "0.5");

    expectRefused("Please Indicate How The Asset Was Purchased...New or Used.", s.optPurNewUsed[0]);
    EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("None")) << "the receipt place is settled before check 12";
    s.optPurNewUsed[1]->setValue(true);

    EXPECT_EQ(total(), Currency::fromDollars(7)) << "no refusal touched the total";
    expectAdded();
    EXPECT_EQ(total(), Currency::fromDollars(7) + Currency::fromCents(50));
    EXPECT_EQ(s.txtDescription->Text(), QStringLiteral("None"));
}

TEST_F(AssetChecksTest, APriceLeftUnfinishedByEnterIsRefusedAndNothingIsWritten)
{
    auto& s = screen();
    enterValidAsset(".");
    EXPECT_EQ(s.txtPPrice->Text(), QStringLiteral("$."));
    const Currency before = total();
    const auto rowsOnDisk = diskRows(layouts::Inventory()).size();
    t.msgs->expect(vbOK, QStringLiteral("The Purchase Price Of The Asset Must Be Entered Before Saving!"));
    QTest::keyClick(s.txtPPrice, Qt::Key_Return);
    EXPECT_TRUE(s.EntryFailed);
    EXPECT_EQ(s.ActiveControl(), s.txtPPrice);
    EXPECT_EQ(total(), before);
    EXPECT_EQ(diskRows(layouts::Inventory()).size(), rowsOnDisk);
    EXPECT_EQ(diskTotal(), before);

    // With a digit behind the point, Enter adds, and the amount is stored finished.
    QTest::keyClick(s.txtPPrice, Qt::Key_5);
    t.msgs->expect(vbOK, QStringLiteral("Asset Has Been Added To Your Inventory!"));
    QTest::keyClick(s.txtPPrice, Qt::Key_Return);
    EXPECT_EQ(data().rsInventory.RecordCount(), 1);
    EXPECT_EQ(diskTotal(), before + Currency::fromCents(50));
    EXPECT_EQ(diskRows(layouts::Inventory()).back().at(fld::Inventory::Amount).text(), QStringLiteral("$.50"));
}

TEST_F(AssetChecksTest, ReceiptPlaceFollowsTheReceiptOptionChosenNow)
{
    auto& s = screen();
    setGeneral(Gen::ClearCheck, stored::Unchecked);
    s.chkClear->setValue(0);
    struct Case {
        int option; // receipt option selected
        QString typed, stored;
    };
    const Case cases[] = {
        {0, "", "Not Specified"}, {0, "NONE", "None"},   {0, "Desk Drawer", "Desk Drawer"},
        {1, "", "None"},          {1, "none", "None"},   {1, "Desk Drawer", "Not Specified"},
    };
    enterValidAsset();
    for (const Case& c : cases) {
        SCOPED_TRACE((c.typed + QStringLiteral(" option %1").arg(c.option)).toStdString());
        // The option is chosen by the program, so no flag from focus decides.
        s.optRecOnFile[c.option]->setValue(true);
        s.txtLoc->setText(c.typed);
        expectAdded();
        const auto rows = diskRows(layouts::Inventory());
        EXPECT_EQ(rows.back().at(Inv::Receipt).text(), c.option == 0 ? QStringLiteral("Yes") : QStringLiteral("No"));
        EXPECT_EQ(rows.back().at(Inv::ReceiptLocation).text(), c.stored);
    }
}

TEST_F(AssetChecksTest, NoFlagLeftOverFromAnEarlierAssetDecidesTheReceiptPlace)
{
    auto& s = screen();
    s.chkClear->setValue(0);
    enterValidAsset();
    QTest::mouseClick(s.optRecOnFile[1], Qt::LeftButton);
    EXPECT_TRUE(s.optbutton);
    expectAdded();
    EXPECT_EQ(diskRows(layouts::Inventory()).back().at(Inv::ReceiptLocation).text(), QStringLiteral("None"));

    // The next asset: typing the place selects "Yes" without the option ever getting the focus.
    type(s.txtLoc, "Closet");
    EXPECT_TRUE(s.optRecOnFile[0]->Value());
    expectAdded();
    const auto row = diskRows(layouts::Inventory()).back();
    EXPECT_EQ(row.at(Inv::Receipt).text(), QStringLiteral("Yes"));
    EXPECT_EQ(row.at(Inv::ReceiptLocation).text(), QStringLiteral("Closet"));
}

} // namespace
} // namespace tlm::test

// Adding an asset: the stored row, the running total, the lookup row, all or nothing, and the
// two preferences.
#include "asset_screen_fixture.h"

#include "assets/frmWar.h"

#include <sqlite3.h>

namespace tlm::test {
namespace {

using AssetAddTest = AssetScreenTest;

int lookupRows(Recordset& rs) { return int(rs.RecordCount()); }

TEST_F(AssetAddTest, EveryFieldOfANewAssetAsStored)
{
    setTotal(Currency::fromCents(1001));
    openAdding(kOutdoorHeading);
    auto& s = screen();
    s.cmbLoc->choose(QStringLiteral("Garage"));
    s.cmbCat->choose(QStringLiteral("Tools"));
    s.cmbType->choose(QStringLiteral("Ladder"));
    type(s.cmbYear, "1999");
    type(s.txtMake, "Werner");
    type(s.txtMod, "D6228");
    type(s.txtSerial, "W-77");
    s.txtPur->setText(QStringLiteral("12/25/2005"));
    type(s.txtPPrice, "1250.99");
    type(s.txtLoc, "Blue Folder");
    type(s.txtDescription, "Fibreglass, 28 ft");
    QTest::mouseClick(s.optPurNewUsed[1], Qt::LeftButton);

    t.msgs->expect(vbOK, QStringLiteral("Asset Has Been Added To Your Inventory!"));
    s.cmdAdd->press();
    EXPECT_EQ(lastBox().style, 64);

    const auto rows = diskRows(layouts::Inventory());
    ASSERT_EQ(rows.size(), 1u);
    const QStringList expected = {"Outdoor", "Garage", "Tools", "Ladder", "1999", "Werner", "D6228", "W-77",
                                  "12/25/2005", "$1250.99", "Yes", "Blue Folder", "Fibreglass, 28 ft", "Used",
                                  "None", "None", "None", "None", "None", "None", "None", "None", "None", "None",
                                  "None", "None", "None"};
    EXPECT_EQ(texts(rows[0], Inv::Area, Inv::WarrantyTerms), expected);
    for (int f = Inv::Area; f <= Inv::WarrantyTerms; ++f)
        EXPECT_TRUE(rows[0].at(f).isText()) << "field " << f;
    EXPECT_GT(rows[0].at(Inv::AssetNumber).toInteger(), 0);
    EXPECT_EQ(diskTotal(), Currency::fromCents(1001 + 125099));
    EXPECT_EQ(total(), Currency::fromCents(126100));
}

TEST_F(AssetAddTest, LookupRowWhenAnyNameIsNewComparedUpperCased)
{
    setGeneral(Gen::ClearCheck, stored::Unchecked);
    openAdding();
    auto& s = screen();
    Recordset& indoor = data().rsIndoor;
    const int before = lookupRows(indoor);

    // All three names known: nothing added.
    enterValidAsset();
    t.msgs->expect(vbOK);
    s.cmdAdd->press();
    EXPECT_EQ(lookupRows(indoor), before);

    // A new item in a known location and category: one row with all three names.
    s.cmbType->setText(QString());
    type(s.cmbType, "Blender");
    t.msgs->expect(vbOK);
    s.cmdAdd->press();
    ASSERT_EQ(lookupRows(indoor), before + 1);
    const auto rows = diskRows(layouts::IndoorItems());
    EXPECT_EQ(texts(rows.back(), Items::Location, Items::BuiltIn), QStringList({"Kitchen", "Appliances", "Blender", "0"}));
    EXPECT_TRUE(rows.back().at(Items::BuiltIn).isText());

    // The same item in another letter case is not new.
    s.cmbType->setText(QStringLiteral("BLENDER"));
    t.msgs->expect(vbOK);
    s.cmdAdd->press();
    EXPECT_EQ(lookupRows(indoor), before + 1);
    EXPECT_EQ(diskRows(layouts::IndoorItems()).size(), size_t(before + 1));

    // The new item is offered with its category from now on.
    s.cmbCat->choose(QStringLiteral("Appliances"));
    EXPECT_EQ(items(s.cmbType).last(), QStringLiteral("Blender"));
}

TEST_F(AssetAddTest, AnEmptyAreaTableGetsNoRow)
{
    Recordset& mobile = data().rsMobile;
    mobile.MoveFirst();
    while (!mobile.isEOF()) {
        mobile.Delete();
        mobile.MoveNext();
    }
    openAdding(kMobileHeading);
    auto& s = screen();
    EXPECT_EQ(s.cmbLoc->ListCount(), 0);
    s.cmbLoc->setText(QStringLiteral("Car"));
    s.cmbCat->setText(QStringLiteral("Vehicles"));
    type(s.cmbType, "Sedan");
    s.txtPur->setText(QStringLiteral("1/2/2020"));
    type(s.txtPPrice, "100");
    t.msgs->expect(vbOK, QStringLiteral("Asset Has Been Added To Your Inventory!"));
    s.cmdAdd->press();
    EXPECT_EQ(mobile.RecordCount(), 0);
    EXPECT_TRUE(diskRows(layouts::MobileItems()).empty());
    EXPECT_EQ(diskRows(layouts::Inventory()).size(), 1u);
}

TEST_F(AssetAddTest, AFailedWriteLeavesRowTotalAndLookupTableUntouched)
{
    setTotal(Currency::fromDollars(50));
    openAdding();
    auto& s = screen();
    s.chkClear->click(); // keep the entries for the next try
    enterValidAsset("80");
    s.cmbType->setText(QString());
    type(s.cmbType, "Espresso Machine"); // a new item, so the lookup row is written too
    const qint64 lookupBefore = data().rsIndoor.RecordCount();
    // The row, the total, the lookup row and the commit: whichever write fails, none stays.
    addWithEachWriteFailing([&] {
        EXPECT_EQ(lastBox().style, 16);
        EXPECT_EQ(data().rsInventory.RecordCount(), 0);
        EXPECT_EQ(data().rsIndoor.RecordCount(), lookupBefore);
        EXPECT_EQ(total(), Currency::fromDollars(50));
        EXPECT_TRUE(diskRows(layouts::Inventory()).empty());
        EXPECT_EQ(diskRows(layouts::IndoorItems()).size(), size_t(lookupBefore));
        EXPECT_EQ(diskTotal(), Currency::fromDollars(50));
        EXPECT_TRUE(s.Visible());
    });

    // The same entries save once the store writes again, even with the owner's row left
    // behind by another screen.
    data().rsGeneral.MoveFirst();
    data().rsGeneral.MoveNext();
    t.msgs->expect(vbOK, QStringLiteral("Asset Has Been Added To Your Inventory!"));
    s.cmdAdd->press();
    EXPECT_EQ(diskRows(layouts::Inventory()).size(), 1u);
    EXPECT_EQ(diskTotal(), Currency::fromDollars(130));
    EXPECT_EQ(data().rsIndoor.RecordCount(), lookupBefore + 1);
}

TEST_F(AssetAddTest, AFailedIndoorAddWithANewItemKeepsTheEntriesDespiteTheClearPreference)
{
    openAdding();
    auto& s = screen();
    ASSERT_EQ(s.chkClear->Value(), 1);
    enterValidAsset("80");
    s.cmbType->setText(QStringLiteral("Espresso Machine"));
    addWithEachWriteFailing([&] {
        EXPECT_EQ(s.cmbLoc->Text(), QStringLiteral("Kitchen"));
        EXPECT_EQ(s.cmbType->Text(), QStringLiteral("Espresso Machine"));
        EXPECT_EQ(s.txtPPrice->Text(), QStringLiteral("$80.00"));
    });
}

TEST_F(AssetAddTest, ClearPreferenceResetsTheScreenAfterTheAdd)
{
    openAdding();
    auto& s = screen();
    ASSERT_EQ(s.chkClear->Value(), 1);
    enterValidAsset();
    type(s.txtMake, "Frigidaire");
    t.msgs->expect(vbOK);
    s.cmdAdd->press();
    EXPECT_TRUE(s.Visible());
    EXPECT_EQ(s.lblHead->Caption(), QStringLiteral("Add Indoor Asset To Inventory"));
    EXPECT_TRUE(s.cmbLoc->Text().isEmpty());
    EXPECT_EQ(s.cmbType->ListCount(), 0);
    EXPECT_EQ(s.txtMake->Text(), QStringLiteral("Unknown"));
    EXPECT_TRUE(s.txtPPrice->Text().isEmpty());
    EXPECT_EQ(s.cmbYear->Text(), QStringLiteral("2026"));
    EXPECT_EQ(s.cmbLoc->ListCount(), 13) << "the lists are refilled once each";
    EXPECT_EQ(s.ActiveControl(), s.cmbLoc);

    // Without it the saved values stay for the next asset.
    s.chkClear->setValue(0);
    enterValidAsset("9");
    type(s.txtMake, "Bosch");
    t.msgs->expect(vbOK);
    s.cmdAdd->press();
    EXPECT_EQ(s.txtMake->Text(), QStringLiteral("Bosch"));
    EXPECT_EQ(s.cmbLoc->Text(), QStringLiteral("Kitchen"));
    EXPECT_EQ(s.ActiveControl(), s.cmbLoc);
}

TEST_F(AssetAddTest, WarrantyPreferenceOpensTheWarrantyScreenOfTheNewAsset)
{
    ASSERT_EQ(sqlite3_exec(data().Home.handle(), "INSERT INTO sqlite_sequence(name, seq) VALUES('Inventory', 70000)", nullptr, nullptr, nullptr), SQLITE_OK);
    openAdding();
    auto& s = screen();
    s.chkWar->click();
    ASSERT_EQ(s.chkWar->Value(), 1);
    enterValidAsset();
    t.msgs->expect(vbOK, QStringLiteral("Asset Has Been Added To Your Inventory!"));
    s.cmdAdd->press();
    EXPECT_TRUE(s.warFlag);
    EXPECT_EQ(s.war_Id, 70001);
    EXPECT_EQ(s.war_Id, data().rsInventory.Fields(Inv::AssetNumber).toInteger());
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(t->frmWar().Visible());
}

TEST_F(AssetAddTest, PreferencesAreStoredAtOnceAndSurviveARestart)
{
    openAdding();
    auto& s = screen();
    auto stored = [this](int field) { return diskRows(layouts::PersonalInfo()).at(0).at(field).text(); };
    s.chkWar->click();
    EXPECT_EQ(stored(Gen::WarrantyCheck), QStringLiteral("Checked"));
    s.chkClear->click();
    EXPECT_EQ(stored(Gen::ClearCheck), QStringLiteral("Unchecked"));
    s.chkWar->click();
    EXPECT_EQ(stored(Gen::WarrantyCheck), QStringLiteral("Unchecked"));
    s.chkWar->click();
    s.Hide();

    // A second run over the same folder starts with what was ticked.
    Program::Services services;
    auto msgs = std::make_unique<ScriptedMessageBoxes>();
    services.messages = std::move(msgs);
    services.processes = std::make_unique<FakeProcesses>();
    services.help = std::make_unique<RecordingHelp>();
    t->Data1().closeAll();
    Program again(Paths(t.root() + QStringLiteral("/Tallowmere")), std::move(services));
    again.Data1().openAll();
    again.frmAuto().lblHead1[0]->setCaption(kIndoorHeading);
    again.frmAuto().load_It();
    again.frmAuto().cmdAdd[0]->press();
    EXPECT_EQ(again.frmAddUpDel().chkWar->Value(), 1);
    EXPECT_EQ(again.frmAddUpDel().chkClear->Value(), 0);
}

} // namespace
} // namespace tlm::test

// The asset screen's two modes: set-up for adding per area, and an asset loaded for update.
#include "asset_screen_fixture.h"

#include "lists/frmAddField.h"

#include <QAccessible>
#include <sqlite3.h>

namespace tlm::test {
namespace {

using AssetModesTest = AssetScreenTest;

const QStringList kIndoorLocations = {"< Add/Edit Location >", "Kitchen", "Living Room", "Dining Room", "Family Room",
                                      "Master Bedroom", "Bedroom", "Bathroom", "Office", "Laundry Room", "Basement",
                                      "Attic", "Hallway Closet"};
const QStringList kOutdoorLocations = {"< Add/Edit Location >", "Garage", "Yard", "Shed", "Patio", "Deck", "Porch",
                                       "Driveway", "Pool Area", "Garden"};

std::vector<Control*> helpControls(screens::frmAddUpDel& s)
{
    return {s.cmbArea, s.cmbLoc, s.cmbCat, s.cmbType, s.optPurNewUsed[0], s.optPurNewUsed[1], s.txtPur, s.txtPPrice,
            s.txtDescription, s.chkWar, s.cmbYear, s.txtMake, s.txtMod, s.txtSerial, s.optRecOnFile[0],
            s.optRecOnFile[1], s.txtLoc, s.cmdWarranty, s.cmdAdd, s.cmdUpdate, s.cmdDelete, s.cmdCancel, s.cmdMain,
            s.cmdClear, s.cmdPrint};
}

TEST_F(AssetModesTest, AddingModeByAreaOfTheMenuHeading)
{
    struct Case {
        QString heading, title, area;
        int help;
    };
    const Case cases[] = {
        {kIndoorHeading, "Add Indoor Asset To Inventory", "Indoor", 12001},
        {kOutdoorHeading, "Add Outdoor Asset To Inventory", "Outdoor", 13001},
        {kMobileHeading, "Add Mobile Asset To Inventory", "Mobile", 14001},
        {QString(), "Add Mobile Asset To Inventory", "Mobile", 14001},
    };
    t->frmAddField().textLocTemp = QStringLiteral("stale");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading.toStdString());
        openAdding(c.heading);
        auto& s = screen();
        EXPECT_TRUE(s.Visible());
        EXPECT_EQ(s.lblHead->Caption(), c.title);
        EXPECT_EQ(s.cmbArea->Text(), c.area);
        EXPECT_FALSE(s.cmbArea->Enabled());
        EXPECT_EQ(s.cmbArea->ToolTipText(), QStringLiteral(" The Area Has Already Been Selected "));
        EXPECT_EQ(s.defaultButton(), s.cmdAdd);
        EXPECT_TRUE(s.cmdAdd->isDefault());
        EXPECT_FALSE(s.cmdUpdate->isDefault());
        EXPECT_TRUE(s.cmdAdd->Enabled());
        for (CommandButton* b : {s.cmdUpdate, s.cmdDelete, s.cmdWarranty, s.cmdPrint})
            EXPECT_FALSE(b->Enabled()) << b->Caption().toStdString();
        EXPECT_TRUE(s.cmdClear->Enabled());
        EXPECT_TRUE(s.chkWar->Enabled());
        EXPECT_TRUE(s.chkClear->Enabled());
        for (Control* control : helpControls(s))
            EXPECT_EQ(control->HelpContextID, c.help);
        EXPECT_EQ(s.ActiveControl(), s.cmbLoc);
        EXPECT_EQ(s.cmbYear->Text(), QStringLiteral("2026")) << "the current year, not 2005";
        EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("None"));
        EXPECT_TRUE(s.txtLoc->Locked());
        EXPECT_EQ(s.txtPur->Text(), QStringLiteral("mm/dd/yyyy"));
        EXPECT_EQ(s.txtMake->Text(), QStringLiteral("Unknown"));
        EXPECT_TRUE(s.txtPPrice->Text().isEmpty());
        EXPECT_TRUE(s.optPurNewUsed[0]->Value());
        EXPECT_TRUE(s.optRecOnFile[1]->Value());
        EXPECT_EQ(s.txtDescription->Text(), QStringLiteral("None"));
        EXPECT_TRUE(s.cmbLoc->Text().isEmpty());
        EXPECT_EQ(s.cmbType->ListCount(), 0);
        EXPECT_TRUE(t->frmAddField().textLocTemp.isEmpty());
        s.Hide();
    }
}

TEST_F(AssetModesTest, ScreenControlsAsDesigned)
{
    openAdding();
    auto& s = screen();
    EXPECT_EQ(s.Caption(), QStringLiteral(" Tallowmere by Brindlecote Software"));
    EXPECT_EQ(items(s.cmbArea), QStringList({"Indoor", "Mobile", "Outdoor"}));
    const QStringList years = items(s.cmbYear);
    ASSERT_EQ(years.size(), 102);
    EXPECT_EQ(years.first(), QStringLiteral("2050"));
    EXPECT_EQ(years.at(100), QStringLiteral("1950"));
    EXPECT_EQ(years.last(), QStringLiteral("< 1950"));
    const std::pair<CommandButton*, QString> captions[] = {
        {s.cmdAdd, "&Add Asset"},   {s.cmdUpdate, "&Update Asset"},       {s.cmdDelete, "&Delete Asset"},
        {s.cmdPrint, "&Print Asset"}, {s.cmdWarranty, "&Warranty Information"}, {s.cmdClear, "Clear &Form"},
        {s.cmdCancel, "&Cancel"},    {s.cmdMain, "&Main Menu"}};
    for (const auto& [button, caption] : captions) {
        EXPECT_EQ(button->Caption(), caption);
        button->setEnabled(true); // a disabled button takes no mouse
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(button->BackColor(), colors::PressedButton) << caption.toStdString();
        button->MouseUp(1, 0, 0, 0);
        EXPECT_EQ(button->BackColor(), colors::ButtonFace);
    }
    EXPECT_EQ(s.chkWar->text(), QStringLiteral("Always Update Warranty Information When Creating A New Asset"));
    EXPECT_EQ(s.chkClear->text(), QStringLiteral("Clear Screen For Next Asset"));
    EXPECT_EQ(s.cmbType->ToolTipText(), QStringLiteral(" Select An Item From The List Or Enter The Name Of Your Asset "));
    EXPECT_EQ(s.txtPur->ToolTipText(), QStringLiteral(" Enter The Date This Asset Was Purchased "));
    EXPECT_EQ(s.picDate->ToolTipText(), QStringLiteral(" This Icon Opens A Calendar So A Date Can Be Selected "));
    EXPECT_EQ(s.txtLoc->ToolTipText(), QStringLiteral(" Enter Where The Receipt For This Asset Is Located "));
    EXPECT_EQ(s.lblSelIn->Caption(), QStringLiteral("Press F1 For Help"));
    // A screen reader names each box after its label, and a list after what it shows, with its
    // label saying what the list is for.
    const std::pair<QWidget*, const char*> names[] = {
        {s.cmbYear, "2026"},
        {s.cmbArea, "Indoor"},
        {s.txtPPrice, "Purchase Price"},
        {s.txtSerial, "Serial / VIN / ID"}};
    for (const auto& [box, name] : names)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), QString::fromLatin1(name));
    const std::pair<QWidget*, const char*> labels[] = {{s.cmbYear, "Year Made:"}, {s.cmbArea, "Area:"}};
    for (const auto& [box, label] : labels) {
        const auto relations = QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
        ASSERT_EQ(relations.size(), 1);
        EXPECT_EQ(relations[0].first->text(QAccessible::Name), QString::fromLatin1(label));
    }
}

TEST_F(AssetModesTest, TheAreaChosenForAnAssetIsHeard)
{
    openAsset(insertAsset("Indoor", "Office", "Electronics", "Computer", "$1250.00"));
    auto& s = screen();
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(s.cmbArea);
    EXPECT_EQ(area->text(QAccessible::Name), QStringLiteral("Indoor"));
    s.cmbArea->choose(QStringLiteral("Outdoor"));
    EXPECT_EQ(area->text(QAccessible::Name), QStringLiteral("Outdoor"));
    EXPECT_EQ(area->text(QAccessible::Description), QStringLiteral("Select An Area From The List"));
}

TEST_F(AssetModesTest, ListsHoldDistinctNamesInTableOrderWithoutZero)
{
    Recordset& indoor = data().rsIndoor;
    auto addRow = [&](const QString& loc, const QString& cat, const QString& item) {
        indoor.AddNew();
        indoor.setField(Items::Location, loc);
        indoor.setField(Items::Category, cat);
        indoor.setField(Items::Item, item);
        indoor.setField(Items::BuiltIn, QStringLiteral("0"));
        indoor.Update();
    };
    addRow("KITCHEN", "0", "0");
    addRow("0", "Garden Tools", "Rake");
    addRow("Sunroom", "appliances", "0");
    openAdding();
    QStringList locations = kIndoorLocations;
    locations << "Sunroom";
    EXPECT_EQ(items(screen().cmbLoc), locations);
    const QStringList cats = items(screen().cmbCat);
    EXPECT_EQ(cats.first(), QStringLiteral("< Add/Edit Category >"));
    EXPECT_EQ(cats.count("Appliances"), 1);
    EXPECT_FALSE(cats.contains("appliances"));
    EXPECT_EQ(cats.last(), QStringLiteral("Garden Tools"));
    EXPECT_FALSE(cats.contains("0"));

    // A second visit shows each name once.
    screen().Hide();
    openAdding();
    EXPECT_EQ(items(screen().cmbLoc), locations);
    EXPECT_EQ(items(screen().cmbCat), cats);
}

TEST_F(AssetModesTest, UpdateModeShowsTheStoredAsset)
{
    const qint64 id = insertAsset("Indoor", "Office", "Electronics", "Computer", "$1250.00");
    openAsset(id);
    auto& s = screen();
    EXPECT_TRUE(s.Visible());
    EXPECT_EQ(s.lblHead->Caption(), QStringLiteral("Update/Delete Asset From Inventory"));
    EXPECT_TRUE(s.cmbArea->Enabled());
    EXPECT_EQ(s.cmbArea->ToolTipText(), QStringLiteral(" Select An Area From The List "));
    EXPECT_EQ(s.defaultButton(), s.cmdUpdate);
    EXPECT_FALSE(s.cmdAdd->Enabled());
    for (CommandButton* b : {s.cmdUpdate, s.cmdDelete, s.cmdWarranty, s.cmdPrint})
        EXPECT_TRUE(b->Enabled()) << b->Caption().toStdString();
    EXPECT_FALSE(s.cmdClear->Enabled());
    EXPECT_FALSE(s.chkWar->Enabled());
    EXPECT_FALSE(s.chkClear->Enabled());
    for (Control* control : helpControls(s))
        EXPECT_EQ(control->HelpContextID, 15001);
    EXPECT_EQ(s.ActiveControl(), s.cmbArea);

    const QStringList shown = {s.cmbArea->Text(), s.cmbLoc->Text(), s.cmbCat->Text(), s.cmbType->Text(),
                               s.cmbYear->Text(), s.txtMake->Text(), s.txtMod->Text(), s.txtSerial->Text(),
                               s.txtPur->Text(), s.txtPPrice->Text(), s.txtLoc->Text(), s.txtDescription->Text()};
    EXPECT_EQ(shown, QStringList({"Indoor", "Office", "Electronics", "Computer", "2001", "Acme", "M-1", "SN-9",
                                  "4/2/2003", "$1,250.00", "File Cabinet", "Stainless"}));
    EXPECT_EQ(s.LoadedPrice, QStringLiteral("$1,250.00"));
    EXPECT_TRUE(s.optRecOnFile[0]->Value());
    EXPECT_TRUE(s.optPurNewUsed[1]->Value());
    EXPECT_EQ(t->frmAddField().textLocTemp, QStringLiteral("Office"));
    EXPECT_EQ(t->frmAddField().textCatTemp, QStringLiteral("Electronics"));
    EXPECT_EQ(menu().lblHead1[0]->Caption(), kIndoorHeading);
    // Loading fills no item list: only choosing a category while adding does.
    EXPECT_EQ(s.cmbType->ListCount(), 0);
    // One default button only, also as the button shows itself.
    EXPECT_TRUE(s.cmdUpdate->isDefault());
    EXPECT_FALSE(s.cmdAdd->isDefault());
}

TEST_F(AssetModesTest, UpdateModeListsHoldOnlyTheAssetsArea)
{
    // An Indoor visit first, without the clear preference: its names must not stay in the lists.
    setGeneral(Gen::ClearCheck, stored::Unchecked);
    openAdding(kIndoorHeading);
    screen().cmbCat->choose(QStringLiteral("Furniture"));
    screen().Hide();

    const qint64 id = insertAsset("outdoor", "Shed", "Tools", "Ladder", "$80.00");
    openAsset(id);
    auto& s = screen();
    EXPECT_EQ(s.cmbArea->Text(), QStringLiteral("Outdoor")) << "a stored area in any letter case";
    EXPECT_EQ(menu().lblHead1[0]->Caption(), kOutdoorHeading);
    EXPECT_EQ(items(s.cmbLoc), kOutdoorLocations);
    EXPECT_FALSE(items(s.cmbCat).contains("Furniture"));
    EXPECT_TRUE(items(s.cmbType).contains("Sofa")) << "without the clear preference the item list stays as it was";
    EXPECT_EQ(s.cmbType->Text(), QStringLiteral("Ladder"));
    EXPECT_EQ(s.cmbLoc->Text(), QStringLiteral("Shed"));

    // With the clear preference the earlier items are gone, and none are filled in.
    s.Hide();
    openAdding(kIndoorHeading);
    screen().cmbCat->choose(QStringLiteral("Furniture"));
    screen().chkClear->setValue(1);
    screen().Hide();
    openAsset(id);
    EXPECT_EQ(s.cmbType->ListCount(), 0);
    EXPECT_EQ(s.cmbType->Text(), QStringLiteral("Ladder"));
}

TEST_F(AssetModesTest, AnAssetNoLongerStoredIsNotOpened)
{
    const qint64 first = insertAsset("Indoor", "Office", "Electronics", "Computer", "$10.00");
    const qint64 gone = insertAsset("Mobile", "Car", "Vehicles", "Automobile", "$20.00");
    openAsset(first);
    screen().Hide();
    Recordset& inv = data().rsInventory;
    inv.MoveFirst();
    inv.MoveNext();
    inv.Delete();

    t->frmSearchResults().Show();
    t.msgs->expect(vbOK, QStringLiteral("The Selected Asset Is No Longer In Your Inventory...It May Have Been Deleted!"));
    openAsset(gone);
    EXPECT_EQ(lastBox().style, 48);
    EXPECT_FALSE(screen().Visible()) << "the previous asset must not be offered for update";
    EXPECT_TRUE(t->frmSearchResults().Visible());
    EXPECT_EQ(menu().lblHead1[0]->Caption(), kIndoorHeading);
}

TEST_F(AssetModesTest, WarrantyPreferenceTicksOnlyForTheExactWord)
{
    const std::pair<QString, int> cases[] = {{stored::Checked, 1}, {QStringLiteral("CHECKED"), 0}, {stored::Unchecked, 0}};
    for (const auto& [word, value] : cases) {
        SCOPED_TRACE(word.toStdString());
        setGeneral(Gen::WarrantyCheck, word);
        openAdding();
        EXPECT_EQ(screen().chkWar->Value(), value);
        screen().Hide();
    }
}

TEST_F(AssetModesTest, AssetNumbersBeyondSixteenBitsAreOpened)
{
    ASSERT_EQ(sqlite3_exec(data().Home.handle(), "INSERT INTO sqlite_sequence(name, seq) VALUES('Inventory', 40000)", nullptr, nullptr, nullptr), SQLITE_OK);
    const qint64 id = insertAsset("Mobile", "Boat", "Vehicles", "Boat", "$9000.00");
    ASSERT_GT(id, 32767);
    openAsset(id);
    EXPECT_EQ(screen().cmbLoc->Text(), QStringLiteral("Boat"));
    EXPECT_EQ(screen().war_Id, id);
    EXPECT_EQ(screen().lblHead->Caption(), QStringLiteral("Update/Delete Asset From Inventory"));
}

} // namespace
} // namespace tlm::test

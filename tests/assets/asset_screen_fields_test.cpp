// The asset screen's boxes and lists while the user works in them.
#include "asset_screen_fixture.h"

#include "assets/frmWar.h"
#include "lists/frmAddField.h"
#include "lists/frmEditCmbBoxes.h"
#include "shell/frmCalendar.h"

#include <QApplication>
#include <QClipboard>

namespace tlm::test {
namespace {

class AssetFieldsTest : public AssetScreenTest {
protected:
    void SetUp() override
    {
        AssetScreenTest::SetUp();
        openAdding();
    }
};

TEST_F(AssetFieldsTest, EmptyBoxesTakeTheirDefaultsOnLeaving)
{
    auto& s = screen();
    for (TextBox* box : {s.txtMake, s.txtMod, s.txtSerial}) {
        box->SetFocus();
        EXPECT_EQ(box->SelLength(), box->Text().size()) << "focus selects the whole text";
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_TRUE(box->Text().isEmpty());
        s.cmbYear->SetFocus();
        EXPECT_EQ(box->Text(), QStringLiteral("Unknown"));
    }
    s.cmbYear->setText(QString());
    s.txtMake->SetFocus();
    EXPECT_EQ(s.cmbYear->Text(), QStringLiteral("2026"));
    type(s.txtLoc, "x");
    QTest::keyClick(s.txtLoc, Qt::Key_Backspace);
    s.txtMake->SetFocus();
    EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("Unknown"));
    s.txtPur->setText(QString());
    s.txtPur->SetFocus();
    s.txtMake->SetFocus();
    EXPECT_EQ(s.txtPur->Text(), QStringLiteral("mm/dd/yyyy"));
}

TEST_F(AssetFieldsTest, TheDateComesOnlyFromTheCalendar)
{
    auto& s = screen();
    auto& calendar = t->frmCalendar();
    s.txtPur->SetFocus();
    calendar.calPick = 0;
    QTest::keyClick(s.txtPur, Qt::Key_7);
    EXPECT_EQ(s.txtPur->Text(), QStringLiteral("mm/dd/yyyy")) << "the key is not typed";
    EXPECT_EQ(calendar.calPick, 3);
    EXPECT_TRUE(calendar.Visible());
    EXPECT_FALSE(s.isEnabled()) << "the whole screen waits for the calendar";
    EXPECT_EQ(QDate(calendar.Year(), calendar.Month(), calendar.Day()), QDate(2026, 6, 15)) << "the prompt starts at today";

    // A date clicked comes back without leading zeros and gives the screen back.
    calendar.presetDate(QDate(2006, 3, 7));
    calendar.calDate_Click();
    EXPECT_EQ(s.txtPur->Text(), QStringLiteral("3/7/2006"));
    EXPECT_TRUE(s.isEnabled());
    EXPECT_FALSE(calendar.Visible());
    EXPECT_EQ(s.ActiveControl(), s.txtPPrice) << "the focus goes on past the date";

    // The calendar starts at the box's date; closing it without a date leaves the box alone.
    calendar.presetDate(QDate(2020, 1, 1));
    s.picDate->Click();
    EXPECT_EQ(QDate(calendar.Year(), calendar.Month(), calendar.Day()), QDate(2006, 3, 7));
    t.msgs->expect(vbYes, QStringLiteral("Are You Sure You Want To Close The Calendar?"));
    calendar.confirm_Calendar_Key(vbKey::Space);
    EXPECT_EQ(s.txtPur->Text(), QStringLiteral("3/7/2006"));
    EXPECT_TRUE(s.isEnabled());

    // A mouse press opens it too; a text that is no date starts it at today.
    s.txtPur->setText(QStringLiteral("13/45/2005"));
    QTest::mousePress(s.txtPur, Qt::LeftButton);
    EXPECT_TRUE(calendar.Visible());
    EXPECT_EQ(QDate(calendar.Year(), calendar.Month(), calendar.Day()), QDate(2026, 6, 15));
    calendar.presetDate(QDate(2005, 12, 25));
    calendar.calDate_Click();
    EXPECT_EQ(s.txtPur->Text(), QStringLiteral("12/25/2005"));

    // Pasting or cutting is no way around the calendar either.
    QApplication::clipboard()->setText(QStringLiteral("1/1/2001"));
    s.txtPur->SetFocus();
    QTest::keyClick(s.txtPur, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(s.txtPur, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(s.txtPur, Qt::Key_Delete);
    EXPECT_EQ(s.txtPur->Text(), QStringLiteral("12/25/2005"));
    EXPECT_FALSE(s.txtPur->acceptDrops());
    EXPECT_FALSE(calendar.Visible());
}

TEST_F(AssetFieldsTest, ListsWithoutTypingRefuseKeysAndPaste)
{
    auto& s = screen();
    s.cmbLoc->choose(QStringLiteral("Kitchen"));
    s.cmbCat->choose(QStringLiteral("Appliances"));
    QApplication::clipboard()->setText(QStringLiteral("Pasted"));
    for (ComboBox* box : {s.cmbLoc, s.cmbCat}) {
        const QString before = box->Text();
        box->SetFocus();
        QTest::keyClicks(box, "zz");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(box->Text(), before);
        EXPECT_FALSE(box->acceptDrops());
    }
    // A click on the text opens the list.
    QTest::mouseClick(s.cmbLoc->lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(s.cmbLoc->view()->isVisible());
    s.cmbLoc->hidePopup();
    EXPECT_EQ(s.cmbLoc->Text(), QStringLiteral("Kitchen"));

    // The arrow keys still move through the locations (and the choice is remembered)...
    s.cmbLoc->SetFocus();
    QTest::keyClick(s.cmbLoc, Qt::Key_Down);
    EXPECT_EQ(s.cmbLoc->Text(), QStringLiteral("Living Room"));
    EXPECT_EQ(t->frmAddField().textLocTemp, QStringLiteral("Living Room"));
    // ...but not through the categories.
    s.cmbCat->SetFocus();
    QTest::keyClick(s.cmbCat, Qt::Key_Down);
    EXPECT_EQ(s.cmbCat->Text(), QStringLiteral("Appliances"));

    // The item takes any typing; a double click selects it whole.
    type(s.cmbType, "Blender");
    EXPECT_EQ(s.cmbType->Text(), QStringLiteral("Blender"));
    QTest::mouseDClick(s.cmbType->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(s.cmbType->SelLength(), 7);

    // The price box filters pasted text as typed text.
    QApplication::clipboard()->setText(QStringLiteral("1a2,3.456"));
    s.txtPPrice->setText(QString());
    s.txtPPrice->SetFocus();
    QTest::keyClick(s.txtPPrice, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(s.txtPPrice->Text(), QStringLiteral("$123.45"));
}

TEST_F(AssetFieldsTest, AreaKeysAreSwallowedButF1Helps)
{
    const qint64 id = insertAsset("Indoor", "Office", "Electronics", "Computer", "$1.00");
    screen().Hide();
    openAsset(id);
    auto& s = screen();
    s.cmbArea->SetFocus();
    QTest::keyClick(s.cmbArea, Qt::Key_Down);
    QTest::keyClick(s.cmbArea, Qt::Key_O);
    EXPECT_EQ(s.cmbArea->Text(), QStringLiteral("Indoor"));
    QTest::keyClick(s.cmbArea, Qt::Key_F1);
    ASSERT_FALSE(t.help->topics.empty());
    EXPECT_EQ(t.help->topics.back(), 15001);
}

TEST_F(AssetFieldsTest, ReceiptOptionsAndThePlaceBox)
{
    auto& s = screen();
    QTest::mouseClick(s.optRecOnFile[0], Qt::LeftButton);
    EXPECT_TRUE(s.optRecOnFile[0]->Value());
    EXPECT_FALSE(s.optbutton);
    EXPECT_FALSE(s.txtLoc->Locked());
    EXPECT_EQ(s.ActiveControl(), s.txtLoc);
    QTest::keyClicks(s.txtLoc, "Safe");
    EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("Safe"));

    QTest::mouseClick(s.optRecOnFile[1], Qt::LeftButton);
    EXPECT_TRUE(s.optbutton);
    EXPECT_TRUE(s.txtLoc->Locked());
    EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("None"));

    // Passing through the box changes nothing; typing into it unlocks it and selects "Yes".
    s.txtLoc->SetFocus();
    s.txtMake->SetFocus();
    EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("None"));
    EXPECT_TRUE(s.optRecOnFile[1]->Value());
    s.txtLoc->SetFocus();
    QTest::keyClicks(s.txtLoc, "Attic");
    EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("Attic"));
    EXPECT_FALSE(s.txtLoc->Locked());
    EXPECT_TRUE(s.optRecOnFile[0]->Value());

    // Tabbing through a loaded asset's place keeps it.
    const qint64 id = insertAsset("Indoor", "Office", "Electronics", "Computer", "$1.00");
    s.Hide();
    openAsset(id);
    s.txtLoc->SetFocus();
    s.txtDescription->SetFocus();
    EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("File Cabinet"));
}

TEST_F(AssetFieldsTest, ClearAsksThenEmptiesTheScreen)
{
    auto& s = screen();
    enterValidAsset();
    type(s.txtMake, "Acme");
    type(s.txtDescription, "Shiny");
    QTest::mouseClick(s.optPurNewUsed[1], Qt::LeftButton);
    const int locations = s.cmbLoc->ListCount();
    t.msgs->expect(vbNo, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    s.cmdClear->press();
    EXPECT_EQ(s.txtMake->Text(), QStringLiteral("Acme"));
    EXPECT_EQ(s.cmbLoc->Text(), QStringLiteral("Kitchen"));

    t->frmAddField().textLocTemp = QStringLiteral("Kitchen");
    t.msgs->expect(vbYes, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    s.cmdClear->press();
    EXPECT_TRUE(t->frmAddField().textLocTemp.isEmpty());
    EXPECT_TRUE(s.cmbLoc->Text().isEmpty());
    EXPECT_TRUE(s.cmbCat->Text().isEmpty());
    EXPECT_TRUE(s.cmbType->Text().isEmpty());
    EXPECT_EQ(s.cmbLoc->ListCount(), locations) << "the location and category lists keep their entries";
    EXPECT_GT(s.cmbCat->ListCount(), 0);
    EXPECT_EQ(s.cmbType->ListCount(), 0);
    EXPECT_EQ(s.cmbYear->Text(), QStringLiteral("2026"));
    EXPECT_EQ(s.txtMake->Text(), QStringLiteral("Unknown"));
    EXPECT_TRUE(s.optPurNewUsed[0]->Value());
    EXPECT_EQ(s.txtPur->Text(), QStringLiteral("mm/dd/yyyy"));
    EXPECT_TRUE(s.txtPPrice->Text().isEmpty());
    EXPECT_EQ(s.optRecOnFile.selected(), -1);
    EXPECT_EQ(s.txtLoc->Text(), QStringLiteral("None"));
    EXPECT_EQ(s.txtDescription->Text(), QStringLiteral("None"));
    EXPECT_EQ(s.ActiveControl(), s.cmbLoc);
}

TEST_F(AssetFieldsTest, ChoosingACategoryFillsItsItemsWhileAdding)
{
    auto& s = screen();
    type(s.cmbType, "Old");
    s.cmbCat->choose(QStringLiteral("Jewelry"));
    EXPECT_EQ(items(s.cmbType), QStringList({"Ring", "Necklace", "Watch", "Bracelet", "Earrings"}));
    EXPECT_TRUE(s.cmbType->Text().isEmpty());
    EXPECT_EQ(t->frmAddField().textCatTemp, QStringLiteral("Jewelry"));
}

TEST_F(AssetFieldsTest, ChangingTheAreaWhileUpdatingRefillsOnlyLocationAndCategory)
{
    const qint64 id = insertAsset("Indoor", "Office", "Electronics", "Computer", "$1.00");
    screen().Hide();
    openAsset(id);
    auto& s = screen();
    const QStringList itemsBefore = items(s.cmbType);
    s.cmbArea->choose(QStringLiteral("Mobile"));
    EXPECT_TRUE(s.cmbLoc->Text().isEmpty());
    EXPECT_TRUE(s.cmbCat->Text().isEmpty());
    EXPECT_EQ(items(s.cmbLoc).at(1), QStringLiteral("Car"));
    EXPECT_FALSE(items(s.cmbLoc).contains("Office"));
    EXPECT_EQ(s.cmbType->Text(), QStringLiteral("Computer"));
    EXPECT_EQ(items(s.cmbType), itemsBefore);
    s.cmbCat->choose(QStringLiteral("Vehicles"));
    EXPECT_EQ(items(s.cmbType), itemsBefore) << "choosing a category while updating keeps the items";
}

TEST_F(AssetFieldsTest, EditorEntriesOpenTheChooserForTheArea)
{
    auto& s = screen();
    auto& chooser = t->frmEditCmbBoxes();
    s.cmbLoc->choose(QStringLiteral("Office"));
    chooser.optEdit[1]->setValue(true);
    s.cmbLoc->choose(QStringLiteral("< Add/Edit Location >"));
    EXPECT_EQ(s.cmbBox_flag, QStringLiteral("Location"));
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(chooser.Visible());
    EXPECT_EQ(chooser.lblHead->Caption(), QStringLiteral("Add/Edit Indoor Location"));
    EXPECT_EQ(chooser.helpVal, 17001);
    EXPECT_EQ(chooser.cmdUpdate->HelpContextID, 17001);
    EXPECT_EQ(chooser.optEdit.selected(), -1);
    EXPECT_EQ(chooser.ActiveControl(), chooser.cmdUpdate);
    EXPECT_EQ(t->frmAddField().textLocTemp, QStringLiteral("Office")) << "kept for a cancelled editor";
    chooser.cmdCancel->press();

    screen().Hide();
    openAdding(kOutdoorHeading);
    s.cmbCat->choose(QStringLiteral("Tools"));
    s.cmbCat->choose(QStringLiteral("< Add/Edit Category >"));
    EXPECT_EQ(s.cmbBox_flag, QStringLiteral("Category"));
    EXPECT_EQ(chooser.lblHead->Caption(), QStringLiteral("Add/Edit Outdoor Category"));
    EXPECT_EQ(chooser.helpVal, 21001);
    EXPECT_EQ(t->frmAddField().textCatTemp, QStringLiteral("Tools"));
    EXPECT_EQ(s.cmbType->ListCount(), 0);
}

TEST_F(AssetFieldsTest, WarrantyButtonOpensTheWarrantyOfTheOpenAsset)
{
    const qint64 id = insertAsset("Indoor", "Office", "Electronics", "Computer", "$1.00");
    screen().Hide();
    openAsset(id);
    t->frmCalendar().calPick = 0;
    screen().cmdWarranty->press();
    EXPECT_EQ(t->frmCalendar().calPick, 1);
    EXPECT_EQ(screen().war_Id, id);
    EXPECT_TRUE(t->frmWar().Visible());
    EXPECT_FALSE(screen().Visible());
}

} // namespace
} // namespace tlm::test

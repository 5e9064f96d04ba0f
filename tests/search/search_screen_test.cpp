#include "search_fixture.h"

#include <QLineEdit>

namespace tlm::test {
namespace {

using Search = SearchTest;

void addLookupRow(Recordset& table, const QString& location, const QString& category, const QString& item)
{
    table.AddNew();
    table.setField(fld::Items::Location, location);
    table.setField(fld::Items::Category, category);
    table.setField(fld::Items::Item, item);
    table.setField(fld::Items::BuiltIn, QStringLiteral("0"));
    table.Update();
}

TEST_F(Search, ListsFillFromTheAreaTableSortedWithAnyAndWithoutTheEditorEntries)
{
    addAsset();
    // Filler rows in the tables of the two areas whose item fill the first design let through.
    for (Recordset* table : {&data().rsOutdoor, &data().rsMobile}) {
        addLookupRow(*table, stored::AddEditLocation, QStringLiteral("Tools"), stored::AddEditItem);
        addLookupRow(*table, QStringLiteral("garage"), QStringLiteral("TOOLS"), QStringLiteral("Crowbar"));
        addLookupRow(*table, QStringLiteral("0"), QStringLiteral("Tools"), QStringLiteral("CROWBAR"));
    }
    openFromMainMenu();
    auto& s = search();
    EXPECT_EQ(s.cmbLocation->Text(), QStringLiteral("Any"));
    EXPECT_EQ(s.cmbLocation->ListCount(), 0) << "not reachable before an area is chosen";

    for (const QString& area : {QStringLiteral("Outdoor"), QStringLiteral("Mobile")}) {
        SCOPED_TRACE(area.toStdString());
        choose(s.cmbArea, area);
        EXPECT_TRUE(s.cmbArea->Locked());
        const QStringList locations = s.cmbLocation->items();
        EXPECT_EQ(locations, [&] { QStringList l = locations; l.sort(Qt::CaseInsensitive); return l; }());
        EXPECT_TRUE(locations.contains(QStringLiteral("Any")));
        EXPECT_FALSE(locations.contains(stored::AddEditLocation));
        EXPECT_FALSE(locations.contains(QStringLiteral("0")));
        EXPECT_EQ(locations.filter(QStringLiteral("garage"), Qt::CaseInsensitive).size(), 1);

        choose(s.cmbLocation, locations.at(1));
        EXPECT_TRUE(s.cmbCat->items().contains(QStringLiteral("Tools"))) << "every category of the area";
        EXPECT_FALSE(s.cmbCat->items().contains(QStringLiteral("TOOLS"))) << "names differing in case appear once";
        choose(s.cmbCat, QStringLiteral("Tools"));
        const QStringList items = s.cmbType->items();
        EXPECT_TRUE(items.contains(QStringLiteral("Crowbar")));
        EXPECT_FALSE(items.contains(QStringLiteral("CROWBAR")));
        EXPECT_FALSE(items.contains(stored::AddEditItem));
        EXPECT_FALSE(items.contains(QStringLiteral("Bicycle"))) << "only the items of the category";
        choose(s.cmbType, QStringLiteral("Crowbar"));

        // Choosing a higher list empties the lists below it.
        s.cmbArea->DropDown();
        EXPECT_FALSE(s.cmbArea->Locked());
        choose(s.cmbLocation, s.cmbLocation->List(2));
        EXPECT_EQ(s.cmbCat->Text(), QStringLiteral("Any"));
        EXPECT_EQ(s.cmbType->Text(), QStringLiteral("Any"));
        EXPECT_EQ(s.cmbType->ListCount(), 0);
    }
    // "Any" as area leaves the lower choices as they were.
    choose(s.cmbCat, QStringLiteral("Tools"));
    choose(s.cmbArea, QStringLiteral("Any"));
    EXPECT_EQ(s.cmbCat->Text(), QStringLiteral("Tools"));
    EXPECT_GT(s.cmbType->ListCount(), 1);
}

TEST_F(Search, OrderChecksAndKeyboardRules)
{
    addAsset();
    openFromMainMenu();
    auto& s = search();
    // A letter typed into the area before any choice puts "Any" back at once.
    s.cmbArea->SetFocus();
    QTest::keyClicks(s.cmbArea, QStringLiteral("I"));
    EXPECT_EQ(s.cmbArea->Text(), QStringLiteral("Any"));

    t.msgs->expect(vbOK, QStringLiteral("Please Select An Area Before Selecting A Category!"));
    // A click on the list opens nothing: the check speaks and the focus goes to the area.
    QTest::mouseClick(s.cmbCat, Qt::LeftButton);
    EXPECT_EQ(t.msgs->shown.back().style, 48);
    EXPECT_EQ(s.ActiveControl(), s.cmbArea);

    choose(s.cmbArea, QStringLiteral("Indoor"));
    t.msgs->expect(vbOK, QStringLiteral("Please Select A Location Before Selecting An Item!"));
    s.cmbType->SetFocus();
    EXPECT_EQ(s.ActiveControl(), s.cmbLocation);
    EXPECT_EQ(s.cmbCat->ListCount(), 0) << "nothing was filled";
    choose(s.cmbLocation, QStringLiteral("Kitchen"));
    t.msgs->expect(vbOK, QStringLiteral("Please Select A Category Before Selecting An Item!"));
    s.cmbType->SetFocus();
    EXPECT_EQ(s.ActiveControl(), s.cmbCat);

    // The lower lists take no typing; an emptied item list says "Any" again when left.
    QTest::keyClicks(s.cmbCat, QStringLiteral("x"));
    EXPECT_EQ(s.cmbCat->Text(), QStringLiteral("Any"));
    choose(s.cmbCat, QStringLiteral("Appliances"));
    s.cmbType->SetFocus();
    s.cmbType->lineEdit()->selectAll();
    QTest::keyClick(s.cmbType, Qt::Key_Delete);
    EXPECT_EQ(s.cmbType->Text(), QString());
    s.txtKey->setText(QStringLiteral("old"));
    s.txtKey->SetFocus();
    EXPECT_EQ(s.cmbType->Text(), QStringLiteral("Any"));
    EXPECT_EQ(s.txtKey->SelLength(), 3) << "the key word is selected";

    s.cmdClearForm->press();
    EXPECT_EQ(s.ActiveControl(), s.txtKey);
    EXPECT_EQ(s.txtKey->Text(), QString());
    EXPECT_EQ(s.cmbArea->Text(), QStringLiteral("Any"));
    EXPECT_EQ(s.cmbType->ListCount(), 0);
}

TEST_F(Search, EachOpenerSetsTheScreenUpAndCancelReturnsToIt)
{
    addAsset();
    auto& s = search();
    auto& menu = t->frmAuto();
    // The per-area menu: the area fixed, its locations already listed; Cancel comes back.
    menu.lblHead1[0]->setCaption(QStringLiteral("Outdoor Asset Management"));
    menu.load_It();
    menu.cmdUpdate[1]->press();
    EXPECT_EQ(s.cmbArea->Text(), QStringLiteral("Outdoor"));
    EXPECT_FALSE(s.cmbArea->Enabled());
    EXPECT_TRUE(s.cmbLocation->items().contains(QStringLiteral("Garage")));
    s.cmdBack->press();
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(menu.Visible());
    menu.cmdDelete[2]->press();
    s.cmdClearForm->press();
    EXPECT_TRUE(s.cmbArea->Enabled()) << "Reset frees the area";
    EXPECT_EQ(s.cmbLocation->ListCount(), 0);

    // The print menu's custom printout: Cancel goes back there.
    s.Hide();
    t->frmPrint().print_flag = true;
    s.lblHead[0]->setCaption(QStringLiteral("Search For Assets To Print"));
    s.Show();
    s.cmdBack->press();
    EXPECT_TRUE(t->frmPrint().Visible());
    EXPECT_FALSE(s.Visible());

    // The main menu, even after the print menu had opened the search.
    t->frmPrint().Hide();
    openFromMainMenu();
    EXPECT_EQ(s.lblHead[0]->Caption(), QStringLiteral("Search For Assets"));
    s.cmdBack->press();
    EXPECT_TRUE(t->frmMain().Visible());
    EXPECT_FALSE(t->frmPrint().Visible());

    // The close box asks to close the program and never simply closes.
    openFromMainMenu();
    t.msgs->expect(vbNo, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    EXPECT_FALSE(s.requestClose());
    EXPECT_TRUE(s.Visible());
}

} // namespace
} // namespace tlm::test

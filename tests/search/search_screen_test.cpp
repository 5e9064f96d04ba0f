#include "search_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QWheelEvent>

namespace tlm::test {
namespace {

using Search = SearchTest;

void addLookupRow(Recordset& table, const QString& location, const QString& category, const QString& item)
{
    table.AddNew();
    for (const auto& [f, v] : {std::pair{0, location}, {1, category}, {2, item}, {3, QStringLiteral("0")}})
        table.setField(f, v);
    table.Update();
}

TEST_F(Search, ListsFillSortedFromTheAreaTableWithAnyAndNoEditorEntriesInAnyArea)
{
    addAsset();
    for (Recordset* table : {&data().rsOutdoor, &data().rsMobile}) {
        addLookupRow(*table, stored::AddEditLocation, "Salvage", stored::AddEditItem);
        addLookupRow(*table, "garage", "SALVAGE", "Crowbar");
        addLookupRow(*table, "0", "Salvage", "CROWBAR");
    }
    openFromMainMenu();
    auto& s = search();
    EXPECT_EQ(s.cmbLocation->ListCount(), 0) << "not reachable before an area is chosen";
    for (const char* area : {"Outdoor", "Mobile"}) {
        SCOPED_TRACE(area);
        s.cmbArea->choose(area);
        EXPECT_TRUE(s.cmbArea->Locked());
        QStringList sorted = s.cmbLocation->items();
        sorted.sort(Qt::CaseInsensitive);
        EXPECT_EQ(s.cmbLocation->items(), sorted);
        EXPECT_EQ(s.cmbLocation->items().filter("garage", Qt::CaseInsensitive).size(), 1);
        EXPECT_TRUE(s.cmbLocation->items().contains("Any"));
        EXPECT_FALSE(s.cmbLocation->items().contains(stored::AddEditLocation));
        EXPECT_FALSE(s.cmbLocation->items().contains("0"));
        s.cmbLocation->choose(s.cmbLocation->List(1));
        EXPECT_FALSE(s.cmbCat->items().contains(stored::AddEditCategory));
        s.cmbCat->choose("Salvage"); // every category of the area, whatever the location
        EXPECT_FALSE(s.cmbCat->items().contains("SALVAGE"));
        EXPECT_EQ(s.cmbType->items(), QStringList({"Any", "Crowbar"}));
        // Choosing a higher list empties the lists below it.
        s.cmbArea->showPopup();
        EXPECT_FALSE(s.cmbArea->Locked());
        s.cmbArea->hidePopup();
        s.cmbLocation->choose(s.cmbLocation->List(2));
        EXPECT_EQ(s.cmbType->Text(), "Any");
        EXPECT_EQ(s.cmbType->ListCount(), 0);
    }
    // "Any" as area leaves the lower choices as they were.
    s.cmbCat->choose("Salvage");
    s.cmbArea->choose("Any");
    EXPECT_EQ(s.cmbCat->Text(), "Salvage");
    EXPECT_EQ(s.cmbType->ListCount(), 2);
}

TEST_F(Search, OrderChecksAndKeyboardRules)
{
    addAsset();
    openFromMainMenu();
    auto& s = search();
    // A letter typed into the area before any choice puts "Any" back at once.
    s.cmbArea->SetFocus();
    QTest::keyClicks(s.cmbArea, "I");
    EXPECT_EQ(s.cmbArea->Text(), "Any");

    // A click on a list that may not be chosen yet opens nothing: the check speaks.
    t.msgs->expect(vbOK, QStringLiteral("Please Select An Area Before Selecting A Category!"));
    QTest::mouseClick(s.cmbCat, Qt::LeftButton);
    EXPECT_EQ(t.msgs->shown.back().style, 48);
    EXPECT_EQ(s.ActiveControl(), s.cmbArea);
    s.cmbArea->choose("Indoor");
    // Chosen, the area is locked: the arrow keys and the wheel leave it until its list opens.
    QTest::keyClick(s.cmbArea, Qt::Key_Down);
    QWheelEvent wheel(QPointF(5, 5), s.cmbArea->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(s.cmbArea, &wheel);
    EXPECT_EQ(s.cmbArea->Text(), "Indoor");
    QTest::keyClick(s.cmbArea, Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(s.cmbArea->Locked());
    s.cmbArea->hidePopup();
    QTest::keyClick(s.cmbArea, Qt::Key_Down);
    EXPECT_EQ(s.cmbArea->Text(), "Mobile");
    EXPECT_TRUE(s.cmbArea->Locked()) << "a choice locks it again";
    s.cmbArea->choose("Indoor");
    t.msgs->expect(vbOK, QStringLiteral("Please Select A Location Before Selecting An Item!"));
    s.cmbType->SetFocus();
    EXPECT_EQ(s.ActiveControl(), s.cmbLocation);
    s.cmbLocation->choose("Kitchen");
    t.msgs->expect(vbOK, QStringLiteral("Please Select A Category Before Selecting An Item!"));
    s.cmbType->SetFocus();
    EXPECT_EQ(s.ActiveControl(), s.cmbCat);

    // The lower lists take no typing; an item list left empty says "Any" again.
    QTest::keyClicks(s.cmbCat, "x");
    EXPECT_EQ(s.cmbCat->Text(), "Any");
    s.cmbCat->choose("Appliances");
    s.cmbType->SetFocus();
    s.cmbType->lineEdit()->selectAll();
    QTest::keyClick(s.cmbType, Qt::Key_Delete);
    s.txtKey->setText("old");
    s.txtKey->SetFocus();
    EXPECT_EQ(s.cmbType->Text(), "Any");
    EXPECT_EQ(s.txtKey->SelLength(), 3) << "the key word is selected";

    s.cmdClearForm->press();
    EXPECT_EQ(s.ActiveControl(), s.txtKey);
    EXPECT_EQ(s.txtKey->Text(), QString());
    EXPECT_EQ(s.cmbArea->Text(), "Any");
    EXPECT_EQ(s.cmbType->ListCount(), 0);
}

TEST_F(Search, EachOpenerSetsTheScreenUpAndCancelReturnsToIt)
{
    addAsset();
    const qint64 outdoor = addAsset({{Inv::Area, "Outdoor"}});
    auto& s = search();
    auto& menu = t->frmAuto();
    // The per-area menu: the area fixed, its locations listed, its search within the area.
    menu.lblHead1[0]->setCaption("Outdoor Asset Management");
    menu.load_It();
    menu.cmdUpdate[1]->press();
    EXPECT_FALSE(s.cmbArea->Enabled());
    EXPECT_TRUE(s.cmbLocation->items().contains("Garage"));
    s.cmdContinue->press();
    EXPECT_EQ(shownRows(7), QStringList{QString::number(outdoor)});
    results().cmdBack->press();
    s.cmdBack->press();
    EXPECT_TRUE(menu.Visible());
    menu.cmdDelete[2]->press();
    s.cmdClearForm->press();
    EXPECT_TRUE(s.cmbArea->Enabled()) << "Reset frees the area";

    // The print menu's custom printout.
    t->frmPrint().print_flag = true;
    s.cmdBack->press();
    EXPECT_TRUE(t->frmPrint().Visible());
    EXPECT_FALSE(s.Visible());

    // The main menu, even after the print menu had opened the search.
    t->frmPrint().Hide();
    openFromMainMenu();
    EXPECT_EQ(s.lblHead[0]->Caption(), "Search For Assets");
    s.cmdBack->press();
    EXPECT_TRUE(t->frmMain().Visible());
    EXPECT_FALSE(t->frmPrint().Visible());
}

} // namespace
} // namespace tlm::test

#include "search_fixture.h"

#include "search/AssetReport.h"
#include "search/search_match.h"
#include "support/store_test_support.h"

namespace tlm::test {
namespace {

const QString kNothingFound = QStringLiteral("No Assets Were Found Based On The Information You Entered!");
const QString kListAll = QStringLiteral("This Search Will Display All Assets...Continue?");
const QString kGone = QStringLiteral("The Selected Asset Is No Longer In Your Inventory...It May Have Been Deleted!");
const QString kUpdated = QStringLiteral("            Asset Has Been Updated!");
const QString kLoseChanges = QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?");

class Results : public SearchTest {
protected:
    // The next asset gets number `last` + 1; `extra` plain Indoor "Acme" assets follow.
    void numberAssetsFrom(qint64 last, int extra = 0)
    {
        RawDb raw(data().file());
        raw.exec("DELETE FROM sqlite_sequence WHERE name = 'Inventory'");
        const QString sql = QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES ('Inventory', %1); "
                                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                                           "INSERT INTO Inventory (Area, Location, Make) SELECT 'Indoor', 'Kitchen', 'Acme' "
                                           "FROM n WHERE %2 > 0")
                                .arg(last)
                                .arg(extra);
        ASSERT_EQ(raw.exec(sql.toUtf8().constData()), SQLITE_OK);
        data().rsInventory.Requery();
    }
    void open(qint64 number)
    {
        const int row = int(shownRows(7).indexOf(QString::number(number)));
        ASSERT_GE(row, 0) << "asset " << number << " is not listed";
        results().txtMore[row]->raiseEvent(&Control::Click);
    }
    Currency total() { return data().general().Fields(fld::PersonalInfo::AssetValue).toCurrency(); }
};

TEST_F(Results, CriteriaMatchWholeValuesInAnyCase)
{
    const qint64 kitchen = addAsset();
    const qint64 shouting = addAsset({{Inv::Location, "KITCHEN"}, {Inv::Category, "appliances"}});
    addAsset({{Inv::Location, "Kitchenette"}});
    const qint64 outdoor = addAsset({{Inv::Area, "outdoor"}});
    addAsset({{Inv::Type, "Stove"}});
    openFromMainMenu();
    for (const auto& [box, entry] : {std::pair{search().cmbArea, "Indoor"}, {search().cmbLocation, "Kitchen"},
                                     {search().cmbCat, "Appliances"}, {search().cmbType, "Refrigerator"}})
        box->choose(entry);
    runSearch();
    EXPECT_EQ(shownRows(), QStringList({QStringLiteral("1|Indoor|Kitchen|Refrigerator|2001|Acme|M-1 #%1").arg(kitchen),
                                        QStringLiteral("2|Indoor|KITCHEN|Refrigerator|2001|Acme|M-1 #%1").arg(shouting)}));
    EXPECT_FALSE(search().Visible());
    EXPECT_EQ(results().lblRecsFound->Caption(), "2 Assets Found!");

    // New Search keeps the choices; with the area at "Any" the location decides in every area.
    results().cmdBack->press();
    EXPECT_TRUE(search().Visible());
    EXPECT_TRUE(search().txtKey->Text().isEmpty());
    search().cmbArea->showPopup();
    search().cmbArea->hidePopup();
    search().cmbArea->choose("Any");
    runSearch();
    EXPECT_EQ(shownRows(7).size(), 3);
    EXPECT_EQ(shownRows(7).last(), QString::number(outdoor));
}

TEST_F(Results, TheKeyWordIsPlainTextAnywhereInTheFirstFourteenFields)
{
    numberAssetsFrom(7770);
    const QString d = QString::number(addAsset({{Inv::Description, "100% new_ish [boxed] Joe's *sale?"}}));
    const QString a = QString::number(addAsset({{Inv::Amount, "$1,450.00"}, {Inv::Make, "café"}}));
    const QString o = QString::number(addAsset({{Inv::Description, "Bought 100 new"}, {Inv::NewUsed, "Plain"}}));
    openFromMainMenu();
    const auto found = [this](const QString& key) {
        runSearch(key);
        const QStringList ids = shownRows(7);
        results().cmdBack->press();
        return ids.join(u',');
    };
    for (const char* key : {"%", "_", "[", "'", "*", "?", "BOXED"})
        EXPECT_EQ(found(key), d) << key;
    EXPECT_EQ(found("100 "), o) << "blanks belong to the key word";
    EXPECT_EQ(found("1,45"), a) << "the amount as stored";
    EXPECT_EQ(found("CAFÉ"), a);
    EXPECT_EQ(found(a), a) << "the asset number";
    for (const char* key : {"Plain", "[a-z]"}) { // field 14 is not searched; no pattern
        t.msgs->expect(vbOK, kNothingFound);
        runSearch(key);
        EXPECT_EQ(t.msgs->shown.back().title, " Inventory Search Results");
        EXPECT_EQ(t.msgs->shown.back().style, 48);
        EXPECT_EQ(search().ActiveControl(), search().txtKey);
    }
    // Upper case as Qt makes it, also beyond ASCII.
    EXPECT_TRUE(search::containsUpper(u"Straße", u"STRASSE"));
    EXPECT_TRUE(search::equalsUpper(u"ﬁne", u"FINE"));
}

TEST_F(Results, ListingEverythingAsksFirst)
{
    addAsset();
    openFromMainMenu();
    t.msgs->expect(vbNo, kListAll);
    search().cmdContinue->press();
    EXPECT_EQ(t.msgs->shown.back().style, 68);
    EXPECT_FALSE(results().Visible());
    EXPECT_EQ(search().ActiveControl(), search().txtKey);
    t.msgs->expect(vbYes, kListAll);
    search().cmdContinue->press();
    EXPECT_EQ(results().lblRecsFound->Caption(), "1 Asset Found!");
    EXPECT_EQ(search().MousePointer(), 0);
    EXPECT_FALSE(search().pbSearch->Visible());
    EXPECT_TRUE(search().lblHead[3]->Visible());
}

class Paging : public SearchTest, public ::testing::WithParamInterface<int> {};

TEST_P(Paging, TenRowsAPageWithTheirNumbersAndButtons)
{
    const int n = GetParam(), pages = (n + 9) / 10;
    for (int i = 1; i <= n; ++i)
        addAsset({{Inv::Make, QStringLiteral("Make %1").arg(i)}});
    openFromMainMenu();
    runSearch("Make");
    auto& r = results();
    EXPECT_EQ(r.lblRecsFound->Caption(), QStringLiteral("%1 Assets Found!").arg(n));
    EXPECT_EQ(r.lblPage->Caption(), QStringLiteral("Page 1 of %1").arg(pages));
    EXPECT_FALSE(r.cmdPrevious->isEnabled());
    EXPECT_EQ(r.cmdNext->isEnabled(), n > 10);
    while (r.cmdNext->isEnabled())
        r.cmdNext->press();
    EXPECT_EQ(r.lblPage->Caption(), QStringLiteral("Page %1 of %1").arg(pages));
    EXPECT_EQ(shownRows(0).first(), QString::number((pages - 1) * 10 + 1));
    EXPECT_EQ(shownRows(5).last(), QStringLiteral("Make %1").arg(n));
    while (r.cmdPrevious->isEnabled())
        r.cmdPrevious->press();
    EXPECT_EQ(shownRows(0), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(r.cmdNext->isEnabled(), n > 10);
}

INSTANTIATE_TEST_SUITE_P(Edges, Paging, ::testing::Values(10, 11, 20, 21));

TEST_F(Results, HeadingsSortAndPrintResultsPrintsTheWholeSetInThatOrder)
{
    for (const char* make : {"delta", "Alpha", "charlie", "Bravo"})
        addAsset({{Inv::Make, make}, {Inv::Year, make[0] == 'A' ? "1999" : make[0] == 'B' ? "< 1950" : "2010"}});
    openFromMainMenu();
    runSearch("a");
    EXPECT_EQ(shownRows(5), QStringList({"delta", "Alpha", "charlie", "Bravo"})) << "the first search is unsorted";
    auto& r = results();
    r.lblSubHead[5]->raiseEvent(&Control::Click);
    EXPECT_EQ(shownRows(5), QStringList({"Alpha", "Bravo", "charlie", "delta"}));
    r.lblSubHead[0]->raiseEvent(&Control::Click);
    EXPECT_EQ(shownRows(5), QStringList({"Alpha", "Bravo", "charlie", "delta"})) << "\"Item\" keeps the order";
    // By the stored year text; equal years in table order, not in the order of the last sort.
    r.lblSubHead[4]->raiseEvent(&Control::Click);
    const QStringList byYear = {"Alpha", "delta", "charlie", "Bravo"};
    EXPECT_EQ(shownRows(5), byYear);
    EXPECT_EQ(r.MousePointer(), 0);

    r.cmdPrint->press();
    ASSERT_TRUE(t->AssetReport().Visible());
    Recordset& print = data().rsPrint;
    QStringList printed;
    for (print.MoveFirst(); !print.isEOF(); print.MoveNext())
        printed << print.text(Inv::Make);
    EXPECT_EQ(printed, byYear);
    t.msgs->expect(vbOK, QStringLiteral("Please Close Print Window Before Selecting Another Report To Print!"));
    r.cmdPrint->press();
    t->AssetReport().Hide();
    print.Close(); // the report cannot read its data
    t.msgs->expect(vbOK, QStringLiteral("Error Printing Report...Please Ensure Printer Is Turned On And Working Properly!"));
    r.cmdPrint->press();
    EXPECT_EQ(t.msgs->shown.back().style, 16);
    print.Open();
}

TEST_F(Results, FillingPrintIsOneWriteAndAFailedFillKeepsTheFormerResults)
{
    for (int i = 1; i <= 12; ++i)
        addAsset({{Inv::Make, QStringLiteral("Make %1").arg(i)}});
    openFromMainMenu();
    runSearch("Make 1"); // 1, 10, 11, 12
    int commits = 0;
    sqlite3_commit_hook(data().Home.handle(), [](void* n) { return ++*static_cast<int*>(n), 0; }, &commits);
    results().lblSubHead[5]->raiseEvent(&Control::Click);
    sqlite3_commit_hook(data().Home.handle(), nullptr, nullptr);
    EXPECT_EQ(commits, 1) << "emptying and filling Print in one transaction";

    int writes = 0;
    data().Home.failWrite = [&writes] { return ++writes == 4; };
    t.msgs->expect(vbOK); // the run-time error
    results().lblSubHead[1]->raiseEvent(&Control::Click);
    data().Home.failWrite = nullptr;
    EXPECT_EQ(data().rsPrint.RecordCount(), 4);
    EXPECT_EQ(RawDb(data().file()).column("SELECT COUNT(*) FROM Print"), QStringList{"4"});
    EXPECT_EQ(results().MousePointer(), 0);
    EXPECT_FALSE(search().pbSearch->Visible());
}

TEST_F(Results, AssetNumbersAndCountsBeyondSixteenBitsAndTheRightRowFromPageTwo)
{
    numberAssetsFrom(40000, 32801);
    openFromMainMenu();
    runSearch("acme");
    EXPECT_EQ(results().lblRecsFound->Caption(), "32801 Assets Found!");
    EXPECT_EQ(results().lblPage->Caption(), "Page 1 of 3281");
    results().cmdNext->press();
    int key = 65; // a key that is not Enter
    results().txtMore[1]->raiseEvent(&Control::KeyPress, key);
    EXPECT_TRUE(results().Visible());
    key = 13;
    results().txtMore[1]->raiseEvent(&Control::KeyPress, key);
    EXPECT_EQ(results().id_num, "40012");
    EXPECT_EQ(asset().war_Id, 40012);
    EXPECT_TRUE(t->frmMain().last_screen_flag);
    EXPECT_TRUE(asset().Visible());
    EXPECT_FALSE(results().Visible());
    EXPECT_TRUE(asset().cmdUpdate->Default());
}

TEST_F(Results, AGoneAssetIsNotOpenedAndTheResultsShowTheInventoryAsItIsNow)
{
    const qint64 first = addAsset();
    const qint64 second = addAsset();
    openFromMainMenu();
    runSearch("Acme");
    removeFromStore(first);
    t.msgs->expect(vbOK, kGone);
    QTest::mouseClick(results().txtMore[0], Qt::LeftButton);
    EXPECT_FALSE(asset().Visible());
    EXPECT_EQ(shownRows(), QStringList{QStringLiteral("1|Indoor|Kitchen|Refrigerator|2001|Acme|M-1 #%1").arg(second)});
    EXPECT_EQ(results().lblRecsFound->Caption(), "1 Asset Found!");
    // The last one gone: no stale row, count or page.
    removeFromStore(second);
    t.msgs->expect(vbOK, kGone);
    QTest::mouseClick(results().txtMore[0], Qt::LeftButton);
    EXPECT_TRUE(results().Visible());
    EXPECT_TRUE(shownRows().isEmpty());
    EXPECT_EQ(results().lblRecsFound->Caption(), "0 Asset Found!");
    EXPECT_EQ(results().lblPage->Caption(), "Page 0 of 0");
    EXPECT_EQ(results().MousePointer(), 0);
}

TEST_F(Results, UpdateAndDeleteFromTheResultsKeepTheTotalAndCancelRefreshes)
{
    const qint64 fridge = addAsset();
    const qint64 stove = addAsset({{Inv::Type, "Stove"}, {Inv::Amount, "$40.00"}});
    Recordset& general = data().general();
    general.setField(fld::PersonalInfo::AssetValue, Currency::fromDollars(140));
    general.Update();
    openFromMainMenu();
    runSearch("Acme");

    // All or nothing: a failed update changes neither the row nor the total.
    open(fridge);
    asset().txtPPrice->setText("$150.00");
    asset().txtMake->setText("Zenith");
    data().Home.failWrite = [] { return true; };
    t.msgs->expect(vbOK, QStringLiteral("The Asset Could Not Be Updated...Your Inventory Has Not Been Changed!"));
    asset().cmdUpdate->press();
    data().Home.failWrite = nullptr;
    EXPECT_EQ(total(), Currency::fromDollars(140));
    t.msgs->expect(vbOK, kUpdated);
    asset().cmdUpdate->press();
    EXPECT_EQ(total(), Currency::fromDollars(190));
    // Cancel: back to the freshly searched results; the fridge no longer holds "Acme".
    t.msgs->expect(vbYes, kLoseChanges);
    asset().cmdCancel->press();
    EXPECT_EQ(shownRows(7), QStringList{QString::number(stove)});

    // Delete lowers the total by the stored price, whatever the box shows.
    open(stove);
    asset().txtPPrice->setText("$999.00");
    t.msgs->expect(vbYes, QStringLiteral("Deleting This Asset Will Be Permanent...Continue?"));
    t.msgs->expect(vbOK, QStringLiteral("            Asset Has Been Deleted!"));
    asset().cmdDelete->press();
    EXPECT_EQ(total(), Currency::fromDollars(150));
    EXPECT_TRUE(t->frmMain().Visible());
}

} // namespace
} // namespace tlm::test

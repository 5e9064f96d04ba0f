#include "search_fixture.h"

#include "search/AssetReport.h"
#include "search/search_match.h"
#include "support/store_test_support.h"

#include <sqlite3.h>

namespace tlm::test {
namespace {

class Results : public SearchTest {
protected:
    // The next asset gets number `last` + 1.
    void numberAssetsFrom(qint64 last)
    {
        RawDb raw(data().file());
        raw.exec("DELETE FROM sqlite_sequence WHERE name = 'Inventory'");
        const QByteArray sql = QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES ('Inventory', %1)").arg(last).toUtf8();
        ASSERT_EQ(raw.exec(sql.constData()), SQLITE_OK);
    }
};

const QString kNothingFound = QStringLiteral("No Assets Were Found Based On The Information You Entered!");
const QString kListAll = QStringLiteral("This Search Will Display All Assets...Continue?");

TEST_F(Results, CriteriaMatchWholeValuesInAnyCaseAndAnyMatchesAll)
{
    const qint64 kitchen = addAsset();
    const qint64 shouting = addAsset({{Inv::Location, "KITCHEN"}, {Inv::Category, "appliances"}});
    addAsset({{Inv::Location, "Kitchenette"}});
    const qint64 outdoor = addAsset({{Inv::Area, "outdoor"}, {Inv::Location, "Kitchen"}});
    addAsset({{Inv::Type, "Stove"}});
    openFromMainMenu();
    choose(search().cmbArea, "Indoor");
    choose(search().cmbLocation, "Kitchen");
    choose(search().cmbCat, "Appliances");
    choose(search().cmbType, "Refrigerator");
    runSearch();
    EXPECT_EQ(shownRows(), QStringList({QStringLiteral("1|Indoor|Kitchen|Refrigerator|2001|Acme|M-1 #%1").arg(kitchen),
                                        QStringLiteral("2|Indoor|KITCHEN|Refrigerator|2001|Acme|M-1 #%1").arg(shouting)}));
    EXPECT_TRUE(results().Visible());
    EXPECT_FALSE(search().Visible());
    EXPECT_EQ(results().lblRecsFound->Caption(), QStringLiteral("2 Assets Found!"));

    // The area back to "Any": the location alone decides, in every area.
    results().cmdBack->press();
    EXPECT_TRUE(search().Visible());
    EXPECT_EQ(search().cmbLocation->Text(), QStringLiteral("Kitchen")) << "New Search keeps the choices";
    search().cmbArea->DropDown();
    choose(search().cmbArea, "Any");
    runSearch();
    EXPECT_EQ(shownRows().size(), 3);
    EXPECT_TRUE(shownRows().last().endsWith(QStringLiteral("#%1").arg(outdoor)));
}

TEST_F(Results, TheKeyWordIsPlainTextAnywhereInTheFirstFourteenFields)
{
    numberAssetsFrom(7770);
    const qint64 byDescription = addAsset({{Inv::Description, "Bought 100% new_ish [boxed] at Joe's *sale?"}});
    const qint64 byAmount = addAsset({{Inv::Amount, "$1,450.00"}, {Inv::Make, "café"}});
    const qint64 other = addAsset({{Inv::Description, "Bought 100 new"}, {Inv::NewUsed, "Plain"}});
    openFromMainMenu();
    const auto found = [this](const QString& key) {
        search().txtKey->setText(key);
        search().cmdContinue->press();
        QStringList ids;
        for (int i = 0; i < screens::frmSearchResults::kRows; ++i)
            if (results().txtMore[i]->Visible())
                ids << results().txtIDNum[i]->Text();
        results().cmdBack->press();
        return ids;
    };
    const QString d = QString::number(byDescription), a = QString::number(byAmount), o = QString::number(other);
    EXPECT_EQ(found("%"), QStringList{d});
    EXPECT_EQ(found("_"), QStringList{d});
    EXPECT_EQ(found("["), QStringList{d});
    EXPECT_EQ(found("'"), QStringList{d});
    EXPECT_EQ(found("*"), QStringList{d});
    EXPECT_EQ(found("100 "), QStringList{o}) << "blanks belong to the key word";
    EXPECT_EQ(found("BOXED"), QStringList{d});
    EXPECT_EQ(found("1,45"), QStringList{a}) << "the amount as stored";
    EXPECT_EQ(found("CAFÉ"), QStringList{a});
    EXPECT_EQ(found(a), QStringList{a}) << "the asset number";
    for (const char* key : {"Plain", "[a-z]"}) { // field 14 is not searched; no pattern
        t.msgs->expect(vbOK, kNothingFound);
        search().txtKey->setText(QString::fromUtf8(key));
        search().cmdContinue->press();
        EXPECT_FALSE(results().Visible());
    }
    EXPECT_EQ(t.msgs->shown.size(), 2u);
    EXPECT_EQ(t.msgs->shown.back().title, QStringLiteral(" Inventory Search Results"));
    EXPECT_EQ(t.msgs->shown.back().style, 48);
    EXPECT_TRUE(search().Visible());
    EXPECT_EQ(search().ActiveControl(), search().txtKey);

    // Upper case as Qt makes it, also for texts that are not ASCII.
    EXPECT_TRUE(search::containsUpper(u"Straße", u"STRASSE"));
    EXPECT_TRUE(search::equalsUpper(u"ﬁne", u"FINE"));
    EXPECT_FALSE(search::containsUpper(u"Acme", u"ACMEX"));
}

TEST_F(Results, ListingEverythingAsksFirst)
{
    addAsset();
    openFromMainMenu();
    t.msgs->expect(vbNo, kListAll);
    search().cmdContinue->press();
    EXPECT_EQ(t.msgs->shown.back().style, 68);
    EXPECT_TRUE(search().Visible());
    EXPECT_FALSE(results().Visible());
    EXPECT_FALSE(results().rec_found);
    EXPECT_EQ(search().ActiveControl(), search().txtKey);
    EXPECT_EQ(data().rsPrint.RecordCount(), 0);

    t.msgs->expect(vbYes, kListAll);
    search().cmdContinue->press();
    EXPECT_EQ(shownRows().size(), 1);
    EXPECT_EQ(results().lblRecsFound->Caption(), QStringLiteral("1 Asset Found!"));
    EXPECT_EQ(search().MousePointer(), 0);
    EXPECT_FALSE(search().pbSearch->Visible());
    EXPECT_TRUE(search().lblHead[3]->Visible());
    EXPECT_EQ(search().pbSearch->Value(), 1);
}

class Paging : public SearchTest, public ::testing::WithParamInterface<int> {};

TEST_P(Paging, TenRowsAPageWithTheirNumbersAndButtons)
{
    const int n = GetParam();
    addAssets(n);
    openFromMainMenu();
    runSearch(QStringLiteral("Make"));
    auto& r = results();
    const int pages = (n + 9) / 10;
    EXPECT_EQ(r.lblRecsFound->Caption(), QStringLiteral("%1 Assets Found!").arg(n));
    EXPECT_EQ(r.lblPage->Caption(), QStringLiteral("Page 1 of %1").arg(pages));
    EXPECT_FALSE(r.cmdPrevious->isEnabled());
    EXPECT_EQ(r.cmdNext->isEnabled(), n > 10);
    for (int page = 2; page <= pages; ++page)
        r.cmdNext->press();
    EXPECT_EQ(r.lblPage->Caption(), QStringLiteral("Page %1 of %1").arg(pages));
    EXPECT_FALSE(r.cmdNext->isEnabled());
    EXPECT_EQ(r.cmdPrevious->isEnabled(), pages > 1);
    const QStringList last = shownRows();
    ASSERT_EQ(last.size(), n - (pages - 1) * 10);
    EXPECT_TRUE(last.first().startsWith(QStringLiteral("%1|").arg((pages - 1) * 10 + 1)));
    EXPECT_TRUE(last.last().contains(QStringLiteral("|Make %1|").arg(n)));
    if (pages > 1) {
        r.cmdPrevious->press();
        EXPECT_TRUE(r.cmdNext->isEnabled());
        for (int page = pages - 1; page > 1; --page)
            r.cmdPrevious->press();
        EXPECT_FALSE(r.cmdPrevious->isEnabled());
        EXPECT_EQ(shownRows().size(), 10);
        EXPECT_TRUE(shownRows().first().startsWith(QStringLiteral("1|Indoor")));
        EXPECT_EQ(r.lblPage->Caption(), QStringLiteral("Page 1 of %1").arg(pages));
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, Paging, ::testing::Values(10, 11, 20, 21));

TEST_F(Results, HeadingsSortAndSearchAgainAndPrintResultsPrintsTheWholeSet)
{
    for (const char* make : {"delta", "Alpha", "charlie", "Bravo"})
        addAsset({{Inv::Make, make}, {Inv::Year, make[0] == 'A' ? "1999" : make[0] == 'B' ? "< 1950" : "2010"}});
    openFromMainMenu();
    runSearch(QStringLiteral("a"));
    EXPECT_EQ(shownMakes(), QStringList({"delta", "Alpha", "charlie", "Bravo"})) << "the first search is unsorted";
    auto& r = results();
    r.lblSubHead[5]->raiseEvent(&Control::Click);
    EXPECT_EQ(shownMakes(), QStringList({"Alpha", "Bravo", "charlie", "delta"}));
    EXPECT_EQ(r.sort_flag, 6);
    EXPECT_EQ(r.MousePointer(), 0);
    r.lblSubHead[0]->raiseEvent(&Control::Click);
    EXPECT_EQ(shownMakes(), QStringList({"Alpha", "Bravo", "charlie", "delta"})) << "\"Item\" keeps the order";
    r.lblSubHead[4]->raiseEvent(&Control::Click);
    // By the stored year text; equal years in table order, not in the order of the last sort.
    EXPECT_EQ(shownMakes(), QStringList({"Alpha", "delta", "charlie", "Bravo"}));
    // The order stays for the next search.
    r.cmdBack->press();
    runSearch(QStringLiteral("A"));
    EXPECT_EQ(shownMakes(), QStringList({"Alpha", "delta", "charlie", "Bravo"}));

    // Print Results prints every found asset in that order.
    r.cmdPrint->press();
    ASSERT_TRUE(t->AssetReport().Visible());
    Recordset& print = data().rsPrint;
    QStringList printed;
    for (print.MoveFirst(); !print.isEOF(); print.MoveNext())
        printed << print.text(Inv::Make);
    EXPECT_EQ(printed, QStringList({"Alpha", "delta", "charlie", "Bravo"}));
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
    addAssets(12);
    openFromMainMenu();
    runSearch(QStringLiteral("Make 0"));
    int commits = 0;
    sqlite3_commit_hook(data().Home.handle(), [](void* n) { return ++*static_cast<int*>(n), 0; }, &commits);
    results().lblSubHead[5]->raiseEvent(&Control::Click);
    sqlite3_commit_hook(data().Home.handle(), nullptr, nullptr);
    EXPECT_EQ(commits, 1) << "emptying and filling Print in one transaction";

    int writes = 0;
    data().Home.failWrite = [&writes] { return ++writes == 5; };
    t.msgs->expect(vbOK); // the run-time error
    results().lblSubHead[1]->raiseEvent(&Control::Click);
    data().Home.failWrite = nullptr;
    EXPECT_EQ(data().rsPrint.RecordCount(), 9);
    EXPECT_EQ(RawDb(data().file()).column("SELECT COUNT(*) FROM Print"), QStringList{"9"});
    EXPECT_EQ(results().MousePointer(), 0);
    EXPECT_FALSE(search().pbSearch->Visible());
}

TEST_F(Results, OpeningAnAssetFromPageTwoHandsOverThatRowWithItsWholeNumber)
{
    numberAssetsFrom(40000);
    addAssets(12);
    openFromMainMenu();
    runSearch(QStringLiteral("Make"));
    results().cmdNext->press();
    ASSERT_EQ(results().txtItem[1]->Text(), QStringLiteral("12"));
    int key = 65; // a key that is not Enter
    results().txtMore[1]->raiseEvent(&Control::KeyPress, key);
    EXPECT_TRUE(results().Visible());
    key = 13;
    results().txtMore[1]->raiseEvent(&Control::KeyPress, key);
    EXPECT_EQ(results().id_num, QStringLiteral("40012"));
    EXPECT_EQ(asset().war_Id, 40012);
    EXPECT_TRUE(t->frmMain().last_screen_flag);
    EXPECT_TRUE(asset().Visible());
    EXPECT_FALSE(results().Visible());
    EXPECT_EQ(asset().txtMake->Text(), QStringLiteral("Make 12"));
    EXPECT_TRUE(asset().cmdUpdate->Default());
}

TEST_F(Results, AGoneAssetIsNotOpenedAndTheResultsShowTheInventoryAsItIsNow)
{
    const qint64 first = addAsset();
    const qint64 second = addAsset();
    openFromMainMenu();
    runSearch(QStringLiteral("Acme"));
    removeFromStore(first);
    t.msgs->expect(vbOK, QStringLiteral("The Selected Asset Is No Longer In Your Inventory...It May Have Been Deleted!"));
    QTest::mouseClick(results().txtMore[0], Qt::LeftButton);
    EXPECT_FALSE(asset().Visible());
    EXPECT_TRUE(results().Visible());
    EXPECT_EQ(shownRows(), QStringList{QStringLiteral("1|Indoor|Kitchen|Refrigerator|2001|Acme|M-1 #%1").arg(second)});
    EXPECT_EQ(results().lblRecsFound->Caption(), QStringLiteral("1 Asset Found!"));

    // The last one gone: no stale row, count or page.
    removeFromStore(second);
    t.msgs->expect(vbOK, QStringLiteral("The Selected Asset Is No Longer In Your Inventory...It May Have Been Deleted!"));
    QTest::mouseClick(results().txtMore[0], Qt::LeftButton);
    EXPECT_TRUE(results().Visible());
    EXPECT_TRUE(shownRows().isEmpty());
    EXPECT_EQ(results().lblRecsFound->Caption(), QStringLiteral("0 Assets Found!"));
    EXPECT_EQ(results().lblPage->Caption(), QStringLiteral("Page 0 of 0"));
    EXPECT_FALSE(results().cmdNext->isEnabled());
    EXPECT_EQ(results().MousePointer(), 0);
}

TEST_F(Results, UpdateAndDeleteFromTheResultsKeepTheTotalAndCancelRefreshes)
{
    const qint64 fridge = addAsset();
    const qint64 stove = addAsset({{Inv::Type, "Stove"}, {Inv::Amount, "$40.00"}});
    setTotal(Currency::fromDollars(140));
    openFromMainMenu();
    runSearch(QStringLiteral("Acme"));
    const auto open = [this](qint64 number) {
        for (int i = 0; i < screens::frmSearchResults::kRows; ++i)
            if (results().txtMore[i]->Visible() && results().txtIDNum[i]->Text() == QString::number(number))
                return results().txtMore[i]->raiseEvent(&Control::Click);
        ADD_FAILURE() << "asset " << number << " is not listed";
        return false;
    };
    const auto setPrice = [this](const QString& price) {
        asset().txtPPrice->setText(price);
    };

    // All or nothing: a failed update changes neither the row nor the total.
    open(fridge);
    setPrice("$150.00");
    data().Home.failWrite = [] { return true; };
    t.msgs->expect(vbOK, QStringLiteral("The Asset Could Not Be Updated...Your Inventory Has Not Been Changed!"));
    asset().cmdUpdate->press();
    data().Home.failWrite = nullptr;
    EXPECT_EQ(total(), Currency::fromDollars(140));
    t.msgs->expect(vbOK, QStringLiteral("            Asset Has Been Updated!"));
    asset().cmdUpdate->press();
    EXPECT_EQ(total(), Currency::fromDollars(190));

    // Cancel: back to the freshly searched results, showing the new make.
    asset().txtMake->setText(QStringLiteral("Zenith"));
    t.msgs->expect(vbOK, QStringLiteral("            Asset Has Been Updated!"));
    asset().cmdUpdate->press();
    t.msgs->expect(vbYes, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    asset().cmdCancel->press();
    EXPECT_TRUE(results().Visible());
    EXPECT_EQ(shownRows(), QStringList{QStringLiteral("1|Indoor|Kitchen|Stove|2001|Acme|M-1 #%1").arg(stove)});

    // Delete lowers the total by the stored price, whatever the box shows.
    open(stove);
    setPrice("$999.00");
    t.msgs->expect(vbYes, QStringLiteral("Deleting This Asset Will Be Permanent...Continue?"));
    t.msgs->expect(vbOK, QStringLiteral("            Asset Has Been Deleted!"));
    asset().cmdDelete->press();
    EXPECT_EQ(total(), Currency::fromDollars(150));
    EXPECT_TRUE(t->frmMain().Visible());
    EXPECT_FALSE(results().message_flag);

    // A refresh that finds nothing: the results show none of the former rows.
    openFromMainMenu();
    runSearch(QStringLiteral("Zenith"));
    open(fridge);
    asset().txtMake->setText(QStringLiteral("Other"));
    t.msgs->expect(vbOK, QStringLiteral("            Asset Has Been Updated!"));
    asset().cmdUpdate->press();
    t.msgs->expect(vbYes, QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?"));
    asset().cmdCancel->press();
    EXPECT_TRUE(results().Visible());
    EXPECT_TRUE(shownRows().isEmpty());
    EXPECT_EQ(results().lblPage->Caption(), QStringLiteral("Page 0 of 0"));
    EXPECT_TRUE(asset().isEnabled());

    // The ways out of the results.
    results().cmdMain->press();
    EXPECT_TRUE(t->frmMain().Visible());
    EXPECT_FALSE(results().Visible());
}

} // namespace
} // namespace tlm::test

// The valuation: totals and counts by area on the totals screen, and the coverage warning.
#include "shell_test_support.h"

#include "shell/frmMain.h"
#include "shell/frmTotals.h"

#include <QLabel>
#include <QTest>
#include <set>
#include <sqlite3.h>

using namespace tlm;
using namespace tlm::test;
using namespace tlm::screens;

namespace {

const QString kWarningStart = QStringLiteral("Your Assets Currently Exceed Your Policy Coverage Of ");
const QString kWarningEnd = QStringLiteral("...It Is Recommended You Increase Your Insurance Coverage!");

class ValuationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        laterRun(t);
        startUp(t);
        ASSERT_TRUE(t->frmMain().isVisible());
    }
    Recordset& inventory() { return t->Data1().rsInventory; }
    void setCoverage(const Value& coverage)
    {
        Recordset& g = t->Data1().general();
        g.setField(fld::PersonalInfo::CoverageAmount, coverage);
        g.Update();
    }
    void value() { t->frmMain().cmdValue->press(); }
    frmTotals& totals() { return t->frmTotals(); }
    QStringList countLabels()
    {
        return {totals().lblInNumAssets->Caption(), totals().lblOutNumAssets->Caption(),
                totals().lblMobNumAssets->Caption(), totals().lblTotNumAssets->Caption()};
    }
    QStringList amountLabels()
    {
        return {totals().lblIndoorTots->Caption(), totals().lblOutdoorTots->Caption(),
                totals().lblMobileTots->Caption(), totals().lblGrandTot->Caption()};
    }
    TestProgram t;
};

} // namespace

TEST_F(ValuationTest, AnEmptyInventoryIsRefusedAndTheMenuStays)
{
    t.msgs->expect(vbOK, QStringLiteral("No Assets Are Available To Total...Please Add An Asset Before Continuing!"));
    value();
    EXPECT_EQ(t.msgs->shown.at(0).style, 64);
    EXPECT_TRUE(t->frmMain().isVisible());
    EXPECT_FALSE(totals().isVisible());
}

TEST_F(ValuationTest, OneIndoorAssetReadsInTheSingularAndTheOtherAreasWithoutANumber)
{
    addAsset(inventory(), stored::Indoor, QStringLiteral("$125.00"));
    value();
    EXPECT_TRUE(totals().isVisible());
    EXPECT_FALSE(t->frmMain().isVisible());
    EXPECT_EQ(countLabels(), QStringList({"1 Indoor Asset =>", " Outdoor Assets =>", " Mobile Assets =>", "1"}));
    EXPECT_EQ(amountLabels(), QStringList({"$125.00", "$0.00", "$0.00", "$125.00"}));
    EXPECT_TRUE(t.msgs->shown.empty()) << "no policy coverage entered: no warning";
}

TEST_F(ValuationTest, CountsAndTotalsEachAreaWhateverItsLetterCase)
{
    addAsset(inventory(), QStringLiteral("indoor"), QStringLiteral("$125.00"));
    addAsset(inventory(), stored::Indoor, QStringLiteral("$1,250.00"));
    addAsset(inventory(), QStringLiteral("OUTDOOR"), QStringLiteral("$2.50"));
    addAsset(inventory(), stored::Outdoor, QStringLiteral("$1250.00"));
    addAsset(inventory(), stored::Mobile, QStringLiteral("125"));
    addAsset(inventory(), QStringLiteral("Garage"), QStringLiteral("$99.00")); // no area of ours
    value();
    EXPECT_EQ(countLabels(), QStringList({"2 Indoor Assets =>", "2 Outdoor Assets =>", "1 Mobile Asset =>", "6"}));
    EXPECT_EQ(amountLabels(), QStringList({"$1,375.00", "$1,252.50", "$125.00", "$2,752.50"}));
    EXPECT_EQ(totals().indoorTots, Currency::fromCents(137500));
    EXPECT_EQ(totals().outdoorTots, Currency::fromCents(125250));
    EXPECT_EQ(totals().mobileTots, Currency::fromCents(12500));
    EXPECT_EQ(totals().grandTot, Currency::fromCents(275250));
    EXPECT_EQ(totals().inNumAssets, 2);
    EXPECT_EQ(totals().outNumAssets, 2);
    EXPECT_EQ(totals().mobNumAssets, 1);
    EXPECT_EQ(totals().totNumAssets, 6);
}

TEST_F(ValuationTest, AnAmountThatIsNoAmountAddsNothingButTheAssetCounts)
{
    addAsset(inventory(), stored::Indoor, QStringLiteral("$10.00"));
    addAsset(inventory(), stored::Indoor, QStringLiteral("None"));
    addAsset(inventory(), stored::Indoor, QStringLiteral(""));
    addAsset(inventory(), stored::Indoor, Value());
    value();
    EXPECT_EQ(totals().lblInNumAssets->Caption(), QStringLiteral("4 Indoor Assets =>"));
    EXPECT_EQ(totals().lblIndoorTots->Caption(), QStringLiteral("$10.00"));
    EXPECT_EQ(totals().lblGrandTot->Caption(), QStringLiteral("$10.00"));
    EXPECT_TRUE(totals().isVisible());
}

TEST_F(ValuationTest, AmountsAreAddedInWholeCents)
{
    addAsset(inventory(), stored::Mobile, QStringLiteral("$0.005"));
    addAsset(inventory(), stored::Mobile, QStringLiteral("$0.005"));
    value();
    EXPECT_EQ(totals().mobileTots, Currency::fromCents(2)) << "each amount goes through the currency format";
    EXPECT_EQ(totals().lblMobileTots->Caption(), QStringLiteral("$0.02"));
}

TEST_F(ValuationTest, AGrandTotalEqualToTheCoverageGivesNoWarning)
{
    setCoverage(QStringLiteral("$1,375.00"));
    addAsset(inventory(), stored::Indoor, QStringLiteral("$125.00"));
    addAsset(inventory(), stored::Outdoor, QStringLiteral("$1,250.00"));
    value();
    EXPECT_TRUE(t.msgs->shown.empty());
    EXPECT_TRUE(totals().isVisible());
}

TEST_F(ValuationTest, OneCentMoreThanTheCoverageWarnsAndTheTotalsFollow)
{
    setCoverage(QStringLiteral("$1,375.00"));
    addAsset(inventory(), stored::Indoor, QStringLiteral("$125.01"));
    addAsset(inventory(), stored::Outdoor, QStringLiteral("$1,250.00"));
    t.msgs->expect(vbOK, kWarningStart + QStringLiteral("$1,375.00") + kWarningEnd);
    value();
    ASSERT_EQ(t.msgs->shown.size(), 1u);
    EXPECT_EQ(t.msgs->shown[0].style, 48);
    EXPECT_EQ(t.msgs->shown[0].title, QStringLiteral(" Tallowmere by Brindlecote Software"));
    EXPECT_TRUE(totals().isVisible());
    EXPECT_EQ(totals().lblGrandTot->Caption(), QStringLiteral("$1,375.01"));
}

TEST_F(ValuationTest, TheWarningShowsTheCoverageInTheCurrencyFormat)
{
    setCoverage(QStringLiteral("1000"));
    addAsset(inventory(), stored::Mobile, QStringLiteral("$2500.00"));
    t.msgs->expect(vbOK, kWarningStart + QStringLiteral("$1,000.00") + kWarningEnd);
    value();
    EXPECT_TRUE(t.msgs->allAnswered());
}

TEST_F(ValuationTest, NoCoverageEnteredGivesNoWarning)
{
    addAsset(inventory(), stored::Indoor, QStringLiteral("$999,999.00"));
    for (const Value& coverage : {Value("None"), Value("none"), Value(""), Value("$0.00"), Value("$.00")}) {
        setCoverage(coverage);
        totals().Hide();
        t->frmMain().Show();
        value();
        EXPECT_TRUE(t.msgs->shown.empty()) << coverage.text().toStdString();
        EXPECT_TRUE(totals().isVisible());
    }
}

TEST_F(ValuationTest, TheRunningTotalDoesNotSilenceTheWarning)
{
    Recordset& g = t->Data1().general();
    g.setField(fld::PersonalInfo::AssetValue, Currency{});
    g.setField(fld::PersonalInfo::CoverageAmount, QStringLiteral("$100.00"));
    g.Update();
    addAsset(inventory(), stored::Indoor, QStringLiteral("$100.01"));
    t.msgs->expect(vbOK, kWarningStart + QStringLiteral("$100.00") + kWarningEnd);
    value();
    EXPECT_TRUE(t.msgs->allAnswered());
}

TEST_F(ValuationTest, InventoryStandsOnItsFirstRowAfterwardsWhereverItWasBefore)
{
    addAsset(inventory(), stored::Indoor, QStringLiteral("$1.00"));
    addAsset(inventory(), stored::Outdoor, QStringLiteral("$2.00"));
    addAsset(inventory(), stored::Mobile, QStringLiteral("$3.00"));
    inventory().MoveFirst();
    inventory().MoveNext();
    inventory().MoveNext();
    inventory().MoveNext(); // past the end
    ASSERT_TRUE(inventory().isEOF());
    value();
    EXPECT_EQ(totals().lblTotNumAssets->Caption(), QStringLiteral("3"));
    EXPECT_EQ(totals().lblGrandTot->Caption(), QStringLiteral("$6.00"));
    EXPECT_EQ(inventory().AbsolutePosition(), 0);
    EXPECT_FALSE(inventory().isBOF());

    inventory().MoveFirst();
    inventory().MovePrevious(); // before the first row
    totals().cmdOK->press();
    value();
    EXPECT_EQ(totals().lblTotNumAssets->Caption(), QStringLiteral("3"));
    EXPECT_EQ(inventory().AbsolutePosition(), 0);
}

TEST_F(ValuationTest, EveryValuationStartsAfresh)
{
    addAsset(inventory(), stored::Indoor, QStringLiteral("$5.00"));
    addAsset(inventory(), stored::Indoor, QStringLiteral("$5.00"));
    value();
    EXPECT_EQ(totals().lblInNumAssets->Caption(), QStringLiteral("2 Indoor Assets =>"));
    totals().cmdOK->press();

    inventory().MoveFirst();
    inventory().Delete();
    inventory().Update();
    value();
    EXPECT_EQ(countLabels(), QStringList({"1 Indoor Asset =>", " Outdoor Assets =>", " Mobile Assets =>", "1"}));
    EXPECT_EQ(amountLabels(), QStringList({"$5.00", "$0.00", "$0.00", "$5.00"}));
}

TEST_F(ValuationTest, OkAndTheCloseBoxReturnToTheMainMenu)
{
    addAsset(inventory(), stored::Indoor, QStringLiteral("$5.00"));
    value();
    EXPECT_EQ(totals().cmdOK->ToolTipText(), QStringLiteral(" Click Here To Return To Main Menu "));
    totals().cmdOK->press();
    EXPECT_FALSE(totals().isVisible());
    EXPECT_TRUE(t->frmMain().isVisible());

    value();
    EXPECT_FALSE(totals().requestClose());
    EXPECT_FALSE(totals().isVisible());
    EXPECT_TRUE(t->frmMain().isVisible());
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST_F(ValuationTest, TheTotalsScreenCarriesItsHeadings)
{
    EXPECT_EQ(totals().lblHead->Caption(), QStringLiteral("Total Asset Value"));
    EXPECT_EQ(totals().lblHead2[0]->Caption(), QStringLiteral("Total Assets"));
    EXPECT_EQ(totals().lblHead2[1]->Caption(), QStringLiteral("Total Asset Value"));
    EXPECT_EQ(totals().lblHelp->Caption(), QStringLiteral("Press F1 For Help"));
}

TEST_F(ValuationTest, TheTotalsScreenShowsOnlyItsDesignedLabels)
{
    addAsset(inventory(), stored::Indoor, QStringLiteral("$5.00"));
    value();
    const std::set<const QLabel*> designed = {
        totals().lblHead,         totals().lblHead2[0],     totals().lblHead2[1],    totals().lblInNumAssets,
        totals().lblOutNumAssets, totals().lblMobNumAssets, totals().lblTotNumAssets, totals().lblIndoorTots,
        totals().lblOutdoorTots,  totals().lblMobileTots,   totals().lblGrandTot,     totals().lblHelp};
    for (const QLabel* label : totals().findChildren<QLabel*>())
        EXPECT_TRUE(designed.count(label)) << "a label not on the screen's design: " << label->text().toStdString();
}

TEST_F(ValuationTest, F1OnTheTotalsScreenOpensItsHelpTopic)
{
    addAsset(inventory(), stored::Indoor, QStringLiteral("$5.00"));
    value();
    totals().cmdOK->SetFocus();
    QTest::keyClick(totals().cmdOK, Qt::Key_F1);
    ASSERT_FALSE(t.help->topics.empty());
    EXPECT_EQ(t.help->topics.back(), 4001);
}

TEST(ValuationCounts, MoreThan32767AssetsOfOneAreaAreCountedAndTotalled)
{
    TestProgram t;
    laterRun(t);
    {
        // Written straight into the file: one transaction is far quicker than 40,000 updates.
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(t->paths().databaseFile()).constData(), &db), SQLITE_OK);
        const char* fill =
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
            "INSERT INTO Inventory (Area, Amount) SELECT 'Indoor', '$1.25' FROM n";
        ASSERT_EQ(sqlite3_exec(db, fill, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    startUp(t);
    addAsset(t->Data1().rsInventory, stored::Mobile, QStringLiteral("$3.00"));
    t->frmMain().cmdValue->press();
    frmTotals& totals = t->frmTotals();
    EXPECT_EQ(totals.inNumAssets, 40000);
    EXPECT_EQ(totals.totNumAssets, 40001);
    EXPECT_EQ(totals.lblInNumAssets->Caption(), QStringLiteral("40000 Indoor Assets =>"));
    EXPECT_EQ(totals.lblTotNumAssets->Caption(), QStringLiteral("40001"));
    EXPECT_EQ(totals.lblIndoorTots->Caption(), QStringLiteral("$50,000.00"));
    EXPECT_EQ(totals.lblGrandTot->Caption(), QStringLiteral("$50,003.00"));
}

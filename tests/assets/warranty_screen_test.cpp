// The warranty screen: load, save, cancel, the close box and its input handlers, driven
// through its controls and checked against the file on disk.
#include "assets/frmAddUpDel.h"
#include "assets/frmWar.h"
#include "shell/frmCalendar.h"
#include "support/test_program.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <sqlite3.h>

namespace tlm {
namespace {

namespace inv = fld::Inventory;
using screens::frmWar;

const QString kSaved = QStringLiteral("Your Warranty Information Has Been Saved!");
const QString kLose = QStringLiteral("Changes To Warranty Information Will Be Lost...Continue?");
const QString kMonthFirst = QStringLiteral("          Please Select A Month First!");
const QStringList kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

class Warranty : public ::testing::Test {
protected:
    void SetUp() override { t.openData(); }

    // An asset as the asset screen adds it: the warranty block all "None" unless given.
    qint64 addAsset(std::map<int, QString> warranty = {})
    {
        Recordset& rs = t->Data1().rsInventory;
        const QStringList head = {"Indoor", "Kitchen", "Appliances", "Refrigerator", "2020", "Acme", "X1",
                                  "SN1", "1/2/2021", "$900.00", "Yes", "Drawer", "Cold", "New"};
        rs.AddNew();
        for (int f = inv::Area; f < inv::Count; ++f)
            rs.setField(f, f <= inv::NewUsed ? head[f - 1] : (warranty.count(f) ? warranty[f] : QStringLiteral("None")));
        rs.Update();
        return rs.Fields(inv::AssetNumber).toInteger();
    }
    // As the asset screen opens the warranty screen.
    frmWar& open(qint64 id)
    {
        t->frmAddUpDel().war_Id = id;
        war().load_It();
        war().Show();
        t->frmAddUpDel().Hide();
        return war();
    }
    frmWar& war() { return t->frmWar(); }

    // Fields 15 to 27 as the file on disk holds them, past the program's own layer.
    QStringList onDisk(qint64 id, int first = inv::PartsWarrantyType, int last = inv::WarrantyTerms)
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(t->Data1().file()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        QStringList out;
        for (int f = first; f <= last; ++f) {
            const QString sql = QStringLiteral("SELECT \"%1\" FROM Inventory WHERE AssetNumber=%2")
                                    .arg(layouts::Inventory().columns[f]).arg(id);
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
            out << (sqlite3_step(st) == SQLITE_ROW ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)))
                                                   : QStringLiteral("<no row>"));
            sqlite3_finalize(st);
        }
        sqlite3_close_v2(db);
        return out;
    }
    // Counts the rows the program's connection writes.
    int* countWrites()
    {
        sqlite3_update_hook(t->Data1().Home.handle(), [](void* n, int, const char*, const char*, sqlite3_int64) { ++*static_cast<int*>(n); }, &writes);
        return &writes;
    }
    void press(CommandButton* button, int answer, const QString& text)
    {
        t.msgs->expect(answer, text);
        button->press();
    }

    test::TestProgram t;
    int writes = 0;
};

QStringList numbers(int from, int to)
{
    QStringList l;
    for (int i = from; i <= to; ++i)
        l << QString::number(i);
    return l;
}

TEST_F(Warranty, ShowsItsListsCaptionsAndTips)
{
    frmWar& w = war();
    EXPECT_EQ(w.Caption(), " Tallowmere by Brindlecote Software");
    for (ComboBox* type : {w.cmbParts, w.cmbLabor})
        EXPECT_EQ(type->items(), QStringList({"None", "Limited", "Unlimited", "Lifetime", "Other"}));
    EXPECT_EQ(w.cmbPMonth->items(), kMonths);
    EXPECT_EQ(w.cmbLMonth->items(), kMonths);
    EXPECT_EQ(w.cmbPYear->items(), numbers(2005, 2050));
    EXPECT_EQ(w.cmbLYear->items(), numbers(2005, 2050));
    EXPECT_EQ(w.cmbPDay->ListCount() + w.cmbLDay->ListCount(), 0);
    const std::vector<std::pair<Control*, QString>> tips = {
        {w.txtName, " This Is The Asset's Name That This Warranty Information Will Cover "},
        {w.cmbParts, " Enter The Warranty Parts Coverage Type For This Asset "},
        {w.txtPCover, " Enter The Warranty Coverage Percentage Amount For Parts Here "},
        {w.txtPAmt, " Enter The Maximum Dollar Amount Of Warranty Coverage For Parts Here "},
        {w.cmbPMonth, " Enter The Month The Warranty Will Expire For Parts "},
        {w.cmbPDay, " Enter The Day The Warranty Will Expire For Parts "},
        {w.cmbPYear, " Enter The Year The Warranty Will Expire For Parts "},
        {w.picPDate, " This Icon Opens A Calendar So A Date Can Be Selected "},
        {w.cmbLabor, " Enter The Warranty Labor Coverage Type For This Asset "},
        {w.txtLCover, " Enter The Warranty Coverage Percentage Amount For Labor Here "},
        {w.txtLAmt, " Enter The Maximum Dollar Amount Of Warranty Coverage For Labor Here "},
        {w.cmbLMonth, " Enter The Month The Warranty Will Expire For Labor "},
        {w.cmbLDay, " Enter The Day The Warranty Will Expire For Labor "},
        {w.cmbLYear, " Enter The Year The Warranty Will Expire For Labor "},
        {w.picLDate, " This Icon Opens A Calendar So A Date Can Be Selected "},
        {w.txtDescription, " Any Descriptive Information About The Warranty Can Be Entered Here "},
        {w.cmdSave[0], " Click Here To Save Changes To The Warranty Information "},
        {w.cmdCancel, " Click Here To Return To Previous Window "}};
    for (const auto& [control, tip] : tips)
        EXPECT_EQ(control->ToolTipText(), tip);
    EXPECT_EQ(w.cmdSave[0]->Caption(), "&Save");
    EXPECT_EQ(w.cmdCancel->Caption(), "&Cancel");
    QStringList heads, subheads;
    for (int i = 0; i < 3; ++i)
        heads << w.lblHead[i]->Caption();
    for (int i = 0; i < 12; ++i)
        subheads << w.lblSubhead[i]->Caption();
    EXPECT_EQ(heads, QStringList({"Asset Warranty Information", "First, Complete The Warranty Information Below:",
                                  "Second, Click Save To Continue:"}));
    EXPECT_EQ(subheads, QStringList({"Asset Name", "Parts", "Labor", "Type", "Coverage", "%", "Amount", "Expiration",
                                     "Month", "Day", "Year", "Terms && Conditions"}));
    EXPECT_EQ(w.lblSubhead[11]->text(), "Terms & Conditions");
    EXPECT_EQ(w.lblSelIn->Caption(), "Press F1 For Help");
}

TEST_F(Warranty, LoadEmptiesOnlyAnExactNoneAndFormatsAmounts)
{
    const qint64 id = addAsset({{inv::PartsWarrantyType, "Unknown"}, {inv::PartsCoverage, "none"},
                                {inv::PartsAmount, "$1250.00"}, {inv::PartsExpireMonth, "Feb"},
                                {inv::PartsExpireDay, "29"}, {inv::PartsExpireYear, "2028"},
                                {inv::LaborAmount, "n/a"}, {inv::LaborCoverage, "80"}, {inv::LaborExpireMonth, "Apr"},
                                {inv::LaborExpireDay, "31"}, {inv::WarrantyTerms, "NONE"}});
    frmWar& w = open(id);
    EXPECT_EQ(w.txtName->Text(), "Refrigerator");
    EXPECT_EQ(w.cmbParts->Text(), "Unknown");
    EXPECT_EQ(w.txtPCover->Text(), "none");
    EXPECT_EQ(w.txtPAmt->Text(), "$1,250.00");
    EXPECT_EQ(QStringList({w.cmbPMonth->Text(), w.cmbPDay->Text(), w.cmbPYear->Text()}), QStringList({"Feb", "29", "2028"}));
    EXPECT_EQ(w.cmbPDay->items(), numbers(1, 29));
    EXPECT_EQ(w.cmbLabor->Text(), "None"); // the type list shows its item, not an empty box
    EXPECT_EQ(w.txtLAmt->Text(), "n/a");
    EXPECT_EQ(w.txtLCover->Text(), "80");
    EXPECT_EQ(QStringList({w.cmbLMonth->Text(), w.cmbLDay->Text(), w.cmbLYear->Text()}), QStringList({"Apr", "31", ""}));
    EXPECT_EQ(w.cmbLDay->ListCount(), 30); // a stored day the list does not offer is still shown
    EXPECT_EQ(w.txtDescription->Text(), "NONE");

    open(addAsset()); // a new asset: every box empty, the type lists on "None"
    for (const QString& text : {w.txtPCover->Text(), w.txtPAmt->Text(), w.cmbPMonth->Text(), w.cmbPDay->Text(),
                                w.cmbPYear->Text(), w.txtLCover->Text(), w.txtLAmt->Text(), w.cmbLMonth->Text(),
                                w.cmbLDay->Text(), w.cmbLYear->Text(), w.txtDescription->Text()})
        EXPECT_EQ(text, "");
    EXPECT_EQ(w.cmbParts->Text() + w.cmbLabor->Text(), "NoneNone");

    w.txtPCover->setText("55");
    open(id + 1000); // no such asset: the controls keep what they held
    EXPECT_EQ(w.txtPCover->Text(), "55");
}

TEST_F(Warranty, SaveWritesEveryFieldInOneUpdateAndReturns)
{
    const qint64 id = addAsset();
    const qint64 other = addAsset();
    frmWar& w = open(id);
    w.cmbParts->choose("Limited");
    w.cmbLabor->lineEdit()->selectAll();
    QTest::keyClicks(w.cmbLabor->lineEdit(), "Extended 3 Years");
    QTest::keyClicks(w.txtPCover, "12.5");
    QTest::keyClicks(w.txtLCover, "100");
    w.txtPAmt->SetFocus();
    QTest::keyClicks(w.txtPAmt, "1250");
    w.txtLAmt->SetFocus(); // leaving completes the amount
    QTest::keyClicks(w.txtLAmt, "75.5");
    w.cmbPMonth->choose("Dec");
    w.cmbPDay->choose("25");
    w.cmbPYear->choose("2030");
    QTest::keyClick(w.cmbLMonth, Qt::Key_Down); // Jan
    QTest::keyClick(w.cmbLMonth, Qt::Key_Down); // Feb
    QTest::keyClick(w.cmbLDay, Qt::Key_Down);
    w.cmbLYear->choose("2007");
    QTest::keyClicks(w.txtDescription, "Keep the receipt.");
    int* written = countWrites();
    press(w.cmdSave[0], vbOK, kSaved);

    EXPECT_EQ(*written, 1);
    EXPECT_EQ(onDisk(id), QStringList({"Limited", "12.5", "$1250.00", "Dec", "25", "2030", "Extended 3 Years", "100",
                                       "$75.50", "Feb", "1", "2007", "Keep the receipt."}));
    EXPECT_EQ(onDisk(id, inv::Area, inv::NewUsed).join(','), "Indoor,Kitchen,Appliances,Refrigerator,2020,Acme,X1,SN1,1/2/2021,$900.00,Yes,Drawer,Cold,New");
    EXPECT_EQ(onDisk(other), QStringList(13, "None"));
    EXPECT_EQ(t.msgs->shown.back().style, 64);
    EXPECT_EQ(t.msgs->shown.back().title, " Tallowmere by Brindlecote Software");
    EXPECT_FALSE(w.Visible());
    EXPECT_TRUE(t->frmAddUpDel().Visible());
}

TEST_F(Warranty, EmptyBoxesAreSavedAsPlaceholdersAndReadBackUnchanged)
{
    const qint64 id = addAsset({{inv::PartsWarrantyType, "Other"}, {inv::LaborWarrantyType, "Limited"},
                                {inv::PartsCoverage, "50"}, {inv::PartsAmount, "$10.00"}, {inv::LaborExpireYear, "2031"},
                                {inv::WarrantyTerms, "Terms"}});
    frmWar& w = open(id);
    for (ComboBox* c : {w.cmbParts, w.cmbLabor, w.cmbLYear})
        c->setText("");
    for (TextBox* b : {w.txtPCover, static_cast<TextBox*>(w.txtPAmt)})
        b->setText("");
    w.txtDescription->setText("");
    w.cmbPMonth->choose("Mar"); // a month without day or year is stored as it is
    press(w.cmdSave[0], vbOK, kSaved);
    QStringList expected(13, "None");
    expected[0] = expected[6] = "Unknown";
    expected[3] = "Mar";
    EXPECT_EQ(onDisk(id), expected);

    open(id);
    EXPECT_EQ(w.cmbParts->Text() + "/" + w.cmbLabor->Text(), "Unknown/Unknown");
    w.cmdCancel->press(); // nothing changed: no question
    EXPECT_FALSE(w.Visible());
}

TEST_F(Warranty, SaveRefusesAnExpirationDateThatDoesNotExist)
{
    const qint64 id = addAsset({{inv::LaborExpireMonth, "Apr"}, {inv::LaborExpireDay, "31"}, {inv::LaborExpireYear, "2030"}});
    frmWar& w = open(id);
    w.cmbPMonth->choose("Feb");
    w.cmbPDay->choose("29");
    w.cmbPYear->choose("2006");
    int* written = countWrites();
    press(w.cmdSave[0], vbOK, "The Parts Expiration Date Does Not Exist...Please Select A Day That Is In The Month!");
    EXPECT_EQ(t.msgs->shown.back().style, 48);
    EXPECT_EQ(w.ActiveControl(), w.cmbPDay);
    EXPECT_EQ(w.cmbPDay->BackColor(), colors::ErrorHighlight);
    EXPECT_TRUE(w.Visible());

    w.cmbPYear->choose("2008"); // a leap year: the parts date stands, the stored labor date does not
    press(w.cmdSave[0], vbOK, "The Labor Expiration Date Does Not Exist...Please Select A Day That Is In The Month!");
    EXPECT_EQ(t.msgs->shown.back().style, 48);
    EXPECT_EQ(w.ActiveControl(), w.cmbLDay);
    EXPECT_EQ(*written, 0);
    EXPECT_EQ(onDisk(id, inv::PartsExpireMonth, inv::PartsExpireYear), QStringList(3, "None"));

    w.cmbLDay->choose("30");
    EXPECT_EQ(w.cmbPDay->BackColor(), colors::White); // a new try clears the old flag
    EXPECT_EQ(w.cmbLDay->BackColor(), colors::White); // and so does another day
    press(w.cmdSave[0], vbOK, kSaved);
    EXPECT_EQ(onDisk(id, inv::PartsExpireMonth, inv::PartsExpireYear), QStringList({"Feb", "29", "2008"}));
    EXPECT_EQ(onDisk(id, inv::LaborExpireDay, inv::LaborExpireDay), QStringList({"30"}));
}

TEST_F(Warranty, SaveWritesNothingForAVanishedAssetOrAFailedWrite)
{
    const qint64 gone = addAsset();
    const qint64 kept = addAsset();
    frmWar& w = open(kept);
    w.cmbParts->choose("Lifetime");
    t->Data1().Home.failWrite = [] { return true; };
    press(w.cmdSave[0], vbOK, "Unable To Save Your Warranty Information...The Database Could Not Be Written!");
    t->Data1().Home.failWrite = nullptr;
    t->Data1().rsInventory.MoveFirst(); // a change left pending would be written now
    EXPECT_EQ(onDisk(kept)[0], "None");
    EXPECT_TRUE(w.Visible());

    open(gone);
    Recordset& rs = t->Data1().rsInventory;
    for (rs.MoveFirst(); !rs.Fields(inv::AssetNumber).equalsNumber(gone); rs.MoveNext()) {}
    rs.Delete();
    int* written = countWrites();
    press(w.cmdSave[0], vbOK, "This Asset Is No Longer In Your Inventory...Your Warranty Information Was Not Saved!");
    EXPECT_EQ(t.msgs->shown.back().style, 48);
    EXPECT_EQ(*written, 0);
    EXPECT_TRUE(w.Visible());
    w.cmdCancel->press(); // and Cancel has nothing to compare: it just returns
    EXPECT_FALSE(w.Visible());
}

TEST_F(Warranty, CancelAsksOnlyWhenAControlDiffersFromItsField)
{
    const qint64 id = addAsset({{inv::PartsWarrantyType, "Unknown"}, {inv::PartsAmount, "$1250.00"},
                                {inv::LaborAmount, "$.00"}, {inv::LaborCoverage, ""},
                                {inv::WarrantyTerms, "Line one\r\nLine two"}});
    frmWar& w = open(id);
    w.cmdCancel->press(); // $1,250.00 is $1250.00, $0.00 is $.00, an empty field an empty box,
                          // and the box's own line breaks are the stored ones
    EXPECT_FALSE(w.Visible());
    EXPECT_TRUE(t->frmAddUpDel().Visible());

    open(id).cmbLabor->setText(""); // an empty type list counts as "None", as stored
    w.cmdCancel->press();
    EXPECT_FALSE(w.Visible());

    const std::vector<std::function<void()>> edits = {
        [&] { w.cmbParts->setText(""); },        [&] { w.txtPAmt->setText("$1250.01"); },
        [&] { w.txtPCover->setText("5"); },      [&] { w.cmbPMonth->choose("Jan"); },
        [&] { w.cmbPDay->setText("5"); },        [&] { w.cmbPYear->choose("2010"); },
        [&] { w.cmbLabor->choose("Other"); },    [&] { w.txtLAmt->setText("$0.01"); },
        [&] { w.txtLCover->setText("7"); },      [&] { w.cmbLMonth->choose("Mar"); },
        [&] { w.cmbLDay->setText("3"); },        [&] { w.cmbLYear->choose("2011"); },
        [&] { w.txtDescription->setText("x"); }};
    for (size_t i = 0; i < edits.size(); ++i) {
        open(id);
        edits[i]();
        press(w.cmdCancel, vbNo, kLose);
        EXPECT_TRUE(w.Visible()) << "edit " << i;
        press(w.cmdCancel, vbYes, kLose);
        EXPECT_FALSE(w.Visible()) << "edit " << i;
    }
    EXPECT_EQ(t.msgs->shown.size(), 2 * edits.size());
    EXPECT_EQ(t.msgs->shown.front().style, 36);
    EXPECT_EQ(onDisk(id)[0], "Unknown"); // Cancel writes nothing
}

TEST_F(Warranty, TheCloseBoxRunsCancel)
{
    frmWar& w = open(addAsset());
    w.txtPCover->setText("10");
    t.msgs->expect(vbNo, kLose);
    EXPECT_FALSE(w.requestClose());
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.txtPCover->Text(), "10");
    t.msgs->expect(vbYes, kLose);
    w.close();
    EXPECT_FALSE(w.Visible());
    EXPECT_TRUE(t->frmAddUpDel().Visible());
}

TEST_F(Warranty, DayListsFollowTheirMonth)
{
    frmWar& w = open(addAsset());
    w.cmbPYear->choose("2006");
    for (int m = 0; m < 12; ++m) {
        w.cmbPMonth->choose(m);
        const int days = m == 1 ? 29 : (m == 3 || m == 5 || m == 8 || m == 10) ? 30 : 31;
        EXPECT_EQ(w.cmbPDay->items(), numbers(1, days)) << kMonths[m].toStdString();
    }
    w.cmbPDay->choose("15");
    w.cmbPMonth->choose("Sep"); // another month empties the day
    EXPECT_EQ(w.cmbPDay->Text(), "");
    EXPECT_EQ(w.cmbPMonth->SelLength(), 3);
    w.cmbLMonth->setText("Nov"); // set by code: the Change refills too
    EXPECT_EQ(w.cmbLDay->ListCount(), 30);
    QTest::keyClick(w.cmbLMonth, Qt::Key_Down);
    EXPECT_EQ(w.cmbLMonth->Text(), "Dec");
    EXPECT_EQ(w.cmbLDay->ListCount(), 31);
    EXPECT_EQ(w.cmbPDay->ListCount(), 30); // the other date's list is its own
}

TEST_F(Warranty, ADayListAsksForAMonthFirst)
{
    frmWar& w = open(addAsset());
    for (auto [month, day] : {std::pair{w.cmbPMonth, w.cmbPDay}, std::pair{w.cmbLMonth, w.cmbLDay}}) {
        t.msgs->expect(vbOK, kMonthFirst);
        day->SetFocus();
        EXPECT_EQ(t.msgs->shown.back().style, 64);
        EXPECT_EQ(w.ActiveControl(), month);
    }
    w.cmbPMonth->setText("Jan");
    w.cmbPMonth->setText(""); // once filled, an empty month no longer stops the day list
    w.cmbPDay->SetFocus();
    EXPECT_EQ(w.ActiveControl(), w.cmbPDay);
    EXPECT_EQ(w.cmbPDay->ListCount(), 31);
    EXPECT_EQ(t.msgs->shown.size(), 2u);
}

TEST_F(Warranty, DateListsAreChosenNeverTypedOrPasted)
{
    frmWar& w = open(addAsset({{inv::PartsExpireMonth, "May"}, {inv::PartsExpireDay, "9"}, {inv::PartsExpireYear, "2010"},
                               {inv::LaborExpireMonth, "Jun"}, {inv::LaborExpireDay, "30"}, {inv::LaborExpireYear, "2012"}}));
    QApplication::clipboard()->setText("Jan 12");
    for (ComboBox* c : {w.cmbPMonth, w.cmbPDay, w.cmbPYear, w.cmbLMonth, w.cmbLDay, w.cmbLYear}) {
        const QString before = c->Text();
        c->lineEdit()->selectAll();
        QTest::keyClicks(c, "7a ");
        QTest::keyClicks(c->lineEdit(), "Q9");
        for (Qt::Key k : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Escape, Qt::Key_PageDown, Qt::Key_Return})
            QTest::keyClick(c, k);
        QTest::keyClick(c->lineEdit(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(c->lineEdit(), Qt::Key_X, Qt::ControlModifier);
        c->typeCharacter(u'3');
        EXPECT_EQ(c->Text(), before);
        EXPECT_EQ(w.cmbPDay->Text(), "9"); // Enter in the month list is no new choice
        EXPECT_TRUE(c->ChosenOnly()); // also shuts the X11 selection paste out
        EXPECT_FALSE(c->lineEdit()->acceptDrops());
    }
    w.cmbPYear->select(2, 0);
    QTest::keyClick(w.cmbPYear, Qt::Key_Down);
    EXPECT_EQ(w.cmbPYear->Text(), "2011");
    EXPECT_EQ(w.cmbPYear->SelLength(), 4); // a passed key leaves the year selected too
    w.cmbPYear->select(2, 0);
    QTest::keyClick(w.cmbPYear, Qt::Key_Up);
    EXPECT_EQ(w.cmbPYear->Text(), "2010");
    EXPECT_EQ(w.cmbPYear->SelLength(), 4);
    QTest::keyClick(w.cmbPYear, Qt::Key_A); // refused, and the year is selected whole
    EXPECT_EQ(w.cmbPYear->SelLength(), 4);
    QTest::keyClick(w.cmbPYear, Qt::Key_F1); // help stays at hand
    EXPECT_EQ(t.help->topics, std::vector<int>({16001}));
}

TEST_F(Warranty, TypeListsTakeAtMost255CharactersTypedOrPasted)
{
    frmWar& w = open(addAsset());
    for (ComboBox* type : {w.cmbParts, w.cmbLabor}) {
        type->setText(QString(253, u'a'));
        type->lineEdit()->end(false);
        QTest::keyClicks(type->lineEdit(), "bcd");
        EXPECT_EQ(type->Text().size(), 255);
        QTest::keyClick(type->lineEdit(), Qt::Key_Backspace);
        EXPECT_EQ(type->Text(), QString(253, u'a') + "b");
        QApplication::clipboard()->setText("xyz");
        QTest::keyClick(type->lineEdit(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(type->Text(), QString(253, u'a') + "bx");
        type->choose("Lifetime"); // a choice from the list is selected whole
        EXPECT_EQ(type->SelLength(), 8);
    }
}

TEST_F(Warranty, CoverageTakesDigitsAndPointsAndClicksSelectAll)
{
    frmWar& w = open(addAsset());
    for (TextBox* cover : {w.txtPCover, w.txtLCover}) {
        QTest::keyClicks(cover, "1a2.5-%.x");
        EXPECT_EQ(cover->Text(), "12.5.");
        QApplication::clipboard()->setText("9 $9");
        QTest::keyClick(cover, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(cover->Text(), "12.5.99");
        QApplication::clipboard()->setText("1a");
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2), cover->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(cover, &menuKey);
        QMenu* menu = cover->findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text().startsWith("&Paste"))
                action->trigger();
        menu->close();
        delete menu;
        EXPECT_EQ(cover->Text(), "12.5.991"); // the menu's paste is filtered as well
        EXPECT_FALSE(cover->acceptDrops());
        cover->setSelStart(2);
        QTest::mouseClick(cover, Qt::LeftButton);
        EXPECT_EQ(cover->SelLength(), 8);
    }
    w.txtDescription->setText("Two\nlines");
    QTest::mouseClick(w.txtDescription->viewport(), Qt::LeftButton);
    EXPECT_EQ(w.txtDescription->SelLength(), 9);
    QTest::keyClicks(w.txtPAmt, "12.345x"); // the amount boxes keep the currency filter
    EXPECT_EQ(w.txtPAmt->Text(), "$12.34");
}

TEST_F(Warranty, PastedTermsKeepTheirLines)
{
    const qint64 id = addAsset();
    frmWar& w = open(id);
    QApplication::clipboard()->setText("Parts only.\r\nKeep the receipt.");
    w.txtDescription->SetFocus();
    QTest::keySequence(w.txtDescription, QKeySequence::Paste);
    EXPECT_EQ(w.txtDescription->Text(), "Parts only.\nKeep the receipt.");
    press(w.cmdSave[0], vbOK, kSaved);
    EXPECT_EQ(onDisk(id, inv::WarrantyTerms, inv::WarrantyTerms), QStringList({"Parts only.\nKeep the receipt."}));
}

TEST_F(Warranty, CalendarPicturesPresetThePickerAndTakeItsDateBack)
{
    frmWar& w = open(addAsset({{inv::PartsExpireMonth, "Dec"}, {inv::PartsExpireDay, "25"}, {inv::PartsExpireYear, "2005"},
                               {inv::LaborExpireMonth, "Feb"}, {inv::LaborExpireDay, "30"}, {inv::LaborExpireYear, "2006"}}));
    screens::frmCalendar& cal = t->frmCalendar();
    QTest::mouseClick(w.picPDate, Qt::LeftButton);
    EXPECT_EQ(cal.calPick, 1);
    EXPECT_FALSE(w.cmdSave[0]->Enabled());
    EXPECT_FALSE(w.cmdCancel->Enabled());
    EXPECT_FALSE(w.requestClose()); // no way out while the picker is up
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(QDate(cal.Year(), cal.Month(), cal.Day()), QDate(2005, 12, 25));

    cal.presetDate(QDate(2031, 3, 7));
    cal.calDate_Click();
    EXPECT_EQ(QStringList({w.cmbPMonth->Text(), w.cmbPDay->Text(), w.cmbPYear->Text()}), QStringList({"Mar", "7", "2031"}));
    EXPECT_EQ(w.cmbPDay->ListCount(), 31);
    EXPECT_EQ(QStringList({w.cmbLMonth->Text(), w.cmbLDay->Text(), w.cmbLYear->Text()}), QStringList({"Feb", "30", "2006"}));
    EXPECT_TRUE(w.cmdSave[0]->Enabled() && w.cmdCancel->Enabled());
    EXPECT_EQ(w.ActiveControl(), w.cmbLabor) << "the focus goes on past the date";

    QTest::mouseClick(w.picLDate, Qt::LeftButton); // Feb 30 is no date: today
    EXPECT_EQ(cal.calPick, 2);
    EXPECT_EQ(QDate(cal.Year(), cal.Month(), cal.Day()), QDate(2026, 6, 15));
    cal.calDate_Click();
    EXPECT_EQ(w.ActiveControl(), w.txtDescription);
    w.cmbPYear->setText(""); // a partial date: today as well
    QTest::mouseClick(w.picPDate, Qt::LeftButton);
    EXPECT_EQ(QDate(cal.Year(), cal.Month(), cal.Day()), QDate(2026, 6, 15));
}

} // namespace
} // namespace tlm

// The calendar picker: writing the picked date back by caller code, the key questions, and
// every way out giving the opener its controls back.
#include "shell_test_support.h"

#include "assets/frmAddUpDel.h"
#include "assets/frmWar.h"
#include "owner/frmBank.h"
#include "owner/frmInsInfo.h"
#include "shell/frmCalendar.h"
#include "shell/frmMain.h"

#include <QCalendarWidget>
#include <QTableView>
#include <QTest>

using namespace tlm;
using namespace tlm::test;
using namespace tlm::screens;

namespace {

const QString kNoDate = QStringLiteral("A Calendar Date Has Not Been Selected...Would You Like To Use Today's Date!");
const QString kClose = QStringLiteral("Are You Sure You Want To Close The Calendar?");

class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        laterRun(t);
        startUp(t);
    }

    frmCalendar& cal() { return t->frmCalendar(); }

    // What an opener does: its code, the preset, its controls shut, the picker shown.
    void open(qint16 code, const QDate& preset)
    {
        Form* opener = nullptr;
        switch (code) {
        case 1:
        case 2:
            opener = &t->frmWar();
            t->frmWar().cmdCancel->setEnabled(false);
            t->frmWar().cmdSave[0]->setEnabled(false);
            break;
        case 3:
            opener = &t->frmAddUpDel();
            opener->setEnabled(false);
            break;
        case 4:
            opener = &t->frmInsInfo();
            opener->setEnabled(false);
            break;
        case 5:
            opener = &t->frmBank();
            t->frmBank().setflag = true;
            opener->setEnabled(false);
            t->frmBank().cmdBack->setEnabled(false);
            t->frmBank().cmdState->setEnabled(false);
            break;
        default:
            opener = &t->frmMain();
            break;
        }
        opener->Show();
        cal().calPick = code;
        cal().presetDate(preset);
        cal().showFor(*opener);
        ASSERT_TRUE(cal().isVisible());
    }

    // Whether the opener of `code` has its controls back.
    bool openerFree(qint16 code)
    {
        switch (code) {
        case 1:
        case 2:
            return t->frmWar().cmdCancel->isEnabled() && t->frmWar().cmdSave[0]->isEnabled();
        case 3:
            return t->frmAddUpDel().isEnabled();
        case 4:
            return t->frmInsInfo().isEnabled();
        case 5:
            return t->frmBank().isEnabled() && t->frmBank().cmdBack->isEnabled() && t->frmBank().cmdState->isEnabled()
                   && !t->frmBank().setflag;
        default:
            return true;
        }
    }

    QWidget* grid() { return cal().calDate->focusProxy(); }

    // A real mouse click on a day of the month the calendar shows.
    void clickDay(int day)
    {
        auto* view = qobject_cast<QTableView*>(grid());
        ASSERT_NE(view, nullptr);
        QAbstractItemModel* model = view->model();
        // The grid starts with the last days of the month before; the shown month begins at its 1.
        QModelIndex target;
        int ones = 0;
        for (int r = 0; r < model->rowCount() && !target.isValid(); ++r) {
            for (int c = 0; c < model->columnCount() && !target.isValid(); ++c) {
                bool ok = false;
                const int n = model->data(model->index(r, c)).toInt(&ok);
                if (ok && n == 1)
                    ++ones;
                if (ok && ones == 1 && n == day)
                    target = model->index(r, c);
            }
        }
        ASSERT_TRUE(target.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(target).center());
    }

    TestProgram t;
};

} // namespace

TEST_F(CalendarTest, CarriesItsToolTipsAndHint)
{
    EXPECT_EQ(cal().calDate->toolTip(), QStringLiteral(" Click On A Calendar Date To Select "));
    EXPECT_EQ(cal().lblHead2->Caption(), QStringLiteral("Click A Date Or Press Space Bar To Close"));
    EXPECT_EQ(cal().lblHead2->ToolTipText(),
              QStringLiteral(" Press The Space Bar To Close The Calendar Without Selecting A  Date "));
    EXPECT_FALSE(cal().calDate->accessibleName().isEmpty());
}

TEST_F(CalendarTest, TheDatePartsFollowThePresetAndTheSetters)
{
    cal().presetDate(QDate(2005, 12, 25));
    EXPECT_EQ(cal().Day(), 25);
    EXPECT_EQ(cal().Month(), 12);
    EXPECT_EQ(cal().Year(), 2005);
    EXPECT_EQ(cal().calDate->selectedDate(), QDate(2005, 12, 25));
    cal().setMonth(3);
    cal().setDay(7);
    cal().setYear(2006);
    EXPECT_EQ(cal().calDate->selectedDate(), QDate(2006, 3, 7));
    cal().setDay(0);
    EXPECT_EQ(cal().Day(), 0) << "no date selected";
    cal().presetDate(QDate());
    EXPECT_EQ(QDate(cal().Year(), cal().Month(), cal().Day()), QDate(2026, 6, 15)) << "an invalid preset is today";
}

TEST_F(CalendarTest, ThePurchaseDateIsWrittenWithoutLeadingZeros)
{
    open(3, QDate(2005, 12, 25));
    cal().calDate_Click();
    EXPECT_FALSE(cal().isVisible());
    EXPECT_TRUE(openerFree(3));
    EXPECT_EQ(t->frmAddUpDel().txtPur->Text(), QStringLiteral("12/25/2005"));

    open(3, QDate(2006, 3, 7));
    cal().calDate_Click();
    EXPECT_EQ(t->frmAddUpDel().txtPur->Text(), QStringLiteral("3/7/2006"));
}

TEST_F(CalendarTest, AMouseClickOnADayPicksIt)
{
    open(3, QDate(2006, 3, 20));
    clickDay(7);
    EXPECT_FALSE(cal().isVisible());
    EXPECT_TRUE(openerFree(3));
    EXPECT_EQ(t->frmAddUpDel().txtPur->Text(), QStringLiteral("3/7/2006"));
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST_F(CalendarTest, ThePartsDateFillsThePartsListsOnly)
{
    frmWar& war = t->frmWar();
    war.cmbLMonth->setText(QStringLiteral("Jan"));
    war.cmbLDay->setText(QStringLiteral("2"));
    war.cmbLYear->setText(QStringLiteral("2030"));
    open(1, QDate(2005, 12, 25));
    cal().calDate_Click();
    EXPECT_TRUE(openerFree(1));
    EXPECT_EQ(war.cmbPMonth->Text(), QStringLiteral("Dec"));
    EXPECT_EQ(war.cmbPDay->Text(), QStringLiteral("25"));
    EXPECT_EQ(war.cmbPYear->Text(), QStringLiteral("2005"));
    EXPECT_EQ(war.cmbLMonth->Text(), QStringLiteral("Jan"));
    EXPECT_EQ(war.cmbLDay->Text(), QStringLiteral("2"));
    EXPECT_EQ(war.cmbLYear->Text(), QStringLiteral("2030"));
}

TEST_F(CalendarTest, TheLaborDateFillsTheLaborListsOnly)
{
    frmWar& war = t->frmWar();
    war.cmbPMonth->setText(QStringLiteral("Feb"));
    war.cmbPDay->setText(QStringLiteral("3"));
    war.cmbPYear->setText(QStringLiteral("2031"));
    open(2, QDate(2010, 7, 4));
    cal().calDate_Click();
    EXPECT_TRUE(openerFree(2));
    EXPECT_EQ(war.cmbLMonth->Text(), QStringLiteral("Jul"));
    EXPECT_EQ(war.cmbLDay->Text(), QStringLiteral("4"));
    EXPECT_EQ(war.cmbLYear->Text(), QStringLiteral("2010"));
    EXPECT_EQ(war.cmbPMonth->Text(), QStringLiteral("Feb"));
    EXPECT_EQ(war.cmbPDay->Text(), QStringLiteral("3"));
    EXPECT_EQ(war.cmbPYear->Text(), QStringLiteral("2031"));
}

TEST_F(CalendarTest, ThePolicyAndAccountDatesAreWrittenIntoTheirBoxes)
{
    open(4, QDate(2027, 1, 9));
    cal().calDate_Click();
    EXPECT_TRUE(openerFree(4));
    EXPECT_EQ(t->frmInsInfo().txtPolicyExpire->Text(), QStringLiteral("1/9/2027"));

    open(5, QDate(2026, 11, 30));
    cal().calDate_Click();
    EXPECT_TRUE(openerFree(5));
    EXPECT_EQ(t->frmBank().txtDate->Text(), QStringLiteral("11/30/2026"));
}

TEST_F(CalendarTest, AnUnknownCallerCodeWritesNothing)
{
    t->frmAddUpDel().txtPur->setText(QStringLiteral("mm/dd/yyyy"));
    for (qint16 code : {qint16(0), qint16(6), qint16(-1)}) {
        open(code, QDate(2005, 12, 25));
        cal().calDate_Click();
        EXPECT_FALSE(cal().isVisible());
    }
    EXPECT_EQ(t->frmAddUpDel().txtPur->Text(), QStringLiteral("mm/dd/yyyy"));
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST_F(CalendarTest, MonthNamesAreWrittenOnlyForMonthsOneToTwelve)
{
    frmWar& war = t->frmWar();
    const QStringList names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 1; m <= 12; ++m) {
        cal().presetDate(QDate(2020, m, 1));
        cal().set_Month_Combo1();
        cal().set_Month_Combo2();
        EXPECT_EQ(war.cmbPMonth->Text(), names[m - 1]);
        EXPECT_EQ(war.cmbLMonth->Text(), names[m - 1]);
    }
    cal().setMonth(13);
    cal().set_Month_Combo1();
    cal().setMonth(0);
    cal().set_Month_Combo2();
    EXPECT_EQ(war.cmbPMonth->Text(), QStringLiteral("Dec"));
    EXPECT_EQ(war.cmbLMonth->Text(), QStringLiteral("Dec"));
}

TEST_F(CalendarTest, SpaceAsksAndYesClosesWithoutADateForEveryCaller)
{
    t->frmAddUpDel().txtPur->setText(QStringLiteral("1/2/2003"));
    for (qint16 code : {qint16(1), qint16(2), qint16(3), qint16(4), qint16(5)}) {
        open(code, QDate(2005, 12, 25));
        t.msgs->expect(vbYes, kClose);
        QTest::keyClick(grid(), Qt::Key_Space);
        EXPECT_FALSE(cal().isVisible()) << code;
        EXPECT_TRUE(openerFree(code)) << code;
    }
    EXPECT_EQ(t->frmAddUpDel().txtPur->Text(), QStringLiteral("1/2/2003"));
    EXPECT_NE(t->frmWar().cmbPMonth->Text(), QStringLiteral("Dec"));
    for (const ShownBox& box : t.msgs->shown)
        EXPECT_EQ(box.style, 36);
}

TEST_F(CalendarTest, SpaceAndNoKeepsTheCalendarUp)
{
    t->frmAddUpDel().txtPur->setText(QStringLiteral("4/5/2006"));
    open(3, QDate(2005, 12, 25));
    t.msgs->expect(vbNo, kClose);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_TRUE(cal().isVisible());
    EXPECT_FALSE(openerFree(3));
    // Any key that types asks the same; so does one that reaches the screen itself.
    t.msgs->expect(vbNo, kClose);
    QTest::keyClick(grid(), Qt::Key_Q);
    t.msgs->expect(vbYes, kClose);
    QTest::keyClick(&cal(), Qt::Key_Space);
    EXPECT_FALSE(cal().isVisible());
    EXPECT_TRUE(openerFree(3));
    EXPECT_EQ(t->frmAddUpDel().txtPur->Text(), QStringLiteral("4/5/2006"));
}

TEST_F(CalendarTest, EnterPicksTheSelectedDateWithoutAQuestion)
{
    open(4, QDate(2026, 8, 1));
    QTest::keyClick(grid(), Qt::Key_Right); // arrows move through the days, no question
    EXPECT_TRUE(cal().isVisible());
    EXPECT_EQ(cal().Day(), 2);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_FALSE(cal().isVisible());
    EXPECT_TRUE(openerFree(4));
    EXPECT_EQ(t->frmInsInfo().txtPolicyExpire->Text(), QStringLiteral("8/2/2026"));
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST_F(CalendarTest, NoDateSelectedAndNoToTheFirstQuestionKeepsTheCalendarUp)
{
    open(3, QDate(2005, 12, 25));
    cal().setDay(0);
    t.msgs->expect(vbNo, kNoDate);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_TRUE(cal().isVisible());
    EXPECT_FALSE(openerFree(3));
    EXPECT_EQ(cal().Day(), 0);
    EXPECT_EQ(t.msgs->shown.size(), 1u) << "no second question";
    EXPECT_EQ(t.msgs->shown[0].style, 36);
}

TEST_F(CalendarTest, NoDateSelectedEnterAndYesWritesTodaysDate)
{
    open(5, QDate(2005, 12, 25));
    cal().setMonth(0);
    t.msgs->expect(vbYes, kNoDate);
    QTest::keyClick(grid(), Qt::Key_Enter);
    EXPECT_FALSE(cal().isVisible());
    EXPECT_TRUE(openerFree(5));
    EXPECT_EQ(t->frmBank().txtDate->Text(), QStringLiteral("6/15/2026"));
    EXPECT_EQ(t.msgs->shown.size(), 1u);
}

TEST_F(CalendarTest, NoDateSelectedSpaceAndYesTakesTodayThenAsksToClose)
{
    t->frmAddUpDel().txtPur->setText(QStringLiteral("4/5/2006"));
    open(3, QDate(2005, 12, 25));
    cal().setYear(0);
    t.msgs->expect(vbYes, kNoDate);
    t.msgs->expect(vbNo, kClose);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_TRUE(cal().isVisible());
    EXPECT_EQ(cal().calDate->selectedDate(), QDate(2026, 6, 15));
    EXPECT_EQ(QDate(cal().Year(), cal().Month(), cal().Day()), QDate(2026, 6, 15));

    t.msgs->expect(vbYes, kClose);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_FALSE(cal().isVisible());
    EXPECT_TRUE(openerFree(3));
    EXPECT_EQ(t->frmAddUpDel().txtPur->Text(), QStringLiteral("4/5/2006")) << "closed without a date";
}

TEST_F(CalendarTest, TheCloseBoxAndEscapeCloseWithoutADateForEveryCaller)
{
    t->frmInsInfo().txtPolicyExpire->setText(QStringLiteral("None"));
    t->frmAddUpDel().txtPur->setText(QStringLiteral("4/5/2006"));
    for (qint16 code : {qint16(1), qint16(2), qint16(3), qint16(4), qint16(5)}) {
        open(code, QDate(2005, 12, 25));
        EXPECT_FALSE(cal().requestClose());
        EXPECT_FALSE(cal().isVisible()) << code;
        EXPECT_TRUE(openerFree(code)) << code;

        open(code, QDate(2005, 12, 25));
        QTest::keyClick(grid(), Qt::Key_Escape);
        EXPECT_FALSE(cal().isVisible()) << code;
        EXPECT_TRUE(openerFree(code)) << code;
    }
    EXPECT_EQ(t->frmInsInfo().txtPolicyExpire->Text(), QStringLiteral("None"));
    EXPECT_EQ(t->frmAddUpDel().txtPur->Text(), QStringLiteral("4/5/2006"));
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST_F(CalendarTest, F1OnTheCalendarOpensThePickersHelpTopic)
{
    open(3, QDate(2005, 12, 25));
    QTest::keyClick(grid(), Qt::Key_F1);
    ASSERT_FALSE(t.help->topics.empty());
    EXPECT_EQ(t.help->topics.back(), 5001);
    EXPECT_TRUE(cal().isVisible()) << "help is no key that closes the calendar";
    EXPECT_TRUE(t.msgs->shown.empty());
    QTest::keyClick(&cal(), Qt::Key_F1);
    EXPECT_EQ(t.help->topics, std::vector<int>({5001, 5001}));
}

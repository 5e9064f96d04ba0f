// The calendar picker: the date it hands its opener, the key questions, and every way out
// giving the opener its controls back. The openers' own write-backs are tested with them.
#include "support/test_program.h"

#include "shell/frmCalendar.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace tlm;
using namespace tlm::test;
using namespace tlm::screens;

namespace {

const QString kNoDate = QStringLiteral("A Calendar Date Has Not Been Selected...Would You Like To Use Today's Date!");
const QString kClose = QStringLiteral("Are You Sure You Want To Close The Calendar?");

class CalendarTest : public ::testing::Test {
protected:
    frmCalendar& cal() { return t->frmCalendar(); }

    // What an opener does: its code, the preset, the picker shown with the place its date goes.
    void open(qint16 code, const QDate& preset)
    {
        opener.Show();
        cal().calPick = code;
        cal().presetDate(preset);
        cal().showFor(opener, nullptr, [this](const frmCalendar::Pick& date) {
            EXPECT_TRUE(openerFree()) << "the date comes once the opener has its controls back";
            picks.push_back(date.text());
        });
        ASSERT_TRUE(cal().isVisible());
        ASSERT_FALSE(openerFree());
    }

    bool openerFree() { return opener.isEnabled() && !cal().isVisible(); }

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
    Form opener{t->forms()};
    QStringList picks;
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

TEST_F(CalendarTest, AClickedDateGoesToTheOpenerWithoutLeadingZeros)
{
    open(3, QDate(2005, 12, 25));
    cal().calDate_Click();
    open(4, QDate(2006, 3, 20));
    clickDay(7);
    EXPECT_TRUE(openerFree());
    EXPECT_EQ(picks, QStringList({"12/25/2005", "3/7/2006"}));
    EXPECT_TRUE(t.msgs->shown.empty());

    const QStringList names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m <= 13; ++m)
        EXPECT_EQ(frmCalendar::Pick({1, m, 2020}).monthName(), m >= 1 && m <= 12 ? names[m - 1] : QString());
}

TEST_F(CalendarTest, OnlyCallerCodesOneToFiveAreHandedADate)
{
    for (qint16 code : {qint16(1), qint16(2), qint16(5), qint16(0), qint16(6), qint16(-1)}) {
        open(code, QDate(2005, 12, 25));
        cal().calDate_Click();
        EXPECT_TRUE(openerFree()) << code;
    }
    EXPECT_EQ(picks.size(), 3);
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST_F(CalendarTest, SpaceAsksAndYesClosesWithoutADate)
{
    open(3, QDate(2005, 12, 25));
    t.msgs->expect(vbNo, kClose);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_TRUE(cal().isVisible());
    EXPECT_FALSE(openerFree());
    // Any key that types asks the same; so does one that reaches the screen itself.
    t.msgs->expect(vbNo, kClose);
    QTest::keyClick(grid(), Qt::Key_Q);
    t.msgs->expect(vbYes, kClose);
    QTest::keyClick(&cal(), Qt::Key_Space);
    EXPECT_TRUE(openerFree());
    EXPECT_TRUE(picks.isEmpty());
    for (const ShownBox& box : t.msgs->shown)
        EXPECT_EQ(box.style, 36);
}

TEST_F(CalendarTest, EnterPicksTheSelectedDateWithoutAQuestion)
{
    open(4, QDate(2026, 8, 1));
    QTest::keyClick(grid(), Qt::Key_Right); // arrows move through the days, no question
    EXPECT_TRUE(cal().isVisible());
    EXPECT_EQ(cal().Day(), 2);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_TRUE(openerFree());
    EXPECT_EQ(picks, QStringList({"8/2/2026"}));
    EXPECT_TRUE(t.msgs->shown.empty());
}

TEST_F(CalendarTest, NoDateSelectedAsksForTodayFirst)
{
    open(3, QDate(2005, 12, 25));
    cal().setDay(0);
    t.msgs->expect(vbNo, kNoDate);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_FALSE(openerFree());
    EXPECT_EQ(cal().Day(), 0);
    EXPECT_EQ(t.msgs->shown.size(), 1u) << "no second question";

    // Yes takes today and goes on to the close question.
    cal().setYear(0);
    t.msgs->expect(vbYes, kNoDate);
    t.msgs->expect(vbNo, kClose);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_TRUE(cal().isVisible());
    EXPECT_EQ(cal().calDate->selectedDate(), QDate(2026, 6, 15));

    // With Enter, today is the date picked.
    cal().setMonth(0);
    t.msgs->expect(vbYes, kNoDate);
    QTest::keyClick(grid(), Qt::Key_Enter);
    EXPECT_TRUE(openerFree());
    EXPECT_EQ(picks, QStringList({"6/15/2026"}));
}

TEST_F(CalendarTest, TheCloseBoxAndEscapeCloseWithoutADate)
{
    open(1, QDate(2005, 12, 25));
    EXPECT_FALSE(cal().requestClose());
    EXPECT_TRUE(openerFree());
    open(5, QDate(2005, 12, 25));
    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_TRUE(openerFree());
    EXPECT_TRUE(picks.isEmpty());
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

TEST_F(CalendarTest, TheDayGridIsHeardByItsMonthAndItsWeekdays)
{
    open(3, QDate(2026, 6, 30));
    QAccessibleInterface* days = QAccessible::queryAccessibleInterface(grid());
    ASSERT_NE(days->tableInterface(), nullptr);
    EXPECT_EQ(days->text(QAccessible::Name), "June 2026");
    EXPECT_EQ(days->tableInterface()->columnDescription(0), "Sunday");

    // Arrowing past the month's end, the grid is named by the month now shown.
    QTest::keyClick(grid(), Qt::Key_Right);
    EXPECT_EQ(days->text(QAccessible::Name), "July 2026");
    QAccessibleInterface* day = days->focusChild();
    ASSERT_NE(day, nullptr);
    ASSERT_NE(day->tableCellInterface(), nullptr);
    EXPECT_EQ(day->text(QAccessible::Name), "1");
    const QList<QAccessibleInterface*> heading = day->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(heading.size(), 1);
    EXPECT_EQ(heading[0]->text(QAccessible::Name), "Wednesday");
}

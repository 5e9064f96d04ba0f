// The routines every screen shares.
#include "data/fields.h"
#include "platform/forms/controls.h"
#include "support/test_program.h"
#include "ui/screen.h"
#include "ui/screen_routines.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace tlm;

namespace {

class SampleScreen : public screens::Screen {
public:
    explicit SampleScreen(Program& p) : Screen(p)
    {
        box = new TextBox(this);
        combo = new ComboBox(this);
        button = new CommandButton(this, "&Add");
        button->setGeometry(0, 0, 80, 24);
        wireHighlight(button);
    }
    TextBox* box;
    ComboBox* combo;
    CommandButton* button;
    int cancelled = 0;

protected:
    void Form_QueryUnload(int& cancel, int) override { confirm_Close_Program(*this, cancel); }
};

struct ScreenRoutines : ::testing::Test {
    test::TestProgram t;
    SampleScreen screen{*t};
};

void addItemRow(Recordset& rs, const Value& loc, const Value& cat, const Value& item)
{
    rs.AddNew();
    rs.setField(fld::Items::Location, loc);
    rs.setField(fld::Items::Category, cat);
    rs.setField(fld::Items::Item, item);
    rs.setField(fld::Items::BuiltIn, "0");
    rs.Update();
}

} // namespace

TEST_F(ScreenRoutines, PressingAButtonPaintsItLightBlueUntilReleased)
{
    QTest::mousePress(screen.button, Qt::LeftButton);
    EXPECT_EQ(screen.button->BackColor(), 16765644u);
    QTest::mouseRelease(screen.button, Qt::LeftButton);
    EXPECT_EQ(screen.button->BackColor(), 0x8000000Fu);
}

TEST_F(ScreenRoutines, SelectAllAndTheErrorFlag)
{
    screen.box->setText("Unknown");
    select_All_Text(screen.box);
    EXPECT_EQ(screen.box->SelStart(), 0);
    EXPECT_EQ(screen.box->SelLength(), 7);

    screen.box->setSelStart(3);
    flag_Empty_Entry(screen.box);
    EXPECT_EQ(screen.box->BackColor(), 0xC0C0FFu);
    EXPECT_EQ(screen.ActiveControl(), screen.box);
    EXPECT_EQ(screen.box->SelLength(), 7);
    clear_Entry_Flag(screen.box);
    EXPECT_EQ(screen.box->BackColor(), 0xFFFFFFu);
}

TEST_F(ScreenRoutines, HourglassDuringALongWalk)
{
    show_Hourglass(screen, true);
    EXPECT_EQ(screen.MousePointer(), 11);
    show_Hourglass(screen, false);
    EXPECT_EQ(screen.MousePointer(), 0);
}

TEST_F(ScreenRoutines, ClosingAMainScreenAsksAndNoKeepsItOpen)
{
    screen.Show();
    t.msgs->expect(vbNo, "Are You Sure You Want To Close Tallowmere?");
    screen.close();
    EXPECT_TRUE(screen.isVisible());
    ASSERT_EQ(t.msgs->shown.size(), 1u);
    EXPECT_EQ(t.msgs->shown[0].style, 36);
}

TEST_F(ScreenRoutines, ADialogsCloseBoxRunsItsCancel)
{
    int cancel = 0, ran = 0;
    cancel_On_Close(cancel, [&] { ++ran; });
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(ran, 1);
}

TEST_F(ScreenRoutines, UniqueListKeepsTheFirstFormAndSkipsZero)
{
    t.openData();
    Recordset& rs = t->Data1().rsIndoor;
    addItemRow(rs, "Desk", "0", "0");
    addItemRow(rs, "DESK", "Office", "Lamp");
    addItemRow(rs, Value::number(0), "Office", "Chair");
    addItemRow(rs, "desk", "0", "0");

    fill_Unique_List(screen.combo, rs, fld::Items::Location);
    QStringList items = screen.combo->items();
    EXPECT_EQ(items.count("Desk"), 1);
    EXPECT_FALSE(items.contains("DESK") || items.contains("desk") || items.contains("0"));
    EXPECT_EQ(items.first(), QStringLiteral("< Add/Edit Location >")) << "table order";
    EXPECT_EQ(items.last(), QStringLiteral("Desk"));

    fill_Unique_List(screen.combo, rs, fld::Items::Location, "< Add/Edit Location >", true);
    items = screen.combo->items();
    EXPECT_EQ(items.first(), QStringLiteral("< Add/Edit Location >"));
    EXPECT_EQ(items.count("< Add/Edit Location >"), 1);

    fill_Unique_List(screen.combo, rs, fld::Items::Category, QString(), true);
    EXPECT_FALSE(screen.combo->items().contains("< Add/Edit Category >"));
    EXPECT_EQ(screen.combo->items().count("Office"), 1);
}

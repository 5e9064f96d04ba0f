// The main menu: its buttons, where each one leads, and the close question.
#include "shell_test_support.h"

#include "assets/frmAuto.h"
#include "owner/frmGenInfo.h"
#include "search/frmPrint.h"
#include "search/frmSearch.h"
#include "shell/frmExit.h"
#include "shell/frmMain.h"
#include "shell/frmProgress.h"

#include <QTest>

using namespace tlm;
using namespace tlm::test;
using namespace tlm::screens;

namespace {

class MainMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        laterRun(t);
        startUp(t);
        ASSERT_TRUE(t->frmMain().isVisible());
    }
    frmMain& menu() { return t->frmMain(); }
    TestProgram t;
};

} // namespace

TEST_F(MainMenuTest, ButtonsCarryTheirCaptionsAndToolTips)
{
    const std::vector<std::tuple<CommandButton*, const char*, const char*>> buttons = {
        {menu().cmdIn, "&Indoor", " Click Here To Add An Indoor Asset To Your Inventory "},
        {menu().cmdOut, "&Outdoor", " Click Here To Add An Outdoor Asset To Your Inventory "},
        {menu().cmdAuto, "&Mobile", " Click Here To Add A Mobile Asset To Your Inventory "},
        {menu().cmdSearch, "&Search", " Click Here To Search For Assets That Have Been Added To Your Inventory "},
        {menu().cmdValue, "&Value", " Click Here To See Your Current Total Asset Value "},
        {menu().cmdPersonal, "Pe&rsonal", " Click Here To Change Or Review Your Personal Information "},
        {menu().cmdPrint, " &Print", " Click Here To Print Your Assets "},
        {menu().cmdLeave, "E&xit", " Click Here To Close Tallowmere "},
    };
    for (const auto& [button, caption, tip] : buttons) {
        EXPECT_EQ(button->Caption(), QString::fromUtf8(caption));
        EXPECT_EQ(button->ToolTipText(), QString::fromUtf8(tip)) << caption;
    }
    EXPECT_EQ(menu().Caption(), QStringLiteral(" Tallowmere by Brindlecote Software"));
    EXPECT_EQ(menu().lblHead1->Caption(), QStringLiteral("Welcome To Tallowmere Main Menu"));
    EXPECT_EQ(menu().lblSelIn[0]->Caption(),
              QStringLiteral("Choose This Option If You Want To Add Or Update An Asset Inside Your Home"));
    EXPECT_EQ(menu().lblSelOut->Caption(),
              QStringLiteral("Choose This Option If You Want To Add Or Update An Asset Outside Your Home"));
    EXPECT_EQ(menu().lblSelAuto->Caption(),
              QStringLiteral("Choose This Option If You Want To Add Or Update An Asset That Is Mobile Or Off-Site"));
    EXPECT_EQ(menu().lblSelIn[1]->Caption(), QStringLiteral("Press F1 For Help"));
}

TEST_F(MainMenuTest, PressedButtonsTurnLightBlueAndBack)
{
    CommandButton* b = menu().cmdPrint;
    QTest::mousePress(b, Qt::LeftButton);
    EXPECT_EQ(b->BackColor(), colors::PressedButton);
    QTest::mouseRelease(b, Qt::LeftButton);
    EXPECT_EQ(b->BackColor(), colors::ButtonFace);
    EXPECT_TRUE(t->frmPrint().isVisible()) << "the release is the click";
}

TEST_F(MainMenuTest, AreaButtonsSetTheAreaMenusHeadingEveryTime)
{
    const std::vector<std::pair<CommandButton* frmMain::*, const char*>> areas = {
        {&frmMain::cmdIn, "Indoor Asset Management"},
        {&frmMain::cmdOut, "Outdoor Asset Management"},
        {&frmMain::cmdAuto, "Mobile Asset Management"},
        {&frmMain::cmdIn, "Indoor Asset Management"},
    };
    for (const auto& [button, heading] : areas) {
        t->frmAuto().Hide();
        menu().Show();
        (menu().*button)->press();
        EXPECT_EQ(t->frmAuto().lblHead1[0]->Caption(), QString::fromUtf8(heading));
        EXPECT_TRUE(t->frmAuto().isVisible()) << heading;
        EXPECT_FALSE(menu().isVisible());
    }
}

TEST_F(MainMenuTest, SearchOfAnEmptyInventoryIsRefusedAndTheMenuStays)
{
    t.msgs->expect(vbOK, QStringLiteral("There Are No Available Assets To Search...Please Add An Asset Before Continuing!"));
    menu().cmdSearch->press();
    ASSERT_EQ(t.msgs->shown.size(), 1u);
    EXPECT_EQ(t.msgs->shown[0].style, 64);
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(t->frmSearch().isVisible());
    EXPECT_FALSE(menu().search_last_screen_flag);
}

TEST_F(MainMenuTest, SearchReadiesTheSearchScreenAndRemembersItCameFromHere)
{
    addAsset(t->Data1().rsInventory, stored::Indoor, QStringLiteral("$10.00"));
    frmSearch& search = t->frmSearch();
    search.lblHead[0]->setCaption(QStringLiteral("Search For Assets To Print"));
    search.cmbArea->setEnabled(false);
    search.txtKey->setText(QStringLiteral("old words"));
    search.pbSearch->setValue(40);
    search.pbSearch->setVisible(true);
    search.lblHead[3]->setVisible(false);
    search.clear_flag = 4;

    menu().cmdSearch->press();
    EXPECT_TRUE(t.msgs->shown.empty());
    EXPECT_EQ(search.lblHead[0]->Caption(), QStringLiteral("Search For Assets"));
    EXPECT_TRUE(search.cmbArea->isEnabled());
    EXPECT_EQ(search.txtKey->Text(), QString());
    EXPECT_EQ(search.pbSearch->Value(), 0);
    EXPECT_FALSE(search.pbSearch->Visible());
    EXPECT_TRUE(search.lblHead[3]->Visible());
    EXPECT_EQ(search.clear_flag, 1);
    EXPECT_EQ(search.cmbArea->Text(), QStringLiteral("Any")) << "clear_listboxes ran";
    EXPECT_TRUE(menu().search_last_screen_flag);
    EXPECT_TRUE(search.isVisible());
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(MainMenuTest, TheSearchScreensBackButtonReturnsHereWhereverItWasOpenedBefore)
{
    addAsset(t->Data1().rsInventory, stored::Indoor, QStringLiteral("$10.00"));
    t->frmPrint().print_flag = true; // the search screen was last opened for printing
    menu().cmdSearch->press();
    t->frmSearch().cmdCancel->press();
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(t->frmSearch().isVisible());
    EXPECT_FALSE(t->frmPrint().isVisible());
}

TEST_F(MainMenuTest, PersonalOpensTheOwnerScreenWithItsWayBackOpen)
{
    frmGenInfo& owner = t->frmGenInfo();
    owner.cmdBack[0]->setEnabled(false); // as the first-run road leaves it
    menu().cmdPersonal->press();
    EXPECT_TRUE(owner.cmdBack[0]->isEnabled());
    EXPECT_EQ(owner.lblHead[1]->Caption(), QStringLiteral("First, Select An Item To Change Or Update"));
    EXPECT_EQ(owner.lblHead[2]->Caption(), QStringLiteral("Second, Click Save to Update"));
    EXPECT_TRUE(owner.isVisible());
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(MainMenuTest, PrintOpensThePrintMenu)
{
    menu().cmdPrint->press();
    EXPECT_TRUE(t->frmPrint().isVisible());
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(MainMenuTest, ExitAsksAndNoKeepsTheMenu)
{
    t.msgs->expect(vbNo, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    menu().cmdLeave->press();
    EXPECT_EQ(t.msgs->shown.at(0).style, 36);
    EXPECT_TRUE(menu().isVisible());
    EXPECT_TRUE(t->Data1().rsInventory.isOpen());
    EXPECT_FALSE(t->frmExit().isVisible());
}

TEST_F(MainMenuTest, ExitAndTheCloseBoxWithYesReachTheShutDown)
{
    t.msgs->expect(vbYes, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    menu().cmdLeave->press();
    EXPECT_FALSE(menu().isVisible());
    EXPECT_TRUE(t->frmExit().isVisible());
    EXPECT_FALSE(t->Data1().rsInventory.isOpen());

    TestProgram other;
    laterRun(other);
    startUp(other);
    other.msgs->expect(vbYes, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    EXPECT_FALSE(other->frmMain().requestClose()) << "the menu is hidden, never closed";
    EXPECT_FALSE(other->frmMain().isVisible());
    EXPECT_TRUE(other->frmExit().isVisible());
}

TEST_F(MainMenuTest, TheCloseBoxWithNoLeavesEverythingAsItWas)
{
    t.msgs->expect(vbNo, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    EXPECT_FALSE(menu().requestClose());
    EXPECT_TRUE(menu().isVisible());
    EXPECT_TRUE(t->Data1().rsGeneral.isOpen());
}

TEST_F(MainMenuTest, TheFirstActivationsTakeTheFocusUntilTheMenuGivesWay)
{
    EXPECT_FALSE(menu().focusflag);
    menu().cmdPrint->press(); // another screen takes over
    EXPECT_TRUE(menu().focusflag);
    t->frmPrint().cmdBack->press();
    EXPECT_TRUE(menu().isVisible());
    EXPECT_TRUE(menu().focusflag) << "kept across visits";
}

TEST_F(MainMenuTest, F1OnAnyButtonOpensTheMenusHelpTopic)
{
    for (CommandButton* b : {menu().cmdIn, menu().cmdOut, menu().cmdAuto, menu().cmdSearch, menu().cmdValue,
                             menu().cmdPersonal, menu().cmdPrint, menu().cmdLeave}) {
        b->SetFocus();
        QTest::keyClick(b, Qt::Key_F1);
        ASSERT_FALSE(t.help->topics.empty());
        EXPECT_EQ(t.help->topics.back(), 3001) << b->Caption().toStdString();
    }
    EXPECT_EQ(t.help->topics.size(), 8u);
}

// The per-area menu: help ids by heading, the roads to the asset screen and the search screen.
#include "asset_screen_fixture.h"

#include "search/frmPrint.h"
#include "search/frmSearch.h"
#include "shell/frmProgress.h"

namespace tlm::test {
namespace {

using PerAreaMenuTest = AssetScreenTest;

TEST_F(PerAreaMenuTest, LoadItGivesEveryButtonTheAreaHelpId)
{
    EXPECT_EQ(menu().lblHead1[0]->Caption(), QStringLiteral("Title ")) << "the designed heading";
    const std::pair<QString, int> cases[] = {
        {kIndoorHeading, 9001}, {kOutdoorHeading, 10001}, {kMobileHeading, 11001},
        {QStringLiteral("Title "), 11001}, {QString(), 11001}, {QStringLiteral("indoor asset management"), 11001}};
    for (const auto& [heading, id] : cases) {
        SCOPED_TRACE(heading.toStdString());
        menu().lblHead1[0]->setCaption(heading);
        menu().load_It();
        EXPECT_TRUE(menu().Visible());
        EXPECT_EQ(menu().HelpId, id);
        EXPECT_EQ(menu().ActiveControl(), menu().cmdAdd[0]);
        for (Control* c : {menu().cmdAdd[0], menu().cmdUpdate[1], menu().cmdDelete[2], menu().cmdBack[3], menu().cmdLeave[4]})
            EXPECT_EQ(c->HelpContextID, id);
    }
    menu().cmdAdd[0]->SetFocus();
    QTest::keyClick(menu().cmdAdd[0], Qt::Key_F1);
    ASSERT_FALSE(t.help->topics.empty());
    EXPECT_EQ(t.help->topics.back(), 11001);
}

TEST_F(PerAreaMenuTest, CaptionsToolTipsAndButtonHighlight)
{
    auto& m = menu();
    EXPECT_EQ(m.Caption(), QStringLiteral(" Tallowmere by Brindlecote Software"));
    const std::tuple<CommandButton*, int, QString, QString> buttons[] = {
        {m.cmdAdd[0], 0, "&Add", " Click Here To Add A New Asset To Your Inventory "},
        {m.cmdUpdate[1], 1, "&Update", " Click Here To Update An Existing Asset In Your Inventory "},
        {m.cmdDelete[2], 2, "&Delete", " Click Here To Delete An Existing Asset From Your Inventory "},
        {m.cmdBack[3], 3, "&Main Menu", " Click Here To Return To The Main Menu "},
        {m.cmdLeave[4], 4, "E&xit", " Click Here To Close Tallowmere "}};
    for (const auto& [button, index, caption, tip] : buttons) {
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->Index, index);
        EXPECT_EQ(button->Caption(), caption);
        EXPECT_EQ(button->ToolTipText(), tip);
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(button->BackColor(), colors::PressedButton);
        button->MouseUp(1, 0, 1, 1);
        EXPECT_EQ(button->BackColor(), colors::ButtonFace);
    }
    EXPECT_EQ(m.lblSelOut[0]->Caption(), QStringLiteral("Choose This Option To Add A New Asset To Your Inventory"));
    EXPECT_EQ(m.lblSelOut[1]->Caption(), QStringLiteral("Choose This Option To Update Information On An Asset Already Added"));
    EXPECT_EQ(m.lblSelOut[2]->Caption(), QStringLiteral("Choose This Option To Delete An Asset You Do Not Want Or No Longer Own"));
    EXPECT_EQ(m.lblSelIn->Caption(), QStringLiteral("Press F1 For Help"));
}

TEST_F(PerAreaMenuTest, EmptyInventoryRefusesUpdateAndDeleteButStillAdds)
{
    menu().lblHead1[0]->setCaption(kIndoorHeading);
    menu().load_It();
    t.msgs->expect(vbOK, QStringLiteral("There Are No Available Assets To Update...Please Add An Asset Before Continuing!!"));
    menu().cmdUpdate[1]->press();
    t.msgs->expect(vbOK, QStringLiteral("There Are No Available Assets To Delete...Please Add An Asset Before Continuing!!"));
    menu().cmdDelete[2]->press();
    ASSERT_EQ(t.msgs->shown.size(), 2u);
    EXPECT_EQ(t.msgs->shown[0].style, 64);
    EXPECT_EQ(t.msgs->shown[1].style, 64);
    EXPECT_EQ(t.msgs->shown[0].title, QStringLiteral(" Tallowmere by Brindlecote Software"));
    EXPECT_TRUE(menu().Visible());
    EXPECT_FALSE(t->frmSearch().Visible());

    menu().cmdAdd[0]->press();
    EXPECT_FALSE(menu().Visible());
    EXPECT_TRUE(screen().Visible());
    EXPECT_FALSE(t->frmMain().last_screen_flag);
}

TEST_F(PerAreaMenuTest, UpdateAndDeleteSearchWithinTheAreaAndComeBackHere)
{
    insertAsset("Outdoor", "Garage", "Tools", "Ladder", "$80.00");
    auto& search = t->frmSearch();
    search.txtKey->setText(QStringLiteral("mower"));

    // After searches from the main menu and the print menu, this menu's search comes back here.
    t->frmMain().search_last_screen_flag = true;
    t->frmPrint().print_flag = true;
    menu().lblHead1[0]->setCaption(kOutdoorHeading);
    menu().load_It();
    menu().cmdDelete[2]->press();
    EXPECT_EQ(search.lblHead[0]->Caption(), QStringLiteral("Search For Asset To Delete"));
    EXPECT_FALSE(t->frmMain().search_last_screen_flag);
    EXPECT_FALSE(t->frmPrint().print_flag);
    EXPECT_FALSE(search.pbSearch->Visible());
    EXPECT_TRUE(search.lblHead[3]->Visible());
    EXPECT_EQ(search.cmbArea->Text(), QStringLiteral("Outdoor"));
    EXPECT_FALSE(search.cmbArea->Enabled());
    EXPECT_EQ(search.txtKey->Text(), QStringLiteral("mower")) << "Delete keeps the key word";
    EXPECT_TRUE(search.Visible());
    EXPECT_FALSE(menu().Visible());

    search.cmdCancel->press();
    EXPECT_TRUE(menu().Visible());

    t->frmMain().search_last_screen_flag = true;
    menu().lblHead1[0]->setCaption(QStringLiteral("Title "));
    menu().load_It();
    menu().cmdUpdate[1]->press();
    EXPECT_EQ(search.lblHead[0]->Caption(), QStringLiteral("Search For Asset To Update"));
    EXPECT_FALSE(t->frmMain().search_last_screen_flag);
    EXPECT_EQ(search.cmbArea->Text(), QStringLiteral("Mobile"));
    EXPECT_TRUE(search.txtKey->Text().isEmpty()) << "Update empties the key word";
    EXPECT_EQ(search.cmbLocation->Text(), QStringLiteral("Any"));
}

TEST_F(PerAreaMenuTest, AddCopiesTheClearPreferenceExactlyAsStored)
{
    const std::pair<QString, int> cases[] = {{stored::Checked, 1}, {QStringLiteral("checked"), 0}, {stored::Unchecked, 0}};
    for (const auto& [word, value] : cases) {
        SCOPED_TRACE(word.toStdString());
        setGeneral(Gen::ClearCheck, word);
        t->frmMain().last_screen_flag = true;
        openAdding(kOutdoorHeading);
        EXPECT_EQ(screen().chkClear->Value(), value);
        EXPECT_FALSE(t->frmMain().last_screen_flag);
        EXPECT_EQ(screen().lblHead->Caption(), QStringLiteral("Add Outdoor Asset To Inventory"));
        screen().Hide();
    }
}

TEST_F(PerAreaMenuTest, MainMenuAndExit)
{
    menu().lblHead1[0]->setCaption(kIndoorHeading);
    menu().load_It();
    menu().cmdBack[3]->press();
    EXPECT_TRUE(t->frmMain().Visible());
    EXPECT_FALSE(menu().Visible());

    menu().load_It();
    t.msgs->expect(vbNo, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    menu().cmdLeave[4]->press();
    EXPECT_TRUE(menu().Visible());
    t.msgs->expect(vbNo, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    EXPECT_FALSE(menu().requestClose()) << "the close box never unloads the menu";
    EXPECT_TRUE(menu().Visible());
    EXPECT_EQ(lastBox().style, 36);

    t.msgs->expect(vbYes, QStringLiteral("Are You Sure You Want To Close Tallowmere?"));
    menu().cmdLeave[4]->press();
    EXPECT_FALSE(menu().Visible());
    EXPECT_TRUE(t->frmProgress().isLoaded());
}

} // namespace
} // namespace tlm::test

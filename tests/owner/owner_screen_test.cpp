// The owner's information screen: the placeholders it writes and empties, its key rules, the
// roads in and out, and the first-run road that ends in it.
#include "owner_fixture.h"

#include "shell/frmExit.h"
#include "shell/frmHeader.h"
#include "shell/frmIntroduction.h"
#include "shell/frmKeyboard.h"

using namespace tlm;
using namespace tlm::test;

namespace {

const QString kClose = QStringLiteral("Are You Sure You Want To Close Tallowmere?");
const QString kLose = QStringLiteral("Any Changes You Have Made Will Be Lost...Continue Anyway?");

class OwnerScreen : public OwnerTest {
protected:
    QStringList storedOwner()
    {
        QStringList out;
        for (int f = pi::Last; f <= pi::EMail; ++f)
            out << stored(f);
        return out;
    }
    QStringList shownOwner()
    {
        QStringList out;
        for (int f = pi::Last; f <= pi::EMail; ++f)
            out << (f == pi::State ? owner().cmbState->Text() : owner().txtInfo[f]->Text());
        return out;
    }
};

} // namespace

TEST_F(OwnerScreen, WritesPlaceholdersForEmptyBoxesAndShowsThemEmpty)
{
    screens::frmGenInfo& o = openOwner();
    EXPECT_EQ(shownOwner(), QStringList(17, QString())) << "the delivered row holds only placeholders";
    o.txtInfo[pi::Last]->setText("Okafor");
    o.txtInfo[pi::Address]->setText("  "); // blanks are kept, not trimmed
    o.cmbState->setText("ny");
    o.txtInfo[pi::ZIP]->setText("ab1 2cd");
    o.txtInfo[pi::EMail]->setText("Ada@Example.org");
    t->Data1().rsGeneral.MoveNext(); // wherever the cursor was left, the single row is written
    o.cmdContinue[0]->press();
    EXPECT_TRUE(t->frmMain().isVisible());
    EXPECT_EQ(storedOwner(), QStringList({"Okafor", "None", "None", "  ", "None", "NY", "AB1 2CD", "---", "---", "----",
                                          "---", "---", "----", "---", "---", "----", "Ada@Example.org"}));

    // Any letter case of "None", and both dash forms, load as empty boxes; the state box only
    // empties "None".
    setStored({{pi::Last, "none"}, {pi::First, "NONE"}, {pi::Middle, "---"}, {pi::Address, "----"},
               {pi::State, "---"}, {pi::HomePhone1, "212"}, {pi::EMail, "None "}});
    t->Data1().rsGeneral.MoveNext();
    openOwner();
    EXPECT_EQ(shownOwner(), QStringList({"", "", "", "", "", "---", "AB1 2CD", "212", "", "", "", "", "", "", "", "",
                                         "None "}));
}

TEST_F(OwnerScreen, TelephonePartsAndStateKeepTheirKeysLengthsAndFocusChain)
{
    screens::frmGenInfo& o = openOwner();
    TextBox* area = o.txtInfo[pi::HomePhone1];
    area->SetFocus();
    QTest::keyClicks(area, "2a1 -2");
    EXPECT_EQ(area->Text(), "212");
    EXPECT_EQ(o.ActiveControl(), o.txtInfo[pi::HomePhone2]) << "a full area code moves on to the prefix";
    // A paste goes through the same filter and stops at the part's length.
    o.txtInfo[pi::WorkPhone3]->pasteAsTyped("55-5x01 99");
    EXPECT_EQ(o.txtInfo[pi::WorkPhone3]->Text(), "5550");
    EXPECT_EQ(o.ActiveControl(), o.txtInfo[pi::CellPhone1]) << "the work number's last part leads to the cell number";
    o.txtInfo[pi::CellPhone3]->pasteAsTyped("0199");
    EXPECT_EQ(o.ActiveControl(), o.txtInfo[pi::EMail]);
    o.txtInfo[pi::Middle]->pasteAsTyped("QJ");
    EXPECT_EQ(o.txtInfo[pi::Middle]->Text(), "Q");

    // Two letters make a code in capitals and move on to the ZIP; a third letter starts a new
    // code; Backspace empties the box; nothing else is typed, pasted or not.
    o.cmbState->SetFocus();
    QTest::keyClicks(o.cmbState->lineEdit(), "n1y");
    EXPECT_EQ(o.ActiveControl(), o.txtInfo[pi::ZIP]);
    EXPECT_EQ(o.cmbState->Text(), "NY");
    o.cmbState->SetFocus();
    QTest::keyClicks(o.cmbState->lineEdit(), "t");
    EXPECT_EQ(o.cmbState->Text(), "t");
    QTest::keyClick(o.cmbState->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(o.cmbState->Text(), "");
    o.cmbState->pasteAsTyped("c.a.l");
    EXPECT_EQ(o.cmbState->Text(), "l");
}

TEST_F(OwnerScreen, CancelExitAndTheAccountsButtonWriteNothingUntilYes)
{
    screens::frmGenInfo& o = openOwner();
    EXPECT_EQ(t->frmHeader().keyboardFlag, 17);
    o.txtInfo[pi::City]->setText("Lagos");
    expectBox(vbNo, kLose);
    o.cmdBack[0]->press();
    expectBox(vbNo, kClose);
    o.cmdExit->press();
    o.cmdBank->press(); // the accounts road keeps the edits, unsaved
    EXPECT_TRUE(chooser().isVisible());
    chooser().cmdCancel->press();
    EXPECT_TRUE(o.isVisible());
    EXPECT_EQ(o.txtInfo[pi::City]->Text(), "Lagos");
    EXPECT_EQ(stored(pi::City), "None");

    expectBox(vbYes, kLose);
    o.cmdBack[0]->press();
    EXPECT_TRUE(t->frmMain().isVisible());
    openOwner();
    EXPECT_EQ(o.txtInfo[pi::City]->Text(), "") << "the menu loads the stored values again";

    // The Insurance button and the close box with Yes keep the edits.
    o.txtInfo[pi::City]->setText("Accra");
    o.cmdInsInfo->press();
    EXPECT_EQ(stored(pi::City), "Accra");
    insurance().cmdCancel->press();
    o.txtInfo[pi::City]->setText("Kumasi");
    expectBox(vbYes, kClose);
    EXPECT_FALSE(o.requestClose());
    EXPECT_TRUE(t->frmExit().isVisible()) << "the shut-down ran";
    EXPECT_EQ(stored(pi::City), "Kumasi");
}

TEST(OwnerFirstRun, TheIntroductionAndKeyboardPictureLeadToTheOwnerScreenWithoutAWayBack)
{
    TestProgram t;
    startUp(t);
    t->frmIntroduction().cmdOK->press();
    t->frmKeyboard().cmdUpdate->press();
    screens::frmGenInfo& o = t->frmGenInfo();
    ASSERT_TRUE(o.isVisible());
    EXPECT_FALSE(o.cmdBack[0]->isEnabled());
    EXPECT_EQ(o.lblHead[1]->Caption(), "First, Complete the Personal Information:");
    EXPECT_EQ(o.txtInfo[pi::Last]->Text(), "");

    QTest::keyClicks(o.txtInfo[pi::First], "Ada");
    o.cmdContinue[0]->press();
    EXPECT_TRUE(t->frmMain().isVisible());
    Recordset& g = t->Data1().general();
    EXPECT_EQ(QStringList({g.text(pi::First), g.text(pi::Last), g.text(pi::HomePhone3), g.text(pi::IntroDone)}),
              QStringList({"Ada", "None", "----", "1"}));

    t->frmMain().cmdPersonal->press();
    EXPECT_TRUE(o.cmdBack[0]->isEnabled());
    EXPECT_EQ(o.lblHead[1]->Caption(), "First, Select An Item To Change Or Update");
    EXPECT_EQ(o.txtInfo[pi::First]->Text(), "Ada");
    EXPECT_TRUE(t.msgs->shown.empty());
}

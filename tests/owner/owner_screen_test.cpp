// The owner's information screen: the placeholders it writes and empties, its key rules, the
// roads in and out, and the first-run road that ends in it.
#include "owner_fixture.h"

#include "shell/frmHeader.h"
#include "shell/frmIntroduction.h"
#include "shell/frmKeyboard.h"
#include "shell/frmExit.h"
#include "shell/shell_test_support.h"

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
    o.cmdContinue[0]->press();
    EXPECT_TRUE(t->frmMain().isVisible());
    EXPECT_FALSE(o.isVisible());
    EXPECT_EQ(storedOwner(), QStringList({"Okafor", "None", "None", "  ", "None", "NY", "AB1 2CD", "---", "---", "----",
                                          "---", "---", "----", "---", "---", "----", "Ada@Example.org"}));

    // Any letter case of "None", and both dash forms, load as empty boxes; the state box only
    // empties "None".
    setStored({{pi::Last, "none"}, {pi::First, "NONE"}, {pi::Middle, "---"}, {pi::Address, "----"},
               {pi::State, "---"}, {pi::HomePhone1, "212"}, {pi::EMail, "None "}});
    t->Data1().rsGeneral.MoveNext(); // wherever the cursor was left, the single row is read
    openOwner();
    EXPECT_EQ(shownOwner(), QStringList({"", "", "", "", "", "---", "AB1 2CD", "212", "", "", "", "", "", "", "", "",
                                         "None "}));
}

TEST_F(OwnerScreen, SavesTheSingleRowWhereverTheCursorWasLeft)
{
    screens::frmGenInfo& o = openOwner();
    o.txtInfo[pi::First]->setText("Ada");
    Recordset& g = t->Data1().rsGeneral;
    g.MoveNext(); // past the single row
    ASSERT_TRUE(g.isEOF());
    o.cmdContinue[0]->press();
    EXPECT_EQ(stored(pi::First), "Ada");
    EXPECT_TRUE(t->frmMain().isVisible());
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
    o.txtInfo[pi::First]->pasteAsTyped(QString(60, u'x'));
    o.txtInfo[pi::Middle]->pasteAsTyped("QJ");
    EXPECT_EQ(o.txtInfo[pi::First]->Text().size(), 50);
    EXPECT_EQ(o.txtInfo[pi::Middle]->Text(), "Q");

    // Two letters make a code and move on to the ZIP; the code is upper-cased on leaving.
    o.cmbState->SetFocus();
    QTest::keyClicks(o.cmbState->lineEdit(), "n1y");
    EXPECT_EQ(o.ActiveControl(), o.txtInfo[pi::ZIP]);
    EXPECT_EQ(o.cmbState->Text(), "NY");
    // A third letter starts a new code; Backspace empties the box; a paste keeps two letters.
    o.cmbState->SetFocus();
    QTest::keyClicks(o.cmbState->lineEdit(), "t");
    EXPECT_EQ(o.cmbState->Text(), "t");
    QTest::keyClick(o.cmbState->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(o.cmbState->Text(), "");
    o.cmbState->SetFocus();
    o.cmbState->pasteAsTyped("c.a.l");
    EXPECT_EQ(o.cmbState->Text(), "l");
}

TEST_F(OwnerScreen, CancelExitAndTheAccountsButtonWriteNothingUntilYes)
{
    screens::frmGenInfo& o = openOwner();
    EXPECT_TRUE(o.cmdBack[0]->isEnabled());
    EXPECT_EQ(t->frmHeader().keyboardFlag, 17);
    o.txtInfo[pi::City]->setText("Lagos");

    expectBox(vbNo, kLose);
    o.cmdBack[0]->press();
    EXPECT_EQ(lastStyle(), 36);
    EXPECT_TRUE(o.isVisible());
    EXPECT_EQ(o.txtInfo[pi::City]->Text(), "Lagos");

    // The accounts road keeps the edits on screen, unsaved.
    o.cmdBank->press();
    EXPECT_FALSE(o.isVisible());
    EXPECT_TRUE(chooser().isVisible());
    chooser().cmdCancel->press();
    EXPECT_TRUE(o.isVisible());
    EXPECT_TRUE(o.isEnabled());
    EXPECT_EQ(o.txtInfo[pi::City]->Text(), "Lagos");

    expectBox(vbNo, kClose);
    o.cmdExit->press();
    EXPECT_TRUE(o.isVisible());
    EXPECT_EQ(stored(pi::City), "None");

    expectBox(vbYes, kLose);
    o.cmdBack[0]->press();
    EXPECT_TRUE(t->frmMain().isVisible());
    EXPECT_EQ(stored(pi::City), "None");
    openOwner();
    EXPECT_EQ(o.txtInfo[pi::City]->Text(), "") << "the menu loads the stored values again";

    // Exit and the close box with Yes keep the edits, then shut down.
    o.txtInfo[pi::City]->setText("Accra");
    expectBox(vbYes, kClose);
    EXPECT_FALSE(o.requestClose());
    EXPECT_FALSE(o.isVisible());
    EXPECT_TRUE(t->frmExit().isVisible()) << "the shut-down ran";
    EXPECT_EQ(stored(pi::City), "Accra");
}

TEST_F(OwnerScreen, InsuranceSavesTheOwnerAndFillsThePolicyAsStored)
{
    setStored({{pi::PolicyCompany, "Harbor Mutual"}, {pi::PolicyNumber, "None"}, {pi::PolicyExpiration, "None"},
               {pi::CoverageAmount, "$2500"}, {pi::Notify, "yes"}});
    screens::frmGenInfo& o = openOwner();
    o.txtInfo[pi::First]->setText("Ada");
    o.cmdInsInfo->press();
    EXPECT_EQ(stored(pi::First), "Ada");
    screens::frmInsInfo& ins = insurance();
    EXPECT_TRUE(ins.isVisible());
    EXPECT_FALSE(o.isVisible());
    EXPECT_EQ(QStringList({ins.txtCompany->Text(), ins.txtPolicyNum->Text(), ins.txtPolicyExpire->Text(),
                           ins.txtCoverageAmt->Text()}),
              QStringList({"Harbor Mutual", "None", "None", "$2,500.00"}));
    EXPECT_EQ(ins.chkNotify->Value(), 0) << "only \"Yes\" exactly ticks the box";

    EXPECT_TRUE(ins.requestClose()) << "closed without a question";
    EXPECT_TRUE(o.isVisible());
    setStored({{pi::CoverageAmount, "None"}, {pi::Notify, "Yes"}});
    o.cmdInsInfo->press();
    EXPECT_EQ(ins.txtCoverageAmt->Text(), "None");
    EXPECT_EQ(ins.chkNotify->Value(), 1);
}

TEST(OwnerFirstRun, TheIntroductionAndKeyboardPictureLeadToTheOwnerScreenWithoutAWayBack)
{
    TestProgram t;
    startUp(t);
    t->frmIntroduction().cmdOK->press();
    ASSERT_TRUE(t->frmKeyboard().isVisible());
    t->frmKeyboard().cmdUpdate->press();
    screens::frmGenInfo& o = t->frmGenInfo();
    ASSERT_TRUE(o.isVisible());
    EXPECT_FALSE(o.cmdBack[0]->isEnabled());
    EXPECT_EQ(o.lblHead[1]->Caption(), "First, Complete the Personal Information:");
    EXPECT_EQ(o.lblHead[2]->Caption(), "Next, Click Save to Continue:");
    EXPECT_EQ(t->frmHeader().keyboardFlag, 17);
    for (TextBox* box : o.txtInfo)
        EXPECT_EQ(box->Text(), "");

    QTest::keyClicks(o.txtInfo[pi::First], "Ada");
    QTest::keyClicks(o.txtInfo[pi::HomePhone1], "212");
    o.cmdContinue[0]->press();
    EXPECT_TRUE(t->frmMain().isVisible());
    EXPECT_FALSE(o.isVisible());
    Recordset& g = t->Data1().general();
    EXPECT_EQ(QStringList({g.text(pi::First), g.text(pi::Last), g.text(pi::HomePhone1), g.text(pi::HomePhone3),
                           g.text(pi::IntroDone)}),
              QStringList({"Ada", "None", "212", "----", "1"}));

    t->frmMain().cmdPersonal->press();
    EXPECT_TRUE(o.cmdBack[0]->isEnabled());
    EXPECT_EQ(o.lblHead[1]->Caption(), "First, Select An Item To Change Or Update");
    EXPECT_EQ(o.txtInfo[pi::First]->Text(), "Ada");
    EXPECT_TRUE(t.msgs->shown.empty());
}

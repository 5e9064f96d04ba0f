#include "list_editor_fixture.h"

namespace tlm::test {
namespace {

using AddDialogTest = ListEditorTest;

TEST_F(AddDialogTest, RefusesEmptyTakenAndReservedNamesThenStoresTheRowAndChoosesIt)
{
    Recordset& indoor = data().rsIndoor;
    const QStringList before = rows(indoor);
    openEditor(Add);
    auto& d = addDialog();
    EXPECT_EQ(d.txtAdd->accessibleName(), QStringLiteral("Location"));
    EXPECT_EQ(d.txtAdd->HelpContextID, 23001);
    t.msgs->expect(vbOK, QStringLiteral("Please Enter Information Before Continuing!"));
    d.cmdUpdate->press();
    EXPECT_EQ(d.txtAdd->BackColor(), colors::ErrorHighlight);
    EXPECT_EQ(d.ActiveControl(), d.txtAdd);
    // Any letter case of a name the column holds; "0" and the editor entries are no names.
    for (const char* name : {"kITCHEN", "0", "< Add/Edit Category >", "< add/edit item >"}) {
        SCOPED_TRACE(name);
        d.txtAdd->setText(QString::fromUtf8(name));
        t.msgs->expect(vbOK, QStringLiteral("This Indoor Location Is Already Available!"));
        d.cmdUpdate->press();
        EXPECT_EQ(d.txtAdd->SelLength(), int(strlen(name))) << "the whole name selected";
        EXPECT_EQ(t.msgs->shown.back().style, vbExclamation);
    }
    EXPECT_EQ(rows(indoor), before);

    d.txtAdd->setText(QStringLiteral(" Sun Room "));
    t.msgs->expect(vbOK, QStringLiteral(" Your Indoor Location Has Been Added!"));
    d.cmdUpdate->press();
    EXPECT_EQ(t.msgs->shown.back().style, vbInformation);
    EXPECT_EQ(d.txtAdd->BackColor(), colors::White);
    EXPECT_EQ(userRows(indoor), QStringList{" Sun Room |0|0|0"}) << "stored untrimmed";
    EXPECT_EQ(items(screen().cmbLoc).constLast(), QStringLiteral(" Sun Room "));
    EXPECT_EQ(screen().cmbLoc->Text(), QStringLiteral(" Sun Room "));
    EXPECT_FALSE(d.Visible());
    EXPECT_TRUE(screen().isEnabled());
}

TEST_F(AddDialogTest, AFailedWriteKeepsTheDialogAndCancelAsksForATypedName)
{
    Recordset& indoor = data().rsIndoor;
    const QStringList before = rows(indoor);
    const QStringList list = items(screen().cmbLoc);
    screen().cmbLoc->choose(QStringLiteral("Office"));
    openEditor(Add);
    addDialog().txtAdd->setText(QStringLiteral("Sun Room"));
    data().Home.failWrite = [] { return true; };
    t.msgs->expect(vbOK, QStringLiteral("Your Indoor Location Could Not Be Added...Nothing Was Changed!"));
    addDialog().cmdUpdate->press();
    data().Home.failWrite = nullptr;
    EXPECT_EQ(t.msgs->shown.back().style, vbCritical);
    EXPECT_TRUE(addDialog().Visible());
    EXPECT_FALSE(indoor.editPending());
    EXPECT_EQ(rows(indoor), before);
    EXPECT_EQ(items(screen().cmbLoc), list);

    t.msgs->expect(vbNo, QStringLiteral("   All Changes Will Be Lost...Continue?"));
    addDialog().cmdCancel->press();
    EXPECT_EQ(addDialog().txtAdd->Text(), QStringLiteral("Sun Room"));
    t.msgs->expect(vbYes, QStringLiteral("   All Changes Will Be Lost...Continue?"));
    EXPECT_FALSE(addDialog().requestClose());
    EXPECT_FALSE(addDialog().Visible());
    EXPECT_EQ(screen().cmbLoc->Text(), QStringLiteral("Office"));
}

} // namespace
} // namespace tlm::test

#include "list_editor_fixture.h"

namespace tlm::test {
namespace {

class DeleteDialogTest : public ListEditorTest {
protected:
    // Chooses `name`, presses Delete, answers the question with `answer`; `then` is the next message.
    void remove(const QString& name, const QString& then, int answer = vbYes)
    {
        deleteDialog().cmbCat->choose(name);
        t.msgs->expect(answer, QStringLiteral("Are You Sure You Want To Delete This %1?").arg(what));
        if (!then.isEmpty())
            t.msgs->expect(vbOK, then);
        deleteDialog().cmdUpdate->press();
    }
    QString what = QStringLiteral("Indoor Location");
};

TEST_F(DeleteDialogTest, RefusesBuiltInAndUsedNamesThenClearsTheCells)
{
    Recordset& indoor = data().rsIndoor;
    addUserRow(indoor, "Kitchen", stored::NoName);
    addUserRow(indoor, "Garage", stored::NoName);
    addUserRow(indoor, "Den", stored::NoName);
    addUserRow(indoor, "Den", "Hobbies", "Easel");
    insertAsset("Outdoor", "Garage", "Tools", "Ladder", "$5.00");
    insertAsset("Indoor", "den", "Hobbies", "Easel", "$5.00"); // another spelling is another name
    screen().Hide();
    openAdding();
    openEditor(Delete);
    auto& d = deleteDialog();
    EXPECT_EQ(d.lblChoice->Caption(), QStringLiteral("Location"));
    EXPECT_EQ(d.cmbCat->HelpContextID, 35001);
    EXPECT_EQ(items(d.cmbCat), items(screen().cmbLoc).mid(1)) << "the asset screen's list without its editor entry";
    t.msgs->expect(vbOK, QStringLiteral("Please Select An Item Before Continuing!"));
    d.cmdUpdate->press();
    EXPECT_EQ(d.cmbCat->BackColor(), colors::ErrorHighlight);
    EXPECT_EQ(d.ActiveControl(), d.cmbCat);

    const QStringList before = rows(indoor);
    remove("Den", {}, vbNo);
    EXPECT_EQ(d.cmbCat->BackColor(), colors::White);
    remove("Kitchen", QStringLiteral("Location Can Not Be Deleted...You Can Only Delete A Location That You Have Added!"));
    EXPECT_EQ(t.msgs->shown.back().style, vbInformation);
    remove("Garage", QStringLiteral("Assets Are Using This Location...Please Relocate Or Remove Asset(s) Before Deleting!"));
    EXPECT_EQ(t.msgs->shown.back().style, vbCritical);
    EXPECT_EQ(rows(indoor), before);
    t.msgs->expect(vbNo, QStringLiteral("   All Changes Will Be Lost...Continue?"));
    d.cmdCancel->press();
    EXPECT_TRUE(d.Visible());

    remove("Den", QStringLiteral("Your Indoor Location Has Been Deleted!"));
    EXPECT_EQ(t.msgs->shown.back().style, vbInformation);
    // The emptied row goes at the next exit; the combined row keeps its category and item.
    EXPECT_EQ(userRows(indoor), (QStringList{"Kitchen|0|0|0", "Garage|0|0|0", "0|0|0|0", "0|Hobbies|Easel|0"}));
    EXPECT_FALSE(d.Visible());
    EXPECT_TRUE(screen().isEnabled());
    EXPECT_EQ(screen().cmbLoc->List(0), stored::AddEditLocation);
    EXPECT_FALSE(items(screen().cmbLoc).contains("Den"));
    EXPECT_EQ(screen().cmbLoc->Text(), QString());
}

TEST_F(DeleteDialogTest, ACategoryGoesWithItsItemsAllOrNothing)
{
    Recordset& indoor = data().rsIndoor;
    addUserRow(indoor, stored::NoName, "Hobbies");
    addUserRow(indoor, "Den", "Hobbies", "Easel");
    addUserRow(indoor, stored::NoName, "HOBBIES", "Brush");
    screen().Hide();
    openAdding();
    const QStringList before = rows(indoor);
    openEditor(Delete, false);
    what = QStringLiteral("Indoor Category");
    // The items, the categories, the commit: each failing in turn.
    for (int failing = 1; failing <= 3; ++failing) {
        SCOPED_TRACE(failing);
        int writes = 0;
        data().Home.failWrite = [&writes, failing] { return ++writes == failing; };
        remove("Hobbies", QStringLiteral("Your Indoor Category Could Not Be Deleted...Nothing Was Changed!"));
        data().Home.failWrite = nullptr;
        EXPECT_EQ(t.msgs->shown.back().style, vbCritical);
        EXPECT_EQ(rows(indoor), before);
        EXPECT_TRUE(deleteDialog().Visible());
    }

    remove("Hobbies", QStringLiteral("Your Indoor Category Has Been Deleted!"));
    EXPECT_EQ(userRows(indoor), (QStringList{"0|0|0|0", "Den|0|0|0", "0|HOBBIES|Brush|0"}));
    const QStringList list = items(screen().cmbCat);
    EXPECT_EQ(list.first(), stored::AddEditCategory);
    EXPECT_EQ(list.count(stored::AddEditCategory), 1);
    EXPECT_EQ(list.constLast(), QStringLiteral("HOBBIES")) << "only the cells spelled as chosen are cleared";

    // A name gone from the table since the list was filled is not reported deleted.
    openEditor(Delete, false);
    indoor.UpdateWhere(Items::Category, stored::NoName, {{Items::Category, QStringLiteral("HOBBIES")}});
    remove("HOBBIES", QStringLiteral("Your Indoor Category Was Not Found In Your List...Nothing Was Deleted!"));
    EXPECT_FALSE(items(screen().cmbCat).contains("HOBBIES"));
}

} // namespace
} // namespace tlm::test

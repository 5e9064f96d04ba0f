#include "list_editor_fixture.h"

namespace tlm::test {
namespace {

class RenameDialogTest : public ListEditorTest {
protected:
    void rename(const QString& from, const QString& to)
    {
        renameDialog().cmbCat->choose(from);
        renameDialog().txtNew->setText(to);
        renameDialog().cmdUpdate->press();
    }
};

TEST_F(RenameDialogTest, ChecksInOrderAndRefusesABuiltInName)
{
    Recordset& indoor = data().rsIndoor;
    addUserRow(indoor, "Kitchen", stored::NoName);
    // A built-in entry stored in capitals after the user's own: the list shows the user's form.
    addUserRow(indoor, "Study", stored::NoName);
    indoor.AddNew();
    for (const auto& [field, value] : {std::pair{Items::Location, Value("STUDY")}, std::pair{Items::Category, Value("0")},
                                       std::pair{Items::Item, Value("0")}, std::pair{Items::BuiltIn, Value::number(1)}})
        indoor.setField(field, value);
    indoor.Update();
    screen().Hide();
    openAdding();
    screen().cmbLoc->choose(QStringLiteral("Office"));
    const QStringList before = rows(indoor);
    openEditor(Change);
    auto& d = renameDialog();
    EXPECT_EQ(items(d.cmbCat), items(screen().cmbLoc).mid(1));
    EXPECT_EQ(d.cmbCat->Text(), QString());
    t.msgs->expect(vbOK, QStringLiteral("The Current Information Must Be Selected Before Updating!"));
    d.cmdUpdate->press();
    EXPECT_EQ(d.cmbCat->BackColor(), colors::ErrorHighlight);
    EXPECT_EQ(d.ActiveControl(), d.cmbCat);
    // "0" and the editor entries are refused as no new name at all.
    for (const char* name : {"", "0", "< Add/Edit Location >", "< add/edit category >"}) {
        SCOPED_TRACE(name);
        t.msgs->expect(vbOK, QStringLiteral("The New Information Must Be Entered Before Updating!"));
        rename("Kitchen", QString::fromUtf8(name));
        EXPECT_EQ(d.cmbCat->BackColor(), colors::White);
        EXPECT_EQ(d.txtNew->BackColor(), colors::ErrorHighlight);
        EXPECT_EQ(d.ActiveControl(), d.txtNew);
    }
    // Built in, even beside a user row of the same name, and in any letter case.
    for (const char* name : {"Kitchen", "Study"}) {
        SCOPED_TRACE(name);
        t.msgs->expect(vbOK, QStringLiteral("You Can Only Change Information That You Have Created!"));
        rename(QString::fromUtf8(name), "Cook Room");
        EXPECT_EQ(d.txtNew->Text(), QString());
        EXPECT_EQ(d.ActiveControl(), d.cmbCat);
    }
    for (const ShownBox& b : t.msgs->shown)
        EXPECT_EQ(b.style, vbExclamation);
    EXPECT_EQ(rows(indoor), before);

    d.txtNew->setText(QStringLiteral("Study"));
    t.msgs->expect(vbNo, QStringLiteral("    All Changes Will Be Lost...Continue?"));
    d.cmdCancel->press();
    EXPECT_TRUE(d.Visible());
    t.msgs->expect(vbYes, QStringLiteral("    All Changes Will Be Lost...Continue?"));
    EXPECT_FALSE(d.requestClose());
    EXPECT_EQ(screen().cmbLoc->Text(), QStringLiteral("Office"));
}

TEST_F(RenameDialogTest, RenamesTheTableAndTheAssetsOfTheAreaWithAnyCharacters)
{
    Recordset& indoor = data().rsIndoor;
    addUserRow(indoor, "Den", stored::NoName);
    addUserRow(indoor, "Den", "Hobbies", "Easel");
    addUserRow(indoor, "den", stored::NoName);
    insertAsset("Indoor", "Den", "Hobbies", "Easel", "$5.00");
    insertAsset("INDOOR", "den", "Hobbies", "Easel", "$5.00");
    insertAsset("Outdoor", "Den", "Tools", "Ladder", "$5.00");
    screen().Hide();
    openAdding();
    screen().cmbCat->choose(QStringLiteral("Appliances"));
    openEditor(Change);
    const QString name = QStringLiteral("O'Brien's 100% Café \"Nook\"");
    t.msgs->expect(vbOK, QStringLiteral("Your Indoor Location Has Been Changed!"));
    rename("Den", name);
    EXPECT_EQ(t.msgs->shown.back().style, vbInformation);
    // No user row holds the old name; the combined row keeps its category and item.
    EXPECT_EQ(userRows(indoor), QStringList{name + "|Hobbies|Easel|0"});
    EXPECT_EQ(assetField(Inv::Location), (QStringList{name, name, "Den"}));
    EXPECT_EQ(assetField(Inv::Area), (QStringList{"Indoor", "INDOOR", "Outdoor"}));

    EXPECT_FALSE(renameDialog().Visible());
    EXPECT_TRUE(screen().isEnabled());
    const QStringList list = items(screen().cmbLoc);
    EXPECT_EQ(list.first(), stored::AddEditLocation);
    EXPECT_EQ(list.count(name), 1);
    EXPECT_FALSE(list.contains("Den", Qt::CaseInsensitive));
    EXPECT_EQ(screen().cmbLoc->Text(), name);
    EXPECT_EQ(t->frmAddField().textLocTemp, name);
    EXPECT_EQ(t->frmAddField().textCatTemp, QStringLiteral("Appliances"));
}

TEST_F(RenameDialogTest, ACategoryMergesIntoAnotherAndKeepsItsItems)
{
    Recordset& indoor = data().rsIndoor;
    addUserRow(indoor, stored::NoName, "Crafts");
    addUserRow(indoor, stored::NoName, "Hobbies");
    addUserRow(indoor, "Den", "Hobbies", "Easel");
    insertAsset("Indoor", "Den", "Hobbies", "Easel", "$5.00");
    screen().Hide();
    openAdding();
    openEditor(Change, false);
    t.msgs->expect(vbOK, QStringLiteral("Your Indoor Category Has Been Changed!"));
    rename("Hobbies", "crafts");
    EXPECT_EQ(userRows(indoor), (QStringList{"0|Crafts|0|0", "Den|crafts|Easel|0"}));
    EXPECT_EQ(assetField(Inv::Category), QStringList{"crafts"});
    EXPECT_EQ(items(screen().cmbCat).count("Crafts"), 1);
    EXPECT_EQ(screen().cmbCat->Text(), QStringLiteral("crafts"));
    screen().cmbCat->choose(QStringLiteral("Crafts"));
    EXPECT_EQ(items(screen().cmbType), QStringList{"Easel"});
}

TEST_F(RenameDialogTest, AFailureChangesNothingAndKeepsTheDialog)
{
    Recordset& indoor = data().rsIndoor;
    addUserRow(indoor, "Den", stored::NoName);
    addUserRow(indoor, "Den", "Hobbies", "Easel");
    insertAsset("Indoor", "Den", "Hobbies", "Easel", "$5.00");
    screen().Hide();
    openAdding();
    const QStringList before = rows(indoor);
    openEditor(Change);
    // The removal, the combined row, the assets, the commit: each failing in turn.
    for (int failing = 1; failing <= 4; ++failing) {
        SCOPED_TRACE(failing);
        int writes = 0;
        data().Home.failWrite = [&writes, failing] { return ++writes == failing; };
        t.msgs->expect(vbOK, QStringLiteral("Your Indoor Location Could Not Be Changed...Nothing Was Changed!"));
        rename("Den", "Study");
        data().Home.failWrite = nullptr;
        EXPECT_EQ(t.msgs->shown.back().style, vbCritical);
        EXPECT_EQ(rows(indoor), before);
        EXPECT_EQ(assetField(Inv::Location), QStringList{"Den"});
        EXPECT_TRUE(renameDialog().Visible());
    }
}

} // namespace
} // namespace tlm::test

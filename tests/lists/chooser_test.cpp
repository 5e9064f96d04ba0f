#include "list_editor_fixture.h"

namespace tlm::test {
namespace {

using ListChooserTest = ListEditorTest;

TEST_F(ListChooserTest, ContinueOpensTheChosenEditorAndCancelPutsTheTextBack)
{
    screen().Hide();
    openAdding(kOutdoorHeading);
    // What an earlier visit left in the dialogs.
    addDialog().txtAdd->setText(QStringLiteral("left over"));
    const std::initializer_list<Control*> boxes{addDialog().txtAdd, renameDialog().cmbCat, renameDialog().txtNew,
                                                deleteDialog().cmbCat};
    for (Control* box : boxes)
        box->setBackColor(colors::ErrorHighlight);

    screen().cmbCat->choose(stored::AddEditCategory);
    EXPECT_FALSE(screen().isEnabled()) << "the asset screen waits for the editor";
    t.msgs->expect(vbOK, QStringLiteral("You Must Select An Option Before Continuing!"));
    chooser().cmdUpdate->press();
    EXPECT_EQ(t.msgs->shown.at(0).style, vbExclamation);
    EXPECT_TRUE(chooser().Visible());
    EXPECT_TRUE(addDialog().txtAdd->Text().isEmpty()) << "emptied even without an option";
    for (Control* box : boxes)
        EXPECT_EQ(box->BackColor(), colors::White);

    chooser().optEdit[Change]->setValue(true);
    chooser().cmdUpdate->press();
    EXPECT_FALSE(chooser().Visible());
    EXPECT_FALSE(screen().Visible());
    EXPECT_EQ(renameDialog().lblHead4->Caption(), QStringLiteral("Change Outdoor Category"));
    EXPECT_EQ(renameDialog().txtNew->HelpContextID, 32001);
    renameDialog().cmdCancel->press();
    EXPECT_TRUE(screen().isEnabled());

    // Cancel and the close box give the list its former text ("" when nothing was chosen).
    screen().cmbLoc->choose(QStringLiteral("Garage"));
    screen().cmbLoc->choose(stored::AddEditLocation);
    chooser().cmdCancel->press();
    EXPECT_EQ(screen().cmbLoc->Text(), QStringLiteral("Garage"));
    EXPECT_FALSE(chooser().Visible());
    screen().cmbCat->choose(stored::AddEditCategory);
    EXPECT_FALSE(chooser().requestClose()) << "a dialog never closes";
    EXPECT_TRUE(screen().cmbCat->Text().isEmpty());
    EXPECT_EQ(screen().cmbLoc->Text(), QStringLiteral("Garage"));
    EXPECT_TRUE(screen().isEnabled());
}

} // namespace
} // namespace tlm::test

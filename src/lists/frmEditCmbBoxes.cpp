#include "lists/frmEditCmbBoxes.h"

#include "assets/frmAddUpDel.h"
#include "lists/editor_look.h"
#include "lists/frmAddField.h"
#include "lists/frmDelField.h"
#include "lists/frmUpdate.h"
#include "lists/list_modes.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

frmEditCmbBoxes::frmEditCmbBoxes(Program& program) : ListEditor(program)
{
    lblHead = editor::heading(this, QStringLiteral("Add/Edit Location"));
    QVBoxLayout* layout = editor::frame(this, lblHead);
    lblHead2 = editor::instruction(this, QStringLiteral("First, Select An Option"));
    layout->addWidget(lblHead2);

    const struct {
        const char* caption;
        const char* tip;
    } options[] = {
        {"&Add", " Select This Option To Add An Item To List, Then Select Continue "},
        {"C&hange", " Select This Option To Change A Name Currently In List, Then Select Continue "},
        {"&Delete", " Select This Option To Delete A Name Currently In List, Then Select Continue "},
    };
    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(24, 0, 0, 0);
    choices->setSpacing(4);
    for (const auto& o : options) {
        auto* option = new OptionButton(this, QString::fromLatin1(o.caption));
        option->setToolTipText(QString::fromLatin1(o.tip));
        optEdit.add(option);
        choices->addWidget(option);
    }
    layout->addLayout(choices);

    lblHead3 = editor::instruction(this, QStringLiteral("Second, Select Continue"));
    layout->addWidget(lblHead3);
    cmdCancel = editor::button(this, QStringLiteral("&Cancel"), QStringLiteral(" Click Here To Return To Previous Window "));
    cmdUpdate = editor::button(this, QStringLiteral("C&ontinue"), QStringLiteral(" Click Here To Add, Change Or Delete "));
    lblSelIn = editor::finish(this, layout, cmdCancel, cmdUpdate);

    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    cmdCancel->Click = [this] { cmdCancel_Click(); };
}

void frmEditCmbBoxes::load_Help()
{
    for (int i = 0; i < 3; ++i)
        optEdit[i]->HelpContextID = helpVal;
    cmdCancel->HelpContextID = helpVal;
    cmdUpdate->HelpContextID = helpVal;
}

void frmEditCmbBoxes::cmdUpdate_Click()
{
    frmAddField& add = program.frmAddField();
    frmUpdate& rename = program.frmUpdate();
    frmDelField& remove = program.frmDelField();
    add.txtAdd->setText(QString());
    remove.cmbCat->Clear();
    for (Control* box : std::initializer_list<Control*>{remove.cmbCat, add.txtAdd, rename.cmbCat, rename.txtNew})
        clear_Entry_Flag(box);

    frmAddUpDel& assets = program.frmAddUpDel();
    const QString area = ListMode::areaOf(assets.cmbArea->Text());
    const std::optional<ListMode> mode = ListMode::fromHeading(lblHead->Caption(), QStringLiteral("Add/Edit"), area);
    const int option = optEdit.selected();
    if (option < 0) {
        msgBox(QStringLiteral("You Must Select An Option Before Continuing!"), vbExclamation);
        return;
    }
    // Every editor returns straight to the asset screen, never here.
    modal_.giveBack();
    if (option == 0) {
        if (mode) {
            add.lblHead->setCaption(mode->heading(QStringLiteral("Add")));
            add.lblChoice->setCaption(mode->kindWord());
        }
        add.showFor(assets);
    } else if (option == 1) {
        if (mode)
            rename.lblHead4->setCaption(mode->heading(QStringLiteral("Change")));
        rename.showFor(assets);
        rename.load_Combo();
    } else {
        if (mode) {
            remove.lblHead->setCaption(mode->heading(QStringLiteral("Delete")));
            remove.lblChoice->setCaption(mode->kindWord());
        }
        remove.load_Combo();
        remove.showFor(assets);
    }
}

void frmEditCmbBoxes::cmdCancel_Click()
{
    frmAddUpDel& assets = program.frmAddUpDel();
    const bool location = ListMode::fromHeading(lblHead->Caption(), QStringLiteral("Add/Edit"))
                              .value_or(ListMode{})
                              .isLocation();
    (location ? assets.cmbLoc : assets.cmbCat)->setText(QString());
    return_To_Caller();
    program.frmAddField().reload_Combobox();
}

} // namespace tlm::screens

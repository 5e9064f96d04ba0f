#include "lists/frmAddField.h"

#include "assets/frmAddUpDel.h"
#include "lists/editor_look.h"
#include "lists/frmEditCmbBoxes.h"
#include "lists/list_modes.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

namespace Items = fld::Items;

frmAddField::frmAddField(Program& program) : ListEditor(program)
{
    lblHead = editor::heading(this, QStringLiteral("Add Location"));
    QVBoxLayout* layout = editor::frame(this, lblHead);
    lblHead2 = editor::instruction(this, QStringLiteral("First, Type In New Name To Be Added"));
    layout->addWidget(lblHead2);
    lblChoice = new Label(this, QStringLiteral("Location"));
    txtAdd = new TextBox(this);
    txtAdd->setToolTipText(QStringLiteral(" Enter Your New Name Here "));
    layout->addLayout(editor::labelled(lblChoice, txtAdd));
    lblHead3 = editor::instruction(this, QStringLiteral("Second, Select Add To Finish"));
    layout->addWidget(lblHead3);
    cmdCancel = editor::button(this, QStringLiteral("&Cancel"), QStringLiteral(" Click Here To Return To Previous Window "));
    cmdUpdate = editor::button(this, QStringLiteral("&Add"), QStringLiteral(" Click Here To Add "));
    lblSelIn = editor::finish(this, layout, cmdCancel, cmdUpdate);

    txtAdd->GotFocus = [this] { select_All_Text(txtAdd); };
    txtAdd->Click = [this] { select_All_Text(txtAdd); };
    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    cmdCancel->Click = [this] { cmdCancel_Click(); };
}

void frmAddField::Form_Activate()
{
    const std::optional<ListMode> mode =
        ListMode::fromHeading(program.frmEditCmbBoxes().lblHead->Caption(), QStringLiteral("Add/Edit"));
    if (mode)
        helpId_ = mode->helpId(23001);
    set_Help();
    // The box is named by its label, which the chooser has just written.
    txtAdd->setAccessibleName(lblChoice->Caption());
    txtAdd->SetFocus();
}

void frmAddField::set_Help()
{
    for (Control* c : std::initializer_list<Control*>{txtAdd, cmdCancel, cmdUpdate})
        c->HelpContextID = helpId_;
}

void frmAddField::cmdUpdate_Click()
{
    const QString name = txtAdd->Text();
    if (name.isEmpty()) {
        msgBox(QStringLiteral("Please Enter Information Before Continuing!"), vbExclamation);
        flag_Empty_Entry();
        return;
    }
    clear_Entry_Flag(txtAdd);

    frmAddUpDel& assets = program.frmAddUpDel();
    const QString area = ListMode::areaOf(assets.cmbArea->Text());
    const std::optional<ListMode> mode = ListMode::fromHeading(lblHead->Caption(), QStringLiteral("Add"), area);
    if (!mode)
        return;
    const QString what = QStringLiteral("%1 %2").arg(mode->area, mode->kindWord());
    Recordset& table = mode->table(Data1);

    // Any letter case of a name the column holds is taken, and so are the words that stand
    // for no name or for the editor.
    bool taken = isReservedName(name);
    const QString upper = name.toUpper();
    if (!taken && table.RecordCount() > 0) {
        table.MoveFirst();
        while (!table.isEOF() && !taken) {
            taken = table.text(mode->tableField()).toUpper() == upper;
            table.MoveNext();
        }
    }
    if (taken) {
        msgBox(QStringLiteral("This %1 Is Already Available!").arg(what), vbExclamation);
        flag_Empty_Entry();
        return;
    }

    // The row is stored before the asset screen offers the name.
    try {
        EditGuard edit(table);
        if (table.RecordCount() > 0)
            table.MoveFirst();
        table.AddNew();
        for (int f : {Items::Location, Items::Category, Items::Item, Items::BuiltIn})
            table.setField(f, f == mode->tableField() ? name : stored::NoName);
        table.Update();
    } catch (const std::exception&) {
        msgBox(QStringLiteral("Your %1 Could Not Be Added...Nothing Was Changed!").arg(what), vbCritical);
        return;
    }
    ComboBox* list = mode->assetList(assets);
    list->AddItem(name);
    list->setText(name);
    msgBox(QStringLiteral(" Your %1 Has Been Added!").arg(what), vbInformation);
    return_To_Caller();
}

void frmAddField::flag_Empty_Entry() { tlm::flag_Empty_Entry(txtAdd); }

void frmAddField::cmdCancel_Click()
{
    if (!txtAdd->Text().isEmpty() && msgBox(QStringLiteral("   All Changes Will Be Lost...Continue?"), vbQuestionYesNo) != vbYes)
        return;
    clear_It();
    return_To_Caller();
    reload_Combobox();
}

void frmAddField::clear_It()
{
    frmAddUpDel& assets = program.frmAddUpDel();
    const std::optional<ListMode> mode = ListMode::fromHeading(lblHead->Caption(), QStringLiteral("Add"));
    (mode && mode->isLocation() ? assets.cmbLoc : assets.cmbCat)->setText(QString());
}

void frmAddField::reload_Combobox()
{
    frmAddUpDel& assets = program.frmAddUpDel();
    if (assets.cmbBox_flag != QStringLiteral("Category"))
        assets.cmbLoc->setText(textLocTemp == stored::AddEditLocation ? QString() : textLocTemp);
    else
        assets.cmbCat->setText(textCatTemp == stored::AddEditCategory ? QString() : textCatTemp);
}

} // namespace tlm::screens

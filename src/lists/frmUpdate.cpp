#include "lists/frmUpdate.h"

#include "assets/frmAddUpDel.h"
#include "lists/editor_look.h"
#include "lists/frmAddField.h"
#include "lists/list_modes.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>
#include <cmath>

namespace tlm::screens {

namespace Items = fld::Items;
namespace Inv = fld::Inventory;
using Compare = Recordset::Compare;

namespace {
const QString kPrefix = QStringLiteral("Change");
} // namespace

frmUpdate::frmUpdate(Program& program) : ListEditor(program)
{
    lblHead4 = editor::heading(this, QStringLiteral("Change Location"));
    QVBoxLayout* layout = editor::frame(this, lblHead4);
    lblHead2 = editor::instruction(this, QStringLiteral("First, Select Name To Be Changed"));
    layout->addWidget(lblHead2);
    lblChoice = new Label(this, QStringLiteral("Current"));
    cmbCat = new ComboBox(this, false);
    cmbCat->setToolTipText(QStringLiteral(" Select The Name To Be Changed "));
    layout->addLayout(editor::labelled(lblChoice, cmbCat));
    lblHead3 = editor::instruction(this, QStringLiteral("Second, Type The New Name"));
    layout->addWidget(lblHead3);
    lblHead1 = new Label(this, QStringLiteral("New"));
    txtNew = new TextBox(this);
    txtNew->setMaxLength(254);
    txtNew->setToolTipText(QStringLiteral(" Enter Name Change Here "));
    layout->addLayout(editor::labelled(lblHead1, txtNew));
    lblHead5 = editor::instruction(this, QStringLiteral("Finally, Select Change To Finish"));
    layout->addWidget(lblHead5);
    cmdCancel = editor::button(this, QStringLiteral("&Cancel"), QStringLiteral(" Click Here To Return To Previous Window "));
    cmdUpdate = editor::button(this, QStringLiteral("C&hange"), QStringLiteral(" Click Here To Complete Name Change "));
    lblSelIn = editor::finish(this, layout, cmdCancel, cmdUpdate);

    txtNew->GotFocus = [this] { select_All_Text(txtNew); };
    txtNew->Click = [this] { select_All_Text(txtNew); };
    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    cmdCancel->Click = [this] { cmdCancel_Click(); };
}

void frmUpdate::Form_Activate()
{
    if (const std::optional<ListMode> mode = ListMode::fromHeading(lblHead4->Caption(), kPrefix))
        HelpID = mode->helpId(29001);
    load_Help();
}

void frmUpdate::load_Help()
{
    const int id = int(std::lround(HelpID));
    for (Control* c : std::initializer_list<Control*>{cmbCat, cmdCancel, cmdUpdate, txtNew})
        c->HelpContextID = id;
}

void frmUpdate::load_Combo()
{
    cmbCat->Clear();
    cmdUpdate->SetFocus();
    txtNew->setText(QString());
    if (const std::optional<ListMode> mode = ListMode::fromHeading(lblHead4->Caption(), kPrefix))
        mode->copyNames(cmbCat, program.frmAddUpDel());
}

void frmUpdate::cmdUpdate_Click()
{
    NameExists = false;
    if (cmbCat->Text().isEmpty()) {
        msgBox(QStringLiteral("The Current Information Must Be Selected Before Updating!"), vbExclamation);
        cmbCat->SetFocus();
        cmbCat->setBackColor(colors::ErrorHighlight);
        return;
    }
    clear_Entry_Flag(cmbCat);
    // "0" and the editor entries are no names a list can show.
    if (txtNew->Text().isEmpty() || isReservedName(txtNew->Text())) {
        msgBox(QStringLiteral("The New Information Must Be Entered Before Updating!"), vbExclamation);
        txtNew->SetFocus();
        txtNew->setBackColor(colors::ErrorHighlight);
        return;
    }
    clear_Entry_Flag(txtNew);

    const std::optional<ListMode> mode = ListMode::fromHeading(lblHead4->Caption(), kPrefix);
    if (!mode)
        return;
    const QString oldName = cmbCat->Text();
    const QString newName = txtNew->Text();
    Recordset& table = mode->table(Data1);
    const int k = mode->tableField();
    if (table.RecordCount() > 0) {
        for (table.MoveFirst(); !table.isEOF(); table.MoveNext()) {
            if (table.text(k).toUpper() == oldName.toUpper() && table.Fields(Items::BuiltIn).equalsNumber(1)) {
                msgBox(QStringLiteral("You Can Only Change Information That You Have Created!"), vbExclamation);
                txtNew->setText(QString());
                cmbCat->SetFocus();
                return;
            }
        }
    }

    const QString what = QStringLiteral("%1 %2").arg(mode->area, mode->kindWord());
    try {
        rename(*mode, oldName, newName);
    } catch (const std::exception&) {
        msgBox(QStringLiteral("Your %1 Could Not Be Changed...Nothing Was Changed!").arg(what), vbCritical);
        return;
    }
    msgBox(QStringLiteral("Your %1 Has Been Changed!").arg(what), vbInformation);
    frmAddField& remembered = program.frmAddField();
    (mode->isLocation() ? remembered.textLocTemp : remembered.textCatTemp) = newName;
    reload_Combo_Boxes();
    return_To_Caller();
}

// Names are compared upper-cased throughout; the new name is stored exactly as typed. Bound
// updates only: a name is never part of a statement's text.
void frmUpdate::rename(const ListMode& mode, const QString& oldName, const QString& newName)
{
    Recordset& table = mode.table(Data1);
    Recordset& inventory = Data1.rsInventory;
    const int k = mode.tableField();
    const QString oldUpper = oldName.toUpper();
    const QString newUpper = newName.toUpper();
    Transaction tx(Data1.Home);
    EditGuard edit{&table, &inventory};
    if (table.RecordCount() > 0) {
        // The user's own entry of the old name goes; rows that also name other things keep
        // them and take the new name, so no user row holds the old name and items stay filed
        // under their category.
        for (table.MoveFirst(); !table.isEOF(); table.MoveNext()) {
            bool onlyOld = table.text(k).toUpper() == oldUpper && table.Fields(Items::BuiltIn).equalsNumber(0);
            for (int other : {Items::Location, Items::Category, Items::Item})
                onlyOld = onlyOld && (other == k || table.Fields(other) == stored::NoName);
            if (onlyOld)
                table.Delete();
        }
        table.UpdateWhere(k, newName, {{k, oldName, Compare::UpperCase}, {Items::BuiltIn, stored::NoName}});

        if (table.RecordCount() > 0) {
            for (table.MoveFirst(); !table.isEOF() && !NameExists; table.MoveNext())
                NameExists = table.text(k).toUpper() == newUpper && table.Fields(Items::BuiltIn).equalsNumber(0);
        }
        if (!NameExists) {
            table.AddNew();
            for (int f : {Items::Location, Items::Category, Items::Item, Items::BuiltIn})
                table.setField(f, f == k ? newName : stored::NoName);
            table.Update();
        }
    }
    if (inventory.RecordCount() > 0) {
        const QString area = program.frmAddUpDel().cmbArea->Text();
        inventory.UpdateWhere(mode.assetField(), newName,
                              {{Inv::Area, area, Compare::UpperCase}, {mode.assetField(), oldName, Compare::UpperCase}});
    }
    tx.commit();
}

void frmUpdate::reload_Combo_Boxes()
{
    const std::optional<ListMode> mode = ListMode::fromHeading(lblHead4->Caption(), kPrefix);
    if (!mode)
        return;
    frmAddUpDel& assets = program.frmAddUpDel();
    fill_Unique_List(mode->assetList(assets), mode->table(Data1), mode->tableField(), mode->filler());
    (assets.cmbBox_flag == QStringLiteral("Location") ? assets.cmbLoc : assets.cmbCat)->setText(txtNew->Text());
}

void frmUpdate::cmdCancel_Click()
{
    if ((!cmbCat->Text().isEmpty() || !txtNew->Text().isEmpty())
        && msgBox(QStringLiteral("    All Changes Will Be Lost...Continue?"), vbQuestionYesNo) != vbYes)
        return;
    close_Form();
}

void frmUpdate::close_Form()
{
    program.frmAddField().reload_Combobox();
    return_To_Caller();
}

} // namespace tlm::screens

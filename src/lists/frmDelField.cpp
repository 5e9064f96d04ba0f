#include "lists/frmDelField.h"

#include "assets/frmAddUpDel.h"
#include "lists/editor_look.h"
#include "lists/frmAddField.h"
#include "lists/list_modes.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

namespace Items = fld::Items;

namespace {
const QString kPrefix = QStringLiteral("Delete");
} // namespace

frmDelField::frmDelField(Program& program) : ListEditor(program)
{
    lblHead = editor::heading(this, QStringLiteral("Delete Location"));
    QVBoxLayout* layout = editor::frame(this, lblHead);
    lblHead2 = editor::instruction(this, QStringLiteral("First, Select A Name To Be Deleted"));
    layout->addWidget(lblHead2);
    lblChoice = new Label(this, QStringLiteral("Location"));
    cmbCat = new ComboBox(this, false);
    cmbCat->setToolTipText(QStringLiteral(" Select The Item You Want To Be Deleted "));
    layout->addLayout(editor::labelled(lblChoice, cmbCat));
    lblHead3 = editor::instruction(this, QStringLiteral("Second, Click Delete To Finish"));
    layout->addWidget(lblHead3);
    cmdCancel = editor::button(this, QStringLiteral("&Cancel"), QStringLiteral(" Click Here To Return To Previous Window "));
    cmdUpdate = editor::button(this, QStringLiteral("&Delete"), QStringLiteral(" Click Here To Delete Selected Item "));
    lblSelIn = editor::finish(this, layout, cmdCancel, cmdUpdate);

    cmbCat->KeyPress = [this](int& k) { cmbCat_KeyPress(k); };
    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    cmdCancel->Click = [this] { cmdCancel_Click(); };
}

void frmDelField::Form_Activate()
{
    if (const std::optional<ListMode> mode = ListMode::fromHeading(lblHead->Caption(), kPrefix))
        helpId_ = mode->helpId(35001);
    set_Help();
}

void frmDelField::set_Help()
{
    for (Control* c : std::initializer_list<Control*>{cmbCat, cmdCancel, cmdUpdate})
        c->HelpContextID = helpId_;
}

void frmDelField::cmbCat_KeyPress(int& keyAscii)
{
    if (cmbCat->Text().size() >= 255 && keyAscii != vbKey::Back)
        keyAscii = 0;
}

void frmDelField::load_Combo()
{
    cmbCat->Clear();
    if (const std::optional<ListMode> mode = ListMode::fromHeading(lblHead->Caption(), kPrefix))
        mode->copyNames(cmbCat, program.frmAddUpDel());
}

void frmDelField::cmdUpdate_Click()
{
    const QString name = cmbCat->Text();
    if (name.isEmpty()) {
        msgBox(QStringLiteral("Please Select An Item Before Continuing!"), vbExclamation);
        cmbCat->SetFocus();
        cmbCat->setBackColor(colors::ErrorHighlight);
        return;
    }
    clear_Entry_Flag(cmbCat);
    const std::optional<ListMode> heading = ListMode::fromHeading(lblHead->Caption(), kPrefix);
    if (!heading)
        return;
    const QString what = QStringLiteral("%1 %2").arg(heading->area, heading->kindWord());
    if (msgBox(QStringLiteral("Are You Sure You Want To Delete This %1?").arg(what), vbQuestionYesNo) != vbYes)
        return;

    // The table is the asset screen's area's; the kind is the heading's.
    const ListMode mode{ListMode::areaOf(program.frmAddUpDel().cmbArea->Text()), heading->kind};
    Recordset& table = mode.table(Data1);
    const int field = mode.tableField();
    const QString kind = mode.kindWord();

    // A name delivered with the database stays, even beside user rows of the same name.
    if (table.RecordCount() > 0) {
        for (table.MoveFirst(); !table.isEOF(); table.MoveNext()) {
            if (table.text(field) == name && table.Fields(Items::BuiltIn).equalsNumber(1)) {
                msgBox(QStringLiteral("%1 Can Not Be Deleted...You Can Only Delete A %1 That You Have Added!").arg(kind),
                       vbInformation);
                return;
            }
        }
    }
    // An asset of any area that still carries the name keeps it in use.
    Recordset& inventory = Data1.rsInventory;
    if (inventory.RecordCount() != 0) {
        for (inventory.MoveFirst(); !inventory.isEOF(); inventory.MoveNext()) {
            if (inventory.text(mode.assetField()) == name) {
                msgBox(QStringLiteral("Assets Are Using This %1...Please Relocate Or Remove Asset(s) Before Deleting!")
                           .arg(kind),
                       vbCritical);
                return;
            }
        }
    }

    // Every cell of the name becomes "0" (a category takes its items along), all or nothing.
    qint64 cleared = 0;
    try {
        Transaction tx(Data1.Home);
        const std::vector<Recordset::Condition> named{{field, name}};
        if (!mode.isLocation())
            table.UpdateWhere(Items::Item, stored::NoName, named);
        cleared = table.UpdateWhere(field, stored::NoName, named);
        tx.commit();
    } catch (const std::exception&) {
        msgBox(QStringLiteral("Your %1 Could Not Be Deleted...Nothing Was Changed!").arg(what), vbCritical);
        return;
    }
    if (cleared > 0)
        msgBox(QStringLiteral("Your %1 Has Been Deleted!").arg(what), vbInformation);
    else
        msgBox(QStringLiteral("Your %1 Was Not Found In Your List...Nothing Was Deleted!").arg(what), vbInformation);
    return_To_Caller();
    reload_Combo_Boxes();
}

void frmDelField::reload_Combo_Boxes()
{
    const std::optional<ListMode> mode = ListMode::fromHeading(lblHead->Caption(), kPrefix);
    if (!mode)
        return;
    ComboBox* list = mode->assetList(program.frmAddUpDel());
    fill_Unique_List(list, mode->table(Data1), mode->tableField(), mode->filler());
    list->setText(QString());
}

void frmDelField::cancel_To_Caller()
{
    program.frmAddField().reload_Combobox();
    return_To_Caller();
}

void frmDelField::cmdCancel_Click()
{
    if (!cmbCat->Text().isEmpty() && msgBox(QStringLiteral("   All Changes Will Be Lost...Continue?"), vbQuestionYesNo) != vbYes)
        return;
    cancel_To_Caller();
}

} // namespace tlm::screens

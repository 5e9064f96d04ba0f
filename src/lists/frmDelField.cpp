#include "lists/frmDelField.h"

#include "assets/frmAddUpDel.h"
#include "lists/editor_look.h"
#include "lists/frmAddField.h"
#include "lists/list_modes.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

namespace Items = fld::Items;

namespace {
const QString kPrefix = QStringLiteral("Delete");
} // namespace

frmDelField::frmDelField(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 18, 28, 12);
    layout->setSpacing(10);

    lblHead = editor::heading(this, QStringLiteral("Delete Location"));
    lblHead2 = editor::instruction(this, QStringLiteral("First, Select A Name To Be Deleted"));
    lblChoice = new Label(this, QStringLiteral("Location"));
    cmbCat = new ComboBox(this, false);
    cmbCat->setToolTipText(QStringLiteral(" Select The Item You Want To Be Deleted "));
    cmbCat->setMinimumWidth(260);
    lblChoice->setBuddy(cmbCat);
    lblHead3 = editor::instruction(this, QStringLiteral("Second, Click Delete To Finish"));
    cmdCancel = editor::button(this, QStringLiteral("&Cancel"), QStringLiteral(" Click Here To Return To Previous Window "));
    cmdUpdate = editor::button(this, QStringLiteral("&Delete"), QStringLiteral(" Click Here To Delete Selected Item "));
    lblSelIn = editor::helpHint(this);

    layout->addWidget(lblHead);
    layout->addSpacing(6);
    layout->addWidget(lblHead2);
    auto* entry = new QHBoxLayout;
    entry->setContentsMargins(24, 0, 0, 0);
    entry->addWidget(lblChoice);
    entry->addWidget(cmbCat, 1);
    layout->addLayout(entry);
    layout->addWidget(lblHead3);
    layout->addLayout(editor::buttonRow(cmdCancel, cmdUpdate));
    layout->addWidget(lblSelIn);

    cmbCat->setAccessibleName(lblChoice->Caption());
    cmbCat->KeyPress = [this](int& k) { cmbCat_KeyPress(k); };
    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    cmdCancel->Click = [this] { cmdCancel_Click(); };
    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));
    style::centerOnScreen(this);
}

void frmDelField::showFor(Form& opener)
{
    cmbCat->setAccessibleName(lblChoice->Caption());
    modal_.open(opener);
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
    const std::optional<ListMode> mode = ListMode::fromHeading(lblHead->Caption(), kPrefix);
    if (!mode)
        return;
    const ComboBox* source = mode->assetList(program.frmAddUpDel());
    if (source->ListCount() <= 1)
        return;
    for (int i = 0; i < source->ListCount(); ++i) {
        const QString entry = source->List(i);
        if (!entry.isEmpty() && entry != mode->filler())
            cmbCat->AddItem(entry);
    }
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

void frmDelField::return_To_Caller()
{
    modal_.giveBack();
    program.frmAddUpDel().Show();
}

void frmDelField::cancel_To_Caller()
{
    program.frmAddField().reload_Combobox();
    modal_.giveBack();
    program.frmAddUpDel().Show();
}

void frmDelField::cmdCancel_Click()
{
    if (!cmbCat->Text().isEmpty() && msgBox(QStringLiteral("   All Changes Will Be Lost...Continue?"), vbQuestionYesNo) != vbYes)
        return;
    cancel_To_Caller();
}

void frmDelField::Form_Unload(int& cancel)
{
    cancel_On_Close(cancel, [this] { cmdCancel_Click(); });
}

} // namespace tlm::screens

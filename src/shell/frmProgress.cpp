#include "shell/frmProgress.h"

#include "platform/files.h"
#include "shell/frmExit.h"
#include "shell/shell_style.h"

#include <QVBoxLayout>
#include <climits>

namespace tlm::screens {

frmProgress::frmProgress(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->setSpacing(10);
    lblWait = new Label(this, QStringLiteral("Please Wait..."));
    lblWait->setFont(style::scaled(this, 6, true));
    lblSaving = new Label(this, QStringLiteral("Updating and Saving Database Changes"));
    lblSaving->setFont(style::scaled(this, 2));
    for (Label* l : {lblWait, lblSaving}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    pbSave = new ProgressBar(this);
    pbSave->setMin(0);
    pbSave->setMax(0);
    pbSave->setAccessibleName(QStringLiteral("Saving Progress"));
    pbSave->setMinimumWidth(340);
    layout->addWidget(pbSave);
    setFixedSize(sizeHint());
    style::centerOnScreen(this);
}

void frmProgress::Form_Activate()
{
    if (saved_) {
        // Shown again by a late close request: the goodbye is on its way already.
        Hide();
        program.frmExit().Show();
        return;
    }
    save_Database_Changes();
}

void frmProgress::save_Database_Changes()
{
    if (saved_)
        return;
    saved_ = true;
    // Every change is on disk already: a write that fails here must not keep the program from
    // closing its tables, making its backup and ending.
    // One commit for the whole tidy-up; a table that fails keeps its rows (until the next
    // exit) and the others are tidied all the same. Data that cannot be written is left alone.
    if (!Data1.Home.isReadOnly()) {
        try {
            Transaction tidy(Data1.Home);
            for (Recordset* table : {&Data1.rsIndoor, &Data1.rsOutdoor, &Data1.rsMobile}) {
                try {
                    Transaction one(Data1.Home);
                    purge_Empty_Rows(*table);
                    one.commit();
                } catch (const std::exception&) {
                }
            }
            tidy.commit();
        } catch (const std::exception&) {
        }
    }
    try {
        Data1.closeAll();
    } catch (const std::exception&) {
        // closeAll closes every table and the connection whatever fails.
    }
    backup_Database();
    Hide();
    program.frmExit().Show();
}

void frmProgress::purge_Empty_Rows(Recordset& table)
{
    pbSave->setValue(0);
    pbSave->setMax(int(std::min<qint64>(table.RecordCount(), INT_MAX)));
    if (table.RecordCount() == 0)
        return;
    table.MoveFirst();
    while (!table.isEOF()) {
        pbSave->setValue(pbSave->Value() + 1);
        // A row the delete dialog emptied names nothing and is no built-in row.
        bool empty = true;
        for (int field : {fld::Items::Location, fld::Items::Category, fld::Items::Item, fld::Items::BuiltIn})
            empty = empty && table.Fields(field) == stored::NoName;
        if (empty) {
            table.Delete();
            table.Update();
        }
        table.MoveNext();
    }
}

void frmProgress::backup_Database()
{
    // The data is saved and closed by now; a backup that fails loses nothing, but the user
    // must know there is no fresh copy.
    const QString backup = program.paths().backupFolder();
    // A damaged database never replaces the last good copy.
    if (!Database::quickCheck(program.paths().databaseFile())) {
        msgBox(QStringLiteral("Your Database Did Not Pass Its Check, So It Was Not Copied Into ") + backup
                   + QStringLiteral("...Any Earlier Backup Copy There Has Been Kept!"),
               vbExclamation);
        return;
    }
    files::Result done;
    if (!files::FolderExists(backup))
        done = files::CreateFolder(backup);
    if (done)
        done = files::CopyFolder(program.paths().databaseFolder(), backup, true);
    if (!done) {
        // Only a run whose every write was stored may say that the changes are saved.
        const QString saved = Data1.Home.refusedWrites() == 0
                                  ? QStringLiteral("Your Changes Have Been Saved, But ")
                                  : QStringLiteral("Some Changes Could Not Be Saved, And ");
        msgBox(saved + QStringLiteral("The Backup Copy Could Not Be Made In ") + backup
                   + QStringLiteral("...Please Make Sure This Folder Can Be Created And Written To!"),
               vbExclamation);
    }
}

// Saving cannot be interrupted; the screen goes away by itself.
void frmProgress::Form_QueryUnload(int& cancel, int) { cancel = 1; }

} // namespace tlm::screens

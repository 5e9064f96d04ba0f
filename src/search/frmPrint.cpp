#include "search/frmPrint.h"

#include "search/frmSearch.h"
#include "shell/frmMain.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

frmPrint::frmPrint(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new Label(this, QStringLiteral("Print Menu")));
    cmdMain = new CommandButton(this, QStringLiteral("&Main Menu"));
    layout->addWidget(cmdMain);
    wireHighlight(cmdMain);
    cmdMain->Click = [this] {
        this->program.frmMain().Show();
        Hide();
    };
    resize(400, 300);
}

void frmPrint::clear_Print_Database()
{
    frmSearch& search = program.frmSearch();
    search.pbSearch->setVisible(true);
    search.lblHead[3]->setVisible(false);
    search.pbSearch->setValue(0);
    Recordset& print = Data1.rsPrint;
    if (print.RecordCount() == 0)
        return;
    if (Data1.rsInventory.RecordCount() != 0)
        search.pbSearch->setMax(int(std::min<qint64>(Data1.rsInventory.RecordCount(), INT_MAX)));
    // Every row in one statement, one write to disk: not one commit a row.
    print.DeleteAll();
}

void frmPrint::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens

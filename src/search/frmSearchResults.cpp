#include "search/frmSearchResults.h"

#include "shell/frmMain.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

frmSearchResults::frmSearchResults(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    lblHead = new Label(this, QStringLiteral("Inventory Search Results"));
    layout->addWidget(lblHead);
    cmdMain = new CommandButton(this, QStringLiteral("&Main Menu"));
    layout->addWidget(cmdMain);
    wireHighlight(cmdMain);
    cmdMain->Click = [this] {
        this->program.frmMain().Show();
        Hide();
    };
    resize(600, 400);
}

void frmSearchResults::load_From_Search_Screen()
{
    rec_found = false;
}

void frmSearchResults::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens

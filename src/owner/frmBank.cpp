#include "owner/frmBank.h"

#include <QFormLayout>

namespace tlm::screens {

frmBank::frmBank(Program& program) : Screen(program)
{
    auto* layout = new QFormLayout(this);
    txtDate = new TextBox(this);
    layout->addRow(QStringLiteral("Date:"), txtDate);
    cmdBack = new CommandButton(this, QStringLiteral("&Back"));
    cmdState = new CommandButton(this, QStringLiteral("&State"));
    layout->addRow(cmdBack, cmdState);
    resize(480, 380);
}

} // namespace tlm::screens

#include "lists/frmEditCmbBoxes.h"

#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

frmEditCmbBoxes::frmEditCmbBoxes(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    lblHead = new Label(this);
    layout->addWidget(lblHead);
    for (const QString& caption : {QStringLiteral("&Add"), QStringLiteral("&Change"), QStringLiteral("&Delete")}) {
        auto* o = new OptionButton(this, caption);
        optEdit.add(o);
        layout->addWidget(o);
    }
    cmdCancel = new CommandButton(this, QStringLiteral("&Cancel"));
    cmdUpdate = new CommandButton(this, QStringLiteral("C&ontinue"));
    layout->addWidget(cmdCancel);
    layout->addWidget(cmdUpdate);
    wireHighlight({cmdCancel, cmdUpdate});
    resize(360, 260);
}

void frmEditCmbBoxes::load_Help()
{
    for (int i = 0; i < 3; ++i)
        optEdit[i]->HelpContextID = helpVal;
    cmdCancel->HelpContextID = helpVal;
    cmdUpdate->HelpContextID = helpVal;
}

} // namespace tlm::screens

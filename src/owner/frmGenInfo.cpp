#include "owner/frmGenInfo.h"

#include "shell/frmHeader.h"
#include "shell/frmMain.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

frmGenInfo::frmGenInfo(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        auto* l = new Label(this);
        lblHead.add(l, i);
        layout->addWidget(l);
    }
    lblHead[0]->setCaption(QStringLiteral("Personal Information"));
    auto* back = new CommandButton(this, QStringLiteral("&Main Menu"));
    cmdBack.add(back, 0);
    layout->addWidget(back);
    cmdExit = new CommandButton(this, QStringLiteral("E&xit"));
    layout->addWidget(cmdExit);
    wireHighlight({back, cmdExit});
    back->Click = [this] {
        this->program.frmMain().Show();
        Hide();
    };
    cmdExit->Click = [this] {
        int cancel = 0;
        confirm_Close_Program(*this, cancel);
    };
    resize(520, 420);
}

void frmGenInfo::load_PersonalInfo() {}

void frmGenInfo::Form_Activate() { program.frmHeader().keyboardFlag = 17; }

void frmGenInfo::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens

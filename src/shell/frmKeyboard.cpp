#include "shell/frmKeyboard.h"

#include "owner/frmGenInfo.h"
#include "shell/frmHeader.h"
#include "shell/frmMain.h"
#include "shell/pictures.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

namespace {
const QSize kPictureSize(640, 300);
}

frmKeyboard::frmKeyboard(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    Picture1 = new PictureBox(this);
    Picture1->setCursor(Qt::ArrowCursor);
    Picture1->setPicture(pictures::keyboard(kPictureSize));
    Picture1->setAccessibleName(QStringLiteral("Keyboard: the F1 key, at the top left, opens the help"));
    layout->addWidget(Picture1);
    cmdUpdate = new CommandButton(this, QStringLiteral("&Continue"));
    cmdUpdate->setToolTipText(QStringLiteral(" Click Here To Continue "));
    cmdUpdate->setMinimumSize(140, 34);
    cmdUpdate->HelpContextID = helpIds::Keyboard;
    layout->addWidget(cmdUpdate, 0, Qt::AlignHCenter);

    wireHighlight(cmdUpdate);
    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    setFixedSize(sizeHint());
    style::centerOnScreen(this);
}

void frmKeyboard::cmdUpdate_Click()
{
    if (program.frmHeader().keyboardFlag == 3)
        program.frmGenInfo().Show();
    else
        program.frmMain().Show();
    Hide();
}

// Closing the picture means the same as continuing: the road goes on, never into nothing.
void frmKeyboard::Form_QueryUnload(int& cancel, int)
{
    cancel = 1;
    cmdUpdate_Click();
}

} // namespace tlm::screens

#include "shell/frmBC_Splash.h"

#include "shell/frmHeader.h"
#include "shell/pictures.h"
#include "shell/shell_style.h"

#include <QVBoxLayout>

namespace tlm::screens {

namespace {
const QSize kPictureSize(560, 300);
}

frmBC_Splash::frmBC_Splash(Program& program) : Screen(program, kSplashCaption)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Picture1 = new PictureBox(this);
    Picture1->setCursor(Qt::ArrowCursor);
    Picture1->setPicture(pictures::splash(kPictureSize));
    Picture1->setAccessibleName(QStringLiteral("Tallowmere Household Inventory By Brindlecote Software"));
    layout->addWidget(Picture1);
    setFixedSize(kPictureSize);
    style::centerOnScreen(this);

    tmrLoad = new Timer(this, 2000, false);
    tmrLoad->onTimer = [this] { tmrLoad_Timer(); };
}

void frmBC_Splash::Form_Load() { tmrLoad->setEnabled(true); }

void frmBC_Splash::tmrLoad_Timer()
{
    Hide();
    tmrLoad->setEnabled(false);
    // Creating the start-up screen runs its whole load; it has nothing to show, so it is
    // never put on the screen, only kept hidden.
    frmHeader& header = program.frmHeader();
    if (program.hasEnded())
        return;
    header.Hide();
}

// The splash leaves by itself; its close box changes nothing.
void frmBC_Splash::Form_QueryUnload(int& cancel, int) { cancel = 1; }

} // namespace tlm::screens

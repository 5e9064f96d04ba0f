#include "shell/frmExit.h"

#include "shell/pictures.h"
#include "shell/shell_style.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tlm::screens {

frmExit::frmExit(Program& program) : Screen(program)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 20, 32, 20);
    layout->setSpacing(24);
    imgHome = new PictureBox(this);
    imgHome->setCursor(Qt::ArrowCursor);
    imgHome->setPicture(pictures::home(QSize(150, 150)));
    imgHome->setAccessibleName(QStringLiteral("A house"));
    layout->addWidget(imgHome);

    auto* words = new QVBoxLayout;
    words->addStretch(1);
    lblBye.add(new Label(this, QStringLiteral("Thank You For Choosing Tallowmere")), 0);
    lblBye.add(new Label(this, QStringLiteral("Have A Wonderful Day!")), 1);
    lblBye[0]->setFont(style::scaled(this, 6, true));
    lblBye[1]->setFont(style::scaled(this, 4));
    for (Label* l : lblBye)
        words->addWidget(l, 0, Qt::AlignHCenter);
    words->addStretch(1);
    layout->addLayout(words);
    setFixedSize(sizeHint());
    style::centerOnScreen(this);

    tmExit = new Timer(this, 1500, false);
    tmExit->onTimer = [this] { tmExit_Timer(); };
}

void frmExit::Form_Load() { tmExit->setEnabled(true); }

void frmExit::tmExit_Timer()
{
    tmExit->setEnabled(false);
    program.End(0);
}

// The timer ends the program in a moment; the close box has nothing to add.
void frmExit::Form_QueryUnload(int& cancel, int) { cancel = 1; }

} // namespace tlm::screens

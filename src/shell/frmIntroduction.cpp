#include "shell/frmIntroduction.h"

#include "owner/frmGenInfo.h"
#include "shell/frmHeader.h"
#include "shell/frmKeyboard.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QVBoxLayout>

namespace tlm::screens {

frmIntroduction::frmIntroduction(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 24);
    layout->setSpacing(6);
    const QStringList lines = {QStringLiteral("Thank You For Choosing"), QStringLiteral("Tallowmere"),
                               QStringLiteral("Before we begin, let's take some time"),
                               QStringLiteral("to get some personal information"), QStringLiteral("that will be used later!")};
    for (int i = 0; i < lines.size(); ++i) {
        auto* label = new Label(this, lines[i]);
        label->setAlignment(Qt::AlignCenter);
        lblIntro.add(label, i);
        layout->addWidget(label);
        if (i == 1)
            layout->addSpacing(14);
    }
    lblIntro[0]->setFont(style::scaled(this, 4, true));
    lblIntro[1]->setFont(style::scaled(this, 14, true));
    for (int i = 2; i < 5; ++i)
        lblIntro[i]->setFont(style::scaled(this, 2));

    layout->addSpacing(18);
    cmdOK = new CommandButton(this, QStringLiteral("&OK, Let's Begin!"));
    cmdOK->setToolTipText(QStringLiteral(" Click Here To Continue When You Are Ready "));
    cmdOK->setMinimumSize(180, 36);
    cmdOK->HelpContextID = helpIds::Introduction;
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    lblHelp = new Label(this, QStringLiteral("Press F1 For Help"));
    lblHelp->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblHelp);

    wireHighlight(cmdOK);
    cmdOK->Click = [this] { cmdOK_Click(); };
    setFixedSize(sizeHint().expandedTo(QSize(480, 0)));
    style::centerOnScreen(this);
}

void frmIntroduction::cmdOK_Click()
{
    // The first run leads only forward: the owner screen's way back stays shut.
    program.frmGenInfo().cmdBack[0]->setEnabled(false);
    try {
        EditGuard edit(Data1.rsGeneral);
        Recordset& general = Data1.general();
        general.setField(fld::PersonalInfo::IntroDone, QStringLiteral("1"));
        general.Update();
    } catch (const DatabaseError&) {
        // The road goes on all the same; only the next start shows the introduction again.
        msgBox(QStringLiteral("Your Start Could Not Be Saved, So This Introduction Will Be Shown Again The Next "
                              "Time You Start Tallowmere!"),
               vbExclamation);
    }
    program.frmKeyboard().Show();
    Hide();
    frmHeader& header = program.frmHeader();
    if (header.keyboardFlag == 0 || header.keyboardFlag == 1)
        header.keyboardFlag = 3;
}

void frmIntroduction::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens

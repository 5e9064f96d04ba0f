#include "shell/frmTotals.h"

#include "shell/frmMain.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace tlm::screens {

frmTotals::frmTotals(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 22, 32, 18);
    layout->setSpacing(12);

    lblHead = new Label(this, QStringLiteral("Total Asset Value"));
    lblHead->setFont(style::scaled(this, 8, true));
    lblHead->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblHead);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(40);
    grid->setVerticalSpacing(8);
    lblHead2.add(new Label(this, QStringLiteral("Total Assets")), 0);
    lblHead2.add(new Label(this, QStringLiteral("Total Asset Value")), 1);
    for (Label* h : lblHead2) {
        h->setFont(style::scaled(this, 2, true));
        h->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    grid->addWidget(lblHead2[0], 0, 0);
    grid->addWidget(lblHead2[1], 0, 1);

    const QFont rowFont = style::scaled(this, 2);
    const auto pair = [&](int row, const QString& count, Label*& countLabel, Label*& amountLabel) {
        countLabel = new Label(this, count);
        amountLabel = new Label(this, QStringLiteral("$0.00"));
        for (Label* l : {countLabel, amountLabel}) {
            l->setFont(rowFont);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setMinimumWidth(200);
        }
        grid->addWidget(countLabel, row, 0);
        grid->addWidget(amountLabel, row, 1);
    };
    pair(1, QStringLiteral("Indoor Assets =>"), lblInNumAssets, lblIndoorTots);
    pair(2, QStringLiteral("Outdoor Assets =>"), lblOutNumAssets, lblOutdoorTots);
    pair(3, QStringLiteral("Mobile Assets =>"), lblMobNumAssets, lblMobileTots);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 4, 0, 1, 2);

    // The total count stands in the count column, under the "Total Assets" heading.
    lblTotNumAssets = new Label(this, QStringLiteral("0"));
    lblGrandTot = new Label(this, QStringLiteral("$0.00"));
    for (Label* l : {lblTotNumAssets, lblGrandTot}) {
        QFont f = rowFont;
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    grid->addWidget(lblTotNumAssets, 5, 0);
    grid->addWidget(lblGrandTot, 5, 1);
    layout->addLayout(grid);

    layout->addSpacing(6);
    cmdOK = new CommandButton(this, QStringLiteral("&OK"));
    cmdOK->setToolTipText(QStringLiteral(" Click Here To Return To Main Menu "));
    cmdOK->setMinimumSize(120, 34);
    cmdOK->HelpContextID = helpIds::Totals;
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
    lblHelp = new Label(this, QStringLiteral("Press F1 For Help"));
    lblHelp->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblHelp);

    wireHighlight(cmdOK);
    cmdOK->Click = [this] { cmdOK_Click(); };
    setDefaultButton(cmdOK);
    resize(sizeHint().expandedTo(QSize(520, 0)));
    setMinimumSize(size());
    style::centerOnScreen(this);
}

void frmTotals::cmdOK_Click()
{
    program.frmMain().Show();
    Hide();
}

void frmTotals::Form_QueryUnload(int& cancel, int)
{
    cancel = 1;
    cmdOK_Click();
}

} // namespace tlm::screens

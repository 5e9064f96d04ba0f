#include "search/frmSearch.h"

#include "assets/frmAuto.h"
#include "search/frmPrint.h"
#include "shell/frmMain.h"
#include "ui/screen_routines.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace tlm::screens {

frmSearch::frmSearch(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 4; ++i) {
        auto* l = new Label(this);
        lblHead.add(l, i);
        layout->addWidget(l);
    }
    lblHead[0]->setCaption(QStringLiteral("Search For Assets"));
    lblHead[3]->setCaption(QStringLiteral("Press F1 For Help"));
    QFont f = lblHead[0]->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    lblHead[0]->setFont(f);
    auto* form = new QFormLayout;
    cmbArea = new ComboBox(this, false);
    for (const QString& a : {QStringLiteral("Any"), QStringLiteral("Indoor"), QStringLiteral("Outdoor"), QStringLiteral("Mobile")})
        cmbArea->AddItem(a);
    cmbLocation = new ComboBox(this);
    cmbCat = new ComboBox(this);
    cmbType = new ComboBox(this);
    txtKey = new TextBox(this);
    form->addRow(QStringLiteral("Area:"), cmbArea);
    form->addRow(QStringLiteral("Location:"), cmbLocation);
    form->addRow(QStringLiteral("Category:"), cmbCat);
    form->addRow(QStringLiteral("Item:"), cmbType);
    form->addRow(QStringLiteral("Key Word:"), txtKey);
    layout->addLayout(form);
    pbSearch = new ProgressBar(this);
    layout->addWidget(pbSearch);
    cmdCancel = new CommandButton(this, QStringLiteral("&Back"));
    layout->addWidget(cmdCancel);
    wireHighlight(cmdCancel);
    cmdCancel->Click = [this] { cmdCancel_Click(); };
    resize(460, 320);
}

void frmSearch::clear_listboxes()
{
    if (clear_flag < 2)
        cmbArea->setText(QStringLiteral("Any"));
    const auto reset = [](ComboBox* box) {
        box->Clear();
        box->setText(QStringLiteral("Any"));
    };
    if (clear_flag < 3)
        reset(cmbLocation);
    if (clear_flag < 4)
        reset(cmbCat);
    if (clear_flag < 5)
        reset(cmbType);
}

void frmSearch::cmdCancel_Click()
{
    // Back to where the search was opened from.
    if (program.frmMain().search_last_screen_flag)
        program.frmMain().Show();
    else if (program.frmPrint().print_flag)
        program.frmPrint().Show();
    else
        program.frmAuto().Show();
    Hide();
}

void frmSearch::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens

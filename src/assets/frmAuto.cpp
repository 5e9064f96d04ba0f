#include "assets/frmAuto.h"

#include "assets/frmAddUpDel.h"
#include "search/frmPrint.h"
#include "search/frmSearch.h"
#include "shell/frmMain.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {
const QString kIndoorHeading = QStringLiteral("Indoor Asset Management");
const QString kOutdoorHeading = QStringLiteral("Outdoor Asset Management");
} // namespace

frmAuto::frmAuto(Program& program) : Screen(program)
{
    // The designed caption; the main menu writes the area's heading over it.
    auto* heading = new Label(this, QStringLiteral("Title "));
    lblHead1.add(heading, 0);
    heading->setFont(style::scaled(this, 6, true));
    heading->setAlignment(Qt::AlignCenter);

    struct ButtonDesign {
        ControlArray<CommandButton>* array;
        int index;
        const char* caption;
        const char* tip;
    };
    const ButtonDesign designs[] = {
        {&cmdAdd, 0, "&Add", " Click Here To Add A New Asset To Your Inventory "},
        {&cmdUpdate, 1, "&Update", " Click Here To Update An Existing Asset In Your Inventory "},
        {&cmdDelete, 2, "&Delete", " Click Here To Delete An Existing Asset From Your Inventory "},
        {&cmdBack, 3, "&Main Menu", " Click Here To Return To The Main Menu "},
        {&cmdLeave, 4, "E&xit", " Click Here To Close Tallowmere "},
    };
    for (const ButtonDesign& s : designs) {
        auto* button = new CommandButton(this, QString::fromLatin1(s.caption));
        button->setToolTipText(QString::fromLatin1(s.tip));
        button->setMinimumSize(130, 34);
        wireHighlight(button);
        s.array->add(button, s.index);
    }
    cmdAdd[0]->Click = [this] { cmdAdd_Click(0); };
    cmdUpdate[1]->Click = [this] { cmdUpdate_Click(1); };
    cmdDelete[2]->Click = [this] { cmdDelete_Click(2); };
    cmdBack[3]->Click = [this] { cmdBack_Click(3); };
    cmdLeave[4]->Click = [this] { cmdLeave_Click(4); };

    const char* explanations[] = {
        "Choose This Option To Add A New Asset To Your Inventory",
        "Choose This Option To Update Information On An Asset Already Added",
        "Choose This Option To Delete An Asset You Do Not Want Or No Longer Own",
    };
    for (int i = 0; i < 3; ++i) {
        auto* l = new Label(this, QString::fromLatin1(explanations[i]));
        l->setWordWrap(true);
        lblSelOut.add(l, i);
    }
    lblSelIn = new Label(this, QStringLiteral("Press F1 For Help"));
    lblSelIn->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(14);
    layout->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(12);
    CommandButton* choices[] = {cmdAdd[0], cmdUpdate[1], cmdDelete[2]};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(choices[i], i, 0);
        grid->addWidget(lblSelOut[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmdBack[3]);
    bottom->addStretch(1);
    bottom->addWidget(lblSelIn);
    bottom->addStretch(1);
    bottom->addWidget(cmdLeave[4]);
    layout->addLayout(bottom);
    resize(sizeHint().expandedTo(QSize(680, 330)));
    setMinimumSize(sizeHint());
    style::centerOnScreen(this);
}

QString frmAuto::headingArea() const
{
    const QString caption = lblHead1[0]->Caption();
    if (caption == kIndoorHeading)
        return stored::Indoor;
    if (caption == kOutdoorHeading)
        return stored::Outdoor;
    return stored::Mobile;
}

void frmAuto::load_It()
{
    HelpId = 0;
    Show();
    cmdAdd[0]->SetFocus();
    const QString caption = lblHead1[0]->Caption();
    if (caption == kIndoorHeading)
        HelpId = 9001;
    else if (caption == kOutdoorHeading)
        HelpId = 10001;
    else
        HelpId = 11001;
    set_Help_IDs();
}

void frmAuto::set_Help_IDs()
{
    for (CommandButton* b : {cmdAdd[0], cmdUpdate[1], cmdDelete[2], cmdBack[3], cmdLeave[4]})
        b->HelpContextID = HelpId;
}

void frmAuto::load_Search_Area()
{
    frmSearch& search = program.frmSearch();
    search.Show();
    search.clear_flag = 0;
    search.clear_listboxes();
    // The search stays within this menu's area.
    search.cmbArea->setText(headingArea());
    search.cmbArea->setEnabled(false);
    Hide();
}

void frmAuto::cmdAdd_Click(int)
{
    program.frmMain().last_screen_flag = false;
    Hide();
    Recordset& general = Data1.general();
    frmAddUpDel& asset = program.frmAddUpDel();
    asset.chkClear->setValue(general.text(fld::PersonalInfo::ClearCheck) == stored::Checked ? 1 : 0);
    asset.check_Form_Type();
}

void frmAuto::cmdUpdate_Click(int)
{
    if (Data1.rsInventory.RecordCount() == 0) {
        msgBox(QStringLiteral("There Are No Available Assets To Update...Please Add An Asset Before Continuing!!"),
               vbInformation);
        return;
    }
    frmSearch& search = program.frmSearch();
    search.lblHead[0]->setCaption(QStringLiteral("Search For Asset To Update"));
    program.frmMain().search_last_screen_flag = false;
    program.frmPrint().print_flag = false;
    search.pbSearch->setVisible(false);
    search.lblHead[3]->setVisible(true);
    load_Search_Area();
    search.txtKey->setText(QString());
}

void frmAuto::cmdDelete_Click(int)
{
    if (Data1.rsInventory.RecordCount() == 0) {
        msgBox(QStringLiteral("There Are No Available Assets To Delete...Please Add An Asset Before Continuing!!"),
               vbInformation);
        return;
    }
    frmSearch& search = program.frmSearch();
    program.frmMain().search_last_screen_flag = false;
    program.frmPrint().print_flag = false;
    search.lblHead[0]->setCaption(QStringLiteral("Search For Asset To Delete"));
    search.pbSearch->setVisible(false);
    search.lblHead[3]->setVisible(true);
    load_Search_Area();
}

void frmAuto::cmdBack_Click(int)
{
    program.frmMain().Show();
    Hide();
}

void frmAuto::cmdLeave_Click(int)
{
    int cancel = 0;
    Form_Unload(cancel);
}

void frmAuto::Form_Unload(int& cancel) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens

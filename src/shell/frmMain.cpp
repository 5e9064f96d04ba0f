#include "shell/frmMain.h"

#include "assets/frmAuto.h"
#include "owner/frmGenInfo.h"
#include "search/frmPrint.h"
#include "search/frmSearch.h"
#include "shell/frmTotals.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {

CommandButton* menuButton(QWidget* parent, const QString& caption, const QString& tip)
{
    auto* b = new CommandButton(parent, caption);
    b->setToolTipText(tip);
    b->setMinimumSize(120, 38);
    b->HelpContextID = helpIds::MainMenu;
    return b;
}

// One area's count label: "1 Indoor Asset =>", "2 Indoor Assets =>", or " Indoor Assets =>" alone.
QString countCaption(qint64 count, const QString& area)
{
    if (count == 1)
        return QStringLiteral("1 ") + area + QStringLiteral(" Asset =>");
    const QString words = QStringLiteral(" ") + area + QStringLiteral(" Assets =>");
    return count >= 2 ? QString::number(count) + words : words;
}

// A stored amount as the valuation adds it: through the currency format, so to whole cents.
// A field that is no amount adds nothing; the asset still counts.
Currency amountOf(const Value& field)
{
    try {
        return CCur(FormatCurrency(field.toCurrency()));
    } catch (const ConversionError&) {
        return Currency{};
    }
}

} // namespace

frmMain::frmMain(Program& program) : Screen(program)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 18);
    layout->setSpacing(12);

    lblHead1 = new Label(this, QStringLiteral("Welcome To Tallowmere Main Menu"));
    lblHead1->setFont(style::scaled(this, 8, true));
    lblHead1->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblHead1);
    layout->addSpacing(6);

    cmdIn = menuButton(this, QStringLiteral("&Indoor"), QStringLiteral(" Click Here To Add An Indoor Asset To Your Inventory "));
    cmdOut = menuButton(this, QStringLiteral("&Outdoor"), QStringLiteral(" Click Here To Add An Outdoor Asset To Your Inventory "));
    cmdAuto = menuButton(this, QStringLiteral("&Mobile"), QStringLiteral(" Click Here To Add A Mobile Asset To Your Inventory "));
    lblSelIn.add(new Label(this, QStringLiteral("Choose This Option If You Want To Add Or Update An Asset Inside Your Home")), 0);
    lblSelOut = new Label(this, QStringLiteral("Choose This Option If You Want To Add Or Update An Asset Outside Your Home"));
    lblSelAuto = new Label(this, QStringLiteral("Choose This Option If You Want To Add Or Update An Asset That Is Mobile Or Off-Site"));

    auto* areas = new QGridLayout;
    areas->setHorizontalSpacing(18);
    areas->setVerticalSpacing(10);
    const std::pair<CommandButton*, Label*> rows[] = {{cmdIn, lblSelIn[0]}, {cmdOut, lblSelOut}, {cmdAuto, lblSelAuto}};
    int row = 0;
    for (const auto& [button, label] : rows) {
        label->setWordWrap(true);
        label->setMinimumWidth(360);
        label->setFont(style::scaled(this, 1));
        areas->addWidget(button, row, 0);
        areas->addWidget(label, row, 1);
        ++row;
    }
    areas->setColumnStretch(1, 1);
    layout->addLayout(areas);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    cmdSearch = menuButton(this, QStringLiteral("&Search"),
                           QStringLiteral(" Click Here To Search For Assets That Have Been Added To Your Inventory "));
    cmdValue = menuButton(this, QStringLiteral("&Value"), QStringLiteral(" Click Here To See Your Current Total Asset Value "));
    cmdPersonal = menuButton(this, QStringLiteral("Pe&rsonal"), QStringLiteral(" Click Here To Change Or Review Your Personal Information "));
    cmdPrint = menuButton(this, QStringLiteral(" &Print"), QStringLiteral(" Click Here To Print Your Assets "));
    cmdLeave = menuButton(this, QStringLiteral("E&xit"), QStringLiteral(" Click Here To Close Tallowmere "));
    auto* others = new QHBoxLayout;
    others->setSpacing(10);
    for (CommandButton* b : {cmdSearch, cmdValue, cmdPersonal, cmdPrint, cmdLeave}) {
        b->setMinimumWidth(100);
        others->addWidget(b);
    }
    layout->addLayout(others);

    lblSelIn.add(new Label(this, QStringLiteral("Press F1 For Help")), 1);
    lblSelIn[1]->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblSelIn[1]);

    wireHighlight({cmdIn, cmdOut, cmdAuto, cmdSearch, cmdValue, cmdPersonal, cmdPrint, cmdLeave});
    cmdIn->Click = [this] { cmdIn_Click(); };
    cmdOut->Click = [this] { cmdOut_Click(); };
    cmdAuto->Click = [this] { cmdAuto_Click(); };
    cmdSearch->Click = [this] { cmdSearch_Click(); };
    cmdValue->Click = [this] { cmdValue_Click(); };
    cmdPersonal->Click = [this] { cmdPersonal_Click(); };
    cmdPrint->Click = [this] { cmdPrint_Click(); };
    cmdLeave->Click = [this] { cmdLeave_Click(); };

    resize(sizeHint().expandedTo(QSize(640, 0)));
    setMinimumSize(size());
    style::centerOnScreen(this);
}

void frmMain::show_Area_Menu()
{
    Hide();
    program.frmAuto().load_It();
}

void frmMain::cmdIn_Click()
{
    program.frmAuto().lblHead1[0]->setCaption(QStringLiteral("Indoor Asset Management"));
    show_Area_Menu();
}

void frmMain::cmdOut_Click()
{
    program.frmAuto().lblHead1[0]->setCaption(QStringLiteral("Outdoor Asset Management"));
    show_Area_Menu();
}

void frmMain::cmdAuto_Click()
{
    program.frmAuto().lblHead1[0]->setCaption(QStringLiteral("Mobile Asset Management"));
    show_Area_Menu();
}

void frmMain::cmdSearch_Click()
{
    if (Data1.rsInventory.RecordCount() == 0) {
        msgBox(QStringLiteral("There Are No Available Assets To Search...Please Add An Asset Before Continuing!"), vbInformation);
        return;
    }
    frmSearch& search = program.frmSearch();
    search.lblHead[0]->setCaption(QStringLiteral("Search For Assets"));
    search.cmbArea->setEnabled(true);
    search.txtKey->setText(QString());
    search.pbSearch->setValue(0);
    search.pbSearch->setVisible(false);
    search.lblHead[3]->setVisible(true);
    search.Show();
    search.clear_flag = 1;
    search.clear_listboxes();
    search_last_screen_flag = true;
    Hide();
}

void frmMain::cmdPersonal_Click()
{
    frmGenInfo& owner = program.frmGenInfo();
    owner.lblHead[1]->setCaption(QStringLiteral("First, Select An Item To Change Or Update"));
    owner.cmdBack[0]->setEnabled(true);
    owner.lblHead[2]->setCaption(QStringLiteral("Second, Click Save to Update"));
    owner.Show();
    owner.load_PersonalInfo();
    Hide();
}

void frmMain::cmdPrint_Click()
{
    program.frmPrint().Show();
    Hide();
}

void frmMain::cmdLeave_Click()
{
    int cancel = 0;
    confirm_Close_Program(*this, cancel);
}

void frmMain::cmdValue_Click()
{
    Recordset& inventory = Data1.rsInventory;
    if (inventory.RecordCount() == 0) {
        msgBox(QStringLiteral("No Assets Are Available To Total...Please Add An Asset Before Continuing!"), vbInformation);
        return;
    }
    Hide();
    // Whatever screen moved the cursor last, the walk starts at the first asset.
    inventory.MoveFirst();

    frmTotals& totals = program.frmTotals();
    totals.indoorTots = totals.outdoorTots = totals.mobileTots = totals.grandTot = Currency{};
    totals.inNumAssets = totals.outNumAssets = totals.mobNumAssets = totals.totNumAssets = 0;

    const QString indoor = UCase(stored::Indoor), outdoor = UCase(stored::Outdoor), mobile = UCase(stored::Mobile);
    while (!inventory.isEOF()) {
        const QString area = UCase(inventory.text(fld::Inventory::Area));
        if (area == indoor || area == outdoor || area == mobile) {
            const Currency amount = amountOf(inventory.Fields(fld::Inventory::Amount));
            if (area == indoor) {
                totals.indoorTots += amount;
                ++totals.inNumAssets;
            } else if (area == outdoor) {
                totals.outdoorTots += amount;
                ++totals.outNumAssets;
            } else {
                totals.mobileTots += amount;
                ++totals.mobNumAssets;
            }
            totals.grandTot += amount;
        }
        ++totals.totNumAssets;
        inventory.MoveNext();
    }

    totals.lblInNumAssets->setCaption(countCaption(totals.inNumAssets, stored::Indoor));
    totals.lblOutNumAssets->setCaption(countCaption(totals.outNumAssets, stored::Outdoor));
    totals.lblMobNumAssets->setCaption(countCaption(totals.mobNumAssets, stored::Mobile));
    totals.lblIndoorTots->setCaption(FormatCurrency(totals.indoorTots));
    totals.lblOutdoorTots->setCaption(FormatCurrency(totals.outdoorTots));
    totals.lblMobileTots->setCaption(FormatCurrency(totals.mobileTots));
    totals.lblGrandTot->setCaption(FormatCurrency(totals.grandTot));
    totals.lblTotNumAssets->setCaption(QString::number(totals.totNumAssets));

    inventory.MoveFirst();
    show_Coverage_Warning();
    totals.Show();
}

void frmMain::show_Coverage_Warning()
{
    // The fresh grand total decides. The running total of Personal_Info field 32 is not
    // consulted: it is kept by the asset screen and is only as right as every earlier save.
    const QString coverageText = Data1.general().text(fld::PersonalInfo::CoverageAmount);
    // No policy entered ("None", or an empty amount) means nothing to exceed.
    if (!IsCurrency(coverageText))
        return;
    const Currency coverage = CCur(coverageText);
    if (coverage <= Currency{})
        return;
    if (program.frmTotals().grandTot > coverage)
        msgBox(QStringLiteral("Your Assets Currently Exceed Your Policy Coverage Of ") + FormatCurrency(coverage)
                   + QStringLiteral("...It Is Recommended You Increase Your Insurance Coverage!"),
               vbExclamation);
}

void frmMain::Form_Activate()
{
    // Until the menu has once given way to another window, it takes the focus when shown.
    if (!focusflag)
        activateWindow();
}

void frmMain::Form_Deactivate() { focusflag = true; }

void frmMain::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens

#include "assets/frmAddUpDel.h"

#include "assets/frmAuto.h"
#include "assets/frmWar.h"
#include "data/find_asset.h"
#include "lists/frmAddField.h"
#include "lists/frmEditCmbBoxes.h"
#include "platform/forms/busy_guard.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"
#include "search/frmPrint.h"
#include "search/frmSearchResults.h"
#include "shell/frmCalendar.h"
#include "shell/frmMain.h"
#include "shell/pictures.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace tlm::screens {

namespace Inv = fld::Inventory;
namespace Items = fld::Items;
namespace General = fld::PersonalInfo;

namespace {

const QString kIndoorHeading = QStringLiteral("Indoor Asset Management");
const QString kOutdoorHeading = QStringLiteral("Outdoor Asset Management");
const QString kMobileHeading = QStringLiteral("Mobile Asset Management");
const QString kUpdateHeading = QStringLiteral("Update/Delete Asset From Inventory");
const QString kLoseChanges = QStringLiteral("Any Unsaved Changes Will Be Lost...Continue?");
const QString kInvalidDate =
    QStringLiteral("Invalid Purchase Date...Be Sure The Format Is mm/dd/yyyy (Example: 12/25/2005)");
const QString kPriceMissing = QStringLiteral("The Purchase Price Of The Asset Must Be Entered Before Saving!");
const QString kGoneNotUpdated =
    QStringLiteral("This Asset Is No Longer In Your Inventory...Your Changes Were Not Saved!");
const QString kGoneNotDeleted =
    QStringLiteral("This Asset Is No Longer In Your Inventory...It May Have Already Been Deleted!");

// The stored area in any letter case as the area list spells it.
QString canonicalArea(const QString& area)
{
    const QString upper = area.toUpper();
    for (const QString& a : {stored::Indoor, stored::Outdoor, stored::Mobile})
        if (upper == a.toUpper())
            return a;
    return area;
}

} // namespace

// ---------------------------------------------------------------- construction

frmAddUpDel::frmAddUpDel(Program& program) : Screen(program)
{
    buildControls();
    wireEvents();
}

void frmAddUpDel::buildControls()
{
    lblHead = new Label(this, QStringLiteral("Add Asset To Inventory"));
    lblHead->setFont(style::scaled(this, 6, true));
    lblHead->setAlignment(Qt::AlignCenter);

    // Creation order is the tab order.
    cmbArea = new ComboBox(this, false);
    for (const QString& a : {stored::Indoor, stored::Mobile, stored::Outdoor})
        cmbArea->AddItem(a);
    cmbArea->setToolTipText(QStringLiteral(" The Area Has Already Been Selected "));

    // Nothing may be typed, pasted or cut in the location and category lists, but a stored
    // name shows even when the list does not hold it.
    cmbLoc = new ComboBox(this, true);
    cmbLoc->setChosenOnly(true);
    cmbLoc->setToolTipText(QStringLiteral(" Select A Location From The List "));
    cmbCat = new ComboBox(this, true);
    cmbCat->setChosenOnly(true);
    cmbCat->setToolTipText(QStringLiteral(" Select A Category From The List "));
    cmbType = new ComboBox(this, true);
    cmbType->setToolTipText(QStringLiteral(" Select An Item From The List Or Enter The Name Of Your Asset "));
    cmbYear = new ComboBox(this, true);
    for (int year = 2050; year >= 1950; --year)
        cmbYear->AddItem(QString::number(year));
    cmbYear->AddItem(QStringLiteral("< 1950"));
    cmbYear->setToolTipText(QStringLiteral(" Select Or Type The Year Your Asset Was Made "));

    txtMake = new TextBox(this);
    txtMake->setText(stored::Unknown);
    txtMake->setToolTipText(QStringLiteral(" Enter The Make Of Your Asset "));
    txtMod = new TextBox(this);
    txtMod->setText(stored::Unknown);
    txtMod->setToolTipText(QStringLiteral(" Enter The Model Of Your Asset "));
    txtSerial = new TextBox(this);
    txtSerial->setText(stored::Unknown);
    txtSerial->setToolTipText(QStringLiteral(" Enter The Serial Number Of Your Asset "));

    // The date comes only from the calendar: the box takes no typing and no paste.
    txtPur = new TextBox(this);
    txtPur->setLocked(true);
    txtPur->setText(stored::DatePrompt);
    txtPur->setToolTipText(QStringLiteral(" Enter The Date This Asset Was Purchased "));
    picDate = new PictureBox(this);
    picDate->setPicture(pictures::calendarIcon());
    picDate->setFixedSize(30, 28);
    picDate->setToolTipText(QStringLiteral(" This Icon Opens A Calendar So A Date Can Be Selected "));
    picDate->setAccessibleName(QStringLiteral("Open Calendar"));

    txtPPrice = new CurrencyAmountBox(this);
    txtPPrice->setToolTipText(QStringLiteral(" Enter The Price You Paid For This Asset "));

    optPurNewUsed.add(new OptionButton(this, QStringLiteral("New")));
    optPurNewUsed.add(new OptionButton(this, QStringLiteral("Used")));
    optPurNewUsed[0]->setToolTipText(QStringLiteral(" Indicates This Asset Is New "));
    optPurNewUsed[1]->setToolTipText(QStringLiteral(" Indicates This Asset Is Used "));

    optRecOnFile.add(new OptionButton(this, QStringLiteral("Yes")));
    optRecOnFile.add(new OptionButton(this, QStringLiteral("No")));
    optRecOnFile[0]->setToolTipText(QStringLiteral(" Indicates You Have A Receipt For This Asset "));
    optRecOnFile[1]->setToolTipText(QStringLiteral(" Indicates You Do Not Have A Receipt For This Asset "));
    txtLoc = new TextBox(this);
    txtLoc->setText(stored::None);
    txtLoc->setToolTipText(QStringLiteral(" Enter Where The Receipt For This Asset Is Located "));

    txtDescription = new MemoBox(this);
    txtDescription->setToolTipText(QStringLiteral(" Any Descriptive Information About The Asset Can Be Entered Here "));

    chkWar = new CheckBox(this, QStringLiteral("Always Update Warranty Information When Creating A New Asset"));
    chkWar->setToolTipText(
        QStringLiteral(" Checking This Box Will Open The Warranty Information Window Every Time You Save Your Asset "));
    chkClear = new CheckBox(this, QStringLiteral("Clear Screen For Next Asset"));
    chkClear->setToolTipText(
        QStringLiteral(" Checking This Box Will Clear All Information On The Screen After You Save Your Asset "));

    struct ButtonDesign {
        CommandButton** button;
        const char* caption;
        const char* tip;
    };
    const ButtonDesign buttons[] = {
        {&cmdAdd, "&Add Asset", " Click Here To Add This Asset To Your Inventory "},
        {&cmdUpdate, "&Update Asset", " Click Here To Save The Changes To This Asset "},
        {&cmdDelete, "&Delete Asset", " Click Here To Delete This Asset From Your Inventory "},
        {&cmdPrint, "&Print Asset", " Click Here To Print This Asset "},
        {&cmdWarranty, "&Warranty Information", " Click Here To View Asset Warranty Information "},
        {&cmdClear, "Clear &Form", " Click Here To Clear This Form "},
        {&cmdCancel, "&Cancel", " Click Here To Leave This Screen "},
        {&cmdMain, "&Main Menu", " Click Here To Return To The Main Menu "},
    };
    for (const ButtonDesign& b : buttons) {
        *b.button = new CommandButton(this, QString::fromLatin1(b.caption));
        (*b.button)->setToolTipText(QString::fromLatin1(b.tip));
        (*b.button)->setMinimumHeight(32);
        wireHighlight(*b.button);
    }
    lblSelIn = new Label(this, QStringLiteral("Press F1 For Help"));
    lblSelIn->setAlignment(Qt::AlignCenter);

    // Layout: what the asset is on the left, how it was bought on the right. The labels' access
    // keys never repeat a button's, so Alt+D cannot delete where a date was meant.
    auto caption = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A box is named by its label's words; a list by what it shows, its buddy saying what
        // it is for.
        if (!qobject_cast<QComboBox*>(buddy))
            buddy->setAccessibleName(QString(text).remove(u'&').remove(u':'));
        return l;
    };
    auto* left = new QGridLayout;
    left->setHorizontalSpacing(8);
    left->setVerticalSpacing(8);
    const std::pair<const char*, QWidget*> leftRows[] = {
        {"A&rea:", cmbArea},   {"&Location:", cmbLoc}, {"Ca&tegory:", cmbCat},
        {"&Item:", cmbType},   {"&Year Made:", cmbYear}, {"Ma&ke:", txtMake},
        {"M&odel:", txtMod},   {"&Serial / VIN / ID:", txtSerial},
    };
    int row = 0;
    for (const auto& [text, box] : leftRows) {
        left->addWidget(caption(QString::fromLatin1(text), box), row, 0);
        left->addWidget(box, row, 1);
        ++row;
    }
    left->setColumnMinimumWidth(1, 230);
    left->setRowStretch(row, 1);

    auto* right = new QGridLayout;
    right->setHorizontalSpacing(8);
    right->setVerticalSpacing(8);
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(4);
    dateRow->addWidget(txtPur, 1);
    dateRow->addWidget(picDate);
    right->addWidget(caption(QStringLiteral("Purc&hase Date:"), txtPur), 0, 0);
    right->addLayout(dateRow, 0, 1);
    right->addWidget(caption(QStringLiteral("Purchase Pric&e:"), txtPPrice), 1, 0);
    right->addWidget(txtPPrice, 1, 1);
    auto* newUsed = new QHBoxLayout;
    newUsed->addWidget(optPurNewUsed[0]);
    newUsed->addWidget(optPurNewUsed[1]);
    newUsed->addStretch(1);
    auto* purchasedLabel = new QLabel(QStringLiteral("Purchased:"), this);
    purchasedLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    right->addWidget(purchasedLabel, 2, 0);
    right->addLayout(newUsed, 2, 1);
    auto* receipt = new QHBoxLayout;
    receipt->addWidget(optRecOnFile[0]);
    receipt->addWidget(optRecOnFile[1]);
    receipt->addStretch(1);
    auto* receiptLabel = new QLabel(QStringLiteral("Receipt On File:"), this);
    receiptLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    right->addWidget(receiptLabel, 3, 0);
    right->addLayout(receipt, 3, 1);
    right->addWidget(caption(QStringLiteral("Receipt Locatio&n:"), txtLoc), 4, 0);
    right->addWidget(txtLoc, 4, 1);
    QLabel* descriptionLabel = caption(QStringLiteral("Description:"), txtDescription);
    descriptionLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    right->addWidget(descriptionLabel, 5, 0);
    right->addWidget(txtDescription, 5, 1);
    right->setRowStretch(5, 1);
    right->setColumnMinimumWidth(1, 230);
    txtDescription->setMinimumHeight(80);

    auto* fields = new QHBoxLayout;
    fields->setSpacing(28);
    fields->addLayout(left, 1);
    fields->addLayout(right, 1);

    auto* preferences = new QVBoxLayout;
    preferences->setSpacing(4);
    preferences->addWidget(chkWar);
    preferences->addWidget(chkClear);

    auto* buttonGrid = new QGridLayout;
    buttonGrid->setHorizontalSpacing(8);
    buttonGrid->setVerticalSpacing(8);
    CommandButton* order[] = {cmdAdd, cmdUpdate, cmdDelete, cmdPrint, cmdWarranty, cmdClear, cmdCancel, cmdMain};
    for (int i = 0; i < 8; ++i)
        buttonGrid->addWidget(order[i], i / 4, i % 4);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 12);
    layout->setSpacing(12);
    layout->addWidget(lblHead);
    layout->addLayout(fields, 1);
    layout->addLayout(preferences);
    layout->addLayout(buttonGrid);
    layout->addWidget(lblSelIn);
    resize(sizeHint().expandedTo(QSize(800, 520)));
    setMinimumSize(sizeHint());
    style::centerOnScreen(this);
}

void frmAddUpDel::wireEvents()
{
    cmbArea->Click = [this] { cmbArea_Click(); };
    cmbArea->KeyDown = [this](int& k, int s) { cmbArea_KeyDown(k, s); };
    cmbLoc->GotFocus = [this] { cmbLoc_GotFocus(); };
    cmbLoc->Click = [this] { cmbLoc_Click(); };
    cmbLoc->KeyPress = [this](int& k) { cmbLoc_KeyPress(k); };
    cmbCat->Click = [this] { cmbCat_Click(); };
    cmbCat->KeyDown = [this](int& k, int s) { cmbCat_KeyDown(k, s); };
    cmbCat->KeyPress = [this](int& k) { cmbCat_KeyPress(k); };
    // A click on the text of a list that takes no typing opens the list, as its arrow does.
    cmbLoc->lineEdit()->installEventFilter(this);
    cmbCat->lineEdit()->installEventFilter(this);
    cmbType->DblClick = [this] { cmbType_DblClick(); };

    chkClear->Click = [this] { chkClear_Click(); };
    chkWar->Click = [this] { chkWar_Click(); };
    cmbYear->GotFocus = [this] { cmbYear_GotFocus(); };
    cmbYear->LostFocus = [this] { cmbYear_LostFocus(); };
    for (TextBox* box : {txtMake, txtMod, txtSerial}) {
        box->GotFocus = [box] { select_All_Text(box); };
        box->LostFocus = [box] {
            if (box->Text().isEmpty())
                box->setText(stored::Unknown);
        };
    }
    txtDescription->GotFocus = [this] { select_All_Text(txtDescription); };
    txtPur->GotFocus = [this] { select_All_Text(txtPur); };
    txtPur->KeyPress = [this](int& k) { txtPur_KeyPress(k); };
    txtPur->MouseDown = [this](int b, int s, int x, int y) { txtPur_MouseDown(b, s, x, y); };
    txtPur->LostFocus = [this] { txtPur_LostFocus(); };
    picDate->Click = [this] { picDate_Click(); };
    for (int i = 0; i < 2; ++i)
        optRecOnFile[i]->GotFocus = [this, i] { optRecOnFile_GotFocus(i); };
    txtLoc->GotFocus = [this] { txtLoc_GotFocus(); };
    txtLoc->KeyPress = [this](int& k) { txtLoc_KeyPress(k); };
    txtLoc->LostFocus = [this] { txtLoc_LostFocus(); };

    cmdAdd->Click = [this] { cmdAdd_Click(); };
    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    cmdDelete->Click = [this] { cmdDelete_Click(); };
    cmdPrint->Click = [this] { cmdPrint_Click(); };
    cmdWarranty->Click = [this] { cmdWarranty_Click(); };
    cmdClear->Click = [this] { cmdClear_Click(); };
    cmdCancel->Click = [this] { cmdCancel_Click(); };
    cmdMain->Click = [this] { cmdMain_Click(); };
}

bool frmAddUpDel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (ComboBox* box : {cmbLoc, cmbCat}) {
            if (watched == box->lineEdit() && box->isEnabled()) {
                manager().runHandler([box] {
                    box->SetFocus();
                    box->showPopup();
                });
                return true;
            }
        }
    }
    return Screen::eventFilter(watched, event);
}

// ---------------------------------------------------------------- modes and set-up

void frmAddUpDel::check_Form_Type()
{
    const bool updating = program.frmMain().last_screen_flag;
    if (updating && !find_Asset()) {
        // Showing the screen now would offer the previous asset's values for update.
        msgBox(QStringLiteral("The Selected Asset Is No Longer In Your Inventory...It May Have Been Deleted!"),
               vbExclamation);
        return;
    }
    Show();
    if (updating) {
        cmbArea->setEnabled(true);
        cmbArea->setLocked(false);
        cmbArea->setToolTipText(QStringLiteral(" Select An Area From The List "));
        load_Asset();
        cmdUpdate->setDefault(true);
        cmbArea->SetFocus();
        cmdPrint->setEnabled(true);
        HelpBase = 15001;
        set_Help_IDs();
        chkWar->setEnabled(false);
        chkClear->setEnabled(false);
        program.frmAddField().textLocTemp = cmbLoc->Text();
        program.frmAddField().textCatTemp = cmbCat->Text();
    } else {
        cmbArea->setEnabled(false);
        cmbArea->setToolTipText(QStringLiteral(" The Area Has Already Been Selected "));
        cmdAdd->setDefault(true);
        set_Add_Mode();
        program.frmAddField().textLocTemp.clear();
        program.frmAddField().textCatTemp.clear();
        cmbLoc->SetFocus();
        cmdPrint->setEnabled(false);
        chkWar->setEnabled(true);
        chkClear->setEnabled(true);
    }
}

void frmAddUpDel::set_Add_Mode()
{
    const bool updating = program.frmMain().last_screen_flag;
    cmdAdd->setDefault(true);
    if (updating) {
        cmdClear->setEnabled(false);
    } else {
        clear_Fields();
        cmdClear->setEnabled(true);
    }
    load_Warranty_Check();
    cmdWarranty->setEnabled(false);
    cmdAdd->setEnabled(true);
    cmdUpdate->setEnabled(false);
    cmdDelete->setEnabled(false);
    cmdPrint->setEnabled(false);

    const QString heading = program.frmAuto().lblHead1[0]->Caption();
    QString area = stored::Mobile;
    HelpBase = 14001;
    QString title = QStringLiteral("Add Mobile Asset To Inventory");
    if (heading == kIndoorHeading) {
        area = stored::Indoor;
        HelpBase = 12001;
        title = QStringLiteral("Add Indoor Asset To Inventory");
    } else if (heading == kOutdoorHeading) {
        area = stored::Outdoor;
        HelpBase = 13001;
        title = QStringLiteral("Add Outdoor Asset To Inventory");
    }
    set_Help_IDs();
    lblHead->setCaption(title);
    // An asset opened for update gets only its own area's names, never those of a visit before.
    if (updating) {
        cmbLoc->Clear();
        cmbCat->Clear();
    }
    fillAreaLists(*areaTable(area));
    cmbArea->setText(area);
    cmbYear->setText(currentYear());
    txtLoc->setText(stored::None);
    txtLoc->setLocked(true);
    txtPur->setText(stored::DatePrompt);
    if (updating)
        lblHead->setCaption(kUpdateHeading);
}

bool frmAddUpDel::find_Asset()
{
    return findAsset(Data1.rsInventory, program.frmSearchResults().id_num);
}

void frmAddUpDel::load_Asset()
{
    warFlag = false;
    clear_Fields();
    load_Warranty_Check();
    cmdUpdate->setDefault(true);
    cmdWarranty->setEnabled(true);
    cmdClear->setEnabled(false);
    cmdPrint->setEnabled(true);

    if (!find_Asset())
        return;
    Recordset& inventory = Data1.rsInventory;
    QStringList row;
    for (int i = 0; i <= Inv::NewUsed; ++i)
        row << inventory.text(i);
    war_Id = inventory.Fields(Inv::AssetNumber).toInteger();

    const QString area = canonicalArea(row[Inv::Area]);
    auto showArea = [this, &area] {
        // An area word the list does not know leaves the area whose lists are shown.
        if (cmbArea->findText(area) >= 0)
            cmbArea->setText(area);
    };
    showArea();
    if (area == stored::Indoor)
        program.frmAuto().lblHead1[0]->setCaption(kIndoorHeading);
    else if (area == stored::Outdoor)
        program.frmAuto().lblHead1[0]->setCaption(kOutdoorHeading);
    else if (area == stored::Mobile)
        program.frmAuto().lblHead1[0]->setCaption(kMobileHeading);
    set_Add_Mode();

    showArea();
    cmbLoc->setText(row[Inv::Location]);
    cmbCat->setText(row[Inv::Category]);
    cmbType->setText(row[Inv::Type]);
    cmbYear->setText(row[Inv::Year]);
    txtMake->setText(row[Inv::Make]);
    txtMod->setText(row[Inv::Model]);
    txtSerial->setText(row[Inv::Serial]);
    txtPur->setText(row[Inv::DatePurchased]);
    if (IsCurrency(row[Inv::Amount])) {
        loadedAmount_ = CCur(row[Inv::Amount]);
        txtPPrice->setText(FormatCurrency(loadedAmount_));
    } else {
        loadedAmount_ = Currency{};
        txtPPrice->setText(row[Inv::Amount]);
    }
    LoadedPrice = txtPPrice->Text();
    optRecOnFile[row[Inv::Receipt] == stored::Yes ? 0 : 1]->setValue(true);
    txtLoc->setText(row[Inv::ReceiptLocation]);
    txtDescription->setText(row[Inv::Description]);
    optPurNewUsed[row[Inv::NewUsed] == stored::New ? 0 : 1]->setValue(true);
    cmdAdd->setEnabled(false);
    cmdDelete->setEnabled(true);
    cmdUpdate->setEnabled(true);
    cmdWarranty->setEnabled(true);
}

void frmAddUpDel::clear_Fields()
{
    if (program.frmMain().last_screen_flag && chkClear->Value() != 1)
        return;
    clear_ComboBoxes();
    optPurNewUsed[0]->setValue(true);
    cmbYear->setText(QStringLiteral("2005"));
    txtMake->setText(stored::Unknown);
    txtMod->setText(stored::Unknown);
    txtSerial->setText(stored::Unknown);
    txtPur->setText(stored::DatePrompt);
    txtPPrice->setText(QString());
    optRecOnFile[1]->setValue(true);
    txtLoc->setText(QString());
    txtDescription->setText(stored::None);
}

void frmAddUpDel::clear_ComboBoxes()
{
    for (ComboBox* box : {cmbLoc, cmbCat, cmbType}) {
        box->Clear();
        box->setText(QString());
    }
}

void frmAddUpDel::load_Warranty_Check()
{
    Recordset& general = Data1.general();
    chkWar->setValue(general.text(General::WarrantyCheck) == stored::Checked ? 1 : 0);
}

void frmAddUpDel::set_Help_IDs()
{
    Control* controls[] = {cmbArea,    cmbLoc,           cmbCat,           cmbType,   optPurNewUsed[0],
                           optPurNewUsed[1], txtPur,     txtPPrice,        txtDescription, chkWar,
                           cmbYear,    txtMake,          txtMod,           txtSerial, optRecOnFile[0],
                           optRecOnFile[1],  txtLoc,     cmdWarranty,      cmdAdd,    cmdUpdate,
                           cmdDelete,  cmdCancel,        cmdMain,          cmdClear,  cmdPrint};
    for (Control* c : controls)
        c->HelpContextID = HelpBase;
}

void frmAddUpDel::clear_Edit_Options() { program.frmEditCmbBoxes().optEdit.clearAll(); }

Recordset* frmAddUpDel::areaTable(const QString& area)
{
    if (area == stored::Indoor)
        return &Data1.rsIndoor;
    if (area == stored::Outdoor)
        return &Data1.rsOutdoor;
    if (area == stored::Mobile)
        return &Data1.rsMobile;
    return nullptr;
}

void frmAddUpDel::fillAreaLists(Recordset& table)
{
    if (table.RecordCount() == 0)
        return;
    table.MoveFirst();
    while (!table.isEOF()) {
        add_Unique(cmbLoc, table.text(Items::Location));
        add_Unique(cmbCat, table.text(Items::Category));
        table.MoveNext();
    }
}

void frmAddUpDel::fillItems()
{
    cmbType->Clear();
    Recordset* table = areaTable(cmbArea->Text());
    if (!table || table->RecordCount() == 0)
        return;
    const QString category = cmbCat->Text().toUpper();
    table->MoveFirst();
    while (!table->isEOF()) {
        if (table->text(Items::Category).toUpper() == category)
            add_Unique(cmbType, table->text(Items::Item));
        table->MoveNext();
    }
}

QString frmAddUpDel::currentYear() const { return QString::number(program.clock().today().year()); }

// ---------------------------------------------------------------- validation and adding

void frmAddUpDel::check_Entries()
{
    EntryFailed = false;
    // The message comes first; a check that fills its box does so once the message is closed.
    auto fail = [this](const QString& message, Control* focus, const std::function<void()>& also = {}) {
        msgBox(message, vbExclamation);
        if (also)
            also();
        focus->SetFocus();
        EntryFailed = true;
    };

    if (cmbLoc->Text() == stored::AddEditLocation || cmbLoc->Text().isEmpty())
        return fail(QStringLiteral("The Location Of The Asset Must Be Selected Before Saving!"), cmbLoc);
    if (cmbCat->Text() == stored::AddEditCategory || cmbCat->Text().isEmpty())
        return fail(QStringLiteral("The Category Of The Asset Must Be Selected Before Saving!"), cmbCat);
    if (cmbType->Text().isEmpty())
        return fail(QStringLiteral("An Item Must Be Selected Before Saving Asset!"), cmbType);
    if (cmbYear->Text().isEmpty())
        return fail(QStringLiteral("The Year The Asset Was Made Must Be Entered Before Saving!"), cmbYear,
                    [this] { cmbYear->setText(QStringLiteral("2005")); });
    if (txtMake->Text().isEmpty())
        return fail(QStringLiteral("The Make Of The Asset Must Be Entered Before Saving!  If Unavailable Please Type \"Unknown\""),
                    txtMake, [this] { txtMake->setText(stored::Unknown); });
    if (txtMod->Text().isEmpty())
        return fail(QStringLiteral("The Model Of The Asset Must Be Entered Before Saving!  If Unavailable Please Type \"Unknown\""),
                    txtMod, [this] { txtMod->setText(stored::Unknown); });
    if (txtSerial->Text().isEmpty())
        return fail(QStringLiteral("The Serial Number Of The Asset Must Be Entered Before Saving...If Unavailable Please Type \"Unknown\""),
                    txtSerial, [this] { txtSerial->setText(stored::Unknown); });
    if (txtPur->Text().toUpper() == QStringLiteral("MM/DD/YYYY") || txtPur->Text().isEmpty())
        return fail(QStringLiteral("The Purchase Date Of The Asset Must Be Entered Before Saving!"), txtPur);
    QDate purchased;
    try {
        purchased = CDate(txtPur->Text());
    } catch (const ConversionError&) {
        return fail(kInvalidDate, txtPur);
    }
    if (purchased > program.clock().today())
        return fail(QStringLiteral("The Purchase Date Can Not Be A Future Date!"), txtPur);
    // A price that does not convert ("$." saved with Enter) is as good as none.
    const QString price = txtPPrice->Text();
    if (price == QStringLiteral("$.00") || price.isEmpty() || !IsCurrency(price))
        return fail(kPriceMissing, txtPPrice);
    // Enter presses the default button without leaving the box, so the amount is finished here
    // as leaving it would have ("$1450" is stored as "$1450.00").
    txtPPrice->onLostFocus();

    // The receipt place follows the receipt option chosen now.
    const bool noReceipt = !optRecOnFile[0]->Value();
    const QString place = txtLoc->Text();
    const bool none = place.toUpper() == stored::None.toUpper();
    if (!noReceipt) {
        if (place.isEmpty())
            txtLoc->setText(stored::NotSpecified);
        else if (none)
            txtLoc->setText(stored::None);
    } else {
        txtLoc->setText(place.isEmpty() || none ? stored::None : stored::NotSpecified);
    }

    if (optPurNewUsed.selected() < 0)
        return fail(QStringLiteral("Please Indicate How The Asset Was Purchased...New or Used."), optPurNewUsed[0]);
    if (txtDescription->Text().isEmpty())
        txtDescription->setText(stored::None);

    enteredDate_ = purchased;
    enteredPrice_ = CCur(price);
}

void frmAddUpDel::cmdAdd_Click() { save_It(); }

// Fields 1 to 14 from the boxes, as adding and updating store them.
void frmAddUpDel::writeAssetFields(Recordset& inventory)
{
    inventory.setField(Inv::DatePurchased, txtPur->Text());
    inventory.setField(Inv::Area, cmbArea->Text());
    inventory.setField(Inv::Location, cmbLoc->Text());
    inventory.setField(Inv::Category, cmbCat->Text());
    inventory.setField(Inv::Type, cmbType->Text());
    inventory.setField(Inv::Year, cmbYear->Text());
    inventory.setField(Inv::Make, txtMake->Text());
    inventory.setField(Inv::Model, txtMod->Text());
    inventory.setField(Inv::Serial, txtSerial->Text());
    inventory.setField(Inv::Amount, txtPPrice->Text());
    inventory.setField(Inv::Receipt, optRecOnFile[0]->Value() ? stored::Yes : stored::No);
    inventory.setField(Inv::ReceiptLocation, txtLoc->Text());
    inventory.setField(Inv::Description, txtDescription->Text());
    inventory.setField(Inv::NewUsed, optPurNewUsed[0]->Value() ? stored::New : stored::Used);
}

void frmAddUpDel::save_It()
{
    check_Entries();
    if (EntryFailed)
        return;
    warFlag = chkWar->Value() == 1;

    // The asset, the running total and the lookup row are stored together or not at all.
    Recordset& inventory = Data1.rsInventory;
    Recordset* table = areaTable(cmbArea->Text());
    qint64 newAsset = 0;
    bool lookupRowAdded = false;
    try {
        Transaction tx(Data1.Home);
        EditGuard edit{&inventory, &Data1.rsGeneral, table};
        inventory.AddNew();
        writeAssetFields(inventory);
        for (int f : {Inv::PartsWarrantyType, Inv::PartsAmount, Inv::PartsCoverage, Inv::PartsExpireMonth,
                      Inv::PartsExpireDay, Inv::PartsExpireYear, Inv::LaborWarrantyType, Inv::LaborAmount,
                      Inv::LaborCoverage, Inv::LaborExpireMonth, Inv::LaborExpireDay, Inv::LaborExpireYear,
                      Inv::WarrantyTerms})
            inventory.setField(f, stored::None);
        inventory.Update();
        newAsset = inventory.Fields(Inv::AssetNumber).toInteger();

        Recordset& general = Data1.general();
        general.setField(General::AssetValue, general.Fields(General::AssetValue).toCurrency() + enteredPrice_);
        general.Update();

        lookupRowAdded = save_New_List_Items();
        tx.commit();
    } catch (const std::exception&) {
        msgBox(QStringLiteral("The Asset Could Not Be Saved...Your Inventory Has Not Been Changed!"), vbCritical);
        EntryFailed = true;
        return;
    }
    // A new Indoor lookup row clears the screen and refills its lists before the confirmation;
    // only once the add has been stored, so a failed add keeps the entries.
    if (lookupRowAdded && table == &Data1.rsIndoor && chkClear->Value() == 1)
        set_Add_Mode();
    if (!program.frmMain().last_screen_flag) {
        msgBox(QStringLiteral("Asset Has Been Added To Your Inventory!"), vbInformation);
        if (chkClear->Value() == 1) {
            clear_Fields();
            set_Add_Mode();
        }
        if (chkWar->Value() == 1 && warFlag) {
            war_Id = newAsset;
            program.frmWar().load_It();
            Hide();
            program.frmWar().Show();
        } else {
            cmbLoc->SetFocus();
        }
    }
}

bool frmAddUpDel::save_New_List_Items()
{
    Recordset* table = areaTable(cmbArea->Text());
    if (!table || table->RecordCount() == 0)
        return false;
    bool locationNew = true, categoryNew = true, itemNew = true;
    const QString location = cmbLoc->Text().toUpper();
    const QString category = cmbCat->Text().toUpper();
    const QString item = cmbType->Text().toUpper();
    table->MoveFirst();
    while (!table->isEOF()) {
        if (table->text(Items::Location).toUpper() == location)
            locationNew = false;
        if (table->text(Items::Category).toUpper() == category)
            categoryNew = false;
        if (table->text(Items::Item).toUpper() == item)
            itemNew = false;
        table->MoveNext();
    }
    if (!(locationNew || categoryNew || itemNew))
        return false;
    table->AddNew();
    table->setField(Items::Location, cmbLoc->Text());
    table->setField(Items::Category, cmbCat->Text());
    table->setField(Items::Item, cmbType->Text());
    table->setField(Items::BuiltIn, stored::NoName);
    table->Update();
    return true;
}

// ---------------------------------------------------------------- update, delete, print, leaving

void frmAddUpDel::cmdUpdate_Click()
{
    check_Entries();
    if (EntryFailed)
        return;
    cmdPrint->setEnabled(true);
    if (!find_Asset())
        return asset_Gone(kGoneNotUpdated);
    Recordset& inventory = Data1.rsInventory;
    const bool priceChanged = txtPPrice->Text() != LoadedPrice;
    try {
        // The row and the running total change together.
        Transaction tx(Data1.Home);
        EditGuard edit{&inventory, &Data1.rsGeneral};
        if (txtDescription->Text().isEmpty())
            txtDescription->setText(stored::None);
        writeAssetFields(inventory);
        inventory.Update();
        if (priceChanged) {
            Recordset& general = Data1.general();
            general.setField(General::AssetValue,
                             general.Fields(General::AssetValue).toCurrency() - loadedAmount_ + enteredPrice_);
            general.Update();
        }
        tx.commit();
    } catch (const std::exception&) {
        msgBox(QStringLiteral("The Asset Could Not Be Updated...Your Inventory Has Not Been Changed!"), vbCritical);
        EntryFailed = true;
        return;
    }
    if (priceChanged) {
        LoadedPrice = txtPPrice->Text();
        loadedAmount_ = enteredPrice_;
    }
    msgBox(QStringLiteral("            Asset Has Been Updated!"), vbInformation);
}

void frmAddUpDel::cmdDelete_Click()
{
    if (msgBox(QStringLiteral("Deleting This Asset Will Be Permanent...Continue?"), vbExclamationYesNo) != vbYes)
        return;
    if (!find_Asset())
        return asset_Gone(kGoneNotDeleted);
    Recordset& inventory = Data1.rsInventory;
    try {
        // The total loses the price this asset added to it: the stored one. A price edited in the
        // box but never saved would otherwise leave the total out of step with the inventory.
        const Value storedPrice = inventory.Fields(Inv::Amount);
        const Currency price = IsCurrency(storedPrice.text()) ? storedPrice.toCurrency() : Currency{};
        Transaction tx(Data1.Home);
        EditGuard edit(Data1.rsGeneral);
        inventory.Delete();
        Recordset& general = Data1.general();
        general.setField(General::AssetValue, general.Fields(General::AssetValue).toCurrency() - price);
        general.Update();
        tx.commit();
    } catch (const std::exception&) {
        msgBox(QStringLiteral("The Asset Could Not Be Deleted...Your Inventory Has Not Been Changed!"), vbCritical);
        return;
    }
    msgBox(QStringLiteral("            Asset Has Been Deleted!"), vbInformation);
    program.frmSearchResults().message_flag = false;
    Hide();
    program.frmMain().Show();
}

void frmAddUpDel::cmdPrint_Click()
{
    if (program.FillOutForm().Visible() || program.CoverSheet().Visible() || program.AssetReport().Visible()) {
        msgBox(QStringLiteral("Please Close Print Window Before Selecting Another Report To Print!"), vbExclamation);
        return;
    }
    check_Entries();
    if (EntryFailed)
        return;
    Recordset& print = Data1.rsPrint;
    try {
        EditGuard edit(print);
        program.frmPrint().clear_Print_Database();
        print.AddNew();
        // A single asset printed from here is numbered 1, not by its asset number.
        print.setField(fld::Print::AssetNumber, QStringLiteral("1"));
        print.setField(fld::Print::Area, cmbArea->Text());
        print.setField(fld::Print::Location, cmbLoc->Text());
        print.setField(fld::Print::Category, cmbCat->Text());
        print.setField(fld::Print::Type, cmbType->Text());
        print.setField(fld::Print::Year, cmbYear->Text());
        print.setField(fld::Print::Make, txtMake->Text());
        print.setField(fld::Print::Model, txtMod->Text());
        print.setField(fld::Print::Serial, txtSerial->Text());
        print.setField(fld::Print::DatePurchased, txtPur->Text());
        print.setField(fld::Print::Amount, txtPPrice->Text());
        print.setField(fld::Print::Receipt, optRecOnFile[0]->Value() ? stored::Yes : stored::No);
        print.setField(fld::Print::ReceiptLocation, txtLoc->Text());
        print.setField(fld::Print::Description, txtDescription->Text());
        print.Update();
        program.AssetReport().Show();
    } catch (const std::exception&) {
        msgBox(QStringLiteral("Error Printing Report...Please Ensure Printer Is Turned On And Working Properly!"),
               vbCritical);
    }
    // Emptying Print readied the search screen's busy display; nothing is searching.
    program.frmPrint().hide_Search_Progress();
}

void frmAddUpDel::cmdCancel_Click()
{
    int cancel = 1;
    Form_Unload(cancel);
}

void frmAddUpDel::Form_Unload(int& cancel)
{
    cancel = 1;
    if (msgBox(kLoseChanges, vbQuestionYesNo) != vbYes)
        return;
    return_To_Previous();
}

void frmAddUpDel::return_To_Previous()
{
    for (ComboBox* box : {cmbLoc, cmbCat, cmbType})
        box->Clear();
    if (program.frmMain().last_screen_flag) {
        frmSearchResults& results = program.frmSearchResults();
        {
            BusyGuard busy(*this, BusyGuard::HourglassAndDisabled);
            results.message_flag = false;
            results.load_From_Search_Screen();
        }
        results.Show();
    } else {
        program.frmAuto().Show();
    }
    Hide();
}

void frmAddUpDel::asset_Gone(const QString& message)
{
    msgBox(message, vbExclamation);
    return_To_Previous();
}

void frmAddUpDel::cmdMain_Click()
{
    if (msgBox(kLoseChanges, vbQuestionYesNo) == vbNo)
        return;
    program.frmMain().Show();
    Hide();
}

// ---------------------------------------------------------------- the lists

void frmAddUpDel::cmbArea_Click()
{
    cmbLoc->Clear();
    cmbCat->Clear();
    const QString area = cmbArea->Text();
    Recordset* table = areaTable(area == stored::Indoor || area == stored::Outdoor ? area : stored::Mobile);
    fillAreaLists(*table);
}

void frmAddUpDel::cmbArea_KeyDown(int& keyCode, int)
{
    if (keyCode != vbKey::F1)
        keyCode = 0;
}

void frmAddUpDel::cmbLoc_GotFocus() { program.frmAddField().textLocTemp = cmbLoc->Text(); }

void frmAddUpDel::cmbLoc_Click()
{
    const QString chosen = cmbLoc->Text();
    frmAddField& addField = program.frmAddField();
    if (chosen != addField.textLocTemp && chosen != stored::AddEditLocation)
        addField.textLocTemp = chosen;
    if (chosen == stored::AddEditLocation)
        openListEditor(QStringLiteral("Location"));
}

void frmAddUpDel::cmbLoc_KeyPress(int& keyAscii) { keyAscii = 0; }

void frmAddUpDel::cmbCat_Click()
{
    const QString chosen = cmbCat->Text();
    frmAddField& addField = program.frmAddField();
    if (chosen != addField.textCatTemp && chosen != stored::AddEditCategory)
        addField.textCatTemp = chosen;
    if (chosen == stored::AddEditCategory)
        openListEditor(QStringLiteral("Category"));
    // While adding, the item list follows the category.
    if (lblHead->Caption().toUpper() != kUpdateHeading.toUpper())
        fillItems();
}

void frmAddUpDel::cmbCat_KeyDown(int& keyCode, int) { keyCode = 0; }

void frmAddUpDel::cmbCat_KeyPress(int& keyAscii) { keyAscii = 0; }

void frmAddUpDel::cmbType_DblClick() { select_All_Text(cmbType); }

void frmAddUpDel::openListEditor(const QString& which)
{
    cmbBox_flag = which;
    Hide();
    const QString area = cmbArea->Text().toUpper();
    const bool location = which == QStringLiteral("Location");
    QString name = stored::Mobile;
    int help = location ? 19001 : 22001;
    if (area == stored::Indoor.toUpper()) {
        name = stored::Indoor;
        help = location ? 17001 : 20001;
    } else if (area == stored::Outdoor.toUpper()) {
        name = stored::Outdoor;
        help = location ? 18001 : 21001;
    }
    frmEditCmbBoxes& chooser = program.frmEditCmbBoxes();
    chooser.lblHead->setCaption(QStringLiteral("Add/Edit %1 %2").arg(name, which));
    chooser.helpVal = help;
    chooser.load_Help();
    clear_Edit_Options();
    // Modal over this screen, which stays hidden until an editor gives it back.
    chooser.showFor(*this);
    chooser.cmdUpdate->SetFocus();
}

// ---------------------------------------------------------------- the fields

void frmAddUpDel::storePreference(int field, CheckBox* box)
{
    try {
        EditGuard edit(Data1.rsGeneral);
        Recordset& general = Data1.general();
        general.setField(field, box->Value() == 1 ? stored::Checked : stored::Unchecked);
        general.Update();
    } catch (const std::exception&) {
        msgBox(QStringLiteral("Your Preference Could Not Be Saved!"), vbCritical);
    }
}

void frmAddUpDel::chkClear_Click() { storePreference(General::ClearCheck, chkClear); }

void frmAddUpDel::chkWar_Click() { storePreference(General::WarrantyCheck, chkWar); }

void frmAddUpDel::cmbYear_GotFocus() { select_All_Text(cmbYear); }

void frmAddUpDel::cmbYear_LostFocus()
{
    if (cmbYear->Text().isEmpty())
        cmbYear->setText(currentYear());
}

void frmAddUpDel::txtPur_KeyPress(int& keyAscii)
{
    keyAscii = 0;
    picDate_Click();
}

void frmAddUpDel::txtPur_MouseDown(int, int, int, int) { picDate_Click(); }

void frmAddUpDel::txtPur_LostFocus()
{
    if (txtPur->Text().isEmpty())
        txtPur->setText(stored::DatePrompt);
}

void frmAddUpDel::picDate_Click()
{
    frmCalendar& calendar = program.frmCalendar();
    calendar.calPick = 3;
    const QString shown = txtPur->Text();
    // A text that is no date starts the calendar at today, as the prompt does.
    QDate preset = program.clock().today();
    if (shown != stored::DatePrompt && !shown.isEmpty() && IsDate(shown))
        preset = CDate(shown);
    calendar.presetDate(preset);
    // The whole screen waits for the calendar.
    calendar.showFor(*this, txtPur, [this](const frmCalendar::Pick& date) { txtPur->setText(date.text()); });
}

void frmAddUpDel::optRecOnFile_GotFocus(int index)
{
    if (index == 0) {
        txtLoc->setLocked(false);
        optbutton = false;
        txtLoc->SetFocus();
    } else {
        txtLoc->setLocked(true);
        txtLoc->setText(stored::None);
        optbutton = true;
    }
}

// Passing through the box leaves it as it was; typing replaces the selected text.
void frmAddUpDel::txtLoc_GotFocus() { select_All_Text(txtLoc); }

void frmAddUpDel::txtLoc_KeyPress(int&)
{
    txtLoc->setLocked(false);
    optRecOnFile[0]->setValue(true);
}

void frmAddUpDel::txtLoc_LostFocus()
{
    if (txtLoc->Text().isEmpty())
        txtLoc->setText(stored::Unknown);
}

void frmAddUpDel::cmdClear_Click()
{
    if (msgBox(kLoseChanges, vbQuestionYesNo) != vbYes)
        return;
    program.frmAddField().textLocTemp.clear();
    program.frmAddField().textCatTemp.clear();
    cmbLoc->setText(QString());
    cmbCat->setText(QString());
    cmbType->setText(QString());
    cmbType->Clear();
    cmbYear->setText(currentYear());
    txtMake->setText(stored::Unknown);
    txtMod->setText(stored::Unknown);
    txtSerial->setText(stored::Unknown);
    optPurNewUsed[0]->setValue(true);
    txtPur->setText(stored::DatePrompt);
    txtPPrice->setText(QString());
    optRecOnFile.clearAll();
    txtLoc->setText(stored::None);
    txtDescription->setText(stored::None);
    cmbLoc->SetFocus();
}

void frmAddUpDel::cmdWarranty_Click()
{
    program.frmCalendar().calPick = 1;
    program.frmWar().load_It();
    program.frmWar().Show();
    Hide();
}

} // namespace tlm::screens

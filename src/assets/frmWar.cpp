#include "assets/frmWar.h"

#include "assets/frmAddUpDel.h"
#include "data/find_asset.h"
#include "shell/frmCalendar.h"
#include "shell/pictures.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTextDocument>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {

namespace inv = fld::Inventory;

const QStringList kMonths = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
                             QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
                             QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
const QStringList kTypes = {QStringLiteral("None"), QStringLiteral("Limited"), QStringLiteral("Unlimited"),
                            QStringLiteral("Lifetime"), QStringLiteral("Other")};
constexpr int kFirstYear = 2005;
constexpr int kLastYear = 2050;
constexpr int kTypeMaxLength = 255;
constexpr int kHelpTopic = 16001; // the warranty topic of the help file

const QString kSaved = QStringLiteral("Your Warranty Information Has Been Saved!");
const QString kLoseChanges = QStringLiteral("Changes To Warranty Information Will Be Lost...Continue?");
const QString kMonthFirst = QStringLiteral("          Please Select A Month First!");
const QString kAssetGone =
    QStringLiteral("This Asset Is No Longer In Your Inventory...Your Warranty Information Was Not Saved!");
const QString kPartsDateImpossible =
    QStringLiteral("The Parts Expiration Date Does Not Exist...Please Select A Day That Is In The Month!");
const QString kLaborDateImpossible =
    QStringLiteral("The Labor Expiration Date Does Not Exist...Please Select A Day That Is In The Month!");
const QString kNotWritten =
    QStringLiteral("Unable To Save Your Warranty Information...The Database Could Not Be Written!");

// 1 to 12 for "Jan" to "Dec" (in any letter case, as the day lists read it); 0 otherwise.
int monthNumber(const QString& name)
{
    const QString wanted = name.trimmed();
    for (int m = 0; m < kMonths.size(); ++m)
        if (kMonths[m].compare(wanted, Qt::CaseInsensitive) == 0)
            return m + 1;
    return 0;
}

// The date three lists name, or an invalid date when they name none.
QDate listDate(const QString& month, const QString& day, const QString& year)
{
    bool dayOk = false;
    bool yearOk = false;
    const int d = day.trimmed().toInt(&dayOk);
    const int y = year.trimmed().toInt(&yearOk);
    const int m = monthNumber(month);
    if (!dayOk || !yearOk || m == 0)
        return QDate();
    return QDate(y, m, d);
}

// A text as the terms box shows it once set into it.
QString asShownInTerms(const QString& text)
{
    QTextDocument document;
    document.setPlainText(text);
    return document.toPlainText();
}

Label* headingLabel(Label* label, int pointDelta, bool bold)
{
    QFont f = label->font();
    f.setPointSize(f.pointSize() + pointDelta);
    f.setBold(bold);
    label->setFont(f);
    return label;
}

} // namespace

frmWar::frmWar(Program& program) : Screen(program)
{
    txtName = new TextBox(this);
    txtName->setLocked(true); // nothing reads it back
    txtName->setToolTipText(QStringLiteral(" This Is The Asset's Name That This Warranty Information Will Cover "));

    cmbParts = new ComboBox(this);
    cmbLabor = new ComboBox(this);
    for (ComboBox* type : {cmbParts, cmbLabor}) {
        for (const QString& t : kTypes)
            type->AddItem(t);
        // The stored column holds 255 characters; the cap also holds for any insertion path.
        type->lineEdit()->setMaxLength(kTypeMaxLength);
    }
    cmbParts->setToolTipText(QStringLiteral(" Enter The Warranty Parts Coverage Type For This Asset "));
    cmbLabor->setToolTipText(QStringLiteral(" Enter The Warranty Labor Coverage Type For This Asset "));

    txtPCover = new TextBox(this);
    txtLCover = new TextBox(this);
    txtPCover->setToolTipText(QStringLiteral(" Enter The Warranty Coverage Percentage Amount For Parts Here "));
    txtLCover->setToolTipText(QStringLiteral(" Enter The Warranty Coverage Percentage Amount For Labor Here "));

    txtPAmt = new CurrencyAmountBox(this);
    txtLAmt = new CurrencyAmountBox(this);
    txtPAmt->setToolTipText(QStringLiteral(" Enter The Maximum Dollar Amount Of Warranty Coverage For Parts Here "));
    txtLAmt->setToolTipText(QStringLiteral(" Enter The Maximum Dollar Amount Of Warranty Coverage For Labor Here "));

    cmbPMonth = new ComboBox(this);
    cmbPDay = new ComboBox(this);
    cmbPYear = new ComboBox(this);
    cmbLMonth = new ComboBox(this);
    cmbLDay = new ComboBox(this);
    cmbLYear = new ComboBox(this);
    for (ComboBox* month : {cmbPMonth, cmbLMonth})
        for (const QString& m : kMonths)
            month->AddItem(m);
    for (ComboBox* year : {cmbPYear, cmbLYear})
        for (int y = kFirstYear; y <= kLastYear; ++y)
            year->AddItem(QString::number(y));
    // Dates are chosen, never typed: the lists stay editable only so that a day or year the
    // lists do not offer (a stored one, or one picked in the calendar) can still be shown.
    for (ComboBox* c : {cmbPMonth, cmbPDay, cmbPYear, cmbLMonth, cmbLDay, cmbLYear})
        c->setChosenOnly(true);
    cmbPMonth->setToolTipText(QStringLiteral(" Enter The Month The Warranty Will Expire For Parts "));
    cmbPDay->setToolTipText(QStringLiteral(" Enter The Day The Warranty Will Expire For Parts "));
    cmbPYear->setToolTipText(QStringLiteral(" Enter The Year The Warranty Will Expire For Parts "));
    cmbLMonth->setToolTipText(QStringLiteral(" Enter The Month The Warranty Will Expire For Labor "));
    cmbLDay->setToolTipText(QStringLiteral(" Enter The Day The Warranty Will Expire For Labor "));
    cmbLYear->setToolTipText(QStringLiteral(" Enter The Year The Warranty Will Expire For Labor "));

    picPDate = new PictureBox(this);
    picLDate = new PictureBox(this);
    for (PictureBox* pic : {picPDate, picLDate}) {
        pic->setPicture(pictures::calendarIcon());
        pic->setToolTipText(QStringLiteral(" This Icon Opens A Calendar So A Date Can Be Selected "));
    }

    txtDescription = new MemoBox(this);
    txtDescription->setToolTipText(QStringLiteral(" Any Descriptive Information About The Warranty Can Be Entered Here "));

    cmdSave.add(new CommandButton(this, QStringLiteral("&Save")), 0);
    cmdSave[0]->setToolTipText(QStringLiteral(" Click Here To Save Changes To The Warranty Information "));
    cmdCancel = new CommandButton(this, QStringLiteral("&Cancel"));
    cmdCancel->setToolTipText(QStringLiteral(" Click Here To Return To Previous Window "));

    const QStringList heads = {QStringLiteral("Asset Warranty Information"),
                               QStringLiteral("First, Complete The Warranty Information Below:"),
                               QStringLiteral("Second, Click Save To Continue:")};
    for (int i = 0; i < heads.size(); ++i)
        lblHead.add(new Label(this, heads[i]), i);
    const QStringList subheads = {QStringLiteral("Asset Name"), QStringLiteral("Parts"),    QStringLiteral("Labor"),
                                  QStringLiteral("Type"),       QStringLiteral("Coverage"), QStringLiteral("%"),
                                  QStringLiteral("Amount"),     QStringLiteral("Expiration"), QStringLiteral("Month"),
                                  QStringLiteral("Day"),        QStringLiteral("Year"),
                                  QStringLiteral("Terms && Conditions")};
    for (int i = 0; i < subheads.size(); ++i)
        lblSubhead.add(new Label(this, subheads[i]), i);
    lblSelIn = new Label(this, QStringLiteral("Press F1 For Help"));

    buildLayout();
    wireHandlers();
    for (QWidget* w : findChildren<QWidget*>())
        if (auto* control = dynamic_cast<Control*>(w))
            control->HelpContextID = kHelpTopic;
}

void frmWar::buildLayout()
{
    headingLabel(lblHead[0], 5, true)->setAlignment(Qt::AlignCenter);
    headingLabel(lblHead[1], 1, true);
    headingLabel(lblHead[2], 1, true);
    for (int i = 0; i <= 11; ++i)
        headingLabel(lblSubhead[i], 0, true);
    for (int i : {3, 4, 5, 6, 8, 9, 10})
        lblSubhead[i]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    lblSubhead[7]->setAlignment(Qt::AlignCenter);
    lblSelIn->setAlignment(Qt::AlignCenter);
    headingLabel(lblSelIn, -1, false);

    // Screen readers speak an input box by the words of its labels.
    txtName->setAccessibleName(QStringLiteral("Asset Name"));
    txtPCover->setAccessibleName(QStringLiteral("Parts Coverage %"));
    txtPAmt->setAccessibleName(QStringLiteral("Parts Amount"));
    picPDate->setAccessibleName(QStringLiteral("Parts Expiration Calendar"));
    txtLCover->setAccessibleName(QStringLiteral("Labor Coverage %"));
    txtLAmt->setAccessibleName(QStringLiteral("Labor Amount"));
    picLDate->setAccessibleName(QStringLiteral("Labor Expiration Calendar"));
    txtDescription->setAccessibleName(QStringLiteral("Terms & Conditions"));
    // A list is spoken by what it shows; the headings that are its buddies say what it is for.
    // A heading has one buddy, so the column headings go to the parts row right under them,
    // and the labor row's date lists carry names of their own, heard while they are empty.
    lblSubhead[1]->setBuddy(cmbParts);  // Parts
    lblSubhead[3]->setBuddy(cmbParts);  // Type
    lblSubhead[2]->setBuddy(cmbLabor);  // Labor
    lblSubhead[7]->setBuddy(cmbPMonth); // Expiration
    lblSubhead[8]->setBuddy(cmbPMonth); // Month
    lblSubhead[9]->setBuddy(cmbPDay);   // Day
    lblSubhead[10]->setBuddy(cmbPYear); // Year
    cmbLMonth->setAccessibleName(QStringLiteral("Labor Expiration Month"));
    cmbLDay->setAccessibleName(QStringLiteral("Labor Expiration Day"));
    cmbLYear->setAccessibleName(QStringLiteral("Labor Expiration Year"));

    for (ComboBox* type : {cmbParts, cmbLabor})
        type->setMinimumWidth(150);
    for (TextBox* cover : {txtPCover, txtLCover}) {
        cover->setFixedWidth(64);
        cover->setAlignment(Qt::AlignRight);
    }
    for (TextBox* amount : {static_cast<TextBox*>(txtPAmt), static_cast<TextBox*>(txtLAmt)}) {
        amount->setFixedWidth(112);
        amount->setAlignment(Qt::AlignRight);
    }
    for (ComboBox* c : {cmbPMonth, cmbLMonth})
        c->setFixedWidth(76);
    for (ComboBox* c : {cmbPDay, cmbLDay})
        c->setFixedWidth(62);
    for (ComboBox* c : {cmbPYear, cmbLYear})
        c->setFixedWidth(80);
    for (PictureBox* pic : {picPDate, picLDate})
        pic->setFixedSize(28, 28);
    txtDescription->setMinimumHeight(90);
    txtDescription->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtDescription->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (CommandButton* b : {cmdSave[0], cmdCancel})
        b->setMinimumWidth(96);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 14, 18, 12);
    outer->setSpacing(10);
    outer->addWidget(lblHead[0]);
    outer->addWidget(lblHead[1]);

    auto* name = new QHBoxLayout;
    name->addWidget(lblSubhead[0]);
    name->addWidget(txtName, 1);
    outer->addLayout(name);

    // Columns: row heading, type, coverage, amount, month, day, year, calendar.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(lblSubhead[7], 0, 4, 1, 3);
    grid->addWidget(lblSubhead[3], 1, 1);
    auto* coverage = new QHBoxLayout;
    coverage->setSpacing(3);
    coverage->addStretch(1);
    coverage->addWidget(lblSubhead[4]);
    coverage->addWidget(lblSubhead[5]);
    coverage->addStretch(1);
    grid->addLayout(coverage, 1, 2);
    grid->addWidget(lblSubhead[6], 1, 3);
    grid->addWidget(lblSubhead[8], 1, 4);
    grid->addWidget(lblSubhead[9], 1, 5);
    grid->addWidget(lblSubhead[10], 1, 6);
    auto addRow = [grid](int row, Label* heading, ComboBox* type, TextBox* cover, TextBox* amount, ComboBox* month,
                         ComboBox* day, ComboBox* year, PictureBox* pic) {
        grid->addWidget(heading, row, 0);
        grid->addWidget(type, row, 1);
        grid->addWidget(cover, row, 2);
        grid->addWidget(amount, row, 3);
        grid->addWidget(month, row, 4);
        grid->addWidget(day, row, 5);
        grid->addWidget(year, row, 6);
        grid->addWidget(pic, row, 7);
    };
    addRow(2, lblSubhead[1], cmbParts, txtPCover, txtPAmt, cmbPMonth, cmbPDay, cmbPYear, picPDate);
    addRow(3, lblSubhead[2], cmbLabor, txtLCover, txtLAmt, cmbLMonth, cmbLDay, cmbLYear, picLDate);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);

    outer->addWidget(lblSubhead[11]);
    outer->addWidget(txtDescription, 1);

    auto* actions = new QHBoxLayout;
    actions->addWidget(lblHead[2]);
    actions->addStretch(1);
    actions->addWidget(cmdSave[0]);
    actions->addWidget(cmdCancel);
    outer->addLayout(actions);
    outer->addWidget(lblSelIn);

    QWidget::setTabOrder(cmbParts, txtPCover);
    QWidget::setTabOrder(txtPCover, txtPAmt);
    QWidget::setTabOrder(txtPAmt, cmbPMonth);
    QWidget::setTabOrder(cmbPMonth, cmbPDay);
    QWidget::setTabOrder(cmbPDay, cmbPYear);
    QWidget::setTabOrder(cmbPYear, cmbLabor);
    QWidget::setTabOrder(cmbLabor, txtLCover);
    QWidget::setTabOrder(txtLCover, txtLAmt);
    QWidget::setTabOrder(txtLAmt, cmbLMonth);
    QWidget::setTabOrder(cmbLMonth, cmbLDay);
    QWidget::setTabOrder(cmbLDay, cmbLYear);
    QWidget::setTabOrder(cmbLYear, txtDescription);
    QWidget::setTabOrder(txtDescription, cmdSave[0]);
    QWidget::setTabOrder(cmdSave[0], cmdCancel);
    txtName->setFocusPolicy(Qt::NoFocus);

    resize(760, 430);
    style::centerOnScreen(this);
}

void frmWar::wireHandlers()
{
    for (ComboBox* type : {cmbParts, cmbLabor}) {
        type->Click = [type] { select_All_Text(type); };
        type->KeyPress = [type](int& k) {
            if (type->Text().size() >= kTypeMaxLength && k != 8)
                k = 0;
        };
    }
    for (TextBox* cover : {txtPCover, txtLCover}) {
        // Percentages: digits and the point only.
        cover->KeyPress = [](int& k) {
            if (!(k == 8 || k == 46 || (k >= 48 && k <= 57)))
                k = 0;
        };
        cover->Click = [cover] { select_All_Text(cover); };
    }
    txtDescription->Click = [this] { select_All_Text(txtDescription); };

    wireDateLists(cmbPMonth, cmbPDay, cmbPYear);
    wireDateLists(cmbLMonth, cmbLDay, cmbLYear);
    picPDate->Click = [this] { picPDate_Click(); };
    picLDate->Click = [this] { picLDate_Click(); };

    wireHighlight({cmdSave[0], cmdCancel});
    cmdSave[0]->Click = [this] { cmdSave_Click(0); };
    cmdCancel->Click = [this] { cmdCancel_Click(); };
}

void frmWar::wireDateLists(ComboBox* month, ComboBox* day, ComboBox* year)
{
    // Only Enter, Up and Down pass (F1 too, so help stays at hand); characters never do.
    const auto keyFilter = [](int& k, int) {
        if (k != vbKey::Return && k != vbKey::Up && k != vbKey::Down && k != vbKey::F1)
            k = 0;
    };
    const auto dropCharacter = [](int& k) { k = 0; };
    for (ComboBox* c : {month, day, year})
        c->KeyPress = dropCharacter;
    month->KeyDown = keyFilter;
    day->KeyDown = keyFilter;
    year->KeyDown = [year, keyFilter](int& k, int shift) {
        keyFilter(k, shift);
        select_All_Text(year);
    };
    month->Change = [this, month, day] { fill_Day_List(month, day); };
    month->Click = [this, month, day] {
        fill_Day_List(month, day);
        select_All_Text(month);
    };
    day->GotFocus = [this, month, day] {
        if (day->ListCount() == 0) {
            msgBox(kMonthFirst, vbInformation);
            month->SetFocus();
        }
        select_All_Text(day);
    };
    // A refused day loses its light red once another day is chosen or written.
    day->Click = [day] { clear_Entry_Flag(day); };
    day->Change = [day] { clear_Entry_Flag(day); };
}

void frmWar::fill_Day_List(ComboBox* month, ComboBox* day)
{
    clear_Entry_Flag(day);
    day->Clear();
    const QString m = month->Text().toUpper();
    int days = 31;
    if (m == QStringLiteral("SEP") || m == QStringLiteral("APR") || m == QStringLiteral("JUN") || m == QStringLiteral("NOV"))
        days = 30;
    else if (m == QStringLiteral("FEB"))
        days = 29; // whatever the year: the year may be chosen after the day
    for (int d = 1; d <= days; ++d)
        day->AddItem(QString::number(d));
}

bool frmWar::find_Asset()
{
    return findAsset(Data1.rsInventory, program.frmAddUpDel().war_Id);
}

void frmWar::load_It()
{
    if (!find_Asset())
        return;
    Recordset& rs = Data1.rsInventory;
    const auto shown = [&rs](int field) {
        const QString t = rs.text(field);
        return t == stored::None ? QString() : t;
    };
    // Amounts in the currency format; a text that is no amount is shown as stored.
    const auto amount = [&rs](int field) {
        const QString t = rs.text(field);
        if (t == stored::None)
            return QString();
        return IsCurrency(t) ? FormatCurrencyText(t) : t;
    };
    // Read the whole block first: the controls' own handlers run while they are filled.
    const QString name = rs.text(inv::Type);
    const QString partsType = rs.text(inv::PartsWarrantyType);
    const QString partsAmount = amount(inv::PartsAmount);
    const QString partsCover = shown(inv::PartsCoverage);
    const QString partsMonth = shown(inv::PartsExpireMonth);
    const QString partsDay = shown(inv::PartsExpireDay);
    const QString partsYear = shown(inv::PartsExpireYear);
    const QString laborType = rs.text(inv::LaborWarrantyType);
    const QString laborAmount = amount(inv::LaborAmount);
    const QString laborCover = shown(inv::LaborCoverage);
    const QString laborMonth = shown(inv::LaborExpireMonth);
    const QString laborDay = shown(inv::LaborExpireDay);
    const QString laborYear = shown(inv::LaborExpireYear);
    const QString terms = shown(inv::WarrantyTerms);

    clear_Entry_Flag(cmbPDay);
    clear_Entry_Flag(cmbLDay);
    txtName->setText(name);
    cmbParts->setText(partsType);
    txtPAmt->setText(partsAmount);
    txtPCover->setText(partsCover);
    cmbPMonth->setText(partsMonth); // a new month refills the day list before the day is set
    cmbPDay->setText(partsDay);
    cmbPYear->setText(partsYear);
    cmbLabor->setText(laborType);
    txtLAmt->setText(laborAmount);
    txtLCover->setText(laborCover);
    cmbLMonth->setText(laborMonth);
    cmbLDay->setText(laborDay);
    cmbLYear->setText(laborYear);
    txtDescription->setText(terms);
}

bool frmWar::impossibleDate(ComboBox* month, ComboBox* day, ComboBox* year) const
{
    if (month->Text().isEmpty() || day->Text().isEmpty() || year->Text().isEmpty())
        return false;
    return !listDate(month->Text(), day->Text(), year->Text()).isValid();
}

void frmWar::cmdSave_Click(int /*index*/)
{
    clear_Entry_Flag(cmbPDay);
    clear_Entry_Flag(cmbLDay);
    if (!find_Asset()) {
        msgBox(kAssetGone, vbExclamation);
        return;
    }
    if (impossibleDate(cmbPMonth, cmbPDay, cmbPYear)) {
        msgBox(kPartsDateImpossible, vbExclamation);
        flag_Empty_Entry(cmbPDay);
        return;
    }
    if (impossibleDate(cmbLMonth, cmbLDay, cmbLYear)) {
        msgBox(kLaborDateImpossible, vbExclamation);
        flag_Empty_Entry(cmbLDay);
        return;
    }
    const auto orUnknown = [](const QString& t) { return t.isEmpty() ? stored::Unknown : t; };
    const auto orNone = [](const QString& t) { return t.isEmpty() ? stored::None : t; };
    Recordset& rs = Data1.rsInventory;
    try {
        EditGuard edit(rs);
        rs.setField(inv::PartsWarrantyType, orUnknown(cmbParts->Text()));
        rs.setField(inv::PartsAmount, orNone(txtPAmt->Text()));
        rs.setField(inv::PartsCoverage, orNone(txtPCover->Text()));
        rs.setField(inv::PartsExpireMonth, orNone(cmbPMonth->Text()));
        rs.setField(inv::PartsExpireDay, orNone(cmbPDay->Text()));
        rs.setField(inv::PartsExpireYear, orNone(cmbPYear->Text()));
        rs.setField(inv::LaborWarrantyType, orUnknown(cmbLabor->Text()));
        rs.setField(inv::LaborAmount, orNone(txtLAmt->Text()));
        rs.setField(inv::LaborCoverage, orNone(txtLCover->Text()));
        rs.setField(inv::LaborExpireMonth, orNone(cmbLMonth->Text()));
        rs.setField(inv::LaborExpireDay, orNone(cmbLDay->Text()));
        rs.setField(inv::LaborExpireYear, orNone(cmbLYear->Text()));
        rs.setField(inv::WarrantyTerms, orNone(txtDescription->Text()));
        rs.Update();
    } catch (const DatabaseError&) {
        msgBox(kNotWritten, vbCritical);
        return;
    }
    msgBox(kSaved, vbInformation);
    leave();
}

void frmWar::cmdCancel_Click()
{
    changed_flag = false;
    if (find_Asset()) {
        Recordset& rs = Data1.rsInventory;
        // An empty box stands for the placeholder; an empty stored field is no value either.
        enum class Kind { Text, Amount, Terms };
        const auto differs = [&rs](const QString& text, int field, Kind kind) {
            const QString shown = text.isEmpty() ? stored::None : text;
            QString kept = rs.text(field);
            // The terms box keeps line breaks in its own form ("\r\n" comes back as "\n").
            if (kind == Kind::Terms)
                kept = asShownInTerms(kept);
            if (kept.isEmpty())
                kept = stored::None;
            // The load shows amounts reformatted ($1250.00 as $1,250.00): compare the amounts.
            if (kind == Kind::Amount && IsCurrency(shown) && IsCurrency(kept))
                return CCur(shown) != CCur(kept);
            return shown != kept;
        };
        const struct {
            QString text;
            int field;
            Kind kind;
        } pairs[] = {
            {cmbParts->Text(), inv::PartsWarrantyType, Kind::Text},
            {txtPAmt->Text(), inv::PartsAmount, Kind::Amount},
            {txtPCover->Text(), inv::PartsCoverage, Kind::Text},
            {cmbPMonth->Text(), inv::PartsExpireMonth, Kind::Text},
            {cmbPDay->Text(), inv::PartsExpireDay, Kind::Text},
            {cmbPYear->Text(), inv::PartsExpireYear, Kind::Text},
            {cmbLabor->Text(), inv::LaborWarrantyType, Kind::Text},
            {txtLAmt->Text(), inv::LaborAmount, Kind::Amount},
            {txtLCover->Text(), inv::LaborCoverage, Kind::Text},
            {cmbLMonth->Text(), inv::LaborExpireMonth, Kind::Text},
            {cmbLDay->Text(), inv::LaborExpireDay, Kind::Text},
            {cmbLYear->Text(), inv::LaborExpireYear, Kind::Text},
            {txtDescription->Text(), inv::WarrantyTerms, Kind::Terms},
        };
        for (const auto& p : pairs)
            if (differs(p.text, p.field, p.kind))
                changed_flag = true;
    }
    if (changed_flag && msgBox(kLoseChanges, vbQuestionYesNo) != vbYes)
        return;
    leave();
}

void frmWar::Form_Unload(int& cancel)
{
    // While the calendar is up its buttons are off, and so is the way out.
    if (!cmdCancel->Enabled()) {
        cancel = 1;
        return;
    }
    cancel_On_Close(cancel, [this] { cmdCancel_Click(); });
}

void frmWar::picPDate_Click() { open_Calendar(1, cmbPMonth, cmbPDay, cmbPYear); }

void frmWar::picLDate_Click() { open_Calendar(2, cmbLMonth, cmbLDay, cmbLYear); }

void frmWar::open_Calendar(int code, ComboBox* month, ComboBox* day, ComboBox* year)
{
    frmCalendar& calendar = program.frmCalendar();
    calendar.calPick = qint16(code);
    // A partial date, or lists that name no real date, start the calendar at today.
    QDate preset = listDate(month->Text(), day->Text(), year->Text());
    if (!preset.isValid())
        preset = program.clock().today();
    calendar.presetDate(preset);
    // Save and Cancel wait for the calendar; the date comes back into this date's lists.
    calendar.showFor(
        *this, year,
        [month, day, year](const frmCalendar::Pick& date) {
            if (!date.monthName().isEmpty())
                month->setText(date.monthName());
            day->setText(QString::number(date.day));
            year->setText(QString::number(date.year));
        },
        {cmdCancel, cmdSave[0]});
}

void frmWar::leave()
{
    Hide();
    program.frmAddUpDel().Show();
}

} // namespace tlm::screens

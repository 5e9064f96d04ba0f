#include "owner/frmBank.h"

#include "owner/frmEditBankBoxes.h"
#include "owner/frmGenInfo.h"
#include "owner/owner_input.h"
#include "shell/frmCalendar.h"
#include "shell/pictures.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {

namespace bank = fld::BankInfo;

const QString kPrompt = QStringLiteral("Enter Financial Institution");
const QString kChecking = QStringLiteral("Checking");
const QString kAddHead = QStringLiteral("Add Financial Account");
const QString kUpdateHead = QStringLiteral("Update Financial Account");
const QString kDeleteHead = QStringLiteral("Delete Financial Account");

const QString kNoName = QStringLiteral("Please Enter An Account Name For This Financial Institution!");
const QString kNoNumber = QStringLiteral("Please Enter An Account Number For This Financial Institution!");
const QString kDuplicate = QStringLiteral("An Account With The Account Number You Have Listed Is Already Available");
const QString kCannotChange = QStringLiteral("The Account Number Can Not Be Changed!");
const QString kLoseChanges = QStringLiteral("All Changes To This Account Will Be Lost...Continue?");
const QString kNothingSaved = QStringLiteral("Financial Account Has Not Been Saved...Continue?");
const QString kAdded = QStringLiteral("   Your New Account Has Been Added!");
const QString kUpdated = QStringLiteral("          Account Has Been Updated!");
const QString kDeleteQuestion = QStringLiteral("Deleting This Account Will Be Permanent...Continue?");
const QString kNotAdded =
    QStringLiteral("The Account Could Not Be Added...Your Financial Accounts Have Not Been Changed!");
const QString kNotUpdated =
    QStringLiteral("The Account Could Not Be Updated...Your Financial Accounts Have Not Been Changed!");
const QString kNotDeleted =
    QStringLiteral("The Account Could Not Be Deleted...Your Financial Accounts Have Not Been Changed!");

constexpr int kTypeMaxLength = 255;

QString textOf(Control* box)
{
    if (auto* t = dynamic_cast<TextBox*>(box))
        return t->Text();
    return static_cast<ComboBox*>(box)->Text();
}

void setTextOf(Control* box, const QString& text)
{
    if (auto* t = dynamic_cast<TextBox*>(box))
        t->setText(text);
    else
        static_cast<ComboBox*>(box)->setText(text);
}

QString shown(const QString& stored) { return stored == stored::None ? QString() : stored; }

} // namespace

frmBank::frmBank(Program& program) : Screen(program)
{
    lblMainHead = new Label(this, QStringLiteral("Financial Account Information"));
    txtName = new TextBox(this);
    txtName->setMaxLength(40);
    txtName->setToolTipText(QStringLiteral(" Enter Your New Financial Institution "));
    txtAddress = new TextBox(this);
    txtAddress->setToolTipText(QStringLiteral(" Enter Your Financial Institution's Address "));
    txtCity = new TextBox(this);
    txtCity->setToolTipText(QStringLiteral(" Enter Your Financial Institution's City "));
    cmbState = new ComboBox(this);
    for (const QString& code : stateCodes())
        cmbState->AddItem(code);
    cmbState->setToolTipText(QStringLiteral(" Select Or Enter Your Financial Institution's State "));
    txtPhone1 = new TextBox(this);
    txtPhone1->setMaxLength(3);
    txtPhone1->setToolTipText(QStringLiteral(" Enter The Area Code Of The Financial Institution "));
    txtPhone2 = new TextBox(this);
    txtPhone2->setMaxLength(3);
    txtPhone2->setToolTipText(QStringLiteral(" Enter The Phone Number Prefix Of The Financial Institution "));
    txtPhone3 = new TextBox(this);
    txtPhone3->setMaxLength(4);
    txtPhone3->setToolTipText(QStringLiteral(" Enter The 4 Digit Number Of The Financial Institution "));
    cmbType = new ComboBox(this);
    for (const char* type : {"Checking", "Other", "Savings"})
        cmbType->AddItem(QString::fromUtf8(type));
    cmbType->lineEdit()->setMaxLength(kTypeMaxLength);
    cmbType->setToolTipText(QStringLiteral(" Select Or Enter An Account Type "));
    txtAccount = new TextBox(this);
    txtAccount->setToolTipText(QStringLiteral(" Enter The Account Number "));
    txtRoute = new TextBox(this);
    txtRoute->setToolTipText(QStringLiteral(" Enter The Routing Number "));
    txtBalance = new CurrencyAmountBox(this, CurrencyAmountBox::Variant::Balance);
    txtBalance->setToolTipText(QStringLiteral(" Enter The Account's Available Balance In Dollars and Cents "));
    txtDate = new TextBox(this);
    txtDate->setToolTipText(QStringLiteral(" Enter The Balance Date "));
    for (TextBox* box : {txtAddress, txtCity, txtAccount, txtRoute, static_cast<TextBox*>(txtBalance), txtDate})
        box->setMaxLength(254);
    for (TextBox* box : {txtName, txtPhone1, txtPhone2, txtPhone3, static_cast<TextBox*>(txtBalance), txtDate})
        box->setAlignment(Qt::AlignCenter);
    picDate = new PictureBox(this);
    picDate->setPicture(pictures::calendarIcon());
    picDate->setToolTipText(QStringLiteral(" This Icon Opens A Calendar So A Date Can Be Selected "));

    cmdPrevious = new CommandButton(this, QStringLiteral("<= &Previous"));
    cmdPrevious->setToolTipText(QStringLiteral(" Click Here To Go To The Previous Financial Account "));
    cmdNext = new CommandButton(this, QStringLiteral("&Next =>"));
    cmdNext->setToolTipText(QStringLiteral(" Click Here To Go To The Next Financial Account "));
    cmdBack = new CommandButton(this, QStringLiteral("&Cancel"));
    cmdBack->setToolTipText(QStringLiteral(" Click Here To Return To Previous Window "));
    cmdState = new CommandButton(this, QStringLiteral("&Add New Account"));

    const QStringList heads = {QStringLiteral("Address"),        QStringLiteral("City"),
                               QStringLiteral("Phone Number"),   QStringLiteral("Account Type"),
                               QStringLiteral("Account Number"), QStringLiteral("Routing Number"),
                               QStringLiteral("Available Balance"), QStringLiteral("("),
                               QStringLiteral(")"),              QStringLiteral("-")};
    for (int i = 0; i < heads.size(); ++i)
        lblHead.add(new Label(this, heads[i]), i);
    lblSubhead = new Label(this, QStringLiteral("State"));
    lblChoice = new Label(this, QStringLiteral("As Of"));
    lblState = new Label(this, QStringLiteral("Please Enter The Account Information Above "));
    lblSelIn = new Label(this, QStringLiteral("Press F1 For Help"));

    buildLayout();
    wireHandlers();
}

void frmBank::buildLayout()
{
    lblMainHead->setFont(style::scaled(this, 6, true));
    lblMainHead->setAlignment(Qt::AlignCenter);
    lblState->setFont(style::scaled(this, 1, true));
    lblState->setAlignment(Qt::AlignCenter);
    lblSelIn->setAlignment(Qt::AlignCenter);
    for (int i = 0; i <= 6; ++i) {
        lblHead[i]->setFont(style::scaled(this, 0, true));
        lblHead[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (Label* l : {lblSubhead, lblChoice})
        l->setFont(style::scaled(this, 0, true));

    // Screen readers speak a box by the words of its label, and a list by what it shows, with
    // its label (the buddy) saying what the list is for.
    lblSubhead->setBuddy(cmbState);
    lblHead[3]->setBuddy(cmbType);
    txtName->setAccessibleName(QStringLiteral("Financial Institution"));
    txtAddress->setAccessibleName(lblHead[0]->Caption());
    txtCity->setAccessibleName(lblHead[1]->Caption());
    txtPhone1->setAccessibleName(QStringLiteral("Phone Number Area Code"));
    txtPhone2->setAccessibleName(QStringLiteral("Phone Number Prefix"));
    txtPhone3->setAccessibleName(QStringLiteral("Phone Number"));
    txtAccount->setAccessibleName(lblHead[4]->Caption());
    txtRoute->setAccessibleName(lblHead[5]->Caption());
    txtBalance->setAccessibleName(lblHead[6]->Caption());
    txtDate->setAccessibleName(lblChoice->Caption());
    picDate->setAccessibleName(QStringLiteral("Balance Date Calendar"));

    txtName->setMinimumWidth(320);
    cmbState->setFixedWidth(72);
    txtPhone1->setFixedWidth(44);
    txtPhone2->setFixedWidth(44);
    txtPhone3->setFixedWidth(56);
    txtBalance->setFixedWidth(130);
    txtDate->setFixedWidth(110);
    picDate->setFixedSize(28, 28);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 16, 24, 12);
    outer->setSpacing(10);
    outer->addWidget(lblMainHead);
    outer->addWidget(txtName, 0, Qt::AlignHCenter);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(lblHead[0], 0, 0);
    grid->addWidget(txtAddress, 0, 1, 1, 4);
    grid->addWidget(lblHead[1], 1, 0);
    grid->addWidget(txtCity, 1, 1);
    auto* state = new QHBoxLayout;
    state->addWidget(lblSubhead);
    state->addWidget(cmbState);
    state->addStretch(1);
    grid->addLayout(state, 1, 2, 1, 3);
    grid->addWidget(lblHead[2], 2, 0);
    auto* phone = new QHBoxLayout;
    phone->setSpacing(3);
    phone->addWidget(lblHead[7]);
    phone->addWidget(txtPhone1);
    phone->addWidget(lblHead[8]);
    phone->addSpacing(4);
    phone->addWidget(txtPhone2);
    phone->addWidget(lblHead[9]);
    phone->addWidget(txtPhone3);
    phone->addStretch(1);
    grid->addLayout(phone, 2, 1, 1, 4);
    grid->addWidget(lblHead[3], 3, 0);
    grid->addWidget(cmbType, 3, 1);
    grid->addWidget(lblHead[4], 4, 0);
    grid->addWidget(txtAccount, 4, 1, 1, 4);
    grid->addWidget(lblHead[5], 5, 0);
    grid->addWidget(txtRoute, 5, 1, 1, 4);
    grid->addWidget(lblHead[6], 6, 0);
    auto* balance = new QHBoxLayout;
    balance->addWidget(txtBalance);
    balance->addSpacing(16);
    balance->addWidget(lblChoice);
    balance->addSpacing(6);
    balance->addWidget(txtDate);
    balance->addWidget(picDate);
    balance->addStretch(1);
    grid->addLayout(balance, 6, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    outer->addWidget(lblState);
    outer->addStretch(1); // the room of the add mode's line, when it is hidden

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    for (CommandButton* b : {cmdPrevious, cmdNext, cmdBack, cmdState}) {
        b->setMinimumSize(120, 32);
        buttons->addWidget(b);
    }
    outer->addLayout(buttons);
    outer->addWidget(lblSelIn);

    const QList<QWidget*> order = {txtName, txtAddress, txtCity,     cmbState, txtPhone1, txtPhone2,
                                   txtPhone3, cmbType,  txtAccount,  txtRoute, txtBalance, txtDate,
                                   cmdPrevious, cmdNext, cmdBack,    cmdState};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    resize(sizeHint().expandedTo(QSize(600, 0)));
    style::centerOnScreen(this);
}

void frmBank::wireHandlers()
{
    for (TextBox* box : {txtName, txtAddress, txtCity, txtPhone1, txtPhone2, txtPhone3, txtAccount, txtRoute})
        box->GotFocus = [box] { select_All_Text(box); };
    for (ComboBox* box : {cmbState, cmbType})
        box->GotFocus = [box] { select_All_Text(box); };

    // A full telephone part moves the focus on, until the calendar has been used.
    const std::tuple<TextBox*, int, Control*> parts[] = {
        {txtPhone1, 2, txtPhone2}, {txtPhone2, 2, txtPhone3}, {txtPhone3, 3, cmbType}};
    for (const auto& [box, full, next] : parts) {
        box->KeyPress = [](int& k) { digits_KeyPress(k); };
        box->KeyUp = [this, box, full, next](int, int) {
            if (setflag && box->Text().size() > full)
                next->SetFocus();
        };
    }
    txtAccount->KeyPress = [this](int& k) {
        if (!updateOrDelete())
            return;
        msgBox(kCannotChange, vbExclamation);
        k = 0;
    };
    cmbState->KeyPress = [this](int& k) { state_KeyPress(cmbState, k); };
    cmbState->Change = [this] {
        if (cmbState->Text().size() > 1 && cmbState->Enabled())
            txtPhone1->SetFocus();
    };
    cmbState->LostFocus = [this] { cmbState->setText(UCase(cmbState->Text())); };
    cmbType->KeyPress = [this](int& k) {
        if (cmbType->Text().size() >= kTypeMaxLength && k != 8)
            k = 0;
    };
    txtDate->GotFocus = [this] {
        if (!program.frmEditBankBoxes().optEdit[2]->Value())
            picDate_Click();
    };
    picDate->Click = [this] { picDate_Click(); };

    wireHighlight({cmdNext, cmdPrevious, cmdBack, cmdState});
    cmdNext->Click = [this] { cmdNext_Click(); };
    cmdPrevious->Click = [this] { cmdPrevious_Click(); };
    cmdBack->Click = [this] { cmdBack_Click(); };
    cmdState->Click = [this] { cmdState_Click(); };
}

bool frmBank::updateOrDelete() const
{
    const frmEditBankBoxes& chooser = program.frmEditBankBoxes();
    return chooser.optEdit[1]->Value() || chooser.optEdit[2]->Value();
}

void frmBank::lock_Account_Number() { txtAccount->setLocked(updateOrDelete()); }

void frmBank::showEvent(QShowEvent* event)
{
    Screen::showEvent(event);
    if (!event->spontaneous())
        opening_ = true;
}

void frmBank::Form_Activate()
{
    if (setflag)
        txtName->SetFocus();
    lock_Account_Number();
    // Set up afresh only when the chooser has just shown the screen: a later activation (the
    // calendar closing, another window) keeps the account shown and what was typed.
    const bool opening = std::exchange(opening_, false);
    if (calFlag || !opening)
        return;
    clear_Entry_Flag(txtAccount);
    clear_Entry_Flag(txtName);
    clear_Form();
    switch (program.frmEditBankBoxes().optVal) {
    case 1:
        lblMainHead->setCaption(kUpdateHead);
        setup_Navigation();
        break;
    case 2:
        lblMainHead->setCaption(kDeleteHead);
        setup_Navigation();
        txtName->setLocked(true);
        for (Control* c : std::initializer_list<Control*>{txtAddress, txtCity, cmbState, cmbType, txtPhone1, txtPhone2,
                                                          txtPhone3, txtAccount, txtRoute, txtBalance, txtDate})
            c->setEnabled(false);
        break;
    default:
        lblMainHead->setCaption(kAddHead);
        cmdPrevious->setVisible(false);
        cmdNext->setVisible(false);
        lblState->setVisible(true);
        txtName->setText(kPrompt);
        cmbType->setText(kChecking);
        select_All_Text(txtName);
        break;
    }
    const QString head = lblMainHead->Caption();
    HelpID = head == kAddHead ? 41001 : head == kUpdateHead ? 42001 : head == kDeleteHead ? 43001 : HelpID;
    set_HelpContextIDs();
}

void frmBank::Form_Deactivate() { lock_Account_Number(); }

void frmBank::set_HelpContextIDs()
{
    for (Control* c : std::initializer_list<Control*>{txtName, txtAddress, txtPhone1, txtPhone2, txtPhone3, txtAccount,
                                                      txtBalance, txtCity, cmbState, cmbType, txtRoute, txtDate, cmdBack,
                                                      cmdState, cmdPrevious, cmdNext})
        c->HelpContextID = int(HelpID);
}

void frmBank::clear_Form()
{
    txtName->setText(kPrompt);
    for (Control* c : std::initializer_list<Control*>{txtAddress, txtCity, cmbState, txtPhone1, txtPhone2, txtPhone3,
                                                      txtAccount, txtRoute, txtBalance})
        setTextOf(c, QString());
    txtDate->setText(ShortDate(program.clock().today()));
    cmbType->setText(QString());
}

void frmBank::setup_Navigation()
{
    Recordset& rs = Data1.rsBank;
    cmdPrevious->setVisible(true);
    cmdNext->setVisible(true);
    cmdNext->setEnabled(rs.RecordCount() >= 2);
    cmdPrevious->setEnabled(false);
    lblState->setVisible(false);
    rs.MoveFirst();
    if (!rs.isEOF())
        load_Account();
}

void frmBank::load_Account()
{
    Recordset& rs = Data1.rsBank;
    QString values[bank::Count];
    for (int f = bank::Institution; f < bank::Count; ++f)
        values[f] = shown(rs.text(f));
    values[bank::Balance] = currencyShown(values[bank::Balance]);
    // In field order; the state comes last and, with two letters, moves the focus on.
    txtName->setText(values[bank::Institution]);
    txtAddress->setText(values[bank::Address]);
    txtPhone1->setText(values[bank::Phone1]);
    txtPhone2->setText(values[bank::Phone2]);
    txtPhone3->setText(values[bank::Phone3]);
    txtAccount->setText(values[bank::AccountNumber]);
    txtRoute->setText(values[bank::RouteNumber]);
    txtBalance->setText(values[bank::Balance]);
    txtDate->setText(values[bank::Date]);
    cmbType->setText(values[bank::AccountType]);
    txtCity->setText(values[bank::City]);
    cmbState->setText(values[bank::State]);
}

void frmBank::cmdNext_Click()
{
    Recordset& rs = Data1.rsBank;
    // One account on, never past the last, wherever the cursor was left.
    const qint64 count = rs.RecordCount();
    const qint64 at = rs.isBOF() ? -1 : rs.isEOF() ? count : rs.AbsolutePosition();
    if (at + 1 < count) {
        rs.MoveNext();
        cmdNext->setEnabled(at + 2 < count);
        cmdPrevious->setEnabled(at + 1 > 0);
        load_Account();
    } else {
        cmdNext->setEnabled(false);
    }
    txtName->SetFocus();
}

void frmBank::cmdPrevious_Click()
{
    Recordset& rs = Data1.rsBank;
    const qint64 count = rs.RecordCount();
    const qint64 at = rs.isBOF() ? -1 : rs.isEOF() ? count : rs.AbsolutePosition();
    if (at - 1 >= 0 && at - 1 < count) {
        rs.MovePrevious();
        cmdPrevious->setEnabled(at - 1 > 0);
        cmdNext->setEnabled(at - 1 < count - 1);
        load_Account();
    } else {
        cmdPrevious->setEnabled(false);
    }
    txtName->SetFocus();
}

bool frmBank::check_Entries()
{
    const QString name = txtName->Text();
    if (name.isEmpty() || name == kPrompt) {
        msgBox(kNoName, vbExclamation);
        txtName->setText(QString());
        flag_Empty_Entry(txtName);
        return false;
    }
    clear_Entry_Flag(txtName);
    // "None" would read back as no account number at all.
    const QString account = txtAccount->Text();
    if (account.isEmpty() || account == stored::None) {
        msgBox(kNoNumber, vbExclamation);
        flag_Empty_Entry(txtAccount);
        return false;
    }
    clear_Entry_Flag(txtAccount);
    return true;
}

bool frmBank::store_Account(bool adding)
{
    Recordset& rs = Data1.rsBank;
    const std::pair<int, Control*> fields[] = {
        {bank::Institution, txtName}, {bank::Address, txtAddress},     {bank::Phone1, txtPhone1},
        {bank::Phone2, txtPhone2},    {bank::Phone3, txtPhone3},       {bank::AccountNumber, txtAccount},
        {bank::RouteNumber, txtRoute}, {bank::Balance, txtBalance},    {bank::Date, txtDate},
        {bank::AccountType, cmbType}, {bank::City, txtCity},           {bank::State, cmbState}};
    try {
        EditGuard edit(rs);
        if (adding)
            rs.AddNew();
        for (const auto& [field, box] : fields) {
            const QString text = textOf(box);
            rs.setField(field, text.isEmpty() ? stored::None : text);
        }
        rs.Update();
    } catch (const DatabaseError&) {
        msgBox(adding ? kNotAdded : kNotUpdated, vbCritical);
        return false;
    }
    return true;
}

bool frmBank::find_Shown_Account()
{
    Recordset& rs = Data1.rsBank;
    const QString account = txtAccount->Text();
    const auto isShown = [&rs, &account] { return shown(rs.text(bank::AccountNumber)) == account; };
    try {
        if (!rs.isBOF() && !rs.isEOF() && isShown())
            return true;
    } catch (const RecordsetError&) {
        // The current row was deleted: look for the account from the start.
    }
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
        if (isShown())
            return true;
    return false;
}

void frmBank::cmdState_Click()
{
    Recordset& rs = Data1.rsBank;
    switch (program.frmEditBankBoxes().optVal) {
    case 0:
        Flagged = false;
        if (rs.RecordCount() >= 1) {
            for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
                if (txtAccount->Text() == rs.text(bank::AccountNumber)) {
                    Flagged = true;
                    break;
                }
            }
        }
        if (Flagged && !txtAccount->Text().isEmpty()) {
            msgBox(kDuplicate, vbExclamation);
            return;
        }
        add_Account();
        break;
    case 1:
        if (!check_Entries() || !find_Shown_Account() || !store_Account(false))
            return;
        msgBox(kUpdated, vbExclamation);
        leave();
        break;
    case 2:
        if (msgBox(kDeleteQuestion, vbQuestionYesNo) != vbYes || !find_Shown_Account())
            return;
        try {
            rs.Delete();
        } catch (const DatabaseError&) {
            msgBox(kNotDeleted, vbCritical);
            return;
        }
        unlock_Fields();
        leave();
        break;
    default:
        break;
    }
}

void frmBank::add_Account()
{
    if (!check_Entries() || !store_Account(true))
        return;
    msgBox(kAdded, vbInformation);
    leave();
}

void frmBank::check_For_Changes()
{
    Flagged = false; // the duplicate walk shares the flag
    Recordset& rs = Data1.rsBank;
    switch (program.frmEditBankBoxes().optVal) {
    case 1: {
        if (rs.isBOF() || rs.isEOF())
            return;
        if (txtName->Text() != rs.text(bank::Institution))
            Flagged = true;
        const std::pair<Control*, int> pairs[] = {
            {txtAddress, bank::Address}, {txtCity, bank::City},       {cmbState, bank::State},
            {txtPhone1, bank::Phone1},   {txtPhone2, bank::Phone2},   {txtPhone3, bank::Phone3},
            {txtAccount, bank::AccountNumber}, {txtRoute, bank::RouteNumber}, {txtBalance, bank::Balance},
            {txtDate, bank::Date},       {cmbType, bank::AccountType}};
        for (const auto& [box, field] : pairs) {
            const QString kept = rs.text(field);
            if (kept != stored::None && textOf(box) != kept)
                Flagged = true;
        }
        break;
    }
    case 0: {
        bool untouched = txtName->Text() == kPrompt;
        for (Control* c : std::initializer_list<Control*>{txtAddress, txtCity, cmbState, txtPhone1, txtPhone2, txtPhone3,
                                                          txtAccount, txtRoute, txtBalance})
            untouched = untouched && textOf(c).isEmpty();
        const QString date = txtDate->Text();
        untouched = untouched && (date.isEmpty() || date == ShortDate(program.clock().today()));
        untouched = untouched && (cmbType->Text() == kChecking || cmbType->Text().isEmpty());
        Flagged = !untouched;
        break;
    }
    default:
        break;
    }
}

void frmBank::cmdBack_Click()
{
    unlock_Fields();
    if (Data1.rsBank.RecordCount() >= 1) {
        check_For_Changes();
        if (Flagged && !program.frmEditBankBoxes().optEdit[2]->Value()
            && msgBox(kLoseChanges, vbExclamationYesNo) != vbYes)
            return;
    } else if (msgBox(kNothingSaved, vbQuestionYesNo) != vbYes) {
        return;
    }
    leave();
}

void frmBank::unlock_Fields()
{
    txtName->setLocked(false);
    for (Control* c : std::initializer_list<Control*>{txtAddress, txtCity, cmbState, cmbType, txtPhone1, txtPhone2,
                                                      txtPhone3, txtAccount, txtRoute, txtBalance, txtDate})
        c->setEnabled(true);
}

void frmBank::picDate_Click()
{
    // Up already (its own focus rule may ask again).
    if (!isEnabled())
        return;
    calFlag = true;
    // The calendar's return clears it; the activation that return brings must see it cleared.
    setflag = false;
    frmCalendar& calendar = program.frmCalendar();
    const QString date = txtDate->Text();
    // No date, or a text that is none, starts the calendar at today.
    calendar.presetDate(IsDate(date) ? CDate(date) : program.clock().today());
    calendar.calPick = 5;
    // The whole screen, its Cancel and its action wait for the calendar. It closes onto the
    // control after the date box, whose focus would open it again.
    calendar.showFor(*this, txtDate, [this](const frmCalendar::Pick& picked) { txtDate->setText(picked.text()); });
}

void frmBank::leave()
{
    Hide();
    program.frmGenInfo().Show();
}

void frmBank::Form_Unload(int& cancel)
{
    if (!isEnabled()) { // the calendar is up
        cancel = 1;
        return;
    }
    cancel_On_Close(cancel, [this] { cmdBack_Click(); });
}

} // namespace tlm::screens

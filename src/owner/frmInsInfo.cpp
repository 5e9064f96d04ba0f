#include "owner/frmInsInfo.h"

#include "owner/frmGenInfo.h"
#include "owner/owner_input.h"
#include "shell/frmCalendar.h"
#include "shell/pictures.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {

namespace pi = fld::PersonalInfo;

constexpr int kHelpTopic = 45001; // the insurance topic of the help file
const QString kDesignCoverage = QStringLiteral("$0.00");

const QString kFutureDate =
    QStringLiteral("You Must Select A Future Policy Expiration Date Before Selecting This Option!");
const QString kNotFuture = QStringLiteral("Date Is Not A Future Date...Resetting The Notification Checkbox!");
const QString kUpdated = QStringLiteral("Your Insurance Information Has Been Updated!");
const QString kInvalidDate =
    QStringLiteral("Invalid Policy Expiration Date...Be Sure The Format Is mm/dd/yyyy (Example: 12/25/2005)");
const QString kLoseChanges =
    QStringLiteral("Information Has Changed Regarding This Policy, All Changes Will Be Lost...Continue?");
const QString kNotSaved =
    QStringLiteral("Unable To Save Your Insurance Information...The Database Could Not Be Written!");

} // namespace

frmInsInfo::frmInsInfo(Program& program) : Screen(program)
{
    txtCompany = new TextBox(this);
    txtCompany->setToolTipText(QStringLiteral(" Enter The Company That Is Insuring Your Home Here "));
    txtPolicyNum = new TextBox(this);
    txtPolicyNum->setToolTipText(QStringLiteral(" Enter The Number Of The Policy For Your Home Here "));
    txtPolicyExpire = new TextBox(this);
    txtPolicyExpire->setToolTipText(QStringLiteral(" Enter The Expiration Date For Your Home Insurance Policy "));
    picDate = new PictureBox(this);
    picDate->setPicture(pictures::calendarIcon());
    picDate->setToolTipText(QStringLiteral(" This Icon Opens A Calendar So A Date Can Be Selected "));
    txtCoverageAmt = new CurrencyAmountBox(this, CurrencyAmountBox::Variant::Coverage);
    txtCoverageAmt->setText(kDesignCoverage);
    txtCoverageAmt->setToolTipText(
        QStringLiteral(" Enter The Maximum Amount The Insurance Company Will Pay In The Event A Claim Is Filed "));
    chkNotify = new CheckBox(this, QStringLiteral(" Notify Me 30 Days Before Policy Expiration"));
    chkNotify->setToolTipText(QStringLiteral(
        " Check This Box If You Want To Be Notified 30 Days Before Your Home Insurance Policy Expires "));
    cmdUpdate = new CommandButton(this, QStringLiteral("&Update"));
    cmdUpdate->setToolTipText(QStringLiteral(" Click Here To Update Insurance Information "));
    cmdCancel = new CommandButton(this, QStringLiteral("&Cancel"));
    cmdCancel->setToolTipText(QStringLiteral(" Click Here To Return To The Personal Information Window "));
    cmdClear = new CommandButton(this, QStringLiteral("Cle&ar"));
    cmdClear->setToolTipText(QStringLiteral(" Click Here To Clear This Form "));

    const QStringList heads = {QStringLiteral("Home Insurance Coverage"), QStringLiteral("Insurance Company"),
                               QStringLiteral("Policy Number"), QStringLiteral("Expiration"),
                               QStringLiteral("Coverage Amount")};
    for (int i = 0; i < heads.size(); ++i)
        lblHead.add(new Label(this, heads[i]), i);
    lblSelIn = new Label(this, QStringLiteral("Press F1 For Help"));

    buildLayout();
    wireHandlers();
    setHelpTopic(this, kHelpTopic);
}

void frmInsInfo::buildLayout()
{
    lblHead[0]->setFont(style::scaled(this, 6, true));
    lblHead[0]->setAlignment(Qt::AlignCenter);
    lblSelIn->setAlignment(Qt::AlignCenter);
    txtCompany->setAccessibleName(lblHead[1]->Caption());
    txtPolicyNum->setAccessibleName(lblHead[2]->Caption());
    txtPolicyExpire->setAccessibleName(lblHead[3]->Caption());
    picDate->setAccessibleName(QStringLiteral("Expiration Calendar"));
    txtCoverageAmt->setAccessibleName(lblHead[4]->Caption());
    for (int i = 1; i <= 4; ++i) {
        lblHead[i]->setFont(style::scaled(this, 0, true));
        lblHead[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    txtPolicyExpire->setFixedWidth(120);
    txtCoverageAmt->setFixedWidth(140);
    txtCoverageAmt->setAlignment(Qt::AlignRight);
    picDate->setFixedSize(28, 28);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 16, 24, 12);
    outer->setSpacing(12);
    outer->addWidget(lblHead[0]);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(lblHead[1], 0, 0);
    grid->addWidget(txtCompany, 0, 1, 1, 3);
    grid->addWidget(lblHead[2], 1, 0);
    grid->addWidget(txtPolicyNum, 1, 1, 1, 3);
    grid->addWidget(lblHead[3], 2, 0);
    grid->addWidget(txtPolicyExpire, 2, 1);
    grid->addWidget(picDate, 2, 2);
    grid->addWidget(lblHead[4], 3, 0);
    grid->addWidget(txtCoverageAmt, 3, 1, 1, 2);
    grid->addWidget(chkNotify, 4, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    outer->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (CommandButton* b : {cmdUpdate, cmdCancel, cmdClear}) {
        b->setMinimumSize(96, 32);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->addWidget(lblSelIn);

    QWidget::setTabOrder(txtCompany, txtPolicyNum);
    QWidget::setTabOrder(txtPolicyNum, txtPolicyExpire);
    QWidget::setTabOrder(txtPolicyExpire, txtCoverageAmt);
    QWidget::setTabOrder(txtCoverageAmt, chkNotify);
    QWidget::setTabOrder(chkNotify, cmdUpdate);
    QWidget::setTabOrder(cmdUpdate, cmdCancel);
    QWidget::setTabOrder(cmdCancel, cmdClear);

    resize(sizeHint().expandedTo(QSize(520, 0)));
    style::centerOnScreen(this);
}

void frmInsInfo::wireHandlers()
{
    // Released on the box, whatever the key or button: the box is checked and the policy saved.
    const auto released = [this] {
        checkflag = false;
        check_Notify_And_Save();
    };
    chkNotify->KeyUp = [released](int, int) { released(); };
    chkNotify->MouseUp = [released](int, int, int, int) { released(); };

    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    cmdUpdate->GotFocus = [this] { checkflag = true; };
    wireHighlight(cmdUpdate);
    cmdCancel->Click = [this] { cmdCancel_Click(); };
    cmdCancel->MouseUp = [this](int, int, int, int) { restore_Button(cmdCancel); };
    cmdClear->Click = [this] { cmdClear_Click(); };
    picDate->Click = [this] { picDate_Click(); };

    // The date is picked, never typed.
    txtPolicyExpire->KeyPress = [this](int& k) {
        k = 0;
        picDate_Click();
    };
    txtPolicyExpire->MouseDown = [this](int, int, int, int) { picDate_Click(); };
    txtPolicyExpire->Change = [this] { txtPolicyExpire_Change(); };
    txtPolicyExpire->GotFocus = [this] { select_All_Text(txtPolicyExpire); };
    txtPolicyExpire->LostFocus = [this] {
        if (!txtPolicyExpire->Text().isEmpty())
            txtPolicyExpire->setBackColor(colors::White);
    };
    for (TextBox* box : {txtCompany, txtPolicyNum}) {
        box->GotFocus = [box] { select_All_Text(box); };
        box->LostFocus = [box] {
            if (box->Text().isEmpty())
                box->setText(stored::None);
        };
    }
}

bool frmInsInfo::save_Policy()
{
    try {
        Recordset& general = Data1.general();
        EditGuard edit(general);
        write_Policy(general);
        general.Update();
    } catch (const DatabaseError&) {
        return false; // the row's changes are cancelled
    }
    return true;
}

void frmInsInfo::write_Policy(Recordset& general)
{
    const auto orNone = [](const QString& t) { return t.isEmpty() ? stored::None : t; };
    const QString expiration = txtPolicyExpire->Text();
    general.setField(pi::PolicyExpiration, expiration.isEmpty() ? stored::None : expiration);
    txtPolicyExpire->setText(general.text(pi::PolicyExpiration));
    general.setField(pi::PolicyCompany, orNone(txtCompany->Text()));
    general.setField(pi::PolicyNumber, orNone(txtPolicyNum->Text()));
    const QString coverage = txtCoverageAmt->Text();
    general.setField(pi::CoverageAmount, coverage.isEmpty() ? stored::None : currencyShown(coverage));
    txtCoverageAmt->setText(currencyShown(general.text(pi::CoverageAmount)));
    general.setField(pi::Notify, chkNotify->Value() == 1 ? stored::Yes : stored::No);
}

void frmInsInfo::check_Notify_And_Save()
{
    const QString expiration = txtPolicyExpire->Text();
    bool refused = !IsDate(expiration);
    if (!refused && chkNotify->Value() == 1 && !checkflag && CDate(expiration) < program.clock().today())
        refused = true;
    if (refused) {
        msgBox(kFutureDate, vbExclamation);
        chkNotify->setValue(0);
        flag_Empty_Entry(txtPolicyExpire);
        return;
    }
    if (!save_Policy()) {
        msgBox(kNotSaved, vbCritical);
        show_Stored_Notify();
        return;
    }
    txtPolicyExpire->setBackColor(colors::White);
    txtCoverageAmt->setBackColor(colors::White);
}

void frmInsInfo::show_Stored_Notify()
{
    // After a refused write the box shows what the file holds, so that Cancel asks only about
    // what the owner really changed.
    chkNotify->setValue(Data1.general().text(pi::Notify) == stored::Yes ? 1 : 0);
}

void frmInsInfo::reset_Notify()
{
    msgBox(kNotFuture, vbExclamation);
    chkNotify->setValue(0);
    check_Notify_And_Save();
}

void frmInsInfo::txtPolicyExpire_Change()
{
    // Only a date the owner changes here is checked, never the one the owner screen fills in.
    if (!isVisible())
        return;
    const QString expiration = txtPolicyExpire->Text();
    if (expiration == stored::None)
        return;
    if (!IsDate(expiration))
        reset_Notify();
    else if (chkNotify->Value() == 1 && CDate(expiration) < program.clock().today())
        reset_Notify();
}

void frmInsInfo::cmdUpdate_Click()
{
    const auto refuse = [this] {
        msgBox(kInvalidDate, vbExclamation);
        txtPolicyExpire->SetFocus();
        select_All_Text(txtPolicyExpire);
    };
    const QString expiration = txtPolicyExpire->Text();
    const bool noDate = expiration.isEmpty() || expiration == stored::None;
    if (!noDate && !IsDate(expiration)) {
        refuse();
        return;
    }
    if (noDate)
        chkNotify->setValue(0);
    // The date was checked above: a write refused now is the store's, and is said as such.
    if (!save_Policy()) {
        msgBox(kNotSaved, vbCritical);
        show_Stored_Notify();
        return;
    }
    msgBox(kUpdated, vbInformation);
    Hide();
    program.frmGenInfo().Show();
    txtPolicyExpire->setBackColor(colors::White);
    txtCoverageAmt->setBackColor(colors::White);
}

void frmInsInfo::cmdCancel_Click()
{
    txtPolicyExpire->setBackColor(colors::White);
    const QString notify = chkNotify->Value() == 1 ? stored::Yes : stored::No;
    Recordset& general = Data1.general();
    const auto differs = [&general](int field, const QString& shown) { return UCase(general.text(field)) != UCase(shown); };
    const bool changed = differs(pi::Notify, notify) || differs(pi::PolicyNumber, txtPolicyNum->Text())
                         || differs(pi::PolicyExpiration, txtPolicyExpire->Text())
                         || differs(pi::CoverageAmount, txtCoverageAmt->Text())
                         || differs(pi::PolicyCompany, txtCompany->Text());
    if (changed && msgBox(kLoseChanges, vbQuestionYesNo) != vbYes)
        return;
    leave();
}

void frmInsInfo::cmdClear_Click()
{
    chkNotify->setValue(0);
    txtCompany->setText(stored::None);
    txtPolicyNum->setText(stored::None);
    txtPolicyExpire->setText(stored::None);
    txtCoverageAmt->setText(kDesignCoverage);
}

void frmInsInfo::picDate_Click()
{
    // Up already: the keys of a paste each ask for it.
    if (!isEnabled())
        return;
    frmCalendar& calendar = program.frmCalendar();
    calendar.calPick = 4;
    const QString shown = txtPolicyExpire->Text();
    // No date, or a text that is none, starts the calendar at today.
    calendar.presetDate(shown != stored::None && IsDate(shown) ? CDate(shown) : program.clock().today());
    calendar.showFor(*this, txtPolicyExpire,
                     [this](const frmCalendar::Pick& date) { txtPolicyExpire->setText(date.text()); });
}

void frmInsInfo::leave()
{
    program.frmGenInfo().Show();
    Hide();
}

void frmInsInfo::Form_Activate() { checkflag = true; }

// Closing drops the screen: it comes back as designed, filled again by the owner screen.
void frmInsInfo::Form_Unload(int& cancel)
{
    if (!isEnabled()) { // the calendar is up
        cancel = 1;
        return;
    }
    Hide();
    txtCompany->setText(QString());
    txtPolicyNum->setText(QString());
    txtPolicyExpire->setText(QString());
    txtCoverageAmt->setText(kDesignCoverage);
    chkNotify->setValue(0);
    for (Control* box : {static_cast<Control*>(txtPolicyExpire), static_cast<Control*>(txtCoverageAmt)})
        box->setBackColor(colors::White);
    checkflag = false;
    program.frmGenInfo().Show();
}

} // namespace tlm::screens

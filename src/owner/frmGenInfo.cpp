#include "owner/frmGenInfo.h"

#include "owner/frmEditBankBoxes.h"
#include "owner/frmInsInfo.h"
#include "owner/owner_input.h"
#include "shell/frmHeader.h"
#include "shell/frmMain.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {

namespace pi = fld::PersonalInfo;

constexpr int kHelpTopic = 44001; // the owner's information topic of the help file

const QString kCloseProgram = QStringLiteral("Are You Sure You Want To Close Tallowmere?");
const QString kLoseChanges = QStringLiteral("Any Changes You Have Made Will Be Lost...Continue Anyway?");

struct BoxDesign {
    int field;
    int maxLength;
    const char* label; // its own label, or the telephone number it is a part of
    const char* tip;
};

// In tab order.
const BoxDesign kBoxes[] = {
    {pi::First, 50, "First Name", " Enter Your First Name  "},
    {pi::Middle, 1, "M.I.", " Enter Your Middle Initial "},
    {pi::Last, 50, "Last Name", " Enter Your Last Name "},
    {pi::Address, 50, "Address", " Enter Your Current Address "},
    {pi::City, 50, "City", " Enter The City Where You Live "},
    {pi::ZIP, 20, "ZIP", " Enter The Postal ZIP Code "},
    {pi::HomePhone1, 3, "Home Phone Area Code", " Enter The Area Code Of Your Home Phone Number "},
    {pi::HomePhone2, 3, "Home Phone Prefix", " Enter The Phone Number Prefix Of Your Home Phone "},
    {pi::HomePhone3, 4, "Home Phone Number", " Enter The 4 Digit Number Of Your Home Phone "},
    {pi::WorkPhone1, 3, "Work Phone Area Code", " Enter The Area Code Of Your Work Phone Number "},
    {pi::WorkPhone2, 3, "Work Phone Prefix", " Enter The Phone Number Prefix Of Your Work Phone "},
    {pi::WorkPhone3, 4, "Work Phone Number", " Enter The 4 Digit Number Of Your Work Phone "},
    {pi::CellPhone1, 3, "Cell Phone Area Code", " Enter The Area Code Of Your Cell Phone Number "},
    {pi::CellPhone2, 3, "Cell Phone Prefix", " Enter The Phone Number Prefix Of Your Cell Phone "},
    {pi::CellPhone3, 4, "Cell Phone Number", " Enter The 4 Digit Number Of Your Cell Phone "},
    {pi::EMail, 255, "E-mail", " Enter Your E-mail Address Here "},
};

bool isPhonePart(int field) { return field >= pi::HomePhone1 && field <= pi::CellPhone3; }

// The last part of each number holds four digits, the others three.
bool isFourDigitPart(int field)
{
    return field == pi::HomePhone3 || field == pi::WorkPhone3 || field == pi::CellPhone3;
}

} // namespace

frmGenInfo::frmGenInfo(Program& program) : Screen(program)
{
    for (const BoxDesign& d : kBoxes) {
        auto* box = new TextBox(this);
        box->setMaxLength(d.maxLength);
        box->setToolTipText(QString::fromUtf8(d.tip));
        box->setAccessibleName(QString::fromUtf8(d.label));
        if (d.maxLength <= 4)
            box->setAlignment(Qt::AlignCenter);
        txtInfo.add(box, d.field);
    }
    cmbState = new ComboBox(this);
    for (const QString& code : stateCodes())
        cmbState->AddItem(code);
    cmbState->setToolTipText(QStringLiteral(" Select Or Enter The State Where You Live "));

    cmdBank = new CommandButton(this, QStringLiteral("&Bank Account Information"));
    cmdBank->setToolTipText(QStringLiteral(" Click Here To Add, Update, Delete or Review Your Financial Account(s) "));
    cmdInsInfo = new CommandButton(this, QStringLiteral("&Insurance Information"));
    cmdInsInfo->setToolTipText(QStringLiteral(" Click Here To Update Or Review Your Home Insurance Policy Information "));
    cmdBack.add(new CommandButton(this, QStringLiteral("&Cancel")), 0);
    cmdBack[0]->setToolTipText(QStringLiteral(" Click Here To Return To The Main Menu Without Saving Changes "));
    cmdContinue.add(new CommandButton(this, QStringLiteral("&Save && Continue")), 0);
    cmdContinue[0]->setToolTipText(QStringLiteral(" Click Here To Save Changes To Your Personal Information "));
    cmdContinue[0]->setAccessibleName(QStringLiteral("Save & Continue"));
    cmdExit = new CommandButton(this, QStringLiteral("E&xit "));
    cmdExit->setToolTipText(QStringLiteral(" Click Here To Close Tallowmere "));

    const QStringList heads = {QStringLiteral("Personal Information"), QStringLiteral("First, Complete the Personal Information:"),
                               QStringLiteral("Next, Click Save to Continue:")};
    for (int i = 0; i < heads.size(); ++i)
        lblHead.add(new Label(this, heads[i]), i);
    // Each number reads (area code) prefix-number.
    for (int i = 3; i <= 11; ++i) {
        const char* mark = (i % 3 == 0) ? "(" : (i % 3 == 1) ? ")" : "-";
        lblHead.add(new Label(this, QString::fromUtf8(mark)), i);
    }
    const std::pair<int, const char*> subheads[] = {
        {pi::First, "First Name"}, {pi::Middle, "M.I."},   {pi::Last, "Last Name"},          {pi::Address, "Address"},
        {pi::City, "City"},        {pi::State, "State"},   {pi::ZIP, "ZIP"},                 {pi::HomePhone1, "Home Phone"},
        {pi::WorkPhone1, "Work Phone"}, {pi::CellPhone1, "Cell Phone"}, {pi::EMail, "E-mail"}};
    for (const auto& [field, caption] : subheads)
        lblSubhead.add(new Label(this, QString::fromUtf8(caption)), field);
    lblSelIn = new Label(this, QStringLiteral("Press F1 For Help"));

    buildLayout();
    wireHandlers();
    setHelpTopic(this, kHelpTopic);
}

void frmGenInfo::buildLayout()
{
    lblHead[0]->setFont(style::scaled(this, 8, true));
    lblHead[0]->setAlignment(Qt::AlignCenter);
    lblHead[1]->setFont(style::scaled(this, 1, true));
    lblHead[2]->setFont(style::scaled(this, 1, true));
    for (Label* l : lblSubhead)
        l->setFont(style::scaled(this, 0, true));
    lblSelIn->setAlignment(Qt::AlignCenter);

    for (int field : {pi::First, pi::Last, pi::Address, pi::City, pi::EMail})
        txtInfo[field]->setMinimumWidth(180);
    txtInfo[pi::Middle]->setFixedWidth(40);
    cmbState->setFixedWidth(72);
    txtInfo[pi::ZIP]->setFixedWidth(110);
    for (TextBox* box : txtInfo)
        if (isPhonePart(box->Index))
            box->setFixedWidth(isFourDigitPart(box->Index) ? 56 : 44);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 16, 24, 12);
    outer->setSpacing(8);
    outer->addWidget(lblHead[0]);
    outer->addSpacing(4);
    outer->addWidget(lblHead[1]);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(2);
    // The label over a box is its buddy: it says what the box is for, also for the state list,
    // which a screen reader names by the state it shows.
    const auto labelled = [grid](int row, int column, Label* label, QWidget* box, int span = 1) {
        label->setBuddy(box);
        grid->addWidget(label, row, column, 1, span);
        grid->addWidget(box, row + 1, column, 1, span);
        grid->setRowMinimumHeight(row + 2, 8);
    };
    labelled(0, 0, lblSubhead[pi::First], txtInfo[pi::First]);
    labelled(0, 1, lblSubhead[pi::Middle], txtInfo[pi::Middle]);
    labelled(0, 2, lblSubhead[pi::Last], txtInfo[pi::Last]);
    labelled(3, 0, lblSubhead[pi::Address], txtInfo[pi::Address], 3);
    labelled(6, 0, lblSubhead[pi::City], txtInfo[pi::City]);
    labelled(6, 1, lblSubhead[pi::State], cmbState);
    labelled(6, 2, lblSubhead[pi::ZIP], txtInfo[pi::ZIP]);
    // (area code) prefix-number, one row of labels over one row of numbers.
    const auto phone = [this](int first, int mark) {
        auto* row = new QHBoxLayout;
        row->setSpacing(3);
        row->addWidget(lblHead[mark]);
        row->addWidget(txtInfo[first]);
        row->addWidget(lblHead[mark + 1]);
        row->addSpacing(4);
        row->addWidget(txtInfo[first + 1]);
        row->addWidget(lblHead[mark + 2]);
        row->addWidget(txtInfo[first + 2]);
        row->addStretch(1);
        return row;
    };
    grid->addWidget(lblSubhead[pi::HomePhone1], 9, 0);
    grid->addWidget(lblSubhead[pi::WorkPhone1], 9, 1, 1, 2);
    grid->addLayout(phone(pi::HomePhone1, 3), 10, 0);
    grid->addLayout(phone(pi::WorkPhone1, 6), 10, 1, 1, 2);
    grid->setRowMinimumHeight(11, 8);
    grid->addWidget(lblSubhead[pi::CellPhone1], 12, 0);
    grid->addLayout(phone(pi::CellPhone1, 9), 13, 0);
    grid->setRowMinimumHeight(14, 8);
    labelled(15, 0, lblSubhead[pi::EMail], txtInfo[pi::EMail], 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    outer->addLayout(grid);

    outer->addWidget(lblHead[2]);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    for (CommandButton* b : {cmdBank, cmdInsInfo, cmdBack[0], cmdContinue[0], cmdExit}) {
        b->setMinimumHeight(32);
        buttons->addWidget(b);
    }
    outer->addLayout(buttons);
    outer->addWidget(lblSelIn);

    QWidget* previous = nullptr;
    for (const BoxDesign& d : kBoxes) {
        QWidget* box = txtInfo[d.field];
        if (d.field == pi::ZIP) {
            QWidget::setTabOrder(previous, cmbState);
            previous = cmbState;
        }
        if (previous)
            QWidget::setTabOrder(previous, box);
        previous = box;
    }
    for (QWidget* b : {static_cast<QWidget*>(cmdBank), static_cast<QWidget*>(cmdInsInfo),
                       static_cast<QWidget*>(cmdBack[0]), static_cast<QWidget*>(cmdContinue[0]),
                       static_cast<QWidget*>(cmdExit)}) {
        QWidget::setTabOrder(previous, b);
        previous = b;
    }

    resize(sizeHint().expandedTo(QSize(640, 0)));
    style::centerOnScreen(this);
}

void frmGenInfo::wireHandlers()
{
    for (TextBox* box : txtInfo) {
        const int index = box->Index;
        box->Change = [this, index] { txtInfo_Change(index); };
        box->GotFocus = [box] { select_All_Text(box); };
        if (isPhonePart(index))
            box->KeyPress = [](int& k) { digits_KeyPress(k); };
    }
    cmbState->KeyPress = [this](int& k) { state_KeyPress(cmbState, k); };
    cmbState->Change = [this] {
        if (cmbState->Text().size() > 1)
            txtInfo[pi::ZIP]->SetFocus();
    };
    cmbState->GotFocus = [this] { select_All_Text(cmbState); };
    cmbState->LostFocus = [this] { cmbState->setText(UCase(cmbState->Text())); };

    wireHighlight({cmdBank, cmdInsInfo, cmdBack[0], cmdContinue[0], cmdExit});
    cmdBank->Click = [this] { cmdBank_Click(); };
    cmdInsInfo->Click = [this] { cmdInsInfo_Click(); };
    cmdBack[0]->Click = [this] { cmdBack_Click(); };
    cmdContinue[0]->Click = [this] { cmdContinue_Click(); };
    cmdExit->Click = [this] { cmdExit_Click(); };
}

// A full telephone part moves on to the next one; the cell number's last part to the e-mail box.
void frmGenInfo::txtInfo_Change(int index)
{
    if (!isPhonePart(index))
        return;
    if (txtInfo[index]->Text().size() == (isFourDigitPart(index) ? 4 : 3))
        txtInfo[index + 1]->SetFocus();
}

void frmGenInfo::load_PersonalInfo()
{
    Recordset& rs = Data1.general();
    QString values[pi::EMail + 1];
    for (int i = 0; i <= pi::EMail; ++i)
        values[i] = rs.text(i);
    // The boxes' change rules run while they are filled, as when they are typed.
    for (int i = 0; i <= pi::EMail; ++i) {
        const QString& v = values[i];
        const bool none = UCase(v) == UCase(stored::None);
        if (i == pi::State)
            cmbState->setText(none ? QString() : v);
        else
            txtInfo[i]->setText(none || v == stored::NoPhone3 || v == stored::NoPhone4 ? QString() : v);
    }
}

void frmGenInfo::save_It()
{
    const auto orNone = [](const QString& t) { return t.isEmpty() ? stored::None : t; };
    Recordset& rs = Data1.general();
    EditGuard edit(rs);
    for (int i = pi::Last; i <= pi::City; ++i)
        rs.setField(i, orNone(txtInfo[i]->Text()));
    rs.setField(pi::State, orNone(UCase(cmbState->Text())));
    rs.setField(pi::ZIP, orNone(UCase(txtInfo[pi::ZIP]->Text())));
    for (int i = pi::HomePhone1; i <= pi::CellPhone3; ++i) {
        const QString t = txtInfo[i]->Text();
        rs.setField(i, !t.isEmpty() ? t : isFourDigitPart(i) ? stored::NoPhone4 : stored::NoPhone3);
    }
    rs.setField(pi::EMail, orNone(txtInfo[pi::EMail]->Text()));
    rs.Update();
}

void frmGenInfo::cmdContinue_Click()
{
    save_It();
    txtInfo[pi::First]->SetFocus();
    Hide();
    program.frmMain().Show();
}

void frmGenInfo::cmdBack_Click()
{
    if (msgBox(kLoseChanges, vbQuestionYesNo) != vbYes)
        return;
    txtInfo[pi::First]->SetFocus();
    return_To_Main_Menu();
}

void frmGenInfo::return_To_Main_Menu()
{
    program.frmMain().Show();
    Hide();
}

void frmGenInfo::cmdInsInfo_Click()
{
    save_It();
    Recordset& rs = Data1.general();
    const QString company = rs.text(pi::PolicyCompany);
    const QString number = rs.text(pi::PolicyNumber);
    const QString expiration = rs.text(pi::PolicyExpiration);
    const QString coverage = currencyShown(rs.text(pi::CoverageAmount));
    const bool notify = rs.text(pi::Notify) == stored::Yes;

    frmInsInfo& insurance = program.frmInsInfo();
    insurance.txtCompany->setText(company);
    insurance.txtPolicyNum->setText(number);
    insurance.txtPolicyExpire->setText(expiration);
    insurance.txtCoverageAmt->setText(coverage);
    insurance.chkNotify->setValue(notify ? 1 : 0);
    insurance.checkflag = false;
    insurance.Show();
    Hide();
}

void frmGenInfo::cmdBank_Click()
{
    Hide();
    // The chooser hands over to the account screen, or comes back here when cancelled.
    program.frmEditBankBoxes().showFor(*this, [this] { Show(); });
}

void frmGenInfo::cmdExit_Click()
{
    int cancel = 0;
    Form_Unload(cancel);
}

void frmGenInfo::Form_Activate() { program.frmHeader().keyboardFlag = 17; }

// The program closes only after a Yes, and the owner's edits are kept.
void frmGenInfo::Form_Unload(int& cancel)
{
    cancel = 1;
    if (msgBox(kCloseProgram, vbQuestionYesNo) != vbYes)
        return;
    save_It();
    program.startShutdown();
    Hide();
}

} // namespace tlm::screens

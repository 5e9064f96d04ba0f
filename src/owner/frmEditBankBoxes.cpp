#include "owner/frmEditBankBoxes.h"

#include "owner/frmBank.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {
constexpr int kHelpTopic = 46001; // the account chooser's topic of the help file
}

frmEditBankBoxes::frmEditBankBoxes(Program& program) : Screen(program)
{
    const std::pair<const char*, const char*> options[] = {
        {"&Add", " Select This Option To Add A Financial Account, Then Select Continue "},
        {"&View / Update", " Select This Option To View or Update An Existing Financial Account, Then Select Continue "},
        {"&Delete", " Select This Option To Delete A Financial Account You No Longer Have Or Want, Then Select Continue "}};
    for (const auto& [caption, tip] : options) {
        auto* option = new OptionButton(this, QString::fromUtf8(caption));
        option->setToolTipText(QString::fromUtf8(tip));
        optEdit.add(option);
    }
    optEdit[0]->setValue(true);
    cmdUpdate = new CommandButton(this, QStringLiteral("C&ontinue"));
    cmdUpdate->setToolTipText(QStringLiteral(" Click Here To Continue To Financial Account Information "));
    cmdCancel = new CommandButton(this, QStringLiteral("&Cancel"));
    cmdCancel->setToolTipText(QStringLiteral(" Click Here To Return To The Personal Information Window "));
    lblHead = new Label(this, QStringLiteral("Add/Edit Financial Account"));
    lblHead2 = new Label(this, QStringLiteral("First, Select An Option"));
    lblHead3 = new Label(this, QStringLiteral("Second, Select Continue"));
    lblSelIn = new Label(this, QStringLiteral("Press F1 For Help"));

    lblHead->setFont(style::scaled(this, 5, true));
    lblHead->setAlignment(Qt::AlignCenter);
    lblHead2->setFont(style::scaled(this, 1, true));
    lblHead3->setFont(style::scaled(this, 1, true));
    lblSelIn->setAlignment(Qt::AlignCenter);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 16, 24, 12);
    outer->setSpacing(8);
    outer->addWidget(lblHead);
    outer->addSpacing(4);
    outer->addWidget(lblHead2);
    for (int i = 0; i < optEdit.size(); ++i) {
        auto* row = new QHBoxLayout;
        row->addSpacing(24);
        row->addWidget(optEdit[i]);
        outer->addLayout(row);
    }
    outer->addSpacing(4);
    outer->addWidget(lblHead3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (CommandButton* b : {cmdUpdate, cmdCancel}) {
        b->setMinimumSize(104, 32);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->addWidget(lblSelIn);
    QWidget::setTabOrder(optEdit[2], cmdUpdate);
    QWidget::setTabOrder(cmdUpdate, cmdCancel);

    for (int i = 0; i < optEdit.size(); ++i) {
        optEdit[i]->Click = [this, i] { optEdit_Click(i); };
        optEdit[i]->HelpContextID = kHelpTopic;
    }
    cmdUpdate->HelpContextID = kHelpTopic;
    cmdCancel->HelpContextID = kHelpTopic;
    wireHighlight({cmdUpdate, cmdCancel});
    cmdUpdate->Click = [this] { cmdUpdate_Click(); };
    cmdCancel->Click = [this] { cmdCancel_Click(); };

    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));
    style::centerOnScreen(this);
}

void frmEditBankBoxes::showFor(Form& opener, std::function<void()> onCancel)
{
    onCancel_ = std::move(onCancel);
    modal_.open(opener);
}

// Every opening starts on Add.
void frmEditBankBoxes::Form_Activate()
{
    optVal = 0;
    optEdit[0]->setValue(true);
}

void frmEditBankBoxes::optEdit_Click(int index)
{
    static const char* const captions[] = {"&Add New Account", "&Update Account", "&Delete Account"};
    frmBank& bank = program.frmBank();
    optVal = qint16(index);
    bank.cmdState->setCaption(QString::fromUtf8(captions[index]));
    bank.picDate->setEnabled(index != 2);
}

void frmEditBankBoxes::cmdUpdate_Click()
{
    frmBank& bank = program.frmBank();
    bank.setflag = true;
    if (optVal == 0) {
        bank.cmdState->setToolTipText(QStringLiteral(" Click Here To Add A New Financial Account "));
        show_Bank_Form();
        return;
    }
    const bool update = optVal == 1;
    if (Data1.rsBank.RecordCount() < 1) {
        msgBox(update ? QStringLiteral("There Are No Accounts Available To Update!")
                      : QStringLiteral("There Are No Accounts Available To Delete!"),
               vbInformation);
        optEdit[0]->setValue(true);
        return;
    }
    bank.cmdState->setToolTipText(update ? QStringLiteral(" Click Here To Update Financial Account ")
                                         : QStringLiteral(" Click Here To Delete Financial Account "));
    bank.txtAccount->setLocked(true);
    show_Bank_Form();
}

void frmEditBankBoxes::show_Bank_Form()
{
    frmBank& bank = program.frmBank();
    bank.calFlag = false;
    bank.Show();
    modal_.giveBack();
    Hide();
}

void frmEditBankBoxes::cmdCancel_Click()
{
    if (const std::function<void()> back = std::exchange(onCancel_, nullptr))
        back();
    modal_.giveBack();
    Hide();
}

void frmEditBankBoxes::Form_Unload(int& cancel)
{
    cancel_On_Close(cancel, [this] { cmdCancel_Click(); });
}

} // namespace tlm::screens

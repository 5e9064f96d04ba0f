#include "shell/frmHeader.h"

#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"
#include "shell/frmIntroduction.h"
#include "shell/frmMain.h"

#include <QFileInfo>

namespace tlm::screens {

namespace {
const QString kAlreadyRunning = QStringLiteral("Tallowmere Is Already Running!");
const QString kUnableToLoad = QStringLiteral("Unable To Load Database...Closing Program!");
const QString kProgramName = QStringLiteral("Tallowmere");

// The end of a start-up that could not go on.
constexpr int kStartupFailed = 1;
} // namespace

frmHeader::frmHeader(Program& program) : Screen(program) {}

void frmHeader::Form_Load()
{
    try {
        check_Already_Running();
        if (program.hasEnded())
            return;
        keyboardFlag = 1;
        Data1.openAll();
        Hide();
        tell_If_Read_Only();
        load_Start_Screen();
        program.AssetReport().setCaption(QStringLiteral("Asset Report - Tallowmere by Brindlecote Software"));
        program.CoverSheet().setCaption(QStringLiteral("Cover Sheet - Tallowmere by Brindlecote Software"));
        program.FillOutForm().setCaption(QStringLiteral("Asset Information Form - Tallowmere by Brindlecote Software"));
    } catch (...) {
        msgBox(kUnableToLoad, vbCritical);
        program.End(kStartupFailed);
    }
}

void frmHeader::check_Already_Running()
{
    // Every process whose name holds the program's name counts, this copy included.
    qint64 count = 0;
    for (const QString& name : program.processes().names())
        if (name.contains(kProgramName, Qt::CaseSensitive))
            ++count;
    bool another = count >= 2;

    // A copy started under another name still holds the database folder's lock.
    if (!another && !program.lockDatabaseFolder())
        another = true;
    if (another) {
        msgBox(kAlreadyRunning, vbExclamation);
        program.End(kStartupFailed);
    }
}

void frmHeader::load_Start_Screen()
{
    newFlagChk = QStringLiteral("1");
    Hide();
    Recordset& general = Data1.general();
    if (general.text(fld::PersonalInfo::IntroDone) != newFlagChk) {
        program.frmIntroduction().Show();
        return;
    }
    if (UCase(general.text(fld::PersonalInfo::Notify)) == UCase(stored::Yes))
        show_Policy_Notice();
    program.frmMain().Show();
}

void frmHeader::tell_If_Read_Only()
{
    // Said once, before any work is lost: nothing changed in this run can be kept.
    const QString file = Data1.Home.file();
    QString why;
    switch (Data1.Home.readOnly()) {
    case Database::ReadOnly::No:
        return;
    case Database::ReadOnly::FileSystem:
        why = QStringLiteral("The Disk Holding Your Database Is Read-Only (") + file + u')';
        break;
    case Database::ReadOnly::Folder:
        why = QStringLiteral("The Database Folder Cannot Be Written To (") + QFileInfo(file).absolutePath() + u')';
        break;
    case Database::ReadOnly::File:
        why = QStringLiteral("The Database File Is Read-Only (") + file + u')';
        break;
    case Database::ReadOnly::Connection:
        why = QStringLiteral("The Database Could Only Be Opened For Reading (") + file + u')';
        break;
    }
    msgBox(QStringLiteral("Your Changes Cannot Be Saved Because ") + why
               + QStringLiteral("...You Can Look Through Your Inventory, But Nothing You Change Will Be Kept!"),
           vbExclamation);
}

void frmHeader::show_Policy_Notice()
{
    const QString expiration = Data1.general().text(fld::PersonalInfo::PolicyExpiration);
    // A policy date that is not a date cannot expire; the insurance screen asks for a real one.
    if (!IsDate(expiration))
        return;
    const qint64 days = program.clock().today().daysTo(CDate(expiration));
    if (days < 0)
        msgBox(QStringLiteral("Your Insurance Policy Has Expired...Please Renew Your Insurance Policy So You Can "
                              "Ensure Coverage In The Event Of Theft Or Disaster!"),
               vbInformation);
    else if (days == 0)
        msgBox(QStringLiteral("    Your Insurance Policy Expires Today! "), vbInformation);
    else if (days == 1)
        msgBox(QStringLiteral("   Your Insurance Policy Expires In 1 Day!"), vbInformation);
    else if (days <= 30)
        msgBox(QStringLiteral("Your Insurance Policy Expires In ") + QString::number(days) + QStringLiteral(" Days!"),
               vbInformation);
}

} // namespace tlm::screens

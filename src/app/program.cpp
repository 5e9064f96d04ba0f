#include "app/program.h"

#include "shell/frmBC_Splash.h"
#include "shell/frmHeader.h"
#include "shell/frmIntroduction.h"
#include "shell/frmKeyboard.h"
#include "shell/frmMain.h"
#include "shell/frmTotals.h"
#include "shell/frmCalendar.h"
#include "shell/frmProgress.h"
#include "shell/frmExit.h"
#include "assets/frmAuto.h"
#include "assets/frmAddUpDel.h"
#include "assets/frmWar.h"
#include "search/frmSearch.h"
#include "search/frmSearchResults.h"
#include "search/frmPrint.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"
#include "lists/frmEditCmbBoxes.h"
#include "lists/frmAddField.h"
#include "lists/frmUpdate.h"
#include "lists/frmDelField.h"
#include "owner/frmGenInfo.h"
#include "owner/frmInsInfo.h"
#include "owner/frmEditBankBoxes.h"
#include "owner/frmBank.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <unistd.h>

namespace tlm {

Program::Program(Paths paths, Services services)
    : paths_(std::move(paths)), services_(std::move(services)),
      data_(std::make_unique<DataEnvironment>(paths_.databaseFile()))
{
    if (!services_.processes)
        services_.processes = std::make_unique<ProcessList>();
    if (!services_.printer)
        services_.printer = std::make_unique<report::SystemPrinter>();
    if (!services_.saveDialog)
        services_.saveDialog = std::make_unique<report::SystemSaveFileDialog>();
    forms_.help = services_.help.get();
    forms_.messages = services_.messages.get();
}

Program::~Program()
{
    // Screens first: they refer to the data and the services.
    frmBank_.reset();
    frmEditBankBoxes_.reset();
    frmInsInfo_.reset();
    frmGenInfo_.reset();
    frmDelField_.reset();
    frmUpdate_.reset();
    frmAddField_.reset();
    frmEditCmbBoxes_.reset();
    FillOutForm_.reset();
    CoverSheet_.reset();
    AssetReport_.reset();
    frmPrint_.reset();
    frmSearchResults_.reset();
    frmSearch_.reset();
    frmWar_.reset();
    frmAddUpDel_.reset();
    frmAuto_.reset();
    frmExit_.reset();
    frmProgress_.reset();
    frmCalendar_.reset();
    frmTotals_.reset();
    frmMain_.reset();
    frmKeyboard_.reset();
    frmIntroduction_.reset();
    frmHeader_.reset();
    frmBC_Splash_.reset();
    unlockDatabaseFolder();
}

int Program::msgBox(const QString& text, int style, const QString& title)
{
    // The box waits in an event loop of its own: what runs meanwhile is no part of the handler
    // that asked.
    FormManager::EventLoopScope loop(forms_);
    return services_.messages->show(text, style, title);
}

void Program::startShutdown() { frmProgress().Show(); }

void Program::End(int exitCode)
{
    if (ended_)
        return;
    ended_ = true;
    exitCode_ = exitCode;
    if (onEnd)
        onEnd(exitCode);
}

bool Program::lockDatabaseFolder()
{
    if (lockFd_ >= 0)
        return true;
    // The lock is held on the database folder itself, which is there whether or not it may be
    // written: no file of ours decides whether the program may start.
    QDir().mkpath(paths_.databaseFolder());
    const QByteArray folder = QFile::encodeName(paths_.databaseFolder());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("the database folder cannot be opened");
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            return false;
        throw std::runtime_error("the database folder cannot be locked");
    }
    lockFd_ = fd;
    return true;
}

void Program::unlockDatabaseFolder()
{
    if (lockFd_ >= 0) {
        ::flock(lockFd_, LOCK_UN);
        ::close(lockFd_);
        lockFd_ = -1;
    }
}

template <class T>
T& Program::screen(std::unique_ptr<T>& slot)
{
    if (!slot) {
        slot = std::make_unique<T>(*this);
        slot->load();
    }
    return *slot;
}

screens::frmBC_Splash& Program::frmBC_Splash() { return screen(frmBC_Splash_); }
screens::frmHeader& Program::frmHeader() { return screen(frmHeader_); }
screens::frmIntroduction& Program::frmIntroduction() { return screen(frmIntroduction_); }
screens::frmKeyboard& Program::frmKeyboard() { return screen(frmKeyboard_); }
screens::frmMain& Program::frmMain() { return screen(frmMain_); }
screens::frmTotals& Program::frmTotals() { return screen(frmTotals_); }
screens::frmCalendar& Program::frmCalendar() { return screen(frmCalendar_); }
screens::frmProgress& Program::frmProgress() { return screen(frmProgress_); }
screens::frmExit& Program::frmExit() { return screen(frmExit_); }
screens::frmAuto& Program::frmAuto() { return screen(frmAuto_); }
screens::frmAddUpDel& Program::frmAddUpDel() { return screen(frmAddUpDel_); }
screens::frmWar& Program::frmWar() { return screen(frmWar_); }
screens::frmSearch& Program::frmSearch() { return screen(frmSearch_); }
screens::frmSearchResults& Program::frmSearchResults() { return screen(frmSearchResults_); }
screens::frmPrint& Program::frmPrint() { return screen(frmPrint_); }
screens::AssetReport& Program::AssetReport() { return screen(AssetReport_); }
screens::CoverSheet& Program::CoverSheet() { return screen(CoverSheet_); }
screens::FillOutForm& Program::FillOutForm() { return screen(FillOutForm_); }
screens::frmEditCmbBoxes& Program::frmEditCmbBoxes() { return screen(frmEditCmbBoxes_); }
screens::frmAddField& Program::frmAddField() { return screen(frmAddField_); }
screens::frmUpdate& Program::frmUpdate() { return screen(frmUpdate_); }
screens::frmDelField& Program::frmDelField() { return screen(frmDelField_); }
screens::frmGenInfo& Program::frmGenInfo() { return screen(frmGenInfo_); }
screens::frmInsInfo& Program::frmInsInfo() { return screen(frmInsInfo_); }
screens::frmEditBankBoxes& Program::frmEditBankBoxes() { return screen(frmEditBankBoxes_); }
screens::frmBank& Program::frmBank() { return screen(frmBank_); }

} // namespace tlm

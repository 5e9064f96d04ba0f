#pragma once
// The one context of a run: the data, the services and one instance of every screen,
// each created on first use. A test makes its own Program over its own folder.
#include "data/data_environment.h"
#include "platform/clock.h"
#include "platform/forms/form.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/processes.h"
#include "platform/report/printing.h"

#include <functional>
#include <memory>

namespace tlm::screens {
class frmBC_Splash;
class frmHeader;
class frmIntroduction;
class frmKeyboard;
class frmMain;
class frmTotals;
class frmCalendar;
class frmProgress;
class frmExit;
class frmAuto;
class frmAddUpDel;
class frmWar;
class frmSearch;
class frmSearchResults;
class frmPrint;
class AssetReport;
class CoverSheet;
class FillOutForm;
class frmEditCmbBoxes;
class frmAddField;
class frmUpdate;
class frmDelField;
class frmGenInfo;
class frmInsInfo;
class frmEditBankBoxes;
class frmBank;
} // namespace tlm::screens

namespace tlm {

class Program {
public:
    struct Services {
        std::unique_ptr<MessageBoxService> messages;
        std::unique_ptr<ProcessList> processes;
        std::unique_ptr<HelpService> help;
        // The reports' printer and the save dialog of their PDF export (the system's when not given).
        std::unique_ptr<report::PrinterService> printer;
        std::unique_ptr<report::SaveFileDialog> saveDialog;
    };

    Program(Paths paths, Services services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DataEnvironment& Data1() { return *data_; }
    const Paths& paths() const { return paths_; }
    Clock& clock() { return clock_; }
    ProcessList& processes() { return *services_.processes; }
    HelpService& help() { return *services_.help; }
    report::PrinterService& printer() { return *services_.printer; }
    report::SaveFileDialog& saveDialog() { return *services_.saveDialog; }
    FormManager& forms() { return forms_; }

    int msgBox(const QString& text, int style, const QString& title = kTitle);

    // The road to the end of the program: the save screen is shown, which runs the shut-down.
    void startShutdown();

    // The end of the program: no screen runs after it. The program leaves its event loop;
    // tests see that it was reached.
    void End(int exitCode = 0);
    bool hasEnded() const { return ended_; }
    int exitCode() const { return exitCode_; }
    std::function<void(int)> onEnd;

    // An exclusive lock on the database folder, held for the whole run, so that a second
    // copy never opens the same database, whatever its file is called. False when another
    // copy holds it; throws when the folder cannot be made or opened.
    bool lockDatabaseFolder();
    void unlockDatabaseFolder();

    screens::frmBC_Splash& frmBC_Splash();
    screens::frmHeader& frmHeader();
    screens::frmIntroduction& frmIntroduction();
    screens::frmKeyboard& frmKeyboard();
    screens::frmMain& frmMain();
    screens::frmTotals& frmTotals();
    screens::frmCalendar& frmCalendar();
    screens::frmProgress& frmProgress();
    screens::frmExit& frmExit();
    screens::frmAuto& frmAuto();
    screens::frmAddUpDel& frmAddUpDel();
    screens::frmWar& frmWar();
    screens::frmSearch& frmSearch();
    screens::frmSearchResults& frmSearchResults();
    screens::frmPrint& frmPrint();
    screens::AssetReport& AssetReport();
    screens::CoverSheet& CoverSheet();
    screens::FillOutForm& FillOutForm();
    screens::frmEditCmbBoxes& frmEditCmbBoxes();
    screens::frmAddField& frmAddField();
    screens::frmUpdate& frmUpdate();
    screens::frmDelField& frmDelField();
    screens::frmGenInfo& frmGenInfo();
    screens::frmInsInfo& frmInsInfo();
    screens::frmEditBankBoxes& frmEditBankBoxes();
    screens::frmBank& frmBank();

    // Whether a screen has been created (tests and the shut-down look without creating it).
    template <class T>
    bool created(const std::unique_ptr<T>& slot) const { return slot != nullptr; }

private:
    template <class T>
    T& screen(std::unique_ptr<T>& slot);

    Paths paths_;
    Services services_;
    Clock clock_;
    FormManager forms_;
    std::unique_ptr<DataEnvironment> data_;
    bool ended_ = false;
    int exitCode_ = 0;
    int lockFd_ = -1;

    std::unique_ptr<screens::frmBC_Splash> frmBC_Splash_;
    std::unique_ptr<screens::frmHeader> frmHeader_;
    std::unique_ptr<screens::frmIntroduction> frmIntroduction_;
    std::unique_ptr<screens::frmKeyboard> frmKeyboard_;
    std::unique_ptr<screens::frmMain> frmMain_;
    std::unique_ptr<screens::frmTotals> frmTotals_;
    std::unique_ptr<screens::frmCalendar> frmCalendar_;
    std::unique_ptr<screens::frmProgress> frmProgress_;
    std::unique_ptr<screens::frmExit> frmExit_;
    std::unique_ptr<screens::frmAuto> frmAuto_;
    std::unique_ptr<screens::frmAddUpDel> frmAddUpDel_;
    std::unique_ptr<screens::frmWar> frmWar_;
    std::unique_ptr<screens::frmSearch> frmSearch_;
    std::unique_ptr<screens::frmSearchResults> frmSearchResults_;
    std::unique_ptr<screens::frmPrint> frmPrint_;
    std::unique_ptr<screens::AssetReport> AssetReport_;
    std::unique_ptr<screens::CoverSheet> CoverSheet_;
    std::unique_ptr<screens::FillOutForm> FillOutForm_;
    std::unique_ptr<screens::frmEditCmbBoxes> frmEditCmbBoxes_;
    std::unique_ptr<screens::frmAddField> frmAddField_;
    std::unique_ptr<screens::frmUpdate> frmUpdate_;
    std::unique_ptr<screens::frmDelField> frmDelField_;
    std::unique_ptr<screens::frmGenInfo> frmGenInfo_;
    std::unique_ptr<screens::frmInsInfo> frmInsInfo_;
    std::unique_ptr<screens::frmEditBankBoxes> frmEditBankBoxes_;
    std::unique_ptr<screens::frmBank> frmBank_;
};

} // namespace tlm

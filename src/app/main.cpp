#include "app/program.h"
#include "platform/forms/message_box.h"
#include "shell/frmBC_Splash.h"

#include <QApplication>
#include <QStyleFactory>
#include <exception>

namespace {

// A failure that no screen handles must not tear the program down from inside Qt: every
// completed change is on disk already, so the user is told and can go on or close.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    tlm::MessageBoxService* messages = nullptr;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            report(QString::fromUtf8(error.what()));
        } catch (...) {
            report(QStringLiteral("Unknown error"));
        }
        return false;
    }

private:
    void report(const QString& what)
    {
        if (messages)
            messages->show(QStringLiteral("Run-time Error...%1").arg(what), tlm::vbCritical, tlm::kTitle);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Screens are hidden, never closed; the program ends only through its own end.
    QApplication::setQuitOnLastWindowClosed(false);

    const tlm::Paths paths = tlm::Paths::standard();
    tlm::Program::Services services;
    services.messages = std::make_unique<tlm::QtMessageBoxes>();
    services.processes = std::make_unique<tlm::ProcessList>();
    services.help = std::make_unique<tlm::FileHelp>(paths.helpFile());
    app.messages = services.messages.get();
    tlm::Program program(paths, std::move(services));
    program.onEnd = [](int code) { QCoreApplication::exit(code); };

    program.frmBC_Splash().Show();
    if (program.hasEnded())
        return program.exitCode();
    return QApplication::exec();
}

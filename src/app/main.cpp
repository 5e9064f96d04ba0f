#include "app/program.h"
#include "platform/forms/message_box.h"
#include "shell/frmBC_Splash.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    // Every handler runs through the forms layer, which reports a failure no screen handles
    // and goes on; nothing unwinds through Qt to here.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Screens are hidden, never closed; the program ends only through its own end.
    QApplication::setQuitOnLastWindowClosed(false);

    const tlm::Paths paths = tlm::Paths::standard();
    tlm::Program::Services services;
    services.messages = std::make_unique<tlm::QtMessageBoxes>();
    services.processes = std::make_unique<tlm::ProcessList>();
    services.help = std::make_unique<tlm::FileHelp>(paths.helpFile());
    tlm::Program program(paths, std::move(services));
    program.onEnd = [](int code) { QCoreApplication::exit(code); };

    program.frmBC_Splash().Show();
    if (program.hasEnded())
        return program.exitCode();
    return QApplication::exec();
}

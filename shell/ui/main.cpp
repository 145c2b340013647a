#include "core/app_paths.h"
#include "core/program_version.h"
#include "core/settings_store.h"
#include "core/startup_store.h"
#include "core/ui/message_box_sink.h"
#include "core/ui/printer_choice.h"
#include "shell/app_state.h"
#include "shell/ui/calculator_registry.h"
#include "shell/ui/mdi_form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grovan 2022"));
    QApplication::setApplicationVersion(
        QString::fromStdString(grovan::ProgramVersion::current().displayText()));

    const grovan::AppPaths paths = grovan::locateAppPathsFromEnvironment(
        QCoreApplication::applicationFilePath().toStdString());
    grovan::MessageBoxSink messages;
    grovan::SettingsDatabase settings(paths.settingsDatabase(), messages);
    grovan::StartupStateDatabase startup(paths.startupDatabase(), messages);
    grovan::AppState state;
    grovan::PrinterChoice printer;
    const grovan::ShellContext context{
        paths, grovan::ProgramVersion::current(), messages, state, printer, settings, startup};

    grovan::CalculatorRegistry calculators;
    // Each calculator window is registered here under the menu command that opens it, such as
    //     calculators.add("mnuAnnual", [](const grovan::ShellContext& shared) {
    //         return std::make_unique<grovan::frmAnnual>(shared);
    //     });
    // A calculator that is not registered keeps its menu command disabled.

    grovan::MDIForm1 window(context, calculators);
    messages.setParent(&window);
    if (!window.startUp()) {
        return 0;
    }
    return QApplication::exec();
}

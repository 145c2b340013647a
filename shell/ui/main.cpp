#include "core/app_paths.h"
#include "core/print_database.h"
#include "core/program_version.h"
#include "core/settings_store.h"
#include "core/startup_store.h"
#include "core/ui/message_box_sink.h"
#include "core/ui/printer_choice.h"
#include "core/ui/report_viewer.h"
#include "package/ui/frm_rapell.h"
#include "paye/ui/frm_annual.h"
#include "paye/ui/frm_daily.h"
#include "paye/ui/frm_monthly.h"
#include "paye/ui/work_period_window.h"
#include "shell/app_state.h"
#include "shell/ui/calculator_registry.h"
#include "shell/ui/mdi_form1.h"

#include <QApplication>
#include <QIcon>

#include <filesystem>

namespace {

// Takes no notice of what it is told.
class QuietSink : public grovan::MessageSink
{
public:
    void show(const grovan::Message&) override {}
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grovan 2022"));
    QApplication::setApplicationVersion(
        QString::fromStdString(grovan::ProgramVersion::current().displayText()));
    // The desktop entry installed with the program carries this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.grovan.Grovan2022"));

    const grovan::AppPaths paths = grovan::locateAppPathsFromEnvironment(
        QCoreApplication::applicationFilePath().toStdString());
    // The icon is installed below the same prefix as the assets (the build tree mirrors it).
    QIcon icon;
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"}) {
        icon.addFile(QString::fromStdString(
            (paths.assetDir / "../icons/hicolor" / size / "apps/io.github.grovan.Grovan2022.png")
                .lexically_normal()
                .string()));
    }
    QApplication::setWindowIcon(icon);
    grovan::MessageBoxSink messages;
    grovan::SettingsDatabase settings(paths.settingsDatabase(), messages);
    grovan::StartupStateDatabase startup(paths.startupDatabase(), messages);
    grovan::AppState state;
    grovan::PrinterChoice printer;
    grovan::PrintDatabase printDatabase(paths.printDatabase(), messages);
    // A new installation's print database is made at its first start without a word; one that
    // goes missing later is made anew at the next printout, and the user is told.
    if (std::error_code error; !std::filesystem::exists(paths.printDatabase(), error) && !error) {
        QuietSink quiet;
        grovan::PrintDatabase(paths.printDatabase(), quiet).prepare();
    }
    grovan::ReportViewer reports(printDatabase, printer, messages, nullptr);
    const grovan::ShellContext context{paths,    grovan::ProgramVersion::current(),
                                       messages, state,
                                       printer,  settings,
                                       startup,  printDatabase,
                                       reports};

    // Each calculator window is registered under the menu command that opens it; a calculator
    // that is not registered keeps its menu command disabled.
    grovan::CalculatorRegistry calculators;
    calculators.add("mnuAnnual", [](const grovan::ShellContext& shared) {
        return std::make_unique<grovan::frmAnnual>(shared);
    });
    calculators.add("mnuMonthly", [](const grovan::ShellContext& shared) {
        return std::make_unique<grovan::frmMonthly>(shared);
    });
    calculators.add("mnuDaily", [](const grovan::ShellContext& shared) {
        return std::make_unique<grovan::frmDaily>(shared);
    });
    calculators.add("mnuFortNight", [](const grovan::ShellContext& shared) {
        return std::make_unique<grovan::WorkPeriodWindow>(grovan::WorkPeriodKind::Fortnightly,
                                                          shared);
    });
    calculators.add("mnuWeekly", [](const grovan::ShellContext& shared) {
        return std::make_unique<grovan::WorkPeriodWindow>(grovan::WorkPeriodKind::Weekly, shared);
    });
    calculators.add("Rapell", [](const grovan::ShellContext& shared) {
        return std::make_unique<grovan::frmRapell>(shared);
    });

    grovan::MDIForm1 window(context, calculators);
    messages.setParent(&window);
    reports.setWindow(&window);
    if (!window.startUp()) {
        return 0;
    }
    return QApplication::exec();
}

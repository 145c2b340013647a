// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app_paths.h"
#include "core/calculator_catalogue.h"
#include "core/output_file.h"
#include "core/print_database.h"
#include "core/program_version.h"
#include "core/settings_store.h"
#include "core/startup_store.h"
#include "core/ui/message_box_sink.h"
#include "core/ui/printer_choice.h"
#include "core/ui/report_printer.h"
#include "core/ui/report_viewer.h"
#include "core/ui/window_registry.h"
#include "shell/app_state.h"
#include "shell/calculators.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"

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
    // An export interrupted half-way leaves no temporary file beside the PDF.
    grovan::removeTemporaryFilesOnInterrupt();
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
    // Worked out before any database is made: the first start in the user's folder says why.
    const auto dataFolderNotice = grovan::dataFolderNotice(paths);
    grovan::MessageBoxSink messages;
    grovan::SettingsDatabase settings(paths.settingsDatabase(), messages);
    grovan::StartupStateDatabase startup(paths.startupDatabase(), messages);
    grovan::AppState state;
    grovan::PrinterChoice printer;
    const grovan::CalculatorCatalogue& calculators = grovan::programCalculators();
    grovan::PrintDatabase printDatabase(paths.printDatabase(), calculators.printSchema(), messages);
    grovan::ReportViewer reports(printDatabase, printer, messages, nullptr);
    const grovan::ReportPrinter reportPrinter(printDatabase, reports, paths.assetDir);
    const grovan::ShellContext context{paths,      grovan::ProgramVersion::current(),
                                       messages,   state,
                                       printer,    settings,
                                       startup,    printDatabase,
                                       reports,    reportPrinter,
                                       calculators};

    grovan::WindowRegistry windows;
    grovan::addProgramWindows(windows, state);

    grovan::MDIForm1 window(context, windows);
    messages.setParent(&window);
    reports.setWindow(&window);
    if (!window.startUp()) {
        return 0;
    }
    if (dataFolderNotice) {
        messages.show(grovan::Message{*dataFolderNotice, grovan::kProgramTitle,
                                      grovan::MessageIcon::Information});
    }
    // A new installation's print database is made at its first start without a word, once the
    // window has been painted and before anything can be printed; one that goes missing later
    // is made anew at the next printout, and the user is told.
    if (std::error_code error; !std::filesystem::exists(paths.printDatabase(), error) && !error) {
        QuietSink quiet;
        grovan::PrintDatabase(paths.printDatabase(), calculators.printSchema(), quiet).prepare();
    }
    return QApplication::exec();
}

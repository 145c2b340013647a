#include "cli/printout_pdf.h"

#include "core/print_database.h"

#if GROVAN_HAS_REPORT_RENDERER
#include "core/ui/report_pdf.h"

#include <QGuiApplication>

#include <cstdio>
#endif

namespace grovan::cli {

#if GROVAN_HAS_REPORT_RENDERER

namespace {

// Qt's notes for developers (such as XDG_RUNTIME_DIR not being set, usual for a command-line
// program) say nothing to the user of grovan-cli; its critical messages still reach standard
// error.
void criticalQtMessagesOnly(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "grovan-cli: %s\n", qPrintable(text));
    }
}

// The report painter needs a GUI application; grovan-cli makes one, offscreen whatever the
// environment says, the first time it prints, and keeps it to the end of the program.
void ensureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    static int argc = 3;
    static char program[] = "grovan-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, platformOption, platform, nullptr};
    qInstallMessageHandler(criticalQtMessagesOnly);
    [[maybe_unused]] static const auto* application = new QGuiApplication(argc, argv);
}

} // namespace

bool printoutsAvailable()
{
    return true;
}

bool writePrintoutPdf(const CalculationOutput& output, PrintLanguage language,
                      const AppPaths& paths, const std::filesystem::path& pdfFile,
                      MessageSink& messages)
{
    if (!output.printRow || output.reportTemplate.empty()) {
        messages.show(
            Message{"This calculator has no printout.", kProgramTitle, MessageIcon::Error});
        return false;
    }
    const PrintDatabase database(paths.printDatabase(), messages);
    if (!database.writeRow(output.printTable, output.printRow(language))) {
        return false;
    }
    ensureGuiApplication();
    return renderReportToPdf(paths.asset(output.reportTemplate), database, pdfFile, messages);
}

#else

bool printoutsAvailable()
{
    return false;
}

bool writePrintoutPdf(const CalculationOutput&, PrintLanguage, const AppPaths&,
                      const std::filesystem::path&, MessageSink& messages)
{
    messages.show(Message{"This grovan-cli was built without the report renderer (the build "
                          "without the desktop program): it cannot write printouts.",
                          kProgramTitle, MessageIcon::Error});
    return false;
}

#endif

} // namespace grovan::cli

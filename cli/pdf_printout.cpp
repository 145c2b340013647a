// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf_printout.h"

#include "core/output_file.h"
#include "core/print_database.h"
#include "core/ui/report_pdf.h"

#include <QGuiApplication>

#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace grovan::cli {

namespace {

// Keeps the messages of a step whose messages matter only when it fails.
class CollectingSink : public MessageSink
{
public:
    void show(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

// A new folder below the system's temporary folder that only this user can enter, removed with
// everything in it at the end.
class PrivateFolder
{
public:
    PrivateFolder()
    {
        std::error_code error;
        std::string name =
            (std::filesystem::temp_directory_path(error) / "grovan-cli-XXXXXX").string();
        if (!error && ::mkdtemp(name.data()) != nullptr) {
            m_path = name;
            // An interrupted run removes the print database and the folder, as this object would.
            m_cleanup.emplace_back(m_path, InterruptCleanup::Kind::Folder);
            for (const char* file : {"Crysprin.mdb", "Crysprin.mdb-journal"}) {
                m_cleanup.emplace_back(m_path / file, InterruptCleanup::Kind::File);
            }
        }
    }
    ~PrivateFolder()
    {
        if (!m_path.empty()) {
            std::error_code error;
            std::filesystem::remove_all(m_path, error);
        }
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    /// Empty when no folder could be made.
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
    std::deque<InterruptCleanup> m_cleanup;
};

// Qt's own notes (a missing runtime folder and the like) are not the user's business here; what
// the printout needs to say comes through the message sink.
void onlyCriticalQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "grovan-cli: " << text.toStdString() << '\n';
    }
}

// The report pages need a GUI application; the first printout makes one, offscreen unless the
// environment names another platform, and keeps it to the end of the program. It is never
// destroyed: at exit Qt's own globals may already be gone.
void ensureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(onlyCriticalQtMessages);
    static int argc = 1;
    static char name[] = "grovan-cli";
    static char* argv[] = {name, nullptr};
    [[maybe_unused]] static const auto* application = new QGuiApplication(argc, argv);
}

} // namespace

bool pdfPrintoutAvailable()
{
    return true;
}

bool writePrintoutPdf(const CalculationOutput& output, PrintLanguage language,
                      const DatabaseSchema& schema, const std::filesystem::path& assetFolder,
                      const std::filesystem::path& pdfFile, MessageSink& sink)
{
    const PrivateFolder folder;
    if (folder.path().empty()) {
        sink.show(Message{"no temporary folder could be made for the printout", kProgramTitle,
                          MessageIcon::Error});
        return false;
    }
    const PrintDatabase database(folder.path() / "Crysprin.mdb", schema, sink);
    CollectingSink making;
    if (!PrintDatabase(database.file(), schema, making).prepare()) {
        for (const Message& message : making.messages) {
            sink.show(message);
        }
        return false;
    }
    const Printout printout = output.printout(language);
    if (!database.write(printout.writes)) {
        return false;
    }

    ensureGuiApplication();
    return renderReportToPdf(assetFolder / printout.templateFile, database, pdfFile, sink,
                             printout.language);
}

} // namespace grovan::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf_printout.h"

#include "cli/pdf_library.h"
#include "cli/stored_setup.h"
#include "core/output_file.h"
#include "core/print_database.h"
#include "core/private_library.h"
#include "core/report_file.h"

#include <cstdlib>
#include <deque>
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

// The painter of the PDF printouts' library, loaded at the first printout and kept; null, with
// the reason told to `messages`, when the library cannot be loaded. A library that could not be
// loaded is not tried again in the same run: a batch tells every row why at no further cost.
pdf_library::PaintReport pdfPainter(MessageSink& messages)
{
    static pdf_library::PaintReport painter = nullptr;
    static std::string failure;
    if (painter == nullptr && failure.empty()) {
        const std::filesystem::path library = programLibraryFile(pdf_library::kFileName);
        std::string reason;
        painter = reinterpret_cast<pdf_library::PaintReport>(
            loadPrivateSymbol(library, pdf_library::kPaintSymbol, reason));
        if (painter == nullptr) {
            failure = "PDF printouts need " + library.string() + ", which is missing or damaged (" +
                      reason + ")";
        }
    }
    if (painter == nullptr) {
        messages.show(Message{failure, kProgramTitle, MessageIcon::Error});
    }
    return painter;
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
    const pdf_library::PaintReport paint = pdfPainter(sink);
    if (paint == nullptr) {
        return false;
    }
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

    return renderReportFileToPdf(assetFolder / printout.templateFile, database, pdfFile, paint,
                                 sink, printout.language);
}

} // namespace grovan::cli

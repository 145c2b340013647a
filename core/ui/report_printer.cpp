#include "core/ui/report_printer.h"

#include "core/print_database.h"
#include "core/ui/report_viewer.h"

namespace grovan {

ReportPrinter::ReportPrinter(const PrintDatabase& database, ReportViewer& viewer,
                             std::filesystem::path assetFolder)
    : m_database(database), m_viewer(viewer), m_assetFolder(std::move(assetFolder))
{}

bool ReportPrinter::printRow(std::string_view table, const Row& row, std::string_view templateFile,
                             const QString& previewTitle, PrintDestination destination) const
{
    if (!m_database.writeRow(table, row)) {
        return false;
    }
    m_viewer.setTemplateFile(m_assetFolder / templateFile);
    if (destination == PrintDestination::Window) {
        m_viewer.setWindowTitle(previewTitle);
    }
    m_viewer.setDestination(destination);
    return m_viewer.start();
}

} // namespace grovan

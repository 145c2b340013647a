// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/report_printer.h"

#include "core/print_database.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_viewer.h"

namespace grovan {

ReportPrinter::ReportPrinter(const PrintDatabase& database, ReportViewer& viewer,
                             std::filesystem::path assetFolder)
    : m_database(database), m_viewer(viewer), m_assetFolder(std::move(assetFolder))
{}

bool ReportPrinter::print(const Printout& printout, PrintDestination destination) const
{
    if (!m_database.write(printout.writes)) {
        return false;
    }
    m_viewer.setTemplateFile(m_assetFolder / printout.templateFile);
    // A printout without a title of its own leaves the viewer's title as the last one set.
    if (destination == PrintDestination::Window && !printout.previewTitle.empty()) {
        m_viewer.setWindowTitle(qText(printout.previewTitle));
    }
    m_viewer.setOwnPreviewTitle(qText(printout.previewTitle));
    m_viewer.setDestination(destination);
    m_viewer.setLanguage(printout.language);
    return m_viewer.start();
}

} // namespace grovan

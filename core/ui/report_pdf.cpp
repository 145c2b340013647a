// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/report_pdf.h"

#include "core/print_database.h"
#include "core/report_file.h"
#include "core/ui/report_page_painter.h"

namespace grovan {

bool writeReportPdf(const RenderedReport& report, const std::filesystem::path& pdfFile,
                    MessageSink& messages)
{
    return writePdfFile(
        pdfFile, [&](std::string& pdf) { return paintReportPdf(report, pdf); }, messages);
}

bool renderReportToPdf(const std::filesystem::path& templateFile, const PrintDatabase& database,
                       const std::filesystem::path& pdfFile, MessageSink& messages,
                       PrintLanguage language)
{
    return renderReportFileToPdf(templateFile, database, pdfFile, paintReportPdf, messages,
                                 language);
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report_file.h"

#include "core/pdf_file.h"
#include "core/print_database.h"

namespace grovan {

std::optional<ReportData> readReportData(const ReportTemplate& report,
                                         const PrintDatabase& database)
{
    ReportData data;
    for (const std::string& table : report.tables()) {
        const TableSchema* schema = database.schema().table(table);
        if (schema == nullptr) {
            return std::nullopt;
        }
        if (schema->kind == TableKind::SingleRow) {
            auto row = database.readRow(table);
            if (!row) {
                return std::nullopt;
            }
            data.rows.emplace(table, std::move(*row));
        } else {
            auto lines = database.readLines(table);
            if (!lines) {
                return std::nullopt;
            }
            data.lines.emplace(table, std::move(*lines));
        }
    }
    return data;
}

std::optional<RenderedReport> renderReportFile(const std::filesystem::path& templateFile,
                                               const PrintDatabase& database, MessageSink& messages,
                                               PrintLanguage language)
{
    auto loaded = ReportTemplate::load(templateFile, database.schema());
    if (const auto* error = std::get_if<TemplateError>(&loaded)) {
        messages.show(Message{"The report cannot be shown, because its template is missing or "
                              "faulty:\n\n" +
                                  error->text(),
                              kProgramTitle, MessageIcon::Error});
        return std::nullopt;
    }
    const auto& report = std::get<ReportTemplate>(loaded);
    const auto data = readReportData(report, database);
    if (!data) {
        return std::nullopt;
    }
    return renderReport(report, *data, language);
}

bool renderReportFileToPdf(const std::filesystem::path& templateFile, const PrintDatabase& database,
                           const std::filesystem::path& pdfFile, const PdfPainter& paint,
                           MessageSink& messages, PrintLanguage language)
{
    const auto report = renderReportFile(templateFile, database, messages, language);
    return report && writePdfFile(
                         pdfFile, [&](std::string& pdf) { return paint(*report, pdf); }, messages);
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
// The report template parser, and the renderer over what it accepts, against the program's print
// database tables with each table's initial row.
#include "core/calculator_catalogue.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "shell/calculators.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const grovan::DatabaseSchema& schema = grovan::programCalculators().printSchema();
    const auto parsed = grovan::ReportTemplate::parse(text, "fuzz.rpt", schema);
    if (const auto* error = std::get_if<grovan::TemplateError>(&parsed)) {
        if (error->text().empty()) {
            std::abort();
        }
        return 0;
    }
    static const grovan::ReportData rows = [&schema] {
        grovan::ReportData filled;
        for (const grovan::TableSchema& table : schema.tables) {
            grovan::Row row;
            for (const grovan::ColumnSchema& column : table.columns) {
                row.push_back({column.name, column.initial});
            }
            if (table.kind == grovan::TableKind::SingleRow) {
                filled.rows[table.name] = row;
            } else {
                filled.lines[table.name] = {row, row};
            }
        }
        return filled;
    }();
    const grovan::RenderedReport report =
        grovan::renderReport(std::get<grovan::ReportTemplate>(parsed), rows);
    if (report.html.empty()) {
        std::abort();
    }
    return 0;
}

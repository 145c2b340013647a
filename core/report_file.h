// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printout from its template file and the print database: reading the rows a template prints,
// then laying them out (core/report_renderer.h).

#include "core/message.h"
#include "core/report_renderer.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace grovan {

class PrintDatabase;

/// Reads every table `report` prints from the print database; nothing when one cannot be read
/// (the database has told the user why).
std::optional<ReportData> readReportData(const ReportTemplate& report,
                                         const PrintDatabase& database);

/// Reads the template file, then its tables, and lays the report out, its pages' own words in
/// `language`. A missing or faulty template, or a database that cannot be read, is told to
/// `messages` and gives nothing.
std::optional<RenderedReport> renderReportFile(const std::filesystem::path& templateFile,
                                               const PrintDatabase& database, MessageSink& messages,
                                               PrintLanguage language = PrintLanguage::English);

/// Paints a laid-out report's pages into the bytes of a PDF document; false when it cannot.
using PdfPainter = std::function<bool(const RenderedReport& report, std::string& pdf)>;

/// renderReportFile, then the PDF file `pdfFile` of the pages `paint` makes of the report, written
/// as writePdfFile writes it. False when either step fails; `messages` is told why.
bool renderReportFileToPdf(const std::filesystem::path& templateFile, const PrintDatabase& database,
                           const std::filesystem::path& pdfFile, const PdfPainter& paint,
                           MessageSink& messages, PrintLanguage language = PrintLanguage::English);

} // namespace grovan

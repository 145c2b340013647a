// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "core/pdf_file.h"
#include "core/report_renderer.h"

#include <filesystem>

namespace grovan {

class PrintDatabase;

/// Writes `report` as a PDF file at `pdfFile`, with the report's title and the program as its
/// creator, through an OutputFile: whole or not at all, an existing file replaced only once the
/// new one is complete, and never a device, a pipe, a link or a write-protected file. False (the
/// user is told why) when it cannot be written.
/// Needs a QGuiApplication; with QT_QPA_PLATFORM=offscreen no display is needed.
bool writeReportPdf(const RenderedReport& report, const std::filesystem::path& pdfFile,
                    MessageSink& messages);

/// Renders the template file `templateFile` (a full path, normally AppPaths::asset(name))
/// against the current contents of its tables in `database` and writes the pages to `pdfFile`,
/// exactly as the preview shows and the printer prints them, the pages' own words in `language`.
/// False when the template is missing or faulty, the database cannot be read or the PDF cannot
/// be written; the user is told why through `messages`.
bool renderReportToPdf(const std::filesystem::path& templateFile, const PrintDatabase& database,
                       const std::filesystem::path& pdfFile, MessageSink& messages,
                       PrintLanguage language = PrintLanguage::English);

} // namespace grovan

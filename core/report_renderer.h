// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "core/print_language.h"
#include "core/report_template.h"
#include "core/schema_database.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grovan {

/// The rows a template prints, by table name as the database spells it.
struct ReportData
{
    std::map<std::string, Row, std::less<>> rows;               ///< single-row tables
    std::map<std::string, std::vector<Row>, std::less<>> lines; ///< line tables
};

/// A report ready for the page painter: HTML in the subset a Qt text document renders (tables
/// with widths and alignment, <thead> rows that repeat on every page, page breaks), and what the
/// painter puts around it on every page.
struct RenderedReport
{
    std::string title; ///< the report's name ("Annual"): the PDF's title and suggested file name
    PageSetup page;
    std::string fontFamily;
    double fontPoints = 10.0;
    std::string pageHeader; ///< plain text for the top of every page
    std::string pageFooter; ///< plain text for the bottom of every page, beside "Page i of n"
    /// The printout's language, which the page numbers are written in.
    PrintLanguage language = PrintLanguage::English;
    std::string html;
};

/// Lays `report` out with the values in `data`. Every text that comes from the database is
/// HTML-escaped; a table or field missing from `data` prints as empty. Numbers are formatted with
/// formatNumber() and their template's pattern, day numbers as "dd/mm/yyyy". The pages' own
/// words are in `language`, the language the printout's labels were written in.
RenderedReport renderReport(const ReportTemplate& report, const ReportData& data,
                            PrintLanguage language = PrintLanguage::English);

/// The page number at the foot of page `page` (from 1) of `pages`: "Page 2 of 3", or in an
/// Afrikaans printout "Bladsy 2 van 3".
inline std::string pageNumberText(int page, int pages, PrintLanguage language)
{
    const bool afrikaans = language == PrintLanguage::Afrikaans;
    std::string text = afrikaans ? "Bladsy " : "Page ";
    text += std::to_string(page);
    text += afrikaans ? " van " : " of ";
    text += std::to_string(pages);
    return text;
}

/// `text` with &, <, >, " and ' replaced by entities and line breaks by <br/>.
std::string htmlEscaped(std::string_view text);

} // namespace grovan

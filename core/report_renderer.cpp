// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report_renderer.h"

#include "core/calendar_date.h"
#include "core/number_format.h"

#include <cmath>
#include <string>

namespace grovan {

namespace {

// Day numbers of the years 100 to 9999, the range CalendarDate prints.
constexpr std::int64_t kFirstPrintableDay = -657434;
constexpr std::int64_t kLastPrintableDay = 2958465;

const char* alignName(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left:
        return "left";
    case Alignment::Center:
        return "center";
    case Alignment::Right:
        return "right";
    }
    return "left";
}

std::string dateText(const FieldValue& value)
{
    std::optional<std::int64_t> day;
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        day = *whole;
    } else if (const auto* number = std::get_if<double>(&value)) {
        if (std::isfinite(*number) && *number == std::trunc(*number) && std::abs(*number) < 1e9) {
            day = static_cast<std::int64_t>(*number);
        }
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (!day || *day < kFirstPrintableDay || *day > kLastPrintableDay) {
        return {};
    }
    return CalendarDate::fromDayNumber(static_cast<std::int32_t>(*day)).text();
}

std::string valueText(const FieldValue& value, const FieldReference& ref)
{
    if (ref.format == FieldReference::Format::Date) {
        return dateText(value);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    std::optional<double> number;
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        if (ref.format == FieldReference::Format::AsStored) {
            return std::to_string(*whole);
        }
        number = static_cast<double>(*whole);
    } else if (const auto* real = std::get_if<double>(&value)) {
        number = *real;
    }
    if (!number) {
        return {};
    }
    return ref.format == FieldReference::Format::Number ? formatNumber(*number, ref.pattern)
                                                        : plainNumberText(*number);
}

bool holdsSomething(const FieldValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) {
        return text->find_first_not_of(" \t\r\n") != std::string::npos;
    }
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        return *whole != 0;
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return *real != 0.0;
    }
    return false;
}

class HtmlWriter
{
public:
    HtmlWriter(const ReportData& data) : m_data(data) {}

    std::string document(const ReportTemplate& report)
    {
        m_out += "<html><head><meta charset=\"utf-8\"/><title>" + htmlEscaped(report.title) +
                 "</title></head><body style=\"font-family:'" + htmlEscaped(report.fontFamily) +
                 "'; font-size:" + points(report.fontPoints) + "pt; color:#000000\">\n";
        m_fontPoints = report.fontPoints;
        std::optional<std::vector<ColumnLayout>> columns;
        elements(report.elements, columns);
        closeTable();
        m_out += "</body></html>\n";
        return std::move(m_out);
    }

    std::string plain(const TextExpression& expression) const
    {
        std::string out;
        for (const TextPiece& piece : expression) {
            if (const auto* literal = std::get_if<std::string>(&piece)) {
                out += *literal;
            } else {
                const auto& ref = std::get<FieldReference>(piece);
                out += valueText(lookup(ref), ref);
            }
        }
        return out;
    }

private:
    static std::string points(double value)
    {
        std::string text = plainNumberText(value);
        return text.empty() ? "10" : text;
    }

    const FieldValue& lookup(const FieldReference& ref) const
    {
        static const FieldValue nothing;
        const Row* row = nullptr;
        if (m_line != nullptr && ref.table == m_lineTable) {
            row = m_line;
        } else if (const auto found = m_data.rows.find(ref.table); found != m_data.rows.end()) {
            row = &found->second;
        }
        if (row == nullptr) {
            return nothing;
        }
        const FieldValue* value = findField(*row, ref.field);
        return value == nullptr ? nothing : *value;
    }

    bool shown(const ReportElement& e) const
    {
        if (!e.condition) {
            return true;
        }
        return holdsSomething(lookup(e.condition->field)) != e.condition->negated;
    }

    std::string html(const TextExpression& expression) const
    {
        std::string out;
        for (const TextPiece& piece : expression) {
            if (const auto* literal = std::get_if<std::string>(&piece)) {
                out += htmlEscaped(*literal);
            } else {
                const auto& ref = std::get<FieldReference>(piece);
                out += htmlEscaped(valueText(lookup(ref), ref));
            }
        }
        return out;
    }

    void elements(const std::vector<ReportElement>& list,
                  std::optional<std::vector<ColumnLayout>>& columns)
    {
        for (const ReportElement& e : list) {
            element(e, columns);
        }
    }

    void element(const ReportElement& e, std::optional<std::vector<ColumnLayout>>& columns)
    {
        using Kind = ReportElement::Kind;
        if (e.kind == Kind::Columns) {
            closeTable();
            columns = e.columns;
            return;
        }
        if (!shown(e)) {
            return;
        }
        switch (e.kind) {
        case Kind::Heading:
            closeTable();
            m_out += "<p align=\"center\" style=\"font-size:" + points(m_fontPoints * 1.6) +
                     "pt; font-weight:bold; margin-top:0px; margin-bottom:4px\">" +
                     html(e.cells.front()) + "</p>\n";
            break;
        case Kind::Subheading:
            closeTable();
            m_out +=
                "<p style=\"font-size:" + points(m_fontPoints * 1.1) +
                "pt; font-weight:bold; margin-top:10px; margin-bottom:3px; margin-left:2px\">" +
                html(e.cells.front()) + "</p>\n";
            break;
        case Kind::Text:
            closeTable();
            text(e);
            break;
        case Kind::Row:
        case Kind::Total:
            row(e, *columns);
            break;
        case Kind::Rule:
            closeTable();
            // A one-cell table with a bottom border: the text document lays an <hr> that
            // follows a table out beside it instead of below.
            m_out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" "
                     "style=\"border-collapse:collapse; margin-top:2px; margin-bottom:6px\">"
                     "<tr><td style=\"border-bottom:1px solid #808080; font-size:2pt\">"
                     "&nbsp;</td></tr></table>\n";
            break;
        case Kind::Space:
            closeTable();
            m_out += "<p style=\"margin-top:0px; margin-bottom:0px\">&nbsp;</p>\n";
            break;
        case Kind::PageBreak:
            closeTable();
            m_out += "<p style=\"page-break-before:always; margin-top:0px; "
                     "margin-bottom:0px\"></p>\n";
            break;
        case Kind::Grid:
            closeTable();
            grid(e);
            break;
        case Kind::Repeat:
            closeTable();
            repeat(e, columns);
            break;
        case Kind::Columns:
            break;
        }
    }

    void text(const ReportElement& e)
    {
        // The side margins line a paragraph up with the text of the table cells around it.
        std::string style = "margin-top:0px; margin-bottom:2px; margin-left:2px; margin-right:2px";
        if (e.bold) {
            style += "; font-weight:bold";
        }
        if (e.italic) {
            style += "; font-style:italic";
        }
        if (e.small) {
            style += "; font-size:" + points(m_fontPoints * 0.85) + "pt";
        }
        m_out += std::string("<p align=\"") + alignName(e.alignment) + "\" style=\"" + style +
                 "\">" + html(e.cells.front()) + "</p>\n";
    }

    // Tables span the whole text width; when the columns add up to less, an empty last column
    // takes the rest, so that what follows a table starts below it.
    static int spareWidth(const std::vector<ColumnLayout>& columns)
    {
        int total = 0;
        for (const ColumnLayout& c : columns) {
            total += c.widthPercent;
        }
        return 100 - total;
    }

    void openTable(const std::vector<ColumnLayout>& columns)
    {
        if (m_tableOpen) {
            return;
        }
        m_out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" "
                 "style=\"border-collapse:collapse; margin-top:0px; margin-bottom:0px\">\n";
        m_tableOpen = true;
        m_spare = spareWidth(columns);
    }

    void closeTable()
    {
        if (m_tableOpen) {
            m_out += "</table>\n";
            m_tableOpen = false;
        }
    }

    void spareCell(int spare, const char* tag = "td")
    {
        if (spare > 0) {
            m_out +=
                std::string("<") + tag + " width=\"" + std::to_string(spare) + "%\"></" + tag + ">";
        }
    }

    void row(const ReportElement& e, const std::vector<ColumnLayout>& columns)
    {
        openTable(columns);
        const bool total = e.kind == ReportElement::Kind::Total;
        m_out += "<tr>";
        for (std::size_t i = 0; i < columns.size(); ++i) {
            std::string style;
            if (e.bold) {
                style = " style=\"font-weight:bold\"";
            }
            if (total) {
                style = " style=\"font-weight:bold; border-top:1px solid #000000; "
                        "border-bottom:3px double #000000; padding-top:4px\"";
            }
            m_out += "<td width=\"" + std::to_string(columns[i].widthPercent) + "%\" align=\"" +
                     alignName(columns[i].alignment) + "\"" + style + ">" +
                     (i < e.cells.size() ? html(e.cells[i]) : std::string()) + "</td>";
        }
        spareCell(m_spare);
        m_out += "</tr>\n";
    }

    void grid(const ReportElement& e)
    {
        const int spare = spareWidth(e.columns);
        m_out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" "
                 "style=\"margin-top:4px; margin-bottom:4px\">\n";
        if (!e.header.empty()) {
            m_out += "<thead><tr>";
            for (std::size_t i = 0; i < e.columns.size(); ++i) {
                m_out += "<th width=\"" + std::to_string(e.columns[i].widthPercent) +
                         "%\" align=\"" + alignName(e.columns[i].alignment) +
                         "\" bgcolor=\"#e6e6e6\" style=\"border-bottom:1px solid #000000\">" +
                         (i < e.header.size() ? html(e.header[i]) : std::string()) + "</th>";
            }
            spareCell(spare, "th");
            m_out += "</tr></thead>\n";
        }
        const auto found = m_data.lines.find(e.table);
        if (found != m_data.lines.end()) {
            m_lineTable = e.table;
            bool shade = false;
            for (const Row& line : found->second) {
                m_line = &line;
                m_out += shade ? "<tr bgcolor=\"#f4f4f4\">" : "<tr>";
                for (std::size_t i = 0; i < e.columns.size(); ++i) {
                    m_out += "<td width=\"" + std::to_string(e.columns[i].widthPercent) +
                             "%\" align=\"" + alignName(e.columns[i].alignment) + "\">" +
                             (i < e.gridCells.size() ? html(e.gridCells[i]) : std::string()) +
                             "</td>";
                }
                spareCell(spare);
                m_out += "</tr>\n";
                shade = !shade;
            }
            m_line = nullptr;
        }
        m_out += "</table>\n";
    }

    void repeat(const ReportElement& e, const std::optional<std::vector<ColumnLayout>>& columns)
    {
        const auto found = m_data.lines.find(e.table);
        if (found == m_data.lines.end()) {
            return;
        }
        m_lineTable = e.table;
        for (const Row& line : found->second) {
            m_line = &line;
            // Columns laid out inside the block end with it.
            std::optional<std::vector<ColumnLayout>> inner = columns;
            elements(e.body, inner);
            closeTable();
        }
        m_line = nullptr;
    }

    const ReportData& m_data;
    std::string m_out;
    double m_fontPoints = 10.0;
    bool m_tableOpen = false;
    int m_spare = 0;
    const Row* m_line = nullptr;
    std::string m_lineTable;
};

} // namespace

std::string htmlEscaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '\n':
            out += "<br/>";
            break;
        case '\r':
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

RenderedReport renderReport(const ReportTemplate& report, const ReportData& data,
                            PrintLanguage language)
{
    HtmlWriter writer(data);
    RenderedReport rendered;
    rendered.title = report.title;
    rendered.page = report.page;
    rendered.fontFamily = report.fontFamily;
    rendered.fontPoints = report.fontPoints;
    rendered.pageHeader = writer.plain(report.pageHeader);
    rendered.pageFooter = writer.plain(report.pageFooter);
    rendered.language = language;
    rendered.html = writer.document(report);
    return rendered;
}

} // namespace grovan

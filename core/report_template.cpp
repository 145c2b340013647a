// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report_template.h"

#include "core/text.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace grovan {

namespace {

struct Token
{
    enum class Kind
    {
        Word,
        String,
        Field,
        Plus,
    };
    Kind kind;
    std::string text; ///< a word as written, a string's decoded text, a field's inside
    int column;
};

// The parser stops at the first fault; the exception never leaves this file.
struct Failure
{
    int line;
    int column;
    std::string message;
};

std::string inQuotes(std::string_view text)
{
    return "\u201c" + std::string(text) + "\u201d";
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Columns count characters, not bytes, so that a message points at the right place in a line
// holding accented letters.
int columnOf(std::string_view line, std::size_t byteOffset)
{
    int column = 1;
    for (std::size_t i = 0; i < byteOffset && i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return column;
}

std::vector<Token> tokenize(std::string_view line, int lineNumber)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        const int column = columnOf(line, i);
        if (line[i] == '"') {
            std::string text;
            std::size_t j = i + 1;
            bool closed = false;
            while (j < line.size()) {
                if (line[j] == '\\' && j + 1 < line.size() &&
                    (line[j + 1] == '"' || line[j + 1] == '\\')) {
                    text.push_back(line[j + 1]);
                    j += 2;
                } else if (line[j] == '"') {
                    closed = true;
                    ++j;
                    break;
                } else {
                    text.push_back(line[j]);
                    ++j;
                }
            }
            if (!closed) {
                throw Failure{lineNumber, column, "this text has no closing quote"};
            }
            tokens.push_back({Token::Kind::String, std::move(text), column});
            i = j;
        } else if (line[i] == '{') {
            const auto close = line.find('}', i + 1);
            if (close == std::string_view::npos) {
                throw Failure{lineNumber, column, "this field has no closing \u201c}\u201d"};
            }
            tokens.push_back(
                {Token::Kind::Field, std::string(line.substr(i + 1, close - i - 1)), column});
            i = close + 1;
        } else if (line[i] == '+') {
            tokens.push_back({Token::Kind::Plus, "+", column});
            ++i;
        } else {
            std::size_t j = i;
            while (j < line.size() && !isBlank(line[j]) && line[j] != '"' && line[j] != '{' &&
                   line[j] != '+') {
                ++j;
            }
            tokens.push_back({Token::Kind::Word, std::string(line.substr(i, j - i)), column});
            i = j;
        }
    }
    return tokens;
}

std::optional<double> numberOf(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string kindName(ColumnType type)
{
    switch (type) {
    case ColumnType::Integer:
        return "whole numbers";
    case ColumnType::Real:
        return "amounts";
    case ColumnType::Text:
        return "text";
    case ColumnType::Boolean:
        return "yes/no values";
    case ColumnType::Any:
        return "amounts";
    }
    return "values";
}

// Where the statements being read go: the body of the report, a grid or a repeat block.
struct Block
{
    ReportElement::Kind kind; // Text for the report's body
    int line;
    std::optional<std::vector<ColumnLayout>> columns;
    std::vector<ReportElement> elements;
    ReportElement opener; // Grid/Repeat
};

class Parser
{
public:
    Parser(std::string_view text, const DatabaseSchema& schema) : m_text(text), m_schema(schema) {}

    ReportTemplate run()
    {
        m_blocks.push_back(Block{ReportElement::Kind::Text, 0, std::nullopt, {}, {}});
        std::size_t start = 0;
        int lineNumber = 0;
        while (start <= m_text.size()) {
            const auto end = m_text.find('\n', start);
            std::string_view line = m_text.substr(
                start, end == std::string_view::npos ? std::string_view::npos : end - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            ++lineNumber;
            statement(line, lineNumber);
            if (end == std::string_view::npos) {
                break;
            }
            start = end + 1;
        }
        if (m_blocks.size() > 1) {
            const Block& open = m_blocks.back();
            throw Failure{
                open.line, 1,
                std::string(open.kind == ReportElement::Kind::Grid ? "this grid" : "this repeat") +
                    " block has no \u201cend\u201d line"};
        }
        if (!m_sawReport) {
            throw Failure{0, 0, "the template has no \u201creport\u201d line naming its title"};
        }
        m_result.elements = std::move(m_blocks.back().elements);
        return std::move(m_result);
    }

private:
    void statement(std::string_view line, int lineNumber)
    {
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') {
            return;
        }
        m_line = lineNumber;
        m_tokens = tokenize(line, lineNumber);
        m_next = 1;
        const Token& keyword = m_tokens.front();
        if (keyword.kind != Token::Kind::Word) {
            fail(keyword, "a line must begin with a statement such as \u201crow\u201d or "
                          "\u201cheading\u201d");
        }
        const std::string& k = keyword.text;
        Block& block = m_blocks.back();
        const bool inGrid = block.kind == ReportElement::Kind::Grid;

        if (k == "end") {
            endBlock(keyword);
        } else if (inGrid) {
            gridStatement(keyword);
        } else if (k == "report" || k == "table" || k == "page" || k == "font" ||
                   k == "pageheader" || k == "pagefooter") {
            if (m_blocks.size() > 1) {
                fail(keyword, inQuotes(k) + " belongs to the whole report, not inside a block");
            }
            setting(keyword);
        } else if (k == "heading" || k == "subheading") {
            ReportElement e = element(k == "heading" ? ReportElement::Kind::Heading
                                                     : ReportElement::Kind::Subheading);
            e.cells.push_back(expression(keyword));
            e.condition = optionalCondition();
            finish();
            block.elements.push_back(std::move(e));
        } else if (k == "text") {
            block.elements.push_back(textStatement(keyword));
        } else if (k == "columns") {
            ReportElement e = element(ReportElement::Kind::Columns);
            e.columns = columnLayouts(keyword);
            block.columns = e.columns;
            block.elements.push_back(std::move(e));
        } else if (k == "row" || k == "total") {
            ReportElement e =
                element(k == "row" ? ReportElement::Kind::Row : ReportElement::Kind::Total);
            e.cells = cells(keyword, block.columns, "row");
            while (!atEnd() && !(peek().kind == Token::Kind::Word && peek().text == "if")) {
                const Token& option = word(keyword, "an option");
                if (option.text != "bold") {
                    fail(option, "unknown row option " + inQuotes(option.text) + " (bold)");
                }
                e.bold = true;
            }
            e.condition = optionalCondition();
            finish();
            block.elements.push_back(std::move(e));
        } else if (k == "rule" || k == "space") {
            ReportElement e =
                element(k == "rule" ? ReportElement::Kind::Rule : ReportElement::Kind::Space);
            e.condition = optionalCondition();
            finish();
            block.elements.push_back(std::move(e));
        } else if (k == "pagebreak") {
            finish();
            block.elements.push_back(element(ReportElement::Kind::PageBreak));
        } else if (k == "grid" || k == "repeat") {
            if (m_blocks.size() > 1) {
                fail(keyword, "a grid or repeat block cannot stand inside another block");
            }
            openBlock(keyword,
                      k == "grid" ? ReportElement::Kind::Grid : ReportElement::Kind::Repeat);
        } else {
            fail(keyword, "unknown statement " + inQuotes(k));
        }
    }

    [[noreturn]] void fail(const Token& at, std::string message) const
    {
        throw Failure{m_line, at.column, std::move(message)};
    }
    [[noreturn]] void failAtEnd(std::string message) const
    {
        const Token& last = m_tokens.back();
        throw Failure{m_line, last.column + static_cast<int>(last.text.size()), std::move(message)};
    }

    bool atEnd() const { return m_next >= m_tokens.size(); }
    const Token& peek() const { return m_tokens[m_next]; }

    void finish()
    {
        if (!atEnd()) {
            fail(peek(), "unexpected " + inQuotes(peek().text) + " at the end of the line");
        }
    }

    ReportElement element(ReportElement::Kind kind) const
    {
        ReportElement e;
        e.kind = kind;
        e.line = m_line;
        return e;
    }

    const Token& word(const Token& after, const std::string& what)
    {
        if (atEnd()) {
            failAtEnd(inQuotes(after.text) + " needs " + what);
        }
        const Token& t = m_tokens[m_next++];
        if (t.kind != Token::Kind::Word) {
            fail(t, inQuotes(after.text) + " needs " + what);
        }
        return t;
    }

    double number(const Token& after, const std::string& what, double low, double high)
    {
        const Token& t = word(after, what);
        const auto value = numberOf(t.text);
        if (!value || *value < low || *value > high) {
            fail(t, what + " must be a number from " + trimmedNumber(low) + " to " +
                        trimmedNumber(high) + ", not " + inQuotes(t.text));
        }
        return *value;
    }

    static std::string trimmedNumber(double value)
    {
        std::ostringstream out;
        out << value;
        return out.str();
    }

    void setting(const Token& keyword)
    {
        const std::string& k = keyword.text;
        const auto once = [&](bool& seen) {
            if (seen) {
                fail(keyword, "the template has more than one " + inQuotes(k) + " line");
            }
            seen = true;
        };
        if (k == "report") {
            once(m_sawReport);
            if (atEnd() || peek().kind != Token::Kind::String) {
                atEnd() ? failAtEnd("\u201creport\u201d needs the report's title in quotes")
                        : fail(peek(), "\u201creport\u201d needs the report's title in quotes");
            }
            m_result.title = m_tokens[m_next++].text;
            finish();
        } else if (k == "table") {
            once(m_sawTable);
            const Token& name = word(keyword, "the name of a table of the print database");
            const TableSchema* table = m_schema.table(name.text);
            if (table == nullptr) {
                fail(name, "the " + m_schema.description + " has no table " + inQuotes(name.text));
            }
            if (table->kind != TableKind::SingleRow) {
                fail(name, inQuotes(table->name) +
                               " is a line table: print it with a \u201cgrid\u201d or "
                               "\u201crepeat\u201d block");
            }
            m_result.mainTable = table->name;
            finish();
        } else if (k == "page") {
            once(m_sawPage);
            pageSetting(keyword);
        } else if (k == "font") {
            once(m_sawFont);
            if (atEnd() || peek().kind != Token::Kind::String) {
                atEnd() ? failAtEnd("\u201cfont\u201d needs a font family in quotes")
                        : fail(peek(), "\u201cfont\u201d needs a font family in quotes");
            }
            m_result.fontFamily = m_tokens[m_next++].text;
            m_result.fontPoints = number(keyword, "the font size in points", 4, 72);
            finish();
        } else {
            bool& seen = k == "pageheader" ? m_sawPageHeader : m_sawPageFooter;
            once(seen);
            TextExpression value = expression(keyword);
            finish();
            (k == "pageheader" ? m_result.pageHeader : m_result.pageFooter) = std::move(value);
        }
    }

    void pageSetting(const Token& keyword)
    {
        PageSetup& page = m_result.page;
        const Token& paper = word(keyword, "a paper size (A4, A5, Letter or Legal)");
        if (equalsIgnoringCase(paper.text, "A4")) {
            page.paper = PaperSize::A4;
        } else if (equalsIgnoringCase(paper.text, "A5")) {
            page.paper = PaperSize::A5;
        } else if (equalsIgnoringCase(paper.text, "Letter")) {
            page.paper = PaperSize::Letter;
        } else if (equalsIgnoringCase(paper.text, "Legal")) {
            page.paper = PaperSize::Legal;
        } else {
            fail(paper,
                 "unknown paper size " + inQuotes(paper.text) + " (A4, A5, Letter or Legal)");
        }
        while (!atEnd()) {
            const Token& option = word(keyword, "\u201cportrait\u201d, \u201clandscape\u201d or "
                                                "\u201cmargins\u201d");
            if (option.text == "portrait") {
                page.orientation = PageOrientation::Portrait;
            } else if (option.text == "landscape") {
                page.orientation = PageOrientation::Landscape;
            } else if (option.text == "margins") {
                const std::string what = "a margin in millimetres";
                page.marginTopMm = number(option, what, 0, 100);
                page.marginRightMm = number(option, what, 0, 100);
                page.marginBottomMm = number(option, what, 0, 100);
                page.marginLeftMm = number(option, what, 0, 100);
            } else {
                fail(option, "unknown page option " + inQuotes(option.text) +
                                 " (portrait, landscape or margins)");
            }
        }
    }

    ReportElement textStatement(const Token& keyword)
    {
        ReportElement e = element(ReportElement::Kind::Text);
        e.cells.push_back(expression(keyword));
        while (!atEnd() && !(peek().kind == Token::Kind::Word && peek().text == "if")) {
            const Token& option = word(keyword, "an option");
            if (option.text == "left") {
                e.alignment = Alignment::Left;
            } else if (option.text == "center") {
                e.alignment = Alignment::Center;
            } else if (option.text == "right") {
                e.alignment = Alignment::Right;
            } else if (option.text == "bold") {
                e.bold = true;
            } else if (option.text == "italic") {
                e.italic = true;
            } else if (option.text == "small") {
                e.small = true;
            } else {
                fail(option, "unknown text option " + inQuotes(option.text) +
                                 " (left, center, right, bold, italic or small)");
            }
        }
        e.condition = optionalCondition();
        finish();
        return e;
    }

    std::vector<ColumnLayout> columnLayouts(const Token& keyword)
    {
        std::vector<ColumnLayout> layouts;
        int total = 0;
        if (atEnd()) {
            failAtEnd("\u201ccolumns\u201d needs at least one column such as \u201cleft:60\u201d");
        }
        while (!atEnd()) {
            const Token& written = word(keyword, "columns such as \u201cleft:60\u201d");
            const auto colon = written.text.find(':');
            const std::string side = written.text.substr(0, colon);
            ColumnLayout layout;
            if (side == "left") {
                layout.alignment = Alignment::Left;
            } else if (side == "center") {
                layout.alignment = Alignment::Center;
            } else if (side == "right") {
                layout.alignment = Alignment::Right;
            } else {
                fail(written, "a column is written as left:, center: or right: and its width in "
                              "percent, such as \u201cright:20\u201d, not " +
                                  inQuotes(written.text));
            }
            // No width, or none that reads as a number, is 0 and refused below, as is "nan" before
            // it reaches the conversion to int. (A plain double rather than an optional: GCC 12 at
            // -Os warns falsely that the optional's value may be used uninitialised.)
            const double width = colon == std::string::npos
                                     ? 0.0
                                     : numberOf(written.text.substr(colon + 1)).value_or(0.0);
            if (!(width >= 1 && width <= 100) || width != static_cast<int>(width)) {
                fail(written, "a column's width is a whole percentage from 1 to 100, as in "
                              "\u201c" +
                                  side + ":20\u201d");
            }
            layout.widthPercent = static_cast<int>(width);
            total += layout.widthPercent;
            if (total > 100) {
                fail(written, "the columns are wider than the page: their widths add up to " +
                                  std::to_string(total) + " %");
            }
            layouts.push_back(layout);
        }
        return layouts;
    }

    std::vector<TextExpression> cells(const Token& keyword,
                                      const std::optional<std::vector<ColumnLayout>>& columns,
                                      const std::string& what)
    {
        if (!columns) {
            fail(keyword, "a " + what + " needs a \u201ccolumns\u201d line before it");
        }
        std::vector<TextExpression> result;
        while (!atEnd() && peek().kind != Token::Kind::Word) {
            if (result.size() == columns->size()) {
                fail(peek(), "this " + what + " has more cells than the " +
                                 std::to_string(columns->size()) + " columns laid out for it");
            }
            result.push_back(expression(keyword));
        }
        if (result.empty()) {
            atEnd() ? failAtEnd(inQuotes(keyword.text) + " needs at least one cell")
                    : fail(peek(), inQuotes(keyword.text) + " needs at least one cell");
        }
        return result;
    }

    TextExpression expression(const Token& after)
    {
        TextExpression pieces;
        pieces.push_back(piece(after));
        while (!atEnd() && peek().kind == Token::Kind::Plus) {
            const Token& plus = m_tokens[m_next++];
            pieces.push_back(piece(plus));
        }
        return pieces;
    }

    TextPiece piece(const Token& after)
    {
        const std::string what = "a text in quotes or a field in braces";
        if (atEnd()) {
            failAtEnd(inQuotes(after.text) + " needs " + what);
        }
        const Token& t = m_tokens[m_next++];
        if (t.kind == Token::Kind::String) {
            return t.text;
        }
        if (t.kind == Token::Kind::Field) {
            return field(t, true);
        }
        fail(t, inQuotes(after.text) + " needs " + what + ", not " + inQuotes(t.text));
    }

    std::optional<LineCondition> optionalCondition()
    {
        if (atEnd() || peek().kind != Token::Kind::Word || peek().text != "if") {
            return std::nullopt;
        }
        const Token& keyword = m_tokens[m_next++];
        LineCondition condition;
        if (!atEnd() && peek().kind == Token::Kind::Word && peek().text == "not") {
            condition.negated = true;
            ++m_next;
        }
        if (atEnd()) {
            failAtEnd("\u201cif\u201d needs a field in braces, such as \u201cif {FinText1}\u201d");
        }
        const Token& t = m_tokens[m_next++];
        if (t.kind != Token::Kind::Field) {
            fail(t, "\u201c" + keyword.text +
                        "\u201d needs a field in braces, such as "
                        "\u201cif {FinText1}\u201d");
        }
        condition.field = field(t, false);
        return condition;
    }

    FieldReference field(const Token& token, bool formatAllowed)
    {
        const auto bar = token.text.find('|');
        const std::string name(trimmed(std::string_view(token.text).substr(0, bar)));
        if (name.empty()) {
            fail(token, "a field in braces needs a name, such as {SalNum}");
        }
        FieldReference ref;
        if (bar != std::string::npos) {
            if (!formatAllowed) {
                fail(token, "a condition tests a field's value; it takes no format");
            }
            const std::string format = token.text.substr(bar + 1);
            if (trimmed(format) == "date") {
                ref.format = FieldReference::Format::Date;
            } else if (format.find_first_of("#0") != std::string::npos) {
                ref.format = FieldReference::Format::Number;
                ref.pattern = format;
            } else {
                fail(token, "unknown format " + inQuotes(format) +
                                ": use a number pattern such as \u201c### ### ##0.00\u201d or "
                                "\u201cdate\u201d");
            }
        }
        const Block& block = m_blocks.back();
        std::vector<const TableSchema*> candidates;
        if (block.kind != ReportElement::Kind::Text && !m_inGridHeader) {
            candidates.push_back(m_schema.table(block.opener.table));
        }
        if (!m_result.mainTable.empty()) {
            candidates.push_back(m_schema.table(m_result.mainTable));
        }
        if (candidates.empty()) {
            fail(token, "the field " + inQuotes(name) +
                            " is named before any table: put a \u201ctable\u201d line first");
        }
        const ColumnSchema* column = nullptr;
        for (const TableSchema* table : candidates) {
            column = table->column(name);
            if (column != nullptr) {
                ref.table = table->name;
                break;
            }
        }
        if (column == nullptr) {
            std::string where = "the table " + inQuotes(candidates.front()->name);
            if (candidates.size() > 1) {
                where = "neither the table " + inQuotes(candidates[0]->name) + " nor " +
                        inQuotes(candidates[1]->name);
                fail(token, where + " has a field " + inQuotes(name));
            }
            fail(token, where + " has no field " + inQuotes(name));
        }
        ref.field = column->name;
        if (ref.format == FieldReference::Format::Number && column->type == ColumnType::Text) {
            fail(token,
                 inQuotes(column->name) + " holds text, which a number pattern cannot format");
        }
        if (ref.format == FieldReference::Format::Date &&
            (column->type == ColumnType::Real || column->type == ColumnType::Boolean)) {
            fail(token, inQuotes(column->name) + " holds " + kindName(column->type) +
                            ", not day numbers or dates, so it cannot be printed as a date");
        }
        return ref;
    }

    void openBlock(const Token& keyword, ReportElement::Kind kind)
    {
        const Token& name = word(keyword, "the name of a line table of the print database");
        const TableSchema* table = m_schema.table(name.text);
        if (table == nullptr) {
            fail(name, "the " + m_schema.description + " has no table " + inQuotes(name.text));
        }
        if (table->kind != TableKind::Lines) {
            fail(name, inQuotes(table->name) + " holds a single row: name it on the "
                                               "\u201ctable\u201d line and print its fields "
                                               "directly");
        }
        finish();
        Block block{kind, m_line, std::nullopt, {}, element(kind)};
        block.opener.table = table->name;
        // A repeat block starts with the columns laid out before it.
        if (kind == ReportElement::Kind::Repeat) {
            block.columns = m_blocks.back().columns;
        }
        m_blocks.push_back(std::move(block));
    }

    void gridStatement(const Token& keyword)
    {
        Block& block = m_blocks.back();
        ReportElement& grid = block.opener;
        const std::string& k = keyword.text;
        if (k == "columns") {
            if (block.columns) {
                fail(keyword, "a grid has one \u201ccolumns\u201d line");
            }
            block.columns = columnLayouts(keyword);
            grid.columns = *block.columns;
        } else if (k == "header") {
            if (!grid.header.empty()) {
                fail(keyword, "a grid has one \u201cheader\u201d line");
            }
            m_inGridHeader = true;
            grid.header = cells(keyword, block.columns, "header");
            m_inGridHeader = false;
            finish();
        } else if (k == "row") {
            if (!grid.gridCells.empty()) {
                fail(keyword, "a grid has one \u201crow\u201d line, printed once per line of " +
                                  inQuotes(grid.table));
            }
            grid.gridCells = cells(keyword, block.columns, "row");
            if (!atEnd()) {
                fail(peek(), "a grid's row prints every line of its table and takes no "
                             "condition");
            }
        } else {
            fail(keyword, "a grid holds only \u201ccolumns\u201d, \u201cheader\u201d and "
                          "\u201crow\u201d lines, not " +
                              inQuotes(k));
        }
    }

    void endBlock(const Token& keyword)
    {
        finish();
        if (m_blocks.size() == 1) {
            fail(keyword, "\u201cend\u201d without a grid or repeat block to close");
        }
        Block block = std::move(m_blocks.back());
        m_blocks.pop_back();
        ReportElement e = std::move(block.opener);
        if (e.kind == ReportElement::Kind::Grid && e.gridCells.empty()) {
            fail(keyword, "the grid opened on line " + std::to_string(block.line) +
                              " has no \u201crow\u201d line");
        }
        if (e.kind == ReportElement::Kind::Repeat) {
            e.body = std::move(block.elements);
        }
        m_blocks.back().elements.push_back(std::move(e));
    }

    std::string_view m_text;
    const DatabaseSchema& m_schema;
    ReportTemplate m_result;
    std::vector<Block> m_blocks;
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
    int m_line = 0;
    bool m_inGridHeader = false;
    bool m_sawReport = false;
    bool m_sawTable = false;
    bool m_sawPage = false;
    bool m_sawFont = false;
    bool m_sawPageHeader = false;
    bool m_sawPageFooter = false;
};

void addTable(std::vector<std::string>& tables, const std::string& table)
{
    if (!table.empty() && std::find(tables.begin(), tables.end(), table) == tables.end()) {
        tables.push_back(table);
    }
}

} // namespace

std::string TemplateError::text() const
{
    std::string out = file;
    if (line > 0) {
        out += ":" + std::to_string(line);
        if (column > 0) {
            out += ":" + std::to_string(column);
        }
    }
    return out + ": " + message;
}

std::vector<std::string> ReportTemplate::tables() const
{
    std::vector<std::string> result;
    addTable(result, mainTable);
    for (const ReportElement& e : elements) {
        if (e.kind == ReportElement::Kind::Grid || e.kind == ReportElement::Kind::Repeat) {
            addTable(result, e.table);
        }
    }
    return result;
}

std::variant<ReportTemplate, TemplateError> ReportTemplate::parse(std::string_view text,
                                                                  const std::string& fileName,
                                                                  const DatabaseSchema& schema)
{
    // A byte-order mark left by an editor is not part of the first statement.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    try {
        return Parser(text, schema).run();
    } catch (const Failure& failure) {
        return TemplateError{fileName, failure.line, failure.column, failure.message};
    }
}

std::variant<ReportTemplate, TemplateError> ReportTemplate::load(const std::filesystem::path& file,
                                                                 const DatabaseSchema& schema)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return TemplateError{file.string(), 0, 0, "the report template cannot be read"};
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return TemplateError{file.string(), 0, 0, "the report template cannot be read"};
    }
    return parse(text, file.string(), schema);
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/schema_database.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace grovan {

/// Why a report template cannot be used, and where: `line` and `column` count from 1 (0 when the
/// fault belongs to the whole file, such as a file that cannot be read).
struct TemplateError
{
    std::string file;
    int line = 0;
    int column = 0;
    std::string message;

    /// "file:line:column: message" (or "file:line: ..." / "file: ...").
    std::string text() const;

    bool operator==(const TemplateError&) const = default;
};

/// A field of a table in the print database, read by a template, and how its value is printed.
struct FieldReference
{
    enum class Format
    {
        AsStored, ///< texts as they stand, whole numbers plainly, doubles as plainNumberText()
        Number,   ///< a number pattern such as "### ### ##0.00" (formatNumber)
        Date,     ///< a day number as "dd/mm/yyyy"; a text is printed as it stands
    };

    std::string table; ///< the table's name as the database spells it
    std::string field; ///< the field's name as the database spells it
    Format format = Format::AsStored;
    std::string pattern;
};

/// One piece of a printed text: a literal text or a field's value.
using TextPiece = std::variant<std::string, FieldReference>;
/// A printed text: its pieces one after the other.
using TextExpression = std::vector<TextPiece>;

/// A condition on a line: the field holds something (a text that is not blank, a number that is
/// not 0), or, negated, it does not.
struct LineCondition
{
    FieldReference field;
    bool negated = false;
};

enum class Alignment
{
    Left,
    Center,
    Right
};

struct ColumnLayout
{
    Alignment alignment = Alignment::Left;
    int widthPercent = 0; ///< of the page's text width
};

enum class PaperSize
{
    A4,
    A5,
    Letter,
    Legal
};

enum class PageOrientation
{
    Portrait,
    Landscape
};

/// The printed page: paper, orientation and the four margins in millimetres. The page header and
/// footer are printed inside the margins.
struct PageSetup
{
    PaperSize paper = PaperSize::A4;
    PageOrientation orientation = PageOrientation::Portrait;
    double marginTopMm = 20.0;
    double marginRightMm = 15.0;
    double marginBottomMm = 20.0;
    double marginLeftMm = 15.0;

    bool operator==(const PageSetup&) const = default;
};

/// One statement of a template's body.
struct ReportElement
{
    enum class Kind
    {
        Heading,    ///< the report's large heading, centred
        Subheading, ///< a smaller bold heading
        Text,       ///< a paragraph
        Columns,    ///< the column layout of the rows that follow
        Row,        ///< one line of cells in the current column layout
        Total,      ///< a row set apart: bold, with a rule above it
        Rule,       ///< a thin horizontal line
        Space,      ///< an empty line
        PageBreak,  ///< the next element starts a new page
        Grid,       ///< a table with one row per line of a line table, header repeated per page
        Repeat,     ///< the body printed once per line of a line table
    };

    Kind kind = Kind::Text;
    int line = 0;                      ///< where the statement stands in the template
    std::vector<TextExpression> cells; ///< Heading/Subheading/Text: one; Row/Total: one a column
    std::optional<LineCondition> condition;

    Alignment alignment = Alignment::Left; ///< Text
    bool bold = false;                     ///< Text, Row
    bool italic = false;                   ///< Text
    bool small = false;                    ///< Text

    std::vector<ColumnLayout> columns; ///< Columns, and a Grid's columns

    std::string table;                     ///< Grid/Repeat: the line table
    std::vector<TextExpression> header;    ///< Grid: the header row
    std::vector<TextExpression> gridCells; ///< Grid: the row printed for each line
    std::vector<ReportElement> body;       ///< Repeat: the statements printed for each line
};

/// A report template: a ".rpt" text file in the program's asset folder that names its report,
/// the table(s) of the print database it prints and its page, and lays out headings, label and
/// value rows, totals, rules and grids. resources/reports/README.md describes the format.
/// Every table and field a template names is checked against the print database's tables when
/// it is read, so a template that loads prints without surprises.
struct ReportTemplate
{
    std::string title;     ///< the report's name, e.g. "Annual": the PDF's title and file name
    std::string mainTable; ///< the single-row table plain field references read; may be empty
    PageSetup page;
    std::string fontFamily = "DejaVu Sans";
    double fontPoints = 10.0;
    TextExpression pageHeader; ///< printed at the top of every page
    TextExpression pageFooter; ///< printed at the bottom of every page, beside "Page i of n"
    std::vector<ReportElement> elements;

    /// Every table the template reads, the main table first, each once.
    std::vector<std::string> tables() const;

    /// Reads a template from `text`; `fileName` is only used to name it in errors.
    static std::variant<ReportTemplate, TemplateError>
    parse(std::string_view text, const std::string& fileName, const DatabaseSchema& schema);
    /// Reads the template file `file` (UTF-8); a file that cannot be read is an error too.
    static std::variant<ReportTemplate, TemplateError> load(const std::filesystem::path& file,
                                                            const DatabaseSchema& schema);
};

} // namespace grovan

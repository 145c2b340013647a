// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"
#include "core/report_file.h"
#include "core/report_template.h"
#include "tests/support/report_test_schema.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::TempFolder;

std::variant<ReportTemplate, TemplateError> parse(const std::string& text)
{
    return ReportTemplate::parse(text, "t.rpt", testing::reportTestSchema());
}

struct BadTemplate
{
    const char* name;
    const char* text;
    const char* error; // the whole message, "file:line:column: ..."
};

// Each template is wrong in one place; the message must name that place and say what is wrong.
// Columns count characters from 1.
const BadTemplate kBadTemplates[] = {
    {"UnknownStatement", "report \"X\"\ntable IRP5Ann\nrwo {Sal}\n",
     "t.rpt:3:1: unknown statement \u201crwo\u201d"},
    {"UnknownTable", "report \"X\"\ntable IRP5Annual\n",
     "t.rpt:2:7: the print database has no table \u201cIRP5Annual\u201d"},
    {"UnknownField", "report \"X\"\ntable IRP5Ann\ncolumns left:50 right:50\nrow {Sal} {SalNumm}\n",
     "t.rpt:4:11: the table \u201cIRP5Ann\u201d has no field \u201cSalNumm\u201d"},
    {"UnknownFieldInAGridRow",
     "report \"X\"\ntable Loans\ngrid Amort\n columns right:50 right:50\n row {Year} "
     "{Balance}\nend\n",
     "t.rpt:5:13: neither the table \u201cAmort\u201d nor \u201cLoans\u201d has a field "
     "\u201cBalance\u201d"},
    {"LineFieldInAGridHeader",
     "report \"X\"\ntable Loans\ngrid Amort\n columns right:50\n header {Year}\n row {Year}\nend\n",
     "t.rpt:5:9: the table \u201cLoans\u201d has no field \u201cYear\u201d"},
    {"FieldBeforeTable", "report \"X\"\nheading {TypeAM}\ntable IRP5Ann\n",
     "t.rpt:2:9: the field \u201cTypeAM\u201d is named before any table: put a \u201ctable\u201d "
     "line first"},
    {"UnclosedText", "report \"X\"\nheading \"Annual\n",
     "t.rpt:2:9: this text has no closing quote"},
    {"UnclosedField", "report \"X\"\ntable IRP5Ann\nheading {TypeAM\n",
     "t.rpt:3:9: this field has no closing \u201c}\u201d"},
    {"ColumnsCountCharactersNotBytes",
     "report \"X\"\ntable IRP5Ann\ntext \"Bedrag \u00e9\u00e9n\" + {Nope}\n",
     "t.rpt:3:21: the table \u201cIRP5Ann\u201d has no field \u201cNope\u201d"},
    {"DanglingPlus", "report \"X\"\ntable IRP5Ann\nheading {TypeAM} +\n",
     "t.rpt:3:19: \u201c+\u201d needs a text in quotes or a field in braces"},
    {"RowBeforeColumns", "report \"X\"\ntable IRP5Ann\nrow {Sal}\n",
     "t.rpt:3:1: a row needs a \u201ccolumns\u201d line before it"},
    {"MoreCellsThanColumns",
     "report \"X\"\ntable IRP5Ann\ncolumns left:50 right:50\nrow {Sal} {SalNum} {Bonus}\n",
     "t.rpt:4:20: this row has more cells than the 2 columns laid out for it"},
    {"ColumnsWiderThanThePage", "report \"X\"\ncolumns left:60 right:50\n",
     "t.rpt:2:17: the columns are wider than the page: their widths add up to 110 %"},
    {"ColumnWithoutWidth", "report \"X\"\ncolumns left\n",
     "t.rpt:2:9: a column's width is a whole percentage from 1 to 100, as in \u201cleft:20\u201d"},
    {"ColumnWidthNotANumber", "report \"X\"\ncolumns left:nan\n",
     "t.rpt:2:9: a column's width is a whole percentage from 1 to 100, as in \u201cleft:20\u201d"},
    {"ColumnWidthWithDecimals", "report \"X\"\ncolumns right:20.5\n",
     "t.rpt:2:9: a column's width is a whole percentage from 1 to 100, as in \u201cright:20\u201d"},
    {"UnknownRowOption", "report \"X\"\ntable IRP5Ann\ncolumns left:50\nrow {Sal} italic\n",
     "t.rpt:4:11: unknown row option \u201citalic\u201d (bold)"},
    {"NumberPatternOnText", "report \"X\"\ntable IRP5Ann\nheading {Sal|### ##0.00}\n",
     "t.rpt:3:9: \u201cSal\u201d holds text, which a number pattern cannot format"},
    {"UnknownFormat", "report \"X\"\ntable IRP5Ann\nheading {SalNum|money}\n",
     "t.rpt:3:9: unknown format \u201cmoney\u201d: use a number pattern such as \u201c### ### "
     "##0.00\u201d or \u201cdate\u201d"},
    {"DateOfAnAmount", "report \"X\"\ntable IRP5Ann\nheading {SalNum|date}\n",
     "t.rpt:3:9: \u201cSalNum\u201d holds amounts, not day numbers or dates, so it cannot be "
     "printed as a date"},
    {"ConditionWithFormat", "report \"X\"\ntable IRP5Ann\nheading {TypeAM} if {SalNum|0}\n",
     "t.rpt:3:21: a condition tests a field's value; it takes no format"},
    {"LineTableAsMainTable", "report \"X\"\ntable Amort\n",
     "t.rpt:2:7: \u201cAmort\u201d is a line table: print it with a \u201cgrid\u201d or "
     "\u201crepeat\u201d block"},
    {"GridOverASingleRow", "report \"X\"\ngrid IRP5Mon\n",
     "t.rpt:2:6: \u201cIRP5Mon\u201d holds a single row: name it on the \u201ctable\u201d line and "
     "print its fields directly"},
    {"GridWithoutEnd", "report \"X\"\n\ngrid Amort\n columns right:50\n row {Year}\n",
     "t.rpt:3:1: this grid block has no \u201cend\u201d line"},
    {"GridWithoutRow", "report \"X\"\ngrid Amort\n columns right:50\nend\n",
     "t.rpt:4:1: the grid opened on line 2 has no \u201crow\u201d line"},
    {"GridRowWithCondition",
     "report \"X\"\ngrid Amort\n columns right:50\n row {Year} if {Capital}\nend\n",
     "t.rpt:4:13: a grid's row prints every line of its table and takes no condition"},
    {"TextInsideAGrid", "report \"X\"\ngrid Amort\n text \"x\"\nend\n",
     "t.rpt:3:2: a grid holds only \u201ccolumns\u201d, \u201cheader\u201d and \u201crow\u201d "
     "lines, "
     "not \u201ctext\u201d"},
    {"BlockInsideABlock", "report \"X\"\nrepeat compcar\n grid Amort\nend\n",
     "t.rpt:3:2: a grid or repeat block cannot stand inside another block"},
    {"SettingInsideABlock", "report \"X\"\nrepeat compcar\n page A4\nend\n",
     "t.rpt:3:2: \u201cpage\u201d belongs to the whole report, not inside a block"},
    {"EndWithoutBlock", "report \"X\"\nend\n",
     "t.rpt:2:1: \u201cend\u201d without a grid or repeat block to close"},
    {"NoReportLine", "table IRP5Ann\n",
     "t.rpt: the template has no \u201creport\u201d line naming its title"},
    {"TwoReportLines", "report \"X\"\nreport \"Y\"\n",
     "t.rpt:2:1: the template has more than one \u201creport\u201d line"},
    {"UnknownPaper", "report \"X\"\npage B5\n",
     "t.rpt:2:6: unknown paper size \u201cB5\u201d (A4, A5, Letter or Legal)"},
    {"MissingMargin", "report \"X\"\npage A4 margins 20 20 20\n",
     "t.rpt:2:25: \u201cmargins\u201d needs a margin in millimetres"},
    {"MarginTooWide", "report \"X\"\npage A4 margins 20 20 20 120\n",
     "t.rpt:2:26: a margin in millimetres must be a number from 0 to 100, not \u201c120\u201d"},
    {"FontTooSmall", "report \"X\"\nfont \"DejaVu Sans\" 2\n",
     "t.rpt:2:20: the font size in points must be a number from 4 to 72, not \u201c2\u201d"},
    {"UnknownTextOption", "report \"X\"\ntext \"x\" underline\n",
     "t.rpt:2:10: unknown text option \u201cunderline\u201d (left, center, right, bold, italic "
     "or small)"},
};

class BadTemplateTest : public ::testing::TestWithParam<BadTemplate>
{};

TEST_P(BadTemplateTest, IsRefusedWithFileLineAndColumn)
{
    const auto result = parse(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<TemplateError>(result));
    EXPECT_EQ(std::get<TemplateError>(result).text(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Templates, BadTemplateTest, ::testing::ValuesIn(kBadTemplates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportTemplateTest, ReadsEveryPartOfAFullTemplate)
{
    // The example of resources/reports/README.md, with Windows line ends and a byte-order mark
    // as an editor might leave them.
    const std::string text =
        "\xEF\xBB\xBF# a loan\r\n"
        "report      \"Loan repayment\"\r\n"
        "table       Loans\r\n"
        "page        Letter landscape margins 18 20 16.5 20\r\n"
        "font        \"Liberation Sans\" 11\r\n"
        "pageheader  \"Grovan 2022\"\r\n"
        "pagefooter  \"(E.& O.E.)\"\r\n"
        "\r\n"
        "heading     {Heading}\r\n"
        "columns     left:58 right:4 right:18\r\n"
        "row         \"Principal amount\"  \"R\"  {num1|### ### ##0.00}\r\n"
        "row         \"Interest rate\"     \"\"   {Num3|0.000} + \" %\"\r\n"
        "row         {FinText1}          \"R\"  {FinNum1|### ### ##0.00}   if {FinText1}\r\n"
        "total       {FinText2}          \"R\"  {FinNum2|### ### ##0.00}   if not {FinText2}\r\n"
        "grid        Amort\r\n"
        "  columns   right:10 right:30 right:30 right:30\r\n"
        "  header    {YearMon} \"Capital payment\" \"Interest payment\" \"Balance\"\r\n"
        "  row       {Year|##} {Capital|# ### ### ###.00} {Interest|# ### ### ###.00} "
        "{Required|# ### ### ###.00}\r\n"
        "end\r\n";
    const auto result = parse(text);
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(result))
        << std::get<TemplateError>(result).text();
    const auto& report = std::get<ReportTemplate>(result);
    EXPECT_EQ(report.title, "Loan repayment");
    EXPECT_EQ(report.mainTable, "Loans");
    EXPECT_EQ(report.tables(), (std::vector<std::string>{"Loans", "Amort"}));
    EXPECT_EQ(report.page,
              (PageSetup{PaperSize::Letter, PageOrientation::Landscape, 18, 20, 16.5, 20}));
    EXPECT_EQ(report.fontFamily, "Liberation Sans");
    EXPECT_EQ(report.fontPoints, 11.0);
    ASSERT_EQ(report.elements.size(), 7u);

    // Field names are matched in any case and kept as the database spells them.
    const ReportElement& principal = report.elements[2];
    const auto& amount = std::get<FieldReference>(principal.cells[2].front());
    EXPECT_EQ(amount.field, "Num1");
    EXPECT_EQ(amount.format, FieldReference::Format::Number);
    EXPECT_EQ(amount.pattern, "### ### ##0.00");

    EXPECT_EQ(report.elements[3].cells[2].size(), 2u); // a field and " %"
    ASSERT_TRUE(report.elements[4].condition.has_value());
    EXPECT_FALSE(report.elements[4].condition->negated);
    EXPECT_EQ(report.elements[5].kind, ReportElement::Kind::Total);
    EXPECT_TRUE(report.elements[5].condition->negated);

    const ReportElement& grid = report.elements[6];
    EXPECT_EQ(grid.kind, ReportElement::Kind::Grid);
    EXPECT_EQ(grid.table, "Amort");
    EXPECT_EQ(grid.columns.size(), 4u);
    EXPECT_EQ(grid.header.size(), 4u);
    EXPECT_EQ(grid.gridCells.size(), 4u);
}

TEST(ReportTemplateTest, GridAndRepeatBlocksReadTheirLineTableFirst)
{
    const auto result = parse("report \"Cars\"\n"
                              "table IRP5Ann\n"
                              "grid Amort\n"
                              " columns right:50 right:50\n"
                              " header {TypeAM} \"Capital\"\n"
                              " row {Year} {Capital}\n"
                              "end\n"
                              "repeat compcar\n"
                              " columns left:50 right:50\n"
                              " row {CCMake} {EOE}\n"
                              "end\n");
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(result))
        << std::get<TemplateError>(result).text();
    const auto& report = std::get<ReportTemplate>(result);
    EXPECT_EQ(report.tables(), (std::vector<std::string>{"IRP5Ann", "Amort", "compcar"}));
    ASSERT_EQ(report.elements.size(), 2u);
    const ReportElement& grid = report.elements[0];
    EXPECT_EQ(std::get<FieldReference>(grid.header[0].front()).table, "IRP5Ann");
    EXPECT_EQ(std::get<FieldReference>(grid.gridCells[0].front()).table, "Amort");
    const ReportElement& repeat = report.elements[1];
    ASSERT_EQ(repeat.body.size(), 2u);
    EXPECT_EQ(std::get<FieldReference>(repeat.body[1].cells[0].front()).table, "compcar");
    EXPECT_EQ(std::get<FieldReference>(repeat.body[1].cells[1].front()).table, "IRP5Ann");
}

TEST(ReportTemplateTest, AMissingFileIsAnErrorNamingIt)
{
    TempFolder folder;
    const auto result = ReportTemplate::load(folder / "Nowhere.rpt", testing::reportTestSchema());
    ASSERT_TRUE(std::holds_alternative<TemplateError>(result));
    EXPECT_EQ(std::get<TemplateError>(result).text(),
              (folder / "Nowhere.rpt").string() + ": the report template cannot be read");
}

} // namespace
} // namespace grovan

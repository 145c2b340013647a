// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"
#include "core/report_file.h"
#include "core/report_renderer.h"
#include "tests/support/recording_sink.h"
#include "tests/support/report_test_schema.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

ReportTemplate templateFrom(const std::string& text)
{
    auto result = ReportTemplate::parse(text, "t.rpt", testing::reportTestSchema());
    if (const auto* error = std::get_if<TemplateError>(&result)) {
        ADD_FAILURE() << error->text();
        return {};
    }
    return std::get<ReportTemplate>(std::move(result));
}

// The contents of every element `tag` in `html`, in order, such as every table cell.
std::vector<std::string> contentsOf(const std::string& html, const std::string& tag)
{
    std::vector<std::string> found;
    const std::string open = "<" + tag;
    const std::string close = "</" + tag + ">";
    for (auto at = html.find(open); at != std::string::npos; at = html.find(open, at + 1)) {
        const char after = html[at + open.size()];
        if (after != ' ' && after != '>') {
            continue;
        }
        const auto start = html.find('>', at) + 1;
        found.push_back(html.substr(start, html.find(close, start) - start));
    }
    return found;
}

struct ValueCase
{
    const char* name;
    const char* cell;  // how the template prints the field
    const char* field; // the IRP5Ann field the printout wrote
    FieldValue stored; // what it wrote
    const char* shown; // the cell's HTML
};

// The patterns and their results follow the program's number formatter; day 44256 is
// 01/03/2021, 44620 is 28/02/2022.
const ValueCase kValueCases[] = {
    {"GroupedAmount", "{SalNum|### ### ##0.00}", "SalNum", 1234567.891, "1 234 567.89"},
    {"AmountRoundsHalfAwayFromZero", "{SalNum|### ### ##0.00}", "SalNum", 0.125, "0.13"},
    {"ZeroBalanceStillShowsItsCents", "{SalNum|# ### ### ###.00}", "SalNum", 0.0, "0.00"},
    {"NegativeAmount", "{SalNum|### ### ##0.00}", "SalNum", -1500.5, "-1 500.50"},
    {"PlainDouble", "{SalNum}", "SalNum", 250000.0, "250000"},
    {"PatternWithSuffix", "{SalNum|0.0 %}", "SalNum", 24.4878, "24.5 %"},
    {"IntegerZeroInAnAmountOrZeroField", "{TotalNum|### ### ##0.00}", "TotalNum", std::int64_t{0},
     "0.00"},
    {"AmountInAnAmountOrZeroField", "{TotalNum|### ### ##0.00}", "TotalNum", 104533.3333,
     "104 533.33"},
    {"WholeNumberAsStored", "{AgeNum}", "AgeNum", std::int64_t{67}, "67"},
    {"WholeNumberWithPattern", "{AgeNum|00}", "AgeNum", std::int64_t{7}, "07"},
    {"DateTextAsStored", "{SDateNum}", "SDateNum", std::string("01/03/2021"), "01/03/2021"},
    {"EmptyField", "{SalNum|### ### ##0.00}", "SalNum", std::monostate{}, ""},
    {"HostileText", "{Employee}", "Employee", std::string("<b>&\"'x</b>"),
     "&lt;b&gt;&amp;&quot;&#39;x&lt;/b&gt;"},
    {"TextWithALineBreak", "{Employee}", "Employee", std::string("a\nb"), "a<br/>b"},
    {"LiteralTextIsEscapedToo", "\"R & <R>\"", "SalNum", std::monostate{}, "R &amp; &lt;R&gt;"},
    {"JoinedPieces", "{Age} + {AgeNum} + \" y\"", "AgeNum", std::int64_t{40}, "Age : 40 y"},
};

class ValueTest : public ::testing::TestWithParam<ValueCase>
{};

TEST_P(ValueTest, PrintsTheStoredValueAsTheTemplateSays)
{
    const ValueCase& c = GetParam();
    const ReportTemplate report =
        templateFrom("report \"T\"\ntable IRP5Ann\ncolumns right:50\nrow " + std::string(c.cell));
    ReportData data;
    data.rows["IRP5Ann"] = {{c.field, c.stored}, {"Age", std::string("Age : ")}};
    const RenderedReport rendered = renderReport(report, data);
    EXPECT_EQ(contentsOf(rendered.html, "td").at(0), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Renderer, ValueTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportRendererTest, DayNumbersPrintAsDates)
{
    const ReportTemplate report = templateFrom("report \"Daily balance\"\ntable DailyBal\n"
                                               "columns left:50 left:50\n"
                                               "row {StartDate|date} {EndDate|date}\n");
    ReportData data;
    data.rows["DailyBal"] = {{"StartDate", std::int64_t{44256}}, {"EndDate", std::int64_t{44620}}};
    EXPECT_EQ(contentsOf(renderReport(report, data).html, "td"),
              (std::vector<std::string>{"01/03/2021", "28/02/2022"}));
}

TEST(ReportRendererTest, ConditionalLinesFollowTheirField)
{
    const ReportTemplate report =
        templateFrom("report \"Loan\"\ntable Loans\ncolumns left:60 right:40\n"
                     "row {FinText1} {FinNum1|0.00} if {FinText1}\n"
                     "row \"no totals\" if not {FinText1}\n"
                     "row \"some interest\" if {FinNum1}\n"
                     "text \"blank label\" if {FinText2}\n");
    struct Case
    {
        const char* name;
        Row row;
        std::vector<std::string> cells;
    };
    const Case cases[] = {
        {"TotalsShown",
         {{"FinText1", std::string("Total Interest")},
          {"FinNum1", 31605.19},
          {"FinText2", std::string("  ")}},
         {"Total Interest", "31605.19", "some interest", ""}},
        // The totals hidden: empty texts and zeros.
        {"TotalsHidden", {{"FinText1", std::string()}, {"FinNum1", 0.0}}, {"no totals", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportData data;
        data.rows["Loans"] = c.row;
        const std::string html = renderReport(report, data).html;
        EXPECT_EQ(contentsOf(html, "td"), c.cells);
        EXPECT_EQ(html.find("blank label"), std::string::npos);
    }
}

TEST(ReportRendererTest, AGridPrintsOneRowPerLineUnderOneRepeatingHeader)
{
    const ReportTemplate report = templateFrom("report \"Loan\"\ntable Loans\n"
                                               "grid Amort\n"
                                               " columns right:20 right:40\n"
                                               " header {YearMon} \"Balance\"\n"
                                               " row {Year|##} {Required|# ### ### ###.00}\n"
                                               "end\n");
    ReportData data;
    data.rows["Loans"] = {{"YearMon", std::string("Year")}};
    // A 30-month loan's annual schedule: three years, the last balance 0.
    data.lines["Amort"] = {{{"Year", std::int64_t{1}}, {"Required", 61204.6}},
                           {{"Year", std::int64_t{2}}, {"Required", 20410.25}},
                           {{"Year", std::int64_t{3}}, {"Required", 0.0}}};
    const std::string html = renderReport(report, data).html;
    EXPECT_EQ(contentsOf(html, "thead").size(), 1u);
    EXPECT_EQ(contentsOf(html, "th"), (std::vector<std::string>{"Year", "Balance", ""}));
    EXPECT_EQ(contentsOf(html, "td"), (std::vector<std::string>{"1", "61 204.60", "", "2",
                                                                "20 410.25", "", "3", "0.00", ""}));

    data.lines["Amort"].clear();
    const std::string empty = renderReport(report, data).html;
    EXPECT_EQ(contentsOf(empty, "th").size(), 3u);
    EXPECT_TRUE(contentsOf(empty, "td").empty());
}

TEST(ReportRendererTest, ARepeatBlockPrintsItsStatementsForEveryLine)
{
    const ReportTemplate report = templateFrom("report \"Cars\"\n"
                                               "repeat compcar\n"
                                               " subheading \"Vehicle \" + {CarNum} + \" of \" + "
                                               "{CMVMaxNum}\n"
                                               " columns left:50 right:50\n"
                                               " row {CCMake} {CCPrice|### ### ##0.00}\n"
                                               " row \"Maintenance\" {MaintIncluded} if "
                                               "{MaintIncluded}\n"
                                               "end\n");
    ReportData data;
    data.lines["compcar"] = {
        {{"CarNum", std::int64_t{1}},
         {"CMVMaxNum", std::int64_t{2}},
         {"CCMake", std::string("Toyota")},
         {"CCPrice", 350000.0},
         {"MaintIncluded", std::string("Yes")}},
        {{"CarNum", std::int64_t{2}},
         {"CMVMaxNum", std::int64_t{2}},
         {"CCMake", std::string("VW")},
         {"CCPrice", 0.0},
         {"MaintIncluded", std::string()}},
    };
    const std::string html = renderReport(report, data).html;
    EXPECT_EQ(
        contentsOf(html, "td"),
        (std::vector<std::string>{"Toyota", "350 000.00", "Maintenance", "Yes", "VW", "0.00"}));
    EXPECT_NE(html.find("Vehicle 1 of 2"), std::string::npos);
    EXPECT_NE(html.find("Vehicle 2 of 2"), std::string::npos);
}

TEST(ReportRendererTest, PageHeaderAndFooterArePlainText)
{
    const ReportTemplate report =
        templateFrom("report \"Annual\"\ntable IRP5Ann\npage A5 landscape\n"
                     "pageheader \"Grovan 2022\"\npagefooter {EOE}\n");
    ReportData data;
    data.rows["IRP5Ann"] = {{"EOE", std::string("(E.& O.E.)")}};
    const RenderedReport rendered = renderReport(report, data);
    EXPECT_EQ(rendered.title, "Annual");
    EXPECT_EQ(rendered.pageHeader, "Grovan 2022");
    // Painted as text, not HTML, so the ampersand stays as it is.
    EXPECT_EQ(rendered.pageFooter, "(E.& O.E.)");
    EXPECT_EQ(rendered.page.paper, PaperSize::A5);
    EXPECT_EQ(rendered.page.orientation, PageOrientation::Landscape);
}

TEST(ReportRendererTest, AFaultyTemplateFileIsToldWithItsPlace)
{
    TempFolder folder;
    RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", testing::reportTestSchema(), sink);
    ASSERT_TRUE(database.prepare());
    sink.messages.clear();
    TempFolder::writeFile(folder / "Bad.rpt", "report \"Bad\"\ntable IRP5Ann\nheading {Nope}\n");

    EXPECT_FALSE(renderReportFile(folder / "Bad.rpt", database, sink).has_value());
    EXPECT_FALSE(renderReportFile(folder / "Missing.rpt", database, sink).has_value());
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(sink.messages[0].text.find((folder / "Bad.rpt").string() +
                                         ":3:9: the table \u201cIRP5Ann\u201d has no field "
                                         "\u201cNope\u201d"),
              std::string::npos);
    EXPECT_NE(sink.messages[1].text.find((folder / "Missing.rpt").string() +
                                         ": the report template cannot be read"),
              std::string::npos);
}

} // namespace
} // namespace grovan

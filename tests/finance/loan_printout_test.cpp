// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "finance/loan_calculator.h"
#include "finance/loan_printout.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

constexpr LoanCalcMode kRepayment = LoanCalcMode::MonthlyRepayment;
constexpr LoanCalcMode kPrincipal = LoanCalcMode::PrincipalAmount;
constexpr LoanCalcMode kPeriod = LoanCalcMode::RepaymentPeriod;
constexpr LoanCalcMode kRate = LoanCalcMode::InterestRate;

LoanState loan(LoanCalcMode mode, double principal, double months, double rate, double repayment,
               FinCharges totals = FinCharges::Up)
{
    LoanState state;
    state.CalcMode = mode;
    state.Principal = principal;
    state.PeriodMonths = months;
    state.AnnualRate = rate;
    state.MonthlyRepayment = repayment;
    state.FinChargesState = totals;
    return state;
}

LoanPrintOptions withSchedule(int option1)
{
    LoanPrintOptions options;
    options.setCheck1(true);
    options.chooseOption1(option1);
    return options;
}

const std::filesystem::path kTemplates =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
    "reports";

TEST(LoanPrintOptionsTest, TheCheckBoxGovernsTheScheduleOptions)
{
    LoanPrintOptions options;
    EXPECT_EQ(options.IncludeAmort, 0);
    EXPECT_EQ(options.AmortKind, 0);
    EXPECT_FALSE(options.frameEnabled());
    EXPECT_FALSE(options.schedule());

    options.setCheck1(true);
    EXPECT_TRUE(options.frameEnabled());
    EXPECT_EQ(options.AmortKind, 2) << "ticking selects Annual";
    EXPECT_EQ(options.schedule(), AmortKind::Annual);
    options.chooseOption1(1);
    EXPECT_EQ(options.schedule(), AmortKind::Monthly);

    // Without the tick there is no schedule, whatever option is selected.
    options.setCheck1(false);
    EXPECT_FALSE(options.frameEnabled());
    EXPECT_EQ(options.AmortKind, 1);
    EXPECT_FALSE(options.schedule());
    options.setCheck1(true);
    EXPECT_EQ(options.schedule(), AmortKind::Annual);
}

TEST(LoanPrintRowTest, TotalsHiddenWriteEmptyTextsAndZeros)
{
    const Row row = loansPrintRow(loan(kRepayment, 100000, 240, 10, 965.02), std::nullopt);
    const Row expected{
        {"Heading", std::string("Monthly repayment")},
        {"Num1", 100000.0},
        {"Num2", 240.0},
        {"Num3", 10.0},
        {"Num4", 965.02},
        {"FinText1", std::string()},
        {"FinText1A", std::string()},
        {"FinNum1", 0.0},
        {"FinText2", std::string()},
        {"FinNum2", 0.0},
    };
    EXPECT_EQ(row, expected);
}

TEST(LoanPrintRowTest, TotalsShownAndTheScheduleNamed)
{
    const LoanState state = loan(kPeriod, 100000, 240, 10, 965.03, FinCharges::Down);
    const Row row = loansPrintRow(state, AmortKind::Monthly);
    ASSERT_EQ(row.size(), 11u);
    EXPECT_EQ(row[0].value, FieldValue{std::string("Repayment period")});
    EXPECT_EQ(row[5].value, FieldValue{std::string("Total Interest")});
    EXPECT_EQ(row[6].value, FieldValue{std::string(": R")});
    EXPECT_EQ(row[7].value, FieldValue{965.03 * 240 - 100000});
    EXPECT_EQ(row[8].value, FieldValue{std::string("Total Repayments")});
    EXPECT_EQ(row[9].value, FieldValue{965.03 * 240});
    EXPECT_EQ(row[10], (Field{"YearMon", std::string("Month")}));
    EXPECT_EQ(loansPrintRow(state, AmortKind::Annual)[10], (Field{"YearMon", std::string("Year")}));
}

struct ChoiceCase
{
    const char* name;
    LoanCalcMode mode;
    std::optional<AmortKind> schedule;
    const char* templateFile;
    const char* title; // nullptr: no title set
};

const ChoiceCase kChoiceCases[] = {
    {"repayment", kRepayment, std::nullopt, "Lonrepa.rpt", nullptr},
    {"repayment_annual", kRepayment, AmortKind::Annual, "LonrepaA.rpt",
     "Annual repayment of Loan with Amortisation"},
    {"repayment_monthly", kRepayment, AmortKind::Monthly, "LonrepaA.rpt",
     "Annual repayment of Loan with Monthly Amortisation"},
    {"principal", kPrincipal, std::nullopt, "LonPrAm.rpt", nullptr},
    {"principal_annual", kPrincipal, AmortKind::Annual, "LonPrAmA.rpt",
     "Principal calculation of Loan with Annual Amortisation"},
    {"principal_monthly", kPrincipal, AmortKind::Monthly, "LonPrAmA.rpt",
     "Principal calculation of Loan with Monthly Amortisation"},
    {"period", kPeriod, std::nullopt, "LonRPer.rpt", nullptr},
    {"period_annual", kPeriod, AmortKind::Annual, "LonRPerA.rpt",
     "Repayment period calculation of Loan with Annual Amortisation"},
    {"period_monthly", kPeriod, AmortKind::Monthly, "LonRPerA.rpt",
     "Repayment period calculation of Loan with Monthly Amortisation"},
    {"rate", kRate, std::nullopt, "LonInRt.rpt", nullptr},
    {"rate_annual", kRate, AmortKind::Annual, "LonInRtA.rpt",
     "Interest rate calculation of Loan with Annual Amortisation"},
    {"rate_monthly", kRate, AmortKind::Monthly, "LonInRtA.rpt",
     "Interest rate calculation of Loan with Monthly Amortisation"},
};

class LoanTemplateChoice : public ::testing::TestWithParam<ChoiceCase>
{};

TEST_P(LoanTemplateChoice, ByModeAndSchedule)
{
    const ChoiceCase& c = GetParam();
    const LoanReportChoice choice = loanReportChoice(c.mode, c.schedule);
    EXPECT_EQ(choice.templateFile, c.templateFile);
    if (c.title == nullptr) {
        EXPECT_FALSE(choice.previewTitle);
    } else {
        EXPECT_EQ(choice.previewTitle, std::string(c.title) + " - To export printout click on the "
                                                              "suitcase button or goto Help");
    }
    // Every template chosen is shipped and prints the loan's tables.
    const auto loaded =
        ReportTemplate::load(kTemplates / c.templateFile, programCalculators().printSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(loaded))
        << std::get<TemplateError>(loaded).text();
    const auto tables = std::get<ReportTemplate>(loaded).tables();
    EXPECT_EQ(tables.front(), "Loans");
    EXPECT_EQ(tables.size(), c.schedule ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Loan, LoanTemplateChoice, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoanPrintoutTest, PeriodModeWithTheAnnualSchedule)
{
    LoanState state = loan(kPeriod, 100000, 0, 10, 965.02);
    const auto printout = buildLoanPrintout(state, withSchedule(0));
    ASSERT_TRUE(printout);
    // The print buttons calculate first: 240 months at 965.03.
    EXPECT_EQ(state.PeriodMonths, 240.0);
    EXPECT_EQ(printout->report.templateFile, "LonRPerA.rpt");
    ASSERT_TRUE(printout->amort);
    ASSERT_EQ(printout->amort->size(), 20u);
    EXPECT_EQ(printout->amort->front()[0], (Field{"Year", std::int64_t{1}}));
    EXPECT_EQ(printout->amort->back()[0], (Field{"Year", std::int64_t{20}}));
}

struct LinesCase
{
    const char* name;
    double months;
    int option1;
    std::size_t lines;
};

const LinesCase kLinesCases[] = {
    {"thirty_months_annual", 30, 0, 3},
    {"thirty_months_monthly", 30, 1, 30},
    {"eight_months_annual", 8, 0, 1},
    {"six_hundred_months_monthly", 600, 1, 600},
};

class LoanAmortLines : public ::testing::TestWithParam<LinesCase>
{};

TEST_P(LoanAmortLines, OneLinePerMonthOrYear)
{
    const LinesCase& c = GetParam();
    LoanState state = loan(kRepayment, 80000, c.months, 9, 0);
    const auto printout = buildLoanPrintout(state, withSchedule(c.option1));
    ASSERT_TRUE(printout);
    ASSERT_TRUE(printout->amort);
    const std::vector<Row>& lines = *printout->amort;
    ASSERT_EQ(lines.size(), c.lines);
    double capital = 0.0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        ASSERT_EQ(lines[k].size(), 4u);
        EXPECT_EQ(lines[k][0], (Field{"Year", static_cast<std::int64_t>(k + 1)}));
        capital += std::get<double>(lines[k][1].value);
    }
    EXPECT_NEAR(capital, 80000.0, 1e-6);
    EXPECT_EQ(lines.back()[3].name, "Required");
    EXPECT_LT(std::get<double>(lines.back()[3].value), 1e-6);
    if (c.months == 8) {
        // One part-year line: the principal, the repayment x 8 - principal, and 0.
        EXPECT_EQ(lines[0][1].value, FieldValue{80000.0});
        EXPECT_EQ(lines[0][2].value, FieldValue{state.MonthlyRepayment * 8 - 80000.0});
        EXPECT_EQ(lines[0][3].value, FieldValue{0.0});
    }
}

INSTANTIATE_TEST_SUITE_P(Loan, LoanAmortLines, ::testing::ValuesIn(kLinesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoanPrintoutTest, NothingIsPrintedWithAQuantityAtZero)
{
    // After the print button's own calculation one of the four is still 0: no printout.
    for (LoanState state : {loan(kRepayment, 0, 240, 10, 0), loan(kRepayment, 100000, 0, 10, 0),
                            loan(kRepayment, 100000, 240, 0, 0), loan(kRate, 1000, 12, 0, 50),
                            loan(kPeriod, 100000, 0, 10, 800)}) {
        EXPECT_FALSE(buildLoanPrintout(state, withSchedule(1)));
        EXPECT_FALSE(buildLoanPrintout(state, LoanPrintOptions{}));
    }
}

TEST(LoanPrintoutTest, WithoutTheTickThereIsNoSchedule)
{
    LoanState state = loan(kRepayment, 100000, 240, 10, 0);
    LoanPrintOptions options = withSchedule(1);
    options.setCheck1(false);
    const auto printout = buildLoanPrintout(state, options);
    ASSERT_TRUE(printout);
    EXPECT_FALSE(printout->amort);
    EXPECT_EQ(printout->report, (LoanReportChoice{"Lonrepa.rpt", std::nullopt}));
    EXPECT_EQ(printout->loans.size(), 10u) << "no YearMon";
}

class LoanPrintDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(database.prepare());
        sink.messages.clear();
    }

    TempFolder folder;
    RecordingSink sink;
    PrintDatabase database{folder / "Crysprin.mdb", programCalculators().printSchema(), sink};
};

TEST_F(LoanPrintDatabaseTest, AmortKeepsItsLinesWhenPrintedWithoutASchedule)
{
    LoanState state = loan(kRepayment, 50000, 30, 12, 0, FinCharges::Down);
    ASSERT_TRUE(writeLoanPrintout(database, *buildLoanPrintout(state, withSchedule(0))));
    EXPECT_EQ(database.readLines("Amort")->size(), 3u);
    EXPECT_EQ(*findField(*database.readRow("Loans"), "YearMon"), FieldValue{std::string("Year")});

    state.Principal = 60000;
    ASSERT_TRUE(writeLoanPrintout(database, *buildLoanPrintout(state, LoanPrintOptions{})));
    const auto lines = database.readLines("Amort");
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ(*database.readRow("Loans"), (Row{{"Heading", std::string("Monthly repayment")},
                                               {"Num1", 60000.0},
                                               {"Num2", 30.0},
                                               {"Num3", 12.0},
                                               {"Num4", state.MonthlyRepayment},
                                               {"FinText1", std::string("Total Interest")},
                                               {"FinText1A", std::string(": R")},
                                               {"FinNum1", state.MonthlyRepayment * 30 - 60000},
                                               {"FinText2", std::string("Total Repayments")},
                                               {"FinNum2", state.MonthlyRepayment * 30},
                                               {"YearMon", std::string("Year")}}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LoanPrintDatabaseTest, AMonthlyScheduleReplacesTheLines)
{
    LoanState state = loan(kRepayment, 50000, 30, 12, 0);
    ASSERT_TRUE(writeLoanPrintout(database, *buildLoanPrintout(state, withSchedule(0))));
    state.PeriodMonths = 14;
    ASSERT_TRUE(writeLoanPrintout(database, *buildLoanPrintout(state, withSchedule(1))));
    const auto lines = database.readLines("Amort");
    ASSERT_EQ(lines->size(), 14u);
    EXPECT_EQ((*lines)[13][0].value, FieldValue{std::int64_t{14}});
}

TEST(LoanPrintTablesTest, AreThePrintDatabasesOwn)
{
    for (const TableSchema& mine : {loansPrintTable(), amortPrintTable()}) {
        const TableSchema* core = programCalculators().printSchema().table(mine.name);
        ASSERT_NE(core, nullptr) << mine.name;
        EXPECT_EQ(core->kind, mine.kind);
        ASSERT_EQ(core->columns.size(), mine.columns.size());
        for (std::size_t i = 0; i < mine.columns.size(); ++i) {
            EXPECT_EQ(core->columns[i].name, mine.columns[i].name);
            EXPECT_EQ(core->columns[i].type, mine.columns[i].type) << mine.columns[i].name;
            EXPECT_EQ(core->columns[i].initial, mine.columns[i].initial) << mine.columns[i].name;
        }
    }
}

// The contents of every element `tag` in `html` from `from` on, in order, such as table cells.
std::vector<std::string> contentsOf(const std::string& html, const std::string& tag,
                                    std::size_t from = 0)
{
    std::vector<std::string> found;
    const std::string open = "<" + tag;
    const std::string close = "</" + tag + ">";
    for (auto at = html.find(open, from); at != std::string::npos; at = html.find(open, at + 1)) {
        const char after = html[at + open.size()];
        if (after != ' ' && after != '>') {
            continue;
        }
        const auto start = html.find('>', at) + 1;
        found.push_back(html.substr(start, html.find(close, start) - start));
    }
    return found;
}

TEST(LoanReportTest, ASixHundredMonthScheduleIsOneGridUnderOneRepeatingHeader)
{
    LoanState state = loan(kRepayment, 500000, 600, 10, 0, FinCharges::Down);
    const auto printout = buildLoanPrintout(state, withSchedule(1));
    ASSERT_TRUE(printout);
    const auto loaded = ReportTemplate::load(kTemplates / printout->report.templateFile,
                                             programCalculators().printSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(loaded));
    ReportData data;
    data.rows["Loans"] = printout->loans;
    data.lines["Amort"] = *printout->amort;
    const RenderedReport report = renderReport(std::get<ReportTemplate>(loaded), data);
    // The painter repeats the <thead> row at the top of every page it paints.
    EXPECT_EQ(contentsOf(report.html, "thead").size(), 1u);
    EXPECT_EQ(
        contentsOf(report.html, "th"),
        (std::vector<std::string>{"Month", "Capital payment", "Interest payment", "Balance"}));
    const std::size_t grid = report.html.find("<thead");
    const std::vector<std::string> lines = contentsOf(report.html, "td", grid);
    ASSERT_EQ(lines.size(), 600u * 4u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"1", "28.86", "4 166.67", "499 971.14"}));
    EXPECT_EQ(lines[599 * 4], "600");
    EXPECT_EQ(lines[599 * 4 + 3], "0.00") << "the last balance";
    const std::vector<std::string> loan = contentsOf(report.html.substr(0, grid), "td");
    EXPECT_NE(std::find(loan.begin(), loan.end(), "4 195.53"), loan.end()) << "the repayment";
    EXPECT_NE(std::find(loan.begin(), loan.end(), "Total Repayments"), loan.end());
    EXPECT_EQ(report.title, "Loan repayment with amortisation");
    EXPECT_EQ(report.pageFooter, "(E.& O.E.)");
}

TEST(LoanReportTest, TotalsHiddenLeaveNoTotalLines)
{
    LoanState state = loan(kRate, 100000, 240, 0, 965.02);
    const auto printout = buildLoanPrintout(state, LoanPrintOptions{});
    ASSERT_TRUE(printout);
    const auto loaded = ReportTemplate::load(kTemplates / printout->report.templateFile,
                                             programCalculators().printSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(loaded));
    ReportData data;
    data.rows["Loans"] = printout->loans;
    const std::string html = renderReport(std::get<ReportTemplate>(loaded), data).html;
    EXPECT_NE(html.find("9.990 % p.a."), std::string::npos);
    EXPECT_NE(html.find("Interest rate"), std::string::npos);
    EXPECT_EQ(html.find("Total Interest"), std::string::npos);
}

} // namespace
} // namespace grovan

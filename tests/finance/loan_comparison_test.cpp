// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/number_format.h"
#include "core/print_database.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "finance/annuity.h"
#include "finance/finance_messages.h"
#include "finance/loan_comparison_calculator.h"
#include "finance/loan_comparison_fields.h"
#include "finance/loan_comparison_printout.h"
#include "finance/loan_comparison_validation.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

LoanComparisonState comparison(double amount, double rate)
{
    LoanComparisonState state;
    state.CompPrincipal = amount;
    state.CompRate = rate;
    return state;
}

using GridRow = std::array<std::string, 4>;

TEST(LoanComparisonTest, SixTermsOfOneBond)
{
    // 100 000 at 10 %: the 20-year row is the loan calculator's 965.0216 x 240; the 5-year one
    // 833.33 / (1 - (1 + 0.1/12)^-60) = 2 124.70.
    const ComparisonGrid grid = loanComparisonGrid(calculateLoanComparison(comparison(100000, 10)));
    EXPECT_EQ(grid.header, (GridRow{" Period ", "Monthly repayment", "   Total Interest   ",
                                    "  Total Paid    "}));
    EXPECT_EQ(grid.rows[0], (GridRow{" 5 yrs.", "2 124.70 ", "27 482.27 ", "127 482.27 "}));
    EXPECT_EQ(grid.rows[3], (GridRow{" 20 yrs.", "965.02 ", "131 605.19 ", "231 605.19 "}));
    const char* labels[] = {" 5 yrs.", " 10 yrs.", " 15 yrs.", " 20 yrs.", " 25 yrs.", " 30 yrs."};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(grid.rows[k][0], labels[k]);
    }
}

TEST(LoanComparisonTest, RateZeroLeavesTheTotalsUnclamped)
{
    const LoanComparisonResults results = calculateLoanComparison(comparison(100000, 0));
    const ComparisonGrid grid = loanComparisonGrid(results);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(results.rows[k].months, static_cast<int>(60 * (k + 1)));
        EXPECT_EQ(grid.rows[k][1], "0.00 ");
        EXPECT_EQ(grid.rows[k][2], "-100 000.00 ");
        EXPECT_EQ(grid.rows[k][3], "0.00 ");
    }
}

TEST(LoanComparisonTest, RatesAreHeldAsTyped)
{
    // 10.1 % in single precision is 10.100000381...; each repayment is that of 10.1 exactly.
    const LoanComparisonResults results = calculateLoanComparison(comparison(100000, 10.1));
    for (const ComparisonRow& row : results.rows) {
        EXPECT_EQ(row.repayment, annuityRepayment(100000, row.months, 10.1));
        EXPECT_NE(row.repayment, annuityRepayment(100000, row.months, static_cast<float>(10.1)));
    }
}

TEST(LoanComparisonTest, InitialiseAllClearsBoth)
{
    LoanComparisonState state = comparison(5, 6);
    state.initialiseAll();
    EXPECT_EQ(state.CompPrincipal, 0.0);
    EXPECT_EQ(state.CompRate, 0.0);
}

TEST(LoanComparisonFieldsTest, SixTermsAsOneTableOfTheGrid)
{
    const auto tables = loanComparisonResultTables();
    ASSERT_EQ(tables.size(), 1u);
    const ResultTableBinding<LoanComparisonResults>& terms = tables[0];
    EXPECT_EQ(terms.table->key, "terms");
    EXPECT_EQ(terms.table->controlName, "grdPayments");
    ASSERT_EQ(terms.rows, 6u);
    ASSERT_EQ(terms.columns.size(), 4u);
    const char* keys[] = {"years", "repayment", "totalInterest", "totalPaid"};
    for (std::size_t c = 0; c < 4; ++c) {
        EXPECT_EQ(terms.columns[c].key, keys[c]);
        EXPECT_EQ(terms.columns[c].controlName, "grdPayments(row," + std::to_string(c) + ")");
        EXPECT_TRUE(terms.columns[c].readOnly);
    }

    LoanComparisonState state;
    loanComparisonInputBindings()[0].set(state, 100000.0);
    loanComparisonInputBindings()[1].set(state, 10.0);
    const LoanComparisonResults r = calculateLoanComparison(state);
    for (std::size_t row = 0; row < 6; ++row) {
        EXPECT_EQ(terms.cell(r, row, 0), 5.0 * (row + 1));
        EXPECT_EQ(terms.cell(r, row, 1), r.rows[row].repayment);
        EXPECT_EQ(terms.cell(r, row, 2), r.rows[row].totalInterest);
        EXPECT_EQ(terms.cell(r, row, 3), r.rows[row].totalPaid);
    }
    EXPECT_EQ(formatNumber(terms.cell(r, 3, 1), terms.columns[1].displayFormat), "965.02 ");
}

TEST(LoanComparisonValidationTest, RateAbove50)
{
    const LoanComparisonState state;
    EXPECT_EQ(loanComparisonRefusalMessage(loanComparisonRateField(), 50.001, state),
              maximumLoanRateMessage());
    EXPECT_FALSE(loanComparisonRefusalMessage(loanComparisonAmountField(), 1e8, state));
    EXPECT_FALSE(validateLoanComparisonInputs(comparison(1e5, 50)));
    const auto problem = validateLoanComparisonInputs(comparison(1e5, 51));
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, &loanComparisonRateField());
}

TEST(LoanComparisonPrintoutTest, OnlyWithAnAmountAndARate)
{
    EXPECT_TRUE(loanComparisonPrintAllowed(comparison(100000, 10)));
    EXPECT_FALSE(loanComparisonPrintAllowed(comparison(0, 10)));
    EXPECT_FALSE(loanComparisonPrintAllowed(comparison(100000, 0)));
}

TEST(LoanComparisonPrintoutTest, TheRowPrintsEveryTerm)
{
    const LoanComparisonState state = comparison(100000, 10);
    const LoanComparisonResults r = calculateLoanComparison(state);
    const Row row = loanComparisonPrintRow(state, r);
    ASSERT_EQ(row.size(), 20u);
    EXPECT_EQ(row[0], (Field{"PAmt", 100000.0}));
    EXPECT_EQ(row[1], (Field{"IntRate", 10.0}));
    EXPECT_EQ(row[2], (Field{"MonRep1", r.rows[0].repayment}));
    EXPECT_EQ(row[3], (Field{"IntPaid1", r.rows[0].totalInterest}));
    EXPECT_EQ(row[4], (Field{"Total1", r.rows[0].totalPaid}));
    EXPECT_EQ(row[19], (Field{"Total6", r.rows[5].totalPaid}));

    testing::TempFolder folder;
    testing::RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(), sink);
    ASSERT_TRUE(database.writeRow(kLoanComparisonPrintTable, row));
    EXPECT_EQ(*database.readRow(kLoanComparisonPrintTable), row);

    const auto loaded = ReportTemplate::load(
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
            "reports" / kLoanComparisonReportTemplate,
        programCalculators().printSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(loaded));
    ReportData data;
    data.rows[kLoanComparisonPrintTable] = row;
    const std::string html = renderReport(std::get<ReportTemplate>(loaded), data).html;
    for (const char* shown :
         {"100 000.00", "10.000 % p.a.", "2 124.70", "27 482.27", "965.02", "231 605.19"}) {
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    }
}

} // namespace
} // namespace grovan

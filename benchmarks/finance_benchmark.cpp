// SPDX-License-Identifier: GPL-3.0-or-later
// The finance calculators' solves at the inputs that make them work hardest: every one must end
// well under a millisecond for any input the fields accept.

#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "finance/daily_balance_calculator.h"
#include "finance/inflation_calculator.h"
#include "finance/loan_buster_calculator.h"
#include "finance/loan_calculator.h"
#include "finance/loan_comparison_calculator.h"
#include "finance/loan_printout.h"
#include "finance/loan_schedule.h"
#include "shell/calculators.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using grovan::LoanCalcMode;
using grovan::LoanState;

LoanState loan(LoanCalcMode mode, double principal, double months, double rate, double repayment)
{
    LoanState state;
    state.CalcMode = mode;
    state.Principal = principal;
    state.PeriodMonths = months;
    state.AnnualRate = rate;
    state.MonthlyRepayment = repayment;
    return state;
}

void LoanSolve(benchmark::State& state, LoanState in)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(grovan::calculateLoan(in));
    }
}

constexpr LoanCalcMode kRepayment = LoanCalcMode::MonthlyRepayment;
constexpr LoanCalcMode kPrincipal = LoanCalcMode::PrincipalAmount;
constexpr LoanCalcMode kPeriod = LoanCalcMode::RepaymentPeriod;
constexpr LoanCalcMode kRate = LoanCalcMode::InterestRate;

BENCHMARK_CAPTURE(LoanSolve, repayment_600_months_at_50, loan(kRepayment, 99999999.99, 600, 50, 0));
BENCHMARK_CAPTURE(LoanSolve, principal_600_months_at_50, loan(kPrincipal, 0, 600, 50, 9999999.99));
// Counts 601 present values and finds no term.
BENCHMARK_CAPTURE(LoanSolve, period_none_within_600_months,
                  loan(kPeriod, 99999999.99, 0, 50, 0.02));
BENCHMARK_CAPTURE(LoanSolve, period_599_months, loan(kPeriod, 1000000, 0, 10, 8391.54));
// One month found, then the repayment raised by some 5 million rand: 5 x 10^8 steps of a cent.
BENCHMARK_CAPTURE(LoanSolve, period_raised_by_five_million,
                  loan(kPeriod, 15000000, 0, 0.001, 9999999.99));
BENCHMARK_CAPTURE(LoanSolve, rate_of_a_home_loan, loan(kRate, 100000, 240, 0, 965.02));
// About 2.4 x 10^9 steps of 5 percentage points to 1.2 x 10^10 % a year.
BENCHMARK_CAPTURE(LoanSolve, rate_unbounded_600_months, loan(kRate, 1, 600, 0, 9999999.99));
// The steepest rate a field allows: 0.01 repaid by 9 999 999.99 in one month.
BENCHMARK_CAPTURE(LoanSolve, rate_unbounded_one_month, loan(kRate, 0.01, 1, 0, 9999999.99));

void LoanBuster(benchmark::State& state, grovan::LoanBusterInputs in)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(grovan::calculateLoanBuster(in));
    }
}

grovan::LoanBusterInputs buster(double principal, std::int16_t term, double rate, double extra)
{
    grovan::LoanBusterInputs in;
    in.BusterPrincipal = principal;
    in.BaseTerm = term;
    in.BusterRate = rate;
    in.BusterExtra = extra;
    return in;
}

BENCHMARK_CAPTURE(LoanBuster, no_shorter_term_600_months, buster(500000, 600, 10, 0));
// Ten repayments of about 5 million extra: one month found, then the repayment raised by some
// 45 million rand, 4.5 x 10^9 steps of a cent.
BENCHMARK_CAPTURE(LoanBuster, extra_payment_ten_repayments,
                  buster(99999999.99, 20, 0.001, 50000000.0));

void LoanComparison(benchmark::State& state)
{
    const grovan::LoanComparisonState in{99999999.99, 50};
    for (auto _ : state) {
        benchmark::DoNotOptimize(grovan::calculateLoanComparison(in));
    }
}
BENCHMARK(LoanComparison);

void DailyBalance(benchmark::State& state)
{
    const grovan::DayBalState in{123456789, 10, 44256, 44620, 0.25};
    for (auto _ : state) {
        benchmark::DoNotOptimize(grovan::calculateDailyBalance(in));
    }
}
BENCHMARK(DailyBalance);

void InflationFortyYears(benchmark::State& state)
{
    const grovan::InflationState in{2000000000, 40, 40, 0, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(grovan::calculateInflation(in));
    }
}
BENCHMARK(InflationFortyYears);

void MonthlySchedule600(benchmark::State& state)
{
    const LoanState in = loan(kRepayment, 500000, 600, 10, 4195.53);
    for (auto _ : state) {
        benchmark::DoNotOptimize(grovan::monthlySchedule(in));
    }
}
BENCHMARK(MonthlySchedule600);

// The printout of a 600-month loan with its monthly schedule, up to the HTML the page painter
// lays out: the Loans row and 600 Amort lines, and the template rendered over them.
void LoanPrintout600(benchmark::State& state)
{
    const auto path =
        std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" / "reports" / "LonrepaA.rpt";
    const auto loaded =
        grovan::ReportTemplate::load(path, grovan::programCalculators().printSchema());
    if (!std::holds_alternative<grovan::ReportTemplate>(loaded)) {
        state.SkipWithError("LonrepaA.rpt cannot be read");
        return;
    }
    const auto& report = std::get<grovan::ReportTemplate>(loaded);
    grovan::LoanPrintOptions options;
    options.setCheck1(true);
    options.chooseOption1(1);
    for (auto _ : state) {
        LoanState in = loan(kRepayment, 500000, 600, 10, 0);
        const auto printout = grovan::buildLoanPrintout(in, options);
        grovan::ReportData data;
        data.rows["Loans"] = printout->loans;
        data.lines["Amort"] = *printout->amort;
        benchmark::DoNotOptimize(grovan::renderReport(report, data));
    }
}
BENCHMARK(LoanPrintout600);

} // namespace

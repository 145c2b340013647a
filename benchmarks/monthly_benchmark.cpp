#include "cli/calculator_registry.h"
#include "paye/monthly_calculator.h"
#include "paye/monthly_printout.h"

#include <benchmark/benchmark.h>

namespace {

using grovan::MonthlyInputs;

MonthlyInputs wholeMonth()
{
    MonthlyInputs in;
    in.age = 40;
    in.salary = 30000;
    in.employeeFund = 2500;
    return in;
}

// Every step taken: a part month, a bonus, a travel allowance, commissions, medical credits and
// the additional credit from 65.
MonthlyInputs partMonthWithEverything()
{
    MonthlyInputs in = wholeMonth();
    in.age = 67;
    in.bonus = 15000;
    in.commissions = 4000;
    in.travelAllowance = 5000;
    in.employerMedical = 3000;
    in.employeeMedical = 1500;
    in.employerFund = 2000;
    in.beneficiaries = 3;
    in.startDate = *grovan::CalendarDate::fromYmd(2021, 7, 5);
    in.endDate = *grovan::CalendarDate::fromYmd(2021, 7, 24);
    return in;
}

void MonthlyCalculation(benchmark::State& state, MonthlyInputs in)
{
    const grovan::SetupValues setup;
    grovan::TaxableIncomeRecord record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(grovan::calculateMonthly(in, setup, record));
    }
}
BENCHMARK_CAPTURE(MonthlyCalculation, whole_month, wholeMonth());
BENCHMARK_CAPTURE(MonthlyCalculation, part_month_with_everything, partMonthWithEverything());

void MonthlyPrintRow(benchmark::State& state)
{
    const MonthlyInputs in = partMonthWithEverything();
    grovan::TaxableIncomeRecord record;
    const grovan::MonthlyResults results =
        grovan::calculateMonthly(in, grovan::SetupValues{}, record);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            grovan::monthlyPrintRow(in, results, grovan::PrintLanguage::Afrikaans));
    }
}
BENCHMARK(MonthlyPrintRow);

// One case as grovan-cli runs it from text cells (a CSV row or KEY=VALUE arguments): reading and
// checking the inputs, the calculation and the output values; no printout row, JSON or CSV.
void MonthlyThroughTheCli(benchmark::State& state)
{
    using namespace grovan::cli;
    const CalculatorAdapter& monthly = *CalculatorRegistry::standard().find("monthly");
    RawInput input;
    for (const auto& [key, text] : {std::pair{"age", "40"},
                                    {"salary", "30000"},
                                    {"bonus", "15000"},
                                    {"employeeFund", "2500"},
                                    {"startDate", "05/07/2021"},
                                    {"endDate", "24/07/2021"},
                                    {"employeeName", "Thandi Mokoena"}}) {
        input.values.emplace_back(key, RawValue{RawType::Typed, 0.0, text});
    }
    RunOptions options;
    options.storedSetup = [] {
        return grovan::SetupValues{};
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(monthly.run(input, options));
    }
}
BENCHMARK(MonthlyThroughTheCli);

} // namespace

#include "cli/calculator_registry.h"
#include "paye/annual_calculator.h"
#include "paye/annual_printout.h"

#include <benchmark/benchmark.h>

namespace {

using grovan::AnnualInputs;

AnnualInputs wholeYear()
{
    AnnualInputs in;
    in.age = 40;
    in.salary = 500000;
    in.bonus = 40000;
    in.employeeFund = 30000;
    return in;
}

// The other way through the calculation: commissions and a travel allowance (whole-rand taxes),
// a part year, and medical credits month by month.
AnnualInputs partYearWithCommissions()
{
    AnnualInputs in = wholeYear();
    in.age = 67;
    in.commissions = 25000;
    in.travelAllowance = 60000;
    in.employerMedical = 24000;
    in.employeeMedical = 6000;
    for (int month = 1; month <= 12; ++month) {
        in.beneficiaries[month] = 3;
    }
    in.startDate = *grovan::CalendarDate::fromYmd(2021, 6, 1);
    in.endDate = *grovan::CalendarDate::fromYmd(2021, 11, 30);
    return in;
}

void AnnualCalculation(benchmark::State& state, AnnualInputs in)
{
    const grovan::SetupValues setup;
    grovan::TaxableIncomeRecord record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(grovan::calculateAnnual(in, setup, record));
    }
}
BENCHMARK_CAPTURE(AnnualCalculation, whole_year, wholeYear());
BENCHMARK_CAPTURE(AnnualCalculation, part_year_with_commissions, partYearWithCommissions());

void AnnualPrintRow(benchmark::State& state)
{
    const AnnualInputs in = partYearWithCommissions();
    grovan::TaxableIncomeRecord record;
    const grovan::AnnualResults results =
        grovan::calculateAnnual(in, grovan::SetupValues{}, record);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            grovan::annualPrintRow(in, results, grovan::PrintLanguage::English));
    }
}
BENCHMARK(AnnualPrintRow);

// One case as grovan-cli runs it from text cells (as a CSV row or KEY=VALUE arguments give
// them): reading and checking the inputs, the calculation, and the
// output values; the printout row (made only when asked for), JSON and CSV not included.
void AnnualThroughTheCli(benchmark::State& state)
{
    using namespace grovan::cli;
    const CalculatorAdapter& annual = *CalculatorRegistry::standard().find("annual");
    RawInput input;
    for (const auto& [key, text] : {std::pair{"age", "40"},
                                    {"salary", "500000"},
                                    {"bonus", "40000"},
                                    {"employeeFund", "30000"},
                                    {"startDate", "01/06/2021"},
                                    {"endDate", "30/11/2021"},
                                    {"employeeName", "Thandi Mokoena"}}) {
        input.values.emplace_back(key, RawValue{RawType::Typed, 0.0, text});
    }
    RunOptions options;
    options.storedSetup = [] {
        return grovan::SetupValues{};
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(annual.run(input, options));
    }
}
BENCHMARK(AnnualThroughTheCli);

} // namespace

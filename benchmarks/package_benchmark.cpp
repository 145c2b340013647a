// SPDX-License-Identifier: GPL-3.0-or-later
// The back-calculation's search against trying every rand: tax evaluations and time for the
// annual window's worked example (a net of R300 000), for a large net within reach, and for the
// net field's maximum, which no salary up to the same amount reaches.
#include "package/back_calculation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace grovan;

PackageInputs aged40(double net)
{
    PackageInputs in;
    in.Age = 40;
    in.NetRequired = net;
    return in;
}

// The window's search: `literal` is how many passes trying every rand from 1 makes for the same
// answer (the answer itself, or every rand up to the limit when there is none).
void BackCalculation(benchmark::State& state, PackageWindowKind kind, double net)
{
    const PackageWindow& window = packageWindow(kind);
    const PackageInputs in = aged40(net);
    const SetupValues setup;
    TaxableIncomeRecord record;
    PackageResults r;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r = calculatePackage(window, in, setup, record));
    }
    const double literal = r.CalcFailed ? kTrialAmountLimit : r.TrialAmount;
    state.counters["trial_amount"] = r.TrialAmount;
    state.counters["tax_evaluations"] = static_cast<double>(r.TaxEvaluations);
    state.counters["literal_evaluations"] = literal;
    state.counters["times_fewer"] = literal / static_cast<double>(r.TaxEvaluations);
}
BENCHMARK_CAPTURE(BackCalculation, annual_net_300000, PackageWindowKind::GrovanAnnual, 300000.0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BackCalculation, annual_net_50000000, PackageWindowKind::GrovanAnnual, 50000000.0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BackCalculation, annual_net_field_maximum, PackageWindowKind::GrovanAnnual,
                  kPackageAmountMaximum)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BackCalculation, monthly_net_25000, PackageWindowKind::GrovanMonthly, 25000.0)
    ->Unit(benchmark::kMicrosecond);

// Trying every rand from 1, for comparison: the worked example's 365 545 passes.
void LiteralStepping(benchmark::State& state)
{
    const PackageWindow& window = packageWindow(PackageWindowKind::GrovanAnnual);
    const PackageInputs in = aged40(300000);
    const SetupValues setup;
    TaxableIncomeRecord record;
    std::int64_t passes = 0;
    for (auto _ : state) {
        PackageResults r;
        prepareCredits(window, in, setup, r);
        passes = 0;
        for (double trial = 1; trial <= kTrialAmountLimit; ++trial) {
            ++passes;
            runSearchPass(window, in, setup, trial, r, record);
            if (r.NetPay > in.NetRequired) {
                break;
            }
        }
        benchmark::DoNotOptimize(r);
    }
    state.counters["tax_evaluations"] = static_cast<double>(passes);
}
BENCHMARK(LiteralStepping)->Unit(benchmark::kMillisecond);

// The forward calculation, which needs no search.
void ForwardCalculation(benchmark::State& state)
{
    const PackageWindow& window = packageWindow(PackageWindowKind::VelmoraAnnual);
    const PackageInputs in = aged40(365545);
    const SetupValues setup;
    TaxableIncomeRecord record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculatePackage(window, in, setup, record));
    }
}
BENCHMARK(ForwardCalculation);

} // namespace

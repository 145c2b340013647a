// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/income_tax.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// One income in each band, so the band search is measured over the whole table.
constexpr std::array<double, 7> kIncomes{100000, 300000, 400000, 500000, 700000, 1000000, 2000000};

void CalcAnnualTaxCall(benchmark::State& state)
{
    grovan::TaxableIncomeRecord record;
    std::size_t i = 0;
    for (auto _ : state) {
        const double income = kIncomes[i++ % kIncomes.size()];
        benchmark::DoNotOptimize(grovan::CalcAnnualTax(income, record));
    }
}
BENCHMARK(CalcAnnualTaxCall);

} // namespace

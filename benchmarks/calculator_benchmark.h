// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measurements every calculator's benchmarks take: the calculation alone, the printout row,
// and one case as grovan-cli runs it from text cells.

#include "core/calculator_catalogue.h"
#include "core/income_tax.h"
#include "core/print_language.h"
#include "core/settings_store.h"
#include "shell/calculators.h"

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string_view>
#include <utility>

namespace grovan::benchmarks {

/// `calculate` (inputs, set-up, income record) over and over on `in`, with a new installation's
/// set-up.
template <typename Inputs, typename Calculate>
void timeCalculation(benchmark::State& state, Inputs in, Calculate calculate)
{
    const SetupValues setup;
    TaxableIncomeRecord record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(calculate(in, setup, record));
    }
}

/// The printout row of `in` and its results (calculated once, beforehand) in `language`.
template <typename Inputs, typename Calculate, typename PrintRow>
void timePrintRow(benchmark::State& state, const Inputs& in, Calculate calculate, PrintRow printRow,
                  PrintLanguage language)
{
    TaxableIncomeRecord record;
    const auto results = calculate(in, SetupValues{}, record);
    for (auto _ : state) {
        benchmark::DoNotOptimize(printRow(in, results, language));
    }
}

/// One case as grovan-cli runs it from text cells (as a CSV row or KEY=VALUE arguments give
/// them): reading and checking the inputs, the calculation, and the output values; the printout
/// row (made only when asked for), JSON and CSV not included. The set-up is a new installation's.
inline void timeThroughTheCli(benchmark::State& state, std::string_view calculatorName,
                              std::initializer_list<std::pair<const char*, const char*>> cells)
{
    const Calculator& calculator = *programCalculators().find(calculatorName);
    RawInput input;
    for (const auto& [key, text] : cells) {
        input.values.emplace_back(key, RawValue{RawType::Typed, 0.0, text});
    }
    RunOptions options;
    options.storedSetup = [] {
        return SetupValues{};
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculator.run(input, options));
    }
}

} // namespace grovan::benchmarks

// SPDX-License-Identifier: GPL-3.0-or-later
// grovan-cli calc's JSON input, through every calculator and back out as JSON.
#include "cli/json_conversion.h"
#include "core/calculator_catalogue.h"
#include "shell/calculators.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parsed = grovan::cli::rawInputFromJson(text);
    if (!std::holds_alternative<grovan::RawInput>(parsed)) {
        return 0;
    }
    const grovan::RawInput& input = std::get<grovan::RawInput>(parsed);
    grovan::RunOptions options;
    options.storedSetup = [] {
        return grovan::SetupValues{};
    };
    const grovan::CalculatorCatalogue& calculators = grovan::programCalculators();
    for (const std::string& name : calculators.names()) {
        const auto outcome = calculators.find(name)->run(input, options);
        if (const auto* output = std::get_if<grovan::CalculationOutput>(&outcome)) {
            // Strict: text that is no UTF-8 in the output throws, and ends the run as a crash.
            for (const auto language :
                 {grovan::PrintLanguage::English, grovan::PrintLanguage::Afrikaans}) {
                if (grovan::cli::outputToJson(*output, language).dump().empty()) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}

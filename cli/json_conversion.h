// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator.h"
#include "core/raw_input.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <variant>

namespace grovan::cli {

/// Reads one JSON object of inputs; a text saying what is wrong when the text is not one. An
/// array of objects (a register's vehicles) is read as a list of records.
std::variant<RawInput, std::string> rawInputFromJson(std::string_view text);

/// A value as JSON; a negative zero is written as 0.
nlohmann::ordered_json toJson(const FieldValue& value);

/// The output of a calculation: {"inputs": {...}, "results": {...}, "printout": {"table": ...,
/// "language": "en" | "af", "fields": {...}}}, every value unrounded; the printout in `language`,
/// left out when there is none. Lists of records (a table of results among them) follow the
/// values of "inputs" and "results" as arrays of objects.
nlohmann::ordered_json outputToJson(const CalculationOutput& output, PrintLanguage language);

/// Every field of a calculator with its meaning, unit, range and default; a field of a list's
/// records names the list ("list": "vehicles"); a table of results comes with its rows and its
/// columns.
nlohmann::ordered_json describeToJson(const Calculator& calculator);

/// "en" or "af".
std::string_view languageCode(PrintLanguage language);

} // namespace grovan::cli

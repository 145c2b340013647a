// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_binding.h"
#include "core/raw_input.h"
#include "core/schema_database.h"

#include <optional>
#include <string>
#include <variant>

namespace grovan {

/// Why a raw value was refused for its field, in grovan-cli's own words. `windowMayWord` is set
/// where the window has a message of its own for the case (a value outside the field's range, a
/// date that is no date), so that the calculator's message is shown instead; `value` is then the
/// refused number (nothing for a date that is no date).
struct Refusal
{
    std::string message;
    bool windowMayWord = false;
    std::optional<double> value;
};

/// Reads one raw value as `field` takes it: numbers for the numeric kinds (typed text as a numeric
/// field reads it, blanks ignored and no text read as 0, but nothing else beside the number; a
/// whole-number field rounds halves to even as the window does; other fields refuse more decimals
/// than they take), "dd/mm/yyyy" or "yyyy-mm-dd" for dates, text up to the field's length for
/// texts (UTF-8 only; typed text without the blanks around it); then checks the field's range.
std::variant<InputValue, Refusal> readField(const FieldDescription& field, const RawValue& raw);

/// The value a numeric field takes for `number` (a whole-number field's rounded, halves to even),
/// or nothing where readField refuses that number.
std::optional<double> acceptedNumber(const FieldDescription& field, double number);

/// The output form of a field's value: whole numbers as integers, dates as "dd/mm/yyyy" text,
/// texts as text, every other number as a double; never a negative zero.
FieldValue outputValue(const FieldDescription& field, const InputValue& value);

/// A limit or value as messages and descriptions show it: whole numbers grouped in thousands
/// ("999 999 999"), other numbers plainly ("0.8"); for a date field, the date.
std::string limitText(const FieldDescription& field, double value);

} // namespace grovan

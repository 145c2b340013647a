// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_binding.h"
#include "core/raw_input.h"
#include "core/schema_database.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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

/// takesNumber for the numbers its quick test below leaves.
bool takesNumberAfterAll(const FieldDescription& field, double& number);

/// Whether a numeric field takes `number` (where readField refuses it: false); if it does,
/// `number` becomes the value the field takes (a whole-number field's rounded, halves to even).
/// (A bool rather than an optional: it runs for every number of a batch, and an optional double
/// comes back through memory.)
[[gnu::always_inline]] inline bool takesNumber(const FieldDescription& field, double& number)
{
    // The usual case, a whole number inside the field's range, at once: below 2^52 the
    // conversion to an integer drops the fraction (the same test as std::floor, without a call).
    if (number >= field.minimum && number <= field.maximum &&
        std::abs(number) < 4503599627370496.0 &&
        static_cast<double>(static_cast<std::int64_t>(number)) == number) {
        return true;
    }
    return takesNumberAfterAll(field, number);
}

/// The text a text field takes for `typed` text (without the blanks around it), or nothing where
/// readField refuses it: text that is no UTF-8 or longer than the field.
std::optional<std::string_view> acceptedText(const FieldDescription& field, std::string_view typed);

/// The output form of a field's value: whole numbers as integers, dates as "dd/mm/yyyy" text,
/// texts as text, every other number as a double; never a negative zero.
FieldValue outputValue(const FieldDescription& field, const InputValue& value);

/// A result's number as the output gives it (see `outputValue`): a whole-number field's without
/// its fraction, never a negative zero.
inline double resultNumber(const FieldDescription& field, double value)
{
    // A result of exactly nothing may come out of the arithmetic as -0 (a credit that cancels a
    // tax, 0 times a negative rate); adding 0 makes it 0.
    return (field.kind == FieldKind::WholeNumber ? std::trunc(value) : value) + 0.0;
}

/// A limit or value as messages and descriptions show it: whole numbers grouped in thousands
/// ("999 999 999"), other numbers plainly ("0.8"); for a date field, the date.
std::string limitText(const FieldDescription& field, double value);

} // namespace grovan

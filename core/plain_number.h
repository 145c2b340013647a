// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace grovan {

/// Reads a text that must be a number as a whole ("500000", "-12.5", "1e6"); nothing for anything
/// else ("12abc", "", " 1", "nan", "1e999"). "-0" reads as 0, never as a negative zero.
std::optional<double> parsePlainNumber(std::string_view text);

/// Reads typed text (a command-line argument, a CSV cell) as a number the way a numeric field
/// reads what is typed into it, except that the whole text must be the number: blanks (spaces,
/// tabs, line breaks) are ignored wherever they stand (" 40", "1 000 000.50"), text of blanks only
/// (or no text) reads as 0, and what is left must be a number as parsePlainNumber takes it
/// ("12abc" and "1e999" give nothing).
std::optional<double> parseTypedNumber(std::string_view text);

/// Reads text of one to nine digits alone, the usual amount or count ("28471", "0"), as the
/// number they make; false (and `value` as it was) for any other text.
[[gnu::always_inline]] inline bool readPlainDigits(std::string_view text, std::uint32_t& value)
{
    if (text.size() - 1 >= 9) {
        return false;
    }
    std::uint32_t digits = 0;
    for (const char c : text) {
        const auto digit = static_cast<unsigned char>(c - '0');
        if (digit > 9) {
            return false;
        }
        digits = digits * 10 + digit;
    }
    value = digits;
    return true;
}

/// readPlainDecimal for text that is not digits alone (it takes those too).
bool readPlainDecimalInFull(std::string_view text, double& value);

/// The quick reading of the usual amount: an optional sign and at most 15 digits, with at most
/// one decimal point that has digits on both sides ("28471", "-177.12"). For such text it sets
/// the very double parsePlainNumber gives (the nearest to the decimal, halves to even); for any
/// other text false (and `value` stays as it was), and parsePlainNumber reads it the long way.
/// (A bool and the value rather than an optional: it is read for every cell of a batch, and an
/// optional double comes back through memory.)
[[gnu::always_inline]] inline bool readPlainDecimal(std::string_view text, double& value)
{
    if (std::uint32_t digits = 0; readPlainDigits(text, digits)) {
        value = digits;
        return true;
    }
    return readPlainDecimalInFull(text, value);
}

} // namespace grovan

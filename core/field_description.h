// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace grovan {

/// What a field holds and how it is typed.
enum class FieldKind
{
    Amount,      ///< rands (whole rands or rands and cents, by `decimals`)
    WholeNumber, ///< ages, counts, days: the typed value is rounded, halves to even; `decimals`
                 ///< digits may still be typed after the point (0 refuses the point)
    Percent,     ///< percent, 7.5 meaning 7.5 %
    Fraction,    ///< a rate held as a fraction, 0.8 meaning 80 %
    Date,        ///< a calendar day, "dd/mm/yyyy"; numbers below are day numbers, and a
                 ///< minimum and maximum both 0 leave the date unlimited
    Text,        ///< free text; `maximum` is the longest length
};

/// The sign a field shows beside its number.
enum class FieldSign
{
    None,
    Rand,
    Percent
};

/// One field of a calculator, described once in the engine and used by both the window (which
/// builds its control from it) and grovan-cli (which reads and describes its inputs by `key`).
/// Results are described the same way, with `readOnly` set.
struct FieldDescription
{
    std::string_view controlName; ///< the window's control name, "name(i)" for array members
    std::string_view label;       ///< the caption beside the field, as the window shows it
    std::string_view key;         ///< name in JSON and CSV, such as "employerMedical"
    std::string_view meaning;     ///< one line for `grovan-cli describe`
    std::string_view unit;        ///< "rands", "years", "beneficiaries", "percent", "date", ...
    FieldKind kind = FieldKind::Amount;
    FieldSign sign = FieldSign::None;
    double minimum = 0.0;
    double maximum = 0.0;
    int integerDigits = 0; ///< digits that can be typed before the point
    int decimals = 0;      ///< digits that can be typed after the point
    double defaultValue = 0.0;
    std::string_view displayFormat; ///< number pattern of the shown value, such as "0.00"
    bool readOnly = false;
    /// A short text shown after the field, such as "months.", "% p.a." or "(max.50 chrs.)".
    std::string_view hint = {};
    /// A date field that may be left empty ("no date"); it shows the mask "__/__/____" when empty.
    bool mayBeEmpty = false;
};

/// A result field, or (no control name) a value only the output carries: read-only, no range,
/// no default.
constexpr FieldDescription resultField(std::string_view control, std::string_view label,
                                       std::string_view key, std::string_view meaning,
                                       std::string_view unit, FieldKind kind, FieldSign sign,
                                       int decimals, std::string_view displayFormat)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = unit,
        .kind = kind,
        .sign = sign,
        .minimum = 0.0,
        .maximum = 0.0,
        .integerDigits = 0,
        .decimals = decimals,
        .defaultValue = 0.0,
        .displayFormat = displayFormat,
        .readOnly = true,
    };
}

} // namespace grovan

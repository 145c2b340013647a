// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of field the salary-package windows are built from. Every numeric field holds a
// double shown with two decimals ("0.00"), percentages with three ("0.000"); the age and the
// beneficiaries are whole numbers.

#include "core/field_description.h"
#include "package/package_window.h"

#include <string_view>

namespace grovan {

inline constexpr std::string_view kPackageMoneyFormat = "0.00";

/// The longest description of an other-expense row (`txtOtherDet(i)`), in characters.
inline constexpr int kOtherExpenseTextLength = 25;
/// The longest taxpayer's name of the print panel (`Text1`), in characters.
inline constexpr int kTaxpayerNameLength = 50;

/// An amount input: rands and cents, 0 to kPackageAmountMaximum.
constexpr FieldDescription packageAmountField(std::string_view control, std::string_view label,
                                              std::string_view key, std::string_view meaning)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "rands",
        .kind = FieldKind::Amount,
        .sign = FieldSign::None,
        .minimum = 0.0,
        .maximum = kPackageAmountMaximum,
        .integerDigits = 8,
        .decimals = 2,
        .defaultValue = 0.0,
        .displayFormat = kPackageMoneyFormat,
    };
}

/// A whole-number input (the age, the beneficiaries), 0 to `maximum`.
constexpr FieldDescription packageWholeField(std::string_view control, std::string_view label,
                                             std::string_view key, std::string_view meaning,
                                             std::string_view unit, double maximum,
                                             int integerDigits)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = unit,
        .kind = FieldKind::WholeNumber,
        .sign = FieldSign::None,
        .minimum = 0.0,
        .maximum = maximum,
        .integerDigits = integerDigits,
        .decimals = 0,
        .defaultValue = 0.0,
        .displayFormat = "0",
    };
}

/// A text input of at most `length` characters.
constexpr FieldDescription packageTextField(std::string_view control, std::string_view label,
                                            std::string_view key, std::string_view meaning,
                                            int length, std::string_view hint = {})
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "text",
        .kind = FieldKind::Text,
        .sign = FieldSign::None,
        .minimum = 0.0,
        .maximum = static_cast<double>(length),
        .integerDigits = 0,
        .decimals = 0,
        .defaultValue = 0.0,
        .displayFormat = "",
        .hint = hint,
    };
}

/// A result in rands shown with two decimals; without a control name, a value only the output
/// carries.
constexpr FieldDescription packageResultField(std::string_view control, std::string_view label,
                                              std::string_view key, std::string_view meaning)
{
    return resultField(control, label, key, meaning, "rands", FieldKind::Amount, FieldSign::None, 2,
                       kPackageMoneyFormat);
}

/// A yes/no the output carries as 1 or 0.
constexpr FieldDescription packageFlagResult(std::string_view key, std::string_view meaning)
{
    return resultField("", "", key, meaning, "1 (yes) or 0 (no)", FieldKind::WholeNumber,
                       FieldSign::None, 0, "0");
}

} // namespace grovan

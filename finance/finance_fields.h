// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Field descriptions that the finance calculators share: money amounts, rates in percent and
// whole numbers, each with its range, digit limits and display format.

#include "core/field_binding.h"

#include <string_view>

namespace grovan {

/// A button, label, option or frame of a finance window and its caption as the window shows it
/// ("&" before the access key).
struct ControlCaption
{
    std::string_view control;
    std::string_view caption;
};

/// The display format of the finance windows' money fields.
inline constexpr std::string_view kFinanceMoneyFormat = "### ### ##0.00";
/// The display format of the rates, three decimals.
inline constexpr std::string_view kFinanceRateFormat = "##0.000";

/// The most a principal (or bond or capital amount) field takes: 99 999 999.99.
inline constexpr double kMostPrincipal = 99999999.99;

/// A money input in rands and cents, 0 to `maximum`, `integerDigits` before the point.
constexpr FieldDescription financeAmountField(std::string_view control, std::string_view label,
                                              std::string_view key, std::string_view meaning,
                                              double maximum, int integerDigits,
                                              std::string_view hint = {})
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "rands",
        .kind = FieldKind::Amount,
        .sign = FieldSign::Rand,
        .minimum = 0.0,
        .maximum = maximum,
        .integerDigits = integerDigits,
        .decimals = 2,
        .defaultValue = 0.0,
        .displayFormat = kFinanceMoneyFormat,
        .hint = hint,
    };
}

/// A rate input in percent a year with three decimals, `minimum` to `maximum`.
constexpr FieldDescription financeRateField(std::string_view control, std::string_view label,
                                            std::string_view key, std::string_view meaning,
                                            double minimum, double maximum, std::string_view hint)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "percent a year",
        .kind = FieldKind::Percent,
        .sign = FieldSign::None,
        .minimum = minimum,
        .maximum = maximum,
        .integerDigits = 2,
        .decimals = 3,
        .defaultValue = 0.0,
        .displayFormat = kFinanceRateFormat,
        .hint = hint,
    };
}

/// A whole-number input (months, years, a choice), `minimum` to `maximum`.
constexpr FieldDescription financeWholeField(std::string_view control, std::string_view label,
                                             std::string_view key, std::string_view meaning,
                                             std::string_view unit, double maximum,
                                             int integerDigits, std::string_view hint = {})
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
        .displayFormat = integerDigits >= 3 ? "##0" : "#0",
        .hint = hint,
    };
}

/// A money result in rands, shown with two decimals.
constexpr FieldDescription financeMoneyResult(std::string_view control, std::string_view label,
                                              std::string_view key, std::string_view meaning,
                                              std::string_view format = kFinanceMoneyFormat)
{
    return resultField(control, label, key, meaning, "rands", FieldKind::Amount, FieldSign::Rand, 2,
                       format);
}

/// A flag result, 1 or 0: whether a label or marker of the window is shown.
constexpr FieldDescription financeFlagResult(std::string_view control, std::string_view label,
                                             std::string_view key, std::string_view meaning)
{
    return resultField(control, label, key, meaning, "1 shown, 0 hidden", FieldKind::WholeNumber,
                       FieldSign::None, 0, "0");
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Field description factories the car allowance and company car windows share: amounts and
// distances the user types are stored as whole numbers (halves to even), check boxes and option
// pairs as 0 or 1.

#include "core/field_binding.h"
#include "core/tax_year.h"

#include <string_view>

namespace grovan {

inline constexpr std::string_view kVehicleRandFormat = "### ### ##0";
inline constexpr std::string_view kVehicleMoneyFormat = "### ### ##0.00";
inline constexpr std::string_view kVehicleKmFormat = "### ### ##0";

/// An amount typed in rands and stored in whole rands: 0 to `maximum`; two decimals may be
/// typed, the value is rounded.
constexpr FieldDescription vehicleRandField(std::string_view control, std::string_view label,
                                            std::string_view key, std::string_view meaning,
                                            double maximum, int integerDigits)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "rands",
        .kind = FieldKind::WholeNumber,
        .sign = FieldSign::Rand,
        .minimum = 0.0,
        .maximum = maximum,
        .integerDigits = integerDigits,
        .decimals = 2,
        .defaultValue = 0.0,
        .displayFormat = kVehicleRandFormat,
    };
}

/// A distance or odometer reading in whole kilometres, 0 to 9 999 999.
constexpr FieldDescription vehicleKmField(std::string_view control, std::string_view label,
                                          std::string_view key, std::string_view meaning,
                                          std::string_view hint = {})
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "km",
        .kind = FieldKind::WholeNumber,
        .sign = FieldSign::None,
        .minimum = 0.0,
        .maximum = 9999999.0,
        .integerDigits = 7,
        .decimals = 2,
        .defaultValue = 0.0,
        .displayFormat = kVehicleKmFormat,
        .hint = hint,
    };
}

/// A check box or an option pair: 1 ticked (or the first option), 0 not.
constexpr FieldDescription vehicleFlagField(std::string_view control, std::string_view label,
                                            std::string_view key, std::string_view meaning,
                                            double defaultValue = 0.0)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "0 or 1",
        .kind = FieldKind::WholeNumber,
        .sign = FieldSign::None,
        .minimum = 0.0,
        .maximum = 1.0,
        .integerDigits = 1,
        .decimals = 0,
        .defaultValue = defaultValue,
        .displayFormat = "0",
    };
}

/// A free text of at most `longest` characters.
constexpr FieldDescription vehicleTextField(std::string_view control, std::string_view label,
                                            std::string_view key, std::string_view meaning,
                                            double longest, std::string_view hint = {})
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
        .maximum = longest,
        .integerDigits = 0,
        .decimals = 0,
        .defaultValue = 0.0,
        .displayFormat = "",
        .hint = hint,
    };
}

/// A date of the tax year, `defaultDate` on opening. The window narrows the range as the other
/// date of the period moves (the start never after the end).
constexpr FieldDescription vehicleDateField(std::string_view control, std::string_view label,
                                            std::string_view key, std::string_view meaning,
                                            CalendarDate defaultDate)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "date",
        .kind = FieldKind::Date,
        .sign = FieldSign::None,
        .minimum = TaxYearStart.dayNumber(),
        .maximum = TaxYearEnd.dayNumber(),
        .integerDigits = 0,
        .decimals = 0,
        .defaultValue = static_cast<double>(defaultDate.dayNumber()),
        .displayFormat = "dd/mm/yyyy",
    };
}

/// A result in rands (two decimals shown unless `displayFormat` says otherwise).
constexpr FieldDescription vehicleMoneyResult(std::string_view control, std::string_view label,
                                              std::string_view key, std::string_view meaning,
                                              std::string_view displayFormat = kVehicleMoneyFormat)
{
    return resultField(control, label, key, meaning, "rands", FieldKind::Amount, FieldSign::Rand,
                       displayFormat == kVehicleMoneyFormat ? 2 : 0, displayFormat);
}

/// A result in kilometres, shown with `decimals` decimals.
constexpr FieldDescription vehicleKmResult(std::string_view control, std::string_view label,
                                           std::string_view key, std::string_view meaning,
                                           int decimals)
{
    return resultField(control, label, key, meaning, "km", FieldKind::Amount, FieldSign::None,
                       decimals, decimals == 0 ? kVehicleKmFormat : kVehicleMoneyFormat);
}

/// A count of days the calculation fills in.
constexpr FieldDescription vehicleDaysResult(std::string_view control, std::string_view label,
                                             std::string_view key, std::string_view meaning)
{
    return resultField(control, label, key, meaning, "days", FieldKind::WholeNumber,
                       FieldSign::None, 0, "##0");
}

} // namespace grovan

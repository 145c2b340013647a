// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily balance calculator's fields, described once for the window and grovan-cli.

#include "core/field_binding.h"
#include "finance/daily_balance_calculator.h"
#include "finance/finance_fields.h"

#include <span>

namespace grovan {

inline constexpr const char* kDailyBalanceWindowName = "frmDayBal";
inline constexpr const char* kDailyBalanceCaption = "Daily Balance";

/// The inputs in the window's order: capital, start date, end date and rate. A date that is not
/// set reads as 01/01/1800 (`kNoDate`); the date fields may be left empty.
std::span<const InputBinding<DayBalState>> dailyBalanceInputBindings();

/// "Interest accrued" (`numAnsDB1`) and "Number of days" (`numAnsDB2`).
std::span<const ResultBinding<DayBalResults>> dailyBalanceResultBindings();

const FieldDescription& dayBalCapitalField();
const FieldDescription& dayBalStartDateField();
const FieldDescription& dayBalEndDateField();
const FieldDescription& dayBalRateField();

/// The daily balance window's buttons and spin buttons with their captions, the print panel's
/// among them.
std::span<const ControlCaption> dailyBalanceWindowCaptions();

} // namespace grovan

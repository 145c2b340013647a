// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/income_tax.h"
#include "finance/finance_state.h"
#include "package/quick_tax.h"
#include "vehicle/vehicle_state.h"

namespace grovan {

/// The application-wide working state: what lives for the whole run rather than in one
/// calculator window. The shell owns the one instance and lends it to the windows and procedures
/// that use it; nothing here is stored on disk.
struct AppState
{
    /// The annual taxable income most recently taxed anywhere in the program.
    TaxableIncomeRecord taxableIncome;
    /// The quick tax calculator's income, age and breakdown; they outlive its window.
    TaxSummary taxSummary;
    /// The car allowance's values and the company car register.
    VehicleState vehicle;
    /// The loan, loan buster, loan comparison, daily balance and inflation values.
    FinanceState finance;

    /// "Initialise All", also applied once at start-up: every calculator's application-wide
    /// values go back to their defaults. The last taxable income and the quick tax calculator's
    /// values are kept.
    void initialiseAll();
};

} // namespace grovan

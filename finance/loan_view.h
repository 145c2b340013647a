// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the loan window's controls do besides calculating: the calculate mode's marking of the
// four loan fields, the focus, and the "&Fin. charges" totals panel. The window only shows what
// these say.

#include "finance/loan_calculator.h"
#include "finance/loan_state.h"

namespace grovan {

/// The four loan fields: `numPrinAmount`, `numPeriod`, `numIntRate`, `numMonRePay`.
enum class LoanQuantity
{
    Principal,
    Period,
    Rate,
    Repayment,
};

/// The quantity a calculate mode solves for.
LoanQuantity solvedQuantity(LoanCalcMode mode);

/// Background of a loan field: white while typed in, yellow while it shows the solved quantity.
enum class FieldShade
{
    White,
    Yellow,
};

/// How one loan field is marked in a calculate mode: the solved field is yellow, read-only and
/// out of the tab order; the other three white, editable and in the tab order.
struct LoanFieldMark
{
    FieldShade shade = FieldShade::White;
    bool readOnly = false;
    bool inTabOrder = true;

    bool operator==(const LoanFieldMark&) const = default;
};
LoanFieldMark loanFieldMark(LoanCalcMode mode, LoanQuantity field);

/// The field that gets the focus when a mode is chosen: `numPeriod` in "Principal amount",
/// otherwise `numPrinAmount`.
LoanQuantity loanModeFocus(LoanCalcMode mode);

/// Choosing option button `optLoanCalc`(item): the mode becomes that item's; `Label12` item 1
/// then shows `loanCalcModeName`, the fields are marked as `loanFieldMark` says and the focus
/// goes to `loanModeFocus`. Nothing is recalculated. False (nothing changed) for an item other
/// than 0 to 3.
bool chooseLoanCalcMode(LoanState& loan, int item);

/// What the totals panel shows: the labels "Total Interest" and "Total Repayments", their ": R"
/// labels and `numAns1` and `numAns2`, all shown or all hidden.
struct LoanTotalsPanel
{
    bool shown = false;
    LoanTotals totals;
};

/// "&Fin. charges": from "UP" the totals are shown, filled from the loan as it stands (nothing is
/// recalculated), and the state becomes "DOWN"; from "DOWN" they are hidden and it becomes "UP".
LoanTotalsPanel toggleFinCharges(LoanState& loan);

/// The window becoming active (also when it opens): the option button of the loan's mode is
/// selected, the fields marked for it, the three input fields loaded from the loan, and
/// `LoanCalc` runs; the totals show when the panel is "DOWN".
LoanResults activateLoanWindow(LoanState& loan);

} // namespace grovan

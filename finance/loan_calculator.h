// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan calculator: of principal, period, annual rate and monthly repayment, the calculate
// mode names the one solved from the other three, through the shared annuity solver.

#include "finance/annuity.h"
#include "finance/loan_state.h"

namespace grovan {

/// `RPAYMENT`: `MonthlyRepayment` from the principal, period and rate (0 when one of them is 0).
void RPAYMENT(LoanState& loan);
/// `PAMOUNT`: `Principal` from the period, rate and repayment (0 when one of them is 0).
void PAMOUNT(LoanState& loan);
/// `PER`: `PeriodMonths` and the raised `MonthlyRepayment` from the principal, rate and the
/// working repayment in `MonthlyRepayment` (`searchTerm`). When no term is found the period is 0
/// and the repayment is left as it was handed over.
TermOutcome PER(LoanState& loan);
/// `Rate`: `AnnualRate` from the principal, period and repayment (`searchRate`); the repayment
/// is kept.
void Rate(LoanState& loan);

/// A solved rate above this, in percent, is shown with the error marker `Text1`.
inline constexpr double kHighestLoanRate = 50.0;

/// "Total Interest" (R x n - P) and "Total Repayments" (R x n), from the loan as it stands.
struct LoanTotals
{
    double TotalInterest = 0.0;
    double TotalRepayments = 0.0;
};
LoanTotals loanTotals(const LoanState& loan);

/// What the loan window shows after a calculation.
struct LoanResults
{
    /// The four loan fields: three as typed, the one of the calculate mode as solved.
    double Principal = 0.0;
    double PeriodMonths = 0.0;
    double AnnualRate = 0.0;
    double MonthlyRepayment = 0.0;
    /// `numAns1` and `numAns2`, shown only while the totals panel is "DOWN".
    LoanTotals totals;
    bool totalsShown = false;
    /// The "   Error" marker `Text1` beside a solved rate above 50 %.
    bool rateErrorShown = false;
    /// How the term search ended ("Repayment period" only; `Found` in the other modes).
    TermOutcome termOutcome = TermOutcome::Found;
};

/// `LoanCalc` ("&Calculate", and every activation of the window): solves the quantity of
/// `CalcMode` and stores it in `loan`.
/// - "Monthly repayment": `RPAYMENT`.
/// - "Principal amount": `PAMOUNT`.
/// - "Repayment period": the period is set to 0, the repayment lowered by 0.01 and `PER` run, so
///   that a repayment that repays the loan in a whole number of months comes back unchanged.
///   Whenever no term is found (an input of 0, or no term within 600 months) the repayment goes
///   back to the one typed, so that repeated calculations never wear it down; when one
///   instalment more than repays the loan the period is 1 month and the repayment that one
///   instalment (the principal plus a month's interest, rounded up to the cent).
/// - "Interest rate": the rate is set to 0 and `Rate` run; a rate above 50 % is shown with the
///   error marker.
LoanResults LoanCalc(LoanState& loan);

/// `LoanCalc` on a copy of `loan`: the window's figures for these values, `loan` unchanged.
LoanResults calculateLoan(const LoanState& loan);

/// Copies the solved figures of `results` back into the loan, as `LoanCalc` does.
void applyLoanResults(LoanState& loan, const LoanResults& results);

} // namespace grovan

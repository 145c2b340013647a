// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan buster: what a fixed extra payment with every instalment does to a loan, the shorter
// term, the new repayment, the new totals and the saving, through the shared annuity solver.

#include "core/message.h"
#include "finance/annuity.h"

#include <cstdint>
#include <optional>

namespace grovan {

/// The loan buster's application-wide values; they survive closing the window. Rands and percent
/// a year, held in double precision as typed.
struct LoanBusterState
{
    double BusterPrincipal = 0.0;
    double BusterRate = 0.0;
    /// The extra payment each month; after a calculation, the adjusted one (`BBCalc`).
    double BusterExtra = 0.0;

    /// "&Initialise All" (and start-up): all three become 0.
    void initialiseAll();
};

/// What the window calculates from: the application-wide values and the term typed in the
/// window, n0, which starts at 0 every time the window is loaded.
struct LoanBusterInputs : LoanBusterState
{
    std::int16_t BaseTerm = 0; ///< n0, whole months
};

/// What happened to the right-hand column ("with extra payments").
enum class BusterColumn
{
    Calculated,    ///< the term and repayment with the extra payments
    NoLoan,        ///< no repayment to add to (principal, term or rate 0): zeros throughout
    NoShorterTerm, ///< no term found within 600 months: it repeats the left-hand column
    ExtraTooLarge, ///< the extra payment is above ten times R0: cleared, with a message
};

/// The two columns of the window. Rands, months; unrounded.
struct LoanBusterResults
{
    double R0 = 0.0;  ///< `numMonRePay`: the normal monthly repayment
    double TI0 = 0.0; ///< `numAns1`(0): R0 x n0 - principal, 0 if negative
    double TR0 = 0.0; ///< `numAns1`(1): n0 x R0, 0 if negative
    /// `numXtraPay` rewritten: the extra payment raised to the cent step that repays the loan in
    /// exactly n1 months (as typed when nothing was found or the column is cleared).
    double BusterExtra = 0.0;
    double principal = 0.0; ///< `numAns1`(2): the principal again
    std::int16_t n1 = 0;    ///< `numAns2`: the term with the extra payments
    double rate = 0.0;      ///< `numAns1`(3): the rate again
    double R1 = 0.0;        ///< `numAns1`(4): the repayment with the extra payment
    double TI1 = 0.0;       ///< `numAns1`(5): R1 x n1 - principal, 0 if negative
    double TR1 = 0.0;       ///< `numAns1`(6): n1 x R1, 0 if negative
    double saving = 0.0;    ///< `numAns1`(7): n0 x R0 - n1 x R1
    BusterColumn column = BusterColumn::NoLoan;
};

/// The calculation (`BBCalc` without the window): R0 and its totals from the principal, n0 and
/// the rate (`BRPAYMENT`); then, when the extra payment is at most ten times R0, the extra
/// payment less 0.01 is added to R0 and the term search (`BPER`) gives n1 and the adjusted
/// repayment R1, the extra payment becomes R1 - R0 (0 when none was typed) and the right-hand
/// column follows; with an extra payment of 0 it repeats the left-hand totals and the saving is
/// 0.
/// Beyond those steps:
/// - without a loan (R0 = 0) every result is 0 and the extra payment stays as typed;
/// - when no term is found within 600 months the right-hand column repeats the left-hand one
///   and the extra payment stays as typed;
/// - when one instalment with the extra payment more than repays the loan, n1 is 1 month and
///   R1 that one instalment (the principal plus a month's interest, rounded up to the cent);
/// - an extra payment above ten times R0 clears the right-hand column (`ExtraTooLarge`; the
///   window shows `extraPaymentTooLargeMessage`) and stays as typed.
LoanBusterResults calculateLoanBuster(const LoanBusterInputs& inputs);

/// `BBCalc` ("&Calculate", and every activation of the window): the calculation on the window's
/// values, and the adjusted extra payment stored back in `state`.
LoanBusterResults BBCalc(LoanBusterState& state, std::int16_t baseTerm);

/// The message for an extra payment above ten times the normal repayment `r0`, naming the most
/// the calculation takes (ten times R0, in whole cents): the window shows it after "&Calculate"
/// and puts the focus on `numXtraPay`.
Message extraPaymentTooLargeMessage(double r0);

/// The message the window shows after a calculation, if any: `extraPaymentTooLargeMessage` for
/// `ExtraTooLarge`.
std::optional<Message> loanBusterCalculationMessage(const LoanBusterResults& results);

} // namespace grovan

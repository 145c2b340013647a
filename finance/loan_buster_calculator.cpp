// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_buster_calculator.h"

#include "core/number_format.h"
#include "core/rounding.h"

#include <algorithm>

namespace grovan {

namespace {

constexpr double kMostExtraTimesRepayment = 10.0;

double notNegative(double value)
{
    return std::max(value, 0.0);
}

} // namespace

void LoanBusterState::initialiseAll()
{
    BusterPrincipal = 0.0;
    BusterRate = 0.0;
    BusterExtra = 0.0;
}

LoanBusterResults calculateLoanBuster(const LoanBusterInputs& in)
{
    LoanBusterResults r;
    const double principal = in.BusterPrincipal;
    const double n0 = in.BaseTerm;
    r.R0 = annuityRepayment(principal, n0, in.BusterRate);
    r.TI0 = notNegative(r.R0 * n0 - principal);
    r.TR0 = notNegative(n0 * r.R0);
    r.principal = principal;
    r.rate = in.BusterRate;
    r.BusterExtra = in.BusterExtra;

    if (r.R0 == 0.0) {
        r.column = BusterColumn::NoLoan;
        return r;
    }
    if (kMostExtraTimesRepayment * r.R0 < in.BusterExtra) {
        r.principal = 0.0;
        r.rate = 0.0;
        r.column = BusterColumn::ExtraTooLarge;
        return r;
    }

    const double lowered = in.BusterExtra - kRepaymentStep;
    const TermSolution term = searchTerm(principal, in.BusterRate, lowered + r.R0);
    if (term.outcome != TermOutcome::Found && term.outcome != TermOutcome::OneInstalment) {
        r.n1 = in.BaseTerm;
        r.R1 = r.R0;
        r.TI1 = r.TI0;
        r.TR1 = r.TR0;
        r.column = BusterColumn::NoShorterTerm;
        return r;
    }
    r.BusterExtra = in.BusterExtra != 0.0 ? term.repayment - r.R0 : 0.0;
    r.n1 = static_cast<std::int16_t>(term.months);
    r.R1 = term.repayment;
    r.column = BusterColumn::Calculated;
    if (r.BusterExtra == 0.0) {
        // No extra payment: the loan's own repayment and totals, nothing saved.
        r.TI1 = r.TI0;
        r.TR1 = r.TR0;
        return r;
    }
    r.TI1 = notNegative(r.R1 * r.n1 - principal);
    r.TR1 = notNegative(r.n1 * r.R1);
    r.saving = n0 * r.R0 - r.n1 * r.R1;
    return r;
}

LoanBusterResults BBCalc(LoanBusterState& state, std::int16_t baseTerm)
{
    LoanBusterInputs inputs;
    static_cast<LoanBusterState&>(inputs) = state;
    inputs.BaseTerm = baseTerm;
    const LoanBusterResults results = calculateLoanBuster(inputs);
    state.BusterExtra = results.BusterExtra;
    return results;
}

Message extraPaymentTooLargeMessage(double r0)
{
    const double most = cutToDecimals(kMostExtraTimesRepayment * r0, 2);
    return {"The extra voluntary payment can be at most ten times the monthly repayment: R " +
                formatNumber(most, "### ### ##0.00") + ".",
            "Incorrect Extra Payment!", MessageIcon::Error};
}

std::optional<Message> loanBusterCalculationMessage(const LoanBusterResults& results)
{
    if (results.column == BusterColumn::ExtraTooLarge) {
        return extraPaymentTooLargeMessage(results.R0);
    }
    return std::nullopt;
}

} // namespace grovan

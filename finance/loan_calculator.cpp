// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_calculator.h"

namespace grovan {

void RPAYMENT(LoanState& loan)
{
    loan.MonthlyRepayment = annuityRepayment(loan.Principal, loan.PeriodMonths, loan.AnnualRate);
}

void PAMOUNT(LoanState& loan)
{
    loan.Principal = annuityPresentValue(loan.PeriodMonths, loan.AnnualRate, loan.MonthlyRepayment);
}

TermOutcome PER(LoanState& loan)
{
    const TermSolution term = searchTerm(loan.Principal, loan.AnnualRate, loan.MonthlyRepayment);
    loan.PeriodMonths = term.months;
    loan.MonthlyRepayment = term.repayment;
    return term.outcome;
}

void Rate(LoanState& loan)
{
    loan.AnnualRate = searchRate(loan.Principal, loan.PeriodMonths, loan.MonthlyRepayment);
}

LoanTotals loanTotals(const LoanState& loan)
{
    const double repaid = loan.MonthlyRepayment * loan.PeriodMonths;
    return {repaid - loan.Principal, repaid};
}

LoanResults LoanCalc(LoanState& loan)
{
    LoanResults results;
    switch (loan.CalcMode) {
    case LoanCalcMode::MonthlyRepayment:
        RPAYMENT(loan);
        break;
    case LoanCalcMode::PrincipalAmount:
        PAMOUNT(loan);
        break;
    case LoanCalcMode::RepaymentPeriod: {
        const double typed = loan.MonthlyRepayment;
        loan.PeriodMonths = 0.0;
        loan.MonthlyRepayment = loan.MonthlyRepayment - kRepaymentStep;
        results.termOutcome = PER(loan);
        if (results.termOutcome == TermOutcome::NoInputs ||
            results.termOutcome == TermOutcome::NotWithin600) {
            loan.MonthlyRepayment = typed;
        }
        break;
    }
    case LoanCalcMode::InterestRate:
        loan.AnnualRate = 0.0;
        Rate(loan);
        results.rateErrorShown = loan.AnnualRate > kHighestLoanRate;
        break;
    }
    results.Principal = loan.Principal;
    results.PeriodMonths = loan.PeriodMonths;
    results.AnnualRate = loan.AnnualRate;
    results.MonthlyRepayment = loan.MonthlyRepayment;
    results.totals = loanTotals(loan);
    results.totalsShown = loan.FinChargesState == FinCharges::Down;
    return results;
}

LoanResults calculateLoan(const LoanState& loan)
{
    LoanState copy = loan;
    return LoanCalc(copy);
}

void applyLoanResults(LoanState& loan, const LoanResults& results)
{
    loan.Principal = results.Principal;
    loan.PeriodMonths = results.PeriodMonths;
    loan.AnnualRate = results.AnnualRate;
    loan.MonthlyRepayment = results.MonthlyRepayment;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_view.h"

namespace grovan {

LoanQuantity solvedQuantity(LoanCalcMode mode)
{
    switch (mode) {
    case LoanCalcMode::MonthlyRepayment:
        return LoanQuantity::Repayment;
    case LoanCalcMode::PrincipalAmount:
        return LoanQuantity::Principal;
    case LoanCalcMode::RepaymentPeriod:
        return LoanQuantity::Period;
    case LoanCalcMode::InterestRate:
        return LoanQuantity::Rate;
    }
    return LoanQuantity::Repayment;
}

LoanFieldMark loanFieldMark(LoanCalcMode mode, LoanQuantity field)
{
    if (solvedQuantity(mode) == field) {
        return {FieldShade::Yellow, true, false};
    }
    return {FieldShade::White, false, true};
}

LoanQuantity loanModeFocus(LoanCalcMode mode)
{
    return mode == LoanCalcMode::PrincipalAmount ? LoanQuantity::Period : LoanQuantity::Principal;
}

bool chooseLoanCalcMode(LoanState& loan, int item)
{
    const auto mode = loanCalcModeOfItem(item);
    if (!mode) {
        return false;
    }
    loan.CalcMode = *mode;
    return true;
}

LoanTotalsPanel toggleFinCharges(LoanState& loan)
{
    if (loan.FinChargesState == FinCharges::Up) {
        loan.FinChargesState = FinCharges::Down;
        return {true, loanTotals(loan)};
    }
    loan.FinChargesState = FinCharges::Up;
    return {false, {}};
}

LoanResults activateLoanWindow(LoanState& loan)
{
    return LoanCalc(loan);
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_state.h"

namespace grovan {

std::string_view loanCalcModeName(LoanCalcMode mode)
{
    switch (mode) {
    case LoanCalcMode::MonthlyRepayment:
        return "Monthly repayment";
    case LoanCalcMode::PrincipalAmount:
        return "Principal amount";
    case LoanCalcMode::RepaymentPeriod:
        return "Repayment period";
    case LoanCalcMode::InterestRate:
        return "Interest rate";
    }
    return {};
}

std::optional<LoanCalcMode> loanCalcModeOfItem(int item)
{
    if (item < 0 || item > 3) {
        return std::nullopt;
    }
    return static_cast<LoanCalcMode>(item);
}

std::string_view finChargesName(FinCharges state)
{
    return state == FinCharges::Up ? "UP" : "DOWN";
}

void LoanState::initialiseAll()
{
    PeriodMonths = 0.0;
    AnnualRate = 0.0;
    MonthlyRepayment = 0.0;
    CalcMode = LoanCalcMode::MonthlyRepayment;
    FinChargesState = FinCharges::Up;
}

} // namespace grovan

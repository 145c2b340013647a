// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_validation.h"

#include "finance/finance_messages.h"
#include "finance/loan_fields.h"

namespace grovan {

namespace {

bool outside(const FieldDescription& field, double value)
{
    return value < field.minimum || value > field.maximum;
}

} // namespace

std::optional<Message> loanRefusalMessage(const FieldDescription& field, std::optional<double>,
                                          const LoanState&)
{
    if (&field == &loanQuantityField(LoanQuantity::Period)) {
        return maximumLoanPeriodMessage();
    }
    if (&field == &loanQuantityField(LoanQuantity::Rate)) {
        return maximumLoanRateMessage();
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateLoanInputs(const LoanState& loan)
{
    const FieldDescription& period = loanQuantityField(LoanQuantity::Period);
    if (loan.CalcMode != LoanCalcMode::RepaymentPeriod && outside(period, loan.PeriodMonths)) {
        return FieldProblem{&period, maximumLoanPeriodMessage()};
    }
    const FieldDescription& rate = loanQuantityField(LoanQuantity::Rate);
    if (loan.CalcMode != LoanCalcMode::InterestRate && outside(rate, loan.AnnualRate)) {
        return FieldProblem{&rate, maximumLoanRateMessage()};
    }
    return std::nullopt;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_buster_validation.h"

#include "finance/finance_messages.h"
#include "finance/loan_buster_fields.h"

namespace grovan {

std::optional<Message> loanBusterRefusalMessage(const FieldDescription& field,
                                                std::optional<double>, const LoanBusterInputs&)
{
    if (&field == &loanBusterPeriodField()) {
        return maximumLoanPeriodMessage();
    }
    if (&field == &loanBusterRateField()) {
        return maximumLoanRateMessage();
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateLoanBusterInputs(const LoanBusterInputs& inputs)
{
    const FieldDescription& period = loanBusterPeriodField();
    if (inputs.BaseTerm < period.minimum || inputs.BaseTerm > period.maximum) {
        return FieldProblem{&period, maximumLoanPeriodMessage()};
    }
    const FieldDescription& rate = loanBusterRateField();
    if (inputs.BusterRate < rate.minimum || inputs.BusterRate > rate.maximum) {
        return FieldProblem{&rate, maximumLoanRateMessage()};
    }
    return std::nullopt;
}

} // namespace grovan

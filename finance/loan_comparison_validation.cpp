// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_comparison_validation.h"

#include "finance/finance_messages.h"
#include "finance/loan_comparison_fields.h"

namespace grovan {

std::optional<Message> loanComparisonRefusalMessage(const FieldDescription& field,
                                                    std::optional<double>,
                                                    const LoanComparisonState&)
{
    if (&field == &loanComparisonRateField()) {
        return maximumLoanRateMessage();
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateLoanComparisonInputs(const LoanComparisonState& state)
{
    const FieldDescription& rate = loanComparisonRateField();
    if (state.CompRate < rate.minimum || state.CompRate > rate.maximum) {
        return FieldProblem{&rate, maximumLoanRateMessage()};
    }
    return std::nullopt;
}

} // namespace grovan

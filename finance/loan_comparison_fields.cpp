// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_comparison_fields.h"

#include "finance/finance_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr FieldDescription kAmount = financeAmountField(
    "numBAmt", "Bond amount", "bondAmount", "The bond (loan) amount", kMostPrincipal, 8);
constexpr FieldDescription kRate =
    financeRateField("numIntRate", "Interest rate", "annualRate",
                     "Nominal annual interest rate, the same for every term", 0.0, 50.0, "%p.a.");

constexpr std::array<InputBinding<LoanComparisonState>, 2> kInputs{
    bindMember<LoanComparisonState, &LoanComparisonState::CompPrincipal>(kAmount),
    bindMember<LoanComparisonState, &LoanComparisonState::CompRate>(kRate),
};

// The grid's rows, one a term: the years and the three amounts, in the grid's columns.
constexpr FieldDescription kTerms{
    .controlName = "grdPayments",
    .label = "",
    .key = "terms",
    .meaning = "One row a term, 5 to 30 years in increasing order (grid rows 1 to 6)",
    .unit = "terms",
    .kind = FieldKind::WholeNumber,
    .sign = FieldSign::None,
    .minimum = 0.0,
    .maximum = 0.0,
    .integerDigits = 0,
    .decimals = 0,
    .defaultValue = 0.0,
    .displayFormat = "",
    .readOnly = true,
};

constexpr std::array<FieldDescription, 4> kTermColumns{
    resultField("grdPayments(row,0)", "Period", "years",
                "The term in years (the grid shows \" 5 yrs.\" and so on)", "years",
                FieldKind::WholeNumber, FieldSign::None, 0, "#0"),
    financeMoneyResult("grdPayments(row,1)", "Monthly repayment", "repayment",
                       "The monthly repayment over the term; 0 when the amount or the rate is 0",
                       kComparisonGridFormat),
    financeMoneyResult("grdPayments(row,2)", "Total Interest", "totalInterest",
                       "The term's repayments less the bond amount (not clamped: minus the bond "
                       "amount at a rate of 0)",
                       kComparisonGridFormat),
    financeMoneyResult("grdPayments(row,3)", "Total Paid", "totalPaid",
                       "The term's repayments together", kComparisonGridFormat),
};

double termCell(const LoanComparisonResults& results, std::size_t row, std::size_t column)
{
    const ComparisonRow& term = results.rows[row];
    switch (column) {
    case 0:
        return term.months / 12;
    case 1:
        return term.repayment;
    case 2:
        return term.totalInterest;
    default:
        return term.totalPaid;
    }
}

constexpr std::array<ResultTableBinding<LoanComparisonResults>, 1> kTables{{
    {&kTerms, kTermColumns, kComparedTerms.size(), &termCell},
}};

constexpr std::array<ControlCaption, 6> kCaptions{{
    {"cmdCalculate", "&Calculate"},
    {"cmdPrint", "&Print"},
    {"cmdOK", "&OK"},
    {"cmdPD", "P&rint directly to printer"},
    {"cmdVR", "&View/Export report"},
    {"cmdPrintCancel", "C&ancel"},
}};

} // namespace

std::span<const InputBinding<LoanComparisonState>> loanComparisonInputBindings()
{
    return kInputs;
}

std::span<const ResultTableBinding<LoanComparisonResults>> loanComparisonResultTables()
{
    return kTables;
}

const FieldDescription& loanComparisonAmountField()
{
    return kAmount;
}

const FieldDescription& loanComparisonRateField()
{
    return kRate;
}

std::span<const ControlCaption> loanComparisonWindowCaptions()
{
    return kCaptions;
}

} // namespace grovan

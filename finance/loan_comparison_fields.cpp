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

// One result a term and a column: the keys and control names spelled out, as describe lists them.
#define GROVAN_COMPARISON_TERM(row, years)                                                         \
    financeMoneyResult("grdPayments(" #row ",1)", "Monthly repayment", "repayment" #years "Years", \
                       "Monthly repayment over " #years " years"),                                 \
        financeMoneyResult("grdPayments(" #row ",2)", "Total Interest",                            \
                           "totalInterest" #years "Years",                                         \
                           #years " years' repayments less the bond amount"),                      \
        financeMoneyResult("grdPayments(" #row ",3)", "Total Paid", "totalPaid" #years "Years",    \
                           "The repayments of " #years " years together")

constexpr std::array<FieldDescription, 18> kFigures{
    GROVAN_COMPARISON_TERM(1, 5),  GROVAN_COMPARISON_TERM(2, 10), GROVAN_COMPARISON_TERM(3, 15),
    GROVAN_COMPARISON_TERM(4, 20), GROVAN_COMPARISON_TERM(5, 25), GROVAN_COMPARISON_TERM(6, 30),
};

#undef GROVAN_COMPARISON_TERM

template <std::size_t Row, double ComparisonRow::*Member>
double figure(const LoanComparisonResults& results)
{
    return results.rows[Row].*Member;
}

template <std::size_t Row>
constexpr std::array<ResultBinding<LoanComparisonResults>, 3> termBindings()
{
    return {{
        {&kFigures[Row * 3], &figure<Row, &ComparisonRow::repayment>},
        {&kFigures[Row * 3 + 1], &figure<Row, &ComparisonRow::totalInterest>},
        {&kFigures[Row * 3 + 2], &figure<Row, &ComparisonRow::totalPaid>},
    }};
}

template <std::size_t... Rows>
constexpr std::array<ResultBinding<LoanComparisonResults>, 18>
allTerms(std::index_sequence<Rows...>)
{
    std::array<ResultBinding<LoanComparisonResults>, 18> all{};
    std::size_t at = 0;
    for (const auto& terms : {termBindings<Rows>()...}) {
        for (const auto& binding : terms) {
            all[at++] = binding;
        }
    }
    return all;
}

constexpr auto kResults = allTerms(std::make_index_sequence<6>{});

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

std::span<const ResultBinding<LoanComparisonResults>> loanComparisonResultBindings()
{
    return kResults;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_buster_fields.h"

#include "finance/finance_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr FieldDescription kPrincipal = financeAmountField(
    "numPrinAmount", "Principal amount", "principal", "Amount borrowed", kMostPrincipal, 8);
constexpr FieldDescription kPeriod =
    financeWholeField("numPeriod", "Period", "periodMonths",
                      "Term in whole months without extra payments (0 each time the window opens)",
                      "months", 600.0, 3, "months");
constexpr FieldDescription kRate =
    financeRateField("numIntRate", "Interest rate", "annualRate", "Nominal annual interest rate",
                     0.0, 50.0, "% p.a.");
constexpr FieldDescription kExtra =
    financeAmountField("numXtraPay", "Extra voluntary payments", "extraPayment",
                       "Voluntary extra payment with every instalment, at most ten times the "
                       "monthly repayment",
                       kMostPrincipal, 8);

constexpr std::array<InputBinding<LoanBusterInputs>, 4> kInputs{
    bindMember<LoanBusterInputs, &LoanBusterInputs::BusterPrincipal>(kPrincipal),
    bindMember<LoanBusterInputs, &LoanBusterInputs::BaseTerm>(kPeriod),
    bindMember<LoanBusterInputs, &LoanBusterInputs::BusterRate>(kRate),
    bindMember<LoanBusterInputs, &LoanBusterInputs::BusterExtra>(kExtra),
};

constexpr std::array<FieldDescription, 12> kShown{
    financeMoneyResult("numMonRePay", "Monthly repayment", "repayment",
                       "R0: the monthly repayment without extra payments"),
    financeMoneyResult("numAns1(0)", "Total interest", "totalInterest",
                       "R0 x period - principal, 0 if negative"),
    financeMoneyResult("numAns1(1)", "Total repayments", "totalRepayments",
                       "Period x R0, 0 if negative"),
    financeMoneyResult("numXtraPay", "Extra voluntary payments", "extraPayment",
                       "The extra payment raised to the cent step that repays the loan in exactly "
                       "the shorter term; as typed when no shorter term is found"),
    financeMoneyResult("numAns1(2)", "Principal amount", "withExtraPrincipal",
                       "The principal again (0 when the column is cleared)"),
    resultField("numAns2", "Period", "withExtraPeriodMonths",
                "n1: the term in months with the extra payments", "months", FieldKind::WholeNumber,
                FieldSign::None, 0, "##0"),
    resultField("numAns1(3)", "Interest rate", "withExtraRate",
                "The rate again (0 when the column is cleared)", "percent a year",
                FieldKind::Percent, FieldSign::None, 3, kFinanceRateFormat),
    financeMoneyResult("numAns1(4)", "Monthly repayment", "withExtraRepayment",
                       "R1: the repayment with the extra payment"),
    financeMoneyResult("numAns1(5)", "Total interest", "withExtraTotalInterest",
                       "R1 x n1 - principal, 0 if negative"),
    financeMoneyResult("numAns1(6)", "Total repayments", "withExtraTotalRepayments",
                       "n1 x R1, 0 if negative"),
    financeMoneyResult("numAns1(7)", "Total saving", "totalSaving",
                       "Period x R0 - n1 x R1: what the extra payments save"),
    financeFlagResult("", "", "extraTooLarge",
                      "1 when the extra payment is above ten times the repayment: the column "
                      "with extra payments is cleared"),
};

double extraTooLargeOf(const LoanBusterResults& r)
{
    return r.column == BusterColumn::ExtraTooLarge ? 1.0 : 0.0;
}

constexpr std::array<ResultBinding<LoanBusterResults>, 12> kResults{{
    bindResultMember<LoanBusterResults, &LoanBusterResults::R0>(kShown[0]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::TI0>(kShown[1]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::TR0>(kShown[2]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::BusterExtra>(kShown[3]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::principal>(kShown[4]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::n1>(kShown[5]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::rate>(kShown[6]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::R1>(kShown[7]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::TI1>(kShown[8]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::TR1>(kShown[9]),
    bindResultMember<LoanBusterResults, &LoanBusterResults::saving>(kShown[10]),
    {&kShown[11], &extraTooLargeOf},
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

std::span<const InputBinding<LoanBusterInputs>> loanBusterInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<LoanBusterResults>> loanBusterResultBindings()
{
    return kResults;
}

const FieldDescription& loanBusterPeriodField()
{
    return kPeriod;
}

const FieldDescription& loanBusterRateField()
{
    return kRate;
}

const FieldDescription& loanBusterExtraField()
{
    return kExtra;
}

std::span<const ControlCaption> loanBusterWindowCaptions()
{
    return kCaptions;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_fields.h"

#include "finance/finance_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr FieldDescription kMode = financeWholeField(
    "optLoanCalc", "Calculate Mode", "mode",
    "The quantity solved from the other three: 0 monthly repayment, 1 principal amount, "
    "2 repayment period, 3 interest rate",
    "option", 3.0, 1);

constexpr std::array<FieldDescription, 4> kQuantities{
    financeAmountField("numPrinAmount", "Principal amount", "principal", "Amount borrowed",
                       kMostPrincipal, 8),
    financeWholeField("numPeriod", "Period", "periodMonths",
                      "Term in whole months (the longest term the period search finds is 599)",
                      "months", 600.0, 3, "months."),
    financeRateField("numIntRate", "Interest rate", "annualRate",
                     "Nominal annual interest rate; the monthly rate is a twelfth of it", 0.0, 50.0,
                     "% p.a."),
    financeAmountField("numMonRePay", "Monthly repayment", "monthlyRepayment",
                       "Equal monthly instalment", 9999999.99, 7),
};

constexpr FieldDescription kShowTotals = financeWholeField(
    "cmdFinCharge", "&Fin. charges", "showTotals",
    "1 while the totals (total interest and total repayments) are shown, 0 while hidden",
    "1 shown, 0 hidden", 1.0, 1);

constexpr FieldDescription kSchedule = financeWholeField(
    "Check1", "Include Amortization", "schedule",
    "The schedule the printout includes: 0 none, 1 the monthly schedule, 2 the annual schedule "
    "(the print panel's tick with its option \"Monthly \" or \"Annual\")",
    "0 none, 1 monthly, 2 annual", 2.0, 1);

InputValue modeOf(const LoanInputs& loan)
{
    return static_cast<double>(static_cast<int>(loan.CalcMode));
}

void setMode(LoanInputs& loan, const InputValue& value)
{
    chooseLoanCalcMode(loan, static_cast<int>(std::get<double>(value)));
}

InputValue totalsShownOf(const LoanInputs& loan)
{
    return loan.FinChargesState == FinCharges::Down ? 1.0 : 0.0;
}

void setTotalsShown(LoanInputs& loan, const InputValue& value)
{
    loan.FinChargesState = std::get<double>(value) != 0.0 ? FinCharges::Down : FinCharges::Up;
}

InputValue scheduleOf(const LoanInputs& inputs)
{
    const auto schedule = inputs.printOptions.schedule();
    return schedule ? static_cast<double>(static_cast<int>(*schedule)) : 0.0;
}

void setSchedule(LoanInputs& inputs, const InputValue& value)
{
    const double kind = std::get<double>(value);
    inputs.printOptions.setCheck1(kind != 0.0);
    if (kind == static_cast<double>(static_cast<int>(AmortKind::Monthly))) {
        inputs.printOptions.chooseOption1(1);
    }
}

constexpr std::array<InputBinding<LoanInputs>, 7> kInputs{{
    {&kMode, &modeOf, &setMode},
    bindMember<LoanInputs, &LoanState::Principal>(kQuantities[0]),
    bindMember<LoanInputs, &LoanState::PeriodMonths>(kQuantities[1]),
    bindMember<LoanInputs, &LoanState::AnnualRate>(kQuantities[2]),
    bindMember<LoanInputs, &LoanState::MonthlyRepayment>(kQuantities[3]),
    {&kShowTotals, &totalsShownOf, &setTotalsShown},
    {&kSchedule, &scheduleOf, &setSchedule},
}};

constexpr std::array<FieldDescription, 4> kSolved{
    financeMoneyResult("numPrinAmount", "Principal amount", "principal",
                       "Principal: as typed, or solved in mode 1"),
    resultField("numPeriod", "Period", "periodMonths",
                "Term in months: as typed, or solved in mode 2 (0 when no term of at most 599 "
                "months is found)",
                "months", FieldKind::WholeNumber, FieldSign::None, 0, "##0"),
    resultField("numIntRate", "Interest rate", "annualRate",
                "Annual rate: as typed, or solved in mode 3 (the largest rate on the 0.01 grid "
                "whose repayment does not exceed the one typed)",
                "percent a year", FieldKind::Percent, FieldSign::None, 3, kFinanceRateFormat),
    financeMoneyResult("numMonRePay", "Monthly repayment", "monthlyRepayment",
                       "Repayment: solved in mode 0, raised to fit the whole-month term in mode 2, "
                       "otherwise as typed"),
};
constexpr FieldDescription kTotalInterest = financeMoneyResult(
    "numAns1", "Total Interest", "totalInterest", "Repayment x period - principal");
constexpr FieldDescription kTotalRepayments =
    financeMoneyResult("numAns2", "Total Repayments", "totalRepayments", "Repayment x period");
constexpr FieldDescription kRateError =
    financeFlagResult("Text1", "   Error", "rateError", "1 when a solved rate is above 50 %");

double totalInterestOf(const LoanResults& r)
{
    return r.totals.TotalInterest;
}

double totalRepaymentsOf(const LoanResults& r)
{
    return r.totals.TotalRepayments;
}

double rateErrorOf(const LoanResults& r)
{
    return r.rateErrorShown ? 1.0 : 0.0;
}

constexpr std::array<ResultBinding<LoanResults>, 7> kResults{{
    bindResultMember<LoanResults, &LoanResults::Principal>(kSolved[0]),
    bindResultMember<LoanResults, &LoanResults::PeriodMonths>(kSolved[1]),
    bindResultMember<LoanResults, &LoanResults::AnnualRate>(kSolved[2]),
    bindResultMember<LoanResults, &LoanResults::MonthlyRepayment>(kSolved[3]),
    {&kTotalInterest, &totalInterestOf},
    {&kTotalRepayments, &totalRepaymentsOf},
    {&kRateError, &rateErrorOf},
}};

constexpr std::array<ControlCaption, 21> kCaptions{{
    {"fraLoanCalcMode", "Calculate Mode"},
    {"optLoanCalc(0)", "Monthly repayment"},
    {"optLoanCalc(1)", "Principal amount"},
    {"optLoanCalc(2)", "Repayment period"},
    {"optLoanCalc(3)", "Interest rate"},
    {"Label12(0)", "Calculate mode"},
    {"Text1", "   Error"},
    {"cmdCalculate", "&Calculate"},
    {"cmdFinCharge", "&Fin. charges"},
    {"cmdMonAmort", "Mo&nthly Amort."},
    {"cmdAnnAmort", "&Annual Amort."},
    {"cmdLoanGraph", "Annual &Graph"},
    {"cmdPrint", "&Print"},
    {"cmdOk", "&OK"},
    {"Check1", "Include Amortization"},
    {"Option1(0)", "Annual"},
    {"Option1(1)", "Monthly "},
    {"cmdPD", "P&rint directly to printer"},
    {"cmdVR", "&View/Export report"},
    {"cmdPrintCancel", "C&ancel"},
    {"cmdGridClose", "&OK"},
}};

} // namespace

std::span<const InputBinding<LoanInputs>> loanInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<LoanResults>> loanResultBindings()
{
    return kResults;
}

const FieldDescription& loanQuantityField(LoanQuantity quantity)
{
    return kQuantities[static_cast<std::size_t>(quantity)];
}

std::span<const ControlCaption> loanWindowCaptions()
{
    return kCaptions;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/monthly_fields.h"

#include "paye/period_fields.h"

namespace grovan {

namespace {

constexpr double kMostRands = 99999999.0;

constexpr PeriodPayFields kPay{
    .age = periodAgeField("silgEdit9"),
    .salary = periodAmountField("numSalRemun", "Salary/remuneration", "salary",
                                "Salary or remuneration of the month, fringe benefits included; "
                                "without the travel allowance and without the employer's R/Fund "
                                "contributions",
                                kMostRands, 8, 0),
    .employerMedical = periodAmountField(
        "numEmpERMedAidCont", "Employer's med aid contrib.", "employerMedical",
        "Employer's medical scheme contributions of the month (a taxable fringe benefit)",
        kMostRands, 8, 0),
    .employeeMedical =
        periodAmountField("numEmpEEMedAidCont", "Employee's med aid contrib.", "employeeMedical",
                          "Employee's medical scheme contributions of the month", kMostRands, 8, 0),
    .employerFund = periodAmountField(
        "numEmpRRFundCont", "Employer's R/Fund contributions ", "employerFund",
        "Employer's retirement-fund contributions of the month (a taxable fringe benefit that "
        "also counts towards the deduction)",
        kMostRands, 8, 0),
    .employeeFund = periodAmountField(
        "numEmpERFundCont", "Employee's R/Fund contributions", "employeeFund",
        "Employee's retirement-fund contributions of the month", kMostRands, 8, 0),
    .commissions = periodAmountField(
        "numComm", "Commissions", "commissions",
        "Commissions of the month (taxed and levied, not part of the UIF base)", kMostRands, 8, 0),
    .bonus = periodAmountField("silgEdit12", "Bonus", "bonus",
                               "Bonus paid in the month; its tax is added in full, neither "
                               "annualised nor pro-rated",
                               kMostRands, 8, 0),
    .travelAllowance = periodAmountField(
        "silgEdit13", "Travel Allowance R", "travelAllowance",
        "Travel allowance received in the month; taxed at the set-up inclusion rate", kMostRands, 8,
        0),
    .beneficiaries = kPeriodBeneficiaries,
};

constexpr FieldDescription kStartDate = periodStartDateField(
    "dtMStartDate", "First day of the period, in the same month as the end date");
constexpr FieldDescription kEndDate = periodEndDateField(
    "dtMEndDate", "Last day of the period, in the start date's month and not before its day",
    kMonthlyDefaultEndDate);

constexpr std::array<InputBinding<MonthlyInputs>, 3> kPeriod{
    bindMember<MonthlyInputs, &MonthlyInputs::startDate>(kStartDate),
    bindMember<MonthlyInputs, &MonthlyInputs::endDate>(kEndDate),
    bindEmployeeName<MonthlyInputs>(),
};

constexpr auto kInputs = joined(bindPeriodPay<MonthlyInputs>(kPay), kPeriod);

constexpr FieldDescription kTaxableTravel = periodResultField(
    "numMTAAns", "", "taxableTravelAllowance",
    "Travel allowance x the inclusion rate; shown in whole rands, halves rounded to even",
    kPeriodWholeRandFormat);
constexpr FieldDescription kDays =
    periodDayCountResult("days", "d: days of the period, start and end dates included", "#0");
constexpr FieldDescription kDaysInMonth = periodDayCountResult(
    "daysInMonth", "N: days in the start date's month (28 for February)", "#0");

constexpr std::array<ResultBinding<MonthlyResults>, 1> kTravel{
    bindResultMember<MonthlyResults, &PeriodResults::taxableTravel>(
        kTaxableTravel, &shownInWholeRands<MonthlyResults, &PeriodResults::taxableTravel>),
};
constexpr std::array<ResultBinding<MonthlyResults>, 2> kCounts{
    bindResultMember<MonthlyResults, &MonthlyResults::days>(kDays),
    bindResultMember<MonthlyResults, &MonthlyResults::daysInMonth>(kDaysInMonth),
};

constexpr auto kResults = joined(joined(kTravel, bindPeriodResults<MonthlyResults>()), kCounts);

} // namespace

std::span<const InputBinding<MonthlyInputs>> monthlyInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<MonthlyResults>> monthlyResultBindings()
{
    return kResults;
}

const FieldDescription& monthlyStartDateField()
{
    return kStartDate;
}

const FieldDescription& monthlyEndDateField()
{
    return kEndDate;
}

const FieldDescription& monthlyTravelAllowanceField()
{
    return kPay.travelAllowance;
}

const FieldDescription& monthlyTaxableTravelField()
{
    return kTaxableTravel;
}

} // namespace grovan

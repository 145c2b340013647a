#include "paye/monthly_fields.h"

#include "paye/period_fields.h"

namespace grovan {

namespace {

constexpr double kMostRands = 99999999.0;

constexpr std::array<FieldDescription, 10> kPay{
    periodWholeField("silgEdit9", "Age", "age",
                     "The employee's age in whole years (rebates grow at 65 and 75; the "
                     "additional medical credit starts at 65)",
                     "years", 999.0, 3),
    periodAmountField("numSalRemun", "Salary/remuneration", "salary",
                      "Salary or remuneration of the month, fringe benefits included; without "
                      "the travel allowance and without the employer's R/Fund contributions",
                      kMostRands, 8, 0),
    periodAmountField("numEmpERMedAidCont", "Employer's med aid contrib.", "employerMedical",
                      "Employer's medical scheme contributions of the month (a taxable fringe "
                      "benefit)",
                      kMostRands, 8, 0),
    periodAmountField("numEmpEEMedAidCont", "Employee's med aid contrib.", "employeeMedical",
                      "Employee's medical scheme contributions of the month", kMostRands, 8, 0),
    periodAmountField("numEmpRRFundCont", "Employer's R/Fund contributions ", "employerFund",
                      "Employer's retirement-fund contributions of the month (a taxable fringe "
                      "benefit that also counts towards the deduction)",
                      kMostRands, 8, 0),
    periodAmountField("numEmpERFundCont", "Employee's R/Fund contributions", "employeeFund",
                      "Employee's retirement-fund contributions of the month", kMostRands, 8, 0),
    periodAmountField("numComm", "Commissions", "commissions",
                      "Commissions of the month (taxed and levied, not part of the UIF base)",
                      kMostRands, 8, 0),
    periodAmountField("silgEdit12", "Bonus", "bonus",
                      "Bonus paid in the month; its tax is added in full, neither annualised nor "
                      "pro-rated",
                      kMostRands, 8, 0),
    periodAmountField("silgEdit13", "Travel Allowance R", "travelAllowance",
                      "Travel allowance received in the month; taxed at the set-up inclusion rate",
                      kMostRands, 8, 0),
    periodWholeField("numMedAidBens", "Medical aid fund beneficiaries", "beneficiaries",
                     "Medical scheme beneficiaries (main member and dependants)", "beneficiaries",
                     99.0, 2),
};

constexpr FieldDescription kStartDate{
    .controlName = "dtMStartDate",
    .label = "Start date",
    .key = "startDate",
    .meaning = "First day of the period, in the same month as the end date",
    .unit = "date",
    .kind = FieldKind::Date,
    .sign = FieldSign::None,
    .minimum = TaxYearStart.dayNumber(),
    .maximum = TaxYearEnd.dayNumber(),
    .integerDigits = 0,
    .decimals = 0,
    .defaultValue = TaxYearStart.dayNumber(),
    .displayFormat = "dd/mm/yyyy",
};
constexpr FieldDescription kEndDate{
    .controlName = "dtMEndDate",
    .label = "End date",
    .key = "endDate",
    .meaning = "Last day of the period, in the start date's month and not before its day",
    .unit = "date",
    .kind = FieldKind::Date,
    .sign = FieldSign::None,
    .minimum = TaxYearStart.dayNumber(),
    .maximum = TaxYearEnd.dayNumber(),
    .integerDigits = 0,
    .decimals = 0,
    .defaultValue = kMonthlyDefaultEndDate.dayNumber(),
    .displayFormat = "dd/mm/yyyy",
};

template <CalendarDate MonthlyInputs::*Member> InputValue getDate(const MonthlyInputs& in)
{
    return in.*Member;
}

template <CalendarDate MonthlyInputs::*Member>
void setDate(MonthlyInputs& in, const InputValue& value)
{
    in.*Member = std::get<CalendarDate>(value);
}

constexpr std::array<InputBinding<MonthlyInputs>, 3> kPeriod{{
    {&kStartDate, &getDate<&MonthlyInputs::startDate>, &setDate<&MonthlyInputs::startDate>},
    {&kEndDate, &getDate<&MonthlyInputs::endDate>, &setDate<&MonthlyInputs::endDate>},
    bindEmployeeName<MonthlyInputs>(),
}};

constexpr auto kInputs = joined(bindPeriodPay<MonthlyInputs>(kPay), kPeriod);

constexpr FieldDescription kTaxableTravel = periodResultField(
    "numMTAAns", "", "taxableTravelAllowance",
    "Travel allowance x the inclusion rate; shown in whole rands, halves rounded to even",
    kPeriodWholeRandFormat);
constexpr FieldDescription countResult(std::string_view key, std::string_view meaning)
{
    return {
        .controlName = "",
        .label = "",
        .key = key,
        .meaning = meaning,
        .unit = "days",
        .kind = FieldKind::WholeNumber,
        .sign = FieldSign::None,
        .minimum = 0.0,
        .maximum = 0.0,
        .integerDigits = 0,
        .decimals = 0,
        .defaultValue = 0.0,
        .displayFormat = "#0",
        .readOnly = true,
    };
}

constexpr FieldDescription kDays =
    countResult("days", "d: days of the period, start and end dates included");
constexpr FieldDescription kDaysInMonth =
    countResult("daysInMonth", "N: days in the start date's month (28 for February)");

double shownTaxableTravel(const MonthlyResults& r)
{
    return roundHalfEven(r.taxableTravel, 0);
}

template <std::int32_t MonthlyResults::*Member> double getCount(const MonthlyResults& r)
{
    return static_cast<double>(r.*Member);
}

constexpr std::array<ResultBinding<MonthlyResults>, 1> kTravel{{
    {&kTaxableTravel, &getPeriodResult<MonthlyResults, &PeriodResults::taxableTravel>,
     &shownTaxableTravel},
}};
constexpr std::array<ResultBinding<MonthlyResults>, 2> kCounts{{
    {&kDays, &getCount<&MonthlyResults::days>},
    {&kDaysInMonth, &getCount<&MonthlyResults::daysInMonth>},
}};

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
    return kPay[8];
}

const FieldDescription& monthlyTaxableTravelField()
{
    return kTaxableTravel;
}

} // namespace grovan

#include "paye/annual_fields.h"

#include "core/rounding.h"

#include <array>

namespace grovan {

namespace {

constexpr FieldDescription amountField(std::string_view control, std::string_view label,
                                       std::string_view key, std::string_view meaning,
                                       double maximum, int integerDigits)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "rands",
        .kind = FieldKind::Amount,
        .sign = FieldSign::Rand,
        .minimum = 0.0,
        .maximum = maximum,
        .integerDigits = integerDigits,
        .decimals = 0,
        .defaultValue = 0.0,
        .displayFormat = "### ### ##0",
    };
}

constexpr FieldDescription monthField(std::string_view control, std::string_view caption,
                                      std::string_view key, std::string_view meaning)
{
    return {
        .controlName = control,
        .label = caption,
        .key = key,
        .meaning = meaning,
        .unit = "beneficiaries",
        .kind = FieldKind::WholeNumber,
        .sign = FieldSign::None,
        .minimum = 0.0,
        .maximum = 24.0,
        .integerDigits = 2,
        .decimals = 0,
        .defaultValue = 0.0,
        .displayFormat = "#0",
    };
}

constexpr FieldDescription resultField(std::string_view control, std::string_view label,
                                       std::string_view key, std::string_view meaning,
                                       std::string_view displayFormat)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "rands",
        .kind = FieldKind::Amount,
        .sign = FieldSign::Rand,
        .minimum = 0.0,
        .maximum = 0.0,
        .integerDigits = 0,
        .decimals = 2,
        .defaultValue = 0.0,
        .displayFormat = displayFormat,
        .readOnly = true,
    };
}

constexpr FieldDescription kAge{
    .controlName = "silgEdit1",
    .label = "Age",
    .key = "age",
    .meaning = "The employee's age in whole years (rebates grow at 65 and 75; the additional "
               "medical credit starts at 65)",
    .unit = "years",
    .kind = FieldKind::WholeNumber,
    .sign = FieldSign::None,
    .minimum = 0.0,
    .maximum = 999.0,
    .integerDigits = 3,
    .decimals = 0,
    .defaultValue = 0.0,
    .displayFormat = "##0",
};
constexpr FieldDescription kSalary = amountField(
    "silgEdit2", "Salary/remuneration", "salary",
    "Salary or remuneration of the period, fringe benefits included; without the travel "
    "allowance and without the employer's R/Fund contributions",
    999999999.0, 9);
constexpr FieldDescription kEmployerMedical =
    amountField("numEmpERMedAidCont", "Employer's med aid contrib.", "employerMedical",
                "Employer's medical scheme contributions of the period (a taxable fringe benefit)",
                99999999.0, 8);
constexpr FieldDescription kEmployeeMedical =
    amountField("numEmpEEMedAidCont", "Employee's med aid contrib.", "employeeMedical",
                "Employee's medical scheme contributions of the period", 99999999.0, 8);
constexpr FieldDescription kEmployerFund =
    amountField("numEmpRRFundCont", "Employer's R/Fund contributions ", "employerFund",
                "Employer's retirement-fund contributions of the period (a taxable fringe "
                "benefit that also counts towards the deduction)",
                999999999.0, 9);
constexpr FieldDescription kEmployeeFund =
    amountField("numEmpERFundCont", "Employee's R/Fund contributions", "employeeFund",
                "Employee's retirement-fund contributions of the period", 999999999.0, 9);
constexpr FieldDescription kCommissions = amountField(
    "numDirFees", "Commissions", "commissions", "Commissions earned in the period", 999999999.0, 9);
constexpr FieldDescription kBonus = amountField(
    "silgEdit4", "Bonus", "bonus",
    "Bonus paid in the period; its tax is added in full, not spread over the year", 999999999.0, 9);
constexpr FieldDescription kTravelAllowance = amountField(
    "silgEdit8", "Travel allowance received", "travelAllowance",
    "Travel allowance received in the period; taxed at the set-up inclusion rate", 999999999.0, 9);

constexpr std::array<FieldDescription, 12> kMonths{
    monthField("numAnnCalcBens(3)", "Mar", "beneficiariesMar",
               "Medical scheme beneficiaries (main member and dependants) in March"),
    monthField("numAnnCalcBens(4)", "Apr", "beneficiariesApr",
               "Medical scheme beneficiaries in April"),
    monthField("numAnnCalcBens(5)", "May", "beneficiariesMay",
               "Medical scheme beneficiaries in May"),
    monthField("numAnnCalcBens(6)", "Jun", "beneficiariesJun",
               "Medical scheme beneficiaries in June"),
    monthField("numAnnCalcBens(7)", "Jul", "beneficiariesJul",
               "Medical scheme beneficiaries in July"),
    monthField("numAnnCalcBens(8)", "Aug", "beneficiariesAug",
               "Medical scheme beneficiaries in August"),
    monthField("numAnnCalcBens(9)", "Sep", "beneficiariesSep",
               "Medical scheme beneficiaries in September"),
    monthField("numAnnCalcBens(10)", "Oct", "beneficiariesOct",
               "Medical scheme beneficiaries in October"),
    monthField("numAnnCalcBens(11)", "Nov", "beneficiariesNov",
               "Medical scheme beneficiaries in November"),
    monthField("numAnnCalcBens(12)", "Dec", "beneficiariesDec",
               "Medical scheme beneficiaries in December"),
    monthField("numAnnCalcBens(1)", "Jan", "beneficiariesJan",
               "Medical scheme beneficiaries in January"),
    monthField("numAnnCalcBens(2)", "Feb", "beneficiariesFeb",
               "Medical scheme beneficiaries in February"),
};

constexpr FieldDescription kStartDate{
    .controlName = "dtStartDate",
    .label = "Start date",
    .key = "startDate",
    .meaning = "First day of the period, from 01/03/2021 to the end date",
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
    .controlName = "dtEndDate",
    .label = "End date",
    .key = "endDate",
    .meaning = "Last day of the period, from the start date to 28/02/2022",
    .unit = "date",
    .kind = FieldKind::Date,
    .sign = FieldSign::None,
    .minimum = TaxYearStart.dayNumber(),
    .maximum = TaxYearEnd.dayNumber(),
    .integerDigits = 0,
    .decimals = 0,
    .defaultValue = TaxYearEnd.dayNumber(),
    .displayFormat = "dd/mm/yyyy",
};
constexpr FieldDescription kEmployeeName{
    .controlName = "Text1",
    .label = "Employee name :",
    .key = "employeeName",
    .meaning = "The employee's name on the printout (max. 50 characters)",
    .unit = "text",
    .kind = FieldKind::Text,
    .sign = FieldSign::None,
    .minimum = 0.0,
    .maximum = 50.0,
    .integerDigits = 0,
    .decimals = 0,
    .defaultValue = 0.0,
    .displayFormat = "",
};

constexpr FieldDescription kFundDeduction = resultField(
    "numAllowableRFundDed", "Allowable R/Fund deduction", "fundDeduction",
    "The employer's and employee's R/Fund contributions up to 27.5 % of the remuneration base, "
    "at most 350 000; shown in whole rands, halves rounded to even",
    "### ### ##0");
constexpr FieldDescription kTaxLiability =
    resultField("numMAns", "Tax liability", "taxLiability",
                "Tax of the period after rebates, before the medical credits", "### ### ##0.00");
constexpr FieldDescription kMedicalCredit = resultField(
    "numTaxCredit", "Tax credits for beneficiaries", "medicalCredit",
    "Medical scheme fees tax credit of the months in the period, each month at its own count",
    "### ### ##0.00");
constexpr FieldDescription kAdditionalMedicalCredit = resultField(
    "numMTCForContri", "Tax credits for contributions", "additionalMedicalCredit",
    "Additional medical credit from age 65: 0.333 x (medical contributions - 3 x the fees "
    "credit)",
    "### ### ##0.00");
constexpr FieldDescription kTotalTaxDeduction =
    resultField("numTaxLiability", "Total tax deduction", "totalTaxDeduction",
                "Tax liability less both medical credits; 0 when not positive", "### ### ##0.00");
constexpr FieldDescription kPaye =
    resultField("numAns(1)", "PAYE", "paye",
                "PAYE portion less both medical credits; 0 when not positive", "### ### ##0.00");
constexpr FieldDescription kSite =
    resultField("", "SITE", "site", "SITE portion of the tax liability (0: the SITE ceiling is 0)",
                "### ### ##0.00");
constexpr FieldDescription kPayePortion =
    resultField("", "", "payePortion",
                "PAYE portion of the tax liability, before the medical credits", "### ### ##0.00");
constexpr FieldDescription kDays{
    .controlName = "",
    .label = "",
    .key = "days",
    .meaning = "Days in the period, start and end dates included",
    .unit = "days",
    .kind = FieldKind::WholeNumber,
    .sign = FieldSign::None,
    .minimum = 0.0,
    .maximum = 0.0,
    .integerDigits = 0,
    .decimals = 0,
    .defaultValue = 0.0,
    .displayFormat = "##0",
    .readOnly = true,
};
constexpr FieldDescription kMedicalExpenses = resultField(
    "", "Medical expenses", "medicalExpenses",
    "Medical expenses amount of the printout (always 0 in this calculator)", "### ### ##0.00");

template <double AnnualInputs::*Member> InputValue getAmount(const AnnualInputs& inputs)
{
    return inputs.*Member;
}

template <double AnnualInputs::*Member>
void setAmount(AnnualInputs& inputs, const InputValue& value)
{
    inputs.*Member = std::get<double>(value);
}

template <double AnnualInputs::*Member>
constexpr InputBinding<AnnualInputs> bindAmount(const FieldDescription& field)
{
    return {&field, &getAmount<Member>, &setAmount<Member>};
}

template <int Month> InputValue getCount(const AnnualInputs& inputs)
{
    return static_cast<double>(inputs.beneficiaries[Month]);
}

template <int Month> void setCount(AnnualInputs& inputs, const InputValue& value)
{
    inputs.beneficiaries[Month] = static_cast<std::int16_t>(std::get<double>(value));
}

template <int Month> constexpr InputBinding<AnnualInputs> bindCount()
{
    return {&kMonths[static_cast<std::size_t>(taxYearPosition(Month))], &getCount<Month>,
            &setCount<Month>};
}

template <CalendarDate AnnualInputs::*Member> InputValue getDate(const AnnualInputs& inputs)
{
    return inputs.*Member;
}

template <CalendarDate AnnualInputs::*Member>
void setDate(AnnualInputs& inputs, const InputValue& value)
{
    inputs.*Member = std::get<CalendarDate>(value);
}

constexpr std::array<InputBinding<AnnualInputs>, 24> kInputs{{
    {&kAge, [](const AnnualInputs& in) -> InputValue { return static_cast<double>(in.age); },
     [](AnnualInputs& in, const InputValue& value) {
         in.age = static_cast<std::int16_t>(std::get<double>(value));
     }},
    bindAmount<&AnnualInputs::salary>(kSalary),
    bindAmount<&AnnualInputs::employerMedical>(kEmployerMedical),
    bindAmount<&AnnualInputs::employeeMedical>(kEmployeeMedical),
    bindAmount<&AnnualInputs::employerFund>(kEmployerFund),
    bindAmount<&AnnualInputs::employeeFund>(kEmployeeFund),
    bindAmount<&AnnualInputs::commissions>(kCommissions),
    bindAmount<&AnnualInputs::bonus>(kBonus),
    bindAmount<&AnnualInputs::travelAllowance>(kTravelAllowance),
    bindCount<3>(),
    bindCount<4>(),
    bindCount<5>(),
    bindCount<6>(),
    bindCount<7>(),
    bindCount<8>(),
    bindCount<9>(),
    bindCount<10>(),
    bindCount<11>(),
    bindCount<12>(),
    bindCount<1>(),
    bindCount<2>(),
    {&kStartDate, &getDate<&AnnualInputs::startDate>, &setDate<&AnnualInputs::startDate>},
    {&kEndDate, &getDate<&AnnualInputs::endDate>, &setDate<&AnnualInputs::endDate>},
    {&kEmployeeName, [](const AnnualInputs& in) -> InputValue { return in.employeeName; },
     [](AnnualInputs& in, const InputValue& value) {
         in.employeeName = std::get<std::string>(value);
     }},
}};

template <double AnnualResults::*Member> double getResult(const AnnualResults& results)
{
    return results.*Member;
}

template <double AnnualResults::*Member>
constexpr ResultBinding<AnnualResults> bindResult(const FieldDescription& field)
{
    return {&field, &getResult<Member>};
}

constexpr std::array<ResultBinding<AnnualResults>, 10> kResults{{
    {&kFundDeduction, &getResult<&AnnualResults::fundDeduction>,
     [](const AnnualResults& r) {
         return roundHalfEven(r.fundDeduction, 0);
     }},
    bindResult<&AnnualResults::taxLiability>(kTaxLiability),
    bindResult<&AnnualResults::medicalCredit>(kMedicalCredit),
    bindResult<&AnnualResults::additionalMedicalCredit>(kAdditionalMedicalCredit),
    bindResult<&AnnualResults::totalTaxDeduction>(kTotalTaxDeduction),
    bindResult<&AnnualResults::paye>(kPaye),
    bindResult<&AnnualResults::site>(kSite),
    bindResult<&AnnualResults::payePortion>(kPayePortion),
    {&kDays,
     [](const AnnualResults& r) {
         return static_cast<double>(r.days);
     }},
    bindResult<&AnnualResults::medicalExpenses>(kMedicalExpenses),
}};

} // namespace

std::span<const InputBinding<AnnualInputs>> annualInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<AnnualResults>> annualResultBindings()
{
    return kResults;
}

const FieldDescription& annualBeneficiariesField(int month)
{
    return kMonths[static_cast<std::size_t>(taxYearPosition(month))];
}

const FieldDescription& annualStartDateField()
{
    return kStartDate;
}

const FieldDescription& annualEndDateField()
{
    return kEndDate;
}

} // namespace grovan

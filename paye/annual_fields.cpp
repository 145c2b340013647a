// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/annual_fields.h"

#include "paye/period_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr double kMostRands = 999999999.0;
constexpr double kMostMedical = 99999999.0;

constexpr FieldDescription kAge = periodAgeField("silgEdit1");
constexpr FieldDescription kSalary = periodAmountField(
    "silgEdit2", "Salary/remuneration", "salary",
    "Salary or remuneration of the period, fringe benefits included; without the travel "
    "allowance and without the employer's R/Fund contributions",
    kMostRands, 9, 0);
constexpr FieldDescription kEmployerMedical = periodAmountField(
    "numEmpERMedAidCont", "Employer's med aid contrib.", "employerMedical",
    "Employer's medical scheme contributions of the period (a taxable fringe benefit)",
    kMostMedical, 8, 0);
constexpr FieldDescription kEmployeeMedical =
    periodAmountField("numEmpEEMedAidCont", "Employee's med aid contrib.", "employeeMedical",
                      "Employee's medical scheme contributions of the period", kMostMedical, 8, 0);
constexpr FieldDescription kEmployerFund =
    periodAmountField("numEmpRRFundCont", "Employer's R/Fund contributions ", "employerFund",
                      "Employer's retirement-fund contributions of the period (a taxable fringe "
                      "benefit that also counts towards the deduction)",
                      kMostRands, 9, 0);
constexpr FieldDescription kEmployeeFund =
    periodAmountField("numEmpERFundCont", "Employee's R/Fund contributions", "employeeFund",
                      "Employee's retirement-fund contributions of the period", kMostRands, 9, 0);
constexpr FieldDescription kCommissions =
    periodAmountField("numDirFees", "Commissions", "commissions",
                      "Commissions earned in the period", kMostRands, 9, 0);
constexpr FieldDescription kBonus = periodAmountField(
    "silgEdit4", "Bonus", "bonus",
    "Bonus paid in the period; its tax is added in full, not spread over the year", kMostRands, 9,
    0);
constexpr FieldDescription kTravelAllowance =
    periodAmountField("silgEdit8", "Travel allowance received", "travelAllowance",
                      "Travel allowance received in the period; taxed at the set-up inclusion rate",
                      kMostRands, 9, 0);

constexpr FieldDescription monthField(std::string_view control, std::string_view caption,
                                      std::string_view key, std::string_view meaning)
{
    return periodWholeField(control, caption, key, meaning, "beneficiaries", 24.0, 2);
}

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

constexpr FieldDescription kStartDate =
    periodStartDateField("dtStartDate", "First day of the period, from 01/03/2021 to the end date");
constexpr FieldDescription kEndDate = periodEndDateField(
    "dtEndDate", "Last day of the period, from the start date to 28/02/2022", TaxYearEnd);
// Described without the hint that the other windows' employee name carries.
constexpr FieldDescription kEmployeeName = employeeNameField({});

// Unlike the other windows' deduction, described with two decimals; it shows whole rands all the
// same.
constexpr FieldDescription kFundDeduction = [] {
    FieldDescription field = periodResultField(
        "numAllowableRFundDed", "Allowable R/Fund deduction", "fundDeduction",
        "The employer's and employee's R/Fund contributions up to 27.5 % of the remuneration "
        "base, at most 350 000; shown in whole rands, halves rounded to even",
        kPeriodWholeRandFormat);
    field.decimals = 2;
    return field;
}();
constexpr FieldDescription kTaxLiability =
    periodResultField("numMAns", "Tax liability", "taxLiability",
                      "Tax of the period after rebates, before the medical credits");
constexpr FieldDescription kMedicalCredit = periodResultField(
    "numTaxCredit", "Tax credits for beneficiaries", "medicalCredit",
    "Medical scheme fees tax credit of the months in the period, each month at its own count");
constexpr FieldDescription kPaye = periodResultField(
    "numAns(1)", "PAYE", "paye", "PAYE portion less both medical credits; 0 when not positive");
constexpr FieldDescription kSite = periodResultField(
    "", "SITE", "site", "SITE portion of the tax liability (0: the SITE ceiling is 0)");
constexpr FieldDescription kPayePortion = periodResultField(
    "", "", "payePortion", "PAYE portion of the tax liability, before the medical credits");
constexpr FieldDescription kDays =
    periodDayCountResult("days", "Days in the period, start and end dates included", "##0");
constexpr FieldDescription kMedicalExpenses =
    periodResultField("", "Medical expenses", "medicalExpenses",
                      "Medical expenses amount of the printout (always 0 in this calculator)");

template <int Month> InputValue getCount(const AnnualInputs& inputs)
{
    return static_cast<double>(inputs.beneficiaries[Month]);
}

template <int Month> void setCount(AnnualInputs& inputs, const InputValue& value)
{
    inputs.beneficiaries[Month] = static_cast<std::int16_t>(std::get<double>(value));
}

template <int Month> void setCountNumber(AnnualInputs& inputs, double value)
{
    inputs.beneficiaries[Month] = static_cast<std::int16_t>(value);
}

template <int Month> constexpr InputBinding<AnnualInputs> bindCount()
{
    return {&kMonths[static_cast<std::size_t>(taxYearPosition(Month))], &getCount<Month>,
            &setCount<Month>, &setCountNumber<Month>};
}

constexpr std::array<InputBinding<AnnualInputs>, 24> kInputs{
    bindMember<AnnualInputs, &AnnualInputs::age>(kAge),
    bindMember<AnnualInputs, &AnnualInputs::salary>(kSalary),
    bindMember<AnnualInputs, &AnnualInputs::employerMedical>(kEmployerMedical),
    bindMember<AnnualInputs, &AnnualInputs::employeeMedical>(kEmployeeMedical),
    bindMember<AnnualInputs, &AnnualInputs::employerFund>(kEmployerFund),
    bindMember<AnnualInputs, &AnnualInputs::employeeFund>(kEmployeeFund),
    bindMember<AnnualInputs, &AnnualInputs::commissions>(kCommissions),
    bindMember<AnnualInputs, &AnnualInputs::bonus>(kBonus),
    bindMember<AnnualInputs, &AnnualInputs::travelAllowance>(kTravelAllowance),
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
    bindMember<AnnualInputs, &AnnualInputs::startDate>(kStartDate),
    bindMember<AnnualInputs, &AnnualInputs::endDate>(kEndDate),
    bindEmployeeName<AnnualInputs>(kEmployeeName),
};

constexpr std::array<ResultBinding<AnnualResults>, 10> kResults{
    bindResultMember<AnnualResults, &AnnualResults::fundDeduction>(
        kFundDeduction, &shownInWholeRands<AnnualResults, &AnnualResults::fundDeduction>),
    bindResultMember<AnnualResults, &AnnualResults::taxLiability>(kTaxLiability),
    bindResultMember<AnnualResults, &AnnualResults::medicalCredit>(kMedicalCredit),
    bindResultMember<AnnualResults, &AnnualResults::additionalMedicalCredit>(
        kPeriodAdditionalMedicalCredit),
    bindResultMember<AnnualResults, &AnnualResults::totalTaxDeduction>(kPeriodTotalTaxDeduction),
    bindResultMember<AnnualResults, &AnnualResults::paye>(kPaye),
    bindResultMember<AnnualResults, &AnnualResults::site>(kSite),
    bindResultMember<AnnualResults, &AnnualResults::payePortion>(kPayePortion),
    bindResultMember<AnnualResults, &AnnualResults::days>(kDays),
    bindResultMember<AnnualResults, &AnnualResults::medicalExpenses>(kMedicalExpenses),
};

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

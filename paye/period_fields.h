#pragma once
// Field descriptions and bindings that the monthly, fortnightly, weekly and daily calculators
// share: their result fields bear the same control names and labels in every window, and their
// pay inputs differ only in control names, ranges and decimals.

#include "core/field_binding.h"
#include "core/rounding.h"
#include "paye/period_pay.h"

#include <array>
#include <string_view>

namespace grovan {

/// The display format of the periodic windows' money results.
inline constexpr std::string_view kPeriodMoneyFormat = "### ### ##0.00";
/// The display format of the results shown in whole rands.
inline constexpr std::string_view kPeriodWholeRandFormat = "### ### ##0";

/// An amount input of a periodic window: rands, from 0 to `maximum`, `integerDigits` before the
/// point and `decimals` after it.
constexpr FieldDescription periodAmountField(std::string_view control, std::string_view label,
                                             std::string_view key, std::string_view meaning,
                                             double maximum, int integerDigits, int decimals)
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
        .decimals = decimals,
        .defaultValue = 0.0,
        .displayFormat = decimals == 0 ? kPeriodWholeRandFormat : kPeriodMoneyFormat,
    };
}

/// A whole-number input of a periodic window (age, beneficiaries, days), 0 to `maximum`.
constexpr FieldDescription periodWholeField(std::string_view control, std::string_view label,
                                            std::string_view key, std::string_view meaning,
                                            std::string_view unit, double maximum,
                                            int integerDigits, double defaultValue = 0.0)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = unit,
        .kind = FieldKind::WholeNumber,
        .sign = FieldSign::None,
        .minimum = 0.0,
        .maximum = maximum,
        .integerDigits = integerDigits,
        .decimals = 0,
        .defaultValue = defaultValue,
        .displayFormat = integerDigits >= 3 ? "##0" : "#0",
    };
}

/// A result field of a periodic window, or (no control name) a value only the output carries.
constexpr FieldDescription periodResultField(std::string_view control, std::string_view label,
                                             std::string_view key, std::string_view meaning,
                                             std::string_view displayFormat = kPeriodMoneyFormat)
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
        .decimals = displayFormat == kPeriodMoneyFormat ? 2 : 0,
        .defaultValue = 0.0,
        .displayFormat = displayFormat,
        .readOnly = true,
    };
}

/// The age, amounts and beneficiaries of the fortnightly, weekly and daily windows, which take
/// rands and cents (the R/Fund contributions whole rands) and differ only in the age field's
/// control name.
constexpr std::array<FieldDescription, 10> centsPayFields(std::string_view ageControl)
{
    constexpr double kMostCents = 9999999.99;
    constexpr double kMostRands = 99999999.0;
    return {
        periodWholeField(ageControl, "Age", "age",
                         "The employee's age in whole years (rebates grow at 65 and 75; the "
                         "additional medical credit starts at 65)",
                         "years", 999.0, 3),
        periodAmountField("numSalRemun", "Salary/remuneration", "salary",
                          "Salary or remuneration of the period, fringe benefits included; without "
                          "the travel allowance and without the employer's R/Fund contributions",
                          kMostCents, 7, 2),
        periodAmountField("numEmpERMedAidCont", "Employer's med aid contrib.", "employerMedical",
                          "Employer's medical scheme contributions of the period (a taxable fringe "
                          "benefit)",
                          kMostCents, 7, 2),
        periodAmountField("numEmpEEMedAidCont", "Employee's med aid contrib.", "employeeMedical",
                          "Employee's medical scheme contributions of the period", kMostCents, 7,
                          2),
        periodAmountField(
            "numEmpRRFundCont", "Employer's R/Fund contributions ", "employerFund",
            "Employer's retirement-fund contributions of the period (a taxable fringe "
            "benefit that also counts towards the deduction)",
            kMostRands, 8, 0),
        periodAmountField("numEmpERFundCont", "Employee's R/Fund contributions", "employeeFund",
                          "Employee's retirement-fund contributions of the period", kMostRands, 8,
                          0),
        periodAmountField("numComm", "Commissions", "commissions",
                          "Commissions of the period (taxed and levied, not part of the UIF base)",
                          kMostCents, 7, 2),
        periodAmountField("sidbEdit4", "Bonus", "bonus",
                          "Bonus paid in the period; its tax is added in full, not annualised",
                          kMostCents, 7, 2),
        periodAmountField("sidbEdit6", "Travel allowance received", "travelAllowance",
                          "Travel allowance received in the period; taxed at the set-up inclusion "
                          "rate",
                          kMostCents, 7, 2),
        periodWholeField("numMedAidBens", "Medical aid fund beneficiaries", "beneficiaries",
                         "Medical scheme beneficiaries (main member and dependants)",
                         "beneficiaries", 99.0, 2),
    };
}

/// Two tables of bindings or descriptions one after the other.
template <typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> joined(const std::array<T, N>& first, const std::array<T, M>& second)
{
    std::array<T, N + M> all{};
    for (std::size_t i = 0; i < N; ++i) {
        all[i] = first[i];
    }
    for (std::size_t i = 0; i < M; ++i) {
        all[N + i] = second[i];
    }
    return all;
}

/// The print panel's employee name, the same in every periodic window.
inline constexpr FieldDescription kPeriodEmployeeName{
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
    .hint = "(max.50 chrs.)",
};

inline constexpr FieldDescription kPeriodFundDeduction = periodResultField(
    "numAllowableRFundDed", "Allowable R/Fund deduction", "fundDeduction",
    "The employer's and employee's R/Fund contributions up to 27.5 % of the remuneration base, "
    "at most 350 000 a year's share for the period; shown in whole rands, halves rounded to even",
    kPeriodWholeRandFormat);
inline constexpr FieldDescription kPeriodEmployeeUif = periodResultField(
    "numMAns1", "UIF contribution Employee", "employeeUifAmount",
    "Employee's UIF: the UIF base (without commissions) up to the period's limit, at the "
    "employee's rate");
inline constexpr FieldDescription kPeriodEmployerUif =
    periodResultField("numMAns2", "UIF contribution Employer", "employerUifAmount",
                      "Employer's UIF: the UIF base up to the period's limit, at the employer's "
                      "rate");
inline constexpr FieldDescription kPeriodSkillsLevy =
    periodResultField("numMAns3", "S.D.L.", "skillsLevyAmount",
                      "Skills development levy on the UIF base less the deduction plus "
                      "commissions");
inline constexpr FieldDescription kPeriodTaxLiability = periodResultField(
    "numMAns", "Tax liability", "taxLiability",
    "Tax of the period after the rebate, before the medical credits; the bonus's tax in full");
inline constexpr FieldDescription kPeriodMedicalCredit =
    periodResultField("numTaxCredit", "Tax credits for beneficiaries", "medicalCredit",
                      "Medical scheme fees tax credit of the period (when a medical contribution "
                      "is given)");
inline constexpr FieldDescription kPeriodAdditionalMedicalCredit = periodResultField(
    "numMTCForContri", "Tax credits for contributions", "additionalMedicalCredit",
    "Additional medical credit from age 65: 0.333 x (medical contributions - 3 x the fees "
    "credit)");
inline constexpr FieldDescription kPeriodTotalTaxDeduction =
    periodResultField("numTaxLiability", "Total tax deduction", "totalTaxDeduction",
                      "Tax liability less both medical credits; 0 when not positive");

template <typename Inputs, std::int16_t PeriodPay::*Member> InputValue getWhole(const Inputs& in)
{
    return static_cast<double>(in.*Member);
}

template <typename Inputs, std::int16_t PeriodPay::*Member>
void setWhole(Inputs& in, const InputValue& value)
{
    in.*Member = static_cast<std::int16_t>(std::get<double>(value));
}

template <typename Inputs, double PeriodPay::*Member> InputValue getPayAmount(const Inputs& in)
{
    return in.*Member;
}

template <typename Inputs, double PeriodPay::*Member>
void setPayAmount(Inputs& in, const InputValue& value)
{
    in.*Member = std::get<double>(value);
}

/// The age, the eight amounts and the beneficiaries of a periodic window, bound in the window's
/// order to the PeriodPay part of `Inputs`; `fields` describes them in that order.
template <typename Inputs>
constexpr std::array<InputBinding<Inputs>, 10>
bindPeriodPay(const std::array<FieldDescription, 10>& fields)
{
    return {{
        {&fields[0], &getWhole<Inputs, &PeriodPay::age>, &setWhole<Inputs, &PeriodPay::age>},
        {&fields[1], &getPayAmount<Inputs, &PeriodPay::salary>,
         &setPayAmount<Inputs, &PeriodPay::salary>},
        {&fields[2], &getPayAmount<Inputs, &PeriodPay::employerMedical>,
         &setPayAmount<Inputs, &PeriodPay::employerMedical>},
        {&fields[3], &getPayAmount<Inputs, &PeriodPay::employeeMedical>,
         &setPayAmount<Inputs, &PeriodPay::employeeMedical>},
        {&fields[4], &getPayAmount<Inputs, &PeriodPay::employerFund>,
         &setPayAmount<Inputs, &PeriodPay::employerFund>},
        {&fields[5], &getPayAmount<Inputs, &PeriodPay::employeeFund>,
         &setPayAmount<Inputs, &PeriodPay::employeeFund>},
        {&fields[6], &getPayAmount<Inputs, &PeriodPay::commissions>,
         &setPayAmount<Inputs, &PeriodPay::commissions>},
        {&fields[7], &getPayAmount<Inputs, &PeriodPay::bonus>,
         &setPayAmount<Inputs, &PeriodPay::bonus>},
        {&fields[8], &getPayAmount<Inputs, &PeriodPay::travelAllowance>,
         &setPayAmount<Inputs, &PeriodPay::travelAllowance>},
        {&fields[9], &getWhole<Inputs, &PeriodPay::beneficiaries>,
         &setWhole<Inputs, &PeriodPay::beneficiaries>},
    }};
}

template <typename Inputs> InputValue getEmployeeName(const Inputs& in)
{
    return in.employeeName;
}

template <typename Inputs> void setEmployeeName(Inputs& in, const InputValue& value)
{
    in.employeeName = std::get<std::string>(value);
}

/// The print panel's employee name bound to `Inputs`.
template <typename Inputs> constexpr InputBinding<Inputs> bindEmployeeName()
{
    return {&kPeriodEmployeeName, &getEmployeeName<Inputs>, &setEmployeeName<Inputs>};
}

template <typename Results, double PeriodResults::*Member>
double getPeriodResult(const Results& results)
{
    return results.*Member;
}

template <typename Results> double shownFundDeduction(const Results& results)
{
    return roundHalfEven(results.fundDeduction, 0);
}

/// The eight results every periodic window shows, in its order: "Allowable R/Fund deduction"
/// (shown in whole rands, halves to even), the two UIF contributions, "S.D.L.", "Tax liability",
/// the two credits and "Total tax deduction".
template <typename Results> constexpr std::array<ResultBinding<Results>, 8> bindPeriodResults()
{
    return {{
        {&kPeriodFundDeduction, &getPeriodResult<Results, &PeriodResults::fundDeduction>,
         &shownFundDeduction<Results>},
        {&kPeriodEmployeeUif, &getPeriodResult<Results, &PeriodResults::employeeUif>},
        {&kPeriodEmployerUif, &getPeriodResult<Results, &PeriodResults::employerUif>},
        {&kPeriodSkillsLevy, &getPeriodResult<Results, &PeriodResults::skillsLevy>},
        {&kPeriodTaxLiability, &getPeriodResult<Results, &PeriodResults::taxLiability>},
        {&kPeriodMedicalCredit, &getPeriodResult<Results, &PeriodResults::medicalCredit>},
        {&kPeriodAdditionalMedicalCredit,
         &getPeriodResult<Results, &PeriodResults::additionalMedicalCredit>},
        {&kPeriodTotalTaxDeduction, &getPeriodResult<Results, &PeriodResults::totalTaxDeduction>},
    }};
}

} // namespace grovan

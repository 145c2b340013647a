// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Field descriptions and bindings that the periodic calculators (annual, monthly, fortnightly,
// weekly and daily) share: their result fields bear the same control names and labels in every
// window, and their pay inputs differ only in control names, ranges and decimals.

#include "core/field_binding.h"
#include "core/rounding.h"
#include "core/tax_year.h"
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
    return resultField(control, label, key, meaning, "rands", FieldKind::Amount, FieldSign::Rand,
                       displayFormat == kPeriodMoneyFormat ? 2 : 0, displayFormat);
}

/// The age input of a periodic window, which differ only in its control name.
constexpr FieldDescription periodAgeField(std::string_view control)
{
    return periodWholeField(control, "Age", "age",
                            "The employee's age in whole years (rebates grow at 65 and 75; the "
                            "additional medical credit starts at 65)",
                            "years", 999.0, 3);
}

/// The beneficiaries input of the monthly, fortnightly, weekly and daily windows.
inline constexpr FieldDescription kPeriodBeneficiaries = periodWholeField(
    "numMedAidBens", "Medical aid fund beneficiaries", "beneficiaries",
    "Medical scheme beneficiaries (main member and dependants)", "beneficiaries", 99.0, 2);

/// A date input of a periodic window: a day of the tax year, `defaultDate` on opening.
constexpr FieldDescription periodDateField(std::string_view control, std::string_view label,
                                           std::string_view key, std::string_view meaning,
                                           CalendarDate defaultDate)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "date",
        .kind = FieldKind::Date,
        .sign = FieldSign::None,
        .minimum = TaxYearStart.dayNumber(),
        .maximum = TaxYearEnd.dayNumber(),
        .integerDigits = 0,
        .decimals = 0,
        .defaultValue = static_cast<double>(defaultDate.dayNumber()),
        .displayFormat = "dd/mm/yyyy",
    };
}

/// "Start date" of a periodic window, the first day of the tax year on opening.
constexpr FieldDescription periodStartDateField(std::string_view control, std::string_view meaning)
{
    return periodDateField(control, "Start date", "startDate", meaning, TaxYearStart);
}

/// "End date" of a periodic window.
constexpr FieldDescription periodEndDateField(std::string_view control, std::string_view meaning,
                                              CalendarDate defaultDate)
{
    return periodDateField(control, "End date", "endDate", meaning, defaultDate);
}

/// A count of days a periodic calculator hands out with its results; no window shows it.
constexpr FieldDescription periodDayCountResult(std::string_view key, std::string_view meaning,
                                                std::string_view displayFormat)
{
    return resultField("", "", key, meaning, "days", FieldKind::WholeNumber, FieldSign::None, 0,
                       displayFormat);
}

/// The descriptions of a periodic window's age, eight amounts and beneficiaries, each named by
/// the PeriodPay member it describes.
struct PeriodPayFields
{
    FieldDescription age;
    FieldDescription salary;
    FieldDescription employerMedical;
    FieldDescription employeeMedical;
    FieldDescription employerFund;
    FieldDescription employeeFund;
    FieldDescription commissions;
    FieldDescription bonus;
    FieldDescription travelAllowance;
    FieldDescription beneficiaries;
};

/// The age, amounts and beneficiaries of the fortnightly, weekly and daily windows, which take
/// rands and cents (the R/Fund contributions whole rands) and differ only in the age field's
/// control name.
constexpr PeriodPayFields centsPayFields(std::string_view ageControl)
{
    constexpr double kMostCents = 9999999.99;
    constexpr double kMostRands = 99999999.0;
    return {
        .age = periodAgeField(ageControl),
        .salary = periodAmountField(
            "numSalRemun", "Salary/remuneration", "salary",
            "Salary or remuneration of the period, fringe benefits included; without the travel "
            "allowance and without the employer's R/Fund contributions",
            kMostCents, 7, 2),
        .employerMedical = periodAmountField(
            "numEmpERMedAidCont", "Employer's med aid contrib.", "employerMedical",
            "Employer's medical scheme contributions of the period (a taxable fringe benefit)",
            kMostCents, 7, 2),
        .employeeMedical = periodAmountField(
            "numEmpEEMedAidCont", "Employee's med aid contrib.", "employeeMedical",
            "Employee's medical scheme contributions of the period", kMostCents, 7, 2),
        .employerFund = periodAmountField(
            "numEmpRRFundCont", "Employer's R/Fund contributions ", "employerFund",
            "Employer's retirement-fund contributions of the period (a taxable fringe benefit "
            "that also counts towards the deduction)",
            kMostRands, 8, 0),
        .employeeFund = periodAmountField(
            "numEmpERFundCont", "Employee's R/Fund contributions", "employeeFund",
            "Employee's retirement-fund contributions of the period", kMostRands, 8, 0),
        .commissions = periodAmountField(
            "numComm", "Commissions", "commissions",
            "Commissions of the period (taxed and levied, not part of the UIF base)", kMostCents, 7,
            2),
        .bonus = periodAmountField("sidbEdit4", "Bonus", "bonus",
                                   "Bonus paid in the period; its tax is added in full, not "
                                   "annualised",
                                   kMostCents, 7, 2),
        .travelAllowance = periodAmountField(
            "sidbEdit6", "Travel allowance received", "travelAllowance",
            "Travel allowance received in the period; taxed at the set-up inclusion rate",
            kMostCents, 7, 2),
        .beneficiaries = kPeriodBeneficiaries,
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

/// The print panel's employee name; `hint` is the text shown after the field.
constexpr FieldDescription employeeNameField(std::string_view hint)
{
    return {
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
        .hint = hint,
    };
}

/// The print panel's employee name, the same in the monthly, fortnightly, weekly and daily
/// windows.
inline constexpr FieldDescription kPeriodEmployeeName = employeeNameField("(max.50 chrs.)");

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

/// The age, the eight amounts and the beneficiaries of a periodic window, in the window's order,
/// each description bound to the PeriodPay member it names.
template <typename Inputs>
constexpr std::array<InputBinding<Inputs>, 10> bindPeriodPay(const PeriodPayFields& fields)
{
    return {
        bindMember<Inputs, &PeriodPay::age>(fields.age),
        bindMember<Inputs, &PeriodPay::salary>(fields.salary),
        bindMember<Inputs, &PeriodPay::employerMedical>(fields.employerMedical),
        bindMember<Inputs, &PeriodPay::employeeMedical>(fields.employeeMedical),
        bindMember<Inputs, &PeriodPay::employerFund>(fields.employerFund),
        bindMember<Inputs, &PeriodPay::employeeFund>(fields.employeeFund),
        bindMember<Inputs, &PeriodPay::commissions>(fields.commissions),
        bindMember<Inputs, &PeriodPay::bonus>(fields.bonus),
        bindMember<Inputs, &PeriodPay::travelAllowance>(fields.travelAllowance),
        bindMember<Inputs, &PeriodPay::beneficiaries>(fields.beneficiaries),
    };
}

/// The print panel's employee name (`field`, the periodic windows' by default) bound to
/// `Inputs`.
template <typename Inputs>
constexpr InputBinding<Inputs> bindEmployeeName(const FieldDescription& field = kPeriodEmployeeName)
{
    return bindMember<Inputs, &Inputs::employeeName>(field);
}

/// A result member shown in whole rands, halves to even.
template <typename Results, auto Member> double shownInWholeRands(const Results& results)
{
    return roundHalfEven(results.*Member, 0);
}

/// The eight results every periodic window shows, in its order: "Allowable R/Fund deduction"
/// (shown in whole rands, halves to even), the two UIF contributions, "S.D.L.", "Tax liability",
/// the two credits and "Total tax deduction".
template <typename Results> constexpr std::array<ResultBinding<Results>, 8> bindPeriodResults()
{
    return {
        bindResultMember<Results, &PeriodResults::fundDeduction>(
            kPeriodFundDeduction, &shownInWholeRands<Results, &PeriodResults::fundDeduction>),
        bindResultMember<Results, &PeriodResults::employeeUif>(kPeriodEmployeeUif),
        bindResultMember<Results, &PeriodResults::employerUif>(kPeriodEmployerUif),
        bindResultMember<Results, &PeriodResults::skillsLevy>(kPeriodSkillsLevy),
        bindResultMember<Results, &PeriodResults::taxLiability>(kPeriodTaxLiability),
        bindResultMember<Results, &PeriodResults::medicalCredit>(kPeriodMedicalCredit),
        bindResultMember<Results, &PeriodResults::additionalMedicalCredit>(
            kPeriodAdditionalMedicalCredit),
        bindResultMember<Results, &PeriodResults::totalTaxDeduction>(kPeriodTotalTaxDeduction),
    };
}

} // namespace grovan

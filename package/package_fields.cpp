// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_fields.h"

#include "core/setup_fields.h"
#include "package/package_field_kinds.h"
#include "package/package_panels.h"
#include "package/package_setup.h"

#include <array>
#include <cstddef>
#include <vector>

namespace grovan {

namespace {

using Binding = InputBinding<PackageInputs>;

constexpr FieldDescription kAge = packageWholeField(
    "numAge", "Taxpayer's age", "age",
    "The taxpayer's age in whole years (rebates grow at 65 and 75; the additional medical credit "
    "starts at 65; below 65 the medical deductions are cleared)",
    "years", 999.0, 3);
constexpr FieldDescription kCarValue =
    packageAmountField("numCompCar", "Company car value", "carValue",
                       "Value of the company car on which its fringe benefit is reckoned "
                       "(3.25 % a month with a maintenance plan, 3.5 % without, at the set-up "
                       "inclusion rate)");
constexpr FieldDescription kTravelAllowance = packageAmountField(
    "numTravAll", "Travel allowance", "travelAllowance",
    "Travel allowance of the period; taxed at the set-up inclusion rate, and part of the net "
    "salary");
constexpr FieldDescription kEmployeeMedical =
    packageAmountField("numMedAidCont", "Med. aid fund contributions", "employeeMedical",
                       "Employee's medical aid contributions of the period");
constexpr FieldDescription kOtherFringeBenefits =
    packageAmountField("numOTaxFB", "Other taxable f/benefits", "otherFringeBenefits",
                       "Other taxable fringe benefits of the period");
constexpr FieldDescription kEmployeeFund = packageAmountField(
    "numRFundCont", "R/Fund (Pension, Prov, R/A) ", "employeeFund",
    "Employee's retirement-fund contribution of the period; with an employee's percentage set "
    "up, the calculation writes the contribution it computed here");
constexpr FieldDescription kMedicalDeductions = packageAmountField(
    "numMedDeduct", "Medical deductions", "medicalDeductions",
    "Medical deductions of the period, taken off the taxable income and the net pay from age 65 "
    "(cleared to 0 below 65)");

constexpr std::array<FieldDescription, 4> kOtherExpenseTexts{
    packageTextField("txtOtherDet(0)", "Other Expenses :", "otherExpenseText0",
                     "What the first other expense is (printed beside its amount)",
                     kOtherExpenseTextLength),
    packageTextField("txtOtherDet(1)", "", "otherExpenseText1", "What the second other expense is",
                     kOtherExpenseTextLength),
    packageTextField("txtOtherDet(2)", "", "otherExpenseText2", "What the third other expense is",
                     kOtherExpenseTextLength),
    packageTextField("txtOtherDet(3)", "", "otherExpenseText3", "What the fourth other expense is",
                     kOtherExpenseTextLength),
};
constexpr std::array<FieldDescription, 4> kOtherExpenses{
    packageAmountField("numOtherDet(0)", "", "otherExpense0",
                       "First other expense of the period, copied into the cost-to-company "
                       "column (the gross-up calculators tax the four and count them in the UIF "
                       "base; the monthly take-home calculator takes them off the take-home pay, "
                       "the annual one only prints them)"),
    packageAmountField("numOtherDet(1)", "", "otherExpense1", "Second other expense"),
    packageAmountField("numOtherDet(2)", "", "otherExpense2", "Third other expense"),
    packageAmountField("numOtherDet(3)", "", "otherExpense3", "Fourth other expense"),
};

constexpr FieldDescription kCarCostToCompany =
    packageAmountField("numCCCompCar", "", "carCostToCompany",
                       "Cost of the company car to the company for the period (cost-to-company "
                       "column; with a car value and no cost, the car value shows as a once-off "
                       "cost)");
constexpr FieldDescription kEmployerMedical =
    packageAmountField("numCCMedAidCont", "", "employerMedical",
                       "Employer's medical aid contributions of the period (cost-to-company "
                       "column)");
constexpr FieldDescription kEmployerFund = packageAmountField(
    "numCCRFundCont", "", "employerFund",
    "Employer's retirement-fund contribution of the period (cost-to-company column); with an "
    "employer's percentage set up, the calculation writes the contribution it computed here");
constexpr std::array<FieldDescription, 4> kOtherExpensesCC{
    packageAmountField("numOtherDetCC(0)", "", "otherExpenseCC0",
                       "First other expense as the cost-to-company column prints it: a copy of "
                       "the amount, which may be overwritten"),
    packageAmountField("numOtherDetCC(1)", "", "otherExpenseCC1",
                       "Second other expense in the cost-to-company column"),
    packageAmountField("numOtherDetCC(2)", "", "otherExpenseCC2",
                       "Third other expense in the cost-to-company column"),
    packageAmountField("numOtherDetCC(3)", "", "otherExpenseCC3",
                       "Fourth other expense in the cost-to-company column"),
};

constexpr FieldDescription kTaxpayerName =
    packageTextField("Text1", kPackagePrintPanel.nameLabel, "employeeName",
                     "The taxpayer's name on the printout (max. 50 characters)",
                     kTaxpayerNameLength, kPackagePrintPanel.nameHint);

template <std::size_t I> InputValue otherExpenseText(const PackageInputs& in)
{
    return in.OtherExpenseTexts[I];
}
template <std::size_t I> void setOtherExpenseText(PackageInputs& in, const InputValue& value)
{
    in.OtherExpenseTexts[I] = std::get<std::string>(value);
}
template <std::size_t I> InputValue otherExpense(const PackageInputs& in)
{
    return in.OtherExpenses[I];
}
// A change of an other-expense amount is copied into the cost-to-company column as well.
template <std::size_t I> void setOtherExpense(PackageInputs& in, const InputValue& value)
{
    in.OtherExpenses[I] = std::get<double>(value);
    in.OtherExpensesCC[I] = in.OtherExpenses[I];
}
template <std::size_t I> InputValue otherExpenseCC(const PackageInputs& in)
{
    return in.OtherExpensesCC[I];
}
template <std::size_t I> void setOtherExpenseCC(PackageInputs& in, const InputValue& value)
{
    in.OtherExpensesCC[I] = std::get<double>(value);
}

template <std::size_t I> void addOtherExpenseRow(std::vector<Binding>& bindings)
{
    bindings.push_back({&kOtherExpenseTexts[I], &otherExpenseText<I>, &setOtherExpenseText<I>});
    bindings.push_back({&kOtherExpenses[I], &otherExpense<I>, &setOtherExpense<I>});
}

template <std::size_t I> Binding otherExpenseCCBinding()
{
    return {&kOtherExpensesCC[I], &otherExpenseCC<I>, &setOtherExpenseCC<I>};
}

std::vector<Binding> inputsOf(const PackageWindow& window)
{
    std::vector<Binding> b{
        bindMember<PackageInputs, &PackageInputs::Age>(kAge),
        bindMember<PackageInputs, &PackageInputs::NetRequired>(window.netField),
        bindMember<PackageInputs, &PackageInputs::CarValue>(kCarValue),
        bindMember<PackageInputs, &PackageInputs::TravelAllowance>(kTravelAllowance),
        bindMember<PackageInputs, &PackageInputs::EmpMedContrib>(kEmployeeMedical),
        bindMember<PackageInputs, &PackageInputs::Beneficiaries>(window.beneficiariesField),
        bindMember<PackageInputs, &PackageInputs::OtherFringeBenefits>(kOtherFringeBenefits),
        bindMember<PackageInputs, &PackageInputs::EmpRFAmount>(kEmployeeFund),
    };
    if (window.offersMedicalDeduction) {
        b.push_back(bindMember<PackageInputs, &PackageInputs::MedDeduction>(kMedicalDeductions));
    }
    addOtherExpenseRow<0>(b);
    addOtherExpenseRow<1>(b);
    addOtherExpenseRow<2>(b);
    addOtherExpenseRow<3>(b);
    b.insert(b.end(),
             {
                 bindMember<PackageInputs, &PackageInputs::CarCostToCompany>(kCarCostToCompany),
                 bindMember<PackageInputs, &PackageInputs::ErMedContrib>(kEmployerMedical),
                 bindMember<PackageInputs, &PackageInputs::ErRFAmount>(kEmployerFund),
                 otherExpenseCCBinding<0>(),
                 otherExpenseCCBinding<1>(),
                 otherExpenseCCBinding<2>(),
                 otherExpenseCCBinding<3>(),
                 bindMember<PackageInputs, &PackageInputs::TaxpayerName>(kTaxpayerName),
             });
    return b;
}

constexpr FieldDescription kPackageCopy =
    packageResultField("numCCNetMonSalReq", "", "packageAmountCC",
                       "The package in the cost-to-company column: a copy of the package amount");
constexpr FieldDescription kTravelAllowanceCopy =
    packageResultField("numCCTravAll", "", "travelAllowanceCC",
                       "The travel allowance in the cost-to-company column: a copy");
constexpr FieldDescription kOtherFringeBenefitsCopy =
    packageResultField("numCCOTaxFB", "", "otherFringeBenefitsCC",
                       "The other taxable fringe benefits in the cost-to-company column: a copy");

constexpr std::array<ResultBinding<PackageInputs>, 3> kForwardCopies{
    bindResultMember<PackageInputs, &PackageInputs::NetRequired>(kPackageCopy),
    bindResultMember<PackageInputs, &PackageInputs::TravelAllowance>(kTravelAllowanceCopy),
    bindResultMember<PackageInputs, &PackageInputs::OtherFringeBenefits>(kOtherFringeBenefitsCopy),
};

// The R/Fund percentages of the back-calculation windows: a change that takes the two above
// 27.5 % together clears both.
template <double SetupValues::*Member>
void setFundPercentWithRule(SetupValues& setup, const InputValue& value)
{
    setup.*Member = std::get<double>(value);
    applyFundPercentRule(setup);
}

constexpr FieldDescription kEmployeeFundPercent = setupPercentField(
    "numPenContPerc", "Employee R/Fund contributions", "employeeFundPercent",
    "Employee's retirement-fund contribution, percent of the salary (back-calculation: trial "
    "amount + medical contributions - medical credits; forward: the package); 0 to use the "
    "amount entered");
constexpr FieldDescription kEmployerFundPercent = setupPercentField(
    "numPenPercentage", "Employer R/Fund contributions", "employerFundPercent",
    "Employer's retirement-fund contribution, percent of the same base; 0 to use the amount "
    "entered");
constexpr FieldDescription kCarInclusionRate{
    .controlName = "optCompCarFBRate80",
    .label = "Company car fringe benefit rate ",
    .key = "carInclusionRate",
    .meaning = "Taxable part of the company car fringe benefit: 0.8 (option \"80%\") or 0.2 "
               "(option \"20%\")",
    .unit = "fraction",
    .kind = FieldKind::Fraction,
    .sign = FieldSign::None,
    .minimum = 0.0,
    .maximum = 1.0,
    .integerDigits = 1,
    .decimals = 2,
    .defaultValue = SetupValues{}.CompCarFBRate8020,
    .displayFormat = "0.0#",
};
constexpr FieldDescription kCarMaintenancePlan{
    .controlName = "optCompCarMPYes",
    .label = "Company car has maintenance plan ",
    .key = "carMaintenancePlan",
    .meaning = "1 (option \"Yes\") when the employer's maintenance plan covers the company car, "
               "0 (option \"No\") when not",
    .unit = "1 (yes) or 0 (no)",
    .kind = FieldKind::WholeNumber,
    .sign = FieldSign::None,
    .minimum = 0.0,
    .maximum = 1.0,
    .integerDigits = 1,
    .decimals = 0,
    .defaultValue = SetupValues{}.CompCarMPYesNo ? 1.0 : 0.0,
    .displayFormat = "0",
};

std::array<InputBinding<SetupValues>, 9> setupOf(bool fundPercentRule)
{
    // The shared rates keep the keys and labels of the periodic calculators' set-up panel.
    const auto periodic = periodicSetupBindings();
    const InputBinding<SetupValues> employee =
        fundPercentRule
            ? InputBinding<SetupValues>{&kEmployeeFundPercent,
                                        &memberValue<SetupValues, &SetupValues::PensionCont>,
                                        &setFundPercentWithRule<&SetupValues::PensionCont>}
            : bindMember<SetupValues, &SetupValues::PensionCont>(kEmployeeFundPercent);
    const InputBinding<SetupValues> employer =
        fundPercentRule
            ? InputBinding<SetupValues>{&kEmployerFundPercent,
                                        &memberValue<SetupValues, &SetupValues::EmployerPenCont>,
                                        &setFundPercentWithRule<&SetupValues::EmployerPenCont>}
            : bindMember<SetupValues, &SetupValues::EmployerPenCont>(kEmployerFundPercent);
    return {
        employee,
        employer,
        periodic[0], // numEmpEUIF
        periodic[1], // numEmpRUIF
        periodic[3], // numSkillPercent
        periodic[2], // numUIFLimit
        periodic[4], // optTAIncRate80 / optTAIncRate20
        bindMember<SetupValues, &SetupValues::CompCarFBRate8020>(kCarInclusionRate),
        bindMember<SetupValues, &SetupValues::CompCarMPYesNo>(kCarMaintenancePlan),
    };
}

using Result = ResultBinding<PackageResults>;

constexpr FieldDescription kEmployeeUif = packageResultField(
    "numUIFCont", "UIF contribution", "employeeUifAmount",
    "Employee's UIF: the UIF base up to the period's UIF limit, at the employee's rate");
constexpr FieldDescription kTaxDue = packageResultField(
    "numMAns", "Tax due", "taxDue", "Tax of the period after the age rebate, before the credits");
constexpr FieldDescription kTaxCredit =
    packageResultField("numTaxCredit", "Tax credit", "taxCredit",
                       "Medical scheme fees tax credit plus the additional medical credit");
constexpr FieldDescription kTaxDeduction =
    packageResultField("numTaxDeduct", "Tax deduction", "taxDeduction",
                       "Tax due less the tax credit; 0 when not above 0");
constexpr FieldDescription kTotalCostToCompany = packageResultField(
    "numTotCostComp", "Total cost to company R", "totalCostToCompany",
    "What the package costs the company: back-calculation, gross salary + employer's medical, "
    "UIF, skills levy, car cost and R/Fund; forward, package + employer's R/Fund, UIF, skills "
    "levy and car cost");
constexpr FieldDescription kOnceOff = packageResultField(
    "numOnceOff", kOnceOffBefore, "onceOffCarCost",
    "The car value as a once-off cost, shown when the company car has a value and no cost to "
    "company; otherwise 0");
constexpr FieldDescription kEmployerUif = packageResultField(
    "numCCUIFCont", "", "employerUifAmount",
    "Employer's UIF (cost-to-company column): the UIF base up to the limit, at the employer's "
    "rate");

constexpr FieldDescription kTrialAmount = resultField(
    "", "", "trialAmount",
    "The whole-rand salary the search ended at: the first whose net pay is above the net salary "
    "required",
    "rands", FieldKind::Amount, FieldSign::None, 0, "0");
constexpr FieldDescription kNetPay = packageResultField(
    "", "", "netPay", "Net pay of the trial amount (just above the net salary required)");
constexpr FieldDescription kCarFringeBenefit =
    packageResultField("", "", "carFringeBenefit", "Company car fringe benefit of the period");
constexpr FieldDescription kRebate =
    packageResultField("", "", "rebate", "Rebate for the age, rands a year");
constexpr FieldDescription kMedicalCredit =
    packageResultField("", "", "medicalCredit", "Medical scheme fees tax credit of the period");
constexpr FieldDescription kAdditionalMedicalCredit = packageResultField(
    "", "", "additionalMedicalCredit",
    "Additional medical credit of the period (from age 65: 0.333 x (medical contributions - 3 x "
    "the fees credit))");
constexpr FieldDescription kEmployeeFundContribution = packageResultField(
    "", "", "employeeFundContribution", "Employee's R/Fund contribution the calculation used");
constexpr FieldDescription kEmployerFundContribution = packageResultField(
    "", "", "employerFundContribution", "Employer's R/Fund contribution the calculation used");
constexpr FieldDescription kTaxableIncome = packageResultField(
    "", "", "taxableIncome", "Taxable income of the period (the monthly windows tax 12 times it)");
constexpr FieldDescription kUifBase = packageResultField(
    "", "", "uifBase", "Remuneration on which UIF and the skills levy are reckoned");
constexpr FieldDescription kFundDeductionLimit = packageResultField(
    "", "", "fundDeductionLimit",
    "Allowable R/Fund deduction: the contributions up to 27.5 % of the remuneration base, at "
    "most 350 000 a year");
constexpr FieldDescription kFundWarning =
    packageFlagResult("fundWarning", "1 when the R/Fund contributions exceed the allowable "
                                     "deduction (\"R/Fund contributions exceed allowable "
                                     "limits!\"): the package cannot be printed");
constexpr FieldDescription kCalcFailed = packageFlagResult(
    "calcFailed", "1 when the calculation stopped early (nothing to calculate, or a message)");

std::vector<Result> resultsOf(const PackageWindow& window)
{
    std::vector<Result> b{
        bindResultMember<PackageResults, &PackageResults::EmpUIF>(kEmployeeUif),
        bindResultMember<PackageResults, &PackageResults::TaxAfterRebate>(kTaxDue),
        bindResultMember<PackageResults, &PackageResults::TaxCredit>(kTaxCredit),
        bindResultMember<PackageResults, &PackageResults::TaxDeduction>(kTaxDeduction),
        bindResultMember<PackageResults, &PackageResults::GrossSalary>(window.grossField),
        bindResultMember<PackageResults, &PackageResults::TotalCostToCompany>(kTotalCostToCompany),
        bindResultMember<PackageResults, &PackageResults::OnceOff>(kOnceOff),
        bindResultMember<PackageResults, &PackageResults::ErUIF>(kEmployerUif),
        bindResultMember<PackageResults, &PackageResults::SkillsLevy>(window.skillsLevyField),
    };
    if (window.hasCostToCompanyPackage) {
        b.push_back(
            bindResultMember<PackageResults, &PackageResults::PackageAmountCC>(kPackageCopy));
    }
    b.push_back(
        bindResultMember<PackageResults, &PackageResults::TravelAllowanceCC>(kTravelAllowanceCopy));
    b.push_back(bindResultMember<PackageResults, &PackageResults::OtherFringeBenefitsCC>(
        kOtherFringeBenefitsCopy));
    if (window.direction == PackageDirection::Back) {
        b.push_back(bindResultMember<PackageResults, &PackageResults::TrialAmount>(kTrialAmount));
        b.push_back(bindResultMember<PackageResults, &PackageResults::NetPay>(kNetPay));
    }
    b.insert(
        b.end(),
        {
            bindResultMember<PackageResults, &PackageResults::CarFringeBenefit>(kCarFringeBenefit),
            bindResultMember<PackageResults, &PackageResults::Rebate>(kRebate),
            bindResultMember<PackageResults, &PackageResults::MedCredit>(kMedicalCredit),
            bindResultMember<PackageResults, &PackageResults::AddMedCredit>(
                kAdditionalMedicalCredit),
            bindResultMember<PackageResults, &PackageResults::EmpRFContrib>(
                kEmployeeFundContribution),
            bindResultMember<PackageResults, &PackageResults::ErRFContrib>(
                kEmployerFundContribution),
            bindResultMember<PackageResults, &PackageResults::TaxableIncome>(kTaxableIncome),
            bindResultMember<PackageResults, &PackageResults::UIFBase>(kUifBase),
            bindResultMember<PackageResults, &PackageResults::RFDeductionLimit>(
                kFundDeductionLimit),
            bindResultMember<PackageResults, &PackageResults::WarningShown>(kFundWarning),
            bindResultMember<PackageResults, &PackageResults::CalcFailed>(kCalcFailed),
        });
    return b;
}

// One table per window, built on first use.
template <typename Table, typename Build>
const Table& perWindow(const PackageWindow& window, Build build)
{
    static const std::array<Table, 4> tables{
        build(packageWindow(PackageWindowKind::GrovanAnnual)),
        build(packageWindow(PackageWindowKind::GrovanMonthly)),
        build(packageWindow(PackageWindowKind::VelmoraAnnual)),
        build(packageWindow(PackageWindowKind::VelmoraMonthly)),
    };
    return tables[static_cast<std::size_t>(window.kind)];
}

} // namespace

std::span<const InputBinding<PackageInputs>> packageInputBindings(const PackageWindow& window)
{
    return perWindow<std::vector<Binding>>(window, &inputsOf);
}

std::span<const ResultBinding<PackageInputs>> packageCopyBindings(const PackageWindow& window)
{
    const std::span<const ResultBinding<PackageInputs>> all = kForwardCopies;
    return window.hasCostToCompanyPackage ? all : all.subspan(1);
}

std::span<const InputBinding<SetupValues>> packageSetupBindings(const PackageWindow& window)
{
    static const auto back = setupOf(true);
    static const auto forward = setupOf(false);
    return window.appliesFundPercentRule ? std::span<const InputBinding<SetupValues>>(back)
                                         : std::span<const InputBinding<SetupValues>>(forward);
}

std::span<const ResultBinding<PackageResults>> packageResultBindings(const PackageWindow& window)
{
    return perWindow<std::vector<Result>>(window, &resultsOf);
}

} // namespace grovan

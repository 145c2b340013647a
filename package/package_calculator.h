// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The salary-package calculators. The back-calculation windows find the gross salary and the
// cost to company of a required net salary; the forward windows take a total package apart into
// take-home pay and cost to company. Amounts are rands of the window's period (a year or a
// month), percentages plain numbers (7.5 means 7.5 %), inclusion rates fractions (0.8).
// Nothing is rounded: the fields show two decimals of the unrounded doubles.

#include "core/income_tax.h"
#include "core/message.h"
#include "core/settings_store.h"
#include "package/package_window.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace grovan {

/// A package window's inputs, as its fields hold them (all 0 and empty when the window opens).
/// Set-up values are the shared SetupValues: `EmpRFPercent` is `PensionCont`, `ErRFPercent`
/// `EmployerPenCont`, `EmpUIFPercent` `EmployeeUIF`, `ErUIFPercent` `EmployerUIF`, `SDLPercent`
/// `SkillLevy`, `UIFMonthlyLimit` `UIFLimit`, `TAInclusionRate` `TAIncRate8020`,
/// `CarFBInclusionRate` `CompCarFBRate8020` and `CarHasMaintPlan` `CompCarMPYesNo`.
struct PackageInputs
{
    std::int16_t Age = 0; ///< whole years
    /// `numNetMonSalReq`: NetRequired, the net salary required (back-calculation), or
    /// PackageAmount, the total package (forward); the cost-to-company column shows a copy of the
    /// package in the forward windows.
    double NetRequired = 0.0;
    double CarValue = 0.0;            ///< value on which the car fringe benefit is reckoned
    double CarCostToCompany = 0.0;    ///< cost of the car to the company for the period
    double TravelAllowance = 0.0;     ///< the cost-to-company column shows a copy
    double EmpMedContrib = 0.0;       ///< employee's medical aid contribution
    double ErMedContrib = 0.0;        ///< employer's medical aid contribution
    double OtherFringeBenefits = 0.0; ///< the cost-to-company column shows a copy
    double MedDeduction = 0.0;        ///< medical deductions (back-calculation windows only)
    /// Annual windows: beneficiary-months of the year; monthly windows: beneficiaries.
    std::int32_t Beneficiaries = 0;
    /// `numOtherDet(i)`: the four other-expense amounts; the calculation uses their total.
    std::array<double, 4> OtherExpenses{};
    /// `txtOtherDet(i)`: what each other expense is, for the printout.
    std::array<std::string, 4> OtherExpenseTexts;
    /// `numOtherDetCC(i)`: the cost-to-company column's other expenses: a copy of each amount
    /// made whenever it changes, which the user may overwrite; only the printout reads them.
    std::array<double, 4> OtherExpensesCC{};
    /// `numRFundCont`: the employee's R/Fund contribution as an amount; when a percentage is set
    /// up, the calculation writes the computed contribution here.
    double EmpRFAmount = 0.0;
    /// `numCCRFundCont`: the employer's R/Fund contribution, likewise.
    double ErRFAmount = 0.0;
    /// `Text1`, the print panel's taxpayer's name (at most 50 characters): only the printout
    /// uses it.
    std::string TaxpayerName;
};

/// ((amount 0 + amount 1) + amount 2) + amount 3: the running total the calculation uses.
double OtherExpensesTotal(const PackageInputs& inputs);

/// Why a calculation stopped early.
enum class PackageStop
{
    None,
    NoAmount,       ///< a net salary required (or package) of 0: no message
    FringeBenefits, ///< "Fringe benefits more than salary required!"
    /// No trial amount up to kPackageAmountMaximum gives a net pay above the net required.
    NoTrialAmount,
};

/// What a package calculation gives: the working values of the calculation, what it leaves in
/// the input fields, and the figures the window shows.
struct PackageResults
{
    /// The search variable: whole rands from 1 upward (back-calculation only).
    double TrialAmount = 0.0;
    double CarFringeBenefit = 0.0; ///< company car fringe benefit of the period
    double Rebate = 0.0;           ///< age rebate, annual
    double MedCredit = 0.0;        ///< medical scheme fees tax credit of the period
    double AddMedCredit = 0.0;     ///< additional medical credit of the period
    double EmpRFContrib = 0.0;     ///< employee's R/Fund contribution used
    double ErRFContrib = 0.0;      ///< employer's R/Fund contribution used
    double TaxableIncome = 0.0;    ///< taxable income of the period
    double TaxAfterRebate = 0.0;   ///< tax of the period after the rebate, before the credits
    double UIFBase = 0.0;          ///< remuneration on which UIF and the levy are reckoned
    double EmpUIF = 0.0;
    double ErUIF = 0.0;
    double SkillsLevy = 0.0;
    double NetPay = 0.0;           ///< net pay of the trial amount (back-calculation only)
    double RFDeductionLimit = 0.0; ///< allowable R/Fund deduction; drives the warning
    bool CalcFailed = false;       ///< the calculation stopped early; see `stop`
    PackageStop stop = PackageStop::None;

    /// What the calculation leaves in the input fields: the R/Fund amounts (the contributions
    /// computed from a set-up percentage), the medical deductions (cleared below age 65) and the
    /// beneficiaries (cleared when no medical contribution is given).
    double EmpRFAmount = 0.0;
    double ErRFAmount = 0.0;
    double MedDeduction = 0.0;
    std::int32_t Beneficiaries = 0;

    double TaxCredit = 0.0; ///< "Tax credit": MedCredit + AddMedCredit (C)
    /// "Tax deduction": TaxAfterRebate - C when that is above 0, else 0.
    double TaxDeduction = 0.0;
    /// `numGrossSal`: the gross salary (back) or the take-home pay (forward).
    double GrossSalary = 0.0;
    double TotalCostToCompany = 0.0;
    /// The once-off car cost shown between its two labels: the car value when the company car
    /// has no cost to company; 0 (and the text hidden) otherwise.
    double OnceOff = 0.0;
    bool OnceOffShown = false;
    /// "R/Fund contributions exceed allowable limits!": the contributions are above
    /// RFDeductionLimit; the window moves its buttons and the package cannot be printed.
    bool WarningShown = false;

    /// The cost-to-company column's copies of the package (forward windows), the travel
    /// allowance and the other fringe benefits, as the calculation found them.
    double PackageAmountCC = 0.0;
    double TravelAllowanceCC = 0.0;
    double OtherFringeBenefitsCC = 0.0;

    /// `CalcAnnualTax` calls made by this calculation: one per trial amount tried.
    std::int64_t TaxEvaluations = 0;
};

/// "&Calculate" of a package window: `SalPackBackCalc` or `SalPackFwdCalc`, then the figures the
/// window shows. `LastTaxableIncome` in `record` ends as the annual taxable income of the last
/// trial amount (back) or of the package (forward).
///
/// A calculation that stops early returns only `CalcFailed` and `stop` (every other value 0)
/// and leaves `record` as it was:
/// - an amount of 0 in `numNetMonSalReq` (no message);
/// - back-calculation windows: the travel allowance, other fringe benefits and other expenses
///   (annual window: less the employer's and plus the employee's R/Fund amounts as the fields
///   hold them, possibly from the previous calculation) above the net salary required;
/// - back-calculation windows: no whole-rand trial amount up to kPackageAmountMaximum whose net
///   pay is above the net salary required.
/// `packageStopMessage` gives the message the window shows.
PackageResults calculatePackage(const PackageWindow& window, const PackageInputs& inputs,
                                const SetupValues& setup, TaxableIncomeRecord& record);

/// What a completed calculation writes into the window's input fields (the R/Fund amounts, the
/// medical deductions, the beneficiaries); a calculation that stopped early writes nothing.
void applyPackageResults(PackageInputs& inputs, const PackageResults& results);

/// The message of a calculation that stopped, or nothing (a completed calculation, or an amount
/// of 0, which stops silently).
std::optional<Message> packageStopMessage(PackageStop stop);

/// The working values a package window keeps from opening to closing.
struct PackageState
{
    PackageInputs inputs;
    SetupValues setup;
    PackageResults results;
};

/// A newly opened window: the stored set-up values (after the 27.5 % rule, in the windows that
/// apply it; see `applyFundPercentRule`), every other value 0.
PackageState openPackageWindow(const PackageWindow& window, const SetupValues& stored);

/// "&Calculate" on a window's state: a completed calculation replaces the results and writes
/// into the input fields; one that stops early sets `CalcFailed` and changes nothing else, so
/// the window goes on showing the previous results. Returns the message to show, if any.
std::optional<Message> calculatePackageState(const PackageWindow& window, PackageState& state,
                                             TaxableIncomeRecord& record);

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_panels.h"

#include "core/number_format.h"
#include "package/package_arithmetic.h"

#include <cmath>

namespace grovan {

namespace {

constexpr std::string_view kRAAmountFormat = "### ### ##0.00";
// The employee's R/Fund contribution that the first of the three limits starts from.
constexpr double kRALimitA = 3500.0;
constexpr double kRAIncomeShare = 0.15;

std::string amount(double value)
{
    return formatNumber(value, kRAAmountFormat);
}

bool anyFundPercent(const SetupValues& setup)
{
    return setup.PensionCont > 0.0 || setup.EmployerPenCont > 0.0 || setup.ProvCont > 0.0 ||
           setup.EmployerProvCont > 0.0;
}

// The income whose 15 % is the third limit, annual.
double raIncome(const PackageWindow& window, const PackageState& state)
{
    const PackageInputs& in = state.inputs;
    const double annual = window.period == PackagePeriod::Annual ? 1.0 : 12.0;
    const bool fromItems =
        anyFundPercent(state.setup) || window.kind == PackageWindowKind::GrovanMonthly;
    if (!fromItems) {
        return window.direction == PackageDirection::Back ? state.results.GrossSalary
                                                          : in.NetRequired * annual;
    }
    // The car's figure is a year's fringe benefit already, reckoned with the travel allowance's
    // inclusion rate.
    return OtherExpensesTotal(in) * annual + in.OtherFringeBenefits * annual +
           in.TravelAllowance * annual +
           state.setup.TAIncRate8020 * in.CarValue * carMonthlyShare(state.setup) * 12;
}

} // namespace

RALines raExplanationLines(const PackageWindow& window, const PackageState& state)
{
    const double annual = window.period == PackagePeriod::Annual ? 1.0 : 12.0;
    const double employee = state.results.EmpRFContrib * annual;
    const double a = kRALimitA - employee;
    const double income = raIncome(window, state);
    return {
        "The maximum R/A contribution allowed is the greater between A, B or C.",
        "A:  R 3 500 less employee pension contributions ",
        "B: R 1 750",
        "C: 15% of non-retirement funding income. ",
        "ie: R 3 500 - R" + amount(employee) + (a >= 0.0 ? " = R" : " = - R") +
            amount(std::fabs(a)),
        "ie: R " + amount(income) + " X 15% = R" + amount(kRAIncomeShare * income),
    };
}

PackageButtonLayout packageButtonLayout(const PackageWindow& window, const PackageResults& results)
{
    const PackageButtonRow& row =
        results.WarningShown ? window.buttonsWithWarning : window.buttonsWithoutWarning;
    return {results.WarningShown, row.buttonTopTwips, row.windowHeightTwips, !results.WarningShown};
}

bool printPanelMayOpen(const PackageResults& results)
{
    return !results.CalcFailed && !results.WarningShown;
}

std::span<const std::string_view> buttonsDisabledBy(PackagePanel panel)
{
    static constexpr std::string_view kSetup[] = {"cmdOk", "cmdRAExpl", "cmdCalculate",
                                                  "cmdSettings", "cmdPrint"};
    static constexpr std::string_view kPrint[] = {"cmdOk", "cmdCalculate", "cmdSettings",
                                                  "cmdRAExpl"};
    switch (panel) {
    case PackagePanel::Setup:
        return kSetup;
    case PackagePanel::Print:
        return kPrint;
    case PackagePanel::RAExplanation:
        break;
    }
    return {};
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_arithmetic.h"

#include "core/tax_year.h"

namespace grovan {

namespace {

// The share of the company car's value that is its fringe benefit for a month.
constexpr double kCarRateWithMaintenancePlan = 0.0325;
constexpr double kCarRateWithoutMaintenancePlan = 0.035;

} // namespace

double carMonthlyShare(const SetupValues& setup)
{
    return setup.CompCarMPYesNo ? kCarRateWithMaintenancePlan : kCarRateWithoutMaintenancePlan;
}

double carFringeBenefit(const PackageWindow& window, double carValue, const SetupValues& setup)
{
    const double monthly = carValue * carMonthlyShare(setup) * setup.CompCarFBRate8020;
    return window.period == PackagePeriod::Annual ? monthly * 12 : monthly;
}

double medicalCredit(const PackageWindow& window, std::int32_t beneficiaries)
{
    constexpr double kFirst = TaxYearConstants::MedicalCreditFirstTwo;
    constexpr double kFurther = TaxYearConstants::MedicalCreditFurther;
    // Two beneficiaries a month at the first rate: 24 beneficiary-months in a year.
    const std::int32_t atFirstRate = window.period == PackagePeriod::Annual ? 24 : 2;
    if (beneficiaries <= atFirstRate) {
        return kFirst * beneficiaries;
    }
    return kFirst * atFirstRate + kFurther * (beneficiaries - atFirstRate);
}

void taxPeriodIncome(const PackageWindow& window, double taxableIncome, double rebate,
                     PackageResults& r, TaxableIncomeRecord& record)
{
    if (window.period == PackagePeriod::Annual) {
        r.TaxableIncome = clampedAtZero(taxableIncome);
        r.TaxAfterRebate = clampedAtZero(CalcAnnualTax(r.TaxableIncome, record).Total - rebate);
        return;
    }
    r.TaxableIncome = taxableIncome;
    const double annual = clampedAtZero(12 * taxableIncome);
    r.TaxAfterRebate = clampedAtZero(CalcAnnualTax(annual, record).Total - rebate) / 12;
}

double uifLimitOfPeriod(const PackageWindow& window, const SetupValues& setup)
{
    return window.period == PackagePeriod::Annual ? setup.UIFLimit * 12 : setup.UIFLimit;
}

void reckonUif(const PackageWindow& window, const SetupValues& setup, PackageResults& r)
{
    const double limit = uifLimitOfPeriod(window, setup);
    const double base = limit >= r.UIFBase ? r.UIFBase : limit;
    r.EmpUIF = base * setup.EmployeeUIF / 100;
    r.ErUIF = base * setup.EmployerUIF / 100;
}

double fundDeductionLimit(const PackageWindow& window, double base, double contributions)
{
    const double allowed = TaxYearConstants::RetirementFundDeductionRate * base;
    const double limit = allowed >= contributions ? contributions : allowed;
    const double cap = TaxYearConstants::RetirementFundDeductionCap / periodsPerYear(window);
    return limit >= cap ? cap : limit;
}

void writeBackContributions(const SetupValues& setup, PackageResults& r)
{
    if (setup.PensionCont > 0.0) {
        r.EmpRFAmount = r.EmpRFContrib;
    }
    if (setup.EmployerPenCont > 0.0) {
        r.ErRFAmount = r.ErRFContrib;
    }
}

} // namespace grovan

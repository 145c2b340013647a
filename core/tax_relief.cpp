// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tax_relief.h"

#include "core/tax_year.h"

#include <algorithm>

namespace grovan {

double RetirementFundDeduction(double contributions, double remunerationBase, int periodsPerYear)
{
    const double limit = TaxYearConstants::RetirementFundDeductionRate * remunerationBase;
    double deduction = limit >= contributions ? contributions : limit;
    const double cap = TaxYearConstants::RetirementFundDeductionCap / periodsPerYear;
    if (deduction >= cap) {
        deduction = cap;
    }
    return deduction;
}

double MedicalSchemeFeesCredit(std::int16_t beneficiaries)
{
    if (beneficiaries <= 0) {
        return 0.0;
    }
    if (beneficiaries <= 2) {
        return beneficiaries * TaxYearConstants::MedicalCreditFirstTwo;
    }
    return 2 * TaxYearConstants::MedicalCreditFirstTwo +
           (beneficiaries - 2) * TaxYearConstants::MedicalCreditFurther;
}

bool medicalCreditsApply(double employerContribution, double employeeContribution)
{
    return employerContribution > 0.0 || employeeContribution > 0.0;
}

double AdditionalMedicalCredit(std::int16_t age, double employerContribution,
                               double employeeContribution, double feesCredit)
{
    if (age < TaxYearConstants::AdditionalMedicalCreditAge || feesCredit <= 0.0 ||
        (employerContribution == 0.0 && employeeContribution == 0.0)) {
        return 0.0;
    }
    const double credit = TaxYearConstants::AdditionalMedicalCreditRate *
                          (employerContribution + employeeContribution -
                           TaxYearConstants::AdditionalMedicalCreditMultiple * feesCredit);
    return std::max(0.0, credit);
}

double taxableTravelAllowance(double allowance, double inclusionRate)
{
    return allowance * inclusionRate;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/period_pay.h"

#include "core/pay_period.h"
#include "core/tax_relief.h"

namespace grovan {

double remunerationBase(const PeriodPay& pay, double taxableTravel)
{
    return pay.salary + pay.employerMedical + pay.commissions + pay.bonus + taxableTravel +
           pay.employerFund;
}

double uifBase(const PeriodPay& pay, double taxableTravel)
{
    return pay.salary + pay.employerMedical + pay.bonus + taxableTravel + pay.employerFund;
}

void finishPeriodResults(const PeriodPay& pay, const SetupValues& setup, double uifLimit,
                         PeriodResults& r)
{
    const double base = uifBase(pay, r.taxableTravel);
    r.employeeUif = uifContribution(base, uifLimit, setup.EmployeeUIF);
    r.employerUif = uifContribution(base, uifLimit, setup.EmployerUIF);
    r.skillsLevy = skillsLevy(base - r.fundDeduction + pay.commissions, setup.SkillLevy);
    r.additionalMedicalCredit =
        AdditionalMedicalCredit(pay.age, pay.employerMedical, pay.employeeMedical, r.medicalCredit);
    const double total = r.taxLiability - (r.medicalCredit + r.additionalMedicalCredit);
    r.totalTaxDeduction = total > 0.0 ? total : 0.0;
}

} // namespace grovan

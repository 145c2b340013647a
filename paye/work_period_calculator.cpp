// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/work_period_calculator.h"

#include "core/pay_period.h"
#include "core/rounding.h"
#include "core/tax_relief.h"

#include <cassert>

namespace grovan {

WorkPeriodInputs workPeriodDefaults(const WorkPeriod& period)
{
    WorkPeriodInputs inputs;
    inputs.normalDays = period.days;
    inputs.thisDays = period.days;
    return inputs;
}

PeriodResults calculateWorkPeriod(const WorkPeriod& period, const WorkPeriodInputs& in,
                                  const SetupValues& setup, TaxableIncomeRecord& record)
{
    assert(in.thisDays >= 1 && in.thisDays <= in.normalDays);
    const int periods = periodsPerYear(period.payPeriod);
    PeriodResults r;
    if (medicalCreditsApply(in.employerMedical, in.employeeMedical)) {
        r.medicalCredit =
            medicalCreditOfPeriod(MedicalSchemeFeesCredit(in.beneficiaries), period.payPeriod);
    }

    r.taxableTravel = taxableTravelAllowance(in.travelAllowance, setup.TAIncRate8020);
    r.fundDeduction = RetirementFundDeduction(in.employerFund + in.employeeFund,
                                              remunerationBase(in, r.taxableTravel), periods);
    const double regularIncome = in.salary + in.commissions + r.taxableTravel - r.fundDeduction +
                                 in.employerMedical + in.employerFund;
    const double annualIncome =
        annualiseWorkPeriod(regularIncome, periods, in.normalDays, in.thisDays);
    const double taxWithBonus = CalcAnnualTax(annualIncome + in.bonus, record).Total;
    const double taxWithoutBonus = CalcAnnualTax(annualIncome, record).Total;
    const double rebate = RebateForAge(in.age);
    const double tax =
        deannualiseWorkPeriod(taxWithoutBonus - rebate, periods, in.normalDays, in.thisDays) +
        (taxWithBonus - taxWithoutBonus);
    r.taxLiability = positiveOrZero(tax);

    finishPeriodResults(in, setup, uifLimitOfPeriod(setup.UIFLimit, period.payPeriod), r);
    return r;
}

} // namespace grovan

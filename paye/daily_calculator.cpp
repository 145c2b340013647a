// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/daily_calculator.h"

#include "core/pay_period.h"
#include "core/tax_relief.h"

namespace grovan {

PeriodResults calculateDaily(const DailyInputs& in, const SetupValues& setup,
                             TaxableIncomeRecord& record)
{
    const int days = periodsPerYear(PayPeriod::Daily);
    PeriodResults r;
    if (medicalCreditsApply(in.employerMedical, in.employeeMedical)) {
        r.medicalCredit =
            medicalCreditOfPeriod(MedicalSchemeFeesCredit(in.beneficiaries), PayPeriod::Daily);
    }

    const double rebate = RebateForAge(in.age);
    r.taxableTravel = taxableTravelAllowance(in.travelAllowance, setup.TAIncRate8020);
    r.fundDeduction = RetirementFundDeduction(in.employerFund + in.employeeFund,
                                              remunerationBase(in, r.taxableTravel), days);
    const double regularIncome = r.taxableTravel + in.salary + in.commissions - r.fundDeduction +
                                 in.employerMedical + in.employerFund;
    const double annualIncome = regularIncome * days;
    const double taxWithBonus = CalcAnnualTax(annualIncome + in.bonus, record).Total;
    const double taxWithoutBonus = CalcAnnualTax(annualIncome, record).Total;
    const double tax = (taxWithoutBonus - rebate) / days + (taxWithBonus - taxWithoutBonus);
    r.taxLiability = tax < 0.0 ? 0.0 : tax;

    finishPeriodResults(in, setup, uifLimitOfPeriod(setup.UIFLimit, PayPeriod::Daily), r);
    return r;
}

} // namespace grovan

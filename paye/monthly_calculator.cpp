// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/monthly_calculator.h"

#include "core/pay_period.h"
#include "core/rounding.h"
#include "core/tax_relief.h"

#include <cassert>

namespace grovan {

namespace {} // namespace

std::int32_t monthlyDaysInMonth(int month)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        // The tax year's February has 28 days, so no leap year is looked for.
        return 28;
    default:
        return 30;
    }
}

MonthlyResults calculateMonthly(const MonthlyInputs& in, const SetupValues& setup,
                                TaxableIncomeRecord& record)
{
    assert(in.startDate.month() == in.endDate.month() && in.startDate <= in.endDate);
    MonthlyResults r;
    if (medicalCreditsApply(in.employerMedical, in.employeeMedical)) {
        r.medicalCredit =
            medicalCreditOfPeriod(MedicalSchemeFeesCredit(in.beneficiaries), PayPeriod::Monthly);
    }

    const double rebate = RebateForAge(in.age);
    r.daysInMonth = monthlyDaysInMonth(in.startDate.month());
    r.taxableTravel = taxableTravelAllowance(in.travelAllowance, setup.TAIncRate8020);
    r.fundDeduction = RetirementFundDeduction(in.employerFund + in.employeeFund,
                                              remunerationBase(in, r.taxableTravel),
                                              periodsPerYear(PayPeriod::Monthly));
    r.days = in.endDate.daysSince(in.startDate) + 1;
    const double regularIncome = r.taxableTravel + in.salary + in.commissions - r.fundDeduction +
                                 in.employerMedical + in.employerFund;
    const double annualIncome = annualiseMonth(regularIncome, r.daysInMonth, r.days);
    const double taxWithBonus =
        positiveOrZero(CalcAnnualTax(annualIncome + in.bonus, record).Total - rebate);
    const double taxWithoutBonus =
        positiveOrZero(CalcAnnualTax(annualIncome, record).Total - rebate);
    const double bonusTax = taxWithBonus - taxWithoutBonus;
    r.taxLiability =
        positiveOrZero(deannualiseMonth(taxWithoutBonus, r.daysInMonth, r.days) + bonusTax);

    finishPeriodResults(in, setup, uifLimitOfPeriod(setup.UIFLimit, PayPeriod::Monthly), r);
    return r;
}

} // namespace grovan

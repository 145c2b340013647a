// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/annual_calculator.h"

#include "core/pay_period.h"
#include "core/rounding.h"
#include "core/tax_relief.h"

#include <algorithm>
#include <cassert>

namespace grovan {

namespace {

// The tax law no longer has a SITE portion: its ceiling is 0 at every age, so S ends at 0 and P
// equals T. The steps keep the ceiling so that they read as the law does.
constexpr double kSiteCeiling = 0.0;

// The medical scheme fees tax credit of the months from the start date's month to the end
// date's month in tax-year order, each at its own count; the months outside are set to 0.
double creditOfPeriodMonths(MonthlyCounts& counts, CalendarDate start, CalendarDate end)
{
    const int first = taxYearPosition(start.month());
    const int last = taxYearPosition(end.month());
    double credit = 0.0;
    for (int position = 0; position < 12; ++position) {
        const int month = kTaxYearMonths[static_cast<std::size_t>(position)];
        if (position >= first && position <= last) {
            credit += MedicalSchemeFeesCredit(counts[month]);
        } else {
            counts[month] = 0;
        }
    }
    return credit;
}

} // namespace

AnnualResults calculateAnnual(const AnnualInputs& in, const SetupValues& setup,
                              TaxableIncomeRecord& record)
{
    assert(in.startDate <= in.endDate);
    AnnualResults r;
    r.days = in.endDate.daysSince(in.startDate) + 1;
    r.beneficiaries = in.beneficiaries;
    if (medicalCreditsApply(in.employerMedical, in.employeeMedical)) {
        r.medicalCredit = creditOfPeriodMonths(r.beneficiaries, in.startDate, in.endDate);
    }

    const double rebate = RebateForAge(in.age);
    const double taxableTravel = taxableTravelAllowance(in.travelAllowance, setup.TAIncRate8020);
    const double remunerationBase = in.salary + in.employerMedical + in.commissions + in.bonus +
                                    taxableTravel + in.employerFund;
    r.fundDeduction = RetirementFundDeduction(in.employerFund + in.employeeFund, remunerationBase,
                                              periodsPerYear(PayPeriod::Annual));
    const double deduction = r.fundDeduction;

    double site = 0.0;
    double taxWithoutBonus = 0.0;
    double bonusTax = 0.0;
    if (in.travelAllowance + in.commissions > 0.0) {
        const double regularIncome =
            annualiseDays(in.salary - deduction + in.employerMedical + in.employerFund, r.days);
        const double regularTax =
            positiveOrZero(CalcAnnualTax(regularIncome, record).Total - rebate);
        site = regularTax >= kSiteCeiling ? kSiteCeiling : regularTax;
        const double fullIncome =
            annualiseDays(taxableTravel + in.salary + in.commissions - deduction +
                              in.employerMedical + in.employerFund,
                          r.days);
        const double taxWithBonus = positiveOrZero(
            roundedDown(CalcAnnualTax(fullIncome + in.bonus, record).Total - rebate));
        taxWithoutBonus =
            positiveOrZero(roundedDown(CalcAnnualTax(fullIncome, record).Total - rebate));
        bonusTax = taxWithBonus - taxWithoutBonus;
        if (bonusTax + site >= kSiteCeiling) {
            site = kSiteCeiling;
        }
    } else {
        const double income =
            annualiseDays(in.salary - deduction + in.employerMedical + in.employerFund, r.days);
        const double taxWithBonus =
            positiveOrZero(CalcAnnualTax(income + in.bonus, record).Total - rebate);
        taxWithoutBonus = positiveOrZero(CalcAnnualTax(income, record).Total - rebate);
        bonusTax = taxWithBonus - taxWithoutBonus;
        site = bonusTax + taxWithoutBonus >= kSiteCeiling ? kSiteCeiling : taxWithoutBonus;
    }

    // The tax on the bonus is added in full to the tax and to the PAYE portion, whatever the
    // period's length, so P stays equal to T - S.
    r.taxLiability = positiveOrZero(deannualiseDays(taxWithoutBonus, r.days) + bonusTax);
    r.payePortion = positiveOrZero(deannualiseDays(taxWithoutBonus - site, r.days) + bonusTax);
    r.site = positiveOrZero(deannualiseDays(site, r.days));

    r.additionalMedicalCredit =
        AdditionalMedicalCredit(in.age, in.employerMedical, in.employeeMedical, r.medicalCredit);
    const double credits = r.medicalCredit + r.additionalMedicalCredit;
    r.totalTaxDeduction = positiveOrZero(r.taxLiability - credits);
    r.paye = positiveOrZero(r.payePortion - credits);
    return r;
}

void applyCalculatedCounts(AnnualInputs& inputs, const AnnualResults& results)
{
    inputs.beneficiaries = results.beneficiaries;
}

} // namespace grovan

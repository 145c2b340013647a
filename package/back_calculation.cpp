// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/back_calculation.h"

#include "core/tax_year.h"
#include "package/package_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace grovan {

namespace {

// The bounds within which the rise of the net pay shows in double precision (see NetPayShape).
constexpr double kLeastRisePerRand = 0.001;
constexpr double kLargestExactAmount = 1e9;
constexpr double kLargestExactPercent = 100.0;

bool withinExactRange(std::initializer_list<double> values, double largest)
{
    return std::all_of(values.begin(), values.end(),
                       [largest](double v) { return std::isfinite(v) && std::fabs(v) <= largest; });
}

double topMarginalRate()
{
    double top = 0.0;
    for (const TaxBand& band : IncomeTaxTable) {
        top = std::max(top, band.ratePercent / 100.0);
    }
    return top;
}

// The first trial amount in [from, to] whose pass is `above` the net required, trying each in
// turn.
template <typename Above>
std::optional<std::int64_t> firstByStepping(std::int64_t from, std::int64_t to, Above& above)
{
    for (std::int64_t trial = from; trial <= to; ++trial) {
        if (above(trial)) {
            return trial;
        }
    }
    return std::nullopt;
}

// The first trial amount in (below, to] whose pass is `above` the net required, where the passes
// rise over that range and `below` is not above (or is 0, before the first trial amount).
template <typename Above>
std::optional<std::int64_t> firstByBisection(std::int64_t below, std::int64_t to, Above& above)
{
    if (below >= to || !above(to)) {
        return std::nullopt;
    }
    std::int64_t enough = to;
    while (enough - below > 1) {
        const std::int64_t middle = below + (enough - below) / 2;
        if (above(middle)) {
            enough = middle;
        } else {
            below = middle;
        }
    }
    return enough;
}

} // namespace

bool fringeBenefitsExceedNet(const PackageWindow& window, const PackageInputs& in)
{
    double benefits = in.TravelAllowance + in.OtherFringeBenefits + OtherExpensesTotal(in);
    if (window.period == PackagePeriod::Annual) {
        benefits = benefits - in.ErRFAmount + in.EmpRFAmount;
    }
    return benefits > in.NetRequired;
}

void prepareCredits(const PackageWindow& window, const PackageInputs& in, const SetupValues& setup,
                    PackageResults& r)
{
    r.EmpRFAmount = in.EmpRFAmount;
    r.ErRFAmount = in.ErRFAmount;
    r.MedDeduction = window.offersMedicalDeduction ? in.MedDeduction : 0.0;
    r.Beneficiaries = in.Beneficiaries;
    r.AddMedCredit = 0.0;

    r.CarFringeBenefit = carFringeBenefit(window, in.CarValue, setup);
    r.Rebate = RebateForAge(in.Age);
    if (in.Age < TaxYearConstants::SecondaryRebateAge) {
        r.MedDeduction = 0.0;
    }
    const bool contributions = in.ErMedContrib > 0.0 || in.EmpMedContrib > 0.0;
    if (contributions) {
        r.MedCredit = medicalCredit(window, r.Beneficiaries);
    } else {
        r.Beneficiaries = 0;
        r.MedCredit = 0.0;
    }
    if (r.MedCredit > 0.0 && contributions &&
        in.Age >= TaxYearConstants::AdditionalMedicalCreditAge) {
        const double credit = TaxYearConstants::AdditionalMedicalCreditRate *
                              (in.ErMedContrib + in.EmpMedContrib -
                               TaxYearConstants::AdditionalMedicalCreditMultiple * r.MedCredit);
        r.AddMedCredit = clampedAtZero(credit);
    }
}

void runSearchPass(const PackageWindow& window, const PackageInputs& in, const SetupValues& setup,
                   double trialAmount, PackageResults& r, TaxableIncomeRecord& record)
{
    const double C = r.MedCredit + r.AddMedCredit;
    r.TrialAmount = trialAmount;
    const double fundBase = trialAmount + in.EmpMedContrib + in.ErMedContrib - C;
    if (setup.PensionCont > 0.0) {
        r.EmpRFAmount = 0.0;
        r.EmpRFContrib = setup.PensionCont * fundBase / 100;
    } else {
        r.EmpRFContrib = r.EmpRFAmount;
    }
    if (setup.EmployerPenCont > 0.0) {
        r.ErRFAmount = 0.0;
        r.ErRFContrib = setup.EmployerPenCont * fundBase / 100;
    } else {
        r.ErRFContrib = r.ErRFAmount;
    }

    const double taxableTravel = in.TravelAllowance * setup.TAIncRate8020;
    const double otherExpenses = OtherExpensesTotal(in);
    const double taxable = r.CarFringeBenefit + trialAmount + taxableTravel +
                           in.OtherFringeBenefits + otherExpenses - r.EmpRFContrib -
                           r.MedDeduction + in.EmpMedContrib - C + in.ErMedContrib;
    taxPeriodIncome(window, taxable, r.Rebate, r, record);

    r.UIFBase = r.CarFringeBenefit + trialAmount + taxableTravel + in.OtherFringeBenefits +
                otherExpenses + in.ErMedContrib + r.ErRFContrib - C;
    reckonUif(window, setup, r);
    r.SkillsLevy = (r.UIFBase - (r.EmpRFContrib + r.ErRFContrib)) * setup.SkillLevy / 100;

    const double tax = C < r.TaxAfterRebate ? r.TaxAfterRebate : C;
    r.NetPay = trialAmount + in.TravelAllowance - r.EmpRFContrib - r.MedDeduction - r.EmpUIF - tax;
}

void finishBackCalculation(const PackageWindow& window, const PackageInputs& in,
                           const SetupValues& setup, PackageResults& r)
{
    const double base = r.TrialAmount + in.ErMedContrib + in.EmpMedContrib +
                        in.TravelAllowance * setup.TAIncRate8020 + r.ErRFContrib;
    r.RFDeductionLimit = fundDeductionLimit(window, base, r.EmpRFContrib + r.ErRFContrib);
    writeBackContributions(setup, r);
    r.CalcFailed = false;
}

NetPayShape netPayShape(const PackageWindow& window, const PackageInputs& in,
                        const SetupValues& setup)
{
    const bool exact =
        withinExactRange({in.NetRequired, in.CarValue, in.TravelAllowance, in.EmpMedContrib,
                          in.ErMedContrib, in.OtherFringeBenefits, in.MedDeduction,
                          in.OtherExpenses[0], in.OtherExpenses[1], in.OtherExpenses[2],
                          in.OtherExpenses[3], in.EmpRFAmount, in.ErRFAmount,
                          uifLimitOfPeriod(window, setup),
                          TaxYearConstants::MedicalCreditFirstTwo * in.Beneficiaries},
                         kLargestExactAmount) &&
        withinExactRange({setup.PensionCont, setup.EmployerPenCont, setup.EmployeeUIF,
                          setup.EmployerUIF, setup.SkillLevy},
                         kLargestExactPercent) &&
        withinExactRange({setup.TAIncRate8020, setup.CompCarFBRate8020}, 1.0);
    if (!exact) {
        return NetPayShape::Unknown;
    }
    const double employee = setup.PensionCont > 0.0 ? setup.PensionCont / 100 : 0.0;
    const double employer = setup.EmployerPenCont > 0.0 ? setup.EmployerPenCont / 100 : 0.0;
    const double uif = setup.EmployeeUIF > 0.0 ? setup.EmployeeUIF / 100 : 0.0;
    const double taxable = 1.0 - employee;
    const double beyondTheLimit = taxable * (1.0 - topMarginalRate());
    if (taxable <= 0.0 || beyondTheLimit < kLeastRisePerRand) {
        return NetPayShape::Unknown;
    }
    if (beyondTheLimit - uif * (1.0 + employer) >= kLeastRisePerRand) {
        return NetPayShape::Rising;
    }
    return NetPayShape::RisingBeyondTheUifLimit;
}

bool searchTrialAmount(const PackageWindow& window, const PackageInputs& in,
                       const SetupValues& setup, PackageResults& r, TaxableIncomeRecord& record,
                       std::int64_t limit)
{
    // Trial passes run on a copy, so that a search without an answer leaves the results and the
    // record as they were; only the answer's pass is run on the real ones.
    PackageResults pass = r;
    TaxableIncomeRecord passRecord;
    std::int64_t passes = 0;
    const auto above = [&](std::int64_t trial) {
        ++passes;
        runSearchPass(window, in, setup, static_cast<double>(trial), pass, passRecord);
        return pass.NetPay > in.NetRequired;
    };

    std::optional<std::int64_t> answer;
    const NetPayShape shape = netPayShape(window, in, setup);
    if (shape == NetPayShape::Unknown) {
        answer = firstByStepping(1, limit, above);
    } else {
        std::int64_t below = 0;
        if (shape == NetPayShape::RisingBeyondTheUifLimit) {
            // Within the UIF limit the net pay may fall: try each rand until the base passes the
            // limit (the base rises by at least a rand a rand, so it stays beyond it).
            const double uifLimit = uifLimitOfPeriod(window, setup);
            for (std::int64_t trial = 1; trial <= limit; ++trial) {
                if (above(trial)) {
                    answer = trial;
                    break;
                }
                below = trial;
                if (pass.UIFBase > uifLimit) {
                    break;
                }
            }
        }
        if (!answer) {
            answer = firstByBisection(below, limit, above);
        }
    }

    // Confirm the boundary: the pass before the answer is short of the net required and the
    // answer's own, run last and on the real results, is enough.
    const PackageResults before = r;
    const TaxableIncomeRecord recordBefore = record;
    const auto confirmed = [&](std::int64_t trial) {
        if (trial > 1 && above(trial - 1)) {
            return false;
        }
        ++passes;
        runSearchPass(window, in, setup, static_cast<double>(trial), r, record);
        return r.NetPay > in.NetRequired;
    };
    if (answer && !confirmed(*answer)) {
        // Not expected where the net pay rises; the answer by definition is then the stepping's.
        answer = firstByStepping(1, limit, above);
        if (answer) {
            ++passes;
            runSearchPass(window, in, setup, static_cast<double>(*answer), r, record);
        }
    }
    if (!answer) {
        r = before;
        record = recordBefore;
    }
    r.TaxEvaluations += passes;
    return answer.has_value();
}

} // namespace grovan

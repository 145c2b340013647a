// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_calculator.h"

#include "core/number_format.h"
#include "package/back_calculation.h"
#include "package/package_arithmetic.h"
#include "package/package_setup.h"

namespace grovan {

namespace {

PackageResults stopped(PackageStop stop, std::int64_t taxEvaluations = 0)
{
    PackageResults r;
    r.CalcFailed = true;
    r.stop = stop;
    r.TaxEvaluations = taxEvaluations;
    return r;
}

// `SalPackBackCalc`: false, with `r.stop` set, when it stops early.
bool SalPackBackCalc(const PackageWindow& window, const PackageInputs& in, const SetupValues& setup,
                     PackageResults& r, TaxableIncomeRecord& record)
{
    if (in.NetRequired == 0.0) {
        r.stop = PackageStop::NoAmount;
        return false;
    }
    if (fringeBenefitsExceedNet(window, in)) {
        r.stop = PackageStop::FringeBenefits;
        return false;
    }
    prepareCredits(window, in, setup, r);
    r.TrialAmount = 0.0;
    if (!searchTrialAmount(window, in, setup, r, record)) {
        r.stop = PackageStop::NoTrialAmount;
        return false;
    }
    finishBackCalculation(window, in, setup, r);
    return true;
}

// `SalPackFwdCalc`: false, with `r.stop` set, when it stops early.
bool SalPackFwdCalc(const PackageWindow& window, const PackageInputs& in, const SetupValues& setup,
                    PackageResults& r, TaxableIncomeRecord& record)
{
    const double PackageAmount = in.NetRequired;
    if (PackageAmount == 0.0) {
        r.stop = PackageStop::NoAmount;
        return false;
    }
    prepareCredits(window, in, setup, r);

    if (setup.PensionCont > 0.0) {
        r.EmpRFAmount = 0.0;
        r.EmpRFContrib = PackageAmount * setup.PensionCont / 100;
    } else {
        r.EmpRFContrib = r.EmpRFAmount;
    }
    if (setup.EmployerPenCont > 0.0) {
        r.ErRFAmount = 0.0;
        r.ErRFContrib = PackageAmount * setup.EmployerPenCont / 100;
    } else {
        r.ErRFContrib = r.ErRFAmount;
    }
    // Unlike the back-calculation's, this base leaves out the employee's medical contribution.
    const double taxableTravel = in.TravelAllowance * setup.TAIncRate8020;
    r.RFDeductionLimit =
        fundDeductionLimit(window, PackageAmount + in.ErMedContrib + taxableTravel + r.ErRFContrib,
                           r.EmpRFContrib + r.ErRFContrib);

    // The package already holds the other fringe benefits, the other expenses and the medical
    // amounts: only the travel allowance's inclusion and the car benefit change the income.
    const double taxable = PackageAmount - in.TravelAllowance + taxableTravel + r.CarFringeBenefit -
                           r.RFDeductionLimit;
    ++r.TaxEvaluations;
    taxPeriodIncome(window, taxable, r.Rebate, r, record);
    r.UIFBase = PackageAmount - in.TravelAllowance + taxableTravel + r.CarFringeBenefit;
    writeBackContributions(setup, r);
    reckonUif(window, setup, r);
    // The forward windows levy on the base less the deduction limit, not less the contributions.
    r.SkillsLevy = (r.UIFBase - r.RFDeductionLimit) * setup.SkillLevy / 100;
    return true;
}

} // namespace

double OtherExpensesTotal(const PackageInputs& in)
{
    return in.OtherExpenses[0] + in.OtherExpenses[1] + in.OtherExpenses[2] + in.OtherExpenses[3];
}

PackageResults calculatePackage(const PackageWindow& window, const PackageInputs& in,
                                const SetupValues& setup, TaxableIncomeRecord& record)
{
    PackageResults r;
    const bool done = window.direction == PackageDirection::Back
                          ? SalPackBackCalc(window, in, setup, r, record)
                          : SalPackFwdCalc(window, in, setup, r, record);
    if (!done) {
        return stopped(r.stop, r.TaxEvaluations);
    }

    const double C = r.MedCredit + r.AddMedCredit;
    r.TaxCredit = C;
    r.TaxDeduction = r.TaxAfterRebate - C > 0.0 ? r.TaxAfterRebate - C : 0.0;
    if (window.direction == PackageDirection::Back) {
        // The travel allowance is part of the net salary required, so it is not added.
        r.GrossSalary = r.MedDeduction + in.NetRequired + r.EmpUIF + r.TaxDeduction +
                        OtherExpensesTotal(in) + r.EmpRFAmount + in.EmpMedContrib;
        r.TotalCostToCompany = r.GrossSalary + in.ErMedContrib + r.ErUIF + r.SkillsLevy +
                               in.CarCostToCompany + r.ErRFAmount;
    } else {
        r.GrossSalary = in.NetRequired - in.EmpMedContrib - in.OtherFringeBenefits - r.EmpRFAmount -
                        r.MedDeduction - r.EmpUIF - r.TaxDeduction - in.ErMedContrib - r.ErRFAmount;
        // The annual forward window leaves the other expenses out of the take-home pay.
        if (window.period == PackagePeriod::Monthly) {
            r.GrossSalary -= OtherExpensesTotal(in);
        }
        r.TotalCostToCompany =
            in.NetRequired + r.ErRFAmount + r.ErUIF + r.SkillsLevy + in.CarCostToCompany;
    }
    if (in.CarValue > 0.0 && in.CarCostToCompany == 0.0) {
        r.OnceOffShown = true;
        r.OnceOff = in.CarValue;
    }
    r.WarningShown = r.EmpRFContrib + r.ErRFContrib > r.RFDeductionLimit;
    if (window.hasCostToCompanyPackage) {
        r.PackageAmountCC = in.NetRequired;
    }
    r.TravelAllowanceCC = in.TravelAllowance;
    r.OtherFringeBenefitsCC = in.OtherFringeBenefits;
    return r;
}

void applyPackageResults(PackageInputs& inputs, const PackageResults& results)
{
    if (results.CalcFailed) {
        return;
    }
    inputs.EmpRFAmount = results.EmpRFAmount;
    inputs.ErRFAmount = results.ErRFAmount;
    inputs.MedDeduction = results.MedDeduction;
    inputs.Beneficiaries = results.Beneficiaries;
}

std::optional<Message> packageStopMessage(PackageStop stop)
{
    switch (stop) {
    case PackageStop::FringeBenefits:
        return Message{"Fringe benefits more than salary required!"};
    case PackageStop::NoTrialAmount:
        return Message{"The net salary required cannot be reached: no gross salary up to R " +
                           formatNumber(kTrialAmountLimit, "### ### ##0") +
                           " leaves that much after tax, UIF and R/Fund contributions. Check the "
                           "percentages under Settings and the amounts entered.",
                       kProgramTitle, MessageIcon::Warning};
    case PackageStop::None:
    case PackageStop::NoAmount:
        break;
    }
    return std::nullopt;
}

PackageState openPackageWindow(const PackageWindow& window, const SetupValues& stored)
{
    PackageState state;
    state.setup = stored;
    applyFundPercentRule(window, state.setup);
    return state;
}

std::optional<Message> calculatePackageState(const PackageWindow& window, PackageState& state,
                                             TaxableIncomeRecord& record)
{
    const PackageResults next = calculatePackage(window, state.inputs, state.setup, record);
    if (next.CalcFailed) {
        state.results.CalcFailed = true;
        state.results.stop = next.stop;
    } else {
        state.results = next;
        applyPackageResults(state.inputs, next);
    }
    return packageStopMessage(next.stop);
}

} // namespace grovan

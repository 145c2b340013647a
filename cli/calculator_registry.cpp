#include "cli/calculator_registry.h"

#include "cli/typed_calculator.h"
#include "core/setup_fields.h"
#include "package/quick_tax_fields.h"
#include "package/quick_tax_printout.h"
#include "paye/annual_fields.h"
#include "paye/annual_printout.h"
#include "paye/annual_validation.h"
#include "paye/daily_fields.h"
#include "paye/daily_printout.h"
#include "paye/monthly_fields.h"
#include "paye/monthly_printout.h"
#include "paye/monthly_validation.h"
#include "paye/work_period_fields.h"
#include "paye/work_period_printout.h"
#include "paye/work_period_validation.h"

namespace grovan::cli {

namespace {

std::unique_ptr<CalculatorAdapter> annualCalculator()
{
    return std::make_unique<TypedCalculator<AnnualInputs, AnnualResults>>(
        CalculatorDefinition<AnnualInputs, AnnualResults>{
            .name = "annual",
            .title = "Annual tax calculator (PAYE for a tax year or part of one)",
            .inputs = annualInputBindings(),
            .setup = periodicSetupBindings(),
            .results = annualResultBindings(),
            .refusalMessage = annualRefusalMessage,
            .validate = validateAnnualInputs,
            .calculate = calculateAnnual,
            .afterCalculation = applyCalculatedCounts,
            .printTable = kAnnualPrintTable,
            .printRow = annualPrintRow,
            .printTemplate = kAnnualReportTemplate,
        });
}

std::unique_ptr<CalculatorAdapter> monthlyCalculator()
{
    return std::make_unique<TypedCalculator<MonthlyInputs, MonthlyResults>>(
        CalculatorDefinition<MonthlyInputs, MonthlyResults>{
            .name = "monthly",
            .title = "Monthly tax calculator (PAYE, UIF and SDL for a month or part of one)",
            .inputs = monthlyInputBindings(),
            .setup = periodicSetupBindings(),
            .results = monthlyResultBindings(),
            .refusalMessage = monthlyRefusalMessage,
            .validate = validateMonthlyInputs,
            .calculate = calculateMonthly,
            .printTable = kMonthlyPrintTable,
            .printRow = monthlyPrintRow,
            .printTemplate = kMonthlyReportTemplate,
        });
}

std::unique_ptr<CalculatorAdapter> workPeriodCalculator(WorkPeriodKind kind, std::string_view name,
                                                        std::string_view title)
{
    const WorkPeriod& period = workPeriod(kind);
    return std::make_unique<TypedCalculator<WorkPeriodInputs, PeriodResults>>(
        CalculatorDefinition<WorkPeriodInputs, PeriodResults>{
            .name = name,
            .title = title,
            .inputs = workPeriodInputBindings(period),
            .setup = periodicSetupBindings(),
            .results = workPeriodResultBindings(),
            .validate =
                [&period](const WorkPeriodInputs& in) {
                    return validateWorkPeriodInputs(period, in);
                },
            .calculate =
                [&period](const WorkPeriodInputs& in, const SetupValues& setup,
                          TaxableIncomeRecord& record) {
                    return calculateWorkPeriod(period, in, setup, record);
                },
            .defaults = [&period] { return workPeriodDefaults(period); },
            .printTable = kWorkPeriodPrintTable,
            .printRow =
                [&period](const WorkPeriodInputs& in, const PeriodResults& last,
                          PrintLanguage language) {
                    return workPeriodPrintRow(period, in, last, language);
                },
            .printTemplate = period.reportTemplate,
        });
}

std::unique_ptr<CalculatorAdapter> dailyCalculator()
{
    return std::make_unique<TypedCalculator<DailyInputs, PeriodResults>>(
        CalculatorDefinition<DailyInputs, PeriodResults>{
            .name = "daily",
            .title = "Daily tax calculator (PAYE, UIF and SDL for one day of 260 working days)",
            .inputs = dailyInputBindings(),
            .setup = periodicSetupBindings(),
            .results = dailyResultBindings(),
            .calculate = calculateDaily,
            .printTable = kDailyPrintTable,
            .printRow = dailyPrintRow,
            .printTemplate = kDailyReportTemplate,
        });
}

// The quick tax calculator's summary is both its inputs (income and age) and its results.
std::unique_ptr<CalculatorAdapter> quickTaxCalculator()
{
    return std::make_unique<TypedCalculator<TaxSummary, TaxSummary>>(
        CalculatorDefinition<TaxSummary, TaxSummary>{
            .name = "quicktax",
            .title = "Quick tax calculator (how the tax on an annual taxable income is made up)",
            .inputs = quickTaxInputBindings(),
            .results = quickTaxResultBindings(),
            .calculate =
                [](const TaxSummary& in, const SetupValues&, TaxableIncomeRecord& record) {
                    TaxSummary summary = in;
                    NEWCALC(summary, record);
                    return summary;
                },
            .printTable = kQuickTaxPrintTable,
            .printRow = [](const TaxSummary&, const TaxSummary& last,
                           PrintLanguage) { return rapellPrintRow(last); },
            .printTemplate = kQuickTaxReportTemplate,
        });
}

} // namespace

const CalculatorRegistry& CalculatorRegistry::standard()
{
    static const CalculatorRegistry registry = [] {
        CalculatorRegistry calculators;
        calculators.add(annualCalculator());
        calculators.add(monthlyCalculator());
        calculators.add(workPeriodCalculator(
            WorkPeriodKind::Fortnightly, "fortnightly",
            "Fortnightly tax calculator (PAYE, UIF and SDL for a fortnight or part of one)"));
        calculators.add(workPeriodCalculator(
            WorkPeriodKind::Weekly, "weekly",
            "Weekly tax calculator (PAYE, UIF and SDL for a work week or part of one)"));
        calculators.add(dailyCalculator());
        calculators.add(quickTaxCalculator());
        return calculators;
    }();
    return registry;
}

void CalculatorRegistry::add(std::unique_ptr<CalculatorAdapter> calculator)
{
    m_calculators.push_back(std::move(calculator));
}

const CalculatorAdapter* CalculatorRegistry::find(std::string_view name) const
{
    for (const auto& calculator : m_calculators) {
        if (calculator->name() == name) {
            return calculator.get();
        }
    }
    return nullptr;
}

std::vector<std::string> CalculatorRegistry::names() const
{
    std::vector<std::string> names;
    for (const auto& calculator : m_calculators) {
        names.emplace_back(calculator->name());
    }
    return names;
}

} // namespace grovan::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/paye_calculators.h"

#include "core/calculator_catalogue.h"
#include "core/setup_fields.h"
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

namespace grovan {

const CalculatorDefinition<AnnualInputs, AnnualResults>& annualCalculator()
{
    static const CalculatorDefinition<AnnualInputs, AnnualResults> definition{
        .name = "annual",
        .title = "Annual tax calculator (PAYE for a tax year or part of one)",
        .windowName = "frmAnnual",
        .inputs = annualInputBindings(),
        .setup = periodicSetupBindings(),
        .results = annualResultBindings(),
        .refusalMessage = annualRefusalMessage,
        .validate = validateAnnualInputs,
        .calculate = calculateAnnual,
        .afterCalculation = applyCalculatedCounts,
        .printout =
            [](const AnnualInputs& in, const AnnualResults& last, PrintLanguage language) {
                return singleRowPrintout(kAnnualPrintTable, annualPrintRow(in, last, language),
                                         kAnnualReportTemplate, kAnnualPreviewTitle);
            },
        .printTemplates = {kAnnualReportTemplate},
        .printTables = [] { return std::vector<TableSchema>{annualPrintTable()}; },
    };
    return definition;
}

const CalculatorDefinition<MonthlyInputs, MonthlyResults>& monthlyCalculator()
{
    static const CalculatorDefinition<MonthlyInputs, MonthlyResults> definition{
        .name = "monthly",
        .title = "Monthly tax calculator (PAYE, UIF and SDL for a month or part of one)",
        .windowName = "frmMonthly",
        .inputs = monthlyInputBindings(),
        .setup = periodicSetupBindings(),
        .results = monthlyResultBindings(),
        .refusalMessage = monthlyRefusalMessage,
        .validate = validateMonthlyInputs,
        .calculate = calculateMonthly,
        .printout =
            [](const MonthlyInputs& in, const MonthlyResults& last, PrintLanguage language) {
                return singleRowPrintout(kMonthlyPrintTable, monthlyPrintRow(in, last, language),
                                         kMonthlyReportTemplate, kMonthlyPreviewTitle);
            },
        .printTemplates = {kMonthlyReportTemplate},
        .printTables = [] { return std::vector<TableSchema>{monthlyPrintTable()}; },
    };
    return definition;
}

namespace {

CalculatorDefinition<WorkPeriodInputs, PeriodResults>
defineWorkPeriod(const WorkPeriod& period, std::string_view name, std::string_view title)
{
    return {
        .name = name,
        .title = title,
        .windowName = period.windowName,
        .inputs = workPeriodInputBindings(period),
        .setup = periodicSetupBindings(),
        .results = workPeriodResultBindings(),
        .refusalMessage =
            [&period](const FieldDescription& field, std::optional<double> rejected,
                      const WorkPeriodInputs&) {
                return workPeriodRefusalMessage(period, field, rejected);
            },
        .validate =
            [&period](const WorkPeriodInputs& in) { return validateWorkPeriodInputs(period, in); },
        .calculate =
            [&period](const WorkPeriodInputs& in, const SetupValues& setup,
                      TaxableIncomeRecord& record) {
                return calculateWorkPeriod(period, in, setup, record);
            },
        .defaults = [&period] { return workPeriodDefaults(period); },
        .printout =
            [&period](const WorkPeriodInputs& in, const PeriodResults& last,
                      PrintLanguage language) {
                return singleRowPrintout(kWorkPeriodPrintTable,
                                         workPeriodPrintRow(period, in, last, language),
                                         period.reportTemplate, period.previewTitle);
            },
        .printTemplates = {period.reportTemplate},
        .printTables = [] { return std::vector<TableSchema>{workPeriodPrintTable()}; },
        // "&Initialise All" leaves the fortnightly window open with its contents.
        .closedByInitialiseAll = period.kind != WorkPeriodKind::Fortnightly,
    };
}

} // namespace

const CalculatorDefinition<WorkPeriodInputs, PeriodResults>&
workPeriodCalculator(WorkPeriodKind kind)
{
    static const CalculatorDefinition<WorkPeriodInputs, PeriodResults> fortnightly =
        defineWorkPeriod(
            workPeriod(WorkPeriodKind::Fortnightly), "fortnightly",
            "Fortnightly tax calculator (PAYE, UIF and SDL for a fortnight or part of one)");
    static const CalculatorDefinition<WorkPeriodInputs, PeriodResults> weekly = defineWorkPeriod(
        workPeriod(WorkPeriodKind::Weekly), "weekly",
        "Weekly tax calculator (PAYE, UIF and SDL for a work week or part of one)");
    return kind == WorkPeriodKind::Fortnightly ? fortnightly : weekly;
}

const CalculatorDefinition<DailyInputs, PeriodResults>& dailyCalculator()
{
    static const CalculatorDefinition<DailyInputs, PeriodResults> definition{
        .name = "daily",
        .title = "Daily tax calculator (PAYE, UIF and SDL for one day of 260 working days)",
        .windowName = "frmDaily",
        .inputs = dailyInputBindings(),
        .setup = periodicSetupBindings(),
        .results = dailyResultBindings(),
        .calculate = calculateDaily,
        .printout =
            [](const DailyInputs& in, const PeriodResults& last, PrintLanguage language) {
                return singleRowPrintout(kDailyPrintTable, dailyPrintRow(in, last, language),
                                         kDailyReportTemplate, kDailyPreviewTitle);
            },
        .printTemplates = {kDailyReportTemplate},
        .printTables = [] { return std::vector<TableSchema>{dailyPrintTable()}; },
    };
    return definition;
}

void addPayeCalculators(CalculatorCatalogue& catalogue)
{
    catalogue.add(annualCalculator());
    catalogue.add(monthlyCalculator());
    catalogue.add(workPeriodCalculator(WorkPeriodKind::Fortnightly));
    catalogue.add(workPeriodCalculator(WorkPeriodKind::Weekly));
    catalogue.add(dailyCalculator());
}

} // namespace grovan

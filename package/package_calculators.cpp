// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_calculators.h"

#include "core/calculator_catalogue.h"
#include "package/package_fields.h"
#include "package/package_panels.h"
#include "package/package_printout.h"
#include "package/package_setup.h"
#include "package/package_validation.h"
#include "package/quick_tax_fields.h"
#include "package/quick_tax_printout.h"

namespace grovan {

namespace {

// The command line's words for an amount of 0, which the window passes over in silence.
std::string nothingToCalculate(const PackageWindow& window)
{
    return window.direction == PackageDirection::Back
               ? "nothing to calculate: the net salary required is 0"
               : "nothing to calculate: the total package amount is 0";
}

CalculatorDefinition<PackageInputs, PackageResults>
definePackage(const PackageWindow& window, std::string_view name, std::string_view title)
{
    return {
        .name = name,
        .title = title,
        .windowName = window.windowName,
        .inputs = packageInputBindings(window),
        .setup = packageSetupBindings(window),
        .results = packageResultBindings(window),
        .validate =
            [&window](const PackageInputs& in) { return validatePackageInputs(window, in); },
        .calculate =
            [&window](const PackageInputs& in, const SetupValues& setup,
                      TaxableIncomeRecord& record) {
                return calculatePackage(window, in, setup, record);
            },
        .checkOutcome = [&window](const PackageInputs&,
                                  const PackageResults& r) -> std::optional<FieldProblem> {
            if (!r.CalcFailed) {
                return std::nullopt;
            }
            if (auto message = packageStopMessage(r.stop)) {
                return FieldProblem{nullptr, *message};
            }
            return FieldProblem{&window.netField, Message{nothingToCalculate(window)}, true};
        },
        // The back-calculation windows keep the R/Fund percentages within the 27.5 % rule from
        // the moment they open: a forward window may have stored more.
        .prepareSetup = [&window](SetupValues& setup) { applyFundPercentRule(window, setup); },
        .afterCalculation = applyPackageResults,
        .printout =
            [&window](const PackageInputs& in, const PackageResults& last, PrintLanguage) {
                return singleRowPrintout(kPackagePrintTable, salPackagePrintRow(window, in, last),
                                         window.reportTemplate, window.previewTitle);
            },
        // A package whose R/Fund contributions exceed the allowable deduction is not printed.
        .printRefusal = [](const PackageInputs&,
                           const PackageResults& last) -> std::optional<Message> {
            if (printPanelMayOpen(last)) {
                return std::nullopt;
            }
            return Message{std::string(kFundWarning)};
        },
        .printTemplates = {window.reportTemplate},
        .printLanguages = PrintLanguages::EnglishOnly,
        .printTables = [] { return std::vector<TableSchema>{salPackagePrintTable()}; },
    };
}

} // namespace

const CalculatorDefinition<PackageInputs, PackageResults>& packageCalculator(PackageWindowKind kind)
{
    static const CalculatorDefinition<PackageInputs, PackageResults> grovanAnnual =
        definePackage(packageWindow(PackageWindowKind::GrovanAnnual), "grossup-annual",
                      "Salary package, annual: the gross salary and cost to company of a net "
                      "annual salary required");
    static const CalculatorDefinition<PackageInputs, PackageResults> grovanMonthly =
        definePackage(packageWindow(PackageWindowKind::GrovanMonthly), "grossup-monthly",
                      "Salary package, monthly: the gross salary and cost to company of a net "
                      "monthly salary required");
    static const CalculatorDefinition<PackageInputs, PackageResults> velmoraAnnual =
        definePackage(packageWindow(PackageWindowKind::VelmoraAnnual), "takehome-annual",
                      "Salary package, annual: the take-home pay and cost to company of a total "
                      "annual package");
    static const CalculatorDefinition<PackageInputs, PackageResults> velmoraMonthly =
        definePackage(packageWindow(PackageWindowKind::VelmoraMonthly), "takehome-monthly",
                      "Salary package, monthly: the take-home pay and cost to company of a total "
                      "monthly package");
    switch (kind) {
    case PackageWindowKind::GrovanAnnual:
        return grovanAnnual;
    case PackageWindowKind::GrovanMonthly:
        return grovanMonthly;
    case PackageWindowKind::VelmoraAnnual:
        return velmoraAnnual;
    case PackageWindowKind::VelmoraMonthly:
        break;
    }
    return velmoraMonthly;
}

const CalculatorDefinition<TaxSummary, TaxSummary>& quickTaxCalculator()
{
    static const CalculatorDefinition<TaxSummary, TaxSummary> definition{
        .name = "quicktax",
        .title = "Quick tax calculator (how the tax on an annual taxable income is made up)",
        .windowName = "frmRapell",
        .inputs = quickTaxInputBindings(),
        .results = quickTaxResultBindings(),
        .calculate =
            [](const TaxSummary& in, const SetupValues&, TaxableIncomeRecord& record) {
                TaxSummary summary = in;
                NEWCALC(summary, record);
                return summary;
            },
        // The window's summary is both: the calculation leaves its figures in the inputs.
        .afterCalculation = [](TaxSummary& in, const TaxSummary& calculated) { in = calculated; },
        // The summary as it stands: an income typed after the last calculation prints beside
        // that calculation's figures.
        .printout =
            [](const TaxSummary& current, const TaxSummary&, PrintLanguage) {
                return singleRowPrintout(kQuickTaxPrintTable, quickTaxPrintRow(current),
                                         kQuickTaxReportTemplate, kQuickTaxPreviewTitle);
            },
        .printTemplates = {kQuickTaxReportTemplate},
        .printLanguages = PrintLanguages::EnglishOnly,
        .printTables = [] { return std::vector<TableSchema>{quickTaxPrintTable()}; },
        // Its values are the application's and stay with the window through "&Initialise All".
        .closedByInitialiseAll = false,
    };
    return definition;
}

void addPackageCalculators(CalculatorCatalogue& catalogue)
{
    for (const PackageWindowKind kind :
         {PackageWindowKind::GrovanMonthly, PackageWindowKind::GrovanAnnual,
          PackageWindowKind::VelmoraMonthly, PackageWindowKind::VelmoraAnnual}) {
        catalogue.add(packageCalculator(kind));
    }
    catalogue.add(quickTaxCalculator());
}

} // namespace grovan

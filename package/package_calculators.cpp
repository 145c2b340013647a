#include "package/package_calculators.h"

#include "core/calculator_catalogue.h"
#include "package/quick_tax_fields.h"
#include "package/quick_tax_printout.h"

namespace grovan {

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
    catalogue.add(quickTaxCalculator());
}

} // namespace grovan

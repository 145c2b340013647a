#include "finance/finance_calculators.h"

#include "core/calculator_catalogue.h"
#include "finance/loan_definition.h"
#include "finance/loan_fields.h"
#include "finance/loan_validation.h"

#include <array>

namespace grovan {

namespace {

// The template and preview title of each mode without a schedule, with the monthly and with the
// annual one, made once: a printout refers to them by view.
const LoanReportChoice& loanReport(LoanCalcMode mode, std::optional<AmortKind> schedule)
{
    static const std::array<LoanReportChoice, 12> choices = [] {
        std::array<LoanReportChoice, 12> all;
        for (int item = 0; item < 4; ++item) {
            const auto mode = static_cast<LoanCalcMode>(item);
            all[item * 3] = loanReportChoice(mode, std::nullopt);
            all[item * 3 + 1] = loanReportChoice(mode, AmortKind::Monthly);
            all[item * 3 + 2] = loanReportChoice(mode, AmortKind::Annual);
        }
        return all;
    }();
    const int column = !schedule ? 0 : (*schedule == AmortKind::Monthly ? 1 : 2);
    return choices[static_cast<std::size_t>(static_cast<int>(mode) * 3 + column)];
}

Printout loanPrintout(const LoanInputs& inputs)
{
    Printout printout;
    const auto made = loanPrintoutAsItStands(inputs, inputs.printOptions);
    if (!made) {
        return printout;
    }
    printout.writes.push_back({kLoanPrintTable, made->loans});
    if (made->amort) {
        printout.writes.push_back({kAmortPrintTable, *made->amort});
    }
    const LoanReportChoice& report = loanReport(inputs.CalcMode, inputs.printOptions.schedule());
    printout.templateFile = report.templateFile;
    if (report.previewTitle) {
        printout.previewTitle = *report.previewTitle;
    }
    return printout;
}

} // namespace

const CalculatorDefinition<LoanInputs, LoanResults>& loanCalculator()
{
    static const CalculatorDefinition<LoanInputs, LoanResults> definition{
        .name = "loan",
        .title = "Loan calculator (the monthly repayment, principal, period or interest rate of a "
                 "fixed-rate loan, with its amortisation schedules)",
        .windowName = kLoansWindowName,
        .inputs = loanInputBindings(),
        .results = loanResultBindings(),
        .refusalMessage = loanRefusalMessage,
        .validate = [](const LoanInputs& in) { return validateLoanInputs(in); },
        .calculate = [](const LoanInputs& in, const SetupValues&,
                        TaxableIncomeRecord&) { return calculateLoan(in); },
        // The solved quantity (and in mode 2 the repayment raised to fit the term) stays in the
        // loan, which its field shows.
        .afterCalculation = [](LoanInputs& in,
                               const LoanResults& results) { applyLoanResults(in, results); },
        .printout = [](const LoanInputs& in, const LoanResults&,
                       PrintLanguage) { return loanPrintout(in); },
        .printTemplates = {"Lonrepa.rpt", "LonrepaA.rpt", "LonPrAm.rpt", "LonPrAmA.rpt",
                           "LonRPer.rpt", "LonRPerA.rpt", "LonInRt.rpt", "LonInRtA.rpt"},
        .printLanguages = PrintLanguages::EnglishOnly,
        .printTables =
            [] {
                return std::vector<TableSchema>{loansPrintTable(), amortPrintTable()};
            },
    };
    return definition;
}

void addFinanceCalculators(CalculatorCatalogue& catalogue)
{
    catalogue.add(loanCalculator());
}

} // namespace grovan

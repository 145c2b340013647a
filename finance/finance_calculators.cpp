// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/finance_calculators.h"

#include "core/calculator_catalogue.h"
#include "finance/daily_balance_fields.h"
#include "finance/daily_balance_printout.h"
#include "finance/daily_balance_validation.h"
#include "finance/inflation_fields.h"
#include "finance/inflation_printout.h"
#include "finance/inflation_validation.h"
#include "finance/loan_buster_fields.h"
#include "finance/loan_buster_printout.h"
#include "finance/loan_buster_validation.h"
#include "finance/loan_comparison_fields.h"
#include "finance/loan_comparison_printout.h"
#include "finance/loan_comparison_validation.h"
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

const CalculatorDefinition<InflationState, InflationResults>& inflationCalculator()
{
    static const CalculatorDefinition<InflationState, InflationResults> definition{
        .name = "inflation",
        .title = "Inflation projection (what an item costs after years of inflation, and what "
                 "today's amount then buys)",
        .windowName = kInflationWindowName,
        .inputs = inflationInputBindings(),
        .results = inflationResultBindings(),
        .refusalMessage = inflationRefusalMessage,
        .validate = validateInflationInputs,
        .calculate = [](const InflationState& in, const SetupValues&,
                        TaxableIncomeRecord&) { return calculateInflation(in); },
        // The state keeps the last projection: the printout prints it.
        .afterCalculation =
            [](InflationState& in, const InflationResults& projected) {
                in.FutureCost = projected.FutureCost;
                in.BuyingPower = projected.BuyingPower;
            },
        .printout =
            [](const InflationState& in, const InflationResults&, PrintLanguage) {
                return singleRowPrintout(kInflationPrintTable, inflationPrintRow(in),
                                         kInflationReportTemplate, kInflationPreviewTitle);
            },
        .printRefusal = [](const InflationState& in,
                           const InflationResults&) -> std::optional<Message> {
            if (inflationPrintAllowed(in)) {
                return std::nullopt;
            }
            return Message{
                "the inflation projection prints only a future cost above 0 and not above "
                "9 999 999 999"};
        },
        .printTemplates = {kInflationReportTemplate},
        .printLanguages = PrintLanguages::EnglishOnly,
        .printTables = [] { return std::vector<TableSchema>{inflationPrintTable()}; },
    };
    return definition;
}

const CalculatorDefinition<LoanBusterInputs, LoanBusterResults>& loanBusterCalculator()
{
    static const CalculatorDefinition<LoanBusterInputs, LoanBusterResults> definition{
        .name = "loanbuster",
        .title = "Loan buster (what a voluntary extra payment with every instalment does to a "
                 "loan)",
        .windowName = kLoanBusterWindowName,
        .inputs = loanBusterInputBindings(),
        .results = loanBusterResultBindings(),
        .refusalMessage = loanBusterRefusalMessage,
        .validate = validateLoanBusterInputs,
        .calculate = [](const LoanBusterInputs& in, const SetupValues&,
                        TaxableIncomeRecord&) { return calculateLoanBuster(in); },
        // The extra payment field shows the adjusted extra payment from now on.
        .afterCalculation = [](LoanBusterInputs& in,
                               const LoanBusterResults& r) { in.BusterExtra = r.BusterExtra; },
        .printout =
            [](const LoanBusterInputs& in, const LoanBusterResults& last, PrintLanguage) {
                return singleRowPrintout(kLoanBusterPrintTable, loanBusterPrintRow(in, last),
                                         kLoanBusterReportTemplate, kLoanBusterPreviewTitle);
            },
        .printRefusal = [](const LoanBusterInputs& in,
                           const LoanBusterResults&) -> std::optional<Message> {
            if (loanBusterPrintAllowed(in)) {
                return std::nullopt;
            }
            return Message{"the loan buster prints only a loan with a principal above 0"};
        },
        .printTemplates = {kLoanBusterReportTemplate},
        .printLanguages = PrintLanguages::EnglishOnly,
        .printTables = [] { return std::vector<TableSchema>{loanBusterPrintTable()}; },
    };
    return definition;
}

const CalculatorDefinition<LoanComparisonState, LoanComparisonResults>& loanComparisonCalculator()
{
    static const CalculatorDefinition<LoanComparisonState, LoanComparisonResults> definition{
        .name = "loancomparison",
        .title = "Loan comparison (one bond amount at one rate repaid over 5, 10, 15, 20, 25 and "
                 "30 years)",
        .windowName = kLoanComparisonWindowName,
        .inputs = loanComparisonInputBindings(),
        .resultTables = loanComparisonResultTables(),
        .refusalMessage = loanComparisonRefusalMessage,
        .validate = validateLoanComparisonInputs,
        .calculate = [](const LoanComparisonState& in, const SetupValues&,
                        TaxableIncomeRecord&) { return calculateLoanComparison(in); },
        .printout =
            [](const LoanComparisonState& in, const LoanComparisonResults& last, PrintLanguage) {
                return singleRowPrintout(
                    kLoanComparisonPrintTable, loanComparisonPrintRow(in, last),
                    kLoanComparisonReportTemplate, kLoanComparisonPreviewTitle);
            },
        .printRefusal = [](const LoanComparisonState& in,
                           const LoanComparisonResults&) -> std::optional<Message> {
            if (loanComparisonPrintAllowed(in)) {
                return std::nullopt;
            }
            return Message{"the loan comparison prints only with a bond amount and a rate above 0"};
        },
        .printTemplates = {kLoanComparisonReportTemplate},
        .printLanguages = PrintLanguages::EnglishOnly,
        .printTables = [] { return std::vector<TableSchema>{loanComparisonPrintTable()}; },
    };
    return definition;
}

const CalculatorDefinition<DayBalState, DayBalResults>& dailyBalanceCalculator()
{
    static const CalculatorDefinition<DayBalState, DayBalResults> definition{
        .name = "dailybalance",
        .title = "Daily balance interest (simple interest on a balance between two dates, over a "
                 "365-day year)",
        .windowName = kDailyBalanceWindowName,
        .inputs = dailyBalanceInputBindings(),
        .results = dailyBalanceResultBindings(),
        .refusalMessage = dailyBalanceRefusalMessage,
        .validate = validateDailyBalanceInputs,
        // The checks ask for both dates, so there is always a computation.
        .calculate =
            [](const DayBalState& in, const SetupValues&, TaxableIncomeRecord&) {
                return calculateDailyBalance(in).value_or(DayBalResults{});
            },
        .printout =
            [](const DayBalState& in, const DayBalResults& last, PrintLanguage) {
                return singleRowPrintout(kDailyBalancePrintTable, dailyBalancePrintRow(in, last),
                                         kDailyBalanceReportTemplate, kDailyBalancePreviewTitle);
            },
        .printRefusal = [](const DayBalState&,
                           const DayBalResults& last) -> std::optional<Message> {
            if (dailyBalancePrintAllowed(last)) {
                return std::nullopt;
            }
            return Message{
                "the daily balance prints only an interest and a number of days above 0"};
        },
        .printTemplates = {kDailyBalanceReportTemplate},
        .printLanguages = PrintLanguages::EnglishOnly,
        .printTables = [] { return std::vector<TableSchema>{dailyBalancePrintTable()}; },
    };
    return definition;
}

void addFinanceCalculators(CalculatorCatalogue& catalogue)
{
    catalogue.add(loanCalculator());
    catalogue.add(inflationCalculator());
    catalogue.add(loanBusterCalculator());
    catalogue.add(loanComparisonCalculator());
    catalogue.add(dailyBalanceCalculator());
}

} // namespace grovan

#include "cli/calculator_registry.h"

#include "cli/typed_calculator.h"
#include "core/setup_fields.h"
#include "paye/annual_fields.h"
#include "paye/annual_printout.h"
#include "paye/annual_validation.h"

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
            .reportTemplate = kAnnualReportTemplate,
            .printRow = annualPrintRow,
        });
}

} // namespace

const CalculatorRegistry& CalculatorRegistry::standard()
{
    static const CalculatorRegistry registry = [] {
        CalculatorRegistry calculators;
        calculators.add(annualCalculator());
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

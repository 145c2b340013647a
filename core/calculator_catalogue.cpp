// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"

#include "core/print_database.h"

namespace grovan {

CalculatorCatalogue::CalculatorCatalogue() : m_printSchema(printDatabaseSchema({})) {}

void CalculatorCatalogue::add(std::unique_ptr<Calculator> calculator)
{
    // The fortnightly and weekly printouts share their table.
    for (TableSchema& table : calculator->printTables()) {
        if (m_printSchema.table(table.name) == nullptr) {
            m_printSchema.tables.push_back(std::move(table));
        }
    }
    m_calculators.push_back(std::move(calculator));
}

const Calculator* CalculatorCatalogue::find(std::string_view name) const
{
    for (const auto& calculator : m_calculators) {
        if (calculator->name() == name) {
            return calculator.get();
        }
    }
    return nullptr;
}

const Calculator* CalculatorCatalogue::findWindow(std::string_view windowName) const
{
    for (const auto& calculator : m_calculators) {
        if (calculator->windowName() == windowName) {
            return calculator.get();
        }
    }
    return nullptr;
}

std::vector<std::string> CalculatorCatalogue::names() const
{
    std::vector<std::string> names;
    for (const auto& calculator : m_calculators) {
        names.emplace_back(calculator->name());
    }
    return names;
}

std::vector<const Calculator*> CalculatorCatalogue::calculators() const
{
    std::vector<const Calculator*> all;
    for (const auto& calculator : m_calculators) {
        all.push_back(calculator.get());
    }
    return all;
}

} // namespace grovan

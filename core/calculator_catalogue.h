// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator.h"
#include "core/calculator_definition.h"
#include "core/defined_calculator.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace grovan {

/// The calculators of the program, in the order the menus list them. Each subsystem adds its
/// own in one place; grovan-cli runs them by name, the print database takes its tables from
/// their printouts, and "&Initialise All" closes the windows they say it closes.
class CalculatorCatalogue
{
public:
    CalculatorCatalogue();

    /// Adds the calculator that `definition` defines; `definition` must outlive the catalogue.
    template <typename Inputs, typename Results>
    void add(const CalculatorDefinition<Inputs, Results>& definition)
    {
        add(std::make_unique<DefinedCalculator<Inputs, Results>>(definition));
    }
    void add(std::unique_ptr<Calculator> calculator);

    /// Nothing when no calculator has that name.
    const Calculator* find(std::string_view name) const;
    /// The calculator whose window is `windowName`, or nothing.
    const Calculator* findWindow(std::string_view windowName) const;
    std::vector<std::string> names() const;
    std::vector<const Calculator*> calculators() const;

    /// The print database's tables: every table of every printout, each once.
    const DatabaseSchema& printSchema() const { return m_printSchema; }

private:
    std::vector<std::unique_ptr<Calculator>> m_calculators;
    DatabaseSchema m_printSchema;
};

} // namespace grovan

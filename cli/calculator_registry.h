#pragma once

#include "cli/calculator_adapter.h"

#include <memory>
#include <string_view>
#include <vector>

namespace grovan::cli {

/// The calculators grovan-cli runs, in the order the menus list them.
class CalculatorRegistry
{
public:
    /// Every calculator of the program that grovan-cli knows.
    static const CalculatorRegistry& standard();

    void add(std::unique_ptr<CalculatorAdapter> calculator);
    /// Nothing when no calculator has that name.
    const CalculatorAdapter* find(std::string_view name) const;
    std::vector<std::string> names() const;

private:
    std::vector<std::unique_ptr<CalculatorAdapter>> m_calculators;
};

} // namespace grovan::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/initialise_all.h"

#include "core/calculator_catalogue.h"

namespace grovan {

std::vector<std::string_view> windowsClosedByInitialiseAll(const CalculatorCatalogue& calculators)
{
    std::vector<std::string_view> windows;
    for (const Calculator* calculator : calculators.calculators()) {
        if (calculator->closedByInitialiseAll()) {
            windows.push_back(calculator->windowName());
        }
    }
    windows.push_back("frmHelpBrowser");
    return windows;
}

} // namespace grovan

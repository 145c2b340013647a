#include "shell/ui/calculator_registry.h"

#include "shell/main_menu.h"

namespace grovan {

bool CalculatorRegistry::add(std::string_view menuItem, WindowFactory factory)
{
    const MenuItem* item = findMenuItem(menuItem);
    if (item == nullptr || item->action != MenuAction::OpenCalculator || !factory) {
        return false;
    }
    m_factories.insert_or_assign(std::string(menuItem), std::move(factory));
    return true;
}

const WindowFactory* CalculatorRegistry::find(std::string_view menuItem) const
{
    const auto found = m_factories.find(menuItem);
    return found == m_factories.end() ? nullptr : &found->second;
}

} // namespace grovan

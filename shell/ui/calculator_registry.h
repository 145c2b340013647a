#pragma once

#include "shell/ui/shell_context.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace grovan {

/// Makes a calculator's window from the shared context. The main window calls it when the
/// calculator's menu command is chosen and no window of that calculator is open; it takes the
/// window over, names it after the menu table, and shows it as a child window.
using WindowFactory = std::function<std::unique_ptr<QWidget>(const ShellContext&)>;

/// Which calculator windows exist in this program. A menu command that opens a calculator is
/// enabled only when its window is registered here.
class CalculatorRegistry
{
public:
    /// Registers the window that the menu command `menuItem` (such as "mnuAnnual" or "Rapell")
    /// opens, replacing an earlier registration. False, and nothing registered, when no menu
    /// command of that name opens a calculator.
    bool add(std::string_view menuItem, WindowFactory factory);

    /// The factory for `menuItem`, or nullptr.
    const WindowFactory* find(std::string_view menuItem) const;

private:
    std::map<std::string, WindowFactory, std::less<>> m_factories;
};

} // namespace grovan

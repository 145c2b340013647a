// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace grovan {

struct WindowContext;

/// Makes a calculator's window. The main window calls it when the calculator's menu command is
/// chosen and no window of that calculator is open; it takes the window over and shows it as a
/// child window.
using WindowFactory = std::function<std::unique_ptr<QWidget>(const WindowContext&)>;

/// Which calculator windows exist in this program, by window name ("frmAnnual"). Each subsystem
/// registers its windows in one place; a menu command whose window is not registered stays
/// disabled.
class WindowRegistry
{
public:
    /// Registers the window named `windowName`, replacing an earlier registration.
    void add(std::string_view windowName, WindowFactory factory);

    /// The factory of `windowName`, or nullptr.
    const WindowFactory* find(std::string_view windowName) const;

private:
    std::map<std::string, WindowFactory, std::less<>> m_factories;
};

} // namespace grovan

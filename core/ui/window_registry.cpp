// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/window_registry.h"

namespace grovan {

void WindowRegistry::add(std::string_view windowName, WindowFactory factory)
{
    m_factories.insert_or_assign(std::string(windowName), std::move(factory));
}

const WindowFactory* WindowRegistry::find(std::string_view windowName) const
{
    const auto found = m_factories.find(windowName);
    return found == m_factories.end() ? nullptr : &found->second;
}

} // namespace grovan

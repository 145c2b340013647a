// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/frm_help_browser.h"
#include "shell/ui/help_library.h"

#include <QtGlobal>

#include <string_view>
#include <type_traits>

extern "C" Q_DECL_EXPORT QWidget* grovan_make_help_window_1(const char* document)
{
    return new grovan::frmHelpBrowser(std::filesystem::path(document));
}

// The name above is the one the main window asks for.
static_assert(std::string_view(grovan::help_library::kMakeWindowSymbol) ==
              "grovan_make_help_window_1");
static_assert(
    std::is_same_v<decltype(&grovan_make_help_window_1), grovan::help_library::MakeWindow>);

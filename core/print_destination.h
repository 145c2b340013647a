// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace grovan {

/// Where the next printout goes: the print panel's two buttons set it just before each printout
/// ("&View/Export report" the preview window, "P&rint directly to printer" the printer), and the
/// report viewer reads it when the report is started.
enum class PrintDestination
{
    Window,  ///< the preview window, from which the user can print or export the pages
    Printer, ///< straight to the chosen printer, without a dialog
};

} // namespace grovan

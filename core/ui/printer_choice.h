// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>

#include <memory>

namespace grovan {

/// The printer chosen under "Printer Setup", which printing directly uses. Until the user chooses
/// one it is the system's default printer. One instance for the program, owned by main().
class PrinterChoice
{
public:
    /// The printer with the settings chosen so far; the set-up dialog edits it in place. It is
    /// made at its first use: making one loads the print system's plugin and asks the print
    /// service for its printers, which start-up has no need to wait for.
    QPrinter& printer()
    {
        if (!m_printer) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        }
        return *m_printer;
    }

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace grovan

#pragma once

#include <QPrinter>

#include <memory>

namespace grovan {

/// The printer chosen under "Printer Setup", which printing directly uses. Until the user chooses
/// one it is the system's default printer. One instance for the program, owned by main().
class PrinterChoice
{
public:
    PrinterChoice() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

    /// The printer with the settings chosen so far; the set-up dialog edits it in place.
    QPrinter& printer() { return *m_printer; }

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace grovan

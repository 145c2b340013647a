// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a calculator window is lent for its lifetime: references only, so that a window's file
// needs none of the definitions and nothing recompiles when the program's shared parts grow.

namespace grovan {

class MessageSink;
class ReportPrinter;
class SettingsDatabase;
struct TaxableIncomeRecord;

/// The program's shared parts a calculator window uses. The main window owns what is referred to
/// and outlives every calculator window; a subsystem's application-wide working state is handed to
/// its windows when they are registered (WindowRegistry).
struct WindowContext
{
    MessageSink& messages;        ///< message boxes, or a recording list in tests
    SettingsDatabase& settings;   ///< "Settings.mdb": the set-up values
    const ReportPrinter& printer; ///< writes a printout into "Crysprin.mdb" and renders it
    /// The annual taxable income most recently taxed anywhere in the program.
    TaxableIncomeRecord& lastTaxableIncome;
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/app_paths.h"
#include "core/message.h"
#include "core/print_database.h"
#include "core/program_version.h"
#include "core/settings_store.h"
#include "core/startup_store.h"
#include "core/ui/printer_choice.h"
#include "core/ui/report_printer.h"
#include "core/ui/report_viewer.h"
#include "core/ui/window_context.h"
#include "shell/app_state.h"

namespace grovan {

class CalculatorCatalogue;

/// What the program's windows share for the whole run. main() owns every object referred to
/// here and lends them to the main window, which lends each calculator window its part
/// (`windowContext()`).
struct ShellContext
{
    AppPaths paths;                ///< the asset folder and the database folder
    ProgramVersion version;        ///< shown in captions; decides whether the disclaimer is due
    MessageSink& messages;         ///< message boxes, or a recording list in tests
    AppState& state;               ///< the application-wide working state
    PrinterChoice& printer;        ///< the printer chosen under "Printer Setup"
    SettingsDatabase& settings;    ///< "Settings.mdb"
    StartupStateDatabase& startup; ///< "bcdv.mdb"
    PrintDatabase& printDatabase;  ///< "Crysprin.mdb", the tables the printouts fill
    ReportViewer& reports;         ///< renders a printout's template to the preview or printer
    const ReportPrinter& reportPrinter;     ///< writes a printout and hands it to `reports`
    const CalculatorCatalogue& calculators; ///< every calculator of the program

    WindowContext windowContext() const
    {
        return {messages, settings, reportPrinter, state.taxableIncome};
    }
};

} // namespace grovan

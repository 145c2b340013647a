// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/program_version.h"
#include "core/startup_store.h"

namespace grovan {

/// The windows the start-up sequence shows, provided by the main window (and by fakes in tests).
class StartupDialogs
{
public:
    virtual ~StartupDialogs() = default;
    /// Shows the About window without waiting for it to close.
    virtual void showAbout() = 0;
    /// Shows the disclaimer and waits; true when the user accepted it.
    virtual bool askDisclaimer() = 0;
};

enum class StartupOutcome
{
    Continue,   ///< the program goes on
    EndProgram, ///< the disclaimer was declined: the main window closes and the program ends
};

/// The last step of start-up, once the main window is shown: the About window when the stored
/// `ViewAbout` says so (it stays open), then the disclaimer when `version` is newer than the one
/// whose disclaimer was last accepted (its disclaimerNumber() is greater than `VAR1`). Accepting
/// stores the version's number in `VAR1`, so each new version asks once; declining stores nothing.
StartupOutcome runStartupDialogs(const StartupStateDatabase& store, const ProgramVersion& version,
                                 StartupDialogs& dialogs);

} // namespace grovan

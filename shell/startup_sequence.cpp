// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup_sequence.h"

namespace grovan {

StartupOutcome runStartupDialogs(const StartupStateDatabase& store, const ProgramVersion& version,
                                 StartupDialogs& dialogs)
{
    const StartupState state = store.load();
    if (state.ViewAbout) {
        dialogs.showAbout();
    }
    const std::int64_t number = version.disclaimerNumber();
    if (number <= state.VAR1) {
        return StartupOutcome::Continue;
    }
    if (!dialogs.askDisclaimer()) {
        return StartupOutcome::EndProgram;
    }
    // A failed write is told to the user by the store; the accepted disclaimer still counts for
    // this run, and the next start simply asks again.
    store.saveAcceptedVersion(number);
    return StartupOutcome::Continue;
}

} // namespace grovan

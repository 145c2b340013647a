#include "shell/ui/program_windows.h"

#include "package/ui/package_windows.h"
#include "paye/ui/paye_windows.h"
#include "shell/app_state.h"

namespace grovan {

void addProgramWindows(WindowRegistry& windows, AppState& state)
{
    addPayeWindows(windows);
    addPackageWindows(windows, state.taxSummary);
}

} // namespace grovan

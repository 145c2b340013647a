#include "finance/ui/finance_windows.h"

#include "core/ui/window_registry.h"
#include "finance/finance_state.h"

namespace grovan {

void addFinanceWindows(WindowRegistry&, FinanceState&) {}

} // namespace grovan

#include "finance/ui/finance_windows.h"

#include "core/ui/window_registry.h"
#include "finance/finance_state.h"
#include "finance/loan_definition.h"
#include "finance/ui/frm_loans.h"

namespace grovan {

void addFinanceWindows(WindowRegistry& windows, FinanceState& state)
{
    windows.add(loanCalculator().windowName, [&state](const WindowContext& context) {
        return std::make_unique<frmLoans>(state.loan, context);
    });
}

} // namespace grovan

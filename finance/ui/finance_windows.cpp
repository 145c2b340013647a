// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/finance_windows.h"

#include "core/ui/window_registry.h"
#include "finance/finance_calculators.h"
#include "finance/finance_state.h"
#include "finance/loan_definition.h"
#include "finance/ui/frm_day_bal.h"
#include "finance/ui/frm_inflation.h"
#include "finance/ui/frm_loan_buster.h"
#include "finance/ui/frm_loan_comp.h"
#include "finance/ui/frm_loans.h"

namespace grovan {

void addFinanceWindows(WindowRegistry& windows, FinanceState& state)
{
    windows.add(loanCalculator().windowName, [&state](const WindowContext& context) {
        return std::make_unique<frmLoans>(state.loan, context);
    });
    windows.add(inflationCalculator().windowName, [&state](const WindowContext& context) {
        return std::make_unique<frmInflation>(state.inflation, context);
    });
    windows.add(loanBusterCalculator().windowName, [&state](const WindowContext& context) {
        return std::make_unique<frmLoanBuster>(state.loanBuster, context);
    });
    windows.add(loanComparisonCalculator().windowName, [&state](const WindowContext& context) {
        return std::make_unique<frmLoanComp>(state.loanComparison, context);
    });
    windows.add(dailyBalanceCalculator().windowName, [&state](const WindowContext& context) {
        return std::make_unique<frmDayBal>(state.dailyBalance, context);
    });
}

} // namespace grovan

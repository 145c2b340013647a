// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/finance_state.h"

namespace grovan {

void FinanceState::initialiseAll()
{
    loan.initialiseAll();
    loanBuster.initialiseAll();
    loanComparison.initialiseAll();
    dailyBalance.initialiseAll();
    inflation.initialiseAll();
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/finance_messages.h"

namespace grovan {

Message maximumLoanPeriodMessage()
{
    return {"The maximum period  allowed is 600 months", "Incorrect Period!", MessageIcon::Error};
}

Message maximumLoanRateMessage()
{
    return {"The maximum interest rate allowed is 50%", "Incorrect Interest Rate!",
            MessageIcon::Error};
}

} // namespace grovan

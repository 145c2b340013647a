// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages the loan, loan buster and loan comparison windows share.

#include "core/message.h"

namespace grovan {

/// "The maximum period  allowed is 600 months" (two blanks), "Incorrect Period!", error icon.
Message maximumLoanPeriodMessage();
/// "The maximum interest rate allowed is 50%", "Incorrect Interest Rate!", error icon.
Message maximumLoanRateMessage();

/// What every finance report's preview title ends in.
inline constexpr const char* kExportHint =
    " - To export printout click on the suitcase button or goto Help";

} // namespace grovan

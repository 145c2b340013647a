// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan calculator's application-wide values: the loan, the quantity solved for and whether
// the totals are shown. They outlive the loan window; the schedules and the printout read them.

#include <optional>
#include <string_view>

namespace grovan {

/// Which quantity "&Calculate" solves for; the value is the item of the option buttons
/// `optLoanCalc` (0 to 3) that chooses it.
enum class LoanCalcMode
{
    MonthlyRepayment = 0,
    PrincipalAmount = 1,
    RepaymentPeriod = 2,
    InterestRate = 3,
};

/// "Monthly repayment", "Principal amount", "Repayment period" or "Interest rate": the option
/// button's caption, the text `Label12` shows and the printout's heading.
std::string_view loanCalcModeName(LoanCalcMode mode);

/// The mode of option button item 0 to 3; nothing for any other item.
std::optional<LoanCalcMode> loanCalcModeOfItem(int item);

/// The "&Fin. charges" totals panel: "UP" while the totals are hidden, "DOWN" while shown.
enum class FinCharges
{
    Up,
    Down,
};

/// "UP" or "DOWN".
std::string_view finChargesName(FinCharges state);

/// The loan held for the whole run. Amounts in rands, the period in whole months (held in a
/// double), the rate in percent a year; nothing is rounded when it is stored or computed.
struct LoanState
{
    double Principal = 0.0;
    double PeriodMonths = 0.0;
    double AnnualRate = 0.0;
    double MonthlyRepayment = 0.0;
    LoanCalcMode CalcMode = LoanCalcMode::MonthlyRepayment;
    FinCharges FinChargesState = FinCharges::Up;

    /// "&Initialise All" (and start-up): the period, rate and repayment become 0, the mode
    /// "Monthly repayment" and the totals panel "UP"; the principal keeps its value.
    void initialiseAll();
};

} // namespace grovan

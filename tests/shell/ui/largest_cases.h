// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The largest case of each calculator, which the window and printout tests size for.

#include "core/calendar_date.h"
#include "core/field_description.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace grovan::testing {

// The calculators whose inputs cannot all stand at their maxima together, and the largest case
// each answers instead: an amount input left out of `values` stands at its maximum, or at
// `amountCeiling` when that is lower. A salary package prints nothing with R/Fund contributions
// above the allowable deduction (at most R350 000 a year, narrower than the amounts printed
// beside it); a gross-up refuses fringe benefits and other expenses above the net salary
// required and searches gross salaries up to R99 999 999 only, so its amounts stand a digit lower.
struct LargestCase
{
    std::string_view calculator;
    double amountCeiling;
    std::vector<std::pair<std::string_view, double>> values;
};

inline const std::vector<std::pair<std::string_view, double>> kNoFundContributions = {
    {"employeeFund", 0.0},
    {"employerFund", 0.0},
    {"employeeFundPercent", 0.0},
    {"employerFundPercent", 0.0},
};

inline std::vector<std::pair<std::string_view, double>> grossUpCase()
{
    auto values = kNoFundContributions;
    values.emplace_back("netRequired", 27999999.99);
    for (const std::string_view expense :
         {"otherExpense0", "otherExpense1", "otherExpense2", "otherExpense3"}) {
        values.emplace_back(expense, 999999.99);
    }
    // What only the cost-to-company column prints stands at its maximum.
    for (const std::string_view cost : {"carCostToCompany", "otherExpenseCC0", "otherExpenseCC1",
                                        "otherExpenseCC2", "otherExpenseCC3"}) {
        values.emplace_back(cost, 99999999.99);
    }
    return values;
}

// The daily balance counts at most 10 960 days (30 years): its largest interest runs that long
// up to the last day a date field takes. A date's value here is its day number.
inline std::vector<std::pair<std::string_view, double>> dailyBalanceCase()
{
    const CalendarDate last = *CalendarDate::fromYmd(9999, 12, 31);
    return {{"startDate", static_cast<double>(last.dayNumber() - 10960)},
            {"endDate", static_cast<double>(last.dayNumber())}};
}

inline const LargestCase* largestCaseOf(std::string_view calculator)
{
    // The inflation projection shows and prints no future cost above 9 999 999 999: one year at
    // the largest rate keeps the largest present cost below it, with as many digits. The loan
    // buster takes an extra payment of at most ten times the repayment (R4 166 666.67 for the
    // largest loan at 50 % over 600 months).
    static const std::vector<LargestCase> cases = {
        {"dailybalance", 1e300, dailyBalanceCase()},
        {"inflation", 1e300, {{"years", 1.0}}},
        {"loanbuster", 1e300, {{"extraPayment", 41666666.66}}},
        {"grossup-monthly", 9999999.99, grossUpCase()},
        {"grossup-annual", 9999999.99, grossUpCase()},
        {"takehome-monthly", 1e300, kNoFundContributions},
        {"takehome-annual", 1e300, kNoFundContributions},
    };
    for (const LargestCase& c : cases) {
        if (c.calculator == calculator) {
            return &c;
        }
    }
    return nullptr;
}

/// The number a numeric field takes in its calculator's largest case: its maximum, unless the
/// calculator's case says otherwise.
inline double largestNumber(const FieldDescription& field, const LargestCase* limits)
{
    if (limits != nullptr) {
        for (const auto& [key, value] : limits->values) {
            if (key == field.key) {
                return value;
            }
        }
        if (field.kind == FieldKind::Amount) {
            return std::min(field.maximum, limits->amountCeiling);
        }
    }
    return field.maximum;
}

} // namespace grovan::testing

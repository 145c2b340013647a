// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one annuity solver of the finance calculators: a fixed-rate loan repaid in equal monthly
// instalments, of which the repayment, the present value (principal), the whole-month term or
// the annual rate is found from the other three. The loan calculator, the loan buster and the
// loan comparison all work through these functions.
//
// Units: amounts in rands, terms in months, annual rates in percent a year (10 means 10 %); the
// monthly rate is the annual rate / 12 / 100. Nothing is rounded except where a search steps in
// cents or in fixed rate steps, and those steps are added up in double precision, one addition at
// a time, exactly as a running total would be (`repeatedSum`).

#include <cstdint>

namespace grovan {

/// The largest term the term search looks at, in months.
inline constexpr int kLongestTermMonths = 600;
/// The step in rands by which the term search raises the repayment.
inline constexpr double kRepaymentStep = 0.01;

/// i = `annualRatePercent` / 12 / 100, in that order.
double monthlyRate(double annualRatePercent);

/// The repayment: (i x P) / (1 - (1 + i)^(-n)); 0 when the principal, the term or the rate is 0.
/// A rate of 0 gives 0 (there is no separate zero-interest formula).
double annuityRepayment(double principal, double months, double annualRatePercent);

/// The present value of `months` repayments: (1 - (1 + i)^(-n)) x R / i; 0 when the term, the
/// rate or the repayment is 0.
double annuityPresentValue(double months, double annualRatePercent, double repayment);

/// How a term search ended.
enum class TermOutcome
{
    Found,         ///< a term of 1 to 600 months, with the repayment raised to fit it
    NoInputs,      ///< the principal, rate or repayment is 0 (or below): no term, nothing changed
    NotWithin600,  ///< the repayment does not repay the principal within 600 months
    OneInstalment, ///< one instalment more than repays the loan: a term of 1 month
};

struct TermSolution
{
    double months = 0.0;    ///< whole months, 0 when no term is found
    double repayment = 0.0; ///< the repayment that repays the principal in exactly `months`
    TermOutcome outcome = TermOutcome::NoInputs;
};

/// The term search. `repayment` is the working repayment as the caller hands it over (the
/// calculators lower the typed repayment by 0.01 first, so that a repayment that repays the loan
/// in a whole number of months comes back unchanged). Counting n up from 1, the present value of
/// n repayments is compared with the principal:
/// - equal: the term is n, the repayment unchanged;
/// - first above the principal at n: the term is n - 1 and the repayment is raised by 0.01 at a
///   time until its present value over n - 1 months reaches the principal;
/// - still below at 600 months (the present value at 601 months is the last one looked at):
///   `NotWithin600`, term 0, the repayment handed back unchanged.
/// So the longest term found is 599 months (600 only when the present value at 600 months is the
/// principal exactly).
/// When the present value of one repayment already exceeds the principal there is no whole term
/// below it: the term is 1 month and the repayment the one instalment that repays the loan, the
/// principal plus one month's interest, raised to whole cents (`OneInstalment`).
/// A principal, rate or repayment of 0 or below gives `NoInputs` with the repayment unchanged.
/// The raising in cents is found by bisection over the steps, with the same result as adding
/// 0.01 one step at a time; the search takes at most 601 present values plus a few dozen more.
TermSolution searchTerm(double principal, double annualRatePercent, double repayment);

/// The rate steps of the rate search, in percentage points, coarsest first.
inline constexpr double kRateSteps[] = {5.0, 1.0, 0.1, 0.01};

/// The rate search: the largest rate on the grid of `kRateSteps` at which the repayment does not
/// exceed `targetRepayment`. Starting from 0, four passes: each adds its step to the rate over and
/// over (in double precision, without correction) until the repayment at that rate exceeds the
/// target, then takes the step off once. 0 when the principal, term or target is 0, or when the
/// target is at or below principal / months. There is no upper limit on the rate: each pass is
/// found by bisection over its steps, with the same result as stepping one at a time, in a few
/// dozen repayments however many steps it spans. A pass is given up after 2^62 steps, which no
/// input the loan fields accept comes near; the rate is then infinite.
double searchRate(double principal, double months, double targetRepayment);

/// The smallest whole-cent instalment whose present value over one month reaches `principal`:
/// the principal plus one month's interest, rounded up to the cent. Preconditions: principal
/// and rate above 0.
double oneInstalment(double principal, double annualRatePercent);

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/annuity.h"

#include "finance/repeated_sum.h"

#include <cmath>
#include <limits>

namespace grovan {

namespace {

// Beyond this many steps a pass is given up. Never reached: a rate search needs at most about
// 2.4 x 10^11 steps of 5 (a principal of 0.01 repaid by 9 999 999.99 a month), a repayment search
// at most about 10^9 steps of 0.01.
constexpr std::uint64_t kMostSteps = std::uint64_t{1} << 62;

// The number of steps k >= 1 after which `reached(k)` first holds, where `reached` is false and
// then true as k grows. Doubling finds a k at which it holds, bisection the first one; nothing
// when it does not hold within kMostSteps.
template <typename Reached> std::uint64_t firstStepReaching(Reached reached)
{
    std::uint64_t below = 0;
    std::uint64_t at = 1;
    while (!reached(at)) {
        if (at >= kMostSteps) {
            return 0;
        }
        below = at;
        at *= 2;
    }
    while (at - below > 1) {
        const std::uint64_t middle = below + (at - below) / 2;
        if (reached(middle)) {
            at = middle;
        } else {
            below = middle;
        }
    }
    return at;
}

} // namespace

double monthlyRate(double annualRatePercent)
{
    return annualRatePercent / 12.0 / 100.0;
}

double annuityRepayment(double principal, double months, double annualRatePercent)
{
    if (principal == 0.0 || months == 0.0 || annualRatePercent == 0.0) {
        return 0.0;
    }
    const double i = monthlyRate(annualRatePercent);
    return (i * principal) / (1.0 - std::pow(1.0 + i, -months));
}

double annuityPresentValue(double months, double annualRatePercent, double repayment)
{
    if (months == 0.0 || annualRatePercent == 0.0 || repayment == 0.0) {
        return 0.0;
    }
    const double i = monthlyRate(annualRatePercent);
    return (1.0 - std::pow(1.0 + i, -months)) * repayment / i;
}

double oneInstalment(double principal, double annualRatePercent)
{
    const auto repays = [&](double cents) {
        return annuityPresentValue(1.0, annualRatePercent, cents / 100.0) >= principal;
    };
    const double i = monthlyRate(annualRatePercent);
    double cents = std::ceil(principal * (1.0 + i) * 100.0);
    // The estimate may be a cent off either way where the product rounds.
    while (cents > 1.0 && repays(cents - 1.0)) {
        cents -= 1.0;
    }
    while (!repays(cents)) {
        cents += 1.0;
    }
    return cents / 100.0;
}

TermSolution searchTerm(double principal, double annualRatePercent, double repayment)
{
    if (!(principal > 0.0) || !(annualRatePercent > 0.0) || !(repayment > 0.0)) {
        return {0.0, repayment, TermOutcome::NoInputs};
    }
    for (int n = 1; n <= kLongestTermMonths; ++n) {
        const double presentValue = annuityPresentValue(n, annualRatePercent, repayment);
        if (presentValue == principal) {
            return {static_cast<double>(n), repayment, TermOutcome::Found};
        }
        if (presentValue < principal) {
            continue;
        }
        if (n == 1) {
            return {1.0, oneInstalment(principal, annualRatePercent), TermOutcome::OneInstalment};
        }
        const double term = n - 1;
        RunningTotal raised(repayment, kRepaymentStep);
        const std::uint64_t steps = firstStepReaching([&](std::uint64_t k) {
            return annuityPresentValue(term, annualRatePercent, raised.after(k)) >= principal;
        });
        return {term, raised.after(steps), TermOutcome::Found};
    }
    // The present value at 601 months is computed and compared with nothing: the term is past the
    // limit whatever it shows.
    return {0.0, repayment, TermOutcome::NotWithin600};
}

double searchRate(double principal, double months, double targetRepayment)
{
    if (principal == 0.0 || months == 0.0 || !(targetRepayment > 0.0)) {
        return 0.0;
    }
    double rate = 0.0;
    for (const double step : kRateSteps) {
        RunningTotal stepped(rate, step);
        const std::uint64_t steps = firstStepReaching([&](std::uint64_t k) {
            return annuityRepayment(principal, months, stepped.after(k)) > targetRepayment;
        });
        if (steps == 0) {
            return std::numeric_limits<double>::infinity();
        }
        rate = stepped.after(steps) - step;
    }
    return rate;
}

} // namespace grovan

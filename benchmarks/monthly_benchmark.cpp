// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchmarks/calculator_benchmark.h"
#include "paye/monthly_calculator.h"
#include "paye/monthly_printout.h"

namespace {

using grovan::MonthlyInputs;

MonthlyInputs wholeMonth()
{
    MonthlyInputs in;
    in.age = 40;
    in.salary = 30000;
    in.employeeFund = 2500;
    return in;
}

// Every step taken: a part month, a bonus, a travel allowance, commissions, medical credits and
// the additional credit from 65.
MonthlyInputs partMonthWithEverything()
{
    MonthlyInputs in = wholeMonth();
    in.age = 67;
    in.bonus = 15000;
    in.commissions = 4000;
    in.travelAllowance = 5000;
    in.employerMedical = 3000;
    in.employeeMedical = 1500;
    in.employerFund = 2000;
    in.beneficiaries = 3;
    in.startDate = *grovan::CalendarDate::fromYmd(2021, 7, 5);
    in.endDate = *grovan::CalendarDate::fromYmd(2021, 7, 24);
    return in;
}

void MonthlyCalculation(benchmark::State& state, MonthlyInputs in)
{
    grovan::benchmarks::timeCalculation(state, in, &grovan::calculateMonthly);
}
BENCHMARK_CAPTURE(MonthlyCalculation, whole_month, wholeMonth());
BENCHMARK_CAPTURE(MonthlyCalculation, part_month_with_everything, partMonthWithEverything());

void MonthlyPrintRow(benchmark::State& state)
{
    grovan::benchmarks::timePrintRow(state, partMonthWithEverything(), &grovan::calculateMonthly,
                                     &grovan::monthlyPrintRow, grovan::PrintLanguage::Afrikaans);
}
BENCHMARK(MonthlyPrintRow);

void MonthlyThroughTheCli(benchmark::State& state)
{
    grovan::benchmarks::timeThroughTheCli(state, "monthly",
                                          {{"age", "40"},
                                           {"salary", "30000"},
                                           {"bonus", "15000"},
                                           {"employeeFund", "2500"},
                                           {"startDate", "05/07/2021"},
                                           {"endDate", "24/07/2021"},
                                           {"employeeName", "Thandi Mokoena"}});
}
BENCHMARK(MonthlyThroughTheCli);

} // namespace

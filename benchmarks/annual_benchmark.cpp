// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchmarks/calculator_benchmark.h"
#include "paye/annual_calculator.h"
#include "paye/annual_printout.h"

namespace {

using grovan::AnnualInputs;

AnnualInputs wholeYear()
{
    AnnualInputs in;
    in.age = 40;
    in.salary = 500000;
    in.bonus = 40000;
    in.employeeFund = 30000;
    return in;
}

// The other way through the calculation: commissions and a travel allowance (whole-rand taxes),
// a part year, and medical credits month by month.
AnnualInputs partYearWithCommissions()
{
    AnnualInputs in = wholeYear();
    in.age = 67;
    in.commissions = 25000;
    in.travelAllowance = 60000;
    in.employerMedical = 24000;
    in.employeeMedical = 6000;
    for (int month = 1; month <= 12; ++month) {
        in.beneficiaries[month] = 3;
    }
    in.startDate = *grovan::CalendarDate::fromYmd(2021, 6, 1);
    in.endDate = *grovan::CalendarDate::fromYmd(2021, 11, 30);
    return in;
}

void AnnualCalculation(benchmark::State& state, AnnualInputs in)
{
    grovan::benchmarks::timeCalculation(state, in, &grovan::calculateAnnual);
}
BENCHMARK_CAPTURE(AnnualCalculation, whole_year, wholeYear());
BENCHMARK_CAPTURE(AnnualCalculation, part_year_with_commissions, partYearWithCommissions());

void AnnualPrintRow(benchmark::State& state)
{
    grovan::benchmarks::timePrintRow(state, partYearWithCommissions(), &grovan::calculateAnnual,
                                     &grovan::annualPrintRow, grovan::PrintLanguage::English);
}
BENCHMARK(AnnualPrintRow);

void AnnualThroughTheCli(benchmark::State& state)
{
    grovan::benchmarks::timeThroughTheCli(state, "annual",
                                          {{"age", "40"},
                                           {"salary", "500000"},
                                           {"bonus", "40000"},
                                           {"employeeFund", "30000"},
                                           {"startDate", "01/06/2021"},
                                           {"endDate", "30/11/2021"},
                                           {"employeeName", "Thandi Mokoena"}});
}
BENCHMARK(AnnualThroughTheCli);

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_printout.h"

#include "finance/finance_messages.h"
#include "finance/loan_calculator.h"
#include "finance/loan_schedule.h"

#include <array>

namespace grovan {

void LoanPrintOptions::setCheck1(bool ticked)
{
    IncludeAmort = ticked ? 1 : 0;
    if (ticked) {
        AmortKind = static_cast<int>(grovan::AmortKind::Annual);
    }
}

void LoanPrintOptions::chooseOption1(int index)
{
    if (index == 0) {
        AmortKind = static_cast<int>(grovan::AmortKind::Annual);
    } else if (index == 1) {
        AmortKind = static_cast<int>(grovan::AmortKind::Monthly);
    }
}

std::optional<AmortKind> LoanPrintOptions::schedule() const
{
    if (IncludeAmort != 1) {
        return std::nullopt;
    }
    if (AmortKind == static_cast<int>(grovan::AmortKind::Monthly)) {
        return grovan::AmortKind::Monthly;
    }
    if (AmortKind == static_cast<int>(grovan::AmortKind::Annual)) {
        return grovan::AmortKind::Annual;
    }
    return std::nullopt;
}

bool loanPrintAllowed(const LoanState& loan)
{
    return monthlyScheduleAvailable(loan);
}

Row loansPrintRow(const LoanState& loan, std::optional<AmortKind> schedule)
{
    const bool totals = loan.FinChargesState == FinCharges::Down;
    const LoanTotals sums = loanTotals(loan);
    Row row{
        {"Heading", std::string(loanCalcModeName(loan.CalcMode))},
        {"Num1", loan.Principal},
        {"Num2", loan.PeriodMonths},
        {"Num3", loan.AnnualRate},
        {"Num4", loan.MonthlyRepayment},
        {"FinText1", std::string(totals ? "Total Interest" : "")},
        {"FinText1A", std::string(totals ? ": R" : "")},
        {"FinNum1", totals ? sums.TotalInterest : 0.0},
        {"FinText2", std::string(totals ? "Total Repayments" : "")},
        {"FinNum2", totals ? sums.TotalRepayments : 0.0},
    };
    if (schedule) {
        row.push_back({"YearMon", std::string(*schedule == AmortKind::Annual ? "Year" : "Month")});
    }
    return row;
}

std::vector<Row> amortPrintLines(const LoanState& loan, AmortKind kind)
{
    std::vector<Row> lines;
    const auto add = [&lines](std::size_t number, double capital, double interest, double balance) {
        lines.push_back({{"Year", static_cast<std::int64_t>(number)},
                         {"Capital", capital},
                         {"Interest", interest},
                         {"Required", balance}});
    };
    if (kind == AmortKind::Monthly) {
        const MonthlySchedule months = monthlySchedule(loan);
        for (std::size_t k = 0; k < months.MonthCapital.size(); ++k) {
            add(k + 1, months.MonthCapital[k], months.MonthInterest[k], months.MonthBalance[k]);
        }
    } else {
        const AnnualSchedule years = CalcAnnAmort(loan);
        for (std::size_t y = 0; y < years.YearCapital.size(); ++y) {
            add(y + 1, years.YearCapital[y], years.YearInterest[y], years.YearBalance[y]);
        }
    }
    return lines;
}

LoanReportChoice loanReportChoice(LoanCalcMode mode, std::optional<AmortKind> schedule)
{
    struct Names
    {
        const char* file;
        const char* titleStart;
    };
    static constexpr std::array<Names, 4> kNames{{
        {"Lonrepa", "Annual repayment of Loan with "},
        {"LonPrAm", "Principal calculation of Loan with "},
        {"LonRPer", "Repayment period calculation of Loan with "},
        {"LonInRt", "Interest rate calculation of Loan with "},
    }};
    const Names& names = kNames[static_cast<std::size_t>(mode)];
    if (!schedule) {
        return {std::string(names.file) + ".rpt", std::nullopt};
    }
    // The annual title of the repayment mode alone says "Amortisation", not "Annual
    // Amortisation".
    const bool annual = *schedule == AmortKind::Annual;
    const char* kind =
        annual ? (mode == LoanCalcMode::MonthlyRepayment ? "" : "Annual ") : "Monthly ";
    return {std::string(names.file) + "A.rpt",
            std::string(names.titleStart) + kind + "Amortisation" + kExportHint};
}

std::optional<LoanPrintout> buildLoanPrintout(LoanState& loan, const LoanPrintOptions& options)
{
    LoanCalc(loan);
    return loanPrintoutAsItStands(loan, options);
}

std::optional<LoanPrintout> loanPrintoutAsItStands(const LoanState& loan,
                                                   const LoanPrintOptions& options)
{
    if (!loanPrintAllowed(loan)) {
        return std::nullopt;
    }
    const auto schedule = options.schedule();
    LoanPrintout printout{loansPrintRow(loan, schedule), std::nullopt,
                          loanReportChoice(loan.CalcMode, schedule)};
    if (schedule) {
        printout.amort = amortPrintLines(loan, *schedule);
    }
    return printout;
}

bool writeLoanPrintout(const PrintDatabase& database, const LoanPrintout& printout)
{
    if (!database.writeRow(kLoanPrintTable, printout.loans)) {
        return false;
    }
    return !printout.amort || database.replaceLines(kAmortPrintTable, *printout.amort);
}

TableSchema loansPrintTable()
{
    const auto text = [](const char* name) {
        return ColumnSchema{name, ColumnType::Text, std::string()};
    };
    const auto amount = [](const char* name) {
        return ColumnSchema{name, ColumnType::Real, 0.0};
    };
    return {kLoanPrintTable,
            TableKind::SingleRow,
            {text("Heading"), amount("Num1"), amount("Num2"), amount("Num3"), amount("Num4"),
             text("FinText1"), text("FinText1A"), amount("FinNum1"), text("FinText2"),
             amount("FinNum2"), text("YearMon")}};
}

TableSchema amortPrintTable()
{
    return {kAmortPrintTable,
            TableKind::Lines,
            {{"Year", ColumnType::Integer, std::int64_t{0}},
             {"Capital", ColumnType::Real, 0.0},
             {"Interest", ColumnType::Real, 0.0},
             {"Required", ColumnType::Real, 0.0}}};
}

} // namespace grovan

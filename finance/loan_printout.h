// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan printout: the one row of table `Loans`, optionally the schedule's lines in table
// `Amort`, and the one of eight templates that fits the calculate mode and the schedule.

#include "core/print_database.h"
#include "core/schema_database.h"
#include "finance/loan_state.h"

#include <optional>
#include <string>
#include <vector>

namespace grovan {

inline constexpr const char* kLoanPrintTable = "Loans";
inline constexpr const char* kAmortPrintTable = "Amort";

/// The schedule a printout includes: `AmortKind` 1 (monthly) or 2 (annual).
enum class AmortKind
{
    Monthly = 1,
    Annual = 2,
};

/// The print panel's options, 0 when the window opens: `IncludeAmort` from the check box
/// `Check1` ("Include Amortization") and `AmortKind` from the option buttons `Option1`(0)
/// "Annual" (2) and `Option1`(1) "Monthly " (1) in the frame `fraIncAmort`.
struct LoanPrintOptions
{
    int IncludeAmort = 0;
    int AmortKind = 0;

    /// Ticking `Check1` includes the schedule, enables the frame and its option buttons and
    /// selects "Annual"; clearing it excludes the schedule and disables them.
    void setCheck1(bool ticked);
    /// Choosing `Option1`(index): 0 "Annual", 1 "Monthly ". Other items change nothing.
    void chooseOption1(int index);
    /// Whether `fraIncAmort` and its two option buttons are enabled.
    bool frameEnabled() const { return IncludeAmort == 1; }
    /// The schedule the printout includes: none without the tick, whatever option is selected.
    std::optional<grovan::AmortKind> schedule() const;
};

/// Whether a printout is made: principal, period, rate and repayment all non-zero (after the
/// print buttons' own calculation). Otherwise nothing is printed and the print panel stays open.
bool loanPrintAllowed(const LoanState& loan);

/// The `Loans` row in the order written: `Heading` (the mode's name), `Num1` to `Num4`
/// (principal, period, rate, repayment, unrounded), then the totals: while they are shown
/// ("DOWN") `FinText1` "Total Interest", `FinText1A` ": R", `FinNum1` R x n - P, `FinText2`
/// "Total Repayments", `FinNum2` R x n; while hidden empty texts and zeros. `YearMon` ("Year" or
/// "Month") only when a schedule is included; otherwise it keeps what it held.
Row loansPrintRow(const LoanState& loan, std::optional<AmortKind> schedule);

/// The `Amort` lines of a schedule: `Year` (the month or year number, an integer), `Capital`,
/// `Interest` and `Required` (the balance). The monthly schedule gives one line per month of
/// the period, the annual one a line per year of `CalcAnnAmort` (the part year included).
std::vector<Row> amortPrintLines(const LoanState& loan, AmortKind kind);

/// The template that prints a loan, and the preview window's title where one is set.
struct LoanReportChoice
{
    std::string templateFile;
    /// Set only with a schedule; without one the report viewer keeps its title.
    std::optional<std::string> previewTitle;

    bool operator==(const LoanReportChoice&) const = default;
};

/// "Lonrepa.rpt", "LonPrAm.rpt", "LonRPer.rpt" or "LonInRt.rpt" by mode, the same name ending
/// in "A" with a schedule (the monthly and annual schedules share it; `YearMon` tells them
/// apart), with the mode's title for the schedule.
LoanReportChoice loanReportChoice(LoanCalcMode mode, std::optional<AmortKind> schedule);

/// Everything a loan printout writes and the template that prints it.
struct LoanPrintout
{
    Row loans;
    /// The schedule's lines; nothing without a schedule, and `Amort` keeps its rows.
    std::optional<std::vector<Row>> amort;
    LoanReportChoice report;
};

/// The printout of the loan as it stands, without calculating: nothing unless
/// `loanPrintAllowed`.
std::optional<LoanPrintout> loanPrintoutAsItStands(const LoanState& loan,
                                                   const LoanPrintOptions& options);

/// "P&rint directly to printer" and "&View/Export report": first `LoanCalc` on `loan` (as
/// "&Calculate"), then, only when `loanPrintAllowed`, the printout. Nothing (the panel stays
/// open) otherwise. The printout never changes the loan beyond that calculation.
std::optional<LoanPrintout> buildLoanPrintout(LoanState& loan, const LoanPrintOptions& options);

/// Writes the `Loans` row and, with a schedule, empties `Amort` and appends its lines. False
/// (the database has told the user) when a write fails.
bool writeLoanPrintout(const PrintDatabase& database, const LoanPrintout& printout);

/// The `Loans` table: one row, edited in place.
TableSchema loansPrintTable();
/// The `Amort` table: one row per schedule line.
TableSchema amortPrintTable();

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_buster_printout.h"

namespace grovan {

bool loanBusterPrintAllowed(const LoanBusterInputs& current)
{
    return current.BusterPrincipal > 0.0;
}

Row loanBusterPrintRow(const LoanBusterInputs& current, const LoanBusterResults& last)
{
    return {
        {"PAmt", current.BusterPrincipal},
        {"Period", std::int64_t{current.BaseTerm}},
        {"IntRate", current.BusterRate},
        {"MonRep", last.R0},
        {"TotIntPaid", last.TI0},
        {"TotRep", last.TR0},
        {"XtraPay", last.BusterExtra},
        {"Xper", std::int64_t{last.n1}},
        {"XMonRep", last.R1},
        {"XTotIntPaid", last.TI1},
        {"XTotRep", last.TR1},
        {"XTotSavings", last.saving},
    };
}

TableSchema loanBusterPrintTable()
{
    std::vector<ColumnSchema> columns;
    for (const char* name :
         {"PAmt", "Period", "IntRate", "MonRep", "TotIntPaid", "TotRep", "XtraPay", "Xper",
          "XMonRep", "XTotIntPaid", "XTotRep", "XTotSavings"}) {
        const bool months = std::string_view(name) == "Period" || std::string_view(name) == "Xper";
        columns.push_back(months ? ColumnSchema{name, ColumnType::Integer, std::int64_t{0}}
                                 : ColumnSchema{name, ColumnType::Real, 0.0});
    }
    return {kLoanBusterPrintTable, TableKind::SingleRow, std::move(columns)};
}

} // namespace grovan

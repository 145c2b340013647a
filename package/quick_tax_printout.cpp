// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/quick_tax_printout.h"

#include "core/print_database.h"

namespace grovan {

Row quickTaxPrintRow(const TaxSummary& s)
{
    return {
        {"AGE", std::int64_t{s.Age}},
        {"TAXINCOME", s.Income},
        {"TAXTOPAY", s.Band.BaseTax},
        {"MARGRATE", s.Band.MarginalRate},
        {"PORTION", s.Band.TaxOnExcess},
        {"TOTTAX", s.TotalTax},
        {"REBATE", s.Rebate},
        {"TAXCOM4", s.TaxCommitment},
        {"AVRATE", s.AvgRateBefore},
        {"AVRATEAFT", s.AvgRateAfter},
        {"TAXCOM4/2", s.TaxCommitment / 12},
    };
}

TableSchema quickTaxPrintTable()
{
    return {kQuickTaxPrintTable,
            TableKind::SingleRow,
            {printWhole("AGE"), printAmount("TAXINCOME"), printAmount("TAXTOPAY"),
             printAmount("MARGRATE"), printAmount("PORTION"), printAmount("TOTTAX"),
             printAmount("REBATE"), printAmount("TAXCOM4"), printAmount("AVRATE"),
             printAmount("AVRATEAFT"), printAmount("TAXCOM4/2")}};
}

} // namespace grovan

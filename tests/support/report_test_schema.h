#pragma once
// The tables the report engine's own tests print from: the program's print tables, and beside
// them single-row and line tables of the shapes the later printouts use (a loan heading with its
// amortisation lines, ...), so that the engine is tested on every kind of
// table whatever calculators the program has.

#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "shell/calculators.h"

#include <string>
#include <vector>

namespace grovan::testing {

namespace fixture_tables {

inline TableSchema bondBust()
{
    return {"BondBust",
            TableKind::SingleRow,
            {printAmount("PAmt"), printWhole("Period"), printAmount("IntRate"),
             printAmount("MonRep"), printAmount("TotIntPaid"), printAmount("TotRep"),
             printAmount("XtraPay"), printWhole("Xper"), printAmount("XMonRep"),
             printAmount("XTotIntPaid"), printAmount("XTotRep"), printAmount("XTotSavings")}};
}

inline TableSchema bondComp()
{
    std::vector<ColumnSchema> c{printAmount("PAmt"), printAmount("IntRate")};
    // One repayment, interest and total for each term of 5, 10, ... 30 years.
    for (int k = 1; k <= 6; ++k) {
        const std::string n = std::to_string(k);
        c.insert(c.end(),
                 {printAmount("MonRep" + n), printAmount("IntPaid" + n), printAmount("Total" + n)});
    }
    return {"BondComp", TableKind::SingleRow, std::move(c)};
}

inline TableSchema dailyBal()
{
    // The two dates are day numbers (days since 30/12/1899); the template prints them as dates.
    return {"DailyBal",
            TableKind::SingleRow,
            {printAmount("CapAmount"), printWhole("StartDate"), printWhole("EndDate"),
             printAmount("IntRate"), printAmount("ANS1"), printWhole("ANS2")}};
}

inline TableSchema inflation()
{
    return {"Inflation",
            TableKind::SingleRow,
            {printAmount("PresCost"), printAmount("Period"), printAmount("InflaRate"),
             printAmount("Ans1"), printAmount("ANS2")}};
}

} // namespace fixture_tables

/// The program's print tables and the fixture tables it does not have itself.
inline const DatabaseSchema& reportTestSchema()
{
    static const DatabaseSchema schema = [] {
        DatabaseSchema all = programCalculators().printSchema();
        using namespace fixture_tables;
        for (const TableSchema& table : {bondBust(), bondComp(), dailyBal(), inflation()}) {
            if (all.table(table.name) == nullptr) {
                all.tables.push_back(table);
            }
        }
        return all;
    }();
    return schema;
}

} // namespace grovan::testing

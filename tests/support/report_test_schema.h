#pragma once
// The tables the report engine's own tests print from: the program's print tables, and beside
// them single-row and line tables of the shapes the later printouts use (a loan heading with its
// amortisation lines, a register of cars, ...), so that the engine is tested on every kind of
// table whatever calculators the program has.

#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "shell/calculators.h"

#include <string>
#include <vector>

namespace grovan::testing {

namespace fixture_tables {

inline TableSchema salPackage()
{
    std::vector<ColumnSchema> c{
        printText("MonAnn"),        printText("TPName"),         printWhole("TPAge"),
        printText("MonAnnSal"),     printAmount("NetMonSal"),    printAmount("CostToComp"),
        printAmount("CompCar"),     printAmount("CompCarCC"),    printAmount("TravAll"),
        printAmount("TravAllCC"),   printAmount("MedAidCont"),   printAmount("MedAidContCC"),
        printWhole("PMems"),        printWhole("AddBens"),       printAmount("TaxFreeMedPrint"),
        printAmount("OtherTaxFB"),  printAmount("OtherTaxFBCC"), printAmount("PenDeduct"),
        printAmount("PenDeductCC"), printAmount("ProvDeduct"),   printAmount("ProvDeductCC"),
        printText("RADirective"),   printAmount("RADeduct"),     printAmount("MedDeduct"),
        printAmount("UIFCont"),     printAmount("UIFContCC"),    printAmount("SkillLevy"),
        printAmount("TaxDue"),      printAmount("TaxCredit"),    printAmount("TaxDeduct"),
        printText("PrinMembers"),   printText("BenMembers"),     printText("OEXPTXT"),
    };
    // The four rows of other expenses: description, "R", amount, cost to company.
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        c.insert(c.end(), {printText("ODedTxt" + n), printText("ODedR" + n),
                           printAmount("ODedNum" + n), printAmount("ODedNumCC" + n)});
    }
    c.insert(c.end(), {printAmount("GSal"), printAmount("TotCostComp"), printText("PlusCompCar1"),
                       printText("PlusCompCar2")});
    return {"SalPackage", TableKind::SingleRow, std::move(c)};
}

inline TableSchema compcar()
{
    return {"compcar",
            TableKind::Lines,
            {printWhole("CarNum"),
             printWhole("CMVMaxNum"),
             printText("CCRegNumber"),
             printText("CCMake"),
             printText("CCModel"),
             printAmount("CCPrice"),
             printText("MaintIncluded"),
             printAmount("CCMonths"),
             printAmount("EndMileage"),
             printAmount("StartMileage"),
             printAmount("TotalDistance"),
             printAmount("BusDistance"),
             printAmount("ActualExpEmployee"),
             printText("SARSTable"),
             printAmount("FuelReimbEmployer"),
             printAmount("EmpPaidInsurance"),
             printAmount("EmpPaidLicence"),
             printAmount("EmpPaidMaintenance"),
             printAmount("Actual3802"),
             printAmount("FB3802ThisCar"),
             printAmount("AdjustTaxableInc"),
             printAmount("SARSDeductionClaim"),
             printAmount("TrueInclusion"),
             printAmount("PrivateDistance"),
             printAmount("FuelComponent"),
             printAmount("Arr_FuelClaim"),
             printAmount("TotAddExpense"),
             printAmount("FuelExp"),
             printText("BussMilage"),
             printText("YearOfManfact"),
             printText("CCStartDate"),
             printText("CCEndDate"),
             printAmount("IRP53802"),
             printAmount("MonFB80"),
             printAmount("MonFB20"),
             printAmount("FortFB80"),
             printAmount("FortFB20"),
             printAmount("WeekFB80"),
             printAmount("WeekFB20")}};
}

inline TableSchema travelDeduction()
{
    return {"traveldeduction",
            TableKind::SingleRow,
            {// written by every printout
             printText("TPName"), printWhole("CARNO"), printText("mta01"), printAmount("mta04"),
             printAmount("mta05"), printAmount("mta06"), printAmount("mta07"),
             printAmount("tadeduction"), printAmount("MTD"), printAmount("MBD"), printAmount("mpd"),
             // deemed cost (no accurate record kept)
             printAmount("mta03"), printAmount("mta14"), printAmount("cv"), printAmount("fce"),
             printAmount("fc"), printAmount("mc"), printAmount("tatc"), printText("FCDet"),
             printText("MCDet"), printText("DateStart"), printText("DateEnd"),
             // actual cost (accurate record kept)
             printAmount("mta08"), printAmount("mta09"), printAmount("mta10"), printAmount("mta11"),
             printAmount("mta12"), printAmount("mta13"), printAmount("totcost"),
             printAmount("pu")}};
}

inline TableSchema loans()
{
    return {"Loans",
            TableKind::SingleRow,
            {printText("Heading"), printAmount("Num1"), printAmount("Num2"), printAmount("Num3"),
             printAmount("Num4"), printText("FinText1"), printText("FinText1A"),
             printAmount("FinNum1"), printText("FinText2"), printAmount("FinNum2"),
             printText("YearMon")}};
}

inline TableSchema amort()
{
    return {"Amort",
            TableKind::Lines,
            {printWhole("Year"), printAmount("Capital"), printAmount("Interest"),
             printAmount("Required")}};
}

} // namespace fixture_tables

/// The program's print tables and the fixture tables it does not have itself.
inline const DatabaseSchema& reportTestSchema()
{
    static const DatabaseSchema schema = [] {
        DatabaseSchema all = programCalculators().printSchema();
        using namespace fixture_tables;
        for (const TableSchema& table :
             {salPackage(), compcar(), travelDeduction(), loans(), amort()}) {
            if (all.table(table.name) == nullptr) {
                all.tables.push_back(table);
            }
        }
        return all;
    }();
    return schema;
}

} // namespace grovan::testing

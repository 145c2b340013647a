#include "paye/monthly_printout.h"

#include "core/print_database.h"
#include "paye/period_printout.h"

namespace grovan {

Row monthlyPrintRow(const MonthlyInputs& current, const MonthlyResults& last,
                    PrintLanguage language)
{
    PrintRowWriter row(language, 45);
    writePeriodHeading(row, {"Monthly Check", "Maandelikse Inkomste"}, current);
    writePeriodTravelAndBonus(row, current, [&current, &last](PrintRowWriter& travel) {
        travel.label("TravAll", {"Travel allowance ", "Reistoelae "});
        travel.value("TravOne", current.travelAllowance);
        travel.value("TravTwo", last.taxableTravel);
    });
    writePeriodFunds(row, current, last);
    row.pair("SDate", {"Start date", "Begin datum"}, "SDateNum", current.startDate.text());
    row.pair("EDate", {"End date", "Eind datum"}, "EDateNum", current.endDate.text());
    writePeriodUifLevyAndTax(row, last);
    writePeriodCredits(row, last);
    writePeriodMedicalContributions(row, current);
    writePeriodTotal(row, last);
    return row.take();
}

TableSchema monthlyPrintTable()
{
    std::vector<ColumnSchema> c;
    c.push_back(printText("TypeAM"));
    c.push_back(printText("Employee"));
    c.insert(c.end(), {printText("Age"), printWhole("AgeNum")});
    c.insert(c.end(), {printText("Sal"), printAmount("SalNum")});
    c.insert(c.end(), {printText("DirFees"), printAmount("DirFeesNum")});
    // The travel allowance line carries the amount received and its taxable part.
    c.insert(c.end(), {printText("TravAll"), printAmount("TravOne"), printAmount("TravTwo")});
    c.insert(c.end(), {printText("Bonus"), printAmount("BonusNum")});
    c.insert(c.end(), {printText("MedExp"), printAmount("MedExpNum")});
    c.insert(c.end(), {printText("PenCont"), printAmount("PenContNum")});
    c.insert(c.end(), {printText("RACont"), printAmount("RAContNum")});
    c.insert(c.end(), {printText("SDate"), printText("SDateNum")});
    c.insert(c.end(), {printText("EDate"), printText("EDateNum")});
    c.insert(c.end(), {printText("UIFEMPE"), printAmount("UIFEMPENum")});
    c.insert(c.end(), {printText("UIFEMPR"), printAmount("UIFEMPRNum")});
    c.insert(c.end(), {printText("SDL"), printAmount("SDLNum")});
    c.push_back(printText("EOE"));
    c.insert(c.end(), {printText("Taxliability"), printAmount("Taxliabilitynum")});
    c.insert(c.end(), {printText("TaxCredit"), printAmount("Taxcreditnum")});
    c.insert(c.end(), {printText("TaxCreditCons"), printAmount("TaxcreditnumCons")});
    c.insert(c.end(), {printText("EmpERMedAidCont"), printAmount("EmpERMedAidContnum")});
    c.insert(c.end(), {printText("EmpEEMedAidCont"), printAmount("EmpEEMedAidContnum")});
    c.insert(c.end(), {printText("AnnCalcBens3"), printWhole("AnnCalcBens3num")});
    c.push_back(printText("MedAidBens"));
    c.insert(c.end(), {printText("TOTAL"), printAmountOrZero("TotalNum")});
    return {kMonthlyPrintTable, TableKind::SingleRow, std::move(c)};
}

} // namespace grovan

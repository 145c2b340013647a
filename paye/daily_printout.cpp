#include "paye/daily_printout.h"

#include "core/print_database.h"
#include "paye/period_printout.h"

namespace grovan {

Row dailyPrintRow(const DailyInputs& current, const PeriodResults& last, PrintLanguage language)
{
    PrintRowWriter row(language, 40);
    writePeriodHeading(row, {"Daily Check", "Daaglikse Inkomste"}, current);
    writePeriodTravelAndBonus(row, current, [&current](PrintRowWriter& travel) {
        travel.pair("TravAll", {"Travel allowance ", "Reistoelae "}, "RecBefNum",
                    current.travelAllowance);
    });
    writePeriodFunds(row, current, last);
    writePeriodUifLevyAndTax(row, last);
    writePeriodMedicalContributions(row, current);
    writePeriodCredits(row, last);
    writePeriodTotal(row, last);
    return row.take();
}

TableSchema dailyPrintTable()
{
    std::vector<ColumnSchema> c;
    c.push_back(printText("TypeAM"));
    c.push_back(printText("Employee"));
    c.insert(c.end(), {printText("Age"), printWhole("AgeNum")});
    c.insert(c.end(), {printText("Sal"), printAmount("SalNum")});
    c.insert(c.end(), {printText("DirFees"), printAmount("DirFeesNum")});
    c.insert(c.end(), {printText("TravAll"), printAmount("RecBefNum")});
    c.insert(c.end(), {printText("Bonus"), printAmount("BonusNum")});
    c.insert(c.end(), {printText("MedExp"), printAmount("MedExpNum")});
    c.insert(c.end(), {printText("PenCont"), printAmount("PenContNum")});
    c.insert(c.end(), {printText("RACont"), printAmount("RAContNum")});
    c.insert(c.end(), {printText("UIFEMPE"), printAmount("UIFEMPENum")});
    c.insert(c.end(), {printText("UIFEMPR"), printAmount("UIFEMPRNum")});
    c.insert(c.end(), {printText("SDL"), printAmount("SDLNum")});
    c.push_back(printText("EOE"));
    c.insert(c.end(), {printText("Taxliability"), printAmount("Taxliabilitynum")});
    c.insert(c.end(), {printText("EmpERMedAidCont"), printAmount("EmpERMedAidContnum")});
    c.insert(c.end(), {printText("EmpEEMedAidCont"), printAmount("EmpEEMedAidContnum")});
    c.insert(c.end(), {printText("AnnCalcBens3"), printWhole("AnnCalcBens3num")});
    c.push_back(printText("MedAidBens"));
    c.insert(c.end(), {printText("TaxCredit"), printAmount("Taxcreditnum")});
    c.insert(c.end(), {printText("TaxCreditCons"), printAmount("TaxcreditnumCons")});
    c.insert(c.end(), {printText("TOTAL"), printAmountOrZero("TotalNum")});
    return {kDailyPrintTable, TableKind::SingleRow, std::move(c)};
}

} // namespace grovan

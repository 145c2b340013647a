#include "paye/work_period_printout.h"

#include "core/print_database.h"
#include "paye/period_printout.h"

namespace grovan {

Row workPeriodPrintRow(const WorkPeriod& period, const WorkPeriodInputs& current,
                       const PeriodResults& last, PrintLanguage language)
{
    PrintRowWriter row(language, 46);
    writePeriodHeading(row, period.heading, current);
    writePeriodTravelAndBonus(row, current, [&current](PrintRowWriter& travel) {
        travel.pair("TravAll", {"Travel allowance ", "Reistoelae ontvang"}, "RecBefNum",
                    current.travelAllowance);
    });
    writePeriodFunds(row, current, last);
    row.pair("SDate", period.normalDaysLabel, "SDateNum", std::int64_t{current.normalDays});
    row.pair("EDate", period.thisDaysLabel, "EDateNum", std::int64_t{current.thisDays});
    row.pair("TOTAL", {"Tax deduction", "Belasting Aftrekkings"}, "TotalNum", last.taxLiability);
    writePeriodUifLevyAndTax(row, last);
    writePeriodMedicalContributions(row, current);
    writePeriodCredits(row, last);
    writePeriodTotal(row, last);
    return row.take();
}

TableSchema workPeriodPrintTable()
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
    // The fortnightly and weekly printouts put the two day counts (normal period, this period)
    // where the monthly one has its dates.
    c.insert(c.end(), {printText("SDate"), printWhole("SDateNum")});
    c.insert(c.end(), {printText("EDate"), printWhole("EDateNum")});
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
    return {kWorkPeriodPrintTable, TableKind::SingleRow, std::move(c)};
}

} // namespace grovan

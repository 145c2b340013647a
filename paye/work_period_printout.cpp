#include "paye/work_period_printout.h"

#include "paye/period_printout.h"

namespace grovan {

namespace {

void writeTravel(PrintRowWriter& row, const WorkPeriodInputs& current)
{
    row.pair("TravAll", {"Travel allowance ", "Reistoelae ontvang"}, "RecBefNum",
             current.travelAllowance);
}

} // namespace

Row workPeriodPrintRow(const WorkPeriod& period, const WorkPeriodInputs& current,
                       const PeriodResults& last, PrintLanguage language)
{
    PrintRowWriter row(language, 46);
    writePeriodHeading(row, period.heading, current);
    if (language == PrintLanguage::English) {
        writeTravel(row, current);
        writePeriodBonus(row, current);
    } else {
        writePeriodBonus(row, current);
        writeTravel(row, current);
    }
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

} // namespace grovan

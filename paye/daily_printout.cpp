#include "paye/daily_printout.h"

#include "paye/period_printout.h"

namespace grovan {

namespace {

void writeTravel(PrintRowWriter& row, const DailyInputs& current)
{
    row.pair("TravAll", {"Travel allowance ", "Reistoelae "}, "RecBefNum", current.travelAllowance);
}

} // namespace

Row dailyPrintRow(const DailyInputs& current, const PeriodResults& last, PrintLanguage language)
{
    PrintRowWriter row(language, 40);
    writePeriodHeading(row, {"Daily Check", "Daaglikse Inkomste"}, current);
    if (language == PrintLanguage::English) {
        writeTravel(row, current);
        writePeriodBonus(row, current);
    } else {
        writePeriodBonus(row, current);
        writeTravel(row, current);
    }
    writePeriodFunds(row, current, last);
    writePeriodUifLevyAndTax(row, last);
    writePeriodMedicalContributions(row, current);
    writePeriodCredits(row, last);
    writePeriodTotal(row, last);
    return row.take();
}

} // namespace grovan

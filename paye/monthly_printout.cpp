#include "paye/monthly_printout.h"

#include "paye/period_printout.h"

namespace grovan {

namespace {

void writeTravel(PrintRowWriter& row, const MonthlyInputs& current, const MonthlyResults& last)
{
    row.label("TravAll", {"Travel allowance ", "Reistoelae "});
    row.value("TravOne", current.travelAllowance);
    row.value("TravTwo", last.taxableTravel);
}

} // namespace

Row monthlyPrintRow(const MonthlyInputs& current, const MonthlyResults& last,
                    PrintLanguage language)
{
    PrintRowWriter row(language, 45);
    writePeriodHeading(row, {"Monthly Check", "Maandelikse Inkomste"}, current);
    if (language == PrintLanguage::English) {
        writeTravel(row, current, last);
        writePeriodBonus(row, current);
    } else {
        writePeriodBonus(row, current);
        writeTravel(row, current, last);
    }
    writePeriodFunds(row, current, last);
    row.pair("SDate", {"Start date", "Begin datum"}, "SDateNum", current.startDate.text());
    row.pair("EDate", {"End date", "Eind datum"}, "EDateNum", current.endDate.text());
    writePeriodUifLevyAndTax(row, last);
    writePeriodCredits(row, last);
    writePeriodMedicalContributions(row, current);
    writePeriodTotal(row, last);
    return row.take();
}

} // namespace grovan

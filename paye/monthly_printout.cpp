// SPDX-License-Identifier: GPL-3.0-or-later
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
    return {kMonthlyPrintTable, TableKind::SingleRow,
            periodColumns({periodHeadingColumns(),
                           // The travel allowance line carries the amount received and its
                           // taxable part.
                           {printText("TravAll"), printAmount("TravOne"), printAmount("TravTwo")},
                           {printText("Bonus"), printAmount("BonusNum")},
                           periodFundColumns(),
                           {printText("SDate"), printText("SDateNum"), printText("EDate"),
                            printText("EDateNum")},
                           periodUifLevyAndTaxColumns(),
                           periodCreditColumns(),
                           periodMedicalContributionColumns(),
                           periodTotalColumns()})};
}

} // namespace grovan

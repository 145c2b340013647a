// SPDX-License-Identifier: GPL-3.0-or-later
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
    return {kDailyPrintTable, TableKind::SingleRow,
            periodColumns({periodHeadingColumns(),
                           {printText("TravAll"), printAmount("RecBefNum")},
                           {printText("Bonus"), printAmount("BonusNum")},
                           periodFundColumns(),
                           periodUifLevyAndTaxColumns(),
                           periodMedicalContributionColumns(),
                           periodCreditColumns(),
                           periodTotalColumns()})};
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
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
    return {kWorkPeriodPrintTable, TableKind::SingleRow,
            periodColumns({periodHeadingColumns(),
                           {printText("TravAll"), printAmount("RecBefNum")},
                           {printText("Bonus"), printAmount("BonusNum")},
                           periodFundColumns(),
                           // The fortnightly and weekly printouts put the two day counts (normal
                           // period, this period) where the monthly one has its dates.
                           {printText("SDate"), printWhole("SDateNum"), printText("EDate"),
                            printWhole("EDateNum")},
                           periodUifLevyAndTaxColumns(),
                           periodMedicalContributionColumns(),
                           periodCreditColumns(),
                           periodTotalColumns()})};
}

} // namespace grovan

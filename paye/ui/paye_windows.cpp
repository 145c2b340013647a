// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/ui/paye_windows.h"

#include "core/ui/window_registry.h"
#include "paye/paye_calculators.h"
#include "paye/ui/frm_annual.h"
#include "paye/ui/frm_daily.h"
#include "paye/ui/frm_monthly.h"
#include "paye/ui/work_period_window.h"

namespace grovan {

void addPayeWindows(WindowRegistry& windows)
{
    windows.add(annualCalculator().windowName,
                [](const WindowContext& context) { return std::make_unique<frmAnnual>(context); });
    windows.add(monthlyCalculator().windowName,
                [](const WindowContext& context) { return std::make_unique<frmMonthly>(context); });
    for (const WorkPeriodKind kind : {WorkPeriodKind::Fortnightly, WorkPeriodKind::Weekly}) {
        windows.add(workPeriodCalculator(kind).windowName, [kind](const WindowContext& context) {
            return std::make_unique<WorkPeriodWindow>(kind, context);
        });
    }
    windows.add(dailyCalculator().windowName,
                [](const WindowContext& context) { return std::make_unique<frmDaily>(context); });
}

} // namespace grovan

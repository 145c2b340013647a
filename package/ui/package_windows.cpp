// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/ui/package_windows.h"

#include "core/ui/window_registry.h"
#include "package/package_calculators.h"
#include "package/ui/frm_rapell.h"
#include "package/ui/salary_package_window.h"

namespace grovan {

void addPackageWindows(WindowRegistry& windows, TaxSummary& quickTax)
{
    for (const PackageWindowKind kind :
         {PackageWindowKind::GrovanMonthly, PackageWindowKind::GrovanAnnual,
          PackageWindowKind::VelmoraMonthly, PackageWindowKind::VelmoraAnnual}) {
        windows.add(packageCalculator(kind).windowName, [kind](const WindowContext& context) {
            return std::make_unique<SalaryPackageWindow>(kind, context);
        });
    }
    windows.add(quickTaxCalculator().windowName, [&quickTax](const WindowContext& context) {
        return std::make_unique<frmRapell>(quickTax, context);
    });
}

} // namespace grovan

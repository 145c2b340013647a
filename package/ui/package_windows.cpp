#include "package/ui/package_windows.h"

#include "core/ui/window_registry.h"
#include "package/package_calculators.h"
#include "package/ui/frm_rapell.h"

namespace grovan {

void addPackageWindows(WindowRegistry& windows, TaxSummary& quickTax)
{
    windows.add(quickTaxCalculator().windowName, [&quickTax](const WindowContext& context) {
        return std::make_unique<frmRapell>(quickTax, context);
    });
}

} // namespace grovan

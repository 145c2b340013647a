#include "shell/initialise_all.h"

#include <array>

namespace grovan {

std::span<const std::string_view> windowsClosedByInitialiseAll()
{
    static constexpr std::array<std::string_view, 16> windows = {
        "frmAnnual",    "frmMonthly",    "frmWeekly",      "frmDaily",
        "frmCompCar",   "frmCarAll1",    "frmHelpBrowser", "frmInflation",
        "frmLoans",     "frmLoanBuster", "frmLoanComp",    "frmDayBal",
        "frmGrovanMon", "frmGrovanAnn",  "frmVelmoraMon",  "frmVelmoraAnn",
    };
    return windows;
}

} // namespace grovan

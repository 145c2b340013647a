// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_setup.h"

#include "core/number_reader.h"

namespace grovan {

bool applyFundPercentRule(SetupValues& setup)
{
    if (!(setup.PensionCont + setup.EmployerPenCont > kFundPercentLimit)) {
        return false;
    }
    setup.PensionCont = 0.0;
    setup.EmployerPenCont = 0.0;
    return true;
}

bool applyFundPercentRule(const PackageWindow& window, SetupValues& setup)
{
    return window.appliesFundPercentRule && applyFundPercentRule(setup);
}

const SetupValues& confirmPackageSetup(const PackageWindow& window, PackageState& state)
{
    applyFundPercentRule(window, state.setup);
    return state.setup;
}

double percentOnLeaving(std::string_view text)
{
    return readNumber(text).value_or(0.0);
}

} // namespace grovan

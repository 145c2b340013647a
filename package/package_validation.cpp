// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_validation.h"

#include "package/back_calculation.h"

namespace grovan {

Message fringeBenefitsMessage()
{
    return *packageStopMessage(PackageStop::FringeBenefits);
}

std::optional<FieldProblem> validatePackageInputs(const PackageWindow& window,
                                                  const PackageInputs& inputs)
{
    if (window.direction == PackageDirection::Back && inputs.NetRequired != 0.0 &&
        fringeBenefitsExceedNet(window, inputs)) {
        return FieldProblem{nullptr, fringeBenefitsMessage()};
    }
    return std::nullopt;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/car_allowance_layout.h"

#include "vehicle/car_allowance_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr std::array<CarAllowanceResultLine, 9> kDeemedPanel{{
    {"Business distance", &kResultBusinessKmField},
    {"Private distance", &kResultPrivateKmField},
    {"Total distance", &kTotalKmField},
    {"Fixed cost", &kFixedCostField},
    {"", &kFixedCentsField},
    {"Fuel costs", &kFuelCentsField},
    {"Maintenance costs", &kMaintenanceCentsField},
    {"Total costs", &kTotalCentsField},
    {"Deduction claim          R", &kDeductionClaimField},
}};

constexpr std::array<CarAllowanceResultLine, 7> kActualPanel{{
    {"Business Km's", &kResultBusinessKmField},
    {"Private Km's", &kResultPrivateKmField},
    {"Total Km's", &kTotalKmField},
    {"Total costs", &kTotalCostsField},
    {"Less private use", &kLessPrivateUseField},
    {"Travel expenses", &kDeductionClaimField},
    {"Deduction claim", &kDeductionClaimField},
}};

} // namespace

CarAllowanceLayout carAllowanceLayout(bool accurateRecordKept)
{
    if (accurateRecordKept) {
        return {.costFields = true, .period = false, .results = kActualPanel};
    }
    return {.costFields = false, .period = true, .results = kDeemedPanel};
}

} // namespace grovan

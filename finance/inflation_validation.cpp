// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/inflation_validation.h"

#include "finance/inflation_fields.h"

namespace grovan {

namespace {

bool fieldTakes(const FieldDescription& field, double value)
{
    return value >= field.minimum && value <= field.maximum;
}

} // namespace

Message inflationRateMessage()
{
    return {"The range of the Inflation Rate is between -5% and 40%", "Incorrect Inflation Rate!",
            MessageIcon::Error};
}

Message inflationPeriodMessage()
{
    return {"The maximum period allowed 40 years", "Incorrect Period!", MessageIcon::Error};
}

std::optional<Message> inflationRefusalMessage(const FieldDescription& field, std::optional<double>,
                                               const InflationState&)
{
    if (&field == &inflationRateField()) {
        return inflationRateMessage();
    }
    if (&field == &inflationPeriodField()) {
        return inflationPeriodMessage();
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateInflationInputs(const InflationState& state)
{
    if (!fieldTakes(inflationPeriodField(), state.InflationYears)) {
        return FieldProblem{&inflationPeriodField(), inflationPeriodMessage()};
    }
    if (!fieldTakes(inflationRateField(), state.InflationRate)) {
        return FieldProblem{&inflationRateField(), inflationRateMessage()};
    }
    return std::nullopt;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/work_period_validation.h"

#include <string>

namespace grovan {

namespace {

constexpr const char* kDaysTitle = "Incorrect Number of Days";

} // namespace

Message daysMessage(const WorkPeriod& period)
{
    return {std::string(period.daysMessage), kDaysTitle, MessageIcon::Error};
}

Message zeroDaysMessage(const WorkPeriod& period)
{
    return {"The number of '" + std::string(period.thisDaysField.label) +
                "' days must be 1 or more.",
            kDaysTitle, MessageIcon::Error};
}

std::optional<Message> workPeriodRefusalMessage(const WorkPeriod& period,
                                                const FieldDescription& field,
                                                std::optional<double> rejected)
{
    const bool dayField = &field == &period.normalDaysField || &field == &period.thisDaysField;
    if (!dayField || !rejected || *rejected <= field.maximum) {
        return std::nullopt;
    }
    return Message{"The number of '" + std::string(field.label) + "' days must be " +
                       std::to_string(period.days) + " or fewer.",
                   kDaysTitle, MessageIcon::Error};
}

std::optional<FieldProblem> validateWorkPeriodInputs(const WorkPeriod& period,
                                                     const WorkPeriodInputs& inputs)
{
    if (inputs.thisDays > inputs.normalDays) {
        return FieldProblem{nullptr, daysMessage(period)};
    }
    if (inputs.thisDays <= 0) {
        return FieldProblem{&period.thisDaysField, zeroDaysMessage(period)};
    }
    return std::nullopt;
}

} // namespace grovan

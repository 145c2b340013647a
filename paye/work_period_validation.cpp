#include "paye/work_period_validation.h"

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

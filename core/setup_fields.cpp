#include "core/setup_fields.h"

#include <array>

namespace grovan {

namespace {

constexpr SetupValues kNewInstallation{};

constexpr FieldDescription kEmployeeUif{
    .controlName = "numEmpEUIF",
    .label = "Employee UIF portion",
    .key = "employeeUif",
    .meaning = "Employee's UIF contribution, percent of the UIF base",
    .unit = "percent",
    .kind = FieldKind::Percent,
    .sign = FieldSign::Percent,
    .minimum = 0.0,
    .maximum = 100.0,
    .integerDigits = 3,
    .decimals = 3,
    .defaultValue = kNewInstallation.EmployeeUIF,
    .displayFormat = "##0.000",
};
constexpr FieldDescription kEmployerUif{
    .controlName = "numEmpRUIF",
    .label = "Employer UIF portion",
    .key = "employerUif",
    .meaning = "Employer's UIF contribution, percent of the UIF base",
    .unit = "percent",
    .kind = FieldKind::Percent,
    .sign = FieldSign::Percent,
    .minimum = 0.0,
    .maximum = 100.0,
    .integerDigits = 3,
    .decimals = 3,
    .defaultValue = kNewInstallation.EmployerUIF,
    .displayFormat = "##0.000",
};
constexpr FieldDescription kUifLimit{
    .controlName = "numUIFLimit",
    .label = "UIF monthly limit",
    .key = "uifLimit",
    .meaning = "Monthly UIF limit; the part of the UIF base above it is not charged",
    .unit = "rands a month",
    .kind = FieldKind::Amount,
    .sign = FieldSign::Rand,
    .minimum = 0.0,
    .maximum = 999999.0,
    .integerDigits = 6,
    .decimals = 0,
    .defaultValue = kNewInstallation.UIFLimit,
    .displayFormat = "### ##0",
};
constexpr FieldDescription kSkillsLevy{
    .controlName = "numSkillPercent",
    .label = "Skills levy",
    .key = "skillsLevy",
    .meaning = "Skills development levy, percent of the levy base",
    .unit = "percent",
    .kind = FieldKind::Percent,
    .sign = FieldSign::Percent,
    .minimum = 0.0,
    .maximum = 100.0,
    .integerDigits = 3,
    .decimals = 3,
    .defaultValue = kNewInstallation.SkillLevy,
    .displayFormat = "##0.000",
};
// The window shows this one as the option pair "80%" (optTAIncRate80) and "20%"
// (optTAIncRate20); a stored rate that is neither is used as it stands.
constexpr FieldDescription kInclusionRate{
    .controlName = "optTAIncRate80",
    .label = "Travel allowance inclusion rate :",
    .key = "travelInclusionRate",
    .meaning = "Taxable part of a travel allowance: 0.8 (option \"80%\") or 0.2 (option \"20%\")",
    .unit = "fraction",
    .kind = FieldKind::Fraction,
    .sign = FieldSign::None,
    .minimum = 0.0,
    .maximum = 1.0,
    .integerDigits = 1,
    .decimals = 2,
    .defaultValue = kNewInstallation.TAIncRate8020,
    .displayFormat = "0.0#",
};

template <double SetupValues::*Member> InputValue getRate(const SetupValues& values)
{
    return values.*Member;
}

template <double SetupValues::*Member> void setRate(SetupValues& values, const InputValue& value)
{
    values.*Member = std::get<double>(value);
}

template <double SetupValues::*Member>
constexpr InputBinding<SetupValues> bind(const FieldDescription& field)
{
    return {&field, &getRate<Member>, &setRate<Member>};
}

constexpr std::array<InputBinding<SetupValues>, 5> kPeriodicSetup{
    bind<&SetupValues::EmployeeUIF>(kEmployeeUif),
    bind<&SetupValues::EmployerUIF>(kEmployerUif),
    bind<&SetupValues::UIFLimit>(kUifLimit),
    bind<&SetupValues::SkillLevy>(kSkillsLevy),
    bind<&SetupValues::TAIncRate8020>(kInclusionRate),
};

} // namespace

std::span<const InputBinding<SetupValues>> periodicSetupBindings()
{
    return kPeriodicSetup;
}

} // namespace grovan

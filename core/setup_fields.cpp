// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/setup_fields.h"

#include "core/field_reader.h"

#include <array>

namespace grovan {

namespace {

constexpr SetupValues kNewInstallation{};

constexpr FieldDescription kEmployeeUif = setupPercentField(
    "numEmpEUIF", "Employee UIF portion", "employeeUif",
    "Employee's UIF contribution, percent of the UIF base", kNewInstallation.EmployeeUIF);
constexpr FieldDescription kEmployerUif = setupPercentField(
    "numEmpRUIF", "Employer UIF portion", "employerUif",
    "Employer's UIF contribution, percent of the UIF base", kNewInstallation.EmployerUIF);
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
constexpr FieldDescription kSkillsLevy = setupPercentField(
    "numSkillPercent", "Skills levy", "skillsLevy",
    "Skills development levy, percent of the levy base", kNewInstallation.SkillLevy);
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

constexpr std::array<InputBinding<SetupValues>, 5> kPeriodicSetup{
    bindMember<SetupValues, &SetupValues::EmployeeUIF>(kEmployeeUif),
    bindMember<SetupValues, &SetupValues::EmployerUIF>(kEmployerUif),
    bindMember<SetupValues, &SetupValues::UIFLimit>(kUifLimit),
    bindMember<SetupValues, &SetupValues::SkillLevy>(kSkillsLevy),
    bindMember<SetupValues, &SetupValues::TAIncRate8020>(kInclusionRate),
};

} // namespace

std::span<const InputBinding<SetupValues>> periodicSetupBindings()
{
    return kPeriodicSetup;
}

Message setupRangeMessage(const FieldDescription& field)
{
    const auto limit = [&field](double value) {
        const std::string number = limitText(field, value);
        switch (field.sign) {
        case FieldSign::Percent:
            return number + "%";
        case FieldSign::Rand:
            return "R" + number;
        case FieldSign::None:
            break;
        }
        return number;
    };
    return {"The " + std::string(field.label) + " must be between " + limit(field.minimum) +
                " and " + limit(field.maximum) + ".",
            "Incorrect Value!", MessageIcon::Error};
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_store.h"

#include "core/setup_fields.h"
#include "core/tax_year.h"

namespace grovan {

namespace {

constexpr const char* kTable = "Setup";

double realOf(const Row& row, std::string_view name, double fallback)
{
    const FieldValue* value = findField(row, name);
    if (value == nullptr) {
        return fallback;
    }
    if (const auto* number = std::get_if<double>(value)) {
        return *number;
    }
    if (const auto* whole = std::get_if<std::int64_t>(value)) {
        return static_cast<double>(*whole);
    }
    return fallback;
}

} // namespace

InclusionOption inclusionOptionFor(double inclusionRate)
{
    if (inclusionRate == TaxYearConstants::InclusionRate80) {
        return InclusionOption::Rate80;
    }
    if (inclusionRate == TaxYearConstants::InclusionRate20) {
        return InclusionOption::Rate20;
    }
    return InclusionOption::Neither;
}

const DatabaseSchema& SettingsDatabase::schema()
{
    static const DatabaseSchema schema = [] {
        const SetupValues initial;
        // The ranges the set-up fields and the command line take; a stored value outside its
        // field's range (written by another program, or by hand) is restored when it is loaded.
        const auto rangeOf = [](std::string_view key) -> std::optional<ValueRange> {
            for (const auto& binding : periodicSetupBindings()) {
                if (binding.field->key == key) {
                    return ValueRange{binding.field->minimum, binding.field->maximum};
                }
            }
            return std::nullopt;
        };
        const auto fundRate = setupPercentField({}, {}, {});
        const std::optional<ValueRange> percent{{fundRate.minimum, fundRate.maximum}};
        const std::optional<ValueRange> inclusion = rangeOf("travelInclusionRate");
        const auto real = [](const char* name, double value, std::optional<ValueRange> range) {
            return ColumnSchema{name, ColumnType::Real, value, range};
        };
        return DatabaseSchema{
            "settings database",
            {TableSchema{kTable,
                         TableKind::SingleRow,
                         {
                             real("EmployeeUIF", initial.EmployeeUIF, rangeOf("employeeUif")),
                             real("EmployerUIF", initial.EmployerUIF, rangeOf("employerUif")),
                             real("SkillLevy", initial.SkillLevy, rangeOf("skillsLevy")),
                             real("UIFLimit", initial.UIFLimit, rangeOf("uifLimit")),
                             real("TAIncRate8020", initial.TAIncRate8020, inclusion),
                             real("PensionCont", initial.PensionCont, percent),
                             real("EmployerPenCont", initial.EmployerPenCont, percent),
                             real("ProvCont", initial.ProvCont, percent),
                             real("EmployerProvCont", initial.EmployerProvCont, percent),
                             real("CompCarFBRate8020", initial.CompCarFBRate8020, inclusion),
                             {"CompCarMPYesNo", ColumnType::Boolean,
                              std::int64_t{initial.CompCarMPYesNo ? 1 : 0}},
                         }}},
            false,
            "The standard set-up values are used for now."};
    }();
    return schema;
}

SettingsDatabase::SettingsDatabase(std::filesystem::path file, MessageSink& messages)
    : m_database(std::move(file), schema(), messages)
{}

std::optional<SetupValues> SettingsDatabase::loadStored() const
{
    SetupValues values;
    const auto row = m_database.readRow(kTable);
    if (!row) {
        return std::nullopt;
    }
    values.EmployeeUIF = realOf(*row, "EmployeeUIF", values.EmployeeUIF);
    values.EmployerUIF = realOf(*row, "EmployerUIF", values.EmployerUIF);
    values.SkillLevy = realOf(*row, "SkillLevy", values.SkillLevy);
    values.UIFLimit = realOf(*row, "UIFLimit", values.UIFLimit);
    values.TAIncRate8020 = realOf(*row, "TAIncRate8020", values.TAIncRate8020);
    values.PensionCont = realOf(*row, "PensionCont", values.PensionCont);
    values.EmployerPenCont = realOf(*row, "EmployerPenCont", values.EmployerPenCont);
    values.ProvCont = realOf(*row, "ProvCont", values.ProvCont);
    values.EmployerProvCont = realOf(*row, "EmployerProvCont", values.EmployerProvCont);
    values.CompCarFBRate8020 = realOf(*row, "CompCarFBRate8020", values.CompCarFBRate8020);
    values.CompCarMPYesNo = realOf(*row, "CompCarMPYesNo", 0.0) != 0.0;
    return values;
}

SetupValues SettingsDatabase::load() const
{
    return loadStored().value_or(SetupValues{});
}

namespace {

Row fieldsOf(const SetupValues& values, SetupFields which)
{
    Row fields{
        {"EmployeeUIF", values.EmployeeUIF},     {"EmployerUIF", values.EmployerUIF},
        {"SkillLevy", values.SkillLevy},         {"UIFLimit", values.UIFLimit},
        {"TAIncRate8020", values.TAIncRate8020},
    };
    if (which == SetupFields::Package) {
        fields.insert(fields.end(),
                      {
                          {"PensionCont", values.PensionCont},
                          {"EmployerPenCont", values.EmployerPenCont},
                          {"ProvCont", values.ProvCont},
                          {"EmployerProvCont", values.EmployerProvCont},
                          {"CompCarFBRate8020", values.CompCarFBRate8020},
                          {"CompCarMPYesNo", std::int64_t{values.CompCarMPYesNo ? 1 : 0}},
                      });
    }
    return fields;
}

} // namespace

bool SettingsDatabase::save(const SetupValues& values, SetupFields which) const
{
    return m_database.writeRow(kTable, fieldsOf(values, which));
}

bool SettingsDatabase::saveChanged(const SetupValues& before, const SetupValues& values,
                                   SetupFields which) const
{
    const Row old = fieldsOf(before, which);
    Row changed;
    for (const Field& field : fieldsOf(values, which)) {
        if (*findField(old, field.name) != field.value) {
            changed.push_back(field);
        }
    }
    return changed.empty() || m_database.writeRow(kTable, changed);
}

} // namespace grovan

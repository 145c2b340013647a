#include "core/settings_store.h"

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
        return DatabaseSchema{
            "settings database",
            {TableSchema{kTable,
                         TableKind::SingleRow,
                         {
                             {"EmployeeUIF", ColumnType::Real, initial.EmployeeUIF},
                             {"EmployerUIF", ColumnType::Real, initial.EmployerUIF},
                             {"SkillLevy", ColumnType::Real, initial.SkillLevy},
                             {"UIFLimit", ColumnType::Real, initial.UIFLimit},
                             {"TAIncRate8020", ColumnType::Real, initial.TAIncRate8020},
                             {"PensionCont", ColumnType::Real, initial.PensionCont},
                             {"EmployerPenCont", ColumnType::Real, initial.EmployerPenCont},
                             {"ProvCont", ColumnType::Real, initial.ProvCont},
                             {"EmployerProvCont", ColumnType::Real, initial.EmployerProvCont},
                             {"CompCarFBRate8020", ColumnType::Real, initial.CompCarFBRate8020},
                             {"CompCarMPYesNo", ColumnType::Boolean,
                              std::int64_t{initial.CompCarMPYesNo ? 1 : 0}},
                         }}},
            false};
    }();
    return schema;
}

SettingsDatabase::SettingsDatabase(std::filesystem::path file, MessageSink& messages)
    : m_database(std::move(file), schema(), messages)
{}

SetupValues SettingsDatabase::load() const
{
    SetupValues values;
    const auto row = m_database.readRow(kTable);
    if (!row) {
        return values;
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

bool SettingsDatabase::save(const SetupValues& values, SetupFields which) const
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
    return m_database.writeRow(kTable, fields);
}

} // namespace grovan

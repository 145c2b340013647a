// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"

namespace grovan {

ColumnSchema printText(std::string name)
{
    return {std::move(name), ColumnType::Text, std::string()};
}

ColumnSchema printAmount(std::string name)
{
    return {std::move(name), ColumnType::Real, 0.0};
}

ColumnSchema printWhole(std::string name)
{
    return {std::move(name), ColumnType::Integer, std::int64_t{0}};
}

ColumnSchema printAmountOrZero(std::string name)
{
    return {std::move(name), ColumnType::Any, 0.0};
}

DatabaseSchema printDatabaseSchema(std::vector<TableSchema> tables)
{
    return {"print database", std::move(tables), true,
            "Nothing can be printed until it can be read."};
}

PrintDatabase::PrintDatabase(std::filesystem::path file, const DatabaseSchema& schema,
                             MessageSink& messages)
    : m_schema(schema), m_database(std::move(file), schema, messages)
{}

bool PrintDatabase::writeRow(std::string_view table, const Row& fields) const
{
    return m_database.writeRow(table, fields);
}

bool PrintDatabase::replaceLines(std::string_view table, const std::vector<Row>& lines) const
{
    return m_database.replaceLines(table, lines);
}

bool PrintDatabase::write(std::span<const TableWrite> writes) const
{
    return m_database.write(writes);
}

std::optional<Row> PrintDatabase::readRow(std::string_view table) const
{
    return m_database.readRow(table);
}

std::optional<std::vector<Row>> PrintDatabase::readLines(std::string_view table) const
{
    return m_database.readLines(table);
}

bool PrintDatabase::prepare() const
{
    return m_database.prepare();
}

} // namespace grovan

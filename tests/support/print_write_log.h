// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/schema_database.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <filesystem>
#include <string>
#include <vector>

namespace grovan::testing {

/// Records every field written into one table of a database file, in the order written, through
/// triggers beside the table: a printout's order of writing (a field written twice, two lines
/// swapped in one language) shows in the log though the row keeps only the last values. The
/// table must exist; the log and its triggers stay in the file.
class PrintWriteLog
{
public:
    PrintWriteLog(std::filesystem::path file, const std::string& table) : m_file(std::move(file))
    {
        SQLite::Database db(m_file.string(), SQLite::OPEN_READWRITE);
        db.exec("CREATE TABLE IF NOT EXISTS written_log (field TEXT, value)");
        SQLite::Statement columns(db, "SELECT name FROM pragma_table_info(?)");
        columns.bind(1, table);
        std::vector<std::string> names;
        while (columns.executeStep()) {
            names.push_back(columns.getColumn(0).getString());
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            db.exec("CREATE TRIGGER IF NOT EXISTS written_log_" + std::to_string(i) +
                    " AFTER UPDATE OF \"" + names[i] + "\" ON \"" + table +
                    "\" BEGIN INSERT INTO written_log VALUES ('" + names[i] + "', NEW.\"" +
                    names[i] + "\"); END");
        }
    }

    /// Every field written since the log began (or was cleared), in order.
    Row written() const
    {
        SQLite::Database db(m_file.string(), SQLite::OPEN_READONLY);
        SQLite::Statement query(db, "SELECT field, value FROM written_log ORDER BY rowid");
        Row row;
        while (query.executeStep()) {
            const SQLite::Column value = query.getColumn(1);
            FieldValue held;
            if (value.isInteger()) {
                held = std::int64_t{value.getInt64()};
            } else if (value.isFloat()) {
                held = value.getDouble();
            } else if (value.isText()) {
                held = value.getString();
            }
            row.push_back({query.getColumn(0).getString(), held});
        }
        return row;
    }

    void clear() const
    {
        SQLite::Database db(m_file.string(), SQLite::OPEN_READWRITE);
        db.exec("DELETE FROM written_log");
    }

private:
    std::filesystem::path m_file;
};

} // namespace grovan::testing

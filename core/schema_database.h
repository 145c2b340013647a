// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace SQLite {
class Database;
}

namespace grovan {

/// A value of a database field: nothing (NULL), a whole number, a double or a text.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string>;

/// Column types. Tables are STRICT, so a value of the wrong type is refused rather than stored.
enum class ColumnType
{
    Integer, ///< whole numbers: counts, ages, version numbers
    Real,    ///< doubles; a whole number written here is stored as a double
    Text,
    Boolean, ///< yes/no, stored as 0 or 1
    Any,     ///< keeps what was written, such as an amount field that is sometimes the integer 0
};

/// The values a number column may hold, ends included.
struct ValueRange
{
    double minimum;
    double maximum;
};

struct ColumnSchema
{
    std::string name;
    ColumnType type;
    FieldValue initial; ///< the value of a new row, and of a field restored after damage
    /// For number columns: a stored value outside it is restored with `initial`.
    std::optional<ValueRange> range = std::nullopt;
};

enum class TableKind
{
    SingleRow, ///< exactly one row, present from creation, edited in place
    Lines,     ///< one row per line, emptied and refilled as a whole
};

struct TableSchema
{
    std::string name;
    TableKind kind;
    std::vector<ColumnSchema> columns;

    const ColumnSchema* column(std::string_view columnName) const;
};

/// The tables a database file must hold.
struct DatabaseSchema
{
    std::string description; ///< how messages name the file, such as "settings database"
    std::vector<TableSchema> tables;
    bool announceNewFile = false; ///< tell the user when a missing file is made anew
    /// What the program does when the file cannot be read, told after the reason, such as "The
    /// standard values are used for now."
    std::string whenUnreadable = {};

    const TableSchema* table(std::string_view tableName) const;
};

struct Field
{
    std::string name;
    FieldValue value;

    bool operator==(const Field&) const = default;
};
/// Field values in the order they are written or were read.
using Row = std::vector<Field>;

/// The value of `name` in `row`, or nothing.
const FieldValue* findField(const Row& row, std::string_view name);

/// One table's part of a write: a Row edits the one row of a single-row table field by field;
/// lines replace every line of a line table.
struct TableWrite
{
    std::string table;
    std::variant<Row, std::vector<Row>> contents;

    bool operator==(const TableWrite&) const = default;
};

/// A database file whose tables a DatabaseSchema describes. Every operation opens the file, makes
/// sure it is a readable database holding the table the operation needs with every column (and,
/// for a single-row table, its row with values each column can hold: of its type, within its
/// range), restores what is missing or unusable with the initial values and tells the user once,
/// does its work in one transaction and closes the file again; no connection is held open. A
/// number stored as text that reads as a number (" 2.5") is read as that number. Another
/// program's lock is waited for a few seconds. A file that is not a readable database, or not an
/// ordinary file at all (a link to a device, a pipe: never opened through), is kept aside under a
/// new name, never deleted, and a new one is made. Every failure is told to the message sink in
/// words a user understands, with what the program does instead, and returned as "nothing" or
/// false; nothing is thrown.
class SchemaDatabase
{
public:
    /// `schema` must outlive this object.
    SchemaDatabase(std::filesystem::path file, const DatabaseSchema& schema, MessageSink& messages);

    /// The one row of a single-row table, every column of the schema in order.
    std::optional<Row> readRow(std::string_view table) const;
    /// Every line of a line table, in the order they were appended.
    std::optional<std::vector<Row>> readLines(std::string_view table) const;
    /// Edits the one row of a single-row table field by field, in the order given (a field named
    /// twice ends with its last value); fields not named keep their contents. All or nothing.
    bool writeRow(std::string_view table, const Row& fields) const;
    /// Empties a line table and appends the lines in order. All or nothing.
    bool replaceLines(std::string_view table, const std::vector<Row>& lines) const;
    /// Every write in the order given, in one transaction: all or nothing.
    bool write(std::span<const TableWrite> writes) const;
    /// Brings the whole file in order: every table, column and single row.
    bool prepare() const;

    const std::filesystem::path& file() const { return m_file; }
    /// Where the file's problems are told.
    MessageSink& messages() const { return m_messages; }

private:
    /// Whether an operation reads the file or writes it, which decides what a failure means.
    enum class Access
    {
        Read,
        Write,
    };

    std::optional<SQLite::Database> connect(const std::vector<const TableSchema*>& tables,
                                            Access access) const;
    std::optional<SQLite::Database> createFresh(Access access) const;
    std::optional<SQLite::Database> openExisting(Access access) const;
    std::optional<SQLite::Database> replaceUnusable(const std::string& why, Access access) const;
    std::filesystem::path setAside() const;
    void repair(SQLite::Database& db, const TableSchema& table) const;
    bool knownFields(const TableSchema& table, const Row& fields) const;
    const TableSchema* tableOrTell(std::string_view table, TableKind kind) const;
    void tell(MessageIcon icon, const std::string& text) const;
    /// "The <description> <file>", how every message about the file begins.
    std::string theFile() const;
    /// What a failure of an operation of `access` leaves: the schema's words for a read, nothing
    /// changed for a write; with a leading blank.
    std::string consequence(Access access) const;

    std::filesystem::path m_file;
    const DatabaseSchema& m_schema;
    MessageSink& m_messages;
};

} // namespace grovan

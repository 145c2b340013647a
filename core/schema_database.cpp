#include "core/schema_database.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <set>
#include <strings.h>

namespace grovan {

namespace {

constexpr int kBusyTimeoutMs = 3000;

std::string sqlName(std::string_view identifier)
{
    std::string out = "\"";
    for (const char c : identifier) {
        out.push_back(c);
        if (c == '"') {
            out.push_back('"');
        }
    }
    out.push_back('"');
    return out;
}

std::string columnDefinition(const ColumnSchema& column)
{
    const std::string name = sqlName(column.name);
    switch (column.type) {
    case ColumnType::Integer:
        return name + " INTEGER";
    case ColumnType::Real:
        return name + " REAL";
    case ColumnType::Text:
        return name + " TEXT";
    case ColumnType::Boolean:
        return name + " INTEGER CHECK (" + name + " IN (0, 1))";
    case ColumnType::Any:
        return name + " ANY";
    }
    return name;
}

void bind(SQLite::Statement& statement, int index, const FieldValue& value)
{
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        statement.bind(index, static_cast<int64_t>(*whole));
    } else if (const auto* number = std::get_if<double>(&value)) {
        statement.bind(index, *number);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        statement.bind(index, *text);
    } else {
        statement.bind(index);
    }
}

FieldValue valueOf(const SQLite::Column& column)
{
    switch (column.getType()) {
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(column.getInt64());
    case SQLITE_FLOAT:
        return column.getDouble();
    case SQLITE_TEXT:
        return column.getString();
    default:
        return std::monostate{};
    }
}

// Whether a stored value can be read as the column's type.
bool fits(const FieldValue& value, ColumnType type)
{
    switch (type) {
    case ColumnType::Integer:
        return std::holds_alternative<std::int64_t>(value);
    case ColumnType::Real:
        return std::holds_alternative<double>(value) || std::holds_alternative<std::int64_t>(value);
    case ColumnType::Text:
        return std::holds_alternative<std::string>(value);
    case ColumnType::Boolean: {
        const auto* whole = std::get_if<std::int64_t>(&value);
        return whole != nullptr && (*whole == 0 || *whole == 1);
    }
    case ColumnType::Any:
        return true;
    }
    return false;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool isDamage(const SQLite::Exception& error)
{
    const int code = error.getErrorCode() & 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

std::string shown(const std::filesystem::path& path)
{
    return "\u201c" + path.string() + "\u201d";
}

std::string timestamp()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &local);
    return buffer;
}

void createTable(SQLite::Database& db, const TableSchema& table)
{
    std::string sql = "CREATE TABLE " + sqlName(table.name) + " (";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        sql += (i > 0 ? ", " : "") + columnDefinition(table.columns[i]);
    }
    sql += ") STRICT";
    db.exec(sql);
}

void insertInitialRow(SQLite::Database& db, const TableSchema& table)
{
    std::string names;
    std::string marks;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        names += (i > 0 ? ", " : "") + sqlName(table.columns[i].name);
        marks += i > 0 ? ", ?" : "?";
    }
    SQLite::Statement insert(db, "INSERT INTO " + sqlName(table.name) + " (" + names +
                                     ") VALUES (" + marks + ")");
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        bind(insert, static_cast<int>(i + 1), table.columns[i].initial);
    }
    insert.exec();
}

std::string firstRowId(const TableSchema& table)
{
    return "(SELECT min(rowid) FROM " + sqlName(table.name) + ")";
}

void updateRow(SQLite::Database& db, const TableSchema& table, const Row& fields)
{
    for (const Field& field : fields) {
        SQLite::Statement update(db, "UPDATE " + sqlName(table.name) + " SET " +
                                         sqlName(field.name) +
                                         " = ? WHERE rowid = " + firstRowId(table));
        bind(update, 1, field.value);
        update.exec();
    }
}

void refillLines(SQLite::Database& db, const TableSchema& table, const std::vector<Row>& lines)
{
    std::string names;
    std::string marks;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        names += (i > 0 ? ", " : "") + sqlName(table.columns[i].name);
        marks += i > 0 ? ", ?" : "?";
    }
    db.exec("DELETE FROM " + sqlName(table.name));
    SQLite::Statement insert(db, "INSERT INTO " + sqlName(table.name) + " (" + names +
                                     ") VALUES (" + marks + ")");
    for (const Row& line : lines) {
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            const FieldValue* given = findField(line, table.columns[i].name);
            bind(insert, static_cast<int>(i + 1), given ? *given : table.columns[i].initial);
        }
        insert.exec();
        insert.reset();
    }
}

Row rowFrom(SQLite::Statement& query, const TableSchema& table)
{
    Row row;
    row.reserve(table.columns.size());
    for (const ColumnSchema& column : table.columns) {
        row.push_back({column.name, valueOf(query.getColumn(column.name.c_str()))});
    }
    return row;
}

} // namespace

const ColumnSchema* TableSchema::column(std::string_view columnName) const
{
    const auto found = std::find_if(columns.begin(), columns.end(), [&](const ColumnSchema& c) {
        return sameName(c.name, columnName);
    });
    return found == columns.end() ? nullptr : &*found;
}

const TableSchema* DatabaseSchema::table(std::string_view tableName) const
{
    const auto found = std::find_if(tables.begin(), tables.end(), [&](const TableSchema& t) {
        return sameName(t.name, tableName);
    });
    return found == tables.end() ? nullptr : &*found;
}

const FieldValue* findField(const Row& row, std::string_view name)
{
    const auto found = std::find_if(row.begin(), row.end(),
                                    [&](const Field& field) { return sameName(field.name, name); });
    return found == row.end() ? nullptr : &found->value;
}

SchemaDatabase::SchemaDatabase(std::filesystem::path file, const DatabaseSchema& schema,
                               MessageSink& messages)
    : m_file(std::move(file)), m_schema(schema), m_messages(messages)
{}

std::string SchemaDatabase::theFile() const
{
    return "The " + m_schema.description + " " + shown(m_file);
}

void SchemaDatabase::tell(MessageIcon icon, const std::string& text) const
{
    m_messages.show(Message{text, kProgramTitle, icon});
}

const TableSchema* SchemaDatabase::tableOrTell(std::string_view table, TableKind kind) const
{
    const TableSchema* schema = m_schema.table(table);
    if (schema == nullptr || schema->kind != kind) {
        tell(MessageIcon::Error, "The " + m_schema.description + " has no table \u201c" +
                                     std::string(table) + "\u201d of that kind.");
        return nullptr;
    }
    return schema;
}

bool SchemaDatabase::knownFields(const TableSchema& table, const Row& fields) const
{
    for (const Field& field : fields) {
        if (table.column(field.name) == nullptr) {
            tell(MessageIcon::Error, "The table \u201c" + table.name + "\u201d of the " +
                                         m_schema.description + " has no field \u201c" +
                                         field.name + "\u201d; nothing was written.");
            return false;
        }
    }
    return true;
}

std::optional<SQLite::Database> SchemaDatabase::createFresh() const
{
    std::error_code error;
    std::filesystem::create_directories(m_file.parent_path(), error);
    try {
        SQLite::Database db(m_file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.setBusyTimeout(kBusyTimeoutMs);
        SQLite::Transaction transaction(db);
        for (const TableSchema& table : m_schema.tables) {
            createTable(db, table);
            if (table.kind == TableKind::SingleRow) {
                insertInitialRow(db, table);
            }
        }
        transaction.commit();
        return db;
    } catch (const SQLite::Exception& e) {
        tell(MessageIcon::Error, theFile() + " could not be created (" + e.what() +
                                     "). The standard values are used for now.");
        return std::nullopt;
    }
}

std::filesystem::path SchemaDatabase::setAside() const
{
    const std::string stem = m_file.string() + ".damaged-" + timestamp();
    std::filesystem::path aside = stem;
    for (int n = 2; std::filesystem::exists(aside); ++n) {
        aside = stem + "-" + std::to_string(n);
    }
    std::error_code error;
    std::filesystem::rename(m_file, aside, error);
    if (error) {
        return {};
    }
    // A journal left beside the damaged file would otherwise be replayed into the new one.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const std::filesystem::path companion = m_file.string() + suffix;
        if (std::filesystem::exists(companion, error)) {
            std::filesystem::rename(companion, aside.string() + suffix, error);
        }
    }
    return aside;
}

std::optional<SQLite::Database> SchemaDatabase::openExisting() const
{
    try {
        SQLite::Database db(m_file.string(), SQLite::OPEN_READWRITE);
        db.setBusyTimeout(kBusyTimeoutMs);
        const std::string check = db.execAndGet("PRAGMA quick_check(1)").getString();
        if (check == "ok") {
            return db;
        }
    } catch (const SQLite::Exception& e) {
        if (!isDamage(e)) {
            tell(MessageIcon::Error, theFile() + " could not be opened (" + e.what() + ").");
            return std::nullopt;
        }
    }
    const std::filesystem::path aside = setAside();
    if (aside.empty()) {
        tell(MessageIcon::Error, theFile() +
                                     " is damaged and could not be moved aside, so it was left "
                                     "as it is. The standard values are used for now.");
        return std::nullopt;
    }
    auto fresh = createFresh();
    if (fresh) {
        tell(MessageIcon::Warning,
             theFile() +
                 " could not be read, so a new one with the standard values has been made. The "
                 "old file has been kept as " +
                 shown(aside) + ".");
    }
    return fresh;
}

void SchemaDatabase::repair(SQLite::Database& db, const TableSchema& table) const
{
    std::set<std::string> present;
    {
        SQLite::Statement info(db, "SELECT name FROM pragma_table_info(?)");
        info.bind(1, table.name);
        while (info.executeStep()) {
            present.insert(info.getColumn(0).getString());
        }
    }
    std::vector<std::string> restored;
    SQLite::Transaction transaction(db);
    if (present.empty()) {
        createTable(db, table);
        if (table.kind == TableKind::SingleRow) {
            insertInitialRow(db, table);
        }
        restored.push_back("the table \u201c" + table.name + "\u201d");
    } else {
        for (const ColumnSchema& column : table.columns) {
            const bool found = std::any_of(present.begin(), present.end(), [&](const auto& name) {
                return sameName(name, column.name);
            });
            if (!found) {
                db.exec("ALTER TABLE " + sqlName(table.name) + " ADD COLUMN " +
                        columnDefinition(column));
                restored.push_back("the field \u201c" + column.name + "\u201d");
            }
        }
        if (table.kind == TableKind::SingleRow) {
            const int rows = db.execAndGet("SELECT count(*) FROM " + sqlName(table.name)).getInt();
            if (rows == 0) {
                insertInitialRow(db, table);
                restored.push_back("the record of \u201c" + table.name + "\u201d");
            } else {
                SQLite::Statement query(db, "SELECT * FROM " + sqlName(table.name) +
                                                " WHERE rowid = " + firstRowId(table));
                query.executeStep();
                const Row row = rowFrom(query, table);
                query.reset();
                for (std::size_t i = 0; i < table.columns.size(); ++i) {
                    const ColumnSchema& column = table.columns[i];
                    if (column.type == ColumnType::Any || fits(row[i].value, column.type)) {
                        continue;
                    }
                    SQLite::Statement update(db, "UPDATE " + sqlName(table.name) + " SET " +
                                                     sqlName(column.name) +
                                                     " = ? WHERE rowid = " + firstRowId(table));
                    bind(update, 1, column.initial);
                    update.exec();
                    restored.push_back("the value of \u201c" + column.name + "\u201d");
                }
            }
        }
    }
    transaction.commit();
    if (!restored.empty()) {
        std::string list;
        for (std::size_t i = 0; i < restored.size(); ++i) {
            list += (i == 0 ? "" : (i + 1 == restored.size() ? " and " : ", ")) + restored[i];
        }
        tell(MessageIcon::Warning, theFile() + " was incomplete: " + list +
                                       " had to be restored with the standard values.");
    }
}

std::optional<SQLite::Database>
SchemaDatabase::connect(const std::vector<const TableSchema*>& tables) const
{
    std::error_code error;
    std::optional<SQLite::Database> db;
    if (!std::filesystem::exists(m_file, error)) {
        db = createFresh();
        if (db && m_schema.announceNewFile) {
            tell(MessageIcon::Information, theFile() + " was missing, so a new one has been made.");
        }
        return db;
    }
    db = openExisting();
    if (!db) {
        return std::nullopt;
    }
    try {
        for (const TableSchema* table : tables) {
            repair(*db, *table);
        }
    } catch (const SQLite::Exception& e) {
        tell(MessageIcon::Error, theFile() + " could not be repaired (" + e.what() + ").");
        return std::nullopt;
    }
    return db;
}

bool SchemaDatabase::prepare() const
{
    std::vector<const TableSchema*> all;
    for (const TableSchema& table : m_schema.tables) {
        all.push_back(&table);
    }
    return connect(all).has_value();
}

std::optional<Row> SchemaDatabase::readRow(std::string_view tableName) const
{
    const TableSchema* table = tableOrTell(tableName, TableKind::SingleRow);
    if (table == nullptr) {
        return std::nullopt;
    }
    auto db = connect({table});
    if (!db) {
        return std::nullopt;
    }
    try {
        SQLite::Statement query(*db, "SELECT * FROM " + sqlName(table->name) +
                                         " WHERE rowid = " + firstRowId(*table));
        if (!query.executeStep()) {
            return std::nullopt;
        }
        return rowFrom(query, *table);
    } catch (const SQLite::Exception& e) {
        tell(MessageIcon::Error, theFile() + " could not be read (" + e.what() + ").");
        return std::nullopt;
    }
}

std::optional<std::vector<Row>> SchemaDatabase::readLines(std::string_view tableName) const
{
    const TableSchema* table = tableOrTell(tableName, TableKind::Lines);
    if (table == nullptr) {
        return std::nullopt;
    }
    auto db = connect({table});
    if (!db) {
        return std::nullopt;
    }
    try {
        std::vector<Row> lines;
        SQLite::Statement query(*db, "SELECT * FROM " + sqlName(table->name) + " ORDER BY rowid");
        while (query.executeStep()) {
            lines.push_back(rowFrom(query, *table));
        }
        return lines;
    } catch (const SQLite::Exception& e) {
        tell(MessageIcon::Error, theFile() + " could not be read (" + e.what() + ").");
        return std::nullopt;
    }
}

bool SchemaDatabase::writeRow(std::string_view tableName, const Row& fields) const
{
    const TableWrite write{std::string(tableName), fields};
    return this->write({&write, 1});
}

bool SchemaDatabase::replaceLines(std::string_view tableName, const std::vector<Row>& lines) const
{
    const TableWrite write{std::string(tableName), lines};
    return this->write({&write, 1});
}

bool SchemaDatabase::write(std::span<const TableWrite> writes) const
{
    std::vector<const TableSchema*> tables;
    for (const TableWrite& write : writes) {
        const bool lines = std::holds_alternative<std::vector<Row>>(write.contents);
        const TableSchema* table =
            tableOrTell(write.table, lines ? TableKind::Lines : TableKind::SingleRow);
        if (table == nullptr) {
            return false;
        }
        const auto known = [this, table](const Row& row) {
            return knownFields(*table, row);
        };
        if (lines ? !std::ranges::all_of(std::get<std::vector<Row>>(write.contents), known)
                  : !known(std::get<Row>(write.contents))) {
            return false;
        }
        if (std::ranges::find(tables, table) == tables.end()) {
            tables.push_back(table);
        }
    }
    auto db = connect(tables);
    if (!db) {
        return false;
    }
    try {
        SQLite::Transaction transaction(*db);
        for (std::size_t i = 0; i < writes.size(); ++i) {
            if (const auto* fields = std::get_if<Row>(&writes[i].contents)) {
                updateRow(*db, *tableOrTell(writes[i].table, TableKind::SingleRow), *fields);
            } else {
                refillLines(*db, *tableOrTell(writes[i].table, TableKind::Lines),
                            std::get<std::vector<Row>>(writes[i].contents));
            }
        }
        transaction.commit();
        return true;
    } catch (const SQLite::Exception& e) {
        tell(MessageIcon::Error,
             theFile() + " could not be written (" + e.what() + "); nothing in it was changed.");
        return false;
    }
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schema_database.h"

#include "core/number_format.h"
#include "core/plain_number.h"
#include "core/utf8_text.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <set>
#include <strings.h>
#include <sys/stat.h>

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
        statement.bind(index, *number + 0.0); // a negative zero is stored as 0
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

// How a stored value is shown in a message.
std::string storedText(const FieldValue& value)
{
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        return std::to_string(*whole);
    }
    if (const auto* number = std::get_if<double>(&value)) {
        if (std::isnan(*number)) {
            return "not a number";
        }
        return std::isinf(*number) ? (*number > 0 ? "infinity" : "minus infinity")
                                   : plainNumberText(*number);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return "the text " + quotedText(*text, 20);
    }
    return "empty";
}

// What repair makes of a stored value: kept, stored again as the number a text reads as, or
// restored with the column's initial value (`why` says what was wrong with it).
struct Verdict
{
    enum Kind
    {
        Fits,
        AsNumber,
        Unusable,
    } kind;
    double number = 0.0;
    std::string why;
};

const Verdict kFits{Verdict::Fits, 0.0, {}};

Verdict judge(const FieldValue& value, const ColumnSchema& column)
{
    const auto unusable = [&](const std::string& what) {
        return Verdict{Verdict::Unusable, 0.0, storedText(value) + ", " + what};
    };
    const auto inRange = [&](double number, Verdict::Kind kind) {
        if (!std::isfinite(number)) {
            return unusable("no number it can use");
        }
        if (column.range && (number < column.range->minimum || number > column.range->maximum)) {
            return unusable("outside " + plainNumberText(column.range->minimum) + " to " +
                            plainNumberText(column.range->maximum));
        }
        return Verdict{kind, number, {}};
    };
    switch (column.type) {
    case ColumnType::Any:
        return kFits;
    case ColumnType::Text:
        return std::holds_alternative<std::string>(value) ? kFits : unusable("not a text");
    case ColumnType::Boolean: {
        const auto* whole = std::get_if<std::int64_t>(&value);
        return whole != nullptr && (*whole == 0 || *whole == 1) ? kFits
                                                                : unusable("neither yes nor no");
    }
    case ColumnType::Integer:
        if (const auto* whole = std::get_if<std::int64_t>(&value)) {
            return inRange(static_cast<double>(*whole), Verdict::Fits);
        }
        return unusable("not a whole number");
    case ColumnType::Real:
        if (const auto* number = std::get_if<double>(&value)) {
            return inRange(*number, Verdict::Fits);
        }
        if (const auto* whole = std::get_if<std::int64_t>(&value)) {
            return inRange(static_cast<double>(*whole), Verdict::Fits);
        }
        // A number kept as text (by another program) is read as a numeric field reads text.
        if (const auto* text = std::get_if<std::string>(&value)) {
            if (const auto number = parseTypedNumber(*text)) {
                return inRange(*number, Verdict::AsNumber);
            }
        }
        return unusable("not a number");
    }
    return kFits;
}

// Plain words for what the database library reports, the library's own text beside them.
std::string explained(const SQLite::Exception& error)
{
    const char* why = "the database library reported an error";
    switch (error.getErrorCode() & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        why = "another program is using it and did not let go within a few seconds";
        break;
    case SQLITE_READONLY:
        why = "it may only be read, not written";
        break;
    case SQLITE_CANTOPEN:
        why = "the file or its folder cannot be opened";
        break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        why = "permission was refused";
        break;
    case SQLITE_FULL:
        why = "the disk is full";
        break;
    case SQLITE_IOERR:
        why = "the disk could not be read or written";
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        why = "it is damaged";
        break;
    case SQLITE_CONSTRAINT:
        why = "a stored value breaks its field's rule";
        break;
    case SQLITE_NOMEM:
        why = "the computer ran out of memory";
        break;
    default:
        break;
    }
    return std::string(why) + " (the database library said \u201c" + error.what() + "\u201d)";
}

// Whether a line of PRAGMA quick_check reports damage to the file itself, rather than a value
// that breaks its column's rule (a CHECK constraint, NOT NULL, a STRICT table's type), which the
// repair of the table restores alone.
bool reportsDamage(const std::string& line)
{
    return line != "ok" && !line.starts_with("CHECK constraint failed in ") &&
           !line.starts_with("NULL value in ") &&
           !(line.starts_with("non-") && line.find(" value in ") != std::string::npos);
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

std::string SchemaDatabase::consequence(Access access) const
{
    if (access == Access::Write) {
        return " Nothing in it was changed.";
    }
    return m_schema.whenUnreadable.empty() ? std::string() : " " + m_schema.whenUnreadable;
}

std::optional<SQLite::Database> SchemaDatabase::createFresh(Access access) const
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
        tell(MessageIcon::Error,
             theFile() + " could not be created: " + explained(e) + "." + consequence(access));
        return std::nullopt;
    }
}

std::filesystem::path SchemaDatabase::setAside() const
{
    const std::string stem = m_file.string() + ".damaged-" + timestamp();
    std::filesystem::path aside = stem;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(aside, error)); ++n) {
        aside = stem + "-" + std::to_string(n);
    }
    // Renames the name itself: a link is moved aside, never what it points to.
    std::filesystem::rename(m_file, aside, error);
    if (error) {
        return {};
    }
    // A journal left beside the damaged file would otherwise be replayed into the new one.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const std::filesystem::path companion = m_file.string() + suffix;
        if (std::filesystem::exists(std::filesystem::symlink_status(companion, error))) {
            std::filesystem::rename(companion, aside.string() + suffix, error);
        }
    }
    return aside;
}

std::optional<SQLite::Database> SchemaDatabase::replaceUnusable(const std::string& why,
                                                                Access access) const
{
    const std::filesystem::path aside = setAside();
    if (aside.empty()) {
        tell(MessageIcon::Error, theFile() + " " + why +
                                     " and could not be moved aside, so it was left as it is." +
                                     consequence(access));
        return std::nullopt;
    }
    auto fresh = createFresh(access);
    if (fresh) {
        tell(MessageIcon::Warning, theFile() + " " + why +
                                       ", so a new one with the standard values has been made. "
                                       "The old file has been kept as " +
                                       shown(aside) + ".");
    }
    return fresh;
}

std::optional<SQLite::Database> SchemaDatabase::openExisting(Access access) const
{
    try {
        SQLite::Database db(m_file.string(), SQLite::OPEN_READWRITE);
        db.setBusyTimeout(kBusyTimeoutMs);
        SQLite::Statement check(db, "PRAGMA quick_check(100)");
        bool damaged = false;
        while (check.executeStep()) {
            damaged = damaged || reportsDamage(check.getColumn(0).getString());
        }
        if (!damaged) {
            return db;
        }
    } catch (const SQLite::Exception& e) {
        if (!isDamage(e)) {
            tell(MessageIcon::Error,
                 theFile() + " could not be opened: " + explained(e) + "." + consequence(access));
            return std::nullopt;
        }
    }
    return replaceUnusable("could not be read", access);
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
        restored.push_back("the table \u201c" + table.name + "\u201d (missing)");
    } else {
        for (const ColumnSchema& column : table.columns) {
            const bool found = std::any_of(present.begin(), present.end(), [&](const auto& name) {
                return sameName(name, column.name);
            });
            if (!found) {
                db.exec("ALTER TABLE " + sqlName(table.name) + " ADD COLUMN " +
                        columnDefinition(column));
                restored.push_back("the field \u201c" + column.name + "\u201d (missing)");
            }
        }
        if (table.kind == TableKind::SingleRow) {
            const int rows = db.execAndGet("SELECT count(*) FROM " + sqlName(table.name)).getInt();
            if (rows == 0) {
                insertInitialRow(db, table);
                restored.push_back("the record of \u201c" + table.name + "\u201d (missing)");
            } else {
                SQLite::Statement query(db, "SELECT * FROM " + sqlName(table.name) +
                                                " WHERE rowid = " + firstRowId(table));
                query.executeStep();
                const Row row = rowFrom(query, table);
                query.reset();
                // Every value to store again in one statement: a table's rules are checked on the
                // whole row, which must not keep one bad value while another is mended.
                Row mended;
                for (std::size_t i = 0; i < table.columns.size(); ++i) {
                    const ColumnSchema& column = table.columns[i];
                    const Verdict verdict = judge(row[i].value, column);
                    if (verdict.kind == Verdict::AsNumber) {
                        mended.push_back({column.name, verdict.number});
                    } else if (verdict.kind == Verdict::Unusable) {
                        mended.push_back({column.name, column.initial});
                        restored.push_back("the value of \u201c" + column.name + "\u201d (" +
                                           verdict.why + "; now " + storedText(column.initial) +
                                           ")");
                    }
                }
                if (!mended.empty()) {
                    std::string assignments;
                    for (const Field& field : mended) {
                        assignments +=
                            (assignments.empty() ? "" : ", ") + sqlName(field.name) + " = ?";
                    }
                    SQLite::Statement update(db, "UPDATE " + sqlName(table.name) + " SET " +
                                                     assignments +
                                                     " WHERE rowid = " + firstRowId(table));
                    for (std::size_t i = 0; i < mended.size(); ++i) {
                        bind(update, static_cast<int>(i + 1), mended[i].value);
                    }
                    update.exec();
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
        tell(MessageIcon::Warning,
             theFile() + " had to be repaired; restored with the standard values: " + list + ".");
    }
}

std::optional<SQLite::Database>
SchemaDatabase::connect(const std::vector<const TableSchema*>& tables, Access access) const
{
    // What stands at the name is looked at before it is opened: the database library would open
    // a device or a pipe through a link (and put its journal beside it).
    struct stat named
    {};
    if (::lstat(m_file.c_str(), &named) != 0) {
        auto db = createFresh(access);
        if (db && m_schema.announceNewFile) {
            tell(MessageIcon::Information, theFile() + " was missing, so a new one has been made.");
        }
        return db;
    }
    struct stat target
    {};
    if (::stat(m_file.c_str(), &target) != 0) {
        return replaceUnusable("is a link to nothing", access);
    }
    if (S_ISDIR(target.st_mode)) {
        // A folder holds what someone put there: it is not moved.
        tell(MessageIcon::Error, theFile() +
                                     " is a folder, not a database file, and was left as it is." +
                                     consequence(access));
        return std::nullopt;
    }
    if (!S_ISREG(target.st_mode)) {
        return replaceUnusable(std::string("is not an ordinary file (") +
                                   (S_ISLNK(named.st_mode) ? "a link to " : "") +
                                   (S_ISFIFO(target.st_mode) ? "a named pipe"
                                    : S_ISCHR(target.st_mode) || S_ISBLK(target.st_mode)
                                        ? "a device"
                                        : "something else") +
                                   ")",
                               access);
    }
    auto db = openExisting(access);
    if (!db) {
        return std::nullopt;
    }
    try {
        for (const TableSchema* table : tables) {
            repair(*db, *table);
        }
    } catch (const SQLite::Exception& e) {
        tell(MessageIcon::Error,
             theFile() + " could not be repaired: " + explained(e) + "." + consequence(access));
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
    return connect(all, Access::Write).has_value();
}

std::optional<Row> SchemaDatabase::readRow(std::string_view tableName) const
{
    const TableSchema* table = tableOrTell(tableName, TableKind::SingleRow);
    if (table == nullptr) {
        return std::nullopt;
    }
    auto db = connect({table}, Access::Read);
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
        tell(MessageIcon::Error,
             theFile() + " could not be read: " + explained(e) + "." + consequence(Access::Read));
        return std::nullopt;
    }
}

std::optional<std::vector<Row>> SchemaDatabase::readLines(std::string_view tableName) const
{
    const TableSchema* table = tableOrTell(tableName, TableKind::Lines);
    if (table == nullptr) {
        return std::nullopt;
    }
    auto db = connect({table}, Access::Read);
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
        tell(MessageIcon::Error,
             theFile() + " could not be read: " + explained(e) + "." + consequence(Access::Read));
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
    auto db = connect(tables, Access::Write);
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
        tell(MessageIcon::Error, theFile() + " could not be written: " + explained(e) + "." +
                                     consequence(Access::Write));
        return false;
    }
}

} // namespace grovan

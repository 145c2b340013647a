// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "core/schema_database.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace grovan {

/// The print database "Crysprin.mdb": one table per report, which a calculator fills with what
/// its printout shows (labels in the chosen language and unrounded values) just before the report
/// viewer lays the table out on a page.
///
/// Two kinds of table:
/// - single-row tables (`IRP5Ann`, `SalPackage`, `Loans`, ...) hold exactly one row from creation;
///   a printout edits it field by field and every field it does not write keeps what an earlier
///   printout left there;
/// - line tables (`compcar`, `Amort`) hold one row per printed line; a printout empties the table
///   and appends its lines, so the table holds only the last printout's lines.
///
/// Column types follow what the printouts write: amounts, rates and percentages are doubles
/// (`ColumnType::Real`), ages, counts, month numbers and day numbers whole numbers
/// (`ColumnType::Integer`), labels and dates ("dd/mm/yyyy") text. The total fields into which a
/// periodic printout writes the integer 0 instead of a negative amount (`PAYENum`, `TotalNum`) are
/// `ColumnType::Any`, so they keep exactly what was written. The tables are STRICT: a value of the
/// wrong type is refused (and the user told) instead of being printed.
///
/// A missing file, table, field or row is made anew with empty texts and zeros and the user is
/// told; a damaged file is kept aside under a new name and a new one is made (SchemaDatabase).
/// The file is opened for each operation and closed again.
class PrintDatabase
{
public:
    /// `schema` holds every report table of the program (each printout describes its own; see
    /// CalculatorCatalogue::printSchema) and must outlive the object.
    PrintDatabase(std::filesystem::path file, const DatabaseSchema& schema, MessageSink& messages);

    /// The tables of the file, with their fields in the order the printouts write them.
    const DatabaseSchema& schema() const { return m_schema; }

    /// Edits the one row of a single-row table: assigns `fields` in the order given, in one
    /// transaction; fields not named keep their contents. False (the user is told) when the table
    /// or a field is unknown, a value has the wrong type, or the file cannot be written; nothing
    /// is then changed.
    bool writeRow(std::string_view table, const Row& fields) const;
    /// Empties a line table and appends `lines` in order, in one transaction; a field a line does
    /// not name gets its empty value (an empty text or zero). All or nothing, as writeRow.
    bool replaceLines(std::string_view table, const std::vector<Row>& lines) const;
    /// A whole printout's writes in one transaction; all or nothing, as writeRow.
    bool write(std::span<const TableWrite> writes) const;

    /// The one row of a single-row table, every field in the table's order.
    std::optional<Row> readRow(std::string_view table) const;
    /// The lines of a line table in the order they were appended.
    std::optional<std::vector<Row>> readLines(std::string_view table) const;

    /// Makes sure the file holds every table, field and single row (at start-up).
    bool prepare() const;

    const std::filesystem::path& file() const { return m_database.file(); }

private:
    const DatabaseSchema& m_schema;
    SchemaDatabase m_database;
};

/// Columns of the print tables: a text (labels, names, dates as "dd/mm/yyyy"), an amount or rate
/// (a double), a whole number (ages, counts, day numbers), and a total that a printout sets to the
/// integer 0 instead of a negative amount (the column keeps whichever was written).
ColumnSchema printText(std::string name);
ColumnSchema printAmount(std::string name);
ColumnSchema printWhole(std::string name);
ColumnSchema printAmountOrZero(std::string name);

/// The print database's schema over `tables`; a missing file is told when made anew.
DatabaseSchema printDatabaseSchema(std::vector<TableSchema> tables);

} // namespace grovan

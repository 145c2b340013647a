// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print_language.h"
#include "core/schema_database.h"

#include <array>
#include <string>

namespace grovan {

/// The two texts of a printout label: [0] English, [1] Afrikaans.
using PrintLabels = std::array<const char*, 2>;

/// A printout row of the print database, written field by field in one language: each field is
/// appended in the order written, so a field written twice stands twice (the database keeps the
/// last value).
class PrintRowWriter
{
public:
    /// `fields` is the number of fields the row will hold, reserved up front.
    PrintRowWriter(PrintLanguage language, std::size_t fields);

    PrintLanguage language() const { return m_language; }

    /// A label field: the text of the row's language.
    void label(std::string name, const PrintLabels& labels);
    /// A label field of a text made by the caller, such as a label followed by a name.
    void text(std::string name, std::string text);
    /// A value field: a double amount, an integer count or a text such as a date.
    void value(std::string name, FieldValue value);
    /// A label field and its value field.
    void pair(std::string labelName, const PrintLabels& labels, std::string valueName,
              FieldValue value);

    /// The row as written; the writer is empty afterwards.
    Row take();

private:
    PrintLanguage m_language;
    Row m_row;
};

} // namespace grovan

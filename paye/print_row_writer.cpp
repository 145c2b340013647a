// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/print_row_writer.h"

#include <utility>

namespace grovan {

PrintRowWriter::PrintRowWriter(PrintLanguage language, std::size_t fields) : m_language(language)
{
    m_row.reserve(fields);
}

void PrintRowWriter::label(std::string name, const PrintLabels& labels)
{
    text(std::move(name), labels[static_cast<std::size_t>(m_language)]);
}

void PrintRowWriter::text(std::string name, std::string text)
{
    m_row.push_back({std::move(name), FieldValue{std::move(text)}});
}

void PrintRowWriter::value(std::string name, FieldValue value)
{
    m_row.push_back({std::move(name), std::move(value)});
}

void PrintRowWriter::pair(std::string labelName, const PrintLabels& labels, std::string valueName,
                          FieldValue value)
{
    label(std::move(labelName), labels);
    this->value(std::move(valueName), std::move(value));
}

Row PrintRowWriter::take()
{
    return std::exchange(m_row, {});
}

} // namespace grovan

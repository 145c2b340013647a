#include "cli/csv_writer.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace grovan::cli {

namespace {

bool needsQuotes(std::string_view text)
{
    // A cell that begins with a byte order mark keeps it only in quotes: unquoted at the start of
    // the file, a reader takes it for the file's mark and drops it.
    if (text.starts_with("\xEF\xBB\xBF")) {
        return true;
    }
    for (const char c : text) {
        if (c == ',' || c == '"' || c == '\n' || c == '\r') {
            return true;
        }
    }
    return false;
}

} // namespace

CsvWriter::CsvWriter(Sink sink, std::size_t bufferSize)
    : m_sink(std::move(sink)), m_bufferSize(bufferSize)
{
    m_buffer.reserve(bufferSize + 4096);
}

void CsvWriter::cell(std::string_view text)
{
    separate();
    m_lastCellEmpty = text.empty();
    if (!needsQuotes(text)) {
        m_buffer.append(text);
        return;
    }
    m_buffer.push_back('"');
    for (const char c : text) {
        if (c == '"') {
            m_buffer.push_back('"');
        }
        m_buffer.push_back(c);
    }
    m_buffer.push_back('"');
}

void CsvWriter::number(double value)
{
    // Whole amounts, the usual case, take the much quicker integer conversion; it writes the same
    // digits. -0 (a credit that cancels a tax exactly) is written as 0.
    if (std::abs(value) < 9007199254740992.0 && value == std::trunc(value)) {
        integer(static_cast<std::int64_t>(value));
        return;
    }
    separate();
    m_lastCellEmpty = false;
    char text[400]; // the longest fixed notation of a double, 1.7e308, has 309 digits
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    m_buffer.append(text, written.ptr);
}

void CsvWriter::integer(std::int64_t value)
{
    separate();
    m_lastCellEmpty = false;
    char text[24];
    const auto written = std::to_chars(text, text + sizeof text, value);
    m_buffer.append(text, written.ptr);
}

void CsvWriter::endRecord()
{
    // A record of one empty cell would be an empty line, which readers skip.
    if (m_cellsInRecord == 1 && m_lastCellEmpty) {
        m_buffer.append("\"\"");
    }
    m_buffer.push_back('\n');
    m_cellsInRecord = 0;
    if (m_buffer.size() >= m_bufferSize) {
        flush();
    }
}

bool CsvWriter::flush()
{
    if (!m_failed && !m_buffer.empty()) {
        m_failed = !m_sink(m_buffer);
    }
    m_buffer.clear();
    return !m_failed;
}

} // namespace grovan::cli

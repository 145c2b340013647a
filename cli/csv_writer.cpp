// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// The powers of ten of the decimals tried, each a double exactly.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
constexpr double kExactIntegers = 9007199254740992.0; // 2^53

// The distance from a positive finite double to the next one up.
double spacingAbove(double magnitude)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    ++bits;
    double next = 0.0;
    std::memcpy(&next, &bits, sizeof next);
    return next - magnitude;
}

// The shortest text of a value that is not whole, written without std::to_chars where that is
// quick to find, as for amounts in cents: the fewest decimals (up to 6) of a decimal that reads
// back as the value. Reading a decimal back is one division of two exact doubles (its digits by
// 10^k), which rounds as a full reading of the text does. As long as 10^-k is well above the
// spacing of doubles at the value, at most one decimal with k places reads back as the value, and
// the one nearest the value is found despite the rounding of value x 10^k. So the value is tried
// once, at the most decimals k for which that holds: a decimal with fewer places that reads back
// as the value is the same decimal with trailing zeros, and none found at k means none at fewer.
// That is the shortest text, the one to_chars writes. Writes into `text` and returns the end;
// nullptr where the long way is needed.
char* shortDecimals(double value, char* text)
{
    const double magnitude = std::abs(value);
    const double spacing = spacingAbove(magnitude);
    int decimals = static_cast<int>(std::size(kPowersOfTen)) - 1;
    while (decimals > 0 && (magnitude * kPowersOfTen[decimals] >= kExactIntegers ||
                            spacing * kPowersOfTen[decimals] > 0.125)) {
        --decimals;
    }
    if (decimals == 0) {
        return nullptr;
    }
    const double power = kPowersOfTen[decimals];
    const double nearest = std::nearbyint(magnitude * power);
    if (nearest / power != magnitude) {
        return nullptr;
    }
    auto digits = static_cast<std::uint64_t>(nearest);
    // Not whole, so the digits are no multiple of 10^k: at least one decimal stays.
    while (digits % 10 == 0) {
        digits /= 10;
        --decimals;
    }
    char reversed[24];
    int count = 0;
    for (; count < decimals || digits > 0; ++count) {
        reversed[count] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    if (value < 0) {
        *text++ = '-';
    }
    if (count == decimals) {
        *text++ = '0';
    }
    while (count > 0) {
        if (count == decimals) {
            *text++ = '.';
        }
        *text++ = reversed[--count];
    }
    return text;
}

} // namespace

CsvWriter::CsvWriter(Sink sink, std::size_t bufferSize)
    : m_sink(std::move(sink)), m_bufferSize(bufferSize), m_buffer(bufferSize + 4096, '\0')
{}

void CsvWriter::cell(std::string_view text)
{
    separate();
    m_lastCellEmpty = text.empty();
    if (!needsQuotes(text)) {
        put(text);
        return;
    }
    // At worst every character is a quote, written twice, between the two quotes.
    char* out = room(2 * text.size() + 2);
    *out++ = '"';
    for (const char c : text) {
        if (c == '"') {
            *out++ = '"';
        }
        *out++ = c;
    }
    *out++ = '"';
    wrote(out);
}

void CsvWriter::plainCells(std::string_view joined, std::size_t count)
{
    if (count == 0) {
        return;
    }
    separate();
    put(joined);
    m_cellsInRecord += count - 1;
    m_lastCellEmpty = joined.empty() || joined.back() == ',';
}

void CsvWriter::number(double value)
{
    // Whole amounts, the usual case, take the much quicker integer conversion; it writes the same
    // digits. -0 (a credit that cancels a tax exactly) is written as 0.
    // (Below 2^53 the conversion to an integer drops the fraction: the same test as std::trunc,
    // without a call.)
    if (std::abs(value) < kExactIntegers) {
        const auto whole = static_cast<std::int64_t>(value);
        if (static_cast<double>(whole) == value) {
            integer(whole);
            return;
        }
    }
    separate();
    m_lastCellEmpty = false;
    // The longest fixed notation of a double, 1.7e308, has 309 digits.
    constexpr std::size_t kLongest = 400;
    char* const text = room(kLongest);
    if (std::isfinite(value)) {
        if (char* end = shortDecimals(value, text)) {
            wrote(end);
            return;
        }
    }
    wrote(std::to_chars(text, text + kLongest, value, std::chars_format::fixed).ptr);
}

void CsvWriter::integer(std::int64_t value)
{
    separate();
    m_lastCellEmpty = false;
    constexpr std::size_t kLongest = 24;
    char* const text = room(kLongest);
    wrote(std::to_chars(text, text + kLongest, value).ptr);
}

void CsvWriter::endRecord()
{
    // A record of one empty cell would be an empty line, which readers skip.
    if (m_cellsInRecord == 1 && m_lastCellEmpty) {
        put("\"\"");
    }
    put("\n");
    m_cellsInRecord = 0;
    if (m_used >= m_bufferSize) {
        flush();
    }
}

void CsvWriter::records(std::string_view text)
{
    put(text);
    if (m_used >= m_bufferSize) {
        flush();
    }
}

void CsvWriter::grow(std::size_t size)
{
    m_buffer.resize(std::max(m_buffer.size() * 2, m_used + size));
}

bool CsvWriter::flush()
{
    if (!m_failed && m_used > 0) {
        m_failed = !m_sink(std::string_view(m_buffer.data(), m_used));
    }
    m_used = 0;
    return !m_failed;
}

} // namespace grovan::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace grovan::cli {

/// Whether CsvWriter::cell puts `text` in double quotes: when it holds a comma, a quote or a line
/// break, or begins with a byte order mark.
bool needsQuotes(std::string_view text);

/// Writes CSV text (RFC 4180) into a buffer that is handed on when full: a cell is put in double
/// quotes, each quote doubled, only when it holds a comma, a quote or a line break; records end
/// with LF. Numbers are written without the locale, in plain decimal notation (never with an
/// exponent, which some spreadsheets read as text): doubles with the fewest digits that read back
/// to the same double ("106725", "1000000", "53663.6301369863", "0.0000001").
class CsvWriter
{
public:
    /// Takes the next bytes of the text; false when they could not be written.
    using Sink = std::function<bool(std::string_view bytes)>;

    explicit CsvWriter(Sink sink, std::size_t bufferSize = std::size_t{1} << 20);

    void cell(std::string_view text);
    /// Writes `count` cells given as CSV text already: joined by commas, quoted where they need
    /// quotes (such as CsvRecord::plainText).
    void plainCells(std::string_view joined, std::size_t count);
    void number(double value);
    /// Writes each of `values` as a cell, as number() does.
    void numbers(std::span<const double> values);
    void integer(std::int64_t value);
    void endRecord();
    /// Writes one or more whole records given as CSV text already, each ending with its line
    /// break, as if written cell by cell.
    void records(std::string_view text);
    /// The bytes written but not yet handed on.
    std::size_t pending() const { return m_used; }

    /// Hands everything written so far to the sink; false when the sink failed, now or earlier
    /// (after a failure nothing more is handed on).
    bool flush();

private:
    // Room for `size` more bytes at the end of the text: written straight into the buffer, which
    // grows only for a record longer than its slack.
    char* room(std::size_t size)
    {
        if (m_used + size > m_buffer.size()) [[unlikely]] {
            grow(size);
        }
        return m_buffer.data() + m_used;
    }
    void grow(std::size_t size);
    void writeNumber(double value);
    void writeFixed(double value);
    void wrote(const char* end) { m_used = static_cast<std::size_t>(end - m_buffer.data()); }
    void put(std::string_view bytes)
    {
        char* at = room(bytes.size());
        bytes.copy(at, bytes.size());
        wrote(at + bytes.size());
    }
    void separate()
    {
        if (m_cellsInRecord++ > 0) {
            *room(1) = ',';
            ++m_used;
        }
    }

    Sink m_sink;
    std::size_t m_bufferSize;
    std::string m_buffer; ///< the text in its first m_used bytes
    std::size_t m_used = 0;
    std::size_t m_cellsInRecord = 0;
    bool m_lastCellEmpty = false;
    bool m_failed = false;
};

} // namespace grovan::cli

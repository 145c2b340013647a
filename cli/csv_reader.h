// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace grovan::cli {

/// One record of a CSV text.
struct CsvRecord
{
    /// The cells without their quotes, a doubled quote read as one; valid until the reader's
    /// next call.
    std::vector<std::string_view> cells;
    /// Why the record is malformed (a quote inside a cell that is not quoted, text after a
    /// closing quote), naming the cell; empty when it is well formed. The cells of a malformed
    /// record are kept as they stand in the text.
    std::string problem;
    /// The record as it stands in the text, without its line break, when it is well formed and
    /// no cell is quoted but one with a comma or a line break, and none with a quote: then it is
    /// its cells joined by commas, a quoted one as CsvWriter::cell writes it, and the cells are
    /// views into it. Empty otherwise; valid until the reader's next call.
    std::string_view plainText;
};

/// Reads CSV text (RFC 4180) record by record, a buffer at a time, so that a file of any length
/// needs memory for one record only. Cells are separated by commas and records by CRLF, LF or a
/// lone CR; a cell in double quotes may hold commas, line breaks and quotes (written as two).
/// A UTF-8 byte order mark at the start is skipped, and so are empty lines. Cells are views into
/// the reader's buffer: no cell is copied, and only a quoted cell with a doubled quote is
/// rewritten (in place).
class CsvReader
{
public:
    /// Fills `buffer` with up to `size` bytes: how many it filled, 0 at the end of the input, or
    /// -1 when the input cannot be read.
    using Source = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

    enum class Status
    {
        Record, ///< a record was read
        End,    ///< the input has no more records
        Failed, ///< reading stopped: see failure()
    };

    enum class Failure
    {
        None,
        ReadError,  ///< the source could not be read
        OpenQuote,  ///< the input ends inside a quoted cell: its closing quote is missing
        LongRecord, ///< one record is longer than the longest the reader takes
    };

    /// Reads `chunkSize` bytes at a time; a record may grow the buffer up to `longestRecord`.
    explicit CsvReader(Source source, std::size_t chunkSize = std::size_t{1} << 20,
                       std::size_t longestRecord = std::size_t{64} << 20);

    /// Reads the next record into `record`.
    Status next(CsvRecord& record);

    Failure failure() const { return m_failure; }
    /// Whether the text started with a UTF-8 byte order mark.
    bool hadByteOrderMark() const { return m_byteOrderMark; }

private:
    enum class Parse
    {
        Done,
        NeedMore,
    };

    Parse parse(CsvRecord& record);
    bool fill();
    void skipByteOrderMark();

    Source m_source;
    std::size_t m_chunkSize;
    std::size_t m_longestRecord;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0; ///< where the next record starts
    std::size_t m_end = 0;   ///< the end of the bytes read
    bool m_atEnd = false;    ///< the source has no more bytes
    bool m_started = false;
    bool m_byteOrderMark = false;
    Failure m_failure = Failure::None;
    std::vector<std::size_t> m_doubledQuotes; ///< the current record's cells to rewrite
};

} // namespace grovan::cli

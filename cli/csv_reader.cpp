// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"

#include "cli/csv_writer.h"

#include <algorithm>
#include <cstring>

namespace grovan::cli {

CsvReader::CsvReader(Source source, std::size_t chunkSize, std::size_t longestRecord)
    : m_source(std::move(source)), m_chunkSize(std::max<std::size_t>(chunkSize, 1)),
      m_longestRecord(std::max(longestRecord, m_chunkSize)), m_buffer(m_chunkSize)
{}

CsvReader::Status CsvReader::next(CsvRecord& record)
{
    if (m_failure != Failure::None) {
        return Status::Failed;
    }
    if (!m_started) {
        m_started = true;
        skipByteOrderMark();
        if (m_failure != Failure::None) {
            return Status::Failed;
        }
    }
    while (true) {
        if (m_begin == m_end) {
            if (m_atEnd) {
                return Status::End;
            }
            if (!fill()) {
                return Status::Failed;
            }
            continue;
        }
        const std::size_t start = m_begin;
        if (parse(record) == Parse::NeedMore) {
            if (m_atEnd) {
                m_failure = Failure::OpenQuote;
                return Status::Failed;
            }
            if (!fill()) {
                return Status::Failed;
            }
            continue;
        }
        const bool emptyLine =
            record.cells.size() == 1 && record.cells.front().empty() && m_buffer[start] != '"';
        if (!emptyLine) {
            return Status::Record;
        }
    }
}

void CsvReader::skipByteOrderMark()
{
    while (m_end - m_begin < 3 && !m_atEnd) {
        if (!fill()) {
            return;
        }
    }
    static constexpr char kMark[] = "\xEF\xBB\xBF";
    if (m_end - m_begin >= 3 && std::memcmp(m_buffer.data() + m_begin, kMark, 3) == 0) {
        m_begin += 3;
        m_byteOrderMark = true;
    }
}

// Keeps the unread bytes (the start of a record that did not fit) at the front of the buffer and
// reads behind them, growing the buffer when one record fills it.
bool CsvReader::fill()
{
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_end == m_buffer.size()) {
        if (m_buffer.size() >= m_longestRecord) {
            m_failure = Failure::LongRecord;
            return false;
        }
        m_buffer.resize(std::min(m_buffer.size() * 2, m_longestRecord));
    }
    const std::ptrdiff_t read = m_source(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (read < 0) {
        m_failure = Failure::ReadError;
        return false;
    }
    if (read == 0) {
        m_atEnd = true;
    }
    m_end += static_cast<std::size_t>(read);
    return true;
}

// Parses the record at m_begin. NeedMore when the bytes read end before the record does, or
// before it can tell (a quote or a CR as the last byte read); the record is then parsed again
// from its start once more bytes are there.
CsvReader::Parse CsvReader::parse(CsvRecord& record)
{
    char* const data = m_buffer.data();
    const std::size_t end = m_end;
    std::size_t p = m_begin;
    record.cells.clear();
    record.problem.clear();
    record.plainText = {};
    // Whether the record stands in the text as CsvWriter writes its cells.
    bool asWritten = true;
    m_doubledQuotes.clear();
    const auto tell = [&record](const char* what) {
        if (record.problem.empty()) {
            record.problem = "cell " + std::to_string(record.cells.size() + 1) + what;
        }
    };
    const auto isBreak = [](char c) {
        return c == ',' || c == '\n' || c == '\r';
    };
    const auto cell = [&record, data](std::size_t begin, std::size_t end) {
        record.cells.emplace_back(data + begin, end - begin);
    };
    // Scans an unquoted stretch up to the next comma or line break.
    const auto scanPlain = [&] {
        while (p < end && !isBreak(data[p])) {
            if (data[p] == '"') {
                tell(" holds a quote but does not start with one (a cell with quotes is put in "
                     "quotes, each of its quotes written twice)");
            }
            ++p;
        }
        return p < end || m_atEnd;
    };

    while (true) {
        if (p < end && data[p] == '"') {
            const std::size_t open = p++;
            bool doubled = false;
            while (true) {
                const void* quote = std::memchr(data + p, '"', end - p);
                if (quote == nullptr) {
                    return Parse::NeedMore;
                }
                p = static_cast<std::size_t>(static_cast<const char*>(quote) - data);
                if (p + 1 == end && !m_atEnd) {
                    return Parse::NeedMore;
                }
                if (p + 1 < end && data[p + 1] == '"') {
                    doubled = true;
                    p += 2;
                    continue;
                }
                break;
            }
            const std::size_t close = p++;
            if (p < end && !isBreak(data[p])) {
                tell(" has text after its closing quote");
                if (!scanPlain()) {
                    return Parse::NeedMore;
                }
                cell(open, p);
            } else {
                if (doubled) {
                    // Rewritten in place below: the text no longer holds the record.
                    asWritten = false;
                    m_doubledQuotes.push_back(record.cells.size());
                } else {
                    asWritten = asWritten && needsQuotes({data + open + 1, close - open - 1});
                }
                cell(open + 1, close);
            }
        } else {
            const std::size_t begin = p;
            if (!scanPlain()) {
                return Parse::NeedMore;
            }
            cell(begin, p);
        }

        if (p < end && data[p] == ',') {
            ++p;
            continue;
        }
        if (asWritten && record.problem.empty()) {
            record.plainText = std::string_view(data + m_begin, p - m_begin);
        }
        if (p == end) {
            break;
        }
        if (data[p] == '\r') {
            if (p + 1 == end && !m_atEnd) {
                return Parse::NeedMore;
            }
            if (p + 1 < end && data[p + 1] == '\n') {
                ++p;
            }
        }
        ++p;
        break;
    }
    m_begin = p;

    // The record is complete and will not be parsed again: a quoted cell with doubled quotes is
    // rewritten in place, its text only growing shorter.
    for (const std::size_t index : m_doubledQuotes) {
        std::string_view& text = record.cells[index];
        char* const begin = data + (text.data() - data);
        char* out = begin;
        for (std::size_t i = 0; i < text.size(); ++i) {
            *out++ = text[i];
            i += text[i] == '"' ? 1 : 0;
        }
        text = std::string_view(begin, static_cast<std::size_t>(out - begin));
    }
    return Parse::Done;
}

} // namespace grovan::cli

// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV reader of grovan-cli batch, fed in chunks of every size, with a short longest record.
#include "cli/csv_reader.h"
#include "cli/csv_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using grovan::cli::CsvReader;
using grovan::cli::CsvRecord;

// Every record of `text`, read `chunk` bytes at a time.
std::vector<std::vector<std::string>> records(std::string_view text, std::size_t chunk,
                                              CsvReader::Status& last)
{
    std::size_t at = 0;
    CsvReader reader(
        [&](char* buffer, std::size_t size) -> std::ptrdiff_t {
            const std::size_t n = std::min(size, text.size() - at);
            std::copy_n(text.data() + at, n, buffer);
            at += n;
            return static_cast<std::ptrdiff_t>(n);
        },
        chunk, 4096);
    std::vector<std::vector<std::string>> out;
    CsvRecord record;
    while ((last = reader.next(record)) == CsvReader::Status::Record) {
        out.emplace_back(record.cells.begin(), record.cells.end());
        out.back().push_back(record.problem.empty() ? "" : "problem");
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::size_t chunk = 1 + data[0] % 64;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    CsvReader::Status whole = CsvReader::Status::End;
    CsvReader::Status chunked = CsvReader::Status::End;
    const auto read = records(text, 4096, whole);
    // How the text arrives does not change what is read.
    if (whole != CsvReader::Status::Failed && records(text, chunk, chunked) != read) {
        std::abort();
    }
    if (whole != CsvReader::Status::End) {
        return 0;
    }
    // Well-formed records written out again read back as the same cells.
    std::string written;
    grovan::cli::CsvWriter writer([&written](std::string_view bytes) {
        written.append(bytes);
        return true;
    });
    std::vector<std::vector<std::string>> expected;
    for (const auto& record : read) {
        if (!record.back().empty()) {
            continue;
        }
        expected.push_back(record);
        for (std::size_t i = 0; i + 1 < record.size(); ++i) {
            writer.cell(record[i]);
        }
        writer.endRecord();
    }
    writer.flush();
    CsvReader::Status again = CsvReader::Status::End;
    const auto readAgain = records(written, 4096, again);
    if (readAgain != expected) {
        std::fprintf(stderr, "written again:\n%s\n", written.c_str());
        const auto show = [](const char* title, const std::vector<std::vector<std::string>>& set) {
            std::fprintf(stderr, "--- %s\n", title);
            for (const auto& record : set) {
                for (const auto& cell : record) {
                    std::fprintf(stderr, "[%s]", cell.c_str());
                }
                std::fprintf(stderr, "\n");
            }
        };
        show("expected", expected);
        show("read again", readAgain);
        std::abort();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace grovan::cli {
namespace {

using Records = std::vector<std::vector<std::string>>;

// Hands `text` to the reader at most `chunk` bytes at a time, so that records, quotes, CRLF pairs
// and the byte order mark fall across buffer boundaries.
CsvReader::Source chunked(const std::string& text, std::size_t chunk)
{
    return [text, chunk, position = std::size_t{0}](char* buffer,
                                                    std::size_t size) mutable -> std::ptrdiff_t {
        const std::size_t n = std::min({chunk, size, text.size() - position});
        std::memcpy(buffer, text.data() + position, n);
        position += n;
        return static_cast<std::ptrdiff_t>(n);
    };
}

struct ReadOutcome
{
    Records records;
    std::vector<std::string> problems; ///< one per record, empty when well formed
    CsvReader::Status last = CsvReader::Status::End;
    CsvReader::Failure failure = CsvReader::Failure::None;
};

ReadOutcome readAll(CsvReader& reader)
{
    ReadOutcome out;
    CsvRecord record;
    while ((out.last = reader.next(record)) == CsvReader::Status::Record) {
        out.records.emplace_back(record.cells.begin(), record.cells.end());
        out.problems.push_back(record.problem);
    }
    out.failure = reader.failure();
    return out;
}

struct ReaderCase
{
    const char* name;
    std::string text;
    Records records;
    std::vector<std::string> problems = {}; ///< empty: every record well formed
    CsvReader::Failure failure = CsvReader::Failure::None;
};

const std::string kQuoteProblem = "holds a quote but does not start with one (a cell with quotes "
                                  "is put in quotes, each of its quotes written twice)";

// Expected records as RFC 4180 defines them; the tolerated extras (BOM, lone CR, empty lines)
// as spreadsheets and editors write them.
const ReaderCase kReaderCases[] = {
    {"lf_records", "age,salary\n40,500000\n", {{"age", "salary"}, {"40", "500000"}}},
    {"crlf_records", "age,salary\r\n40,500000\r\n", {{"age", "salary"}, {"40", "500000"}}},
    {"lone_cr_records", "age,salary\r40,500000\r", {{"age", "salary"}, {"40", "500000"}}},
    {"no_line_break_at_the_end", "age\n40", {{"age"}, {"40"}}},
    {"comma_inside_quotes", "\"van Wyk, Jan\",40\n", {{"van Wyk, Jan", "40"}}},
    {"doubled_quotes",
     "\"Thandi \"\"TM\"\" Mokoena\",\"\"\"\"\n",
     {{"Thandi \"TM\" Mokoena", "\""}}},
    {"line_breaks_inside_quotes",
     "\"line one\nline two\",\"crlf\r\nkept\"\r\nnext\n",
     {{"line one\nline two", "crlf\r\nkept"}, {"next"}}},
    {"quoted_cell_last_in_the_text", "a,\"b\"", {{"a", "b"}}},
    {"byte_order_mark_skipped",
     "\xEF\xBB\xBF"
     "age\n40\n",
     {{"age"}, {"40"}}},
    {"byte_order_mark_before_a_quote", "\xEF\xBB\xBF\"age\"\n", {{"age"}}},
    {"empty_lines_skipped", "a\n\n\r\n\rb\n\n", {{"a"}, {"b"}}},
    {"quoted_empty_cell_is_a_record", "\"\"\n", {{""}}},
    {"empty_cells", ",,\n", {{"", "", ""}}},
    {"comma_at_the_end", "a,\n", {{"a", ""}}},
    {"empty_text", "", {}},
    {"blanks_kept", " a , b \n", {{" a ", " b "}}},
    {"quote_inside_an_unquoted_cell",
     "ab\"c,d\nnext\n",
     {{"ab\"c", "d"}, {"next"}},
     {"cell 1 " + kQuoteProblem, ""}},
    {"text_after_the_closing_quote",
     "x,\"ab\"c,d\n",
     {{"x", "\"ab\"c", "d"}},
     {"cell 2 has text after its closing quote"}},
    {"quote_never_closed", "a\n\"b,c\nd\n", {{"a"}}, {}, CsvReader::Failure::OpenQuote},
};

class CsvReaderCases : public ::testing::TestWithParam<ReaderCase>
{};

TEST_P(CsvReaderCases, ReadsTheSameRecordsWhateverTheBufferSize)
{
    const ReaderCase& c = GetParam();
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, std::size_t{1} << 20}) {
        SCOPED_TRACE("chunk " + std::to_string(chunk));
        CsvReader reader(chunked(c.text, chunk), chunk);
        const ReadOutcome out = readAll(reader);
        EXPECT_EQ(out.records, c.records);
        if (c.problems.empty()) {
            EXPECT_TRUE(std::all_of(out.problems.begin(), out.problems.end(),
                                    [](const std::string& p) { return p.empty(); }));
        } else {
            EXPECT_EQ(out.problems, c.problems);
        }
        EXPECT_EQ(out.failure, c.failure);
        EXPECT_EQ(out.last, c.failure == CsvReader::Failure::None ? CsvReader::Status::End
                                                                  : CsvReader::Status::Failed);
    }
}

INSTANTIATE_TEST_SUITE_P(Csv, CsvReaderCases, ::testing::ValuesIn(kReaderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CsvReader, AnyTextReadsTheSameWhateverTheBufferSize)
{
    // Random texts of the characters that matter, well formed or not: the buffer boundaries
    // must never change what is read (records, problems, failure).
    std::mt19937 random(4180);
    const std::string alphabet = "a,\"\n\r\xEF\xBB\xBF";
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        for (std::size_t n = length(random); n > 0; --n) {
            text.push_back(alphabet[pick(random)]);
        }
        CsvReader whole(chunked(text, 1 << 20));
        const ReadOutcome expected = readAll(whole);
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{5}}) {
            CsvReader pieces(chunked(text, chunk), chunk);
            const ReadOutcome got = readAll(pieces);
            ASSERT_EQ(got.records, expected.records) << "text \"" << text << "\" chunk " << chunk;
            ASSERT_EQ(got.problems, expected.problems) << "text \"" << text << "\"";
            ASSERT_EQ(got.failure, expected.failure) << "text \"" << text << "\"";
        }
    }
}

TEST(CsvReader, TellsWhetherTheTextHadAByteOrderMark)
{
    CsvReader with(chunked("\xEF\xBB\xBF"
                           "a\n",
                           1),
                   1);
    CsvReader without(chunked("\xEF\xBB"
                              "a\n",
                              1),
                      1);
    const ReadOutcome withOut = readAll(with);
    const ReadOutcome withoutOut = readAll(without);
    EXPECT_TRUE(with.hadByteOrderMark());
    EXPECT_FALSE(without.hadByteOrderMark());
    // Two bytes of a mark are no mark: they stay in the cell.
    EXPECT_EQ(withoutOut.records, (Records{{"\xEF\xBB"
                                            "a"}}));
}

TEST(CsvReader, ARecordLongerThanTheLimitStopsTheReading)
{
    // A quote that is never closed would otherwise take the rest of a file into memory.
    CsvReader reader(chunked("ok\n\"" + std::string(100, 'x') + "\"\n", 4), 4, 32);
    const ReadOutcome out = readAll(reader);
    EXPECT_EQ(out.records, (Records{{"ok"}}));
    EXPECT_EQ(out.last, CsvReader::Status::Failed);
    EXPECT_EQ(out.failure, CsvReader::Failure::LongRecord);
}

TEST(CsvReader, ARecordLongerThanOneBufferIsReadWhole)
{
    const std::string name(5000, 'n');
    CsvReader reader(chunked("\"" + name + "\",1\n2,3\n", 64), 64);
    const ReadOutcome out = readAll(reader);
    EXPECT_EQ(out.records, (Records{{name, "1"}, {"2", "3"}}));
}

TEST(CsvReader, AReadErrorStopsTheReading)
{
    int calls = 0;
    CsvReader reader([&calls](char* buffer, std::size_t) -> std::ptrdiff_t {
        if (calls++ == 0) {
            std::memcpy(buffer, "a\nb", 3);
            return 3;
        }
        return -1;
    });
    const ReadOutcome out = readAll(reader);
    // The first record ended at its line break; the second could not be finished.
    EXPECT_EQ(out.records, (Records{{"a"}}));
    EXPECT_EQ(out.failure, CsvReader::Failure::ReadError);
    CsvRecord record;
    EXPECT_EQ(reader.next(record), CsvReader::Status::Failed);
}

TEST(CsvReader, PlainTextIsTheWholeRecordOnlyWhenItStandsAsWritten)
{
    // Whatever the chunks, a record's plain text is the record as it stands, without the line
    // break, when its cells stand as the writer writes them: quoted only for a comma or a line
    // break. A cell quoted without need, one with a quote (rewritten in place) or a malformed
    // record has none.
    const std::string text = "a,b,c\r\n"
                             "Thandi,40,\n"
                             "\"van Wyk, Jan\",40,1\n"
                             "1,\"two\nlines\"\n"
                             "\"x\",1\n"
                             "\"a,b\",\"x\"\n"
                             "\"say \"\"hi\"\", Jan\",1\n"
                             "Tha\"ndi,1\n"
                             ",,\r"
                             "last,1";
    const std::vector<std::string> expected = {
        "a,b,c", "Thandi,40,", "\"van Wyk, Jan\",40,1", "1,\"two\nlines\"", "", "", "", "",
        ",,",    "last,1"};
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
        CsvReader reader(chunked(text, chunk), 4);
        std::vector<std::string> plain;
        CsvRecord record;
        while (reader.next(record) == CsvReader::Status::Record) {
            plain.emplace_back(record.plainText);
        }
        EXPECT_EQ(plain, expected) << "chunks of " << chunk;
    }
}

} // namespace
} // namespace grovan::cli

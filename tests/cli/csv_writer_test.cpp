#include "cli/csv_reader.h"
#include "cli/csv_writer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace grovan::cli {
namespace {

class Collected
{
public:
    CsvWriter::Sink sink()
    {
        return [this](std::string_view bytes) {
            text.append(bytes);
            ++handOvers;
            return true;
        };
    }
    std::string text;
    int handOvers = 0;
};

struct CellCase
{
    const char* name;
    std::string cell;
    std::string written;
};

// RFC 4180: quotes only where a comma, quote or line break needs them, quotes doubled inside.
const CellCase kCellCases[] = {
    {"plain", "Thandi Mokoena", "Thandi Mokoena"},
    {"comma", "van Wyk, Jan", "\"van Wyk, Jan\""},
    {"quote", "Thandi \"TM\"", "\"Thandi \"\"TM\"\"\""},
    {"line_feed", "a\nb", "\"a\nb\""},
    {"carriage_return", "a\rb", "\"a\rb\""},
    {"blanks_as_they_stand", " a ", " a "},
    {"accents_as_they_stand", "Zoë Coetzée", "Zoë Coetzée"},
};

class CsvWriterCells : public ::testing::TestWithParam<CellCase>
{};

TEST_P(CsvWriterCells, QuotesOnlyWhereNeeded)
{
    Collected out;
    CsvWriter writer(out.sink());
    writer.cell(GetParam().cell);
    writer.cell("x");
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.text, GetParam().written + ",x\n");
}

INSTANTIATE_TEST_SUITE_P(Csv, CsvWriterCells, ::testing::ValuesIn(kCellCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct NumberCase
{
    const char* name;
    double value;
    const char* written;
};

// The fewest digits that read back to the same double, in plain decimal notation (no exponent,
// no locale's comma); the exact digits of each value by hand.
const NumberCase kNumberCases[] = {
    {"whole", 106725.0, "106725"},
    {"a_million_without_exponent", 1e6, "1000000"},
    {"beyond_the_exact_integers", 1e21, "1000000000000000000000"},
    {"unrounded", 53663.6301369863, "53663.6301369863"},
    {"binary_fraction", 0.1 + 0.2, "0.30000000000000004"},
    {"negative", -12.5, "-12.5"},
    {"negative_zero", -0.0, "0"},
    {"tiny", 1e-7, "0.0000001"},
    {"float_residue", 1.1368683772161603e-13, "0.00000000000011368683772161603"},
};

class CsvWriterNumbers : public ::testing::TestWithParam<NumberCase>
{};

TEST_P(CsvWriterNumbers, WritesTheShortestExactText)
{
    Collected out;
    CsvWriter writer(out.sink());
    writer.number(GetParam().value);
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.text, std::string(GetParam().written) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Csv, CsvWriterNumbers, ::testing::ValuesIn(kNumberCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CsvWriter, WritesIntegersAndEmptyCells)
{
    Collected out;
    CsvWriter writer(out.sink());
    writer.integer(365);
    writer.cell("");
    writer.integer(-4);
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.text, "365,,-4\n");
}

TEST(CsvWriter, ARecordOfOneEmptyCellIsNoEmptyLine)
{
    // A reader skips empty lines; the record must survive being read back.
    Collected out;
    CsvWriter writer(out.sink());
    writer.cell("");
    writer.endRecord();
    writer.cell("a");
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.text, "\"\"\na\n");
}

TEST(CsvWriter, WhatItWritesReadsBackCellForCell)
{
    const std::vector<std::vector<std::string>> records = {
        // A first cell that begins with a byte order mark is not the file's mark.
        {"\xEF\xBB\xBF"
         "employeeName",
         "age"},
        {"van Wyk, Jan", "40"},
        {"\"quoted\"", ""},
        {"two\nlines", "crlf\r\n"},
        {""},
        {"", ""},
    };
    Collected out;
    CsvWriter writer(out.sink(), 8);
    for (const auto& record : records) {
        for (const auto& cell : record) {
            writer.cell(cell);
        }
        writer.endRecord();
    }
    ASSERT_TRUE(writer.flush());
    EXPECT_GT(out.handOvers, 1); // the small buffer was handed on as it filled

    CsvReader reader([&out, position = std::size_t{0}](char* buffer,
                                                       std::size_t size) mutable -> std::ptrdiff_t {
        const std::size_t n = std::min(size, out.text.size() - position);
        std::memcpy(buffer, out.text.data() + position, n);
        position += n;
        return static_cast<std::ptrdiff_t>(n);
    });
    std::vector<std::vector<std::string>> read;
    CsvRecord record;
    while (reader.next(record) == CsvReader::Status::Record) {
        read.emplace_back(record.cells.begin(), record.cells.end());
    }
    EXPECT_EQ(read, records);
}

TEST(CsvWriter, AFailedSinkStaysFailed)
{
    int handOvers = 0;
    CsvWriter writer([&handOvers](std::string_view) {
        ++handOvers;
        return false;
    });
    writer.cell("a");
    writer.endRecord();
    EXPECT_FALSE(writer.flush());
    writer.cell("b");
    writer.endRecord();
    EXPECT_FALSE(writer.flush());
    EXPECT_EQ(handOvers, 1); // nothing more is handed to a sink that failed
}

} // namespace
} // namespace grovan::cli

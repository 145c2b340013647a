// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"
#include "cli/csv_writer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

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
    {"cents", 177.12, "177.12"},
    {"negative_cents", -0.05, "-0.05"},
    {"below_one_with_six_decimals", 0.000125, "0.000125"},
    {"seventeen_digits", 13958.686666666676, "13958.686666666676"},
    {"next_to_cents", 177.12000000000003, "177.12000000000003"},
    {"largest_below_exact_integers", 4503599627370495.5, "4503599627370495.5"},
    {"cents_just_below_2_to_40", 1099511627775.99, "1099511627775.99"},
    {"cents_just_above_2_to_40", 1099511627776.01, "1099511627776.01"},
    {"tenths_in_cents", 1099511627775.5, "1099511627775.5"},
    {"cents_below_a_tenth", 0.07, "0.07"},
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

// The text std::to_chars gives a double: the fewest digits that read back as it, in plain
// decimal notation. Whole numbers below 2^53 are written as integers, which gives the same digits.
std::string shortestText(double value)
{
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    const std::string shortest(text, written.ptr);
    return shortest == "-0" ? "0" : shortest;
}

TEST(CsvWriter, WritesEveryDoubleAsToCharsDoes)
{
    // Amounts in cents and other short decimals take a quicker way than std::to_chars, which
    // must come to the same text: amounts and the results of dividing and multiplying them,
    // the doubles on either side of short decimals (which need all their digits), doubles too
    // far apart for six decimals to tell them, powers of two and the doubles just below them,
    // doubles halfway between two shortest decimals, and doubles of any bit pattern.
    std::mt19937_64 random(20220228);
    std::uniform_int_distribution<std::int64_t> cents(-100'000'000'000, 100'000'000'000);
    std::uniform_int_distribution<int> decimals(0, 22);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    Collected out;
    CsvWriter writer(out.sink(), std::size_t{1} << 24);
    std::vector<double> values;
    for (int i = 0; i < 400'000; ++i) {
        const double amount = static_cast<double>(cents(random)) / 100.0;
        const double decimal =
            static_cast<double>(cents(random)) / std::pow(10.0, decimals(random));
        std::uint64_t bits = random();
        double pattern = 0.0;
        std::memcpy(&pattern, &bits, sizeof pattern);
        const double candidates[] = {
            amount,
            decimal,
            amount * 0.075,
            amount / 3.0 / 12.0,
            std::nextafter(decimal, (bits & 1) != 0 ? 1e300 : -1e300),
            std::ldexp(fraction(random), static_cast<int>(bits % 120) - 60),
            // Just below 2^53 millionths, where doubles lie further apart than a millionth.
            8.6e9 + fraction(random) * 4e8,
            std::isfinite(pattern) ? pattern : 0.5,
            // Powers of two, below which doubles lie closer together, and the double below one.
            std::ldexp(1.0, -static_cast<int>(bits % 70)),
            std::nextafter(std::ldexp(1.0, -static_cast<int>(bits % 70)), 0.0),
            // Quarters of large amounts, halfway between two decimals of the same length.
            static_cast<double>((std::uint64_t{1} << 50) + (bits >> 24)) + 0.25 * (bits % 4),
        };
        // Every other record cell by cell, the others all at once, as a batch writes results.
        if (i % 2 == 0) {
            for (const double value : candidates) {
                writer.number(value);
            }
        } else {
            writer.numbers(candidates);
        }
        writer.endRecord();
        values.insert(values.end(), std::begin(candidates), std::end(candidates));
    }
    ASSERT_TRUE(writer.flush());
    std::string_view written = out.text;
    int mismatches = 0;
    for (const double value : values) {
        const std::size_t end = written.find_first_of(",\n");
        const std::string_view cell = written.substr(0, end);
        written.remove_prefix(end + 1);
        if (cell != shortestText(value) && ++mismatches <= 10) {
            ADD_FAILURE() << "wrote " << cell << " for " << shortestText(value);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(CsvWriter, PlainCellsStandAsGiven)
{
    Collected out;
    CsvWriter writer(out.sink());
    writer.plainCells("Thandi Mokoena,40,500000", 3);
    writer.integer(106725);
    writer.endRecord();
    writer.integer(1);
    writer.plainCells("a,,", 3); // ends in an empty cell
    writer.endRecord();
    writer.plainCells("", 1); // one empty cell alone is written so as not to vanish
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.text, "Thandi Mokoena,40,500000,106725\n1,a,,\n\"\"\n");
}

TEST(CsvWriter, WritesIntegersAndEmptyCells)
{
    Collected out;
    CsvWriter writer(out.sink());
    writer.integer(365);
    writer.cell("");
    writer.integer(-4);
    writer.integer(0);
    writer.integer(10);
    writer.integer(std::numeric_limits<std::int64_t>::max());
    writer.integer(std::numeric_limits<std::int64_t>::min());
    writer.endRecord();
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.text, "365,,-4,0,10,9223372036854775807,-9223372036854775808\n");
}

TEST(CsvWriter, WritesWholeNumbersOfEveryLength)
{
    // Whole numbers are written by their length in steps: each length, at both of its ends, as
    // an integer, as a double and as the whole part of an amount in cents.
    Collected out;
    CsvWriter writer(out.sink());
    std::string expected;
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t value : {power - 1, power, power + 7}) {
            writer.integer(value);
            writer.integer(-value);
            expected.append(std::to_string(value)).append(",").append(std::to_string(-value));
            if (value < (std::int64_t{1} << 40)) {
                writer.number(static_cast<double>(value));
                writer.number(static_cast<double>(value) + 0.25);
                expected.append(",").append(std::to_string(value));
                expected.append(",").append(std::to_string(value)).append(".25");
            }
            writer.endRecord();
            expected += "\n";
        }
        if (power == 1'000'000'000'000'000'000) {
            break;
        }
    }
    ASSERT_TRUE(writer.flush());
    EXPECT_EQ(out.text, expected);
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

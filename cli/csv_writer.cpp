// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
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

using Wide = unsigned __int128;

constexpr double kExactIntegers = 9007199254740992.0; // 2^53

// 10^k for k up to 19, each exactly.
constexpr auto kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// The two digits of each number below 100.
constexpr char kDigitPairs[] = "00010203040506070809"
                               "10111213141516171819"
                               "20212223242526272829"
                               "30313233343536373839"
                               "40414243444546474849"
                               "50515253545556575859"
                               "60616263646566676869"
                               "70717273747576777879"
                               "80818283848586878889"
                               "90919293949596979899";

// How many digits `value` has (at least 1), for values below 10^19.
int digitCount(std::uint64_t value)
{
    // 1233 / 4096 is just above log10(2): from the bit length, the count or one less.
    const int bitLength = 64 - std::countl_zero(value | 1);
    const int guess = (bitLength * 1233) >> 12;
    return guess + (value >= kPowersOfTen[static_cast<std::size_t>(guess)] ? 1 : 0);
}

// The longest text writeDecimal writes: a sign, 20 digits, "0." and 19 decimals.
constexpr std::size_t kLongestDecimal = 48;

// A number as the digits of a decimal: digits / 10^decimals, negative or not.
struct Decimal
{
    std::uint64_t digits = 0;
    int decimals = 0;
    bool negative = false;
};

// Writes `decimal` in plain decimal notation (a 0 before the point where nothing else is; no
// point without decimals) at `out`, right to left from its end; returns the end. At most 24
// characters and the decimals.
char* writeDecimal(const Decimal& decimal, char* out)
{
    const int count = digitCount(decimal.digits);
    const int wholeDigits = count > decimal.decimals ? count - decimal.decimals : 1;
    char* const end = out + (decimal.negative ? 1 : 0) + wholeDigits +
                      (decimal.decimals > 0 ? decimal.decimals + 1 : 0);
    char* at = end;
    std::uint64_t digits = decimal.digits;
    const auto pair = [&at](std::uint64_t below100) {
        at -= 2;
        std::memcpy(at, kDigitPairs + 2 * below100, 2);
    };
    int written = 0;
    for (; written + 2 <= decimal.decimals; written += 2) {
        pair(digits % 100);
        digits /= 100;
    }
    if (written < decimal.decimals) {
        *--at = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    if (decimal.decimals > 0) {
        *--at = '.';
    }
    while (digits >= 100) {
        pair(digits % 100);
        digits /= 100;
    }
    if (digits >= 10) {
        pair(digits);
    } else {
        *--at = static_cast<char>('0' + digits);
    }
    if (decimal.negative) {
        *--at = '-';
    }
    return end;
}

// The shortest text of a value that is not whole and lies below 2^53 and from 2^-8, by exact
// integer arithmetic; the same text std::to_chars writes, without its general machinery.
//
// The value is m / 2^s (m its 53 significant bits, 1 <= s <= 60). It reads back from any decimal
// strictly nearer to it than to its neighbours (at the halfway points too when m is even, as
// a reading rounds halves to even): within 2^-(s+1) on either side, but 2^-(s+2) below a power
// of two, where the doubles below lie closer together. With k decimals, the decimals nearest the
// value are q / 10^k and (q + 1) / 10^k, where q and r are the quotient and remainder of
// m * 10^k / 2^s; they lie r / 2^s and (2^s - r) / 2^s of a 10^-k away. A decimal with k decimals
// that reads back as the value is also one with k + 1, so the fewest decimals are found by
// halving a range of k: from 1 (the value is not whole) to the decimals of 17 significant
// digits, which always read back (19 at most: a value from 2^-8 has at most two zeros after its
// point). Amounts in cents are tried first. Of two decimals that both read back, the nearer is
// written, the even one of two as near (as to_chars does, for values whose doubles lie more than
// a 10^-k apart). False for a value outside that range.
bool shortestFraction(double value, Decimal& decimal)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const int s = 1075 - exponent;
    if (exponent == 0 || s < 1 || s > 60) {
        return false;
    }
    const std::uint64_t m = fraction | (std::uint64_t{1} << 52);
    const bool halfwayReadsBack = m % 2 == 0;
    const unsigned belowFactor = fraction == 0 && exponent > 1 ? 4 : 2;
    const std::uint64_t unit = std::uint64_t{1} << s;

    // The decimal with `k` decimals that reads back as the value, times 10^k; 0 where there is
    // none (the value is not whole: 0 never reads back).
    const auto at = [&](int k) -> std::uint64_t {
        const std::uint64_t power = kPowersOfTen[static_cast<std::size_t>(k)];
        const Wide scaled = Wide{m} * power;
        const auto q = static_cast<std::uint64_t>(scaled >> s);
        const std::uint64_t r = static_cast<std::uint64_t>(scaled) & (unit - 1);
        // Within reach when twice (four times below a power of two) the distance in units of
        // 2^-s is less than 10^k: both sides scaled by 2^s * 10^k. Distances stay below 2^62.
        const auto within = [&](std::uint64_t scaledDistance) {
            return scaledDistance < power || (halfwayReadsBack && scaledDistance == power);
        };
        const bool lowerIn = within(r * belowFactor);
        const bool upperIn = r != 0 && within((unit - r) * 2);
        // Halfway between the two, the even one is written.
        const bool lowerNearer = r < unit - r || (r == unit - r && q % 2 == 0);
        if (lowerIn && (!upperIn || lowerNearer)) {
            return q;
        }
        return upperIn ? q + 1 : 0;
    };
    const std::uint64_t whole = m >> s;
    int low = 1;
    int high = whole > 0 ? 17 - digitCount(whole) : 19;
    std::uint64_t best = 0;
    if (low < high) {
        if (const std::uint64_t cents = at(2); cents != 0) {
            best = cents;
            high = 2;
            // Where the doubles lie closer together than a hundredth, no other decimal with two
            // decimals reads back: one with one decimal does only as this one without its 0.
            if (unit > kPowersOfTen[2]) {
                if (best % 10 == 0) {
                    best /= 10;
                    high = 1;
                }
                low = high;
            }
        } else {
            low = 3;
        }
    }
    while (low < high) {
        const int middle = (low + high) / 2;
        if (const std::uint64_t tried = at(middle); tried != 0) {
            high = middle;
            best = tried;
        } else {
            low = middle + 1;
        }
    }
    if (best == 0 && (best = at(high)) == 0) {
        return false;
    }
    decimal = {best, high, value < 0};
    return true;
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
    separate();
    m_lastCellEmpty = false;
    // Whole amounts, the usual case, are written as integers: the same digits. -0 (a credit that
    // cancels a tax exactly) is written as 0. (Below 2^53 the conversion to an integer drops the
    // fraction: the same test as std::trunc, without a call.)
    Decimal decimal;
    bool exact = false;
    if (std::abs(value) < kExactIntegers) {
        const auto whole = static_cast<std::int64_t>(value);
        if (static_cast<double>(whole) == value) {
            decimal = {static_cast<std::uint64_t>(whole < 0 ? -whole : whole), 0, whole < 0};
            exact = true;
        } else {
            exact = shortestFraction(value, decimal);
        }
    }
    if (exact) {
        wrote(writeDecimal(decimal, room(kLongestDecimal)));
        return;
    }
    // The longest fixed notation of a double, 1.7e308, has 309 digits.
    constexpr std::size_t kLongest = 400;
    char* const text = room(kLongest);
    wrote(std::to_chars(text, text + kLongest, value, std::chars_format::fixed).ptr);
}

void CsvWriter::integer(std::int64_t value)
{
    separate();
    m_lastCellEmpty = false;
    // The magnitude of the most negative value too.
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    wrote(writeDecimal({magnitude, 0, value < 0}, room(kLongestDecimal)));
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

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

// The longest text writeExact writes: a sign, 16 digits, a point and 19 decimals, and some to
// spare.
constexpr std::size_t kLongestExact = 48;

void writePair(char* at, std::uint64_t below100)
{
    std::memcpy(at, kDigitPairs + 2 * below100, 2);
}

// Writes `value` (below 10^count) as exactly `count` digits, with zeros in front, at `out`;
// returns the end. Eight digits at a time where there are more, as four pairs that do not wait
// for each other.
inline char* writeDigits(std::uint64_t value, int count, char* out)
{
    char* const end = out + count;
    char* at = end;
    for (; count >= 8; count -= 8) {
        const auto eight = static_cast<std::uint32_t>(value % 100'000'000);
        value /= 100'000'000;
        at -= 8;
        const std::uint32_t high = eight / 10'000;
        const std::uint32_t low = eight % 10'000;
        writePair(at, high / 100);
        writePair(at + 2, high % 100);
        writePair(at + 4, low / 100);
        writePair(at + 6, low % 100);
    }
    auto rest = static_cast<std::uint32_t>(value); // below 10^8
    for (; count >= 2; count -= 2) {
        at -= 2;
        writePair(at, rest % 100);
        rest /= 100;
    }
    if (count > 0) {
        at[-1] = static_cast<char>('0' + rest);
    }
    return end;
}

// Writes `value` (below 10^4) in decimal at `out`; returns the end.
inline char* writeBelow10000(std::uint32_t value, char* out)
{
    if (value < 10) {
        *out = static_cast<char>('0' + value);
        return out + 1;
    }
    if (value < 100) {
        writePair(out, value);
        return out + 2;
    }
    const std::uint32_t high = value / 100;
    const std::uint32_t low = value - high * 100;
    if (high < 10) {
        *out = static_cast<char>('0' + high);
        writePair(out + 1, low);
        return out + 3;
    }
    writePair(out, high);
    writePair(out + 2, low);
    return out + 4;
}

// Writes `value` in decimal at `out`; returns the end. Amounts below 10^8, the usual ones, by
// their length in steps of four digits, without counting them first.
inline char* writeWhole(std::uint64_t value, char* out)
{
    if (value < 10'000) {
        return writeBelow10000(static_cast<std::uint32_t>(value), out);
    }
    if (value < 100'000'000) {
        const auto eight = static_cast<std::uint32_t>(value);
        const std::uint32_t high = eight / 10'000;
        const std::uint32_t low = eight - high * 10'000;
        out = writeBelow10000(high, out);
        writePair(out, low / 100);
        writePair(out + 2, low % 100);
        return out + 4;
    }
    return writeDigits(value, digitCount(value), out);
}

// A positive number that is not whole as a decimal: whole + decimals / 10^count; the last of its
// decimals is not 0.
struct Fraction
{
    std::uint64_t whole = 0;
    std::uint64_t decimals = 0;
    int count = 0;
};

// The shortest text of a positive value that is not whole and lies below 2^53 and from 2^-8, by
// exact integer arithmetic; the same text std::to_chars writes, without its general machinery.
//
// The value is m / 2^s (m its 53 significant bits, 1 <= s <= 60). It reads back from any decimal
// strictly nearer to it than to its neighbours (at the halfway points too when m is even, as
// a reading rounds halves to even): within 2^-(s+1) on either side, but 2^-(s+2) below a power
// of two, where the doubles below lie closer together. With k decimals, the decimals nearest the
// value are q / 10^k and (q + 1) / 10^k, where q and r are the quotient and remainder of
// m * 10^k / 2^s; they lie r / 2^s and (2^s - r) / 2^s of a 10^-k away. A decimal with k decimals
// that reads back as the value is also one with k + 1, so the fewest decimals lie at the end of
// a range of k that reads back: from 1 (the value is not whole) to the decimals of 17 significant
// digits, which always read back (19 at most: a value from 2^-8 has at most two zeros after its
// point). Amounts in cents are tried first, unless `centsRuledOut` says that no decimal of two
// decimals or fewer reads back; then, as the results of dividing need 16 or 17 digits, 16 and 15
// digits; the rest of the range is halved. Of two decimals that both read
// back, the nearer is written, the even one of two as near (as to_chars does, for values whose
// doubles lie more than a 10^-k apart). The decimal's whole part is the value's: a decimal
// beyond the next whole number would lie nearer to that number, a double itself. False for
// a value outside that range.
bool shortestFraction(double value, bool centsRuledOut, Fraction& fraction)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
    const int s = 1075 - exponent;
    if (exponent == 0 || s < 1 || s > 60) {
        return false;
    }
    const std::uint64_t m = significand | (std::uint64_t{1} << 52);
    const bool halfwayReadsBack = m % 2 == 0;
    const unsigned belowFactor = significand == 0 && exponent > 1 ? 4 : 2;
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
    // The decimals found are those of `high` (when `best` is not 0); fewer than `low` do not
    // read back.
    int low = 1;
    int high = whole > 0 ? 17 - digitCount(whole) : 19;
    std::uint64_t best = 0;
    if (centsRuledOut) {
        low = std::min(3, high);
    } else if (low < high) {
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
    for (int step = 0; step < 2 && low < high; ++step) {
        const std::uint64_t tried = at(high - 1);
        if (tried == 0) {
            low = high;
            break;
        }
        best = tried;
        --high;
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
    fraction = {whole, best - whole * kPowersOfTen[static_cast<std::size_t>(high)], high};
    return true;
}

// Writes a positive value that is not whole and is no amount in cents below 2^40 (as
// `centsRuledOut` says) by its shortest decimal; nullptr outside the range of shortestFraction.
// Kept out of line: the usual values need none of it.
[[gnu::noinline]] char* writeShortest(double magnitude, bool centsRuledOut, char* out)
{
    Fraction fraction;
    if (!shortestFraction(magnitude, centsRuledOut, fraction)) {
        return nullptr;
    }
    out = writeWhole(fraction.whole, out);
    *out++ = '.';
    return writeDigits(fraction.decimals, fraction.count, out);
}

// Writes a value that is not whole, as writeExact does; nullptr outside its range. (Apart from
// writeExact, which is quicker for whole numbers without this one's preparations.)
//
// Amounts in cents below 2^40 (about a million million), the usual value that is not whole, are
// found with one division: the decimal c / 100 reads back as the value when c / 100.0 (the double
// nearest to it, rounded as a reading rounds) is the value. It is then the only decimal of two
// decimals or fewer that does: below 2^40 the doubles lie less than a ten-thousandth apart, so
// two decimals that both read back as the value lie closer together than a hundredth.
inline char* writeFraction(double value, char* out)
{
    constexpr double kCentsBelow = 1099511627776.0; // 2^40
    // Written at once: should the value be out of range, the caller writes from `out` again.
    if (value < 0) {
        *out++ = '-';
    }
    const double magnitude = std::abs(value);
    const bool small = magnitude < kCentsBelow;
    if (small) {
        // The nearest number of cents, or one beside it: the division below tells. Below 2^47,
        // so the signed conversion, which needs no test for the top bit, will do.
        const auto cents =
            static_cast<std::uint64_t>(static_cast<std::int64_t>(magnitude * 100.0 + 0.5));
        if (static_cast<double>(cents) / 100.0 == magnitude) {
            out = writeWhole(cents / 100, out);
            const auto decimals = static_cast<std::uint32_t>(cents % 100); // not 0: not whole
            out[0] = '.';
            if (decimals % 10 == 0) {
                out[1] = static_cast<char>('0' + decimals / 10);
                return out + 2;
            }
            writePair(out + 1, decimals);
            return out + 3;
        }
    }
    return writeShortest(magnitude, small, out);
}

// Writes `value` at `out` in plain decimal notation where exact integer arithmetic finds its
// shortest text (below 2^53, and from 2^-8 when it is not whole; at most kLongestExact
// characters): returns the end, or nullptr for other values. Whole amounts, the usual case, are
// written as integers: the same digits. -0 (a credit that cancels a tax exactly) is written as 0.
inline char* writeExact(double value, char* out)
{
    if (!(std::abs(value) < kExactIntegers)) {
        return nullptr;
    }
    // Below 2^53 the conversion to an integer drops the fraction: the same test as std::trunc,
    // without a call.
    const auto whole = static_cast<std::int64_t>(value);
    if (static_cast<double>(whole) != value) {
        return writeFraction(value, out);
    }
    if (whole < 0) {
        *out++ = '-';
    }
    return writeWhole(static_cast<std::uint64_t>(whole < 0 ? -whole : whole), out);
}

} // namespace

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
    writeNumber(value);
}

void CsvWriter::numbers(std::span<const double> values)
{
    if (values.empty()) {
        return;
    }
    // Room for every number and its separator at once. The text goes through a local pointer:
    // a store through the buffer's chars could change any member as far as the compiler knows,
    // so members would be read again after every character.
    constexpr std::size_t kRoom = kLongestExact + 1;
    char* out = room(values.size() * kRoom);
    std::size_t cells = m_cellsInRecord;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (cells++ > 0) {
            *out++ = ',';
        }
        if (char* const end = writeExact(values[i], out)) [[likely]] {
            out = end;
            continue;
        }
        wrote(out);
        writeFixed(values[i]);
        out = room((values.size() - i - 1) * kRoom);
    }
    m_cellsInRecord = cells;
    m_lastCellEmpty = false;
    wrote(out);
}

void CsvWriter::writeNumber(double value)
{
    if (char* const end = writeExact(value, room(kLongestExact))) {
        wrote(end);
    } else {
        writeFixed(value);
    }
}

void CsvWriter::writeFixed(double value)
{
    // The longest fixed notation of a double, 1.7e308, has 309 digits.
    constexpr std::size_t kLongest = 400;
    char* const text = room(kLongest);
    wrote(std::to_chars(text, text + kLongest, value, std::chars_format::fixed).ptr);
}

void CsvWriter::integer(std::int64_t value)
{
    separate();
    m_lastCellEmpty = false;
    char* out = room(kLongestExact);
    if (value < 0) {
        *out++ = '-';
    }
    // The magnitude of the most negative value too.
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    wrote(writeWhole(magnitude, out));
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

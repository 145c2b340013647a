// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/printout_file_name.h"

#include <cstdio>

namespace grovan::cli {

namespace {

bool isAsciiLetterOrDigit(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The bytes of an accented Latin letter (U+00C0 to U+024F, without the signs U+00D7 and U+00F7)
// at the start of `text`, or 0. These are all two-byte sequences, lead byte 0xC3 to 0xC9.
std::size_t latinLetterLength(std::string_view text)
{
    if (text.size() < 2) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto next = static_cast<unsigned char>(text[1]);
    if (lead < 0xC3 || lead > 0xC9 || (next & 0xC0) != 0x80) {
        return 0;
    }
    const unsigned codePoint = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
    return codePoint == 0xD7 || codePoint == 0xF7 ? 0 : 2;
}

} // namespace

std::string printoutFileName(std::size_t row, std::string_view name)
{
    std::string safe;
    bool separate = false;
    while (!name.empty()) {
        std::size_t length =
            isAsciiLetterOrDigit(static_cast<unsigned char>(name[0])) ? 1 : latinLetterLength(name);
        if (length == 0) {
            separate = !safe.empty();
            name.remove_prefix(1);
            continue;
        }
        if (safe.size() + (separate ? 1 : 0) + length > kLongestNameInFileName) {
            break;
        }
        if (separate) {
            safe.push_back('-');
            separate = false;
        }
        safe.append(name.substr(0, length));
        name.remove_prefix(length);
    }

    char number[24];
    std::snprintf(number, sizeof number, "%04zu", row);
    return std::string(number) + (safe.empty() ? "" : "-" + safe) + ".pdf";
}

} // namespace grovan::cli

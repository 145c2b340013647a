// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/utf8_text.h"

#include "core/number_format.h"

#include <cstdio>

namespace grovan {

namespace {

// The length of the UTF-8 sequence at `text[at]` and its code point, or 0 when the bytes there
// are not one.
std::size_t sequenceAt(std::string_view text, std::size_t at, char32_t& codePoint)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[at + i]);
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() - at < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool isInvisible(char32_t c)
{
    return c == 0xFEFF || (c >= 0x200B && c <= 0x200F) || c == 0x2060 || c == 0x00AD ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendHex(std::string& out, const char* format, unsigned value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    out += buffer;
}

std::string escape(std::string_view text, std::size_t longest, bool& cut)
{
    cut = false;
    std::string out;
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (characters == longest) {
            out += "\u2026";
            cut = true;
            break;
        }
        ++characters;
        char32_t c = 0;
        const std::size_t length = sequenceAt(text, at, c);
        if (length == 0) {
            appendHex(out, "\\x%02X", static_cast<unsigned char>(text[at]));
            ++at;
            continue;
        }
        if (c == 0) {
            out += "\\0";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            appendHex(out, "\\x%02X", static_cast<unsigned>(c));
        } else if ((c >= 0x80 && c < 0xA0) || isInvisible(c)) {
            appendHex(out, "\\u{%04X}", static_cast<unsigned>(c));
        } else {
            out.append(text.substr(at, length));
        }
        at += length;
    }
    return out;
}

} // namespace

std::size_t validUtf8Length(std::string_view text)
{
    std::size_t at = 0;
    char32_t codePoint = 0;
    while (at < text.size()) {
        // ASCII runs, the usual text, one byte at a time without decoding.
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = sequenceAt(text, at, codePoint);
        if (length == 0) {
            return at;
        }
        at += length;
    }
    return at;
}

std::string escapedText(std::string_view text, std::size_t longest)
{
    bool cut = false;
    return escape(text, longest, cut);
}

std::string quotedText(std::string_view text, std::size_t longest)
{
    bool cut = false;
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on "\"" + std::string.
    std::string out(1, '"');
    out += escape(text, longest, cut);
    out += '"';
    if (cut) {
        out += " (";
        out += formatNumber(static_cast<double>(text.size()), "### ### ### ##0");
        out += " bytes)";
    }
    return out;
}

} // namespace grovan

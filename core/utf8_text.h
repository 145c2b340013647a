// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace grovan {

/// How many bytes at the start of `text` are well-formed UTF-8 (no overlong forms, no surrogates,
/// nothing above U+10FFFF); `text.size()` when all of it is.
std::size_t validUtf8Length(std::string_view text);

/// Whether `text` is well-formed UTF-8 as a whole.
inline bool isValidUtf8(std::string_view text)
{
    return validUtf8Length(text) == text.size();
}

/// `text` as a message may show it, on a terminal or in a CSV cell: what cannot be seen or is no
/// UTF-8 is written out, so that the message stays readable UTF-8 whatever the text held. Control
/// characters become \0, \t, \n, \r or \xHH, a byte that is no UTF-8 becomes \xHH, and the
/// invisible characters (C1 controls, byte order mark, zero-width spaces and joiners, direction
/// marks, soft hyphen) become \u{FEFF}-style escapes. Text longer than `longest` characters is cut
/// there and ends in "…".
std::string escapedText(std::string_view text, std::size_t longest = 60);

/// escapedText() in double quotes; text that was cut is followed by its whole length, such as
/// "\"1234…\" (50 000 000 bytes)".
std::string quotedText(std::string_view text, std::size_t longest = 60);

} // namespace grovan

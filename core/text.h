// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace grovan {

/// `text` without the blanks and tabs at either end.
constexpr std::string_view trimmed(std::string_view text)
{
    // Compared in place: the searches of std::string_view for a set of characters call memchr
    // for every character they pass, and this runs for every text cell of a batch.
    const auto blank = [](char c) {
        return c == ' ' || c == '\t';
    };
    std::size_t first = 0;
    while (first < text.size() && blank(text[first])) {
        ++first;
    }
    std::size_t last = text.size();
    while (last > first && blank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace grovan::cli {

/// The longest name part of a printout's file name, in bytes.
inline constexpr std::size_t kLongestNameInFileName = 60;

/// The file name of one row's printout in a batch: the row number, four digits at least, then
/// the employee's name, such as "0007-Jan-van-Wyk.pdf". The name is never trusted as a path: only
/// letters (ASCII and the accented Latin letters of names such as "Zoë Coetzée") and digits are
/// kept, every other run of characters (slashes, dots, blanks, control characters, bytes that are
/// no UTF-8) becomes one "-", none at either end, and the name part is cut to
/// kLongestNameInFileName bytes; when nothing is left the file is named after the row alone
/// ("0007.pdf").
std::string printoutFileName(std::size_t row, std::string_view name);

} // namespace grovan::cli

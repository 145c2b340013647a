// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace grovan {

/// The program's version: major.minor.revision, set once in the build.
struct ProgramVersion
{
    int major = 0;
    int minor = 0;
    int revision = 0;

    /// The version this program was built as.
    static ProgramVersion current();

    /// "1.00.000": the major number, the minor as "00" and the revision as "000", as the main
    /// window's caption and the About window show it.
    std::string displayText() const;

    /// The three numbers' decimal digits written one after the other and read as a number
    /// (1.0.12 gives 1012, 2.0.5 gives 205): what the start-up state stores as the version whose
    /// disclaimer was accepted.
    std::int64_t disclaimerNumber() const;

    bool operator==(const ProgramVersion&) const = default;
};

} // namespace grovan

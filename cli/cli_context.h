// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

namespace grovan::cli {

/// Exit codes of grovan-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;   ///< the work was done but some of it failed
inline constexpr int kExitBadInput = 2; ///< bad arguments or invalid input; nothing was done

/// What a command writes to and the exit code it leaves.
struct CliContext
{
    std::ostream& out;
    std::ostream& err;
    int exitCode = kExitOk;

    /// Reports a bad argument or input on standard error and sets exit code 2.
    void refuse(const std::string& message)
    {
        err << "grovan-cli: " << message << '\n';
        exitCode = kExitBadInput;
    }
};

} // namespace grovan::cli

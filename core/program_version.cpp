// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program_version.h"

#include "core/build_version.h"
#include "core/number_format.h"

namespace grovan {

ProgramVersion ProgramVersion::current()
{
    return {build::kVersionMajor, build::kVersionMinor, build::kVersionRevision};
}

std::string ProgramVersion::displayText() const
{
    return std::to_string(major) + "." + formatNumber(minor, "00") + "." +
           formatNumber(revision, "000");
}

std::int64_t ProgramVersion::disclaimerNumber() const
{
    return std::stoll(std::to_string(major) + std::to_string(minor) + std::to_string(revision));
}

} // namespace grovan

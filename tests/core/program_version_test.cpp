// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program_version.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

TEST(ProgramVersion, DisplayTextPadsMinorAndRevision)
{
    EXPECT_EQ((ProgramVersion{1, 2, 3}.displayText()), "1.02.003");
    EXPECT_EQ((ProgramVersion{1, 0, 12}.displayText()), "1.00.012");
    EXPECT_EQ((ProgramVersion{2, 10, 100}.displayText()), "2.10.100");
}

TEST(ProgramVersion, DisclaimerNumberJoinsTheDigits)
{
    EXPECT_EQ((ProgramVersion{1, 0, 12}.disclaimerNumber()), 1012);
    EXPECT_EQ((ProgramVersion{2, 0, 5}.disclaimerNumber()), 205);
    EXPECT_EQ((ProgramVersion{1, 2, 3}.disclaimerNumber()), 123);
}

TEST(ProgramVersion, CurrentIsTheBuiltVersion)
{
    const ProgramVersion current = ProgramVersion::current();
    EXPECT_EQ(current, (ProgramVersion{1, 0, 0}));
    EXPECT_EQ(current.displayText(), "1.00.000");
    EXPECT_EQ(current.disclaimerNumber(), 100);
}

} // namespace
} // namespace grovan

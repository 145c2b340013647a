// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/period_fields.h"
#include "paye/period_printout.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

struct ReadBackCase
{
    const char* name;
    double value;
    double printed;
};

// The UIF and levy amounts print as their fields show them, "### ### ##0.00": rounded to
// cents with halves away from zero (the display's rounding, not the halves-to-even of the
// calculations), thousands grouped by blanks that the reading rule skips.
const ReadBackCase kReadBackCases[] = {
    {"cents_stay", 177.12, 177.12},
    {"more_decimals_round_to_cents", 218.56608, 218.57},
    {"below_half_a_cent_rounds_down", 196.78032, 196.78},
    {"half_a_cent_rounds_away_from_zero", 0.125, 0.13},
    {"half_as_shown_rounds_up", 2.675, 2.68},
    {"thousands_are_grouped_and_read_back", 1500, 1500},
    {"millions", 1234567.891, 1234567.89},
    {"zero", 0, 0},
    {"below_half_a_cent_shows_zero", 0.004, 0},
};

class ShownAndReadBack : public ::testing::TestWithParam<ReadBackCase>
{};

TEST_P(ShownAndReadBack, GivesTheShownValue)
{
    EXPECT_EQ(shownAndReadBack(GetParam().value, kPeriodMoneyFormat), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(PeriodPrintout, ShownAndReadBack, ::testing::ValuesIn(kReadBackCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PeriodPrintout, UifAndLevyFieldsShowTwoDecimals)
{
    for (const FieldDescription* field :
         {&kPeriodEmployeeUif, &kPeriodEmployerUif, &kPeriodSkillsLevy}) {
        EXPECT_EQ(field->displayFormat, "### ### ##0.00") << field->controlName;
    }
}

} // namespace
} // namespace grovan

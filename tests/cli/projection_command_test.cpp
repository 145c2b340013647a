// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/projection_command.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace grovan::cli {
namespace {

struct ProjectionCase
{
    const char* name;
    std::vector<std::string> arguments;
    int exitCode;
    /// Standard output exactly (or how it starts, for `prefix`), or (exit code 2) what standard
    /// error holds.
    const char* expected;
    bool prefix = false;
};

// 100 000 at 6 %: each year's cost is the last one's x 1.06 and each year's buying power the last
// one's / 1.06, as the window's projection accumulates them (179 084.77 and 55 839.48 after 10
// years).
const ProjectionCase kCases[] = {
    {"to_the_period_by_default",
     {"presentCost=100000", "years=3", "inflationRate=6"},
     0,
     "year,futureCost,buyingPower\n"
     "0,100000,100000\n"
     "1,106000,94339.62264150943\n"
     "2,112360,88999.64400142399\n"
     "3,119101.6,83961.92830323018\n"},
    {"one_year_of_a_range",
     {"presentCost=100000", "inflationRate=6", "--from", "10", "--to", "10"},
     0,
     "year,futureCost,buyingPower\n10,179084.7696542854,55839.47769151181\n"},
    {"falling_prices",
     {"presentCost=100000", "inflationRate=-5", "--from", "9", "--to", "10"},
     0,
     "year,futureCost,buyingPower\n9,63024.94097246093,158667.34416093383\n"
     "10,59873.69392383788,167018.2570115093\n"},
    // The end of the period field's range, with a cost too large for the window to show: 1.4^40
    // = 700 037.7 times 2 147 483 647, written out in full.
    {"largest_cost",
     {"presentCost=2147483647", "years=40", "inflationRate=40", "--from", "40"},
     0,
     "year,futureCost,buyingPower\n40,1503319",
     true},
    {"rate_outside_the_field",
     {"inflationRate=41"},
     2,
     "inflationRate: The range of the Inflation Rate is between -5% and 40%"},
    {"period_outside_the_field", {"years=41"}, 2, "years: The maximum period allowed 40 years"},
    {"not_an_input",
     {"bondAmount=1"},
     2,
     "bondAmount: is not an input of the inflation calculator"},
    {"not_an_assignment", {"100000"}, 2, "inputs are given as KEY=VALUE"},
    {"from_after_to", {"years=5", "--from", "6"}, 2, "--from not after --to (here 6 to 5)"},
    {"to_beyond_40", {"--to", "41"}, 2, "--to: Value 41 not in range 0 to 40"},
};

class Projection : public ::testing::TestWithParam<ProjectionCase>
{};

TEST_P(Projection, WritesTheYearsAsCsvOrRefuses)
{
    const ProjectionCase& c = GetParam();
    std::ostringstream out;
    std::ostringstream err;
    CliContext context{out, err};
    CLI::App app{"grovan-cli"};
    addProjectionCommand(app, context);
    std::vector<std::string> arguments{"projection"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    std::vector<const char*> argv{"grovan-cli"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
        err << e.what();
        context.exitCode = 2;
    }
    EXPECT_EQ(context.exitCode, c.exitCode) << err.str();
    if (c.exitCode != 0) {
        EXPECT_NE(err.str().find(c.expected), std::string::npos) << err.str();
        EXPECT_EQ(out.str(), "");
    } else if (c.prefix) {
        EXPECT_TRUE(out.str().starts_with(c.expected)) << out.str();
        const std::string figures = out.str().substr(out.str().find('\n'));
        EXPECT_EQ(figures.find('e'), std::string::npos) << "no exponent: " << figures;
    } else {
        EXPECT_EQ(out.str(), c.expected);
        EXPECT_EQ(err.str(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(ProjectionCommand, Projection, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan::cli

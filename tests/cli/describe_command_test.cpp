// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/describe_command.h"
#include "core/calculator_catalogue.h"
#include "shell/calculators.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <sstream>

namespace grovan::cli {
namespace {

std::string describeText(const std::string& calculator)
{
    std::ostringstream out;
    std::ostringstream err;
    CliContext context{out, err};
    CLI::App app;
    addDescribeCommand(app, context, programCalculators());
    app.parse(std::vector<std::string>{calculator, "describe"}); // CLI11 takes them reversed
    EXPECT_EQ(err.str(), "");
    return out.str();
}

struct PrintoutCase
{
    const char* calculator;
    std::vector<const char*> expected;
};

// What describe says of each printout: its tables, templates and languages, and the fields the
// printout writes twice, which calc's listing shows once with their second write.
TEST(DescribeCommandTest, SaysWhatThePrintoutWrites)
{
    const PrintoutCase cases[] = {
        {"annual", {"tables     IRP5Ann", "templates  Annual.rpt", "English or Afrikaans"}},
        {"fortnightly",
         {"tables     IRP5Week", "templates  FortNightly.rpt",
          "Written twice into IRP5Week: TOTAL (first \"Tax deduction\", then \"Total tax "
          "deduction\") and TotalNum; the listing shows the second write."}},
        {"weekly", {"templates  Weekly.rpt", "TOTAL (first \"Tax deduction\""}},
        {"quicktax", {"tables     rapell", "English only (--lang af is refused)"}},
    };
    for (const PrintoutCase& c : cases) {
        const std::string text = describeText(c.calculator);
        for (const char* expected : c.expected) {
            EXPECT_NE(text.find(expected), std::string::npos)
                << c.calculator << " lacks " << expected << "\n"
                << text;
        }
    }
    EXPECT_EQ(describeText("annual").find("Written twice"), std::string::npos);
}

} // namespace
} // namespace grovan::cli

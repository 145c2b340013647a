// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"
#include "cli/manual_command.h"
#include "core/calculator_catalogue.h"
#include "tests/support/temp_folder.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace grovan::cli {
namespace {

using grovan::testing::TempFolder;

// A command line with one option of every kind the manual page and the completion tell apart.
class FixtureCommands
{
public:
    FixtureCommands()
    {
        CLI::App* run = app.add_subcommand("run", "Run something");
        run->add_option("calculator", text, "The calculator")
            ->required()
            ->check(CLI::IsMember({"alpha", "beta"}));
        run->add_option("inputs", list, "Inputs as KEY=VALUE");
        run->add_option("--input", text, "A file")->check(CLI::ExistingFile);
        run->add_option("--folder", text, "A folder")->check(CLI::ExistingDirectory);
        run->add_option("--lang", text, "A language")->check(CLI::IsMember({"en", "af"}));
        run->add_option("--income", number, "An amount")->required();
        run->add_option("--name", text, "A name");
        run->add_flag("--json", flag, "A flag");
        app.add_subcommand("secret", "Hidden")->group("");
    }

    CLI::App app{"Fixture program"};

private:
    std::string text;
    std::vector<std::string> list;
    double number = 0.0;
    bool flag = false;
};

struct OptionCase
{
    const char* name;
    ValueKind kind;
    const char* valueName;
    bool positional;
    bool repeated;
    bool required;
};

const OptionCase kOptionCases[] = {
    {"calculator", ValueKind::Choice, "alpha|beta", true, false, true},
    {"inputs", ValueKind::Text, "TEXT", true, true, false},
    {"--input", ValueKind::File, "FILE", false, false, false},
    {"--folder", ValueKind::Folder, "DIR", false, false, false},
    {"--lang", ValueKind::Choice, "en|af", false, false, false},
    {"--income", ValueKind::Number, "FLOAT", false, false, true},
    {"--name", ValueKind::Text, "TEXT", false, false, false},
    {"--json", ValueKind::None, "", false, false, false},
};

const OptionEntry* entryNamed(const CommandEntry& command, std::string_view name)
{
    for (const OptionEntry& option : command.options) {
        for (const std::string& optionName : option.names) {
            if (optionName == name) {
                return &option;
            }
        }
    }
    return nullptr;
}

TEST(CommandTable, ListsVisibleCommandsOnly)
{
    FixtureCommands fixture;
    const std::vector<CommandEntry> commands = commandTable(fixture.app);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].name, "run");
    EXPECT_EQ(commands[0].description, "Run something");
    const OptionEntry* help = entryNamed(commands[0], "--help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->names, (std::vector<std::string>{"-h", "--help"}));
}

TEST(CommandTable, ReadsWhatEachOptionTakes)
{
    FixtureCommands fixture;
    const CommandEntry command = commandTable(fixture.app).at(0);
    for (const OptionCase& row : kOptionCases) {
        SCOPED_TRACE(row.name);
        const OptionEntry* option = entryNamed(command, row.name);
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->kind, row.kind);
        EXPECT_EQ(option->valueName, row.valueName);
        EXPECT_EQ(option->positional, row.positional);
        EXPECT_EQ(option->repeated, row.repeated);
        EXPECT_EQ(option->required, row.required);
    }
    EXPECT_EQ(entryNamed(command, "--lang")->choices, (std::vector<std::string>{"en", "af"}));
}

// Descriptions are the program's own texts: whatever they hold must come out on the rendered page
// as written, not be taken for requests or escapes of the page's markup.
TEST(ManualPage, ShowsDescriptionsAsWritten)
{
    if (std::system("command -v groff >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "groff is not installed";
    }
    CLI::App app{".A description that starts with a dot"};
    std::string text;
    CLI::App* run = app.add_subcommand("run", "'A quote first, then a back\\slash");
    run->add_option("--weird-name", text, "\\fBnot bold\\fR and 50% off");
    std::ostringstream page;
    writeManualPage(page, app, CalculatorCatalogue{}, "9.8.7");

    TempFolder folder;
    TempFolder::writeFile(folder / "page.1", page.str());
    const std::string command = "groff -man -Tutf8 -P-cbou " + (folder / "page.1").string() + " >" +
                                (folder / "page.txt").string() + " 2>" +
                                (folder / "warnings.txt").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string rendered = TempFolder::readFile(folder / "page.txt");
    for (const char* shown : {".A description that starts with a dot",
                              "'A quote first, then a back\\slash", "\\fBnot bold\\fR and 50% off",
                              "--weird-name TEXT", "grovan-cli run", "Grovan 2022 9.8.7"}) {
        EXPECT_NE(rendered.find(shown), std::string::npos) << shown << "\n" << rendered;
    }
    EXPECT_EQ(TempFolder::readFile(folder / "warnings.txt"), "");
}

} // namespace
} // namespace grovan::cli

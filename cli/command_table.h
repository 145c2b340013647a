// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace grovan::cli {

/// What an option or argument takes, as far as a shell or a manual can tell from its checks.
enum class ValueKind
{
    None,   ///< a flag
    Choice, ///< one of `choices`
    File,   ///< an existing file
    Folder, ///< an existing folder
    Number, ///< a number
    Text,   ///< any text (a file name among others)
};

/// One option or positional argument of a command, read from the command line parser.
struct OptionEntry
{
    std::vector<std::string> names; ///< "-h", "--help"; the argument's name for a positional
    bool positional = false;
    bool required = false;
    bool repeated = false; ///< takes any number of values (a positional list)
    ValueKind kind = ValueKind::None;
    std::string valueName; ///< as the help shows the value: "FLOAT", "FILE", "en|af"; "" for a flag
    std::vector<std::string> choices;
    std::string description;
};

/// One visible command of grovan-cli with its options, the help flag included, in the order they
/// were declared.
struct CommandEntry
{
    std::string name;
    std::string description;
    std::vector<OptionEntry> options;
};

/// The commands of `app` that its help lists (hidden ones left out), read from the parser itself
/// so that the manual page and the shell completion follow every change to the command line.
std::vector<CommandEntry> commandTable(const CLI::App& app);

/// The options of `app` itself (help and version), as for a command.
std::vector<OptionEntry> programOptions(const CLI::App& app);

} // namespace grovan::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"

#include <CLI/CLI.hpp>

namespace grovan::cli {

namespace {

// The parser describes a value as its type and then each check, such as "TEXT:FILE" or
// "TEXT:{en,af}".
std::vector<std::string> typeParts(const std::string& typeName)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= typeName.size()) {
        const std::size_t colon = typeName.find(':', start);
        const std::size_t end = colon == std::string::npos ? typeName.size() : colon;
        parts.push_back(typeName.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::vector<std::string> setMembers(const std::string& set)
{
    std::vector<std::string> members;
    std::string member;
    for (const char c : set.substr(1, set.size() - 2)) {
        if (c == ',') {
            members.push_back(member);
            member.clear();
        } else {
            member += c;
        }
    }
    members.push_back(member);
    return members;
}

OptionEntry entryOf(const CLI::Option& option)
{
    OptionEntry entry;
    entry.positional = !option.nonpositional();
    if (entry.positional) {
        entry.names.push_back(option.get_name());
    }
    for (const std::string& name : option.get_snames()) {
        entry.names.push_back("-" + name);
    }
    for (const std::string& name : option.get_lnames()) {
        entry.names.push_back("--" + name);
    }
    entry.required = option.get_required();
    entry.repeated = option.get_items_expected_max() > 1;
    entry.description = option.get_description();
    if (option.get_expected_max() == 0) {
        return entry;
    }

    const std::vector<std::string> parts = typeParts(option.get_type_name());
    entry.kind = ValueKind::Text;
    entry.valueName = parts.front();
    if (entry.valueName == "FLOAT" || entry.valueName == "INT" || entry.valueName == "UINT") {
        entry.kind = ValueKind::Number;
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string& check = parts[i];
        if (check == "FILE") {
            entry.kind = ValueKind::File;
            entry.valueName = "FILE";
        } else if (check == "DIR") {
            entry.kind = ValueKind::Folder;
            entry.valueName = "DIR";
        } else if (check.size() >= 2 && check.front() == '{' && check.back() == '}') {
            entry.kind = ValueKind::Choice;
            entry.choices = setMembers(check);
            entry.valueName.clear();
            for (const std::string& choice : entry.choices) {
                entry.valueName += (entry.valueName.empty() ? "" : "|") + choice;
            }
        }
    }
    return entry;
}

std::vector<OptionEntry> optionsOf(const CLI::App& app)
{
    std::vector<OptionEntry> options;
    for (const CLI::Option* option : app.get_options()) {
        // Options in the empty group are hidden from the help, and so from here.
        if (!option->get_group().empty()) {
            options.push_back(entryOf(*option));
        }
    }
    return options;
}

} // namespace

std::vector<CommandEntry> commandTable(const CLI::App& app)
{
    std::vector<CommandEntry> commands;
    const auto visible = [](const CLI::App* command) {
        return !command->get_group().empty();
    };
    for (const CLI::App* command : app.get_subcommands(visible)) {
        commands.push_back({command->get_name(), command->get_description(), optionsOf(*command)});
    }
    return commands;
}

std::vector<OptionEntry> programOptions(const CLI::App& app)
{
    return optionsOf(app);
}

} // namespace grovan::cli

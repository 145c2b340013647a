// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/completion_command.h"

#include "cli/command_table.h"
#include "core/calculator_catalogue.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <string>

namespace grovan::cli {

namespace {

// The part of the script that reads the command line; the tables before it are written from the
// parser and the calculators. A value or argument is completed by its kind: calculator, file,
// dir, number, text, assignments (KEY= of the calculator named before) or choice=A,B.
constexpr std::string_view kCompleter = R"bash(
    local line=${COMP_LINE:0:COMP_POINT}
    local -a words=()
    read -ra words <<<"$line"
    if [[ -z $line || $line == *[[:space:]] ]]; then
        words+=('')
    fi
    local last=$((${#words[@]} - 1))
    local cur=${words[last]}
    local command='' calculator='' pending='' word kind i position=0
    local -a kinds=()
    for ((i = 1; i < last; i++)); do
        word=${words[i]}
        if [[ -n $pending ]]; then
            pending=''
        elif [[ -z $command ]]; then
            if [[ $word != -* ]]; then
                command=$word
                read -ra kinds <<<"${positionals[$command]-}"
            fi
        elif [[ $word == -* ]]; then
            if [[ $word != *=* && -n ${values["$command $word"]-} ]]; then
                pending=$word
            fi
        else
            kind=${kinds[position]-}
            if [[ $kind == calculator ]]; then
                calculator=$word
            fi
            if [[ $kind != *... ]]; then
                position=$((position + 1))
            fi
        fi
    done

    COMPREPLY=()
    if [[ -n $pending ]]; then
        _grovan_cli_offer "${values["$command $pending"]}" "$cur"
    elif [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            _grovan_cli_offer "choice=${program_options// /,}" "$cur"
        else
            _grovan_cli_offer "choice=${commands// /,}" "$cur"
        fi
    elif [[ $cur == -*=* ]]; then
        if [[ -n ${values["$command ${cur%%=*}"]-} ]]; then
            _grovan_cli_offer "${values["$command ${cur%%=*}"]}" "${cur#*=}" "${cur%%=*}="
        fi
    elif [[ $cur == -* ]]; then
        _grovan_cli_offer "choice=${options[$command]// /,}" "$cur"
    elif [[ -n ${kinds[position]-} ]]; then
        kind=${kinds[position]}
        _grovan_cli_offer "${kind%...}" "$cur"
    fi
}

# Offers the words of a kind that begin with $2; $3 is put before each (the option of an
# --option=value word) unless the shell completes the part after '=' by itself.
_grovan_cli_offer()
{
    local kind=$1 cur=$2 prefix=${3-} choices
    if [[ $COMP_WORDBREAKS == *=* ]]; then
        prefix=''
    fi
    case $kind in
    calculator)
        mapfile -t COMPREPLY < <(compgen -W "$calculators" -- "$cur")
        ;;
    choice=*)
        choices=${kind#choice=}
        mapfile -t COMPREPLY < <(compgen -W "${choices//,/ }" -- "$cur")
        ;;
    file | text)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    dir)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        ;;
    assignments)
        if [[ $cur != *=* ]]; then
            compopt -o nospace 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -S = -W "${keys[$calculator]-}" -- "$cur")
        fi
        ;;
    esac
    if [[ -n $prefix && ${#COMPREPLY[@]} -gt 0 ]]; then
        COMPREPLY=("${COMPREPLY[@]/#/$prefix}")
    fi
}

complete -F _grovan_cli grovan-cli
)bash";

// Single quotes keep every character but the single quote itself.
std::string shellWord(std::string_view word)
{
    std::string out = "'";
    for (const char c : word) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

std::string joined(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& word : words) {
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

std::string kindOf(const OptionEntry& option, std::vector<std::string> calculatorNames,
                   bool afterCalculator)
{
    switch (option.kind) {
    case ValueKind::Choice: {
        std::vector<std::string> choices = option.choices;
        std::sort(choices.begin(), choices.end());
        std::sort(calculatorNames.begin(), calculatorNames.end());
        if (choices == calculatorNames) {
            return "calculator";
        }
        std::string kind = "choice=";
        for (const std::string& choice : option.choices) {
            kind += (kind.back() == '=' ? "" : ",") + choice;
        }
        return kind;
    }
    case ValueKind::File:
        return "file";
    case ValueKind::Folder:
        return "dir";
    case ValueKind::Number:
        return "number";
    case ValueKind::Text:
        return option.positional && option.repeated && afterCalculator ? "assignments" : "text";
    case ValueKind::None:
        break;
    }
    return {};
}

std::vector<std::string> namesOf(const std::vector<OptionEntry>& options)
{
    std::vector<std::string> names;
    for (const OptionEntry& option : options) {
        if (!option.positional) {
            names.insert(names.end(), option.names.begin(), option.names.end());
        }
    }
    return names;
}

} // namespace

void writeBashCompletion(std::ostream& out, const CLI::App& app,
                         const CalculatorCatalogue& calculators)
{
    const std::vector<CommandEntry> commands = commandTable(app);
    const std::vector<std::string> calculatorNames = calculators.names();

    std::vector<std::string> commandNames;
    std::string options;
    std::string values;
    std::string positionals;
    for (const CommandEntry& command : commands) {
        commandNames.push_back(command.name);
        options += "        [" + shellWord(command.name) +
                   "]=" + shellWord(joined(namesOf(command.options))) + "\n";
        std::vector<std::string> kinds;
        for (const OptionEntry& option : command.options) {
            const std::string kind =
                kindOf(option, calculatorNames,
                       std::find(kinds.begin(), kinds.end(), "calculator") != kinds.end());
            if (kind.empty()) {
                continue;
            }
            if (option.positional) {
                kinds.push_back(kind + (option.repeated ? "..." : ""));
            } else {
                for (const std::string& name : option.names) {
                    values += "        [" + shellWord(command.name + " " + name) +
                              "]=" + shellWord(kind) + "\n";
                }
            }
        }
        if (!kinds.empty()) {
            positionals +=
                "        [" + shellWord(command.name) + "]=" + shellWord(joined(kinds)) + "\n";
        }
    }
    std::string keys;
    for (const std::string& name : calculatorNames) {
        std::vector<std::string> keyNames;
        for (const FieldGroup& group : calculators.find(name)->fields()) {
            // KEY=VALUE reaches only the case's own inputs, not those of a list's records.
            if (group.role != FieldRole::Result && group.list.empty()) {
                for (const FieldDescription* field : group.fields) {
                    keyNames.emplace_back(field->key);
                }
            }
        }
        keys += "        [" + shellWord(name) + "]=" + shellWord(joined(keyNames)) + "\n";
    }

    out << "# bash completion for grovan-cli, written by `grovan-cli completion bash` from its "
           "own\n# commands and calculators.\n"
        << "_grovan_cli()\n{\n"
        << "    local commands=" << shellWord(joined(commandNames)) << "\n"
        << "    local program_options=" << shellWord(joined(namesOf(programOptions(app)))) << "\n"
        << "    local calculators=" << shellWord(joined(calculatorNames)) << "\n"
        << "    local -A options=(\n"
        << options << "    )\n"
        << "    local -A values=(\n"
        << values << "    )\n"
        << "    local -A positionals=(\n"
        << positionals << "    )\n"
        << "    local -A keys=(\n"
        << keys << "    )\n"
        << kCompleter;
}

void addCompletionCommand(CLI::App& app, CliContext& context,
                          const CalculatorCatalogue& calculators)
{
    CLI::App* command = app.add_subcommand(
        "completion", "Write the completion script of grovan-cli for a shell (bash)");
    command->group("");
    auto shell = std::make_shared<std::string>();
    command->add_option("shell", *shell, "The shell")->required()->check(CLI::IsMember({"bash"}));
    // The callback keeps the argument's storage alive.
    command->callback([shell, &app, &context, &calculators] {
        writeBashCompletion(context.out, app, calculators);
    });
}

} // namespace grovan::cli

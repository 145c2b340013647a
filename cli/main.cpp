// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_command.h"
#include "cli/calc_command.h"
#include "cli/cli_context.h"
#include "cli/completion_command.h"
#include "cli/describe_command.h"
#include "cli/manual_command.h"
#include "cli/projection_command.h"
#include "cli/schedule_command.h"
#include "cli/tax_command.h"
#include "core/calculator_catalogue.h"
#include "core/output_file.h"
#include "core/program_version.h"
#include "shell/calculators.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

// Output that never arrived (a full disk, a closed or broken pipe) is a failure, never a
// success: whatever a command wrote to standard output is written through here and checked.
// A command that already failed for its output (batch) has said so.
int withOutputChecked(int exitCode)
{
    std::cout.flush();
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout;
    if (!failed || exitCode == grovan::cli::kExitBadInput) {
        return exitCode;
    }
    // The write that failed may lie further back than the last flush; its error number is named
    // only when it is one a write gives.
    const int error = errno;
    const bool writeError = error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO ||
                            error == EPIPE || error == EBADF;
    std::cerr << "grovan-cli: cannot write to standard output"
              << (writeError ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
    return std::max(exitCode, grovan::cli::kExitFailed);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace grovan::cli;
    // An interrupted batch leaves no temporary results or printout behind.
    grovan::removeTemporaryFilesOnInterrupt();
    CliContext context{std::cout, std::cerr};
    const grovan::ProgramVersion version = grovan::ProgramVersion::current();

    CLI::App app{"Grovan 2022: South African payroll and finance calculators for the 2021/22 tax "
                 "year, from the command line."};
    app.name("grovan-cli");
    const std::string versionText = std::to_string(version.major) + "." +
                                    std::to_string(version.minor) + "." +
                                    std::to_string(version.revision);
    app.set_version_flag("--version", "grovan-cli " + versionText +
                                          ", licensed under the GNU GPL version 3 or later");
    app.require_subcommand(1);
    addTaxCommand(app, context);
    const grovan::CalculatorCatalogue& calculators = grovan::programCalculators();
    addCalcCommand(app, context, calculators);
    addDescribeCommand(app, context, calculators);
    addBatchCommand(app, context, calculators);
    addProjectionCommand(app, context);
    addScheduleCommand(app, context, calculators);
    addManualCommand(app, context, calculators, versionText);
    addCompletionCommand(app, context, calculators);

    int exitCode = kExitOk;
    try {
        app.parse(argc, argv);
        exitCode = context.exitCode;
    } catch (const CLI::CallForHelp& e) {
        exitCode = app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        exitCode = app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        exitCode = app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        exitCode = kExitBadInput;
    }
    return withOutputChecked(exitCode);
}

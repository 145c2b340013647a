#include "cli/batch_command.h"
#include "cli/calc_command.h"
#include "cli/cli_context.h"
#include "cli/completion_command.h"
#include "cli/describe_command.h"
#include "cli/manual_command.h"
#include "cli/tax_command.h"
#include "core/calculator_catalogue.h"
#include "core/output_file.h"
#include "core/program_version.h"
#include "shell/calculators.h"

#include <CLI/CLI.hpp>

#include <iostream>

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
    addManualCommand(app, context, calculators, versionText);
    addCompletionCommand(app, context, calculators);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitBadInput;
    }
    return context.exitCode;
}

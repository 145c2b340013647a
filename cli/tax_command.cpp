// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tax_command.h"

#include "core/income_tax.h"
#include "core/number_format.h"
#include "core/plain_number.h"
#include "core/rounding.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cmath>
#include <iomanip>
#include <memory>

namespace grovan::cli {

namespace {

// Incomes the calculators can produce stay far inside this; beyond it a tax figure would lose
// its cents.
constexpr double kLargestIncome = 999999999999.0;
constexpr int kOldestAge = 999;

struct TaxArguments
{
    std::string income;
    std::string age;
    bool json = false;
};

std::string rands(double amount)
{
    return "R " + formatNumber(amount, "# ### ### ##0.00");
}

void run(const TaxArguments& arguments, CliContext& context)
{
    const auto income = parseTypedNumber(arguments.income);
    if (!income || std::fabs(*income) > kLargestIncome) {
        context.refuse("--income must be a number of rands between -999 999 999 999 and "
                       "999 999 999 999, not \"" +
                       arguments.income + "\".");
        return;
    }
    const auto ageNumber = parseTypedNumber(arguments.age);
    const auto age = ageNumber ? toInt16(*ageNumber) : std::nullopt;
    if (!age || *age < 0 || *age > kOldestAge) {
        context.refuse("--age must be a whole number of years from 0 to 999, not \"" +
                       arguments.age + "\".");
        return;
    }

    TaxableIncomeRecord record;
    const TaxBandResult band = CalcAnnualTax(*income, record);
    const double rebate = RebateForAge(*age);
    const double afterRebate = taxAfterRebate(band.Total, *age);

    if (arguments.json) {
        // An income of 0 leaves the figures at -0 where a sign was carried along; none is
        // written as "-0.0".
        const auto figure = [](double value) {
            return value + 0.0;
        };
        const nlohmann::ordered_json result{
            {"MarginalRate", figure(band.MarginalRate)},
            {"BandFloor", figure(band.BandFloor)},
            {"BandCeiling", figure(band.BandCeiling)},
            {"TaxOnExcess", figure(band.TaxOnExcess)},
            {"BaseTax", figure(band.BaseTax)},
            {"Total", figure(band.Total)},
            {"Rebate", figure(rebate)},
            {"TaxAfterRebate", figure(afterRebate)},
        };
        context.out << result.dump() << '\n';
        return;
    }
    const auto line = [&](const std::string& label, const std::string& value) {
        context.out << std::left << std::setw(26) << label << std::right << std::setw(30) << value
                    << '\n';
    };
    line("Annual taxable income", rands(*income));
    line("Band", rands(band.BandFloor) + " to " + rands(band.BandCeiling));
    line("Marginal rate", formatNumber(band.MarginalRate, "0") + " %");
    line("Tax on taxable income", rands(band.BaseTax));
    line("Portion at marginal rate", rands(band.TaxOnExcess));
    line("Total tax", rands(band.Total));
    line("Less rebates (age " + std::to_string(*age) + ")", rands(rebate));
    line("Tax after rebates", rands(afterRebate));
}

} // namespace

void addTaxCommand(CLI::App& app, CliContext& context)
{
    auto arguments = std::make_shared<TaxArguments>();
    CLI::App* command = app.add_subcommand(
        "tax", "Annual income tax of the 2021/22 tax year: band, rebate and tax after rebate");
    command->add_option("--income", arguments->income, "Annual taxable income in rands")
        ->required();
    command->add_option("--age", arguments->age, "Age in whole years")->required();
    command->add_flag("--json", arguments->json, "Write the unrounded figures as one JSON object");
    command->callback([arguments, &context] { run(*arguments, context); });
}

} // namespace grovan::cli

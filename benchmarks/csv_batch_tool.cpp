// SPDX-License-Identifier: GPL-3.0-or-later
// The two helpers of batch_benchmark.sh:
//   csv_batch_tool generate CALCULATOR ROWS FILE   a CSV file of ROWS employees for the calculator
//   csv_batch_tool copy IN OUT                     reads IN and writes its records to OUT with the
//                                                  same reader, writer and file handling as
//                                                  grovan-cli batch, calculating nothing
// The generated rows are varied and all valid: salaries spread around a median of 250 000 a
// year, some bonuses, retirement-fund and medical contributions, ages from 18 to 75 and names
// (some quoted, some with accents); each amount is brought to the calculator's pay period.

#include "cli/csv_reader.h"
#include "cli/csv_writer.h"
#include "core/calculator_catalogue.h"
#include "core/output_file.h"
#include "shell/calculators.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <string>

namespace {

using namespace grovan;
using namespace grovan::cli;

// Pay periods in a year, by calculator; a calculator not named here takes amounts for a year.
double periodsPerYear(std::string_view calculator)
{
    static const std::map<std::string_view, double> periods{
        {"monthly", 12.0}, {"fortnightly", 26.0}, {"weekly", 52.0}, {"daily", 260.0}};
    const auto found = periods.find(calculator);
    return found == periods.end() ? 1.0 : found->second;
}

struct Employee
{
    std::string name;
    double age;
    double annualSalary;
    bool bonus;
    bool fund;
    bool medical;
    double members;
    bool commissions;
    bool travel;
};

Employee randomEmployee(std::mt19937_64& random)
{
    static const char* const first[] = {"Thandi", "Jan",   "Sipho", "Zoë",    "Pieter", "Lerato",
                                        "Anele",  "Marié", "Johan", "Naledi", "Ruan",   "Ayesha"};
    static const char* const last[] = {"Mokoena", "van Wyk", "Dlamini",   "Coetzée", "Naidoo",
                                       "Botha",   "Nkosi",   "Pretorius", "Khumalo", "le Roux"};
    std::uniform_int_distribution<std::size_t> firstName(0, std::size(first) - 1);
    std::uniform_int_distribution<std::size_t> lastName(0, std::size(last) - 1);
    std::uniform_int_distribution<int> age(18, 75);
    std::lognormal_distribution<double> salary(std::log(250000.0), 0.6);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<int> members(1, 5);

    Employee e;
    // One in five is written "Surname, First name", which needs quotes in CSV.
    e.name = chance(random) < 0.2
                 ? std::string(last[lastName(random)]) + ", " + first[firstName(random)]
                 : std::string(first[firstName(random)]) + " " + last[lastName(random)];
    e.age = age(random);
    e.annualSalary = std::clamp(salary(random), 60000.0, 3000000.0);
    e.bonus = chance(random) < 0.15;
    e.fund = chance(random) < 0.6;
    e.medical = chance(random) < 0.4;
    e.members = members(random);
    e.commissions = chance(random) < 0.05;
    e.travel = chance(random) < 0.1;
    return e;
}

// The value of one input for an employee, or nothing for an input the benchmark leaves out.
std::optional<double> inputValue(const FieldDescription& field, const Employee& e, double periods)
{
    const std::string_view key = field.key;
    const double salary = e.annualSalary / periods;
    if (key == "age") {
        return e.age;
    }
    if (key == "salary") {
        return salary;
    }
    if (key == "bonus") {
        return e.bonus ? e.annualSalary / 12.0 : 0.0;
    }
    if (key == "employeeFund") {
        return e.fund ? salary * 0.075 : 0.0;
    }
    if (key == "employerMedical" || key == "employeeMedical") {
        return e.medical ? 1500.0 * e.members * 12.0 / periods / 2.0 : 0.0;
    }
    if (field.kind == FieldKind::WholeNumber && key.starts_with("beneficiaries")) {
        return e.medical ? e.members : 0.0;
    }
    if (key == "commissions") {
        return e.commissions ? salary * 0.1 : 0.0;
    }
    if (key == "travelAllowance") {
        return e.travel ? 60000.0 / periods : 0.0;
    }
    return std::nullopt;
}

bool writeTo(OutputFile& file, const std::function<void(CsvWriter&)>& write)
{
    if (!file.open()) {
        std::cerr << file.target() << " " << file.error() << '\n';
        return false;
    }
    CsvWriter writer([&file](std::string_view bytes) { return file.write(bytes); });
    write(writer);
    if (!writer.flush() || !file.commit()) {
        std::cerr << file.target() << " " << file.error() << '\n';
        return false;
    }
    return true;
}

int generate(std::string_view calculatorName, std::size_t rows, const std::string& file)
{
    const Calculator* calculator = programCalculators().find(calculatorName);
    if (calculator == nullptr) {
        std::cerr << "no calculator " << calculatorName << '\n';
        return 2;
    }
    const double periods = periodsPerYear(calculatorName);
    std::mt19937_64 random(20220228);
    const Employee probe = randomEmployee(random);
    std::vector<const FieldDescription*> columns;
    bool hasName = false;
    for (const FieldGroup& group : calculator->fields()) {
        if (group.role != FieldRole::Input) {
            continue;
        }
        for (const FieldDescription* field : group.fields) {
            if (field->key == "employeeName") {
                hasName = true;
            } else if (inputValue(*field, probe, periods)) {
                columns.push_back(field);
            }
        }
    }
    OutputFile out(file);
    return writeTo(out,
                   [&](CsvWriter& writer) {
                       if (hasName) {
                           writer.cell("employeeName");
                       }
                       for (const FieldDescription* field : columns) {
                           writer.cell(field->key);
                       }
                       writer.endRecord();
                       for (std::size_t row = 0; row < rows; ++row) {
                           const Employee e = randomEmployee(random);
                           if (hasName) {
                               writer.cell(e.name);
                           }
                           for (const FieldDescription* field : columns) {
                               const double value = *inputValue(*field, e, periods);
                               const double scale = std::pow(10.0, field->decimals);
                               writer.number(
                                   std::min(std::round(value * scale) / scale, field->maximum));
                           }
                           writer.endRecord();
                       }
                   })
               ? 0
               : 1;
}

int copy(const std::string& in, const std::string& outName)
{
    std::FILE* file = std::fopen(in.c_str(), "rb");
    if (file == nullptr) {
        std::cerr << "cannot read " << in << '\n';
        return 2;
    }
    CsvReader reader([file](char* buffer, std::size_t size) -> std::ptrdiff_t {
        const std::size_t read = std::fread(buffer, 1, size, file);
        return read == 0 && std::ferror(file) ? -1 : static_cast<std::ptrdiff_t>(read);
    });
    OutputFile out(outName);
    CsvReader::Status status = CsvReader::Status::End;
    const bool written = writeTo(out, [&](CsvWriter& writer) {
        CsvRecord record;
        while ((status = reader.next(record)) == CsvReader::Status::Record) {
            for (const std::string_view cell : record.cells) {
                writer.cell(cell);
            }
            writer.endRecord();
        }
    });
    std::fclose(file);
    return written && status == CsvReader::Status::End ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "generate") {
        return generate(args[1], std::stoul(args[2]), args[3]);
    }
    if (args.size() == 3 && args[0] == "copy") {
        return copy(args[1], args[2]);
    }
    std::cerr << "usage: csv_batch_tool generate CALCULATOR ROWS FILE | copy IN OUT\n";
    return 2;
}

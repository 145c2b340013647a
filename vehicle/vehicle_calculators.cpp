// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/vehicle_calculators.h"

#include "core/calculator_catalogue.h"
#include "core/field_reader.h"
#include "vehicle/car_allowance_fields.h"
#include "vehicle/car_allowance_printout.h"
#include "vehicle/car_allowance_validation.h"
#include "vehicle/company_car_fields.h"
#include "vehicle/company_car_printout.h"
#include "vehicle/company_car_register.h"
#include "vehicle/company_car_validation.h"

#include <algorithm>

namespace grovan {

namespace {

constexpr std::string_view kVehiclesKey = "vehicles";

Printout companyCarLines(std::vector<Row> lines)
{
    Printout printout;
    printout.writes.push_back({kCompanyCarPrintTable, std::move(lines)});
    printout.templateFile = kCompanyCarReportTemplate;
    printout.previewTitle = kCompanyCarPreviewTitle;
    return printout;
}

template <typename Bindings> bool hasKey(const Bindings& bindings, std::string_view key)
{
    return std::any_of(bindings.begin(), bindings.end(),
                       [key](const auto& binding) { return binding.field->key == key; });
}

std::string vehicleKey(std::size_t index, std::string_view key)
{
    return std::string(kVehiclesKey) + "[" + std::to_string(index) + "]" +
           (key.empty() ? "" : "." + std::string(key));
}

// The register's calculator: its inputs hold a list of vehicles, which the flat definitions
// cannot read, so it reads, checks and calculates the register itself through the engine's
// bindings, checks and `calculateCompanyCars`.
class CompanyCarCalculator final : public Calculator
{
public:
    std::string_view name() const override { return kCompanyCarCalculatorName; }
    std::string_view title() const override
    {
        return "Company car fringe benefit (a register of vehicles: the taxable value of their "
               "use against the IRP5 code 3802 benefits)";
    }
    std::string_view windowName() const override { return kCompanyCarWindowName; }

    std::vector<FieldGroup> fields() const override
    {
        const auto fieldsOf = [](const auto& bindings) {
            std::vector<const FieldDescription*> fields;
            for (const auto& binding : bindings) {
                fields.push_back(binding.field);
            }
            return fields;
        };
        return {
            {FieldRole::Input, fieldsOf(companyCarSharedBindings())},
            {FieldRole::Input, fieldsOf(companyCarVehicleBindings()), kVehiclesKey},
            {FieldRole::Result, fieldsOf(companyCarTotalBindings())},
            {FieldRole::Result, fieldsOf(companyCarResultBindings()), kVehiclesKey},
        };
    }

    std::variant<CalculationOutput, InputError> run(const RawInput& input,
                                                    const RunOptions& options) const override
    {
        for (const auto& [key, raw] : input.values) {
            if (key != kVehiclesKey && !hasKey(companyCarSharedBindings(), key)) {
                return InputError{key, "is not an input of the companycar calculator (grovan-cli "
                                       "describe companycar lists them)"};
            }
        }
        CompanyCarInputs inputs;
        if (const RawValue* vehicles = input.find(kVehiclesKey)) {
            if (vehicles->type != RawType::List) {
                return InputError{std::string(kVehiclesKey),
                                  "takes a JSON array of vehicle objects, such as [{\"regNumber\": "
                                  "\"CA 123\", \"price\": 300000}], not " +
                                      describedRaw(*vehicles)};
            }
            if (vehicles->items.size() > kMostCompanyCars) {
                return InputError{std::string(kVehiclesKey), registerFullMessage().text};
            }
            for (std::size_t i = 0; i < vehicles->items.size(); ++i) {
                inputs.vehicles.emplace_back();
                if (auto error = readVehicle(vehicles->items[i], i, inputs.vehicles.back())) {
                    return *error;
                }
            }
        }
        inputs.shared.AutoCalc3802 = inputs.vehicles.size() > 1;
        for (const InputBinding<CompanyCarShared>& binding : companyCarSharedBindings()) {
            if (const RawValue* raw = input.find(binding.field->key)) {
                auto read = readField(*binding.field, *raw);
                if (auto* refusal = std::get_if<Refusal>(&read)) {
                    return InputError{std::string(binding.field->key), refusal->message};
                }
                binding.set(inputs.shared, std::get<InputValue>(read));
            }
        }
        if (auto problem = validateCompanyCarInputs(inputs)) {
            const std::string_view key =
                problem->problem.field != nullptr ? problem->problem.field->key : "";
            return InputError{problem->vehicle == 0 ? std::string(kVehiclesKey)
                                                    : vehicleKey(problem->vehicle - 1, key),
                              problem->problem.message.text};
        }

        CompanyCarCalculation calculation = calculateCompanyCars(inputs);
        CalculationOutput out;
        if (options.listInputs) {
            for (const auto& binding : companyCarSharedBindings()) {
                out.inputs.push_back(
                    {binding.field->key, outputValue(*binding.field, binding.get(inputs.shared))});
            }
            NamedList vehicles{kVehiclesKey, {}};
            for (const CompanyCarRecord& vehicle : calculation.vehicles) {
                auto& values = vehicles.items.emplace_back();
                for (const auto& binding : companyCarVehicleBindings()) {
                    values.push_back(
                        {binding.field->key, outputValue(*binding.field, binding.get(vehicle))});
                }
            }
            out.inputLists.push_back(std::move(vehicles));
        }
        for (const auto& binding : companyCarTotalBindings()) {
            out.results.push_back({binding.field->key, binding.get(calculation.totals)});
        }
        NamedList results{kVehiclesKey, {}};
        for (const CompanyCarResults& vehicle : calculation.results) {
            auto& values = results.items.emplace_back();
            for (const auto& binding : companyCarResultBindings()) {
                values.push_back({binding.field->key,
                                  outputValue(*binding.field, InputValue(binding.get(vehicle)))});
            }
        }
        out.resultLists.push_back(std::move(results));
        if (options.withPrintout) {
            out.printout = [calculation, shared = inputs.shared](PrintLanguage) {
                return companyCarLines(
                    companyCarPrintRows(calculation.vehicles, calculation.results, shared));
            };
        }
        return out;
    }

    std::variant<std::unique_ptr<ColumnCases>, InputError>
    columnCases(std::span<const std::string>) const override
    {
        return InputError{std::string(kVehiclesKey),
                          "is a list of vehicles that CSV columns cannot hold"};
    }
    bool runsInColumns() const override { return false; }

    std::vector<std::string_view> printTemplates() const override
    {
        return {kCompanyCarReportTemplate};
    }
    PrintLanguages printLanguages() const override { return PrintLanguages::EnglishOnly; }
    std::vector<TableSchema> printTables() const override { return {companyCarPrintTable()}; }
    bool closedByInitialiseAll() const override { return true; }

private:
    static std::string describedRaw(const RawValue& raw)
    {
        switch (raw.type) {
        case RawType::Number:
            return "a number";
        case RawType::String:
        case RawType::Typed:
            return "a text";
        case RawType::List:
            return raw.text;
        case RawType::Other:
            // A JSON array whose items are not all objects.
            return raw.text == "an array" ? "an array of something other than vehicle objects"
                                          : raw.text;
        }
        return raw.text;
    }

    // One vehicle's inputs in the window's order; a date refused in the window's words, the end
    // date's quoting the vehicle's start date.
    static std::optional<InputError> readVehicle(const RawInput& raw, std::size_t index,
                                                 CompanyCarRecord& vehicle)
    {
        for (const auto& [key, value] : raw.values) {
            if (!hasKey(companyCarVehicleBindings(), key)) {
                return InputError{vehicleKey(index, key),
                                  "is not an input of a vehicle (grovan-cli describe companycar "
                                  "lists them)"};
            }
        }
        for (const InputBinding<CompanyCarRecord>& binding : companyCarVehicleBindings()) {
            const RawValue* given = raw.find(binding.field->key);
            if (given == nullptr) {
                continue;
            }
            auto read = readField(*binding.field, *given);
            if (auto* refusal = std::get_if<Refusal>(&read)) {
                std::optional<Message> own;
                if (refusal->windowMayWord) {
                    own = companyCarRefusalMessage(*binding.field, refusal->value, vehicle);
                }
                return InputError{vehicleKey(index, binding.field->key),
                                  own ? own->text : refusal->message};
            }
            binding.set(vehicle, std::get<InputValue>(read));
        }
        return std::nullopt;
    }
};

} // namespace

const CalculatorDefinition<CarAllowanceInputs, CarAllowanceResults>& carAllowanceCalculator()
{
    static const CalculatorDefinition<CarAllowanceInputs, CarAllowanceResults> definition{
        .name = "carallowance",
        .title = "Car allowance calculator (the deduction against a travel allowance, on the "
                 "actual or the deemed costs of the vehicle)",
        .windowName = "frmCarAll1",
        .inputs = carAllowanceInputBindings(),
        .results = carAllowanceResultBindings(),
        .refusalMessage = carAllowanceRefusalMessage,
        .validate = validateCarAllowanceInputs,
        .calculate = [](const CarAllowanceInputs& in, const SetupValues&,
                        TaxableIncomeRecord&) { return calculateCarAllowance(in); },
        .printout =
            [](const CarAllowanceInputs& in, const CarAllowanceResults& results, PrintLanguage) {
                return singleRowPrintout(kCarAllowancePrintTable, carAllowancePrintRow(in, results),
                                         carAllowanceReportTemplate(in), kCarAllowancePreviewTitle);
            },
        .printTemplates = {kCarAllowanceDeemedTemplate, kCarAllowanceActualTemplate},
        .printLanguages = PrintLanguages::EnglishOnly,
        .printTables = [] { return std::vector<TableSchema>{carAllowancePrintTable()}; },
    };
    return definition;
}

std::unique_ptr<Calculator> makeCompanyCarCalculator()
{
    return std::make_unique<CompanyCarCalculator>();
}

Printout companyCarPrintout(const CompanyCarRegister& reg)
{
    return companyCarLines(companyCarPrintRows(reg));
}

void addVehicleCalculators(CalculatorCatalogue& catalogue)
{
    catalogue.add(makeCompanyCarCalculator());
    catalogue.add(carAllowanceCalculator());
}

} // namespace grovan

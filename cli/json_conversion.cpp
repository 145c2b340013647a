#include "cli/json_conversion.h"

#include "core/field_reader.h"
#include "core/utf8_text.h"

#include <optional>
#include <set>

namespace grovan::cli {

namespace {

// How messages name a JSON value that is neither a number nor a string.
std::string described(const nlohmann::json& value)
{
    if (value.is_array()) {
        return "an array";
    }
    if (value.is_object()) {
        return "an object";
    }
    return value.dump();
}

RawValue rawValue(const nlohmann::json& value)
{
    if (value.is_number()) {
        return {RawType::Number, value.get<double>(), {}};
    }
    if (value.is_string()) {
        return {RawType::String, 0.0, value.get<std::string>()};
    }
    return {RawType::Other, 0.0, described(value)};
}

// nlohmann's messages start with an identifier in brackets that says nothing to a user, and
// quote what was last read as it stands, which may be no UTF-8 or hold control characters.
std::string withoutIdentifier(const std::string& what)
{
    const auto end = what.find("] ");
    return escapedText(end == std::string::npos ? what : what.substr(end + 2), 300);
}

std::string_view kindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Amount:
        return "amount";
    case FieldKind::WholeNumber:
        return "whole number";
    case FieldKind::Percent:
        return "percent";
    case FieldKind::Fraction:
        return "fraction";
    case FieldKind::Date:
        return "date";
    case FieldKind::Text:
        return "text";
    }
    return "";
}

std::string_view roleName(FieldRole role)
{
    switch (role) {
    case FieldRole::Input:
        return "inputs";
    case FieldRole::Setup:
        return "setup";
    case FieldRole::Result:
        return "results";
    }
    return "";
}

nlohmann::ordered_json limit(const FieldDescription& field, double value)
{
    if (field.kind == FieldKind::Date) {
        return limitText(field, value);
    }
    return value;
}

nlohmann::ordered_json describeField(const FieldDescription& field, FieldRole role)
{
    nlohmann::ordered_json out{
        {"key", field.key},         {"label", field.label}, {"control", field.controlName},
        {"meaning", field.meaning}, {"unit", field.unit},   {"kind", kindName(field.kind)},
    };
    if (role == FieldRole::Result) {
        out["format"] = field.displayFormat;
        return out;
    }
    if (field.kind == FieldKind::Text) {
        out["maxLength"] = static_cast<int>(field.maximum);
        out["default"] = "";
        return out;
    }
    out["minimum"] = limit(field, field.minimum);
    out["maximum"] = limit(field, field.maximum);
    out["decimals"] = field.decimals;
    out["default"] = limit(field, field.defaultValue);
    return out;
}

} // namespace

std::variant<RawInput, std::string> rawInputFromJson(std::string_view text)
{
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return std::string("no inputs were given: give a JSON object of inputs on standard input "
                           "or with --input FILE, or KEY=VALUE arguments");
    }
    nlohmann::json document;
    // A member given twice would count with its last value, whichever was meant; it is refused,
    // as a column named twice in a CSV header is.
    std::set<std::string> keys;
    std::optional<std::string> twice;
    const auto noteKeys = [&keys, &twice](int depth, nlohmann::json::parse_event_t event,
                                          nlohmann::json& parsed) {
        if (depth == 1 && event == nlohmann::json::parse_event_t::key && !twice &&
            !keys.insert(parsed.get<std::string>()).second) {
            twice = parsed.get<std::string>();
        }
        return true;
    };
    try {
        document = nlohmann::json::parse(text, noteKeys);
    } catch (const nlohmann::json::exception& e) {
        return "the input is not valid JSON: " + withoutIdentifier(e.what());
    }
    if (twice && document.is_object()) {
        return escapedText(*twice) + ": is given twice in the input's JSON object";
    }
    if (!document.is_object()) {
        return std::string("the input must be one JSON object of inputs, such as "
                           "{\"age\": 40, \"salary\": 500000}, not ") +
               described(document);
    }
    RawInput input;
    for (const auto& [key, value] : document.items()) {
        input.values.emplace_back(key, rawValue(value));
    }
    return input;
}

nlohmann::ordered_json toJson(const FieldValue& value)
{
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        return *whole;
    }
    if (const auto* number = std::get_if<double>(&value)) {
        return *number + 0.0; // never "-0.0"
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return nullptr;
}

nlohmann::ordered_json outputToJson(const CalculationOutput& output, PrintLanguage language)
{
    nlohmann::ordered_json inputs = nlohmann::ordered_json::object();
    for (const NamedValue& value : output.inputs) {
        inputs[std::string(value.key)] = toJson(value.value);
    }
    nlohmann::ordered_json results = nlohmann::ordered_json::object();
    for (const NamedValue& value : output.results) {
        results[std::string(value.key)] = toJson(value.value);
    }
    nlohmann::ordered_json out{{"inputs", inputs}, {"results", results}};
    if (output.printout) {
        const Printout printout = output.printout(language);
        // A field written twice keeps its place and ends with its last value, as in the table.
        const auto fieldsOf = [](const Row& row) {
            nlohmann::ordered_json fields = nlohmann::ordered_json::object();
            for (const Field& field : row) {
                fields[field.name] = toJson(field.value);
            }
            return fields;
        };
        const auto writeOf = [&fieldsOf](const TableWrite& write) {
            nlohmann::ordered_json out{{"table", write.table}};
            if (const auto* row = std::get_if<Row>(&write.contents)) {
                out["fields"] = fieldsOf(*row);
            } else {
                nlohmann::ordered_json lines = nlohmann::ordered_json::array();
                for (const Row& line : std::get<std::vector<Row>>(write.contents)) {
                    lines.push_back(fieldsOf(line));
                }
                out["lines"] = lines;
            }
            return out;
        };
        // A printout of one table keeps the short form {"table", "language", "fields"}; one of
        // several tables lists them under "tables".
        if (printout.writes.size() == 1) {
            nlohmann::ordered_json one = writeOf(printout.writes.front());
            out["printout"] = {{"table", one["table"]}, {"language", languageCode(language)}};
            for (const auto& [key, value] : one.items()) {
                if (key != "table") {
                    out["printout"][key] = value;
                }
            }
        } else {
            nlohmann::ordered_json tables = nlohmann::ordered_json::array();
            for (const TableWrite& write : printout.writes) {
                tables.push_back(writeOf(write));
            }
            out["printout"] = {{"language", languageCode(language)}, {"tables", tables}};
        }
    }
    return out;
}

nlohmann::ordered_json describeToJson(const Calculator& calculator)
{
    nlohmann::ordered_json out{{"calculator", calculator.name()}, {"title", calculator.title()}};
    for (const FieldGroup& group : calculator.fields()) {
        nlohmann::ordered_json fields = nlohmann::ordered_json::array();
        for (const FieldDescription* field : group.fields) {
            fields.push_back(describeField(*field, group.role));
        }
        out[std::string(roleName(group.role))] = fields;
    }
    return out;
}

std::string_view languageCode(PrintLanguage language)
{
    return language == PrintLanguage::Afrikaans ? "af" : "en";
}

} // namespace grovan::cli

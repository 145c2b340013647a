// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_conversion.h"

#include "core/field_reader.h"
#include "core/utf8_text.h"

#include <optional>
#include <set>

#include <algorithm>

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

RawInput rawObject(const nlohmann::json& object);

RawValue rawValue(const nlohmann::json& value)
{
    if (value.is_number()) {
        return {RawType::Number, value.get<double>(), {}, {}};
    }
    if (value.is_string()) {
        return {RawType::String, 0.0, value.get<std::string>(), {}};
    }
    const auto isObject = [](const nlohmann::json& item) {
        return item.is_object();
    };
    if (value.is_array() && std::all_of(value.begin(), value.end(), isObject)) {
        RawValue list{RawType::List, 0.0, described(value), {}};
        for (const nlohmann::json& item : value) {
            list.items.push_back(rawObject(item));
        }
        return list;
    }
    return {RawType::Other, 0.0, described(value), {}};
}

RawInput rawObject(const nlohmann::json& object)
{
    RawInput input;
    for (const auto& [key, value] : object.items()) {
        input.values.emplace_back(key, rawValue(value));
    }
    return input;
}

nlohmann::ordered_json valuesToJson(const std::vector<NamedValue>& values,
                                    const std::vector<NamedList>& lists)
{
    nlohmann::ordered_json out = nlohmann::ordered_json::object();
    for (const NamedValue& value : values) {
        out[std::string(value.key)] = toJson(value.value);
    }
    for (const NamedList& list : lists) {
        nlohmann::ordered_json items = nlohmann::ordered_json::array();
        for (const std::vector<NamedValue>& item : list.items) {
            items.push_back(valuesToJson(item, {}));
        }
        out[std::string(list.key)] = items;
    }
    return out;
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

nlohmann::ordered_json describeField(const FieldDescription& field, FieldRole role,
                                     std::string_view list)
{
    nlohmann::ordered_json out{
        {"key", field.key},         {"label", field.label}, {"control", field.controlName},
        {"meaning", field.meaning}, {"unit", field.unit},   {"kind", kindName(field.kind)},
    };
    if (!list.empty()) {
        out["list"] = list;
    }
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
    return rawObject(document);
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
    nlohmann::ordered_json out{{"inputs", valuesToJson(output.inputs, output.inputLists)},
                               {"results", valuesToJson(output.results, output.resultLists)}};
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
    // Fields of a list's records join their role's fields, each naming its list.
    for (const FieldGroup& group : calculator.fields()) {
        nlohmann::ordered_json& fields = out[std::string(roleName(group.role))];
        if (fields.is_null()) {
            fields = nlohmann::ordered_json::array();
        }
        for (const FieldDescription* field : group.fields) {
            fields.push_back(describeField(*field, group.role, group.list));
        }
    }
    // A table of results follows the single results: its rows and each row's columns.
    for (const ResultTable& table : calculator.resultTables()) {
        nlohmann::ordered_json columns = nlohmann::ordered_json::array();
        for (const FieldDescription* column : table.columns) {
            columns.push_back(describeField(*column, FieldRole::Result, {}));
        }
        out["results"].push_back({{"key", table.table->key},
                                  {"label", table.table->label},
                                  {"control", table.table->controlName},
                                  {"meaning", table.table->meaning},
                                  {"unit", table.table->unit},
                                  {"kind", "list"},
                                  {"rows", table.rows},
                                  {"columns", columns}});
    }
    return out;
}

std::string_view languageCode(PrintLanguage language)
{
    return language == PrintLanguage::Afrikaans ? "af" : "en";
}

} // namespace grovan::cli

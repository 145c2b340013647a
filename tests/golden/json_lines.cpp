// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the JSON document on standard input as one line per value, in the document's order:
// its JSON pointer, a blank and the value as JSON text ("/results/paye 106725.0"); an empty object
// or array is a value of its own ("/printout/fields {}"). The golden tables compare grovan-cli's
// JSON by these lines, so that a mismatch names its key and no expected line grows too long.
//
// The input must be one compact document exactly as nlohmann-json writes it, so that comparing
// the lines still compares every character grovan-cli wrote; anything else fails with exit 1.
#include <nlohmann/json.hpp>

#include <iostream>
#include <iterator>
#include <string>

namespace {

using Json = nlohmann::ordered_json;

std::string escapedToken(const std::string& key)
{
    std::string token;
    for (const char c : key) {
        if (c == '~') {
            token += "~0";
        } else if (c == '/') {
            token += "~1";
        } else {
            token += c;
        }
    }
    return token;
}

void writeLines(const Json& value, const std::string& pointer)
{
    if (value.is_object() && !value.empty()) {
        for (const auto& [key, member] : value.items()) {
            writeLines(member, pointer + "/" + escapedToken(key));
        }
    } else if (value.is_array() && !value.empty()) {
        for (std::size_t i = 0; i < value.size(); ++i) {
            writeLines(value[i], pointer + "/" + std::to_string(i));
        }
    } else {
        std::cout << (pointer.empty() ? "/" : pointer) << ' ' << value.dump() << '\n';
    }
}

} // namespace

int main()
{
    std::string text(std::istreambuf_iterator<char>(std::cin), {});
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    const Json document = Json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        std::cerr << "not JSON: " << text << '\n';
        return 1;
    }
    if (document.dump() != text) {
        std::cerr << "not one compact JSON document as grovan-cli writes it: " << text << '\n';
        return 1;
    }
    writeLines(document, "");
    return 0;
}

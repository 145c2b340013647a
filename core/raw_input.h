// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grovan {

struct RawInput;

/// How a raw value was given.
enum class RawType
{
    Number, ///< a JSON number
    String, ///< a JSON string: date and text fields take it, numeric fields refuse it
    Typed,  ///< text typed for any field (a CSV cell, a KEY=VALUE argument): read by its kind
    List,   ///< a JSON array of objects, one case's records (such as a register's vehicles):
            ///< `items` holds them; fields of a flat list of inputs refuse it as `Other`
    Other,  ///< anything else (JSON null, a boolean, another array, an object); `text` names it
};

/// One input as its source gave it, before it is read for its field.
struct RawValue
{
    // The constructors are defined below RawInput: a list of records needs the whole type.
    RawValue();
    RawValue(RawType kind, double value, std::string given);
    RawValue(RawType kind, double value, std::string given, std::vector<RawInput> records);

    RawType type = RawType::Typed;
    double number = 0.0;
    std::string text;
    /// The records of a `List`, each its own inputs by key.
    std::vector<RawInput> items;
};

/// One case's inputs by key, in the order given (a JSON object's members, a CSV row's cells,
/// KEY=VALUE arguments); a key given twice counts with its last value.
struct RawInput
{
    std::vector<std::pair<std::string, RawValue>> values;

    const RawValue* find(std::string_view key) const
    {
        for (auto it = values.rbegin(); it != values.rend(); ++it) {
            if (it->first == key) {
                return &it->second;
            }
        }
        return nullptr;
    }
};

inline RawValue::RawValue() = default;

inline RawValue::RawValue(RawType kind, double value, std::string given)
    : type(kind), number(value), text(std::move(given))
{}

inline RawValue::RawValue(RawType kind, double value, std::string given,
                          std::vector<RawInput> records)
    : type(kind), number(value), text(std::move(given)), items(std::move(records))
{}

} // namespace grovan

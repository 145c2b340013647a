// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The column kinds of the vehicle calculators' print tables.

#include "core/schema_database.h"

#include <string>

namespace grovan::print_columns {

inline ColumnSchema text(std::string name)
{
    return {std::move(name), ColumnType::Text, std::string()};
}

inline ColumnSchema amount(std::string name)
{
    return {std::move(name), ColumnType::Real, 0.0};
}

inline ColumnSchema whole(std::string name)
{
    return {std::move(name), ColumnType::Integer, std::int64_t{0}};
}

} // namespace grovan::print_columns

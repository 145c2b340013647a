// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tables the report engine's own tests print from: the program's print tables, which hold
// every kind of table the engine prints (single-row tables and line tables such as a loan's
// amortisation lines).

#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "shell/calculators.h"

namespace grovan::testing {

/// The program's print tables.
inline const DatabaseSchema& reportTestSchema()
{
    return programCalculators().printSchema();
}

} // namespace grovan::testing

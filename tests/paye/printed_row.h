// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the printout tests: the expected fields of a printout row in both languages, and
// the comparison of a written row with them.

#include "core/print_language.h"
#include "core/schema_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace grovan::testing {

/// One expected field: its name and its value in the English and the Afrikaans printout.
struct Printed
{
    std::string field;
    FieldValue english;
    FieldValue afrikaans;
};

inline FieldValue text(const char* value)
{
    return std::string(value);
}
inline FieldValue integer(std::int64_t value)
{
    return value;
}
inline FieldValue amount(double value)
{
    return value;
}

/// The English order with the fields `moved` (consecutive, in their order) taken out and put
/// back just before `before`: the Afrikaans printouts write the bonus before the travel
/// allowance.
inline std::vector<Printed> movedBefore(std::vector<Printed> row,
                                        const std::vector<std::string>& moved,
                                        const std::string& before)
{
    std::vector<Printed> taken;
    for (const std::string& name : moved) {
        const auto it =
            std::find_if(row.begin(), row.end(), [&](const Printed& p) { return p.field == name; });
        taken.push_back(*it);
        row.erase(it);
    }
    const auto at =
        std::find_if(row.begin(), row.end(), [&](const Printed& p) { return p.field == before; });
    row.insert(at, taken.begin(), taken.end());
    return row;
}

/// The expected fields of a monthly, fortnightly, weekly or daily printout, given in the English
/// order, in the order of `language`.
inline std::vector<Printed> inPrintedOrder(std::vector<Printed> row, PrintLanguage language)
{
    if (language == PrintLanguage::Afrikaans) {
        return movedBefore(std::move(row), {"Bonus", "BonusNum"}, "TravAll");
    }
    return row;
}

/// Every field of `row` in order against `expected` in `language`.
inline void expectRow(const Row& row, const std::vector<Printed>& expected, PrintLanguage language)
{
    ASSERT_EQ(row.size(), expected.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        EXPECT_EQ(row[i].name, expected[i].field) << "field " << i + 1;
        const FieldValue& want =
            language == PrintLanguage::English ? expected[i].english : expected[i].afrikaans;
        EXPECT_EQ(row[i].value, want) << "field " << i + 1 << " " << row[i].name;
    }
}

inline std::string languageName(const ::testing::TestParamInfo<PrintLanguage>& info)
{
    return info.param == PrintLanguage::English ? "English" : "Afrikaans";
}

} // namespace grovan::testing

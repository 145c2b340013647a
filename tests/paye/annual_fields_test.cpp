// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/annual_fields.h"
#include "tests/paye/field_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

TEST(AnnualFields, DefaultInputsAreTheDescribedDefaults)
{
    testing::expectDefaultsAreDescribed(annualInputBindings(), AnnualInputs{});
}

TEST(AnnualFields, KeysAndControlNamesAreUnique)
{
    testing::expectKeysAndControlNamesUnique(annualInputBindings(), periodicSetupBindings(),
                                             annualResultBindings());
}

TEST(AnnualFields, EachBindingWritesItsOwnValue)
{
    testing::expectEachBindingWritesItsOwnValue(annualInputBindings(), AnnualInputs{});
}

// The month fields are laid out March first and each is bound to the calendar month its control
// name carries: numAnnCalcBens(m) holds month m.
TEST(AnnualFields, MonthFieldsFollowTheirCalendarMonth)
{
    std::vector<const InputBinding<AnnualInputs>*> months;
    for (const auto& binding : annualInputBindings()) {
        if (binding.field->controlName.starts_with("numAnnCalcBens(")) {
            months.push_back(&binding);
        }
    }
    ASSERT_EQ(months.size(), 12u);
    const char* captions[] = {"Mar", "Apr", "May", "Jun", "Jul", "Aug",
                              "Sep", "Oct", "Nov", "Dec", "Jan", "Feb"};
    for (std::size_t i = 0; i < months.size(); ++i) {
        const int month = kTaxYearMonths[i];
        const FieldDescription& field = *months[i]->field;
        EXPECT_EQ(field.controlName, "numAnnCalcBens(" + std::to_string(month) + ")");
        EXPECT_EQ(field.label, captions[i]);
        EXPECT_EQ(&field, &annualBeneficiariesField(month));

        AnnualInputs in;
        months[i]->set(in, 7.0);
        EXPECT_EQ(in.beneficiaries[month], 7) << field.controlName;
    }
}

} // namespace
} // namespace grovan

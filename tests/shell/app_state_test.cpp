#include "core/income_tax.h"
#include "shell/app_state.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

TEST(AppState, InitialiseAllKeepsTheLastTaxableIncome)
{
    AppState state;
    EXPECT_EQ(state.taxableIncome.LastTaxableIncome, 0.0);
    CalcAnnualTax(360000, state.taxableIncome);
    state.initialiseAll();
    EXPECT_EQ(state.taxableIncome.LastTaxableIncome, 360000.0);
}

} // namespace
} // namespace grovan

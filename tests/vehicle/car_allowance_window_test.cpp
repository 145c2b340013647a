// SPDX-License-Identifier: GPL-3.0-or-later
// What the car allowance window does beyond calculating: the fields' checks and messages, the
// Escape key, the layout of each method and the values that outlive the window.

#include "vehicle/car_allowance_fields.h"
#include "vehicle/car_allowance_layout.h"
#include "vehicle/car_allowance_state.h"
#include "vehicle/car_allowance_undo.h"
#include "vehicle/car_allowance_validation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace grovan {
namespace {

const InputBinding<CarAllowanceInputs>& bindingOf(const FieldDescription& field)
{
    for (const auto& binding : carAllowanceInputBindings()) {
        if (binding.field == &field) {
            return binding;
        }
    }
    throw std::logic_error("no such field");
}

const Message kSinglePayment{"Only one amount for either Wear & Tear or Lease payments will be "
                             "accepted",
                             "Single Payment", MessageIcon::Error};

struct EntryCase
{
    const char* name;
    const FieldDescription* field;
    double typed;
    double wearBefore;
    double leaseBefore;
    bool refused;
    double wearAfter;
    double leaseAfter;
};

// Wear and tear and lease payments exclude each other: a positive amount is stored only while
// the other field is below 1, a zero always.
const EntryCase kEntries[] = {
    {"wear_without_lease", &kWearAndTearField, 300, 0, 0, false, 300, 0},
    {"wear_while_lease_holds_500", &kWearAndTearField, 300, 0, 500, true, 0, 500},
    {"wear_while_lease_holds_1", &kWearAndTearField, 300, 0, 1, true, 0, 1},
    {"wear_zero_while_lease_holds_500", &kWearAndTearField, 0, 0, 500, false, 0, 500},
    {"wear_retyped_without_lease", &kWearAndTearField, 450, 300, 0, false, 450, 0},
    {"lease_without_wear", &kLeasePaymentsField, 500, 0, 0, false, 0, 500},
    {"lease_while_wear_holds_300", &kLeasePaymentsField, 500, 300, 0, true, 300, 0},
    {"lease_zero_while_wear_holds_300", &kLeasePaymentsField, 0, 300, 0, false, 300, 0},
};

class WearOrLeaseEntry : public ::testing::TestWithParam<EntryCase>
{};

TEST_P(WearOrLeaseEntry, IsStoredOrRefused)
{
    const EntryCase& c = GetParam();
    CarAllowanceInputs in;
    in.WearAndTear = c.wearBefore;
    in.LeasePayments = c.leaseBefore;
    const auto problem = enterCarAllowanceValue(in, bindingOf(*c.field), c.typed);
    if (c.refused) {
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->message, kSinglePayment);
    } else {
        EXPECT_FALSE(problem.has_value());
    }
    EXPECT_EQ(in.WearAndTear, c.wearAfter);
    EXPECT_EQ(in.LeasePayments, c.leaseAfter);
}

INSTANTIATE_TEST_SUITE_P(CarAllowance, WearOrLeaseEntry, ::testing::ValuesIn(kEntries),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CarAllowanceEntry, OtherFieldsTakeTheirValue)
{
    CarAllowanceInputs in;
    in.LeasePayments = 500;
    EXPECT_FALSE(enterCarAllowanceValue(in, bindingOf(kVehicleValueField), 250000.0));
    EXPECT_EQ(in.VehicleValue, 250000);
    EXPECT_FALSE(enterCarAllowanceValue(in, bindingOf(kCarDescriptionField), std::string("VW")));
    EXPECT_EQ(in.CarDescription, "VW");
}

TEST(CarAllowanceDates, RefusedDatesTellTheirRangeAndTakeTheFocus)
{
    CarAllowanceInputs in;
    in.startDate = *CalendarDate::fromYmd(2021, 6, 1);
    in.endDate = *CalendarDate::fromYmd(2021, 9, 30);

    const WindowReply start = refuseCarAllowanceDate(in, kCarAllowanceStartDateField, true);
    EXPECT_EQ(start.message,
              (Message{"The date entered is not correct please enter a date between 01/03/2021 "
                       "and 28/02/2022",
                       "Incorrect Date", MessageIcon::Error}));
    EXPECT_EQ(start.focus, &kCarAllowanceStartDateField);

    const WindowReply end = refuseCarAllowanceDate(in, kCarAllowanceEndDateField, true);
    EXPECT_EQ(end.message,
              (Message{"The date entered is not correct please enter a date between 01/06/2021 "
                       "and 28/02/2022",
                       "Incorrect Date", MessageIcon::Error}));
    EXPECT_EQ(end.focus, &kCarAllowanceEndDateField);
    EXPECT_EQ(in.startDate, *CalendarDate::fromYmd(2021, 6, 1));
    EXPECT_EQ(in.endDate, *CalendarDate::fromYmd(2021, 9, 30));

    // The same messages from the fields' refusals.
    EXPECT_EQ(carAllowanceRefusalMessage(kCarAllowanceStartDateField, std::nullopt, in),
              start.message);
    EXPECT_EQ(carAllowanceRefusalMessage(kCarAllowanceEndDateField, 1.0, in), end.message);
    EXPECT_FALSE(carAllowanceRefusalMessage(kVehicleValueField, -5.0, in));
}

TEST(CarAllowanceDates, ARefusalWhileTheWindowIsHiddenResetsTheDate)
{
    CarAllowanceInputs in;
    in.startDate = *CalendarDate::fromYmd(2021, 6, 1);
    in.endDate = *CalendarDate::fromYmd(2021, 9, 30);
    EXPECT_EQ(refuseCarAllowanceDate(in, kCarAllowanceStartDateField, false).focus, nullptr);
    EXPECT_EQ(in.startDate, TaxYearStart);
    EXPECT_EQ(refuseCarAllowanceDate(in, kCarAllowanceEndDateField, false).focus, nullptr);
    EXPECT_EQ(in.endDate, TaxYearEnd);
}

struct ValidationCase
{
    const char* name;
    void (*change)(CarAllowanceInputs&);
    const FieldDescription* field; // nullptr: valid
    const char* text;
};

const ValidationCase kValidation[] = {
    {"defaults", [](CarAllowanceInputs&) {}, nullptr, ""},
    {"wear_and_lease",
     [](CarAllowanceInputs& in) {
         in.WearAndTear = 300;
         in.LeasePayments = 500;
     },
     &kLeasePaymentsField,
     "Only one amount for either Wear & Tear or Lease payments will be "
     "accepted"},
    {"start_before_the_tax_year",
     [](CarAllowanceInputs& in) { in.startDate = *CalendarDate::fromYmd(2021, 2, 28); },
     &kCarAllowanceStartDateField,
     "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022"},
    {"end_before_the_start",
     [](CarAllowanceInputs& in) {
         in.startDate = *CalendarDate::fromYmd(2021, 7, 1);
         in.endDate = *CalendarDate::fromYmd(2021, 6, 30);
     },
     &kCarAllowanceEndDateField,
     "The date entered is not correct please enter a date between 01/07/2021 and 28/02/2022"},
    {"end_after_the_tax_year",
     [](CarAllowanceInputs& in) { in.endDate = *CalendarDate::fromYmd(2022, 3, 1); },
     &kCarAllowanceEndDateField,
     "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022"},
    {"one_day", [](CarAllowanceInputs& in) { in.endDate = in.startDate; }, nullptr, ""},
};

class CarAllowanceValidation : public ::testing::TestWithParam<ValidationCase>
{};

TEST_P(CarAllowanceValidation, RefusesWhatTheFieldsRefuse)
{
    CarAllowanceInputs in;
    GetParam().change(in);
    const auto problem = validateCarAllowanceInputs(in);
    if (GetParam().field == nullptr) {
        EXPECT_FALSE(problem.has_value());
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->field, GetParam().field);
    EXPECT_EQ(problem->message.text, GetParam().text);
    EXPECT_EQ(problem->message.icon, MessageIcon::Error);
}

INSTANTIATE_TEST_SUITE_P(CarAllowance, CarAllowanceValidation, ::testing::ValuesIn(kValidation),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CarAllowanceUndo, EscapePutsBackTheValueTheFieldHadOnFocus)
{
    CarAllowanceInputs in;
    in.VehicleValue = 100000;
    in.CarDescription = "Polo";
    CarAllowanceUndo undo;

    undo.focusEntered(kVehicleValueField, in);
    in.VehicleValue = 250000;
    EXPECT_EQ(undo.escape(in), &kVehicleValueField);
    EXPECT_EQ(in.VehicleValue, 100000);

    undo.focusEntered(kCarDescriptionField, in);
    in.CarDescription = "Golf";
    in.VehicleValue = 300000; // changed elsewhere: not this field's undo
    EXPECT_EQ(undo.escape(in), &kCarDescriptionField);
    EXPECT_EQ(in.CarDescription, "Polo");
    EXPECT_EQ(in.VehicleValue, 300000);

    undo.focusEntered(kCarAllowanceEndDateField, in);
    in.endDate = *CalendarDate::fromYmd(2021, 8, 31);
    EXPECT_EQ(undo.escape(in), &kCarAllowanceEndDateField);
    EXPECT_EQ(in.endDate, TaxYearEnd);

    // The check boxes take no part.
    undo.focusEntered(kIncludeFuelField, in);
    in.IncludeFuelCosts = false;
    EXPECT_EQ(undo.escape(in), nullptr);
    EXPECT_FALSE(in.IncludeFuelCosts);
}

std::vector<std::string> labelsOf(const CarAllowanceLayout& layout)
{
    std::vector<std::string> labels;
    for (const CarAllowanceResultLine& line : layout.results) {
        labels.emplace_back(line.label);
    }
    return labels;
}

TEST(CarAllowanceLayout, DeemedCostShowsTheRatesAndHidesTheCosts)
{
    const CarAllowanceLayout layout = carAllowanceLayout(false);
    EXPECT_FALSE(layout.costFields);
    EXPECT_TRUE(layout.period);
    EXPECT_EQ(labelsOf(layout),
              (std::vector<std::string>{"Business distance", "Private distance", "Total distance",
                                        "Fixed cost", "", "Fuel costs", "Maintenance costs",
                                        "Total costs", "Deduction claim          R"}));
    EXPECT_EQ(layout.results[4].field, &kFixedCentsField);
    EXPECT_EQ(layout.results[7].field, &kTotalCentsField);
    EXPECT_EQ(layout.results[8].field, &kDeductionClaimField);
}

TEST(CarAllowanceLayout, ActualCostShowsTheCostsAndTheDeductionTwice)
{
    const CarAllowanceLayout layout = carAllowanceLayout(true);
    EXPECT_TRUE(layout.costFields);
    EXPECT_FALSE(layout.period);
    EXPECT_EQ(labelsOf(layout), (std::vector<std::string>{
                                    "Business Km's", "Private Km's", "Total Km's", "Total costs",
                                    "Less private use", "Travel expenses", "Deduction claim"}));
    EXPECT_EQ(layout.results[3].field, &kTotalCostsField);
    EXPECT_EQ(layout.results[5].field, &kDeductionClaimField);
    EXPECT_EQ(layout.results[6].field, &kDeductionClaimField);
}

TEST(CarAllowanceState, OutlivesTheWindowButNotItsPeriod)
{
    CarAllowanceState state;
    state.inputs.VehicleValue = 250000;
    state.inputs.CloseKmReading = 25000;
    state.inputs.BusinessKm = 10000;
    state.inputs.startDate = *CalendarDate::fromYmd(2021, 6, 1);
    state.inputs.employeeName = "T. Nkosi";
    state.open();
    EXPECT_EQ(state.inputs.startDate, TaxYearStart);
    EXPECT_EQ(state.inputs.endDate, TaxYearEnd);
    EXPECT_EQ(state.inputs.employeeName, "");
    EXPECT_EQ(state.inputs.VehicleValue, 250000);
    // Opening calculates: the full year's 47 965.60 of the deemed-cost example.
    EXPECT_EQ(state.results.PeriodDays, 365);
    EXPECT_NEAR(state.results.DeductionClaim, 47965.6, 1e-6);
}

TEST(CarAllowanceState, InitialiseAllRestoresTheDefaults)
{
    CarAllowanceState state;
    state.inputs.CarDescription = "Golf";
    state.inputs.AccurateRecordKept = true;
    state.inputs.IncludeFuelCosts = false;
    state.inputs.IncludeMaintenanceCosts = false;
    state.inputs.FuelOil = 1000;
    state.inputs.LeasePayments = 500;
    state.calculate();
    ASSERT_EQ(state.results.TotalCosts, 1500);

    state.initialiseAll();
    EXPECT_EQ(state.inputs.CarDescription, "");
    EXPECT_FALSE(state.inputs.AccurateRecordKept);
    EXPECT_TRUE(state.inputs.IncludeFuelCosts);
    EXPECT_TRUE(state.inputs.IncludeMaintenanceCosts);
    EXPECT_EQ(state.inputs, CarAllowanceInputs{});
    EXPECT_EQ(state.results, CarAllowanceResults{});
}

} // namespace
} // namespace grovan

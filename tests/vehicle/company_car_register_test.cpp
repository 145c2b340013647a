// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/company_car_fields.h"
#include "vehicle/company_car_register.h"
#include "vehicle/company_car_validation.h"
#include "vehicle/vehicle_state.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace grovan {
namespace {

using Control = bool CompanyCarControls::*;
constexpr Control kAdd = &CompanyCarControls::cmdAdd;
constexpr Control kDelete = &CompanyCarControls::cmdDelete;
constexpr Control kBack = &CompanyCarControls::cmdBack;
constexpr Control kForward = &CompanyCarControls::cmdForward;
constexpr Control kOk = &CompanyCarControls::cmdOk;
constexpr Control kCalculate = &CompanyCarControls::cmdCalculate;
constexpr Control kPrint = &CompanyCarControls::cmdPrint;
constexpr Control kRegistration = &CompanyCarControls::registrationNumber;

// Only `enabled` enabled.
CompanyCarControls only(std::initializer_list<Control> enabled, bool autoSplitVisible = false)
{
    CompanyCarControls c{false, false, false, false, false,
                         false, false, false, false, autoSplitVisible};
    for (const Control control : enabled) {
        c.*control = true;
    }
    return c;
}

// Everything enabled except `disabled`.
CompanyCarControls allBut(std::initializer_list<Control> disabled, bool autoSplitVisible = false)
{
    CompanyCarControls c;
    c.autoSplitVisible = autoSplitVisible;
    for (const Control control : disabled) {
        c.*control = false;
    }
    return c;
}

void typeRegistration(CompanyCarRegister& reg, const char* number)
{
    reg.current().CCRegNumber = number;
    reg.registrationEdited();
}

// A register opened on its first use, with vehicles added and registered: "CA 1", "CA 2", ...
CompanyCarRegister withVehicles(int count)
{
    CompanyCarRegister reg;
    reg.open();
    for (int i = 1; i <= count; ++i) {
        reg.add();
        typeRegistration(reg, ("CA " + std::to_string(i)).c_str());
    }
    return reg;
}

TEST(CompanyCarRegister, FirstUseStartsAtVehicleZeroAndAddsVehicleOne)
{
    CompanyCarRegister reg;
    reg.open();
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 0 of 0");
    EXPECT_EQ(reg.controls(), allBut({kBack, kForward, kDelete}));

    const WindowReply reply = reg.add();
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 1 of 1");
    EXPECT_EQ(reply.focus, &kRegNumberField);
    EXPECT_FALSE(reply.message.has_value());
    EXPECT_EQ(reg.controls(), only({kAdd, kOk, kDelete, kRegistration}));
}

TEST(CompanyCarRegister, TheRegistrationNumberUnlocksTheVehicle)
{
    CompanyCarRegister reg = withVehicles(1);
    EXPECT_EQ(reg.controls(), allBut({kBack, kForward}));

    reg.current().CCRegNumber = "";
    EXPECT_EQ(reg.registrationEdited().focus, &kRegNumberField);
    EXPECT_EQ(reg.controls(), only({kRegistration, kOk, kAdd}));
    reg.current().CCRegNumber = "   ";
    reg.registrationEdited();
    EXPECT_EQ(reg.controls(), only({kRegistration, kOk, kAdd}));

    // With more vehicles, clearing the number leaves the number and "&Delete".
    reg = withVehicles(2);
    reg.current().CCRegNumber = "";
    EXPECT_EQ(reg.registrationEdited().focus, nullptr);
    EXPECT_EQ(reg.controls(), only({kRegistration, kDelete}, true));
    typeRegistration(reg, "CA 2");
    EXPECT_EQ(reg.controls(), CompanyCarControls{.autoSplitVisible = true});
}

TEST(CompanyCarRegister, AddActsOnlyOnARegisteredVehicle)
{
    CompanyCarRegister reg;
    reg.open();
    reg.add();
    EXPECT_EQ(reg.add(), WindowReply{});
    EXPECT_EQ(reg.count(), 1);
    typeRegistration(reg, "CA 1");
    reg.add();
    EXPECT_EQ(reg.count(), 2);
    EXPECT_EQ(reg.currentNumber(), 2);
}

TEST(CompanyCarRegister, ANewVehicleStartsFromTheTemplate)
{
    // What is typed into the empty register's template becomes vehicle 1, except the log book,
    // the dates, the fuel table and the year of manufacture.
    CompanyCarRegister reg;
    reg.open();
    CompanyCarRecord& t = reg.current();
    t.CCRegNumber = "CA 1";
    t.CCMake = "VW";
    t.CCModel = "Polo";
    t.YearOfManfact = "2019";
    t.CCPrice = 250000;
    t.MaintIncluded = true;
    t.CCStartDate = *CalendarDate::fromYmd(2021, 6, 1);
    t.StartMileage = 1000;
    t.EndMileage = 21000;
    t.BusDistance = 5000;
    t.BussMilage = true;
    t.SARSTable = true;
    t.FuelReimbEmployer = 300;
    t.EmpPaidInsurance = 400;
    t.FB3802ThisCar = 7000;
    reg.add();

    const CompanyCarRecord& v = reg.record(1);
    EXPECT_EQ(v.CCRegNumber, "CA 1");
    EXPECT_EQ(v.CCMake, "VW");
    EXPECT_EQ(v.CCModel, "Polo");
    EXPECT_EQ(v.CCPrice, 250000);
    EXPECT_TRUE(v.MaintIncluded);
    EXPECT_EQ(v.StartMileage, 1000);
    EXPECT_EQ(v.TotalDistance, 20000);
    EXPECT_EQ(v.BusDistance, 5000);
    EXPECT_EQ(v.FuelReimbEmployer, 300);
    EXPECT_EQ(v.EmpPaidInsurance, 400);
    EXPECT_EQ(v.YearOfManfact, "");
    EXPECT_FALSE(v.BussMilage);
    EXPECT_FALSE(v.SARSTable);
    EXPECT_EQ(v.CCStartDate, TaxYearStart);
    EXPECT_EQ(v.CCEndDate, TaxYearEnd);

    // The template keeps its values, so the next vehicle starts from them too, not from
    // vehicle 1 as it has since become.
    reg.current().CCPrice = 400000;
    reg.add();
    EXPECT_EQ(reg.record(2).CCPrice, 250000);
    EXPECT_EQ(reg.record(2).CCRegNumber, "CA 1");
}

TEST(CompanyCarRegister, ASecondVehicleSwitchesTheSplitOnAndDeletingHidesTheBox)
{
    CompanyCarRegister reg = withVehicles(1);
    EXPECT_FALSE(reg.controls().autoSplitVisible);
    EXPECT_FALSE(reg.shared().AutoCalc3802);
    EXPECT_TRUE(reg.fb3802ThisCarEnabled());

    reg.add();
    EXPECT_TRUE(reg.controls().autoSplitVisible);
    EXPECT_TRUE(reg.shared().AutoCalc3802);
    typeRegistration(reg, "CA 2");
    EXPECT_TRUE(reg.controls().vehicleFields);
    EXPECT_FALSE(reg.fb3802ThisCarEnabled());
    reg.setAutoSplit(false);
    EXPECT_TRUE(reg.fb3802ThisCarEnabled());
    reg.setAutoSplit(true);

    reg.remove();
    EXPECT_FALSE(reg.controls().autoSplitVisible);
    EXPECT_TRUE(reg.shared().AutoCalc3802);
}

TEST(CompanyCarRegister, DeletingRenumbersTheLaterVehiclesAndShowsTheFirst)
{
    CompanyCarRegister reg = withVehicles(3);
    reg.back(); // vehicle 2
    ASSERT_EQ(reg.currentNumber(), 2);
    reg.remove();
    EXPECT_EQ(reg.count(), 2);
    EXPECT_EQ(reg.record(1).CCRegNumber, "CA 1");
    EXPECT_EQ(reg.record(2).CCRegNumber, "CA 3");
    EXPECT_EQ(reg.currentNumber(), 1);
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 1 of 2");
    EXPECT_EQ(reg.controls(), CompanyCarControls{.autoSplitVisible = true});
    EXPECT_EQ(reg.record(0), CompanyCarRecord{});
}

TEST(CompanyCarRegister, DeletingALockedVehicleShowsTheFirstUnlocked)
{
    CompanyCarRegister reg = withVehicles(2);
    reg.add(); // vehicle 3, from the template, which has no registration number
    reg.registrationEdited();
    ASSERT_EQ(reg.controls(), only({kRegistration, kDelete}, true));
    reg.remove();
    EXPECT_EQ(reg.currentNumber(), 1);
    EXPECT_EQ(reg.controls(), CompanyCarControls{.autoSplitVisible = true});
}

TEST(CompanyCarRegister, DeletingTheOnlyVehicleEmptiesTheRegister)
{
    CompanyCarRegister reg = withVehicles(1);
    reg.shared().Actual3802 = 12000;
    reg.remove();
    EXPECT_EQ(reg.count(), 0);
    EXPECT_EQ(reg.currentNumber(), 0);
    EXPECT_EQ(reg.shared().Actual3802, 0);
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 0 of 0");
    EXPECT_EQ(reg.controls(), only({kAdd, kOk, kCalculate, kPrint}));
    EXPECT_EQ(reg.current(), CompanyCarRecord{});

    // Nothing more to delete.
    reg.remove();
    EXPECT_EQ(reg.count(), 0);
}

TEST(CompanyCarRegister, BackAndForwardWrapAround)
{
    CompanyCarRegister reg = withVehicles(3);
    ASSERT_EQ(reg.currentNumber(), 3);
    reg.forward();
    EXPECT_EQ(reg.currentNumber(), 1);
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 1 of 3");
    reg.back();
    EXPECT_EQ(reg.currentNumber(), 3);
    reg.back();
    EXPECT_EQ(reg.currentNumber(), 2);
    reg.forward();
    EXPECT_EQ(reg.currentNumber(), 3);
    EXPECT_EQ(reg.controls(), CompanyCarControls{.autoSplitVisible = true});
}

TEST(CompanyCarRegister, MovingToAnUnregisteredVehicleLocksIt)
{
    CompanyCarRegister reg = withVehicles(2);
    reg.record(1).CCRegNumber = "";
    reg.forward();
    ASSERT_EQ(reg.currentNumber(), 1);
    EXPECT_EQ(reg.controls(), only({kBack, kForward, kOk, kAdd, kDelete}, true));

    CompanyCarRegister single = withVehicles(1);
    single.current().CCRegNumber = "";
    single.back();
    EXPECT_EQ(single.controls(), only({kOk, kAdd}));
}

TEST(CompanyCarRegister, BackAndForwardOnAnEmptyRegisterStayAtZero)
{
    CompanyCarRegister reg;
    reg.open();
    reg.forward();
    EXPECT_EQ(reg.currentNumber(), 0);
    EXPECT_EQ(reg.controls(), only({kOk, kAdd}));
    reg.current().CCRegNumber = "CA 1";
    reg.back();
    EXPECT_EQ(reg.currentNumber(), 0);
    EXPECT_EQ(reg.controls(), allBut({kBack, kForward, kDelete}));
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 0 of 0");
}

TEST(CompanyCarRegister, OutlivesTheWindowUntilInitialiseAll)
{
    VehicleState state;
    CompanyCarRegister& reg = state.companyCars;
    reg.open();
    reg.current().CCMake = "Template make";
    reg.add();
    typeRegistration(reg, "CA 1");
    reg.add();
    typeRegistration(reg, "CA 2");
    reg.shared().Actual3802 = 36500;
    EXPECT_FALSE(reg.close().message.has_value());

    // Reopened: vehicle 1 shown, the box with it.
    reg.open();
    EXPECT_EQ(reg.count(), 2);
    EXPECT_EQ(reg.currentNumber(), 1);
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 1 of 2");
    EXPECT_EQ(reg.controls(), CompanyCarControls{.autoSplitVisible = true});

    state.carAllowance.inputs.FuelOil = 500;
    state.initialiseAll();
    EXPECT_EQ(reg.count(), 0);
    EXPECT_EQ(reg.currentNumber(), 0);
    EXPECT_EQ(reg.shared(), CompanyCarShared{});
    EXPECT_EQ(reg.totals(), CompanyCarTotals{});
    EXPECT_EQ(reg.record(0).CCMake, "Template make");
    EXPECT_EQ(state.carAllowance.inputs.FuelOil, 0);
    reg.open();
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 0 of 0");
}

TEST(CompanyCarRegister, OpeningOnAnUnregisteredVehicleLeavesItsControlsEnabled)
{
    CompanyCarRegister reg = withVehicles(1);
    reg.current().CCRegNumber = "";
    reg.close();
    reg.open();
    EXPECT_EQ(reg.controls(), allBut({kBack, kForward}));
}

TEST(CompanyCarRegister, OpeningAnEmptyRegisterSwitchesTheSplitOff)
{
    CompanyCarRegister reg;
    reg.shared().AutoCalc3802 = true;
    reg.current().BussMilage = true;
    reg.current().CCEndDate = *CalendarDate::fromYmd(2021, 3, 31);
    reg.open();
    EXPECT_FALSE(reg.shared().AutoCalc3802);
    EXPECT_FALSE(reg.current().BussMilage);
    EXPECT_EQ(reg.current().CCEndDate, TaxYearEnd);
}

// The calculation skips an empty vehicle only. Vehicle 1 at 300 000 is calculated (125 656);
// an empty vehicle 2 is added and shown; vehicle 1's price becomes 200 000; "&Calculate" with
// vehicle 2 on screen totals vehicle 1's new adjustment, Round(83 770.49) = 83 770.
TEST(CompanyCarEmptyVehicleShown, TheTotalIsThisCalculations)
{
    CompanyCarRegister reg;
    reg.open();
    reg.add();
    typeRegistration(reg, "CA 1");
    reg.current().CCPrice = 300000;
    reg.calculate();
    ASSERT_EQ(reg.totals().AdjustTaxableInc, 125656);

    reg.record(0) = CompanyCarRecord{}; // the template: the next vehicle starts empty
    reg.add();
    typeRegistration(reg, "CA 2");
    ASSERT_EQ(reg.currentNumber(), 2);
    ASSERT_TRUE(isEmptyVehicle(reg.current()));
    reg.record(1).CCPrice = 200000;
    reg.calculate();
    EXPECT_EQ(reg.results(1).AdjustTaxableInc, 83770);
    EXPECT_EQ(reg.totals().AdjustTaxableInc, 83770);
    EXPECT_EQ(reg.currentResults(), CompanyCarResults{.CCMonths = 365});
}

TEST(CompanyCarEmptyVehicleShown, ANewTotalSplitReachesTheOtherVehicles)
{
    // In the window: vehicle 1 at 300 000, an empty vehicle 2 shown, the code 3802 total typed
    // as 36 500 and "&Calculate". Under the split vehicle 1 gets half (both have 365 days):
    // 125 656 - 18 250.
    CompanyCarRegister reg = withVehicles(1);
    reg.current().CCPrice = 300000;
    reg.calculate();
    reg.record(0) = CompanyCarRecord{};
    reg.add();
    typeRegistration(reg, "CA 2");
    reg.shared().Actual3802 = 36500;
    reg.calculate();
    EXPECT_EQ(reg.record(1).FB3802ThisCar, 18250);
    EXPECT_EQ(reg.record(2).FB3802ThisCar, 0);
    EXPECT_EQ(reg.totals().AdjustTaxableInc, 125656 - 18250);
}

TEST(CompanyCarRegister, TheTotalsDoNotDependOnTheVehicleShown)
{
    // Vehicle 2 has no price but a distance: its adjustment is its SARS's claim whichever
    // vehicle the window shows.
    CompanyCarRegister reg = withVehicles(2);
    reg.setAutoSplit(false);
    reg.record(1).CCPrice = 300000;
    CompanyCarRecord& second = reg.record(2);
    second.TotalDistance = 10000;
    second.BusDistance = 4000;
    second.BussMilage = true;
    second.ActualExpEmployee = 2000;
    second.FB3802ThisCar = 1000;
    reg.calculate();
    const CompanyCarTotals shownSecond = reg.totals();
    // -(0.4 x 1 000 + Round(2 000 x 0.6)).
    EXPECT_DOUBLE_EQ(reg.currentResults().AdjustTaxableInc, -1600);
    reg.forward();
    reg.calculate();
    EXPECT_EQ(reg.currentNumber(), 1);
    EXPECT_EQ(reg.totals(), shownSecond);
    EXPECT_DOUBLE_EQ(reg.totals().AdjustTaxableInc, 125656 - 1600);
}

TEST(CompanyCarRegister, CalculateGivesASingleVehicleTheWholeTotal)
{
    CompanyCarRegister reg = withVehicles(1);
    reg.current().CCPrice = 300000;
    reg.shared().Actual3802 = 100000;
    reg.calculate();
    EXPECT_EQ(reg.current().FB3802ThisCar, 100000);
    EXPECT_EQ(reg.totals().AdjustTaxableInc, 25656);
}

TEST(CompanyCarRegister, TheFuelTableBoxClearsTheOtherFuelAmount)
{
    CompanyCarRegister reg = withVehicles(1);
    reg.current().ActualExpEmployee = 4000;
    reg.setFuelTable(true);
    EXPECT_TRUE(reg.current().SARSTable);
    EXPECT_EQ(reg.current().ActualExpEmployee, 0);
    reg.current().TotalDistance = 1000;
    reg.calculate();
    EXPECT_EQ(reg.current().FuelComponent, 1041);
    reg.setFuelTable(false);
    EXPECT_FALSE(reg.current().SARSTable);
    EXPECT_EQ(reg.current().FuelComponent, 0);
}

TEST(CompanyCarDates, ARefusedEndDateKeepsTheWindowOpenUntilItLosesTheFocus)
{
    CompanyCarRegister reg = withVehicles(1);
    reg.current().CCStartDate = *CalendarDate::fromYmd(2021, 5, 1);
    const WindowReply refused = reg.refuseDate(kCarEndDateField, true);
    EXPECT_EQ(refused.message->text, "The date entered is not correct please enter a date "
                                     "between 01/05/2021 and 28/02/2022");
    EXPECT_EQ(refused.message->title, "Incorrect Date");
    EXPECT_EQ(refused.focus, &kCarEndDateField);

    const WindowReply closing = reg.close();
    EXPECT_EQ(closing.message, (Message{"The dates entered are not correct please enter a dates "
                                        "between 01/03/2021 and 28/02/2022",
                                        "Incorrect Date", MessageIcon::Error}));
    EXPECT_EQ(closing.focus, &kCarStartDateField);

    reg.endDateLeft();
    EXPECT_EQ(reg.close(), WindowReply{});
}

TEST(CompanyCarDates, ARefusedStartDateDoesNotHoldTheWindow)
{
    CompanyCarRegister reg = withVehicles(1);
    const WindowReply refused = reg.refuseDate(kCarStartDateField, true);
    EXPECT_EQ(refused.message->text, "The date entered is not correct please enter a date "
                                     "between 01/03/2021 and 28/02/2022");
    EXPECT_EQ(refused.focus, &kCarStartDateField);
    EXPECT_FALSE(reg.datesMarkedInvalid());
}

TEST(CompanyCarDates, ARefusalWhileTheWindowIsHiddenResetsTheDate)
{
    CompanyCarRegister reg = withVehicles(1);
    reg.current().CCStartDate = *CalendarDate::fromYmd(2021, 5, 1);
    reg.current().CCEndDate = *CalendarDate::fromYmd(2021, 6, 30);
    EXPECT_EQ(reg.refuseDate(kCarStartDateField, false).focus, nullptr);
    EXPECT_EQ(reg.current().CCStartDate, TaxYearStart);
    EXPECT_EQ(reg.refuseDate(kCarEndDateField, false).focus, nullptr);
    EXPECT_EQ(reg.current().CCEndDate, TaxYearEnd);
    EXPECT_FALSE(reg.datesMarkedInvalid());
}

TEST(CompanyCarRegister, HoldsAtMost32767Vehicles)
{
    CompanyCarRegister reg;
    CompanyCarRecord registered;
    registered.CCRegNumber = "CA 1";
    EXPECT_FALSE(reg.load(std::vector<CompanyCarRecord>(32768, registered), {}));
    EXPECT_EQ(reg.count(), 0);
    ASSERT_TRUE(reg.load(std::vector<CompanyCarRecord>(32767, registered), {}));
    reg.open();
    EXPECT_EQ(reg.count(), 32767);

    const WindowReply full = reg.add();
    EXPECT_EQ(full.message, registerFullMessage());
    EXPECT_EQ(reg.count(), 32767);
    EXPECT_EQ(reg.currentNumber(), 1);
    reg.back();
    EXPECT_EQ(reg.currentNumber(), 32767);
    EXPECT_EQ(reg.caption(), "Full use of Company Car :  Vehicle number 32767 of 32767");
    reg.forward();
    EXPECT_EQ(reg.currentNumber(), 1);
}

} // namespace
} // namespace grovan

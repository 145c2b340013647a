// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_store.h"
#include "package/package_fields.h"
#include "package/package_panels.h"
#include "package/package_setup.h"
#include "tests/paye/field_table_checks.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

const PackageWindow& grovanAnnual = packageWindow(PackageWindowKind::GrovanAnnual);
const PackageWindow& grovanMonthly = packageWindow(PackageWindowKind::GrovanMonthly);
const PackageWindow& velmoraAnnual = packageWindow(PackageWindowKind::VelmoraAnnual);
const PackageWindow& velmoraMonthly = packageWindow(PackageWindowKind::VelmoraMonthly);

const PackageWindow* const kAllWindows[] = {&grovanAnnual, &grovanMonthly, &velmoraAnnual,
                                            &velmoraMonthly};

std::string windowName(const ::testing::TestParamInfo<const PackageWindow*>& info)
{
    return std::string(info.param->windowName);
}

template <typename Binding>
const Binding& bindingOf(std::span<const Binding> bindings, std::string_view control)
{
    const auto found = std::find_if(bindings.begin(), bindings.end(), [control](const auto& b) {
        return b.field->controlName == control;
    });
    EXPECT_NE(found, bindings.end()) << control;
    return *found;
}

// What typing a number into a field does.
void type(const PackageWindow& window, PackageInputs& in, std::string_view control, double value)
{
    bindingOf(packageInputBindings(window), control).set(in, value);
}

double shownCopy(const PackageWindow& window, const PackageInputs& in, std::string_view control)
{
    return bindingOf(packageCopyBindings(window), control).get(in);
}

class PackageWindowFields : public ::testing::TestWithParam<const PackageWindow*>
{};

TEST_P(PackageWindowFields, AreDescribedOnceWithUniqueKeysAndControls)
{
    const PackageWindow& window = *GetParam();
    testing::expectKeysAndControlNamesUnique(
        packageInputBindings(window), packageSetupBindings(window), packageResultBindings(window));
    testing::expectDefaultsAreDescribed(packageInputBindings(window), PackageInputs{});
    for (const auto& copy : packageCopyBindings(window)) {
        EXPECT_TRUE(copy.field->readOnly) << copy.field->controlName;
        for (const auto& input : packageInputBindings(window)) {
            EXPECT_NE(copy.field->key, input.field->key);
            EXPECT_NE(copy.field->controlName, input.field->controlName);
        }
    }
}

TEST_P(PackageWindowFields, KeepTheirDifferences)
{
    const PackageWindow& window = *GetParam();
    const auto inputs = packageInputBindings(window);
    const bool back = window.direction == PackageDirection::Back;
    const auto has = [&](std::string_view control) {
        return std::any_of(inputs.begin(), inputs.end(),
                           [control](const auto& b) { return b.field->controlName == control; });
    };
    EXPECT_EQ(has("numMedDeduct"), back);
    EXPECT_EQ(inputs[1].field->controlName, "numNetMonSalReq");
    EXPECT_EQ(inputs[1].field->key, back ? "netRequired" : "packageAmount");
    EXPECT_EQ(packageCopyBindings(window).size(), back ? 2u : 3u);
    // Every input but the mirrored amounts writes its own member.
    testing::expectEachBindingWritesItsOwnValue(
        std::span(inputs.begin(), inputs.begin() + (back ? 9 : 8)), PackageInputs{});
}

INSTANTIATE_TEST_SUITE_P(Package, PackageWindowFields, ::testing::ValuesIn(kAllWindows),
                         windowName);

struct WindowTexts
{
    const PackageWindow* window;
    const char* caption;
    const char* net;
    const char* beneficiaries;
    const char* gross;
    const char* skillsLevy;
    const char* reportTemplate;
    const char* previewTitle;
    int setupPanelTop;
};

const WindowTexts kWindowTexts[] = {
    {&grovanAnnual, "Grovan : Annual Calculation", "Net annual salary required",
     "Medical beneficiaries months", "Gross salary", "Skills levy", "Grovan.rpt",
     "Grovan2020 Annual - To export printout click on the suitcase button or goto Help", 960},
    {&grovanMonthly, "Grovan : Monthly Calculation", "Net monthly salary required",
     "Med. aid fund beneficiaries", "Gross salary", "Skills levy", "Grovan.rpt",
     "Grovan2020 Monthly - To export printout click on the suitcase button or goto Help", 1080},
    {&velmoraAnnual, "Velmora : Annual Calculation", "Total package amount",
     "Medical beneficiaries months", "Net salary(take-home)", "Skills levy", "Velmora.rpt",
     "Velmora2020 Annual - To export printout click on the suitcase button or goto Help", 750},
    {&velmoraMonthly, "Velmora : Monthly Calculation", "Total package amount",
     "Med. aid fund beneficiaries", "Net salary(take-home)", "Skills Development Levy",
     "Velmora.rpt",
     "Velmora2020 Monthly - To export printout click on the suitcase button or goto Help", 960},
};

TEST(PackageWindowTexts, FollowTheWindow)
{
    for (const WindowTexts& t : kWindowTexts) {
        SCOPED_TRACE(t.window->windowName);
        EXPECT_EQ(t.window->caption, t.caption);
        EXPECT_EQ(t.window->netField.label, t.net);
        EXPECT_EQ(t.window->beneficiariesField.label, t.beneficiaries);
        EXPECT_EQ(t.window->grossField.label, t.gross);
        EXPECT_EQ(t.window->skillsLevyField.label, t.skillsLevy);
        EXPECT_EQ(t.window->reportTemplate, t.reportTemplate);
        EXPECT_EQ(t.window->previewTitle, t.previewTitle);
        EXPECT_EQ(t.window->setupPanelTopTwips, t.setupPanelTop);
    }
}

TEST(PackageChangeHandling, CopiesIntoTheCostToCompanyColumn)
{
    // Typing 80 000 into the travel allowance shows 80 000.00 in numCCTravAll; 5 000 into the
    // third other expense shows 5 000.00 in numOtherDetCC(2); overwriting that copy with 6 000
    // changes only what the printout shows there.
    PackageInputs in;
    type(grovanAnnual, in, "numTravAll", 80000);
    EXPECT_EQ(shownCopy(grovanAnnual, in, "numCCTravAll"), 80000);
    type(grovanAnnual, in, "numOTaxFB", 1234.5);
    EXPECT_EQ(shownCopy(grovanAnnual, in, "numCCOTaxFB"), 1234.5);
    type(grovanAnnual, in, "numOtherDet(2)", 5000);
    EXPECT_EQ(in.OtherExpensesCC[2], 5000);
    EXPECT_EQ(OtherExpensesTotal(in), 5000);

    type(grovanAnnual, in, "numOtherDetCC(2)", 6000);
    EXPECT_EQ(in.OtherExpensesCC[2], 6000);
    EXPECT_EQ(in.OtherExpenses[2], 5000);
    EXPECT_EQ(OtherExpensesTotal(in), 5000) << "the calculation uses the employee's column";

    type(grovanAnnual, in, "numOtherDet(0)", 250);
    EXPECT_EQ(OtherExpensesTotal(in), 5250);
    EXPECT_EQ(in.OtherExpensesCC[2], 6000) << "another row's change leaves the copy alone";

    bindingOf(packageInputBindings(grovanAnnual), "txtOtherDet(1)").set(in, std::string("Phone"));
    EXPECT_EQ(in.OtherExpenseTexts[1], "Phone");
}

TEST(PackageChangeHandling, CopiesThePackageInTheForwardWindows)
{
    PackageInputs in;
    type(velmoraMonthly, in, "numNetMonSalReq", 30000);
    EXPECT_EQ(shownCopy(velmoraMonthly, in, "numCCNetMonSalReq"), 30000);
}

struct FundRuleCase
{
    const char* name;
    const PackageWindow* window;
    double employee;
    double employer;
    double employeeAfter;
    double employerAfter;
};

// Worked examples: in the annual back-calculation window 15 followed by 15 clears both at once,
// 15 and 12.5 stand; in the annual forward window 15 and 15 stand.
const FundRuleCase kFundRuleCases[] = {
    {"grovan_annual_15_15", &grovanAnnual, 15, 15, 0, 0},
    {"grovan_annual_15_12_5", &grovanAnnual, 15, 12.5, 15, 12.5},
    {"grovan_monthly_20_10", &grovanMonthly, 20, 10, 0, 0},
    {"velmora_annual_15_15", &velmoraAnnual, 15, 15, 15, 15},
    {"velmora_monthly_50_50", &velmoraMonthly, 50, 50, 50, 50},
};

class PackageFundPercentRule : public ::testing::TestWithParam<FundRuleCase>
{};

TEST_P(PackageFundPercentRule, AppliesOnEveryChangeInTheBackWindows)
{
    const FundRuleCase& c = GetParam();
    SetupValues setup;
    const auto bindings = packageSetupBindings(*c.window);
    bindingOf(bindings, "numPenContPerc").set(setup, c.employee);
    EXPECT_EQ(setup.PensionCont, c.employee);
    bindingOf(bindings, "numPenPercentage").set(setup, c.employer);
    EXPECT_EQ(setup.PensionCont, c.employeeAfter);
    EXPECT_EQ(setup.EmployerPenCont, c.employerAfter);
}

INSTANTIATE_TEST_SUITE_P(Package, PackageFundPercentRule, ::testing::ValuesIn(kFundRuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackageSetup, TheBackWindowsApplyTheRuleToStoredValuesAndAtOK)
{
    // A forward window saves 20 % and 20 % without the rule; a back-calculation window opened
    // afterwards clears them, so that its search can reach the net required.
    SetupValues stored;
    stored.PensionCont = 20;
    stored.EmployerPenCont = 20;
    EXPECT_EQ(openPackageWindow(velmoraAnnual, stored).setup.PensionCont, 20);
    PackageState back = openPackageWindow(grovanMonthly, stored);
    EXPECT_EQ(back.setup.PensionCont, 0);
    EXPECT_EQ(back.setup.EmployerPenCont, 0);

    back.setup.PensionCont = 27.5;
    EXPECT_EQ(confirmPackageSetup(grovanMonthly, back).PensionCont, 27.5) << "27.5 stands";
    back.setup.EmployerPenCont = 0.001;
    const SetupValues& saved = confirmPackageSetup(grovanMonthly, back);
    EXPECT_EQ(saved.PensionCont, 0);
    EXPECT_EQ(saved.EmployerPenCont, 0);
}

TEST(PackageSetup, IsSavedWholeAndLoadedByTheNextWindow)
{
    // After "O&K" another package window opened afterwards starts with the new set-up values.
    TempFolder folder;
    RecordingSink sink;
    const SettingsDatabase settings(folder / "Settings.mdb", sink);
    PackageState first = openPackageWindow(grovanAnnual, settings.load());
    const auto bindings = packageSetupBindings(grovanAnnual);
    bindingOf(bindings, "numPenContPerc").set(first.setup, 7.5);
    bindingOf(bindings, "numEmpEUIF").set(first.setup, 2.0);
    bindingOf(bindings, "optCompCarFBRate80").set(first.setup, 0.2);
    bindingOf(bindings, "optCompCarMPYes").set(first.setup, 1.0);
    ASSERT_TRUE(settings.save(confirmPackageSetup(grovanAnnual, first), SetupFields::Package));

    const PackageState next = openPackageWindow(velmoraMonthly, settings.load());
    EXPECT_EQ(next.setup.PensionCont, 7.5);
    EXPECT_EQ(next.setup.EmployeeUIF, 2.0);
    EXPECT_EQ(next.setup.CompCarFBRate8020, 0.2);
    EXPECT_TRUE(next.setup.CompCarMPYesNo);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(PackageSetup, APercentageFieldLeftEmptyHoldsZero)
{
    // Worked example: clearing a UIF percentage to empty text and leaving the field gives 0.
    EXPECT_EQ(percentOnLeaving(""), 0.0);
    EXPECT_EQ(percentOnLeaving("abc"), 0.0);
    EXPECT_EQ(percentOnLeaving("1e999"), 0.0);
    EXPECT_EQ(percentOnLeaving(" 1.5 %"), 1.5);
}

TEST(PackageSetup, ListsThePanelTopToBottom)
{
    const char* const expected[] = {"numPenContPerc", "numPenPercentage",   "numEmpEUIF",
                                    "numEmpRUIF",     "numSkillPercent",    "numUIFLimit",
                                    "optTAIncRate80", "optCompCarFBRate80", "optCompCarMPYes"};
    for (const PackageWindow* window : kAllWindows) {
        const auto bindings = packageSetupBindings(*window);
        ASSERT_EQ(bindings.size(), std::size(expected));
        for (std::size_t i = 0; i < bindings.size(); ++i) {
            EXPECT_EQ(bindings[i].field->controlName, expected[i]);
        }
    }
    EXPECT_EQ(packageSetupBindings(grovanAnnual)[0].field->label, "Employee R/Fund contributions");
    EXPECT_EQ(packageSetupBindings(grovanAnnual)[8].field->label,
              "Company car has maintenance plan ");
}

PackageState withEmployeeContribution(const PackageWindow& window, double contribution)
{
    PackageState state = openPackageWindow(window, SetupValues{});
    state.results.EmpRFContrib = contribution;
    return state;
}

struct RALine4Case
{
    const char* name;
    const PackageWindow* window;
    double contribution; ///< of the window's period
    const char* line;
};

// Worked examples: an annual contribution of 2 000 leaves R1 500.00; 12 000 shows 8 500.00 after
// " = - R"; a monthly contribution of 1 000 shows as 12 000.00.
const RALine4Case kRALine4Cases[] = {
    {"annual_2000", &grovanAnnual, 2000, "ie: R 3 500 - R2 000.00 = R1 500.00"},
    {"annual_12000", &velmoraAnnual, 12000, "ie: R 3 500 - R12 000.00 = - R8 500.00"},
    {"monthly_1000", &grovanMonthly, 1000, "ie: R 3 500 - R12 000.00 = - R8 500.00"},
    {"exactly_3500", &velmoraAnnual, 3500, "ie: R 3 500 - R3 500.00 = R0.00"},
};

class RAExplanationLine4 : public ::testing::TestWithParam<RALine4Case>
{};

TEST_P(RAExplanationLine4, ShowsTheAnnualContributionAgainstR3500)
{
    const RALine4Case& c = GetParam();
    const RALines lines =
        raExplanationLines(*c.window, withEmployeeContribution(*c.window, c.contribution));
    EXPECT_EQ(lines[4], c.line);
}

INSTANTIATE_TEST_SUITE_P(Package, RAExplanationLine4, ::testing::ValuesIn(kRALine4Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RAExplanation, HasItsFixedLines)
{
    const RALines lines = raExplanationLines(grovanAnnual, openPackageWindow(grovanAnnual, {}));
    EXPECT_EQ(lines[0], "The maximum R/A contribution allowed is the greater between A, B or C.");
    EXPECT_EQ(lines[1], "A:  R 3 500 less employee pension contributions ");
    EXPECT_EQ(lines[2], "B: R 1 750");
    EXPECT_EQ(lines[3], "C: 15% of non-retirement funding income. ");
    EXPECT_EQ(kRALineOrder, (std::array<int, 6>{0, 1, 4, 2, 3, 5}));
    EXPECT_EQ(kRAPanelCaption, "R/A Explained(Annual Figures Shown)");
}

struct RALine5Case
{
    const char* name;
    const PackageWindow* window;
    double employeeFundPercent;
    double providentPercent;
    const char* line;
};

// The items: other expenses 1 000 + other fringe benefits 2 000 + travel 10 000, and a car of
// 100 000 without a maintenance plan: 0.8 (the travel inclusion rate) x 100 000 x 0.035 x 12 =
// 33 600 a year. The gross salary stands at 400 000, the package at 500 000.
const RALine5Case kRALine5Cases[] = {
    // annual, a percentage set: 13 000 + 33 600 = 46 600; 15 % = 6 990.
    {"grovan_annual_percent", &grovanAnnual, 5, 0, "ie: R 46 600.00 X 15% = R6 990.00"},
    {"grovan_annual_provident_percent", &grovanAnnual, 0, 5, "ie: R 46 600.00 X 15% = R6 990.00"},
    {"grovan_annual_gross_salary", &grovanAnnual, 0, 0, "ie: R 400 000.00 X 15% = R60 000.00"},
    {"velmora_annual_package", &velmoraAnnual, 0, 0, "ie: R 500 000.00 X 15% = R75 000.00"},
    // monthly: 13 000 x 12 + 33 600 = 189 600; without a percentage the same items.
    {"grovan_monthly_percent", &grovanMonthly, 5, 0, "ie: R 189 600.00 X 15% = R28 440.00"},
    {"grovan_monthly_items_always", &grovanMonthly, 0, 0, "ie: R 189 600.00 X 15% = R28 440.00"},
    {"velmora_monthly_package", &velmoraMonthly, 0, 0, "ie: R 6 000 000.00 X 15% = R900 000.00"},
    {"velmora_monthly_percent", &velmoraMonthly, 5, 0, "ie: R 189 600.00 X 15% = R28 440.00"},
};

class RAExplanationLine5 : public ::testing::TestWithParam<RALine5Case>
{};

TEST_P(RAExplanationLine5, ShowsFifteenPercentOfTheIncome)
{
    const RALine5Case& c = GetParam();
    PackageState state = openPackageWindow(*c.window, SetupValues{});
    state.setup.PensionCont = c.employeeFundPercent;
    state.setup.ProvCont = c.providentPercent;
    state.inputs.NetRequired = 500000;
    state.inputs.OtherExpenses = {400, 600, 0, 0};
    state.inputs.OtherFringeBenefits = 2000;
    state.inputs.TravelAllowance = 10000;
    state.inputs.CarValue = 100000;
    state.results.GrossSalary = 400000;
    EXPECT_EQ(raExplanationLines(*c.window, state)[5], c.line);
}

INSTANTIATE_TEST_SUITE_P(Package, RAExplanationLine5, ::testing::ValuesIn(kRALine5Cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LayoutCase
{
    const char* name;
    const PackageWindow* window;
    bool warning;
    int top;
    int height;
};

const LayoutCase kLayoutCases[] = {
    {"grovan_no_warning", &grovanMonthly, false, 5760, 6780},
    {"grovan_warning", &grovanAnnual, true, 6060, 7035},
    {"velmora_no_warning", &velmoraAnnual, false, 5520, 6465},
    {"velmora_warning", &velmoraMonthly, true, 6060, 7000},
};

class PackageButtonRows : public ::testing::TestWithParam<LayoutCase>
{};

TEST_P(PackageButtonRows, MoveDownAndDisablePrintWithTheWarning)
{
    const LayoutCase& c = GetParam();
    PackageResults results;
    results.WarningShown = c.warning;
    const PackageButtonLayout layout = packageButtonLayout(*c.window, results);
    EXPECT_EQ(layout.warningShown, c.warning);
    EXPECT_EQ(layout.buttonTopTwips, c.top);
    EXPECT_EQ(layout.windowHeightTwips, c.height);
    EXPECT_EQ(layout.printEnabled, !c.warning);
    EXPECT_EQ(printPanelMayOpen(results), !c.warning);
}

INSTANTIATE_TEST_SUITE_P(Package, PackageButtonRows, ::testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackagePanels, DisableTheirButtons)
{
    const auto names = [](PackagePanel panel) {
        const auto span = buttonsDisabledBy(panel);
        return std::vector<std::string_view>(span.begin(), span.end());
    };
    EXPECT_EQ(names(PackagePanel::Setup),
              (std::vector<std::string_view>{"cmdOk", "cmdRAExpl", "cmdCalculate", "cmdSettings",
                                             "cmdPrint"}));
    EXPECT_EQ(names(PackagePanel::Print),
              (std::vector<std::string_view>{"cmdOk", "cmdCalculate", "cmdSettings", "cmdRAExpl"}));
    EXPECT_TRUE(names(PackagePanel::RAExplanation).empty());
    PackageResults stopped;
    stopped.CalcFailed = true;
    EXPECT_FALSE(printPanelMayOpen(stopped));
}

} // namespace
} // namespace grovan

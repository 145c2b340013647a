// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "shell/calculators.h"
#include "shell/initialise_all.h"
#include "shell/main_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace grovan {
namespace {

using enum MenuAction;

// One line of the menu bar: the entry it belongs to ("" for an entry of the bar itself) and what
// the command is.
struct MenuLine
{
    std::string_view parent;
    std::string_view name;
    std::string_view caption;
    MenuAction action;
    std::string_view window;
    bool cascade;
    int mainWidthTwips;

    bool operator==(const MenuLine&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MenuLine& line)
{
    return out << line.parent << "/" << line.name << " \"" << line.caption << "\" action "
               << static_cast<int>(line.action) << " " << line.window
               << (line.cascade ? " cascade" : "") << " width " << line.mainWidthTwips;
}

std::vector<MenuLine> flattenedBar()
{
    std::vector<MenuLine> lines;
    for (const TopMenu& top : mainMenuBar()) {
        const MenuItem& t = top.title;
        lines.push_back({"", t.name, t.caption, t.action, t.window, t.cascade, t.mainWidthTwips});
        for (const MenuItem& i : top.items) {
            lines.push_back(
                {t.name, i.name, i.caption, i.action, i.window, i.cascade, i.mainWidthTwips});
        }
    }
    return lines;
}

TEST(MainMenu, BarIsTheDesignedMenuInOrder)
{
    // The menu bar as the program's design lays it out: names, captions with their access keys,
    // order, separators, the window each command opens and which commands cascade afterwards.
    const std::vector<MenuLine> expected = {
        {"", "mnuFile", "&File", OpenMenu, "", false, 0},
        {"mnuFile", "mnuNew", "&Initialise All", InitialiseAll, "", false, 0},
        {"mnuFile", "Space1", "-", Separator, "", false, 0},
        {"mnuFile", "mnuPrinterSet", "&Printer Setup", PrinterSetup, "", false, 0},
        {"mnuFile", "Space2", "-", Separator, "", false, 0},
        {"mnuFile", "mnuExit", "E&xit", Exit, "", false, 0},
        {"", "mnuGrovan", "&Grovan", OpenMenu, "", false, 0},
        {"mnuGrovan", "mnuGrovanMon", "&Monthly", OpenCalculator, "frmGrovanMon", true, 0},
        {"mnuGrovan", "mnuGrovanAnn", "&Annual", OpenCalculator, "frmGrovanAnn", true, 0},
        {"", "mnuVelmora", "V&elmora", OpenMenu, "", false, 0},
        {"mnuVelmora", "mnuVelmoraMon", "&Monthly", OpenCalculator, "frmVelmoraMon", true, 0},
        {"mnuVelmora", "mnuVelmoraAnn", "&Annual", OpenCalculator, "frmVelmoraAnn", true, 0},
        {"", "mnuTaxCalc", "&TaxCalcs", OpenMenu, "", false, 0},
        {"mnuTaxCalc", "mnuAnnual", "&Annual", OpenCalculator, "frmAnnual", false, 0},
        {"mnuTaxCalc", "mnuMonthly", "&Monthly", OpenCalculator, "frmMonthly", false, 0},
        {"mnuTaxCalc", "mnuFortNight", "&FortNightly", OpenCalculator, "frmFortNight", false, 0},
        {"mnuTaxCalc", "mnuWeekly", "&Weekly", OpenCalculator, "frmWeekly", false, 0},
        {"mnuTaxCalc", "mnuDaily", "&Daily", OpenCalculator, "frmDaily", false, 0},
        {"", "Rapell", "Rapell", OpenCalculator, "frmRapell", false, 0},
        {"", "mnuCarCalcs", "&Car Calculations", OpenMenu, "", false, 0},
        {"mnuCarCalcs", "mnuCompCar", "&Company car", OpenCalculator, "frmCompCar", true, 13405},
        {"mnuCarCalcs", "mnuCarAll1", "Car Allowance", OpenCalculator, "frmCarAll1", true, 0},
        {"", "mnuBusinessCalcs", "Bu&siness Calculations", OpenMenu, "", false, 0},
        {"mnuBusinessCalcs", "mnuInflationProject", "Inflation Projections", OpenCalculator,
         "frmInflation", false, 0},
        {"mnuBusinessCalcs", "mnuLoans", "Loans", OpenCalculator, "frmLoans", false, 0},
        {"mnuBusinessCalcs", "mnuLoansBuster", "Loan buster", OpenCalculator, "frmLoanBuster",
         false, 0},
        {"mnuBusinessCalcs", "mnuLoansComparison", "Loan comparison", OpenCalculator, "frmLoanComp",
         false, 0},
        {"mnuBusinessCalcs", "mnuDailyBalance", "Daily balance", OpenCalculator, "frmDayBal", false,
         0},
        {"", "mnuMSCalculator", "&MS-Calculator", StartCalculatorProgram, "", false, 0},
        {"", "mnuHelp", "&Help/Videos", OpenMenu, "", false, 0},
        {"mnuHelp", "mnuContents", "Grovan 2022 Help", ShowHelp, "frmHelpBrowser", false, 0},
        {"mnuHelp", "VideoLectures1", "Video Lectures", OpenVideoLectures, "", false, 0},
        {"mnuHelp", "mnuHelpSearchForHelpOn", "&Search For Help On...", Nothing, "", false, 0},
        {"mnuHelp", "Space3", "-", Separator, "", false, 0},
        {"mnuHelp", "mnuAbout", "&About Grovan2022...", ShowAbout, "", false, 0},
    };
    const std::vector<MenuLine> actual = flattenedBar();
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "line " << i;
    }
}

TEST(MainMenu, NamesAndWindowsAreUnique)
{
    std::set<std::string_view> names;
    std::set<std::string_view> windows;
    for (const MenuLine& line : flattenedBar()) {
        EXPECT_TRUE(names.insert(line.name).second) << line.name;
        if (!line.window.empty()) {
            EXPECT_TRUE(windows.insert(line.window).second) << line.window;
        }
    }
}

TEST(MainMenu, OnlyTheAboutWindowsMenusAreEnabledAgainByIt)
{
    // The About window's OK enables File, TaxCalcs, the two salary-package menus, Car
    // Calculations, Business Calculations, MS-Calculator and Help/Videos, not Rapell.
    std::vector<std::string_view> enabled;
    for (const TopMenu& top : mainMenuBar()) {
        if (top.enabledByAbout) {
            enabled.push_back(top.title.name);
        }
    }
    EXPECT_EQ(enabled, (std::vector<std::string_view>{
                           "mnuFile", "mnuGrovan", "mnuVelmora", "mnuTaxCalc", "mnuCarCalcs",
                           "mnuBusinessCalcs", "mnuMSCalculator", "mnuHelp"}));
}

TEST(MainMenu, FindsItemsAndTopLevelCommandsByName)
{
    struct Case
    {
        const char* name;
        const char* window; // nullptr: not found
    };
    const Case cases[] = {
        {"mnuAnnual", "frmAnnual"}, {"Rapell", "frmRapell"}, {"mnuContents", "frmHelpBrowser"},
        {"mnuMSCalculator", ""},    {"mnuFile", ""},         {"frmAnnual", nullptr},
        {"mnuannual", nullptr},     {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MenuItem* item = findMenuItem(c.name);
        if (c.window == nullptr) {
            EXPECT_EQ(item, nullptr);
        } else {
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->name, c.name);
            EXPECT_EQ(item->window, c.window);
        }
    }
}

// The windows "&Initialise All" closes when the program has all its calculators.
const std::set<std::string_view> kClosedByInitialiseAll = {
    "frmAnnual",      "frmMonthly",   "frmWeekly",     "frmDaily",      "frmCompCar",  "frmCarAll1",
    "frmHelpBrowser", "frmInflation", "frmLoans",      "frmLoanBuster", "frmLoanComp", "frmDayBal",
    "frmGrovanMon",   "frmGrovanAnn", "frmVelmoraMon", "frmVelmoraAnn",
};

TEST(InitialiseAll, ClosesTheDesignedWindowsOfTheCalculatorsTheProgramHas)
{
    std::multiset<std::string_view> expected{"frmHelpBrowser"};
    for (const Calculator* calculator : programCalculators().calculators()) {
        if (kClosedByInitialiseAll.contains(calculator->windowName())) {
            expected.insert(calculator->windowName());
        }
    }
    const auto closed = windowsClosedByInitialiseAll(programCalculators());
    EXPECT_EQ(std::multiset<std::string_view>(closed.begin(), closed.end()), expected);
}

TEST(InitialiseAll, ClosesOnlyWindowsTheMenuOpensAndKeepsFortnightlyAndQuickTax)
{
    std::set<std::string_view> opened;
    for (const MenuLine& line : flattenedBar()) {
        if (!line.window.empty()) {
            opened.insert(line.window);
        }
    }
    const auto closed = windowsClosedByInitialiseAll(programCalculators());
    for (std::string_view window : closed) {
        EXPECT_TRUE(opened.contains(window)) << window;
    }
    for (std::string_view kept : {"frmFortNight", "frmRapell"}) {
        EXPECT_TRUE(opened.contains(kept)) << kept;
        EXPECT_EQ(std::find(closed.begin(), closed.end(), kept), closed.end()) << kept;
        EXPECT_NE(programCalculators().findWindow(kept), nullptr) << kept;
    }
}

} // namespace
} // namespace grovan

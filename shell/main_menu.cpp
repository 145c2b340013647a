// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_menu.h"

namespace grovan {

namespace {

using enum MenuAction;

constexpr int kCompanyCarMainWidthTwips = 13405;

MenuItem menu(std::string_view name, std::string_view caption)
{
    return {name, caption, OpenMenu};
}

MenuItem separator(std::string_view name)
{
    return {name, "-", Separator};
}

MenuItem calculator(std::string_view name, std::string_view caption, std::string_view window,
                    bool cascade = false)
{
    return {name, caption, OpenCalculator, window, cascade};
}

} // namespace

std::span<const TopMenu> mainMenuBar()
{
    static const std::vector<TopMenu> bar = {
        {menu("mnuFile", "&File"),
         {
             {"mnuNew", "&Initialise All", InitialiseAll},
             separator("Space1"),
             {"mnuPrinterSet", "&Printer Setup", PrinterSetup},
             separator("Space2"),
             {"mnuExit", "E&xit", Exit},
         },
         true},
        {menu("mnuGrovan", "&Grovan"),
         {
             calculator("mnuGrovanMon", "&Monthly", "frmGrovanMon", true),
             calculator("mnuGrovanAnn", "&Annual", "frmGrovanAnn", true),
         },
         true},
        {menu("mnuVelmora", "V&elmora"),
         {
             calculator("mnuVelmoraMon", "&Monthly", "frmVelmoraMon", true),
             calculator("mnuVelmoraAnn", "&Annual", "frmVelmoraAnn", true),
         },
         true},
        {menu("mnuTaxCalc", "&TaxCalcs"),
         {
             calculator("mnuAnnual", "&Annual", "frmAnnual"),
             calculator("mnuMonthly", "&Monthly", "frmMonthly"),
             calculator("mnuFortNight", "&FortNightly", "frmFortNight"),
             calculator("mnuWeekly", "&Weekly", "frmWeekly"),
             calculator("mnuDaily", "&Daily", "frmDaily"),
         },
         true},
        {calculator("Rapell", "Rapell", "frmRapell"), {}, false},
        {menu("mnuCarCalcs", "&Car Calculations"),
         {
             {"mnuCompCar", "&Company car", OpenCalculator, "frmCompCar", true,
              kCompanyCarMainWidthTwips},
             calculator("mnuCarAll1", "Car Allowance", "frmCarAll1", true),
         },
         true},
        {menu("mnuBusinessCalcs", "Bu&siness Calculations"),
         {
             calculator("mnuInflationProject", "Inflation Projections", "frmInflation"),
             calculator("mnuLoans", "Loans", "frmLoans"),
             calculator("mnuLoansBuster", "Loan buster", "frmLoanBuster"),
             calculator("mnuLoansComparison", "Loan comparison", "frmLoanComp"),
             calculator("mnuDailyBalance", "Daily balance", "frmDayBal"),
         },
         true},
        {{"mnuMSCalculator", "&MS-Calculator", StartCalculatorProgram}, {}, true},
        {menu("mnuHelp", "&Help/Videos"),
         {
             {"mnuContents", "Grovan 2022 Help", ShowHelp, "frmHelpBrowser"},
             {"VideoLectures1", "Video Lectures", OpenVideoLectures},
             {"mnuHelpSearchForHelpOn", "&Search For Help On...", Nothing},
             separator("Space3"),
             {"mnuAbout", "&About Grovan2022...", ShowAbout},
         },
         true},
    };
    return bar;
}

const MenuItem* findMenuItem(std::string_view name)
{
    for (const TopMenu& top : mainMenuBar()) {
        if (top.title.name == name) {
            return &top.title;
        }
        for (const MenuItem& item : top.items) {
            if (item.name == name) {
                return &item;
            }
        }
    }
    return nullptr;
}

} // namespace grovan

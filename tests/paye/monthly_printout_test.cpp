// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/monthly_printout.h"
#include "tests/paye/printed_row.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::amount;
using testing::integer;
using testing::Printed;
using testing::text;

// A printout whose every amount differs, so a field taking the wrong value shows: age 70,
// salary 20 000, commissions 1 500, travel allowance 3 000 (2 400 taxable), bonus 5 000,
// medical contributions 2 000 + 800, R/Fund contributions 1 200 + 900, three beneficiaries,
// 05/07/2021 to 24/07/2021.
MonthlyInputs printedInputs()
{
    MonthlyInputs in;
    in.age = 70;
    in.salary = 20000;
    in.commissions = 1500;
    in.travelAllowance = 3000;
    in.bonus = 5000;
    in.employerMedical = 2000;
    in.employeeMedical = 800;
    in.employerFund = 1200;
    in.employeeFund = 900;
    in.beneficiaries = 3;
    in.startDate = *CalendarDate::fromYmd(2021, 7, 5);
    in.endDate = *CalendarDate::fromYmd(2021, 7, 24);
    in.employeeName = "Thandi Mokoena";
    return in;
}

// UIF of 1.234 % and 1.111 % of the 17 712 limit (the base, 30 600, is above it): 218.56608 and
// 196.78032, shown and printed as 218.57 and 196.78. The levy, 1 % of 30 600 - 2 100 + 1 500.
SetupValues printedSetup()
{
    SetupValues setup;
    setup.EmployeeUIF = 1.234;
    setup.EmployerUIF = 1.111;
    setup.UIFLimit = 17712;
    setup.SkillLevy = 1;
    setup.TAIncRate8020 = 0.8;
    return setup;
}

std::vector<Printed> expectedRow(const MonthlyResults& r)
{
    return {
        {"TypeAM", text("Monthly Check"), text("Maandelikse Inkomste")},
        {"Employee", text(" For : Thandi Mokoena"), text("Vir : Thandi Mokoena")},
        {"Age", text("Age : "), text("Ouderdom : ")},
        {"AgeNum", integer(70), integer(70)},
        {"Sal", text("Remuneration/salary"), text("Besoldiging")},
        {"SalNum", amount(20000), amount(20000)},
        {"DirFees", text("Commissions"), text("Kommissie")},
        {"DirFeesNum", amount(1500), amount(1500)},
        {"TravAll", text("Travel allowance "), text("Reistoelae ")},
        {"TravOne", amount(3000), amount(3000)},
        {"TravTwo", amount(2400), amount(2400)},
        {"Bonus", text("Bonus"), text("Bonus")},
        {"BonusNum", amount(5000), amount(5000)},
        {"MedExp", text("Medical expenses"), text("Mediese onkoste")},
        {"MedExpNum", amount(0), amount(0)},
        {"PenCont", text("Employer's R/Fund contributions "), text("Toelaatbare pension bydrae")},
        {"PenContNum", amount(1200), amount(1200)},
        {"RACont", text("Employee's R/Fund contributions"), text("Toelaatbare U/T bydrae")},
        {"RAContNum", amount(900), amount(900)},
        {"SDate", text("Start date"), text("Begin datum")},
        {"SDateNum", text("05/07/2021"), text("05/07/2021")},
        {"EDate", text("End date"), text("Eind datum")},
        {"EDateNum", text("24/07/2021"), text("24/07/2021")},
        {"UIFEMPE", text("U.I.F. contribution employee"), text("U.I.F. bydrae werknemer")},
        {"UIFEMPENum", amount(218.57), amount(218.57)},
        {"UIFEMPR", text("U.I.F. contribution employer"), text("U.I.F. bydrae werkgewer")},
        {"UIFEMPRNum", amount(196.78), amount(196.78)},
        {"SDL", text("S.D.L."), text("S.D.L.")},
        {"SDLNum", amount(300), amount(300)},
        {"EOE", text("(E.& O.E.)"), text("(B.& F.W.)")},
        {"Taxliability", text("Tax liability"), text("Belasting verpligting")},
        {"Taxliabilitynum", amount(r.taxLiability), amount(r.taxLiability)},
        {"TaxCredit", text("Tax credits for beneficiaries"),
         text("Belastingkrediete vir begunstigdes")},
        {"Taxcreditnum", amount(888), amount(888)},
        {"TaxCreditCons", text("Tax credits for contributions"),
         text("Belastingkrediete vir bydraes")},
        {"TaxcreditnumCons", amount(r.additionalMedicalCredit), amount(r.additionalMedicalCredit)},
        {"EmpERMedAidCont", text("Employer's med aid contrib."),
         text("Werkgewer se bydrae aan mediesefonds")},
        {"EmpERMedAidContnum", amount(2000), amount(2000)},
        {"EmpEEMedAidCont", text("Employee's med aid contrib."),
         text("Werknemer se bydrae aan mediesefonds")},
        {"EmpEEMedAidContnum", amount(800), amount(800)},
        {"AnnCalcBens3", text("Medical aid fund beneficiaries"),
         text("Getal mediesefondslede en afhanklikes")},
        {"AnnCalcBens3num", integer(3), integer(3)},
        {"MedAidBens", text("Med Aid contribution deduction"), text("Mediesfondsbydrae afrekking")},
        {"TOTAL", text("Total tax deduction"), text("Totaal belasting")},
        {"TotalNum", amount(r.totalTaxDeduction), amount(r.totalTaxDeduction)},
    };
}

class MonthlyPrintout : public ::testing::TestWithParam<PrintLanguage>
{};

TEST_P(MonthlyPrintout, WritesAll45FieldsInOrder)
{
    const MonthlyInputs in = printedInputs();
    TaxableIncomeRecord record;
    const MonthlyResults r = calculateMonthly(in, printedSetup(), record);
    ASSERT_GT(r.totalTaxDeduction, 0.0) << "the total prints as a double while positive";
    // 0.333 x (2 000 + 800 - 3 x 888).
    EXPECT_NEAR(r.additionalMedicalCredit, 45.288, 1e-9);

    const std::vector<Printed> expected = expectedRow(r);
    ASSERT_EQ(expected.size(), 45u);
    testing::expectRow(monthlyPrintRow(in, r, GetParam()),
                       testing::inPrintedOrder(expected, GetParam()), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Monthly, MonthlyPrintout,
                         ::testing::Values(PrintLanguage::English, PrintLanguage::Afrikaans),
                         testing::languageName);

TEST(MonthlyPrintoutValues, DoNotRecalculate)
{
    MonthlyInputs in;
    in.age = 40;
    in.salary = 30000;
    TaxableIncomeRecord record;
    const MonthlyResults last = calculateMonthly(in, SetupValues{}, record);
    in.salary = 40000;
    in.endDate = *CalendarDate::fromYmd(2021, 3, 20);

    const Row row = monthlyPrintRow(in, last, PrintLanguage::English);
    EXPECT_EQ(*findField(row, "SalNum"), FieldValue{40000.0});
    EXPECT_EQ(*findField(row, "EDateNum"), FieldValue{std::string("20/03/2021")});
    EXPECT_EQ(*findField(row, "Taxliabilitynum"), FieldValue{last.taxLiability});
}

TEST(MonthlyPrintoutValues, TaxableTravelAllowancePrintsUnrounded)
{
    // 3 at 0.8 is 2.40, which no rounding to whole rands keeps.
    MonthlyInputs in;
    in.travelAllowance = 3;
    SetupValues setup;
    setup.TAIncRate8020 = 0.8;
    TaxableIncomeRecord record;
    const Row row =
        monthlyPrintRow(in, calculateMonthly(in, setup, record), PrintLanguage::English);
    const FieldValue* printed = findField(row, "TravTwo");
    ASSERT_NE(printed, nullptr);
    ASSERT_TRUE(std::holds_alternative<double>(*printed));
    EXPECT_DOUBLE_EQ(std::get<double>(*printed), 2.4);
}

TEST(MonthlyPrintoutValues, CreditsAboveTheTaxPrintTheIntegerZero)
{
    // 10 000 a month is taxed 21 600 - 15 714 = 5 886 a year, 490.50 a month; 5 beneficiaries
    // give 1 336 of credit.
    MonthlyInputs in;
    in.salary = 10000;
    in.employeeMedical = 1000;
    in.beneficiaries = 5;
    TaxableIncomeRecord record;
    const Row row =
        monthlyPrintRow(in, calculateMonthly(in, SetupValues{}, record), PrintLanguage::English);
    EXPECT_EQ(*findField(row, "TotalNum"), FieldValue{std::int64_t{0}});
    EXPECT_EQ(*findField(row, "Taxliabilitynum"), FieldValue{490.5});
    EXPECT_EQ(*findField(row, "Taxcreditnum"), FieldValue{1336.0});
}

} // namespace
} // namespace grovan

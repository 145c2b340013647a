// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/daily_printout.h"
#include "tests/paye/printed_row.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::amount;
using testing::integer;
using testing::Printed;
using testing::text;

// A printout whose every amount differs: age 75, salary 1 200.10, commissions 80.20, travel
// allowance 150.30 (120.24 taxable), bonus 400.40, medical contributions 30.50 + 60.60,
// R/Fund contributions 40 + 25, one beneficiary.
DailyInputs printedInputs()
{
    DailyInputs in;
    in.age = 75;
    in.salary = 1200.1;
    in.commissions = 80.2;
    in.travelAllowance = 150.3;
    in.bonus = 400.4;
    in.employerMedical = 30.5;
    in.employeeMedical = 60.6;
    in.employerFund = 40;
    in.employeeFund = 25;
    in.beneficiaries = 1;
    in.employeeName = "Lerato Dlamini";
    return in;
}

// The UIF base 1 200.10 + 30.50 + 400.40 + 120.24 + 40 = 1 791.24 is above the day's limit
// 17 712 x 12 / 260 = 817.4769...: 1 % gives 8.174769 (shown 8.17), 1.5 % 12.262154 (12.26).
// The levy: 1 % of 1 791.24 - 65 + 80.20 = 1 806.44, 18.0644 (18.06).
std::vector<Printed> expectedRow(const PeriodResults& r)
{
    return {
        {"TypeAM", text("Daily Check"), text("Daaglikse Inkomste")},
        {"Employee", text(" For : Lerato Dlamini"), text("Vir : Lerato Dlamini")},
        {"Age", text("Age : "), text("Ouderdom : ")},
        {"AgeNum", integer(75), integer(75)},
        {"Sal", text("Remuneration/salary"), text("Besoldiging")},
        {"SalNum", amount(1200.1), amount(1200.1)},
        {"DirFees", text("Commissions"), text("Kommissie")},
        {"DirFeesNum", amount(80.2), amount(80.2)},
        {"TravAll", text("Travel allowance "), text("Reistoelae ")},
        {"RecBefNum", amount(150.3), amount(150.3)},
        {"Bonus", text("Bonus"), text("Bonus")},
        {"BonusNum", amount(400.4), amount(400.4)},
        {"MedExp", text("Medical expenses"), text("Mediese onkoste")},
        {"MedExpNum", amount(0), amount(0)},
        {"PenCont", text("Employer's R/Fund contributions "), text("Toelaatbare pension bydrae")},
        {"PenContNum", amount(40), amount(40)},
        {"RACont", text("Employee's R/Fund contributions"), text("Toelaatbare U/T bydrae")},
        {"RAContNum", amount(25), amount(25)},
        {"UIFEMPE", text("U.I.F. contribution employee"), text("U.I.F. bydrae werknemer")},
        {"UIFEMPENum", amount(8.17), amount(8.17)},
        {"UIFEMPR", text("U.I.F. contribution employer"), text("U.I.F. bydrae werkgewer")},
        {"UIFEMPRNum", amount(12.26), amount(12.26)},
        {"SDL", text("S.D.L."), text("S.D.L.")},
        {"SDLNum", amount(18.06), amount(18.06)},
        {"EOE", text("(E.& O.E.)"), text("(B.& F.W.)")},
        {"Taxliability", text("Tax liability"), text("Belasting verpligting")},
        {"Taxliabilitynum", amount(r.taxLiability), amount(r.taxLiability)},
        {"EmpERMedAidCont", text("Employer's med aid contrib."),
         text("Werkgewer se bydrae aan mediesefonds")},
        {"EmpERMedAidContnum", amount(30.5), amount(30.5)},
        {"EmpEEMedAidCont", text("Employee's med aid contrib."),
         text("Werknemer se bydrae aan mediesefonds")},
        {"EmpEEMedAidContnum", amount(60.6), amount(60.6)},
        {"AnnCalcBens3", text("Medical aid fund beneficiaries"),
         text("Getal mediesefondslede en afhanklikes")},
        {"AnnCalcBens3num", integer(1), integer(1)},
        {"MedAidBens", text("Med Aid contribution deduction"), text("Mediesfondsbydrae afrekking")},
        {"TaxCredit", text("Tax credits for beneficiaries"),
         text("Belastingkrediete vir begunstigdes")},
        {"Taxcreditnum", amount(r.medicalCredit), amount(r.medicalCredit)},
        {"TaxCreditCons", text("Tax credits for contributions"),
         text("Belastingkrediete vir bydraes")},
        {"TaxcreditnumCons", amount(r.additionalMedicalCredit), amount(r.additionalMedicalCredit)},
        {"TOTAL", text("Total tax deduction"), text("Totaal belasting")},
        {"TotalNum", amount(r.totalTaxDeduction), amount(r.totalTaxDeduction)},
    };
}

class DailyPrintout : public ::testing::TestWithParam<PrintLanguage>
{};

TEST_P(DailyPrintout, WritesAll40FieldsInOrder)
{
    const DailyInputs in = printedInputs();
    SetupValues setup;
    setup.EmployeeUIF = 1;
    setup.EmployerUIF = 1.5;
    setup.UIFLimit = 17712;
    setup.SkillLevy = 1;
    setup.TAIncRate8020 = 0.8;
    TaxableIncomeRecord record;
    const PeriodResults r = calculateDaily(in, setup, record);
    ASSERT_GT(r.totalTaxDeduction, 0.0) << "the total prints as a double while positive";
    ASSERT_GT(r.additionalMedicalCredit, 0.0);

    const std::vector<Printed> expected = expectedRow(r);
    ASSERT_EQ(expected.size(), 40u);
    testing::expectRow(dailyPrintRow(in, r, GetParam()),
                       testing::inPrintedOrder(expected, GetParam()), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Daily, DailyPrintout,
                         ::testing::Values(PrintLanguage::English, PrintLanguage::Afrikaans),
                         testing::languageName);

TEST(DailyPrintoutValues, CreditsAboveTheTaxPrintTheIntegerZero)
{
    // 400 a day (104 000 a year, 18 720 - 15 714 = 3 006 of tax, 11.56 a day) against 1 336
    // x 12 / 260 = 61.66 of credit for five beneficiaries.
    DailyInputs in;
    in.salary = 400;
    in.employeeMedical = 10;
    in.beneficiaries = 5;
    TaxableIncomeRecord record;
    const Row row =
        dailyPrintRow(in, calculateDaily(in, SetupValues{}, record), PrintLanguage::English);
    EXPECT_EQ(*findField(row, "TotalNum"), FieldValue{std::int64_t{0}});
    EXPECT_EQ(*findField(row, "Taxliabilitynum"), FieldValue{3006.0 / 260});
}

} // namespace
} // namespace grovan

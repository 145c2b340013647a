// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/annual_printout.h"
#include "tests/paye/printed_row.h"
#include "tests/support/dates.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::amount;
using testing::date;
using testing::integer;
using testing::Printed;
using testing::text;

// Inputs of a printout whose every amount differs, so a field taking the wrong value shows:
// age 70, salary 500 000, 30 000 + 10 000 medical contributions, two beneficiaries a month from
// June to November, 01/06/2021 to 30/11/2021 (183 days), employee "Thandi Mokoena".
AnnualInputs printedInputs()
{
    AnnualInputs in;
    in.age = 70;
    in.salary = 500000;
    in.employerMedical = 30000;
    in.employeeMedical = 10000;
    in.employerFund = 4000;
    in.employeeFund = 6000;
    in.commissions = 0;
    in.bonus = 0;
    in.travelAllowance = 0;
    for (int month = 1; month <= 12; ++month) {
        in.beneficiaries[month] = 2;
    }
    in.startDate = date(2021, 6, 1);
    in.endDate = date(2021, 11, 30);
    in.employeeName = "Thandi Mokoena";
    return in;
}

std::vector<Printed> expectedRow(const AnnualResults& r)
{
    std::vector<Printed> row{
        {"TypeAM", text("Annual Check"), text("Jaarlikse Inkomste")},
        {"Employee", text(" For : Thandi Mokoena"), text("Vir : Thandi Mokoena")},
        {"Age", text("Age : "), text("Ouderdom : ")},
        {"AgeNum", integer(70), integer(70)},
        {"Sal", text("Remuneration/salary"), text("Besoldiging")},
        {"SalNum", amount(500000), amount(500000)},
        {"DirFees", text("Commissions"), text("Kommissie")},
        {"DirFeesNum", amount(0), amount(0)},
        {"Bonus", text("Bonus"), text("Bonus")},
        {"BonusNum", amount(0), amount(0)},
        {"TravAll", text("Travel allowance received"), text("Reistoelae ontvang")},
        {"RecBefNum", amount(0), amount(0)},
        {"MedExp", text("Medical expenses"), text("Mediese onkoste")},
        {"MedExpNum", amount(0), amount(0)},
        {"PenCont", text("Employer's R/Fund contributions "), text("Toelaatbare pension bydrae")},
        {"PenContNum", amount(4000), amount(4000)},
        {"RACont", text("Employee's R/Fund contributions"), text("Toelaatbare U/T bydrae")},
        {"RAContNum", amount(6000), amount(6000)},
        {"SDate", text("Start date"), text("Begin datum")},
        {"SDateNum", text("01/06/2021"), text("01/06/2021")},
        {"EDate", text("End date"), text("Eind datum")},
        {"EDateNum", text("30/11/2021"), text("30/11/2021")},
        {"SITE", text("SITE"), text("SIBW")},
        {"SITENum", amount(0), amount(0)},
        {"PAYE", text("PAYE"), text("LBS")},
        {"PAYENum", amount(r.paye), amount(r.paye)},
        {"Taxliability", text("Tax liability"), text("Belasting verpligting")},
        {"Taxliabilitynum", amount(r.taxLiability), amount(r.taxLiability)},
        {"TaxCredit", text("Tax credits for beneficiaries"),
         text("Belastingkrediete vir begunstigdes")},
        {"Taxcreditnum", amount(3984), amount(3984)},
        {"TaxCreditCons", text("Tax credits for contributions"),
         text("Belastingkrediete vir bydraes")},
        {"TaxcreditnumCons", amount(r.additionalMedicalCredit), amount(r.additionalMedicalCredit)},
        {"NumOFBens", text("Number of Medical Aid Beneficiaries"),
         text("Getal mediesefondslede en afhanklikes")},
        {"EmpERMedAidCont", text("Employer's med aid contrib."),
         text("Werkgewer se bydrae aan mediesefonds")},
        {"EmpERMedAidContnum", amount(30000), amount(30000)},
        {"EmpEEMedAidCont", text("Employee's med aid contrib."),
         text("Werknemer se bydrae aan mediesefonds")},
        {"EmpEEMedAidContnum", amount(10000), amount(10000)},
    };
    // Captions March first; the months outside June to November print 0 because the
    // calculation set them to 0.
    const Printed months[] = {
        {"AnnCalcBens3", text("Mar"), text("Mar")},   {"AnnCalcBens3num", integer(0), integer(0)},
        {"AnnCalcBens4", text("Apr "), text("Apr ")}, {"AnnCalcBens4num", integer(0), integer(0)},
        {"AnnCalcBens5", text("May"), text("Mei")},   {"AnnCalcBens5num", integer(0), integer(0)},
        {"AnnCalcBens6", text("Jun"), text("Jun")},   {"AnnCalcBens6num", integer(2), integer(2)},
        {"AnnCalcBens7", text("Jul"), text("Jul")},   {"AnnCalcBens7num", integer(2), integer(2)},
        {"AnnCalcBens8", text("Aug"), text("Aug")},   {"AnnCalcBens8num", integer(2), integer(2)},
        {"AnnCalcBens9", text("Sep"), text("Sep")},   {"AnnCalcBens9num", integer(2), integer(2)},
        {"AnnCalcBens10", text("Oct"), text("Okt")},  {"AnnCalcBens10num", integer(2), integer(2)},
        {"AnnCalcBens11", text("Nov"), text("Nov")},  {"AnnCalcBens11num", integer(2), integer(2)},
        {"AnnCalcBens12", text("Dec"), text("Dec")},  {"AnnCalcBens12num", integer(0), integer(0)},
        {"AnnCalcBens1", text("Jan"), text("Jan")},   {"AnnCalcBens1num", integer(0), integer(0)},
        {"AnnCalcBens2", text("Feb"), text("Feb")},   {"AnnCalcBens2num", integer(0), integer(0)},
    };
    row.insert(row.end(), std::begin(months), std::end(months));
    const Printed tail[] = {
        {"MedAidBens", text("Med Aid contribution deduction"), text("Mediesfondsbydrae afrekking")},
        {"MedAidBensnum", integer(0), integer(0)},
        {"TOTAL", text("Total tax deduction"), text("Totaal")},
        {"TotalNum", amount(r.totalTaxDeduction), amount(r.totalTaxDeduction)},
        {"EOE", text("(E.& O.E.)"), text("(B.& F.W.)")},
    };
    row.insert(row.end(), std::begin(tail), std::end(tail));
    return row;
}

class AnnualPrintout : public ::testing::TestWithParam<PrintLanguage>
{};

TEST_P(AnnualPrintout, WritesAll66FieldsInOrder)
{
    AnnualInputs in = printedInputs();
    TaxableIncomeRecord record;
    const AnnualResults r = calculateAnnual(in, SetupValues{}, record);
    applyCalculatedCounts(in, r);
    ASSERT_GT(r.paye, 0.0) << "the amounts print as doubles while positive";

    const Row row = annualPrintRow(in, r, GetParam());
    const std::vector<Printed> expected = expectedRow(r);
    ASSERT_EQ(row.size(), 66u);
    ASSERT_EQ(expected.size(), 66u);
    testing::expectRow(row, expected, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualPrintout,
                         ::testing::Values(PrintLanguage::English, PrintLanguage::Afrikaans),
                         testing::languageName);

TEST(AnnualPrintout, DoesNotRecalculate)
{
    AnnualInputs in;
    in.age = 40;
    in.salary = 500000;
    TaxableIncomeRecord record;
    const AnnualResults last = calculateAnnual(in, SetupValues{}, record);
    in.salary = 600000;

    const Row row = annualPrintRow(in, last, PrintLanguage::English);
    EXPECT_EQ(*findField(row, "SalNum"), FieldValue{600000.0});
    EXPECT_EQ(*findField(row, "Taxliabilitynum"), FieldValue{106725.0});
    EXPECT_EQ(*findField(row, "PAYENum"), FieldValue{106725.0});
}

struct NameCase
{
    const char* name;
    PrintLanguage language;
    const char* employee;
};

const NameCase kNameCases[] = {
    {"english", PrintLanguage::English, " For : "},
    {"afrikaans", PrintLanguage::Afrikaans, "Vir : "},
};

class AnnualPrintoutWithoutName : public ::testing::TestWithParam<NameCase>
{};

TEST_P(AnnualPrintoutWithoutName, PrintsTheLabelAlone)
{
    const AnnualInputs in;
    TaxableIncomeRecord record;
    const Row row =
        annualPrintRow(in, calculateAnnual(in, SetupValues{}, record), GetParam().language);
    EXPECT_EQ(*findField(row, "Employee"), FieldValue{std::string(GetParam().employee)});
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualPrintoutWithoutName, ::testing::ValuesIn(kNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnnualPrintout, CreditsAboveTheTaxPrintTheIntegerZero)
{
    // Salary 100 000 at age 40: 18 000 - 15 714 = 2 286 of tax; 12 x 664 = 7 968 of credits.
    AnnualInputs in;
    in.age = 40;
    in.salary = 100000;
    in.employeeMedical = 1000;
    for (int month = 1; month <= 12; ++month) {
        in.beneficiaries[month] = 2;
    }
    TaxableIncomeRecord record;
    const Row row =
        annualPrintRow(in, calculateAnnual(in, SetupValues{}, record), PrintLanguage::English);
    EXPECT_EQ(*findField(row, "PAYENum"), FieldValue{std::int64_t{0}});
    EXPECT_EQ(*findField(row, "TotalNum"), FieldValue{std::int64_t{0}});
    EXPECT_EQ(*findField(row, "Taxliabilitynum"), FieldValue{2286.0});
    EXPECT_EQ(*findField(row, "Taxcreditnum"), FieldValue{7968.0});
}

} // namespace
} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/work_period_printout.h"
#include "tests/paye/printed_row.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::amount;
using testing::integer;
using testing::Printed;
using testing::text;

// A printout whose every amount differs: age 66, salary 6 000.55, commissions 250.25, travel
// allowance 600.50, bonus 1 000.75, medical contributions 400.40 + 1 000.30 (above three times
// either period's credit), R/Fund contributions 150 + 120, three beneficiaries, 5 normal days and
// 4 this period.
WorkPeriodInputs printedInputs(const WorkPeriod& period)
{
    WorkPeriodInputs in = workPeriodDefaults(period);
    in.age = 66;
    in.salary = 6000.55;
    in.commissions = 250.25;
    in.travelAllowance = 600.5;
    in.bonus = 1000.75;
    in.employerMedical = 400.4;
    in.employeeMedical = 1000.3;
    in.employerFund = 150;
    in.employeeFund = 120;
    in.beneficiaries = 3;
    in.normalDays = 5;
    in.thisDays = 4;
    in.employeeName = "Pieter van Wyk";
    return in;
}

// UIF of 1 % and 1.5 % of the base 6 000.55 + 400.40 + 1 000.75 + 480.40 + 150 = 8 032.10
// (below a fortnight's limit, above a week's 4 087.38); levy 1 % of the base less the 270 deducted
// plus the commissions. Each is printed as its field shows it (two decimals), read back.
struct Shown
{
    double employeeUif;
    double employerUif;
    double skillsLevy;
};

std::vector<Printed> expectedRow(const WorkPeriod& period, const PeriodResults& r,
                                 const Shown& shown)
{
    const auto labels = [](const PrintLabels& l) {
        return std::pair{text(l[0]), text(l[1])};
    };
    const auto [heading, headingAf] = labels(period.heading);
    const auto [normal, normalAf] = labels(period.normalDaysLabel);
    const auto [current, currentAf] = labels(period.thisDaysLabel);
    return {
        {"TypeAM", heading, headingAf},
        {"Employee", text(" For : Pieter van Wyk"), text("Vir : Pieter van Wyk")},
        {"Age", text("Age : "), text("Ouderdom : ")},
        {"AgeNum", integer(66), integer(66)},
        {"Sal", text("Remuneration/salary"), text("Besoldiging")},
        {"SalNum", amount(6000.55), amount(6000.55)},
        {"DirFees", text("Commissions"), text("Kommissie")},
        {"DirFeesNum", amount(250.25), amount(250.25)},
        {"TravAll", text("Travel allowance "), text("Reistoelae ontvang")},
        {"RecBefNum", amount(600.5), amount(600.5)},
        {"Bonus", text("Bonus"), text("Bonus")},
        {"BonusNum", amount(1000.75), amount(1000.75)},
        {"MedExp", text("Medical expenses"), text("Mediese onkoste")},
        {"MedExpNum", amount(0), amount(0)},
        {"PenCont", text("Employer's R/Fund contributions "), text("Toelaatbare pension bydrae")},
        {"PenContNum", amount(150), amount(150)},
        {"RACont", text("Employee's R/Fund contributions"), text("Toelaatbare U/T bydrae")},
        {"RAContNum", amount(120), amount(120)},
        {"SDate", normal, normalAf},
        {"SDateNum", integer(5), integer(5)},
        {"EDate", current, currentAf},
        {"EDateNum", integer(4), integer(4)},
        {"TOTAL", text("Tax deduction"), text("Belasting Aftrekkings")},
        {"TotalNum", amount(r.taxLiability), amount(r.taxLiability)},
        {"UIFEMPE", text("U.I.F. contribution employee"), text("U.I.F. bydrae werknemer")},
        {"UIFEMPENum", amount(shown.employeeUif), amount(shown.employeeUif)},
        {"UIFEMPR", text("U.I.F. contribution employer"), text("U.I.F. bydrae werkgewer")},
        {"UIFEMPRNum", amount(shown.employerUif), amount(shown.employerUif)},
        {"SDL", text("S.D.L."), text("S.D.L.")},
        {"SDLNum", amount(shown.skillsLevy), amount(shown.skillsLevy)},
        {"EOE", text("(E.& O.E.)"), text("(B.& F.W.)")},
        {"Taxliability", text("Tax liability"), text("Belasting verpligting")},
        {"Taxliabilitynum", amount(r.taxLiability), amount(r.taxLiability)},
        {"EmpERMedAidCont", text("Employer's med aid contrib."),
         text("Werkgewer se bydrae aan mediesefonds")},
        {"EmpERMedAidContnum", amount(400.4), amount(400.4)},
        {"EmpEEMedAidCont", text("Employee's med aid contrib."),
         text("Werknemer se bydrae aan mediesefonds")},
        {"EmpEEMedAidContnum", amount(1000.3), amount(1000.3)},
        {"AnnCalcBens3", text("Medical aid fund beneficiaries"),
         text("Getal mediesefondslede en afhanklikes")},
        {"AnnCalcBens3num", integer(3), integer(3)},
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

struct PrintCase
{
    const char* name;
    WorkPeriodKind kind;
    PrintLanguage language;
    Shown shown;
};

// Fortnight: UIF on 8 032.10: 80.321 -> 80.32 and 120.4815 -> 120.48. Week: on the limit
// 17 712 x 12 / 52 = 4 087.3846...: 40.873846 -> 40.87 and 61.310769 -> 61.31. The levy on
// 8 032.10 - 270 + 250.25 = 8 012.35: 80.1235 -> 80.12 in both.
const PrintCase kPrintCases[] = {
    {"fortnightly_english",
     WorkPeriodKind::Fortnightly,
     PrintLanguage::English,
     {80.32, 120.48, 80.12}},
    {"fortnightly_afrikaans",
     WorkPeriodKind::Fortnightly,
     PrintLanguage::Afrikaans,
     {80.32, 120.48, 80.12}},
    {"weekly_english", WorkPeriodKind::Weekly, PrintLanguage::English, {40.87, 61.31, 80.12}},
    {"weekly_afrikaans", WorkPeriodKind::Weekly, PrintLanguage::Afrikaans, {40.87, 61.31, 80.12}},
};

class WorkPeriodPrintout : public ::testing::TestWithParam<PrintCase>
{};

TEST_P(WorkPeriodPrintout, WritesEveryFieldInOrderWithTheTotalTwice)
{
    const PrintCase& c = GetParam();
    const WorkPeriod& period = workPeriod(c.kind);
    const WorkPeriodInputs in = printedInputs(period);
    SetupValues setup;
    setup.EmployeeUIF = 1;
    setup.EmployerUIF = 1.5;
    setup.UIFLimit = 17712;
    setup.SkillLevy = 1;
    setup.TAIncRate8020 = 0.8;
    TaxableIncomeRecord record;
    const PeriodResults r = calculateWorkPeriod(period, in, setup, record);
    ASSERT_GT(r.totalTaxDeduction, 0.0) << "the total prints as a double while positive";
    ASSERT_GT(r.additionalMedicalCredit, 0.0);

    const std::vector<Printed> expected = expectedRow(period, r, c.shown);
    ASSERT_EQ(expected.size(), 46u);
    testing::expectRow(workPeriodPrintRow(period, in, r, c.language),
                       testing::inPrintedOrder(expected, c.language), c.language);
}

INSTANTIATE_TEST_SUITE_P(WorkPeriod, WorkPeriodPrintout, ::testing::ValuesIn(kPrintCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LabelCase
{
    const char* name;
    WorkPeriodKind kind;
    PrintLanguage language;
    const char* heading;
    const char* normalDays;
    const char* thisDays;
};

const LabelCase kLabelCases[] = {
    {"fortnightly_english", WorkPeriodKind::Fortnightly, PrintLanguage::English,
     "Fortnightly Check", "Normal fortnight", "This fortnight"},
    {"fortnightly_afrikaans", WorkPeriodKind::Fortnightly, PrintLanguage::Afrikaans,
     "Twee Weeklikse Inkomste", "Normale twee weke", "Hierdie twee weke"},
    {"weekly_english", WorkPeriodKind::Weekly, PrintLanguage::English, "Weekly Check",
     "Normal work week", "This work week"},
    {"weekly_afrikaans", WorkPeriodKind::Weekly, PrintLanguage::Afrikaans, "Weeklikse Inkomste",
     "Normale werk week", "Hierdie werk week"},
};

class WorkPeriodPrintLabels : public ::testing::TestWithParam<LabelCase>
{};

TEST_P(WorkPeriodPrintLabels, ComeFromThePeriod)
{
    const LabelCase& c = GetParam();
    const WorkPeriod& period = workPeriod(c.kind);
    const WorkPeriodInputs in = workPeriodDefaults(period);
    TaxableIncomeRecord record;
    const Row row = workPeriodPrintRow(
        period, in, calculateWorkPeriod(period, in, SetupValues{}, record), c.language);
    EXPECT_EQ(*findField(row, "TypeAM"), FieldValue{std::string(c.heading)});
    EXPECT_EQ(*findField(row, "SDate"), FieldValue{std::string(c.normalDays)});
    EXPECT_EQ(*findField(row, "EDate"), FieldValue{std::string(c.thisDays)});
    EXPECT_EQ(*findField(row, "SDateNum"), FieldValue{std::int64_t{period.days}});
    // All zeros: the first TotalNum is the tax 0.0, the last the integer 0.
    EXPECT_EQ(row[23].name, "TotalNum");
    EXPECT_EQ(row[23].value, FieldValue{0.0});
    EXPECT_EQ(row.back().name, "TotalNum");
    EXPECT_EQ(row.back().value, FieldValue{std::int64_t{0}});
}

INSTANTIATE_TEST_SUITE_P(WorkPeriod, WorkPeriodPrintLabels, ::testing::ValuesIn(kLabelCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan

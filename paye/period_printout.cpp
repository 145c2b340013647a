// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/period_printout.h"

#include "core/number_format.h"
#include "core/number_reader.h"
#include "paye/period_fields.h"

namespace grovan {

double shownAndReadBack(double value, std::string_view displayFormat)
{
    return readNumber(formatNumber(value, displayFormat)).value_or(0.0);
}

FieldValue amountOrIntegerZero(double amount)
{
    if (amount > 0.0) {
        return amount;
    }
    return std::int64_t{0};
}

void writePeriodHeading(PrintRowWriter& row, const PrintLabels& heading, const PeriodPay& pay)
{
    row.label("TypeAM", heading);
    row.text("Employee",
             (row.language() == PrintLanguage::English ? " For : " : "Vir : ") + pay.employeeName);
    row.pair("Age", {"Age : ", "Ouderdom : "}, "AgeNum", std::int64_t{pay.age});
    row.pair("Sal", {"Remuneration/salary", "Besoldiging"}, "SalNum", pay.salary);
    row.pair("DirFees", {"Commissions", "Kommissie"}, "DirFeesNum", pay.commissions);
}

void writePeriodBonus(PrintRowWriter& row, const PeriodPay& pay)
{
    row.pair("Bonus", {"Bonus", "Bonus"}, "BonusNum", pay.bonus);
}

void writePeriodFunds(PrintRowWriter& row, const PeriodPay& pay, const PeriodResults& last)
{
    row.pair("MedExp", {"Medical expenses", "Mediese onkoste"}, "MedExpNum", last.medicalExpenses);
    row.pair("PenCont", {"Employer's R/Fund contributions ", "Toelaatbare pension bydrae"},
             "PenContNum", pay.employerFund);
    row.pair("RACont", {"Employee's R/Fund contributions", "Toelaatbare U/T bydrae"}, "RAContNum",
             pay.employeeFund);
}

void writePeriodUifLevyAndTax(PrintRowWriter& row, const PeriodResults& last)
{
    row.pair("UIFEMPE", {"U.I.F. contribution employee", "U.I.F. bydrae werknemer"}, "UIFEMPENum",
             shownAndReadBack(last.employeeUif, kPeriodEmployeeUif.displayFormat));
    row.pair("UIFEMPR", {"U.I.F. contribution employer", "U.I.F. bydrae werkgewer"}, "UIFEMPRNum",
             shownAndReadBack(last.employerUif, kPeriodEmployerUif.displayFormat));
    row.pair("SDL", {"S.D.L.", "S.D.L."}, "SDLNum",
             shownAndReadBack(last.skillsLevy, kPeriodSkillsLevy.displayFormat));
    row.label("EOE", {"(E.& O.E.)", "(B.& F.W.)"});
    row.pair("Taxliability", {"Tax liability", "Belasting verpligting"}, "Taxliabilitynum",
             last.taxLiability);
}

void writePeriodCredits(PrintRowWriter& row, const PeriodResults& last)
{
    row.pair("TaxCredit", {"Tax credits for beneficiaries", "Belastingkrediete vir begunstigdes"},
             "Taxcreditnum", last.medicalCredit);
    row.pair("TaxCreditCons", {"Tax credits for contributions", "Belastingkrediete vir bydraes"},
             "TaxcreditnumCons", last.additionalMedicalCredit);
}

void writePeriodMedicalContributions(PrintRowWriter& row, const PeriodPay& pay)
{
    row.pair("EmpERMedAidCont",
             {"Employer's med aid contrib.", "Werkgewer se bydrae aan mediesefonds"},
             "EmpERMedAidContnum", pay.employerMedical);
    row.pair("EmpEEMedAidCont",
             {"Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds"},
             "EmpEEMedAidContnum", pay.employeeMedical);
    row.pair("AnnCalcBens3",
             {"Medical aid fund beneficiaries", "Getal mediesefondslede en afhanklikes"},
             "AnnCalcBens3num", std::int64_t{pay.beneficiaries});
    row.label("MedAidBens", {"Med Aid contribution deduction", "Mediesfondsbydrae afrekking"});
}

void writePeriodTotal(PrintRowWriter& row, const PeriodResults& last)
{
    row.pair("TOTAL", {"Total tax deduction", "Totaal belasting"}, "TotalNum",
             amountOrIntegerZero(last.totalTaxDeduction));
}

std::vector<ColumnSchema> periodHeadingColumns()
{
    return {printText("TypeAM"),  printText("Employee"),    printText("Age"),
            printWhole("AgeNum"), printText("Sal"),         printAmount("SalNum"),
            printText("DirFees"), printAmount("DirFeesNum")};
}

std::vector<ColumnSchema> periodFundColumns()
{
    return {printText("MedExp"),       printAmount("MedExpNum"), printText("PenCont"),
            printAmount("PenContNum"), printText("RACont"),      printAmount("RAContNum")};
}

std::vector<ColumnSchema> periodUifLevyAndTaxColumns()
{
    return {printText("UIFEMPE"),      printAmount("UIFEMPENum"), printText("UIFEMPR"),
            printAmount("UIFEMPRNum"), printText("SDL"),          printAmount("SDLNum"),
            printText("EOE"),          printText("Taxliability"), printAmount("Taxliabilitynum")};
}

std::vector<ColumnSchema> periodCreditColumns()
{
    return {printText("TaxCredit"), printAmount("Taxcreditnum"), printText("TaxCreditCons"),
            printAmount("TaxcreditnumCons")};
}

std::vector<ColumnSchema> periodMedicalContributionColumns()
{
    return {printText("EmpERMedAidCont"), printAmount("EmpERMedAidContnum"),
            printText("EmpEEMedAidCont"), printAmount("EmpEEMedAidContnum"),
            printText("AnnCalcBens3"),    printWhole("AnnCalcBens3num"),
            printText("MedAidBens")};
}

std::vector<ColumnSchema> periodTotalColumns()
{
    return {printText("TOTAL"), printAmountOrZero("TotalNum")};
}

std::vector<ColumnSchema> periodColumns(std::initializer_list<std::vector<ColumnSchema>> parts)
{
    std::vector<ColumnSchema> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/annual_printout.h"

#include "core/print_database.h"
#include "paye/period_printout.h"

#include <array>

namespace grovan {

namespace {

// The label column of the printout: [0] English, [1] Afrikaans.
using Labels = std::array<const char*, 2>;

struct MonthCaption
{
    int month;
    Labels caption;
};

// The month captions, March first; only May and October differ, and April's ends with a blank.
constexpr std::array<MonthCaption, 12> kMonthCaptions{{
    {3, {"Mar", "Mar"}},
    {4, {"Apr ", "Apr "}},
    {5, {"May", "Mei"}},
    {6, {"Jun", "Jun"}},
    {7, {"Jul", "Jul"}},
    {8, {"Aug", "Aug"}},
    {9, {"Sep", "Sep"}},
    {10, {"Oct", "Okt"}},
    {11, {"Nov", "Nov"}},
    {12, {"Dec", "Dec"}},
    {1, {"Jan", "Jan"}},
    {2, {"Feb", "Feb"}},
}};

} // namespace

Row annualPrintRow(const AnnualInputs& current, const AnnualResults& last, PrintLanguage language)
{
    const auto l = static_cast<std::size_t>(language);
    const auto label = [l](const Labels& labels) {
        return FieldValue{std::string(labels[l])};
    };

    Row row;
    row.reserve(66);
    const auto add = [&row](std::string name, FieldValue value) {
        row.push_back({std::move(name), std::move(value)});
    };
    add("TypeAM", label({"Annual Check", "Jaarlikse Inkomste"}));
    add("Employee", std::string(Labels{" For : ", "Vir : "}[l]) + current.employeeName);
    add("Age", label({"Age : ", "Ouderdom : "}));
    add("AgeNum", std::int64_t{current.age});
    add("Sal", label({"Remuneration/salary", "Besoldiging"}));
    add("SalNum", current.salary);
    add("DirFees", label({"Commissions", "Kommissie"}));
    add("DirFeesNum", current.commissions);
    add("Bonus", label({"Bonus", "Bonus"}));
    add("BonusNum", current.bonus);
    add("TravAll", label({"Travel allowance received", "Reistoelae ontvang"}));
    add("RecBefNum", current.travelAllowance);
    add("MedExp", label({"Medical expenses", "Mediese onkoste"}));
    add("MedExpNum", last.medicalExpenses);
    add("PenCont", label({"Employer's R/Fund contributions ", "Toelaatbare pension bydrae"}));
    add("PenContNum", current.employerFund);
    add("RACont", label({"Employee's R/Fund contributions", "Toelaatbare U/T bydrae"}));
    add("RAContNum", current.employeeFund);
    add("SDate", label({"Start date", "Begin datum"}));
    add("SDateNum", current.startDate.text());
    add("EDate", label({"End date", "Eind datum"}));
    add("EDateNum", current.endDate.text());
    add("SITE", label({"SITE", "SIBW"}));
    add("SITENum", last.site);
    add("PAYE", label({"PAYE", "LBS"}));
    add("PAYENum", amountOrIntegerZero(last.paye));
    add("Taxliability", label({"Tax liability", "Belasting verpligting"}));
    add("Taxliabilitynum", last.taxLiability);
    add("TaxCredit",
        label({"Tax credits for beneficiaries", "Belastingkrediete vir begunstigdes"}));
    add("Taxcreditnum", last.medicalCredit);
    add("TaxCreditCons", label({"Tax credits for contributions", "Belastingkrediete vir bydraes"}));
    add("TaxcreditnumCons", last.additionalMedicalCredit);
    add("NumOFBens",
        label({"Number of Medical Aid Beneficiaries", "Getal mediesefondslede en afhanklikes"}));
    add("EmpERMedAidCont",
        label({"Employer's med aid contrib.", "Werkgewer se bydrae aan mediesefonds"}));
    add("EmpERMedAidContnum", current.employerMedical);
    add("EmpEEMedAidCont",
        label({"Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds"}));
    add("EmpEEMedAidContnum", current.employeeMedical);
    for (const MonthCaption& month : kMonthCaptions) {
        const std::string name = "AnnCalcBens" + std::to_string(month.month);
        add(name, label(month.caption));
        add(name + "num", std::int64_t{current.beneficiaries[month.month]});
    }
    add("MedAidBens", label({"Med Aid contribution deduction", "Mediesfondsbydrae afrekking"}));
    // The window's "Med Aid contribution deduction" field is never shown and takes part in no
    // calculation, so its 32-bit value is always 0.
    add("MedAidBensnum", std::int64_t{0});
    add("TOTAL", label({"Total tax deduction", "Totaal"}));
    add("TotalNum", amountOrIntegerZero(last.totalTaxDeduction));
    add("EOE", label({"(E.& O.E.)", "(B.& F.W.)"}));
    return row;
}

TableSchema annualPrintTable()
{
    std::vector<ColumnSchema> c;
    c.push_back(printText("TypeAM"));
    c.push_back(printText("Employee"));
    c.insert(c.end(), {printText("Age"), printWhole("AgeNum")});
    c.insert(c.end(), {printText("Sal"), printAmount("SalNum")});
    c.insert(c.end(), {printText("DirFees"), printAmount("DirFeesNum")});
    c.insert(c.end(), {printText("Bonus"), printAmount("BonusNum")});
    c.insert(c.end(), {printText("TravAll"), printAmount("RecBefNum")});
    c.insert(c.end(), {printText("MedExp"), printAmount("MedExpNum")});
    c.insert(c.end(), {printText("PenCont"), printAmount("PenContNum")});
    c.insert(c.end(), {printText("RACont"), printAmount("RAContNum")});
    c.insert(c.end(), {printText("SDate"), printText("SDateNum")});
    c.insert(c.end(), {printText("EDate"), printText("EDateNum")});
    c.insert(c.end(), {printText("SITE"), printAmount("SITENum")});
    c.insert(c.end(), {printText("PAYE"), printAmountOrZero("PAYENum")});
    c.insert(c.end(), {printText("Taxliability"), printAmount("Taxliabilitynum")});
    c.insert(c.end(), {printText("TaxCredit"), printAmount("Taxcreditnum")});
    c.insert(c.end(), {printText("TaxCreditCons"), printAmount("TaxcreditnumCons")});
    c.push_back(printText("NumOFBens"));
    c.insert(c.end(), {printText("EmpERMedAidCont"), printAmount("EmpERMedAidContnum")});
    c.insert(c.end(), {printText("EmpEEMedAidCont"), printAmount("EmpEEMedAidContnum")});
    // The beneficiaries of each month of the tax year, March first.
    for (const int month : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}) {
        const std::string name = "AnnCalcBens" + std::to_string(month);
        c.insert(c.end(), {printText(name), printWhole(name + "num")});
    }
    c.insert(c.end(), {printText("MedAidBens"), printWhole("MedAidBensnum")});
    c.insert(c.end(), {printText("TOTAL"), printAmountOrZero("TotalNum")});
    c.push_back(printText("EOE"));
    return {kAnnualPrintTable, TableKind::SingleRow, std::move(c)};
}

} // namespace grovan

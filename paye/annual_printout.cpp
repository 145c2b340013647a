#include "paye/annual_printout.h"

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

FieldValue amountOrIntegerZero(double amount)
{
    if (amount > 0.0) {
        return amount;
    }
    return std::int64_t{0};
}

} // namespace

Row annualPrintRow(const AnnualInputs& current, const AnnualResults& last, PrintLanguage language)
{
    const auto l = static_cast<std::size_t>(language);
    const auto label = [l](const Labels& labels) {
        return FieldValue{std::string(labels[l])};
    };

    Row row{
        {"TypeAM", label({"Annual Check", "Jaarlikse Inkomste"})},
        {"Employee", std::string(Labels{" For : ", "Vir : "}[l]) + current.employeeName},
        {"Age", label({"Age : ", "Ouderdom : "})},
        {"AgeNum", std::int64_t{current.age}},
        {"Sal", label({"Remuneration/salary", "Besoldiging"})},
        {"SalNum", current.salary},
        {"DirFees", label({"Commissions", "Kommissie"})},
        {"DirFeesNum", current.commissions},
        {"Bonus", label({"Bonus", "Bonus"})},
        {"BonusNum", current.bonus},
        {"TravAll", label({"Travel allowance received", "Reistoelae ontvang"})},
        {"RecBefNum", current.travelAllowance},
        {"MedExp", label({"Medical expenses", "Mediese onkoste"})},
        {"MedExpNum", last.medicalExpenses},
        {"PenCont", label({"Employer's R/Fund contributions ", "Toelaatbare pension bydrae"})},
        {"PenContNum", current.employerFund},
        {"RACont", label({"Employee's R/Fund contributions", "Toelaatbare U/T bydrae"})},
        {"RAContNum", current.employeeFund},
        {"SDate", label({"Start date", "Begin datum"})},
        {"SDateNum", current.startDate.text()},
        {"EDate", label({"End date", "Eind datum"})},
        {"EDateNum", current.endDate.text()},
        {"SITE", label({"SITE", "SIBW"})},
        {"SITENum", last.site},
        {"PAYE", label({"PAYE", "LBS"})},
        {"PAYENum", amountOrIntegerZero(last.paye)},
        {"Taxliability", label({"Tax liability", "Belasting verpligting"})},
        {"Taxliabilitynum", last.taxLiability},
        {"TaxCredit",
         label({"Tax credits for beneficiaries", "Belastingkrediete vir begunstigdes"})},
        {"Taxcreditnum", last.medicalCredit},
        {"TaxCreditCons",
         label({"Tax credits for contributions", "Belastingkrediete vir bydraes"})},
        {"TaxcreditnumCons", last.additionalMedicalCredit},
        {"NumOFBens",
         label({"Number of Medical Aid Beneficiaries", "Getal mediesefondslede en afhanklikes"})},
        {"EmpERMedAidCont",
         label({"Employer's med aid contrib.", "Werkgewer se bydrae aan mediesefonds"})},
        {"EmpERMedAidContnum", current.employerMedical},
        {"EmpEEMedAidCont",
         label({"Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds"})},
        {"EmpEEMedAidContnum", current.employeeMedical},
    };
    for (const MonthCaption& month : kMonthCaptions) {
        const std::string name = "AnnCalcBens" + std::to_string(month.month);
        row.push_back({name, label(month.caption)});
        row.push_back({name + "num", std::int64_t{current.beneficiaries[month.month]}});
    }
    // The window's "Med Aid contribution deduction" field is never shown and takes part in no
    // calculation, so its 32-bit value is always 0.
    row.insert(row.end(), {
                              {"MedAidBens", label({"Med Aid contribution deduction",
                                                    "Mediesfondsbydrae afrekking"})},
                              {"MedAidBensnum", std::int64_t{0}},
                              {"TOTAL", label({"Total tax deduction", "Totaal"})},
                              {"TotalNum", amountOrIntegerZero(last.totalTaxDeduction)},
                              {"EOE", label({"(E.& O.E.)", "(B.& F.W.)"})},
                          });
    return row;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_printout.h"

#include "core/number_format.h"

#include <string>

namespace grovan {

namespace {

ColumnSchema text(std::string name)
{
    return {std::move(name), ColumnType::Text, std::string()};
}

ColumnSchema amount(std::string name)
{
    return {std::move(name), ColumnType::Real, 0.0};
}

ColumnSchema whole(std::string name)
{
    return {std::move(name), ColumnType::Integer, std::int64_t{0}};
}

} // namespace

TableSchema salPackagePrintTable()
{
    std::vector<ColumnSchema> c{
        text("MonAnn"),        text("TPName"),         whole("TPAge"),
        text("MonAnnSal"),     amount("NetMonSal"),    amount("CostToComp"),
        amount("CompCar"),     amount("CompCarCC"),    amount("TravAll"),
        amount("TravAllCC"),   amount("MedAidCont"),   amount("MedAidContCC"),
        whole("PMems"),        whole("AddBens"),       amount("TaxFreeMedPrint"),
        amount("OtherTaxFB"),  amount("OtherTaxFBCC"), amount("PenDeduct"),
        amount("PenDeductCC"), amount("ProvDeduct"),   amount("ProvDeductCC"),
        text("RADirective"),   amount("RADeduct"),     amount("MedDeduct"),
        amount("UIFCont"),     amount("UIFContCC"),    amount("SkillLevy"),
        amount("TaxDue"),      amount("TaxCredit"),    amount("TaxDeduct"),
        text("PrinMembers"),   text("BenMembers"),     text("OEXPTXT"),
    };
    // The four rows of other expenses: description, "R", amount, cost to company.
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        c.insert(c.end(), {text("ODedTxt" + n), text("ODedR" + n), amount("ODedNum" + n),
                           amount("ODedNumCC" + n)});
    }
    c.insert(c.end(),
             {amount("GSal"), amount("TotCostComp"), text("PlusCompCar1"), text("PlusCompCar2")});
    return {kPackagePrintTable, TableKind::SingleRow, std::move(c)};
}

Row salPackagePrintRow(const PackageWindow& window, const PackageInputs& in,
                       const PackageResults& last)
{
    const bool forward = window.direction == PackageDirection::Forward;
    const bool grovanMonthly = window.kind == PackageWindowKind::GrovanMonthly;
    Row row;
    row.reserve(53);
    const auto put = [&row](std::string name, FieldValue value) {
        row.push_back({std::move(name), std::move(value)});
    };
    put("MonAnn", std::string(window.reportTitle));
    put("TPName", in.TaxpayerName);
    put("TPAge", std::int64_t{in.Age});
    put("MonAnnSal", std::string(window.firstAmountLabel));
    put("NetMonSal", in.NetRequired);
    if (forward) {
        put("CostToComp", in.NetRequired); // numCCNetMonSalReq, the package's copy
    }
    put("CompCar", in.CarValue);
    put("CompCarCC", in.CarCostToCompany);
    put("TravAll", in.TravelAllowance);
    put("TravAllCC", in.TravelAllowance); // numCCTravAll, the allowance's copy
    put("MedAidCont", in.EmpMedContrib);
    put("MedAidContCC", in.ErMedContrib);
    put("PMems", std::int64_t{in.Beneficiaries});
    // The windows have no input for additional beneficiaries or tax-free medical amounts.
    put("AddBens", std::int64_t{0});
    put("TaxFreeMedPrint", 0.0);
    put("OtherTaxFB", in.OtherFringeBenefits);
    put("OtherTaxFBCC", in.OtherFringeBenefits); // numCCOTaxFB, the copy
    put("PenDeduct", in.EmpRFAmount);
    put("PenDeductCC", in.ErRFAmount);
    if (!grovanMonthly) {
        put("ProvDeduct", 0.0);
        put("ProvDeductCC", 0.0);
    }
    put("RADirective", std::string(window.beneficiariesField.label));
    if (!grovanMonthly) {
        put("RADeduct", 0.0);
    }
    put("MedDeduct", window.offersMedicalDeduction ? in.MedDeduction : 0.0);
    put("UIFCont", last.EmpUIF);
    put("UIFContCC", last.ErUIF);
    put("SkillLevy", last.SkillsLevy);
    put("TaxDue", last.TaxAfterRebate);
    put("TaxCredit", last.TaxCredit);
    put("TaxDeduct", last.TaxDeduction);
    put("PrinMembers", std::string("(R 720pm each)"));
    put("BenMembers", std::string("(R 440pm each)"));

    const bool otherExpenses = OtherExpensesTotal(in) > 0.0;
    put("OEXPTXT", std::string(otherExpenses ? "Other Expenses :" : ""));
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        const bool shown = otherExpenses && in.OtherExpenses[i] > 0.0;
        put("ODedTxt" + n, shown ? in.OtherExpenseTexts[i] : std::string());
        put("ODedR" + n, std::string(shown ? "R" : ""));
        put("ODedNum" + n, shown ? in.OtherExpenses[i] : 0.0);
        put("ODedNumCC" + n, shown ? in.OtherExpensesCC[i] : 0.0);
    }

    put("GSal", last.GrossSalary);
    put("TotCostComp", last.TotalCostToCompany);
    // The window's own label quotes once-off in double quotes; the printout in single ones.
    const bool onceOff = last.OnceOff > 0.0;
    put("PlusCompCar1",
        onceOff ? "(plus a 'once-off' cost of R " + plainNumberText(last.OnceOff) : std::string());
    put("PlusCompCar2", std::string(onceOff ? "for the company car and this does not include fuel, "
                                              "maintenance etc)."
                                            : ""));
    return row;
}

} // namespace grovan

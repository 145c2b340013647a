#include "core/print_database.h"

#include <initializer_list>
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

// A total that the periodic printouts set to the integer 0 instead of a negative amount: the
// column keeps whichever of the two was written.
ColumnSchema amountOrZero(std::string name)
{
    return {std::move(name), ColumnType::Any, 0.0};
}

// A label field followed by its value field, the row convention of the PAYE printouts.
void labelled(std::vector<ColumnSchema>& columns, std::initializer_list<ColumnSchema> pair)
{
    columns.insert(columns.end(), pair);
}

TableSchema irp5Ann()
{
    std::vector<ColumnSchema> c;
    c.push_back(text("TypeAM"));
    c.push_back(text("Employee"));
    labelled(c, {text("Age"), whole("AgeNum")});
    labelled(c, {text("Sal"), amount("SalNum")});
    labelled(c, {text("DirFees"), amount("DirFeesNum")});
    labelled(c, {text("Bonus"), amount("BonusNum")});
    labelled(c, {text("TravAll"), amount("RecBefNum")});
    labelled(c, {text("MedExp"), amount("MedExpNum")});
    labelled(c, {text("PenCont"), amount("PenContNum")});
    labelled(c, {text("RACont"), amount("RAContNum")});
    labelled(c, {text("SDate"), text("SDateNum")});
    labelled(c, {text("EDate"), text("EDateNum")});
    labelled(c, {text("SITE"), amount("SITENum")});
    labelled(c, {text("PAYE"), amountOrZero("PAYENum")});
    labelled(c, {text("Taxliability"), amount("Taxliabilitynum")});
    labelled(c, {text("TaxCredit"), amount("Taxcreditnum")});
    labelled(c, {text("TaxCreditCons"), amount("TaxcreditnumCons")});
    c.push_back(text("NumOFBens"));
    labelled(c, {text("EmpERMedAidCont"), amount("EmpERMedAidContnum")});
    labelled(c, {text("EmpEEMedAidCont"), amount("EmpEEMedAidContnum")});
    // The beneficiaries of each month of the tax year, March first.
    for (const int month : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}) {
        const std::string name = "AnnCalcBens" + std::to_string(month);
        labelled(c, {text(name), whole(name + "num")});
    }
    labelled(c, {text("MedAidBens"), whole("MedAidBensnum")});
    labelled(c, {text("TOTAL"), amountOrZero("TotalNum")});
    c.push_back(text("EOE"));
    return {"IRP5Ann", TableKind::SingleRow, std::move(c)};
}

TableSchema irp5Mon()
{
    std::vector<ColumnSchema> c;
    c.push_back(text("TypeAM"));
    c.push_back(text("Employee"));
    labelled(c, {text("Age"), whole("AgeNum")});
    labelled(c, {text("Sal"), amount("SalNum")});
    labelled(c, {text("DirFees"), amount("DirFeesNum")});
    // The travel allowance line carries the amount received and its taxable part.
    labelled(c, {text("TravAll"), amount("TravOne"), amount("TravTwo")});
    labelled(c, {text("Bonus"), amount("BonusNum")});
    labelled(c, {text("MedExp"), amount("MedExpNum")});
    labelled(c, {text("PenCont"), amount("PenContNum")});
    labelled(c, {text("RACont"), amount("RAContNum")});
    labelled(c, {text("SDate"), text("SDateNum")});
    labelled(c, {text("EDate"), text("EDateNum")});
    labelled(c, {text("UIFEMPE"), amount("UIFEMPENum")});
    labelled(c, {text("UIFEMPR"), amount("UIFEMPRNum")});
    labelled(c, {text("SDL"), amount("SDLNum")});
    c.push_back(text("EOE"));
    labelled(c, {text("Taxliability"), amount("Taxliabilitynum")});
    labelled(c, {text("TaxCredit"), amount("Taxcreditnum")});
    labelled(c, {text("TaxCreditCons"), amount("TaxcreditnumCons")});
    labelled(c, {text("EmpERMedAidCont"), amount("EmpERMedAidContnum")});
    labelled(c, {text("EmpEEMedAidCont"), amount("EmpEEMedAidContnum")});
    labelled(c, {text("AnnCalcBens3"), whole("AnnCalcBens3num")});
    c.push_back(text("MedAidBens"));
    labelled(c, {text("TOTAL"), amountOrZero("TotalNum")});
    return {"IRP5Mon", TableKind::SingleRow, std::move(c)};
}

TableSchema irp5Week()
{
    std::vector<ColumnSchema> c;
    c.push_back(text("TypeAM"));
    c.push_back(text("Employee"));
    labelled(c, {text("Age"), whole("AgeNum")});
    labelled(c, {text("Sal"), amount("SalNum")});
    labelled(c, {text("DirFees"), amount("DirFeesNum")});
    labelled(c, {text("TravAll"), amount("RecBefNum")});
    labelled(c, {text("Bonus"), amount("BonusNum")});
    labelled(c, {text("MedExp"), amount("MedExpNum")});
    labelled(c, {text("PenCont"), amount("PenContNum")});
    labelled(c, {text("RACont"), amount("RAContNum")});
    // The fortnightly and weekly printouts put the two day counts (normal period, this period)
    // where the monthly one has its dates.
    labelled(c, {text("SDate"), whole("SDateNum")});
    labelled(c, {text("EDate"), whole("EDateNum")});
    labelled(c, {text("UIFEMPE"), amount("UIFEMPENum")});
    labelled(c, {text("UIFEMPR"), amount("UIFEMPRNum")});
    labelled(c, {text("SDL"), amount("SDLNum")});
    c.push_back(text("EOE"));
    labelled(c, {text("Taxliability"), amount("Taxliabilitynum")});
    labelled(c, {text("EmpERMedAidCont"), amount("EmpERMedAidContnum")});
    labelled(c, {text("EmpEEMedAidCont"), amount("EmpEEMedAidContnum")});
    labelled(c, {text("AnnCalcBens3"), whole("AnnCalcBens3num")});
    c.push_back(text("MedAidBens"));
    labelled(c, {text("TaxCredit"), amount("Taxcreditnum")});
    labelled(c, {text("TaxCreditCons"), amount("TaxcreditnumCons")});
    labelled(c, {text("TOTAL"), amountOrZero("TotalNum")});
    return {"IRP5Week", TableKind::SingleRow, std::move(c)};
}

TableSchema irp5Day()
{
    std::vector<ColumnSchema> c;
    c.push_back(text("TypeAM"));
    c.push_back(text("Employee"));
    labelled(c, {text("Age"), whole("AgeNum")});
    labelled(c, {text("Sal"), amount("SalNum")});
    labelled(c, {text("DirFees"), amount("DirFeesNum")});
    labelled(c, {text("TravAll"), amount("RecBefNum")});
    labelled(c, {text("Bonus"), amount("BonusNum")});
    labelled(c, {text("MedExp"), amount("MedExpNum")});
    labelled(c, {text("PenCont"), amount("PenContNum")});
    labelled(c, {text("RACont"), amount("RAContNum")});
    labelled(c, {text("UIFEMPE"), amount("UIFEMPENum")});
    labelled(c, {text("UIFEMPR"), amount("UIFEMPRNum")});
    labelled(c, {text("SDL"), amount("SDLNum")});
    c.push_back(text("EOE"));
    labelled(c, {text("Taxliability"), amount("Taxliabilitynum")});
    labelled(c, {text("EmpERMedAidCont"), amount("EmpERMedAidContnum")});
    labelled(c, {text("EmpEEMedAidCont"), amount("EmpEEMedAidContnum")});
    labelled(c, {text("AnnCalcBens3"), whole("AnnCalcBens3num")});
    c.push_back(text("MedAidBens"));
    labelled(c, {text("TaxCredit"), amount("Taxcreditnum")});
    labelled(c, {text("TaxCreditCons"), amount("TaxcreditnumCons")});
    labelled(c, {text("TOTAL"), amountOrZero("TotalNum")});
    return {"IRP5Day", TableKind::SingleRow, std::move(c)};
}

TableSchema salPackage()
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
    return {"SalPackage", TableKind::SingleRow, std::move(c)};
}

TableSchema rapell()
{
    return {"rapell",
            TableKind::SingleRow,
            {whole("AGE"), amount("TAXINCOME"), amount("TAXTOPAY"), amount("MARGRATE"),
             amount("PORTION"), amount("TOTTAX"), amount("REBATE"), amount("TAXCOM4"),
             amount("AVRATE"), amount("AVRATEAFT"), amount("TAXCOM4/2")}};
}

TableSchema compcar()
{
    return {"compcar",
            TableKind::Lines,
            {whole("CarNum"),
             whole("CMVMaxNum"),
             text("CCRegNumber"),
             text("CCMake"),
             text("CCModel"),
             amount("CCPrice"),
             text("MaintIncluded"),
             amount("CCMonths"),
             amount("EndMileage"),
             amount("StartMileage"),
             amount("TotalDistance"),
             amount("BusDistance"),
             amount("ActualExpEmployee"),
             text("SARSTable"),
             amount("FuelReimbEmployer"),
             amount("EmpPaidInsurance"),
             amount("EmpPaidLicence"),
             amount("EmpPaidMaintenance"),
             amount("Actual3802"),
             amount("FB3802ThisCar"),
             amount("AdjustTaxableInc"),
             amount("SARSDeductionClaim"),
             amount("TrueInclusion"),
             amount("PrivateDistance"),
             amount("FuelComponent"),
             amount("Arr_FuelClaim"),
             amount("TotAddExpense"),
             amount("FuelExp"),
             text("BussMilage"),
             text("YearOfManfact"),
             text("CCStartDate"),
             text("CCEndDate"),
             amount("IRP53802"),
             amount("MonFB80"),
             amount("MonFB20"),
             amount("FortFB80"),
             amount("FortFB20"),
             amount("WeekFB80"),
             amount("WeekFB20")}};
}

TableSchema travelDeduction()
{
    return {"traveldeduction",
            TableKind::SingleRow,
            {// written by every printout
             text("TPName"), whole("CARNO"), text("mta01"), amount("mta04"), amount("mta05"),
             amount("mta06"), amount("mta07"), amount("tadeduction"), amount("MTD"), amount("MBD"),
             amount("mpd"),
             // deemed cost (no accurate record kept)
             amount("mta03"), amount("mta14"), amount("cv"), amount("fce"), amount("fc"),
             amount("mc"), amount("tatc"), text("FCDet"), text("MCDet"), text("DateStart"),
             text("DateEnd"),
             // actual cost (accurate record kept)
             amount("mta08"), amount("mta09"), amount("mta10"), amount("mta11"), amount("mta12"),
             amount("mta13"), amount("totcost"), amount("pu")}};
}

TableSchema loans()
{
    return {"Loans",
            TableKind::SingleRow,
            {text("Heading"), amount("Num1"), amount("Num2"), amount("Num3"), amount("Num4"),
             text("FinText1"), text("FinText1A"), amount("FinNum1"), text("FinText2"),
             amount("FinNum2"), text("YearMon")}};
}

TableSchema amort()
{
    return {"Amort",
            TableKind::Lines,
            {whole("Year"), amount("Capital"), amount("Interest"), amount("Required")}};
}

TableSchema bondBust()
{
    return {"BondBust",
            TableKind::SingleRow,
            {amount("PAmt"), whole("Period"), amount("IntRate"), amount("MonRep"),
             amount("TotIntPaid"), amount("TotRep"), amount("XtraPay"), whole("Xper"),
             amount("XMonRep"), amount("XTotIntPaid"), amount("XTotRep"), amount("XTotSavings")}};
}

TableSchema bondComp()
{
    std::vector<ColumnSchema> c{amount("PAmt"), amount("IntRate")};
    // One repayment, interest and total for each term of 5, 10, ... 30 years.
    for (int k = 1; k <= 6; ++k) {
        const std::string n = std::to_string(k);
        c.insert(c.end(), {amount("MonRep" + n), amount("IntPaid" + n), amount("Total" + n)});
    }
    return {"BondComp", TableKind::SingleRow, std::move(c)};
}

TableSchema dailyBal()
{
    // The two dates are day numbers (days since 30/12/1899); the template prints them as dates.
    return {"DailyBal",
            TableKind::SingleRow,
            {amount("CapAmount"), whole("StartDate"), whole("EndDate"), amount("IntRate"),
             amount("ANS1"), whole("ANS2")}};
}

TableSchema inflation()
{
    return {"Inflation",
            TableKind::SingleRow,
            {amount("PresCost"), amount("Period"), amount("InflaRate"), amount("Ans1"),
             amount("ANS2")}};
}

} // namespace

const DatabaseSchema& PrintDatabase::schema()
{
    static const DatabaseSchema schema{"print database",
                                       {irp5Ann(), irp5Mon(), irp5Week(), irp5Day(), salPackage(),
                                        rapell(), compcar(), travelDeduction(), loans(), amort(),
                                        bondBust(), bondComp(), dailyBal(), inflation()},
                                       true};
    return schema;
}

PrintDatabase::PrintDatabase(std::filesystem::path file, MessageSink& messages)
    : m_database(std::move(file), schema(), messages)
{}

bool PrintDatabase::writeRow(std::string_view table, const Row& fields) const
{
    return m_database.writeRow(table, fields);
}

bool PrintDatabase::replaceLines(std::string_view table, const std::vector<Row>& lines) const
{
    return m_database.replaceLines(table, lines);
}

std::optional<Row> PrintDatabase::readRow(std::string_view table) const
{
    return m_database.readRow(table);
}

std::optional<std::vector<Row>> PrintDatabase::readLines(std::string_view table) const
{
    return m_database.readLines(table);
}

bool PrintDatabase::prepare() const
{
    return m_database.prepare();
}

} // namespace grovan

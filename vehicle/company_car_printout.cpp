// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/company_car_printout.h"

#include "vehicle/company_car_register.h"
#include "vehicle/print_columns.h"

namespace grovan {

namespace {

std::string yesNo(bool flag)
{
    return flag ? "Yes" : "No";
}

} // namespace

std::vector<Row> companyCarPrintRows(std::span<const CompanyCarRecord> vehicles,
                                     std::span<const CompanyCarResults> results,
                                     const CompanyCarShared& shared)
{
    std::vector<Row> lines;
    lines.reserve(vehicles.size());
    const auto count = static_cast<std::int64_t>(vehicles.size());
    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        const CompanyCarRecord& v = vehicles[i];
        const CompanyCarResults& r = results[i];
        const bool priced = v.CCPrice != 0.0;
        lines.push_back({
            {"CarNum", static_cast<std::int64_t>(i + 1)},
            {"CMVMaxNum", count},
            {"CCRegNumber", v.CCRegNumber},
            {"CCMake", v.CCMake},
            {"CCModel", v.CCModel},
            {"CCPrice", v.CCPrice},
            {"MaintIncluded", yesNo(v.MaintIncluded)},
            {"CCMonths", static_cast<double>(v.CCEndDate.daysSince(v.CCStartDate) + 1)},
            {"EndMileage", v.EndMileage},
            {"StartMileage", v.StartMileage},
            {"TotalDistance", v.TotalDistance},
            {"BusDistance", v.BusDistance},
            {"ActualExpEmployee", v.ActualExpEmployee},
            {"SARSTable", yesNo(v.SARSTable)},
            {"FuelReimbEmployer", v.FuelReimbEmployer},
            {"EmpPaidInsurance", v.EmpPaidInsurance},
            {"EmpPaidLicence", v.EmpPaidLicence},
            {"EmpPaidMaintenance", v.EmpPaidMaintenance},
            {"Actual3802", shared.Actual3802},
            {"FB3802ThisCar", v.FB3802ThisCar},
            {"AdjustTaxableInc", priced ? v.AdjustTaxableInc : r.SARSDeductionClaim},
            {"SARSDeductionClaim", r.SARSDeductionClaim},
            {"TrueInclusion", priced ? r.TrueInclusion : 0.0},
            {"PrivateDistance", r.PrivateDistance},
            {"FuelComponent", v.FuelComponent},
            {"Arr_FuelClaim", r.Arr_FuelClaim},
            {"TotAddExpense", r.TotAddExpense},
            {"FuelExp", r.FuelExp},
            {"BussMilage", yesNo(v.BussMilage)},
            {"YearOfManfact", v.YearOfManfact},
            {"CCStartDate", v.CCStartDate.text()},
            {"CCEndDate", v.CCEndDate.text()},
            {"IRP53802", r.IRP53802},
            {"MonFB80", r.MonFB80},
            {"MonFB20", r.MonFB20},
            {"FortFB80", r.FortFB80},
            {"FortFB20", r.FortFB20},
            {"WeekFB80", r.WeekFB80},
            {"WeekFB20", r.WeekFB20},
        });
    }
    return lines;
}

std::vector<Row> companyCarPrintRows(const CompanyCarRegister& reg)
{
    std::vector<CompanyCarRecord> vehicles;
    std::vector<CompanyCarResults> results;
    for (std::int16_t i = 1; i <= reg.count(); ++i) {
        vehicles.push_back(reg.record(i));
        results.push_back(reg.results(i));
    }
    return companyCarPrintRows(vehicles, results, reg.shared());
}

TableSchema companyCarPrintTable()
{
    using namespace print_columns;
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

} // namespace grovan

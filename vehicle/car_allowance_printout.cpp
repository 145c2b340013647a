// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/car_allowance_printout.h"

#include "vehicle/print_columns.h"

namespace grovan {

const char* carAllowanceReportTemplate(const CarAllowanceInputs& inputs)
{
    return inputs.AccurateRecordKept ? kCarAllowanceActualTemplate : kCarAllowanceDeemedTemplate;
}

Row carAllowancePrintRow(const CarAllowanceInputs& in, const CarAllowanceResults& r)
{
    Row row;
    row.reserve(22);
    const auto write = [&row](const char* name, FieldValue value) {
        row.push_back({name, std::move(value)});
    };
    write("TPName", in.employeeName);
    write("CARNO", std::int64_t{1});
    write("mta01", in.CarDescription);
    write("mta04", in.AllowanceReceived);
    write("mta05", in.CloseKmReading);
    write("mta06", in.OpenKmReading);
    write("mta07", in.BusinessKm);
    write("tadeduction", r.DeductionClaim);
    write("MTD", r.TotalKm);
    write("MBD", r.ResultBusinessKm);
    write("mpd", r.ResultPrivateKm);
    if (in.AccurateRecordKept) {
        write("mta08", in.FuelOil);
        write("mta09", in.RepairsMaintenance);
        write("mta10", in.InsuranceLicence);
        write("mta11", in.OtherExpenses);
        write("mta12", in.WearAndTear);
        write("mta13", in.LeasePayments);
        write("totcost", r.TotalCosts);
        write("pu", r.LessPrivateUse);
        return row;
    }
    write("mta03", in.VehicleValue);
    write("mta14", static_cast<double>(r.PeriodDays));
    write("cv", r.FixedCost);
    write("fce", r.FixedCentsPerKm);
    write("fc", r.FuelCentsPerKm);
    write("mc", r.MaintenanceCentsPerKm);
    write("tatc", r.TotalCentsPerKm);
    write("FCDet", std::string(in.IncludeFuelCosts ? "Fuel costs" : "Fuel costs not included"));
    write("MCDet", std::string(in.IncludeMaintenanceCosts ? "Maintenance costs"
                                                          : "Maintenance costs not included"));
    write("DateStart", in.startDate.text());
    write("DateEnd", in.endDate.text());
    return row;
}

TableSchema carAllowancePrintTable()
{
    using namespace print_columns;
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
             // actual costs (accurate record kept)
             amount("mta08"), amount("mta09"), amount("mta10"), amount("mta11"), amount("mta12"),
             amount("mta13"), amount("totcost"), amount("pu")}};
}

} // namespace grovan

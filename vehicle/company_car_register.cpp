// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/company_car_register.h"

#include "core/tax_year_dates.h"
#include "vehicle/company_car_fields.h"
#include "vehicle/company_car_validation.h"

#include <cassert>

namespace grovan {

namespace {

CompanyCarControls everyControl(bool enabled, bool autoSplitVisible)
{
    return {enabled, enabled, enabled, enabled, enabled,
            enabled, enabled, enabled, enabled, autoSplitVisible};
}

// The vehicle a new one starts from: the template's inputs, but no log book, the whole tax
// year, no fuel table and no year of manufacture.
CompanyCarRecord newVehicleFrom(const CompanyCarRecord& t)
{
    CompanyCarRecord v;
    v.CCRegNumber = t.CCRegNumber;
    v.CCMake = t.CCMake;
    v.CCModel = t.CCModel;
    v.CCPrice = t.CCPrice;
    v.MaintIncluded = t.MaintIncluded;
    v.StartMileage = t.StartMileage;
    v.EndMileage = t.EndMileage;
    v.TotalDistance = t.TotalDistance;
    v.BusDistance = t.BusDistance;
    v.ActualExpEmployee = t.ActualExpEmployee;
    v.FuelReimbEmployer = t.FuelReimbEmployer;
    v.EmpPaidInsurance = t.EmpPaidInsurance;
    v.EmpPaidLicence = t.EmpPaidLicence;
    v.EmpPaidMaintenance = t.EmpPaidMaintenance;
    v.FB3802ThisCar = t.FB3802ThisCar;
    v.AdjustTaxableInc = t.AdjustTaxableInc;
    return v;
}

} // namespace

CompanyCarRegister::CompanyCarRegister() : m_records(1), m_results(1) {}

std::int16_t CompanyCarRegister::count() const
{
    return static_cast<std::int16_t>(m_records.size() - 1);
}

const CompanyCarRecord& CompanyCarRegister::record(std::int16_t number) const
{
    assert(number >= 0 && number <= count());
    return m_records[static_cast<std::size_t>(number)];
}

CompanyCarRecord& CompanyCarRegister::record(std::int16_t number)
{
    assert(number >= 0 && number <= count());
    return m_records[static_cast<std::size_t>(number)];
}

const CompanyCarResults& CompanyCarRegister::results(std::int16_t number) const
{
    assert(number >= 0 && number <= count());
    return m_results[static_cast<std::size_t>(number)];
}

std::string CompanyCarRegister::caption() const
{
    return std::string(kCompanyCarTitle) + " : " + " Vehicle number " + std::to_string(m_current) +
           " of " + std::to_string(count());
}

bool CompanyCarRegister::fb3802ThisCarEnabled() const
{
    return m_controls.vehicleFields && !m_shared.AutoCalc3802;
}

std::span<CompanyCarRecord> CompanyCarRegister::vehicles()
{
    return std::span<CompanyCarRecord>(m_records).subspan(1);
}

void CompanyCarRegister::CompCarCalc()
{
    m_totals = grovan::CompCarCalc(vehicles(), m_shared,
                                   std::span<CompanyCarResults>(m_results).subspan(1));
}

void CompanyCarRegister::calculate()
{
    m_totals = calculateCompanyCars(vehicles(), m_shared,
                                    std::span<CompanyCarResults>(m_results).subspan(1));
}

bool CompanyCarRegister::hasRegistration() const
{
    return current().CCRegNumber.find_first_not_of(' ') != std::string::npos;
}

void CompanyCarRegister::show(std::int16_t number)
{
    // The window shows the fuel amount the method does not use as 0, and keeps what it shows.
    CompanyCarRecord& shown = m_records[static_cast<std::size_t>(number)];
    if (shown.SARSTable) {
        shown.ActualExpEmployee = 0.0;
    } else {
        shown.FuelComponent = 0.0;
    }
}

void CompanyCarRegister::enableAfterMove()
{
    const bool visible = m_controls.autoSplitVisible;
    const std::int16_t n = count();
    if (hasRegistration()) {
        m_controls = everyControl(true, visible);
        m_controls.cmdBack = m_controls.cmdForward = n > 1;
        m_controls.cmdDelete = n > 0;
        return;
    }
    m_controls = everyControl(false, visible);
    m_controls.cmdOk = m_controls.cmdAdd = true;
    m_controls.cmdBack = m_controls.cmdForward = m_controls.cmdDelete = n > 1;
}

void CompanyCarRegister::enableForEmptyRegister()
{
    m_controls = everyControl(false, false);
    m_controls.cmdAdd = m_controls.cmdOk = m_controls.cmdCalculate = m_controls.cmdPrint = true;
}

void CompanyCarRegister::open()
{
    m_datesInvalid = false;
    m_controls = CompanyCarControls{};
    if (count() == 0) {
        m_current = 0;
        m_shared.AutoCalc3802 = false;
        CompanyCarRecord& t = m_records.front();
        t.BussMilage = false;
        t.CCStartDate = TaxYearStart;
        t.CCEndDate = TaxYearEnd;
        show(0);
        m_controls.cmdBack = m_controls.cmdForward = m_controls.cmdDelete = false;
        return;
    }
    m_current = 1;
    m_controls.autoSplitVisible = count() > 1;
    show(1);
    m_controls.cmdBack = m_controls.cmdForward = count() > 1;
    CompCarCalc();
}

WindowReply CompanyCarRegister::close()
{
    if (m_datesInvalid) {
        return {closingDatesMessage(), &kCarStartDateField};
    }
    CompCarCalc();
    return {};
}

WindowReply CompanyCarRegister::add()
{
    if (m_current != 0 && !hasRegistration()) {
        return {};
    }
    if (m_records.size() > kMostCompanyCars) {
        return {registerFullMessage(), nullptr};
    }
    CompCarCalc();
    m_records.push_back(newVehicleFrom(m_records.front()));
    m_results.emplace_back();
    m_current = count();
    show(m_current);
    if (count() > 1) {
        m_controls.autoSplitVisible = true;
        m_shared.AutoCalc3802 = true;
    }
    CompCarCalc();
    m_controls = everyControl(false, m_controls.autoSplitVisible);
    m_controls.cmdAdd = m_controls.cmdOk = m_controls.cmdDelete = true;
    m_controls.registrationNumber = true;
    return {std::nullopt, &kRegNumberField};
}

void CompanyCarRegister::remove()
{
    if (count() == 0) {
        return;
    }
    const auto at = static_cast<std::ptrdiff_t>(m_current);
    m_records.erase(m_records.begin() + at);
    m_results.erase(m_results.begin() + at);
    m_records.front() = CompanyCarRecord{};
    if (count() <= 1) {
        m_controls.autoSplitVisible = false;
    }
    if (count() == 0) {
        m_current = 0;
        m_shared.Actual3802 = 0.0;
        show(0);
        enableForEmptyRegister();
    } else {
        m_current = 1;
        show(1);
        enableAfterMove();
    }
    CompCarCalc();
}

void CompanyCarRegister::back()
{
    if (count() == 0) {
        enableAfterMove();
        CompCarCalc();
        return;
    }
    CompCarCalc();
    m_current = m_current <= 1 ? count() : static_cast<std::int16_t>(m_current - 1);
    show(m_current);
    enableAfterMove();
    CompCarCalc();
}

void CompanyCarRegister::forward()
{
    if (count() == 0) {
        enableAfterMove();
        CompCarCalc();
        return;
    }
    CompCarCalc();
    m_current = m_current >= count() ? std::int16_t{1} : static_cast<std::int16_t>(m_current + 1);
    show(m_current);
    enableAfterMove();
    CompCarCalc();
}

WindowReply CompanyCarRegister::registrationEdited()
{
    const std::int16_t n = count();
    if (hasRegistration()) {
        enableAfterMove();
        return {};
    }
    m_controls = everyControl(false, m_controls.autoSplitVisible);
    m_controls.registrationNumber = true;
    if (n > 1) {
        m_controls.cmdDelete = true;
        return {};
    }
    m_controls.cmdOk = m_controls.cmdAdd = true;
    return {std::nullopt, &kRegNumberField};
}

void CompanyCarRegister::setAutoSplit(bool ticked)
{
    m_shared.AutoCalc3802 = ticked;
}

void CompanyCarRegister::setFuelTable(bool ticked)
{
    CompanyCarRecord& v = current();
    v.SARSTable = ticked;
    if (ticked) {
        v.ActualExpEmployee = 0.0;
    } else {
        v.FuelComponent = 0.0;
    }
}

WindowReply CompanyCarRegister::refuseDate(const FieldDescription& dateField, bool windowVisible)
{
    const bool start = &dateField == &kCarStartDateField;
    WindowReply reply{start ? startDateMessage() : endDateMessage(current().CCStartDate), nullptr};
    if (windowVisible) {
        reply.focus = &dateField;
        m_datesInvalid = m_datesInvalid || !start;
    } else if (start) {
        current().CCStartDate = TaxYearStart;
    } else {
        current().CCEndDate = TaxYearEnd;
    }
    return reply;
}

void CompanyCarRegister::initialiseAll()
{
    m_records.resize(1);
    m_results.assign(1, CompanyCarResults{});
    m_totals = {};
    m_shared = {};
    m_current = 0;
    m_controls = {};
    m_datesInvalid = false;
}

bool CompanyCarRegister::load(std::vector<CompanyCarRecord> vehicles,
                              const CompanyCarShared& shared)
{
    if (vehicles.size() > kMostCompanyCars) {
        return false;
    }
    m_records.resize(1);
    m_records.insert(m_records.end(), std::make_move_iterator(vehicles.begin()),
                     std::make_move_iterator(vehicles.end()));
    m_results.assign(m_records.size(), CompanyCarResults{});
    m_totals = {};
    m_shared = shared;
    m_current = count() > 0 ? 1 : 0;
    return true;
}

} // namespace grovan

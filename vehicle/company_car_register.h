// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The company car register: the vehicles of one employee, kept in memory for the whole run, and
// what the company car window does with them (adding, deleting, browsing, what it enables and
// its caption). The window binds its fields to the current record and shows what this says.

#include "vehicle/company_car_calculator.h"
#include "vehicle/window_reply.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grovan {

/// The window's design caption, shown until the window first opens on the register.
inline constexpr const char* kCompanyCarTitle = "Full use of Company Car";

/// Which controls of the company car window are enabled, and whether the auto-split check box
/// shows. Every button of its own; `vehicleFields` stands for every other field, check box and
/// label (inputs and results) except the registration number's, which is `registrationNumber`.
struct CompanyCarControls
{
    bool vehicleFields = true;
    bool registrationNumber = true;
    bool cmdAdd = true;
    bool cmdDelete = true;
    bool cmdBack = true;
    bool cmdForward = true;
    bool cmdOk = true;
    bool cmdCalculate = true;
    bool cmdPrint = true;
    bool autoSplitVisible = false; ///< chkAutoCalc3802: shown only with more than one vehicle

    bool operator==(const CompanyCarControls&) const = default;
};

/// `CompanyCarRegister`: vehicles numbered 1 to N (at most 32 767) and a template record 0 that
/// a new vehicle starts from, the current vehicle C (0 while the register is empty), the shared
/// `Actual3802` and `AutoCalc3802`, and the results of the last calculation. No operation leaves
/// C outside 0 to N or C = 0 with vehicles present.
class CompanyCarRegister
{
public:
    CompanyCarRegister();

    /// N, the number of vehicles.
    std::int16_t count() const;
    /// C, the vehicle the window shows; 0 while the register is empty.
    std::int16_t currentNumber() const { return m_current; }
    /// The record the window's fields show and write: vehicle C, or the template while the
    /// register is empty (what is typed then becomes vehicle 1 on "&Add").
    CompanyCarRecord& current() { return m_records[static_cast<std::size_t>(m_current)]; }
    const CompanyCarRecord& current() const
    {
        return m_records[static_cast<std::size_t>(m_current)];
    }
    /// Record `number`, 0 (the template) to N. The window edits only `current()`; grovan-cli
    /// and the tests may edit any vehicle.
    const CompanyCarRecord& record(std::int16_t number) const;
    CompanyCarRecord& record(std::int16_t number);
    /// Vehicle `number`'s results of the last calculation (record 0's are always 0).
    const CompanyCarResults& results(std::int16_t number) const;
    /// The current vehicle's results, which the window's result fields show.
    const CompanyCarResults& currentResults() const { return results(m_current); }
    /// The totals of the last calculation.
    const CompanyCarTotals& totals() const { return m_totals; }
    CompanyCarShared& shared() { return m_shared; }
    const CompanyCarShared& shared() const { return m_shared; }

    /// "Full use of Company Car :  Vehicle number C of N" (two blanks before "Vehicle").
    std::string caption() const;
    const CompanyCarControls& controls() const { return m_controls; }
    /// "Code 3802 f/benefit for this car" takes typing only while the vehicle's fields are
    /// enabled and the automatic split is off.
    bool fb3802ThisCarEnabled() const;

    /// The window opens. On an empty register: C = 0, the split off, the template shown with its
    /// log book cleared and the tax-year dates, every control enabled except "&Back",
    /// "&Forward" and "&Delete". Otherwise: vehicle 1 shown, the auto-split box shown with more
    /// than one vehicle, every control enabled except "&Back" and "&Forward" with a single
    /// vehicle, and `CompCarCalc` runs.
    void open();
    /// "&OK" or the close box: refused with `closingDatesMessage` and the focus on the start date
    /// while the dates are marked invalid (the reply holds the message; the window stays open);
    /// otherwise `CompCarCalc` runs once more and the reply is empty. The register stays.
    WindowReply close();
    /// Whether `close` would refuse.
    bool datesMarkedInvalid() const { return m_datesInvalid; }

    /// `CompCarCalc` over every vehicle (see company_car_calculator.h).
    void CompCarCalc();
    /// "&Calculate" (also before every printout): with exactly one vehicle its code 3802 part
    /// becomes `Actual3802`, then `CompCarCalc` twice.
    void calculate();

    /// "&Add": acts only while the current vehicle has a registration number or the register is
    /// empty. Calculates, appends a vehicle that takes the template's registration number, make,
    /// model, price, maintenance plan, readings, distances, fuel and expense amounts, code 3802
    /// part and adjustment (no log book, the tax-year dates, no fuel table, no year of
    /// manufacture) and shows it; with more than one vehicle the auto-split box shows and the
    /// split is switched on. Calculates again, then disables everything but "&Add", "&OK",
    /// "&Delete" and the registration number, which receives the focus. On a full register it
    /// refuses with `registerFullMessage`.
    WindowReply add();
    /// "&Delete" (no confirmation): the current vehicle goes, the later ones move down a number
    /// and the template is cleared. Vehicle 1 is shown with the controls its registration
    /// number calls for, as after a move; with one vehicle left the auto-split box hides (the
    /// split keeps its state). The last vehicle deleted: `Actual3802` becomes 0, the template is
    /// shown with its log book cleared and the tax-year dates, and only "&Add", "&OK",
    /// "&Calculate" and "&Print" stay enabled. Then `CompCarCalc`. Nothing happens on an empty
    /// register.
    void remove();
    /// "&Back": the previous vehicle, from vehicle 1 the last. "&Forward": the next, from the
    /// last vehicle the first. Each calculates, shows the vehicle, enables the controls its
    /// registration number calls for and calculates again. On an empty register both keep C = 0
    /// and only enable the controls and calculate.
    void back();
    void forward();

    /// The registration number was edited (the field has written it into `current()`): with one,
    /// every control is enabled but "&Back" and "&Forward" with a single vehicle; without one,
    /// only the registration number, with "&OK" and "&Add" (and the focus on the registration
    /// number) for a single vehicle, or "&Delete" for more.
    WindowReply registrationEdited();

    /// "Auto-calculate f/benefit splits" clicked.
    void setAutoSplit(bool ticked);
    /// "Or use SARS's cents/km fuel table?" clicked: ticked, the actual fuel becomes 0; cleared,
    /// the fuel component becomes 0.
    void setFuelTable(bool ticked);

    /// A date field refused what was typed: the date's message with the focus back on it; a
    /// refused end date also marks the dates invalid until the end date loses the focus. When
    /// the window is not visible no focus is set and the current vehicle's date becomes the
    /// first (or last) day of the tax year.
    WindowReply refuseDate(const FieldDescription& dateField, bool windowVisible);
    /// The end date field lost the focus.
    void endDateLeft() { m_datesInvalid = false; }

    /// Start-up and "&Initialise All": no vehicles, C = 0, `Actual3802` 0, the split off, no
    /// results; the template keeps what it holds.
    void initialiseAll();

    /// The register holding `vehicles` as vehicles 1 to N with `shared`, vehicle 1 current, as
    /// grovan-cli loads one; the template is kept. False (nothing changes) beyond 32 767
    /// vehicles.
    bool load(std::vector<CompanyCarRecord> vehicles, const CompanyCarShared& shared);

private:
    void show(std::int16_t number);
    bool hasRegistration() const;
    void enableAfterMove();
    void enableForEmptyRegister();
    std::span<CompanyCarRecord> vehicles();

    std::vector<CompanyCarRecord> m_records;  ///< [0] the template, [1..N] the vehicles
    std::vector<CompanyCarResults> m_results; ///< as many as records; [0] stays 0
    CompanyCarTotals m_totals;
    CompanyCarShared m_shared;
    std::int16_t m_current = 0;
    CompanyCarControls m_controls;
    bool m_datesInvalid = false;
};

} // namespace grovan

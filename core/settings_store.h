// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "core/schema_database.h"

#include <filesystem>
#include <optional>

namespace grovan {

/// The set-up values that the employees'-tax and salary-package calculators share: the one record
/// of table `Setup` in "Settings.mdb". Rates in percent (1.0 means 1 %), except the two inclusion
/// rates, which are fractions (0.8 or 0.2). A new installation starts with the 2021/22 values.
struct SetupValues
{
    double EmployeeUIF = 1.0;       ///< employee's UIF contribution, percent of the UIF base
    double EmployerUIF = 1.0;       ///< employer's UIF contribution, percent
    double SkillLevy = 1.0;         ///< skills development levy, percent
    double UIFLimit = 17712.0;      ///< UIF limit, rands a month
    double TAIncRate8020 = 0.8;     ///< travel allowance inclusion rate, fraction
    double PensionCont = 0.0;       ///< employee's pension fund contribution rate, percent
    double EmployerPenCont = 0.0;   ///< employer's pension fund contribution rate, percent
    double ProvCont = 0.0;          ///< employee's provident fund contribution rate, percent
    double EmployerProvCont = 0.0;  ///< employer's provident fund contribution rate, percent
    double CompCarFBRate8020 = 0.8; ///< company-car fringe benefit inclusion rate, fraction
    bool CompCarMPYesNo = false;    ///< the employer's maintenance plan covers the company car

    bool operator==(const SetupValues&) const = default;
};

/// Which fields a calculator writes back when its set-up panel is confirmed.
enum class SetupFields
{
    Periodic, ///< the five shared fields: UIF rates, skills levy, UIF limit, travel inclusion
    Package,  ///< all eleven
};

/// The option an inclusion rate selects on a set-up panel: "80%" only for exactly 0.8, "20%" only
/// for exactly 0.2, neither for any other stored value (which the calculations still use).
enum class InclusionOption
{
    Rate80,
    Rate20,
    Neither
};
InclusionOption inclusionOptionFor(double inclusionRate);

/// The settings store. Each calculator loads the record when its window is created and saves its
/// subset when the user confirms its set-up panel; the file is opened for each and closed again.
class SettingsDatabase
{
public:
    SettingsDatabase(std::filesystem::path file, MessageSink& messages);

    /// The stored values, each within its set-up field's range: a value outside it (or of the
    /// wrong kind) is restored with the standard value in the file, and the user is told once
    /// which. Nothing where the file cannot be read, after waiting a few seconds for another
    /// program's lock (the user is told that the standard values are used).
    std::optional<SetupValues> loadStored() const;
    /// loadStored(), or the standard values.
    SetupValues load() const;
    /// Writes the fields of `which` from `values`, leaving the others as stored; false (the user
    /// is told) when nothing could be written.
    bool save(const SetupValues& values, SetupFields which) const;
    /// Writes only those fields of `which` whose value differs between `before` and `values`
    /// (what the user changed, where the stored values could not be loaded and `before` holds
    /// the standard values shown instead); true when there is nothing to write.
    bool saveChanged(const SetupValues& before, const SetupValues& values, SetupFields which) const;

    static const DatabaseSchema& schema();

    /// Where the store's problems are told, which its set-up panel tells its own to as well.
    MessageSink& messages() const { return m_database.messages(); }

private:
    SchemaDatabase m_database;
};

} // namespace grovan

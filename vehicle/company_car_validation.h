// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the company car window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "vehicle/company_car_calculator.h"

#include <cstddef>
#include <optional>

namespace grovan {

/// The most vehicles the register holds (its numbers are 16-bit).
inline constexpr std::size_t kMostCompanyCars = 32767;

/// "The period of use may only be between 1 and 12 months", "Incorrect period of use!", error
/// icon: a value typed into the days field that the field refuses (the window then shows 12 in
/// the field and puts the focus there; the calculation never reads it).
Message periodOfUseMessage();

/// "The dates entered are not correct please enter a dates between 01/03/2021 and 28/02/2022",
/// "Incorrect Date", error icon: closing refused while the window's dates are marked invalid.
Message closingDatesMessage();

/// "The register holds at most 32 767 vehicles; no more can be added.", program title,
/// information icon: "&Add" on a full register.
Message registerFullMessage();

/// The message for a value `field` refuses as typed: the start date's ("... between 01/03/2021
/// and 28/02/2022") or the end date's (quoting `current`'s start date), "Incorrect Date", error
/// icon; `periodOfUseMessage` for the days field; nothing for the others, which only refuse.
std::optional<Message> companyCarRefusalMessage(const FieldDescription& field,
                                                std::optional<double> rejected,
                                                const CompanyCarRecord& current);

/// One vehicle's dates as the window's date fields would have taken them: the start date in the
/// tax year, the end date from the start date to the end of the tax year.
std::optional<FieldProblem> validateCompanyCar(const CompanyCarRecord& vehicle);

/// Why a register cannot be calculated: the vehicle at fault (numbered from 1; 0 for the register
/// as a whole) and the problem.
struct CompanyCarProblem
{
    std::size_t vehicle = 0;
    FieldProblem problem;

    bool operator==(const CompanyCarProblem&) const = default;
};

/// A whole register as grovan-cli takes it: at most `kMostCompanyCars` vehicles, each passing
/// `validateCompanyCar`. Nothing when `calculateCompanyCars` may run on it.
std::optional<CompanyCarProblem> validateCompanyCarInputs(const CompanyCarInputs& inputs);

} // namespace grovan

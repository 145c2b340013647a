// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the car allowance window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "vehicle/car_allowance_calculator.h"
#include "vehicle/window_reply.h"

#include <optional>

namespace grovan {

/// "Only one amount for either Wear & Tear or Lease payments will be accepted", "Single
/// Payment", error icon.
Message singlePaymentMessage();

/// A field of the window changed to `value` (within the field's range). "Wear and tear" and
/// "Lease payments" exclude each other: a positive amount is stored only while the other field
/// is below 1; otherwise `singlePaymentMessage` is shown, the field is set to 0 (which is
/// stored) and receives the focus. A zero is always stored, a negative amount never. Every
/// other field takes the value as it stands.
std::optional<FieldProblem> enterCarAllowanceValue(CarAllowanceInputs& inputs,
                                                   const InputBinding<CarAllowanceInputs>& binding,
                                                   const InputValue& value);

/// A date field refused what was typed (a day outside its range, or no date): the start date's
/// message ("... between 01/03/2021 and 28/02/2022") or the end date's (quoting the start date),
/// "Incorrect Date", error icon, with the focus back on the field. When the window is not
/// visible no focus is set and the date becomes the first (or last) day of the tax year.
WindowReply refuseCarAllowanceDate(CarAllowanceInputs& inputs, const FieldDescription& dateField,
                                   bool windowVisible);

/// The message for a value `field` refuses as typed: the date messages above; nothing for the
/// amount and distance fields, which only refuse (negative or too large values).
std::optional<Message> carAllowanceRefusalMessage(const FieldDescription& field,
                                                  std::optional<double> rejected,
                                                  const CarAllowanceInputs& current);

/// Checks a complete set of inputs as the window's fields would have, in the window's order:
/// wear and tear with lease payments (the lease payments refused), the start date in the tax
/// year, the end date from the start date to the end of the tax year. Nothing when
/// `calculateCarAllowance` may run on them.
std::optional<FieldProblem> validateCarAllowanceInputs(const CarAllowanceInputs& inputs);

} // namespace grovan

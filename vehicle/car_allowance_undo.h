// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_binding.h"
#include "vehicle/car_allowance_calculator.h"

namespace grovan {

/// The Escape key of the car allowance window: a field remembers its value when it receives the
/// focus, and Escape puts that value back into the field that has the focus. The description,
/// the eleven amounts and distances and the two dates take part; the accurate-record choice, the
/// check boxes, the days field and the print panel's name do not.
class CarAllowanceUndo
{
public:
    /// `field` received the focus; `inputs` are the values it shows.
    void focusEntered(const FieldDescription& field, const CarAllowanceInputs& inputs);

    /// Escape: the remembered value back into the focused field's input. Returns that field, or
    /// nullptr when the focused field takes no part (nothing changes).
    const FieldDescription* escape(CarAllowanceInputs& inputs) const;

private:
    const InputBinding<CarAllowanceInputs>* m_binding = nullptr;
    InputValue m_value;
};

} // namespace grovan

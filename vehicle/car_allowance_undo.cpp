// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/car_allowance_undo.h"

#include "vehicle/car_allowance_fields.h"

namespace grovan {

namespace {

bool takesPart(const FieldDescription& field)
{
    return &field != &kAccurateRecordField && &field != &kIncludeFuelField &&
           &field != &kIncludeMaintenanceField && &field != &kCarAllowanceEmployeeNameField;
}

} // namespace

void CarAllowanceUndo::focusEntered(const FieldDescription& field, const CarAllowanceInputs& inputs)
{
    m_binding = nullptr;
    if (!takesPart(field)) {
        return;
    }
    for (const auto& binding : carAllowanceInputBindings()) {
        if (binding.field == &field) {
            m_binding = &binding;
            m_value = binding.get(inputs);
        }
    }
}

const FieldDescription* CarAllowanceUndo::escape(CarAllowanceInputs& inputs) const
{
    if (m_binding == nullptr) {
        return nullptr;
    }
    m_binding->set(inputs, m_value);
    return m_binding->field;
}

} // namespace grovan

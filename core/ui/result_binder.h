// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_binding.h"
#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"

#include <QPointer>
#include <QWidget>

#include <span>
#include <vector>

namespace grovan {

/// Shows a calculator's results in the window's result fields through the engine's table of
/// result bindings. Each field gets the unrounded value, or the value the engine says the window
/// shows where it rounds in its own way first (a deduction in whole rands, halves to even); the
/// field's display format rounds for display only, so the window's working values stay as the
/// engine computed them.
template <typename Results> class ResultBinder
{
public:
    explicit ResultBinder(std::span<const ResultBinding<Results>> bindings) : m_bindings(bindings)
    {}

    /// Finds the result field of every binding that has a control among the descendants of
    /// `window`; results without a control (values only the printout uses) are left out.
    void bind(QWidget* window)
    {
        for (const ResultBinding<Results>& binding : m_bindings) {
            const QString name = qText(binding.field->controlName);
            if (auto* field = name.isEmpty() ? nullptr : window->findChild<NumericField*>(name)) {
                m_fields.push_back({&binding, field});
            }
        }
    }

    void show(const Results& results) const
    {
        for (const Bound& bound : m_fields) {
            if (bound.field) {
                const ResultBinding<Results>& binding = *bound.binding;
                bound.field->setValue(binding.shown != nullptr ? binding.shown(results)
                                                               : binding.get(results));
            }
        }
    }

private:
    struct Bound
    {
        const ResultBinding<Results>* binding;
        QPointer<NumericField> field;
    };

    std::span<const ResultBinding<Results>> m_bindings;
    std::vector<Bound> m_fields;
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_binding.h"
#include "core/message.h"
#include "core/ui/field_access.h"
#include "core/ui/qt_text.h"

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace grovan {

/// Binds a calculator window's input fields to the calculator's inputs struct through the
/// engine's table of input bindings, so that the window never copies a value by hand:
///
///     AnnualInputs m_inputs;
///     InputBinder<AnnualInputs> m_binder{m_inputs, annualInputBindings(), messages,
///                                        annualRefusalMessage};
///     ...
///     m_binder.bind(this);   // once the fields exist, named by their control names
///
/// The inputs may be the window's own or application-wide state that outlives the window.
/// Every field the user edits writes its value into the inputs at once. A field that turns down
/// what was typed (a number outside its range, a date that is no date or lies outside its
/// limits) gets the calculator's own message for that field, as the engine words it, and the
/// focus back; where the engine has no message for it, the field beeps instead. A window that
/// answers a field differently says so with `setRefusalHandler`, and one whose edits of a field
/// go through an engine procedure rather than the binding's setter with `setEditHandler`.
template <typename Inputs> class InputBinder
{
public:
    /// The engine's message for a refused entry in `field` (the rejected number, the day number
    /// of a date outside the field's range, or nothing for text that is no date), given the
    /// inputs as they stand; nothing where the calculator has none.
    using RefusalMessage = std::function<std::optional<Message>(
        const FieldDescription& field, std::optional<double> rejected, const Inputs& current)>;
    using RefusalHandler = std::function<void(std::optional<double> rejected)>;
    using EditHandler = std::function<void(const InputValue& value)>;

    /// `values` must outlive the binder.
    InputBinder(Inputs& values, std::span<const InputBinding<Inputs>> bindings,
                MessageSink& messages, RefusalMessage refusalMessage = {})
        : m_values(values), m_bindings(bindings), m_messages(messages),
          m_refusalMessage(std::move(refusalMessage))
    {}
    InputBinder(const InputBinder&) = delete;
    InputBinder& operator=(const InputBinder&) = delete;

    /// Finds the field of every binding among the descendants of `window` by its control name,
    /// shows the input's value in it and connects it. A binding whose control the window does not
    /// have is left out (the value keeps its default).
    void bind(QWidget* window)
    {
        for (const InputBinding<Inputs>& binding : m_bindings) {
            const QString name = qText(binding.field->controlName);
            auto* field = name.isEmpty() ? nullptr : window->findChild<QWidget*>(name);
            if (field == nullptr) {
                continue;
            }
            m_fields.push_back({&binding, field});
            showInputValue(field, binding.get(m_values));
            onInputEdited(field, &m_guard,
                          [this, &binding](const InputValue& value) { edited(binding, value); });
            onInputRefused(field, &m_guard, [this, &binding](std::optional<double> rejected) {
                refused(binding, rejected);
            });
        }
    }

    /// Answers refused entries in `field` with `handler` instead of the message and the focus.
    void setRefusalHandler(const FieldDescription& field, RefusalHandler handler)
    {
        m_handlers[&field] = std::move(handler);
    }

    /// Hands every edit of `field` to `handler` instead of the binding's setter.
    void setEditHandler(const FieldDescription& field, EditHandler handler)
    {
        m_editHandlers[&field] = std::move(handler);
    }

    /// Shows the inputs again in every field, after the engine changed some of them.
    void showValues() const
    {
        for (const Bound& bound : m_fields) {
            if (bound.field) {
                showInputValue(bound.field, bound.binding->get(m_values));
            }
        }
    }

    /// The field bound to `field`'s description, or nullptr.
    QWidget* field(const FieldDescription& description) const
    {
        for (const Bound& bound : m_fields) {
            if (bound.binding->field == &description) {
                return bound.field;
            }
        }
        return nullptr;
    }

    /// Shows the engine's message about one field (unless the window is to pass over it in
    /// silence) and puts the focus back into that field; a problem of no one field puts the
    /// focus on `otherwise` (the window's "&Calculate").
    void showProblem(const FieldProblem& problem, QWidget* otherwise = nullptr) const
    {
        if (!problem.silentInWindow) {
            m_messages.show(problem.message);
        }
        returnFocusTo(problem.field != nullptr ? field(*problem.field) : otherwise);
    }

private:
    struct Bound
    {
        const InputBinding<Inputs>* binding;
        QPointer<QWidget> field;
    };

    void edited(const InputBinding<Inputs>& binding, const InputValue& value)
    {
        if (auto handler = m_editHandlers.find(binding.field); handler != m_editHandlers.end()) {
            handler->second(value);
        } else {
            binding.set(m_values, value);
        }
    }

    void refused(const InputBinding<Inputs>& binding, std::optional<double> rejected)
    {
        if (auto handler = m_handlers.find(binding.field); handler != m_handlers.end()) {
            handler->second(rejected);
            return;
        }
        std::optional<Message> message;
        if (m_refusalMessage) {
            message = m_refusalMessage(*binding.field, rejected, m_values);
        }
        if (message) {
            m_messages.show(*message);
        } else {
            QApplication::beep();
        }
        returnFocusTo(field(*binding.field));
    }

    Inputs& m_values;
    std::span<const InputBinding<Inputs>> m_bindings;
    MessageSink& m_messages;
    RefusalMessage m_refusalMessage;
    std::vector<Bound> m_fields;
    std::map<const FieldDescription*, RefusalHandler> m_handlers;
    std::map<const FieldDescription*, EditHandler> m_editHandlers;
    // The receiver of every connection: they end with the binder, before the fields they watch.
    QObject m_guard;
};

} // namespace grovan

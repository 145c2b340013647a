// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/frm_day_bal.h"

#include "core/ui/date_field.h"
#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"
#include "core/ui/spin_button.h"
#include "core/ui/window_context.h"
#include "finance/daily_balance_fields.h"
#include "finance/daily_balance_spin.h"
#include "finance/finance_calculators.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr int kPrintPanelTop = 1500;

QString captionOf(std::string_view control)
{
    for (const ControlCaption& c : dailyBalanceWindowCaptions()) {
        if (c.control == control) {
            return qText(c.caption);
        }
    }
    return {};
}

} // namespace

frmDayBal::frmDayBal(DayBalState& state, const WindowContext& context, QWidget* parent)
    : FinanceWindow(qText(kDailyBalanceCaption), context, kPrintPanelTop, parent), m_state(state),
      m_form(dailyBalanceCalculator(), state, context.messages)
{
    setObjectName(qText(dailyBalanceCalculator().windowName));
    buildFields();
    m_form.bind(this);

    auto* start = qobject_cast<DateField*>(m_form.binder().field(dayBalStartDateField()));
    auto* end = qobject_cast<DateField*>(m_form.binder().field(dayBalEndDateField()));
    connect(start, &DateField::focusEntered, this, [this, start] {
        const auto [earliest, latest] = startDateRange(m_state);
        start->setRange(earliest, latest);
    });
    connect(end, &DateField::focusEntered, this, [this, end] {
        const auto [earliest, latest] = endDateRange(m_state);
        end->setRange(earliest, latest);
    });
    connect(m_rateSpin, &SpinButton::up, this,
            [this] { spun(spinDayBalRate(m_state, SpinDirection::Up)); });
    connect(m_rateSpin, &SpinButton::down, this,
            [this] { spun(spinDayBalRate(m_state, SpinDirection::Down)); });
    connect(m_dateSpin, &SpinButton::up, this,
            [this] { spun(spinDayBalDate(m_state, SpinDirection::Up)); });
    connect(m_dateSpin, &SpinButton::down, this,
            [this] { spun(spinDayBalDate(m_state, SpinDirection::Down)); });

    QList<QWidget*> order;
    for (const InputBinding<DayBalState>& binding : dailyBalanceCalculator().inputs) {
        order.append(m_form.binder().field(*binding.field));
    }
    setTabOrderOf(order, {m_rateSpin, m_dateSpin});
    calculate();
}

void frmDayBal::buildFields()
{
    auto* fields = new QWidget(this);
    FormBuilder form(fields);
    form.grid()->setContentsMargins(0, 0, 0, 0);
    for (const InputBinding<DayBalState>& binding : dailyBalanceCalculator().inputs) {
        form.addRow(*binding.field);
        if (binding.field == &dayBalEndDateField()) {
            m_dateSpin = addSpin(form.grid(), QStringLiteral("spDate"), captionOf("spDate"));
        } else if (binding.field == &dayBalRateField()) {
            m_rateSpin = addSpin(form.grid(), QStringLiteral("spRate"), captionOf("spRate"));
        }
    }
    for (const ResultBinding<DayBalResults>& binding : dailyBalanceCalculator().results) {
        auto* field = qobject_cast<NumericField*>(form.addRow(*binding.field));
        // Room for the largest interest: the largest capital at 40 % over 10 960 days.
        field->setDigitLimits(11, binding.field->decimals);
    }
    bodyLayout()->addWidget(fields);
}

void frmDayBal::calculate()
{
    // Without both dates there is nothing to compute, and nothing is said.
    if (!dayBalDateSet(m_state.DayBalStart) || !dayBalDateSet(m_state.DayBalEnd)) {
        return;
    }
    m_form.calculate(SetupValues{}, noTaxableIncome(), calculateButton());
}

void frmDayBal::activated()
{
    m_form.binder().showValues();
    // The fields hold only what they take, so the values pass; an activation never asks.
    if (!dailyBalanceCalculator().check(m_state)) {
        calculate();
    }
}

void frmDayBal::spun(const SpinStep& step)
{
    if (step.changed) {
        m_form.binder().showValues();
        calculate();
    }
    answerSpin(step);
}

std::optional<Printout> frmDayBal::printoutNow() const
{
    return printoutOf(m_form);
}

} // namespace grovan

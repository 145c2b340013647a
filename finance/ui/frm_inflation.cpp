// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/frm_inflation.h"

#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"
#include "core/ui/spin_button.h"
#include "core/ui/window_context.h"
#include "finance/finance_calculators.h"
#include "finance/inflation_fields.h"
#include "finance/inflation_spin.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr int kPrintPanelTop = 1300;

} // namespace

frmInflation::frmInflation(InflationState& state, const WindowContext& context, QWidget* parent)
    : FinanceWindow(qText(kInflationCaption), context, kPrintPanelTop, parent), m_state(state),
      m_form(inflationCalculator(), state, context.messages)
{
    setObjectName(qText(inflationCalculator().windowName));
    buildFields();
    m_form.bind(this);

    connect(m_periodSpin, &SpinButton::up, this,
            [this] { spun(spinInflationPeriod(m_state, SpinDirection::Up)); });
    connect(m_periodSpin, &SpinButton::down, this,
            [this] { spun(spinInflationPeriod(m_state, SpinDirection::Down)); });
    connect(m_rateSpin, &SpinButton::up, this,
            [this] { spun(spinInflationRate(m_state, SpinDirection::Up)); });
    connect(m_rateSpin, &SpinButton::down, this,
            [this] { spun(spinInflationRate(m_state, SpinDirection::Down)); });

    QList<QWidget*> order;
    for (const InputBinding<InflationState>& binding : inflationCalculator().inputs) {
        order.append(m_form.binder().field(*binding.field));
    }
    setTabOrderOf(order, {m_periodSpin, m_rateSpin});
    calculate();
}

void frmInflation::buildFields()
{
    auto* fields = new QWidget(this);
    FormBuilder form(fields);
    form.grid()->setContentsMargins(0, 0, 0, 0);
    for (const InputBinding<InflationState>& binding : inflationCalculator().inputs) {
        form.addRow(*binding.field);
        if (binding.field == &inflationPeriodField()) {
            m_periodSpin = addSpin(form.grid(), QStringLiteral("spPeriod"), tr("Period"));
        } else if (binding.field == &inflationRateField()) {
            m_rateSpin = addSpin(form.grid(), QStringLiteral("spInflation"), tr("Inflation rate"));
        }
    }
    for (const ResultBinding<InflationResults>& binding : inflationCalculator().results) {
        const FieldDescription& description = *binding.field;
        if (description.label == kAmountTooLargeText) {
            // The label that stands instead of the future cost.
            m_tooLarge = new QLabel(qText(description.label), fields);
            m_tooLarge->setObjectName(qText(description.controlName));
            continue;
        }
        auto* field = qobject_cast<NumericField*>(form.addRow(description));
        // Room for the largest cost shown, 9 999 999 999, and the largest buying power.
        field->setDigitLimits(10, 0);
        if (description.controlName == "numAns1") {
            m_futureCost = field;
        }
    }
    // The label takes the future cost's place in its row.
    const int row = form.grid()->indexOf(m_futureCost);
    int line = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
    form.grid()->getItemPosition(row, &line, &column, &rows, &columns);
    form.grid()->addWidget(m_tooLarge, line, column, 1, 3);
    m_tooLarge->hide();
    bodyLayout()->addWidget(fields);
}

void frmInflation::calculate()
{
    if (!m_form.calculate(SetupValues{}, noTaxableIncome(), calculateButton())) {
        return;
    }
    const bool tooLarge = results().tooLarge;
    m_tooLarge->setVisible(tooLarge);
    m_futureCost->setVisible(!tooLarge);
}

void frmInflation::activated()
{
    m_form.binder().showValues();
    // The fields hold only what they take, so the values pass; an activation never asks.
    if (!inflationCalculator().check(m_state)) {
        calculate();
    }
}

void frmInflation::spun(const SpinStep& step)
{
    if (step.changed) {
        m_form.binder().showValues();
        calculate();
    }
    answerSpin(step);
}

std::optional<Printout> frmInflation::printoutNow() const
{
    return printoutOf(m_form);
}

} // namespace grovan

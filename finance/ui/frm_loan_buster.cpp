// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/frm_loan_buster.h"

#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_context.h"
#include "finance/finance_calculators.h"
#include "finance/loan_buster_fields.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr int kPrintPanelTop = 1800;

// The grid's columns: each side's label, field and unit, with a gap between the sides.
constexpr int kLeft = 0;
constexpr int kRight = 4;
constexpr int kGapColumn = 3;
constexpr int kSlackColumn = 7;

// Where each control stands: its side and its row (row 0 holds the sides' headings).
struct Place
{
    const char* control;
    int column;
    int row;
};

constexpr Place kPlaces[] = {
    {"numXtraPay", kRight, 1}, {"numPrinAmount", kLeft, 2}, {"numAns1(2)", kRight, 2},
    {"numPeriod", kLeft, 3},   {"numAns2", kRight, 3},      {"numIntRate", kLeft, 4},
    {"numAns1(3)", kRight, 4}, {"numMonRePay", kLeft, 5},   {"numAns1(4)", kRight, 5},
    {"numAns1(0)", kLeft, 6},  {"numAns1(5)", kRight, 6},   {"numAns1(1)", kLeft, 7},
    {"numAns1(6)", kRight, 7}, {"numAns1(7)", kRight, 8},
};

// The units the window shows after its fields.
QString unitOf(const FieldDescription& field)
{
    if (field.kind == FieldKind::WholeNumber) {
        return QStringLiteral("months");
    }
    if (field.kind == FieldKind::Percent) {
        return QStringLiteral("% p.a.");
    }
    return {};
}

} // namespace

frmLoanBuster::frmLoanBuster(LoanBusterState& state, const WindowContext& context, QWidget* parent)
    : FinanceWindow(qText(kLoanBusterCaption), context, kPrintPanelTop, parent), m_state(state),
      m_form(loanBusterCalculator(), m_inputs, context.messages)
{
    setObjectName(qText(loanBusterCalculator().windowName));
    static_cast<LoanBusterState&>(m_inputs) = m_state;
    buildFields();

    // Every edit reaches the application's values at once.
    for (const InputBinding<LoanBusterInputs>& binding : loanBusterCalculator().inputs) {
        m_form.binder().setEditHandler(*binding.field, [this, &binding](const InputValue& value) {
            binding.set(m_inputs, value);
            keepInState();
        });
    }
    m_form.bind(this);
    QList<QWidget*> order;
    for (const InputBinding<LoanBusterInputs>& binding : loanBusterCalculator().inputs) {
        order.append(m_form.binder().field(*binding.field));
    }
    setTabOrderOf(order);
    recalculate();
}

void frmLoanBuster::buildFields()
{
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnMinimumWidth(kGapColumn, 24);
    grid->setColumnStretch(kSlackColumn, 1);

    for (const auto& [column, text] : {std::pair{kLeft, tr("Without extra payments")},
                                       std::pair{kRight, tr("With extra payments")}}) {
        auto* heading = new QLabel(text, fields);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, 0, column, 1, 3);
    }

    const auto place = [&](const FieldDescription& description) {
        for (const Place& p : kPlaces) {
            if (description.controlName != p.control) {
                continue;
            }
            auto* field =
                qobject_cast<NumericField*>(FormBuilder::createField(description, fields));
            if (description.readOnly) {
                // Room for the largest totals: 600 repayments of the largest loan at 50 %.
                field->setDigitLimits(10, description.decimals);
            }
            auto* label = new QLabel(qText(description.label), fields);
            label->setBuddy(field);
            grid->addWidget(label, p.row, p.column);
            grid->addWidget(field, p.row, p.column + 1);
            if (const QString unit = unitOf(description); !unit.isEmpty()) {
                grid->addWidget(new QLabel(unit, fields), p.row, p.column + 2);
            }
            return;
        }
    };
    for (const InputBinding<LoanBusterInputs>& binding : loanBusterCalculator().inputs) {
        place(*binding.field);
    }
    for (const ResultBinding<LoanBusterResults>& binding : loanBusterCalculator().results) {
        // The extra payment shows its adjusted value in its own input field.
        if (findChild<QWidget*>(qText(binding.field->controlName)) == nullptr) {
            place(*binding.field);
        }
    }
    bodyLayout()->addWidget(fields);
}

void frmLoanBuster::calculate()
{
    if (!recalculate()) {
        return;
    }
    if (auto message = loanBusterCalculationMessage(results())) {
        messages().show(*message);
        returnFocusTo(m_form.binder().field(loanBusterExtraField()));
    }
}

void frmLoanBuster::activated()
{
    static_cast<LoanBusterState&>(m_inputs) = m_state;
    m_form.binder().showValues();
    // The fields hold only what they take, so the values pass; an activation never asks.
    if (!loanBusterCalculator().check(m_inputs)) {
        recalculate();
    }
}

bool frmLoanBuster::recalculate()
{
    const bool calculated = m_form.calculate(SetupValues{}, noTaxableIncome(), calculateButton());
    keepInState();
    return calculated;
}

void frmLoanBuster::keepInState()
{
    m_state = m_inputs;
}

std::optional<Printout> frmLoanBuster::printoutNow() const
{
    return printoutOf(m_form);
}

} // namespace grovan

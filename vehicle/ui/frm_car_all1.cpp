// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/ui/frm_car_all1.h"

#include "core/message.h"
#include "core/number_format.h"
#include "core/ui/date_field.h"
#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/text_field.h"
#include "core/ui/window_context.h"
#include "vehicle/car_allowance_fields.h"
#include "vehicle/car_allowance_layout.h"
#include "vehicle/car_allowance_validation.h"
#include "vehicle/vehicle_calculators.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr int kPrintPanelTop = 1200;

// The columns of the results panel: label, amount, the fixed-cost working, cents a km, unit.
constexpr int kLabelColumn = 0;
constexpr int kAmountColumn = 1;
constexpr int kWorkingColumn = 2;
constexpr int kCentsColumn = 3;
constexpr int kUnitColumn = 4;

constexpr std::string_view kSecondShowing = "_1";

PrintPanelOptions printPanelOptions()
{
    PrintPanelOptions options;
    options.languageChoice = false;
    options.nameControl = qText(kCarAllowanceEmployeeNameField.controlName);
    return options;
}

bool isCostField(const FieldDescription& field)
{
    for (const FieldDescription* cost :
         {&kFuelOilField, &kRepairsField, &kInsuranceLicenceField, &kOtherExpensesField,
          &kWearAndTearField, &kLeasePaymentsField}) {
        if (&field == cost) {
            return true;
        }
    }
    return false;
}

bool isCentsAKm(const FieldDescription& field)
{
    return field.unit == "cents a km";
}

const ResultBinding<CarAllowanceResults>* resultBinding(std::string_view controlName)
{
    for (const auto& binding : carAllowanceCalculator().results) {
        if (binding.field->controlName == controlName) {
            return &binding;
        }
    }
    return nullptr;
}

} // namespace

frmCarAll1::frmCarAll1(CarAllowanceState& state, const WindowContext& context, QWidget* parent)
    : CalculatorWindow(tr("Travel Allowance"), parent, {.settings = false}), m_state(state),
      m_messages(context.messages), m_printer(context.printer),
      m_binder(state.inputs, carAllowanceCalculator().inputs, context.messages,
               carAllowanceCalculator().refusalMessage),
      m_printPanel(new PrintPanel(this, printPanelOptions()))
{
    setObjectName(qText(carAllowanceCalculator().windowName));
    m_state.open();
    const QList<QWidget*> order = buildFields();
    buildResults();
    m_binder.bind(this);

    for (const InputBinding<CarAllowanceInputs>& binding : carAllowanceCalculator().inputs) {
        const FieldDescription& field = *binding.field;
        if (&field == &kWearAndTearField || &field == &kLeasePaymentsField) {
            // Only one of the two may hold an amount; the refused amount goes back to 0 with the
            // message once the typing that entered it has been handled.
            m_binder.setEditHandler(field, [this, &binding](const InputValue& value) {
                if (auto problem = enterCarAllowanceValue(m_state.inputs, binding, value)) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, problem = *problem] {
                            m_binder.showValues();
                            m_binder.showProblem(problem);
                        },
                        Qt::QueuedConnection);
                }
            });
        } else if (field.kind == FieldKind::Date) {
            m_binder.setRefusalHandler(
                field, [this, &field](std::optional<double>) { refuseDate(field); });
        }
        // Escape puts back what a field held when it got the focus (CarAllowanceUndo says
        // which fields take part).
        QWidget* widget = m_binder.field(field);
        if (widget != nullptr && &field != &kCarAllowanceEmployeeNameField) {
            widget->installEventFilter(this);
            m_undoFields.insert(widget, &field);
        }
    }
    // The start date may not pass the end date, nor the end date precede the start date.
    auto* start = qobject_cast<DateField*>(m_binder.field(kCarAllowanceStartDateField));
    auto* end = qobject_cast<DateField*>(m_binder.field(kCarAllowanceEndDateField));
    connect(start, &DateField::focusEntered, this,
            [this, start] { start->setLatest(m_state.inputs.endDate); });
    connect(end, &DateField::focusEntered, this,
            [this, end] { end->setEarliest(m_state.inputs.startDate); });

    // "&Print" calculates before the print panel shows, and the panel starts on its first
    // output button.
    connect(printButton(), &QPushButton::clicked, this, [this] { calculate(); });
    usePrintPanel(m_printPanel, kPrintPanelTop);
    connect(m_printPanel, &PrintPanel::opened, this,
            [this] { m_printPanel->printDirectlyButton()->setFocus(Qt::OtherFocusReason); });

    setTabOrderOf(order);
    applyLayout();
    showResults();
}

QList<QWidget*> frmCarAll1::buildFields()
{
    QList<QWidget*> order;
    const auto labelFor = [this](const FieldDescription& field, QWidget* buddy) {
        auto* label = new QLabel(qText(field.label), this);
        label->setBuddy(buddy);
        return label;
    };
    const auto fieldFor = [this](const FieldDescription& field) {
        return FormBuilder::createField(field, this);
    };

    auto* top = new QGridLayout;
    QWidget* description = fieldFor(kCarDescriptionField);
    top->addWidget(labelFor(kCarDescriptionField, description), 0, 0);
    top->addWidget(description, 0, 1, 1, 3);
    order << description;

    auto* method = new QButtonGroup(this);
    m_yes = new QRadioButton(tr("&Yes"), this);
    m_yes->setObjectName(qText(kAccurateRecordField.controlName));
    m_no = new QRadioButton(tr("&No"), this);
    m_no->setObjectName(QStringLiteral("Option3"));
    method->addButton(m_yes);
    method->addButton(m_no);
    (m_state.inputs.AccurateRecordKept ? m_yes : m_no)->setChecked(true);
    auto* choice = new QHBoxLayout;
    choice->addWidget(m_yes);
    choice->addWidget(m_no);
    choice->addStretch();
    top->addWidget(labelFor(kAccurateRecordField, m_yes), 1, 0);
    top->addLayout(choice, 1, 1, 1, 3);
    order << m_yes << m_no;
    connect(m_yes, &QRadioButton::toggled, this, [this](bool yes) { chooseMethod(yes); });

    // The value, the allowance, the readings and the business distance on the left, the six
    // actual costs on the right.
    int left = 2;
    int right = 2;
    for (const InputBinding<CarAllowanceInputs>& binding : carAllowanceCalculator().inputs) {
        const FieldDescription& field = *binding.field;
        const bool number = field.kind == FieldKind::WholeNumber && field.maximum > 1.0;
        if (!number) {
            continue;
        }
        QWidget* widget = fieldFor(field);
        QLabel* label = labelFor(field, widget);
        if (isCostField(field)) {
            top->addWidget(label, right, 2);
            top->addWidget(widget, right++, 3);
            m_costLabels << label;
            m_costFields << widget;
        } else {
            top->addWidget(label, left, 0);
            top->addWidget(widget, left++, 1);
        }
        order << widget;
    }
    top->setColumnStretch(1, 1);
    top->setColumnStretch(3, 1);
    top->setColumnMinimumWidth(2, 140);
    bodyLayout()->addLayout(top);

    auto* includes = new QHBoxLayout;
    m_includeFuel = new QCheckBox(qText(kIncludeFuelField.label), this);
    m_includeFuel->setObjectName(qText(kIncludeFuelField.controlName));
    m_includeMaintenance = new QCheckBox(qText(kIncludeMaintenanceField.label), this);
    m_includeMaintenance->setObjectName(qText(kIncludeMaintenanceField.controlName));
    m_includeFuel->setChecked(m_state.inputs.IncludeFuelCosts);
    m_includeMaintenance->setChecked(m_state.inputs.IncludeMaintenanceCosts);
    connect(m_includeFuel, &QCheckBox::clicked, this, [this](bool ticked) {
        m_state.inputs.IncludeFuelCosts = ticked;
        calculate();
    });
    connect(m_includeMaintenance, &QCheckBox::clicked, this, [this](bool ticked) {
        m_state.inputs.IncludeMaintenanceCosts = ticked;
        calculate();
    });
    includes->addWidget(m_includeFuel);
    includes->addWidget(m_includeMaintenance);
    includes->addStretch();
    bodyLayout()->addLayout(includes);
    order << m_includeFuel << m_includeMaintenance;

    auto* period = new QHBoxLayout;
    for (const FieldDescription* field :
         {&kCarAllowanceStartDateField, &kCarAllowanceEndDateField}) {
        QWidget* widget = fieldFor(*field);
        QLabel* label = labelFor(*field, widget);
        period->addWidget(label);
        period->addWidget(widget);
        period->addSpacing(12);
        m_periodLabels << label;
        m_dateFields << widget;
        order << widget;
    }
    // Under the actual costs an empty field covers the days.
    m_days = new QStackedWidget(this);
    auto* days = qobject_cast<NumericField*>(fieldFor(kPeriodDaysField));
    days->setDigitLimits(3, 0);
    m_resultFields.insert(days->objectName(), days);
    auto* cover = new QLineEdit(this);
    cover->setObjectName(QStringLiteral("txtDaysCover"));
    cover->setReadOnly(true);
    cover->setFocusPolicy(Qt::NoFocus);
    m_days->addWidget(days);
    m_days->addWidget(cover);
    m_days->setMaximumWidth(days->sizeHint().width());
    QLabel* daysLabel = labelFor(kPeriodDaysField, days);
    m_periodLabels << daysLabel;
    period->addWidget(daysLabel);
    period->addWidget(m_days);
    period->addStretch();
    bodyLayout()->addSpacing(6);
    bodyLayout()->addLayout(period);
    return order;
}

void frmCarAll1::buildResults()
{
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("fraResults"));
    m_resultGrid = new QGridLayout(box);
    m_resultGrid->setColumnStretch(kUnitColumn + 1, 1);
    m_fixedCostWorking = new QLabel(box);
    m_fixedCostWorking->setObjectName(QStringLiteral("lblFixedCostWorking"));
    m_fixedCostWorking->setMinimumWidth(m_fixedCostWorking->fontMetrics().horizontalAdvance(
        tr("x %1/365 days / %2 Kms. =").arg(365).arg(QStringLiteral("9 999 999"))));
    bodyLayout()->addSpacing(6);
    bodyLayout()->addWidget(box);
}

NumericField* frmCarAll1::resultField(const FieldDescription& field, int occurrence)
{
    QString name = qText(field.controlName);
    if (occurrence > 0) {
        name += qText(kSecondShowing);
    }
    NumericField* value = m_resultFields.value(name);
    if (value == nullptr) {
        value = new NumericField(field, m_resultGrid->parentWidget());
        value->setObjectName(name);
        value->setDigitLimits(8, field.decimals);
        m_resultFields.insert(name, value);
    }
    return value;
}

void frmCarAll1::chooseMethod(bool accurateRecordKept)
{
    m_state.inputs.AccurateRecordKept = accurateRecordKept;
    applyLayout();
}

void frmCarAll1::applyLayout()
{
    const CarAllowanceLayout layout = carAllowanceLayout(m_state.inputs.AccurateRecordKept);
    for (QLabel* label : m_costLabels) {
        label->setVisible(layout.costFields);
    }
    for (QWidget* field : m_costFields) {
        field->setEnabled(layout.costFields);
    }
    for (QLabel* label : m_periodLabels) {
        label->setVisible(layout.period);
    }
    for (QWidget* field : m_dateFields) {
        field->setEnabled(layout.period);
    }
    m_days->setCurrentIndex(layout.period ? 0 : 1);

    // The panel's lines are laid out afresh: the labels are the method's, and a figure the panel
    // shows twice has a second field.
    qDeleteAll(m_resultRowWidgets);
    m_resultRowWidgets.clear();
    for (NumericField* field : std::as_const(m_resultFields)) {
        if (field->objectName() != qText(kPeriodDaysField.controlName)) {
            m_resultGrid->removeWidget(field);
            field->hide();
        }
    }
    m_resultGrid->removeWidget(m_fixedCostWorking);
    m_fixedCostWorking->hide();
    const auto addText = [this](const QString& text, int row, int column) {
        auto* label = new QLabel(text, m_resultGrid->parentWidget());
        m_resultGrid->addWidget(label, row, column);
        m_resultRowWidgets << label;
        return label;
    };
    int row = -1;
    for (std::size_t i = 0; i < layout.results.size(); ++i) {
        const CarAllowanceResultLine& line = layout.results[i];
        int later = 0;
        for (std::size_t j = i + 1; j < layout.results.size(); ++j) {
            later += layout.results[j].field == line.field ? 1 : 0;
        }
        NumericField* value = resultField(*line.field, later);
        const QString label = qText(line.label);
        if (line.label.empty()) {
            // The fixed cost's working goes on its own line: x days / 365 / km = cents a km.
            m_resultGrid->addWidget(m_fixedCostWorking, row, kWorkingColumn);
            m_fixedCostWorking->show();
        } else {
            ++row;
            addText(label, row, kLabelColumn)->setBuddy(value);
        }
        // A label that ends in its own "R" stands for the field's sign.
        value->setSign(label.endsWith(QStringLiteral(" R")) ? FieldSign::None : line.field->sign);
        if (isCentsAKm(*line.field)) {
            m_resultGrid->addWidget(value, row, kCentsColumn);
            addText(tr("cents/km"), row, kUnitColumn);
        } else {
            m_resultGrid->addWidget(value, row, kAmountColumn);
        }
        value->show();
    }
}

void frmCarAll1::showResults()
{
    for (auto it = m_resultFields.cbegin(); it != m_resultFields.cend(); ++it) {
        QString name = it.key();
        if (name.endsWith(qText(kSecondShowing))) {
            name.chop(static_cast<int>(kSecondShowing.size()));
        }
        if (const auto* binding = resultBinding(name.toStdString())) {
            it.value()->setValue(binding->get(m_state.results));
        }
    }
    const CarAllowanceResults& r = m_state.results;
    m_fixedCostWorking->setText(tr("x %1/365 days / %2 Kms. =")
                                    .arg(r.PeriodDays)
                                    .arg(qText(formatNumber(r.TotalKm, "### ### ##0"))));
}

void frmCarAll1::calculate()
{
    if (auto problem = carAllowanceCalculator().check(m_state.inputs)) {
        m_binder.showProblem(*problem, calculateButton());
        return;
    }
    m_state.calculate();
    m_binder.showValues();
    showResults();
}

void frmCarAll1::print(PrintDestination destination, PrintLanguage)
{
    m_printer.print(
        carAllowanceCalculator().printout(m_state.inputs, m_state.results, PrintLanguage::English),
        destination);
}

void frmCarAll1::refuseDate(const FieldDescription& field)
{
    const WindowReply reply = refuseCarAllowanceDate(m_state.inputs, field, isVisible());
    m_binder.showValues();
    if (reply.message) {
        m_messages.show(*reply.message);
    }
    if (reply.focus != nullptr) {
        returnFocusTo(m_binder.field(*reply.focus));
    }
}

void frmCarAll1::closeEvent(QCloseEvent* event)
{
    calculate();
    CalculatorWindow::closeEvent(event);
}

void frmCarAll1::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !m_printPanel->isOpen()) {
        calculate();
        okButton()->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    CalculatorWindow::keyPressEvent(event);
}

bool frmCarAll1::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const FieldDescription* field = m_undoFields.value(widget);
    if (field != nullptr && event->type() == QEvent::FocusIn) {
        m_undo.focusEntered(*field, m_state.inputs);
    } else if (field != nullptr && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (m_undo.escape(m_state.inputs) != nullptr) {
            m_binder.showValues();
            return true;
        }
    }
    return CalculatorWindow::eventFilter(watched, event);
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/ui/frm_comp_car.h"

#include "core/message.h"
#include "core/ui/date_field.h"
#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/window_context.h"
#include "vehicle/company_car_fields.h"
#include "vehicle/company_car_validation.h"
#include "vehicle/vehicle_calculators.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr int kPrintPanelTop = 1500;

// The window's two columns: the vehicle, its distances and its fuel; the running costs and the
// fringe benefit against the code 3802 amounts.
const std::vector<const FieldDescription*> kVehicleColumn{
    &kRegNumberField,      &kCarMakeField,
    &kCarModelField,       &kYearOfManufactureField,
    &kCarPriceField,       &kMaintIncludedField,
    &kCarStartDateField,   &kCarEndDateField,
    &kCarDaysField,        &kStartMileageField,
    &kEndMileageField,     &kCarTotalDistanceField,
    &kCarBusDistanceField, &kCarPrivateDistanceField,
    &kLogBookField,        &kActualFuelField,
    &kFuelTableField,      &kFuelComponentField,
    &kFuelReimbursedField, &kFuelClaimField,
};
const std::vector<const FieldDescription*> kBenefitColumn{
    &kInsuranceField,          &kLicenceField,        &kMaintenanceField,
    &kAdditionalExpensesField, &kTrueInclusionField,  &kActual3802Field,
    &kFb3802ThisCarField,      &kAutoCalc3802Field,   &kTrueInclusionAgainField,
    &kFuelAndExpensesField,    &kAdjustmentField,     &kSarsClaimField,
    &kTotalAdjustmentField,    &kTotalSarsClaimField, &kIrp53802Field,
};
// The fringe benefits a period, 80 % beside 20 %.
const std::vector<std::pair<const FieldDescription*, const FieldDescription*>> kBenefitRows{
    {&kMonthly80Field, &kMonthly20Field},
    {&kFortnightly80Field, &kFortnightly20Field},
    {&kWeekly80Field, &kWeekly20Field},
};

bool isCheckBox(const FieldDescription& field)
{
    return field.kind == FieldKind::WholeNumber && field.maximum == 1.0;
}

} // namespace

frmCompCar::frmCompCar(CompanyCarRegister& reg, const WindowContext& context, QWidget* parent)
    : CalculatorWindow(qText(kCompanyCarTitle), parent, {.settings = false}), m_reg(reg),
      m_messages(context.messages), m_printer(context.printer),
      m_vehicle(m_shown, companyCarVehicleBindings(), context.messages,
                [](const FieldDescription& field, std::optional<double> rejected,
                   const CompanyCarRecord& current) {
                    return companyCarRefusalMessage(field, rejected, current);
                }),
      m_shared(reg.shared(), companyCarSharedBindings(), context.messages),
      m_results(companyCarResultBindings()), m_totals(companyCarTotalBindings()),
      m_printPanel(new PrintPanel(this, PrintPanelOptions::plain()))
{
    setObjectName(qText(kCompanyCarWindowName));
    const QList<QWidget*> order = buildFields();
    m_vehicle.bind(this);
    m_shared.bind(this);
    m_results.bind(this);
    m_totals.bind(this);
    bindVehicleFields();

    // "&Print" calculates the register before the print panel shows.
    connect(printButton(), &QPushButton::clicked, this, [this] { calculate(); });
    usePrintPanel(m_printPanel, kPrintPanelTop);

    setTabOrderOf(order, {m_add, m_delete, m_back, m_forward});
    m_reg.open();
    showVehicle();
    applyControls();
    // The word-wrapped labels let the form be laid out a few pixels lower than it asks to be; the
    // window takes the height it asks for, so that a larger (maximised) window keeps every control
    // where it stood.
    ensurePolished();
    setMinimumSize(sizeHint());
}

QPushButton* frmCompCar::registerButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QList<QWidget*> frmCompCar::buildFields()
{
    QList<QWidget*> order;
    auto* columns = new QHBoxLayout;
    // Room for the largest figure beside its sign: an input's 99 999 999.00, a vehicle's
    // additional expenses of up to 299 999 997.00, an adjustment or a total below -100 000 000.
    const int fieldWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("R -999 999 999.00")) + 16;
    // A periodic fringe benefit reaches 2 800 000.00 (a month at 80 % of the largest price).
    const int benefitWidth = fontMetrics().horizontalAdvance(QStringLiteral("R 9 999 999.00")) + 16;
    const auto addColumn = [&](const std::vector<const FieldDescription*>& fields) {
        auto* grid = new QGridLayout;
        // Close rows, so that the whole window stands in a main window on a 768-pixel screen.
        grid->setVerticalSpacing(2);
        int row = 0;
        for (const FieldDescription* field : fields) {
            if (isCheckBox(*field)) {
                auto* box = new QCheckBox(qText(field->label), this);
                box->setObjectName(qText(field->controlName));
                m_checks.insert(box->objectName(), box);
                grid->addWidget(box, row++, 0, 1, 2);
                if (field != &kRegNumberField) {
                    m_vehicleWidgets << box;
                }
                order << box;
                continue;
            }
            QWidget* widget = FormBuilder::createField(*field, this);
            widget->setFixedWidth(fieldWidth);
            auto* label = new QLabel(qText(field->label), this);
            label->setWordWrap(true);
            label->setBuddy(widget);
            grid->addWidget(label, row, 0);
            grid->addWidget(widget, row++, 1);
            if (field == &kRegNumberField) {
                m_regNumber = widget;
                m_regNumberLabel = label;
            } else {
                m_vehicleWidgets << label << widget;
            }
            if (!field->readOnly) {
                order << widget;
            }
        }
        grid->setRowStretch(row, 1);
        columns->addLayout(grid);
        return grid;
    };
    addColumn(kVehicleColumn);
    columns->addSpacing(16);
    QGridLayout* benefit = addColumn(kBenefitColumn);

    // The periodic fringe benefits under their two headings.
    int row = benefit->rowCount() - 1;
    benefit->setRowStretch(row, 0);
    auto* heading = new QHBoxLayout;
    for (const char* text : {kFringeBenefit80Heading, kFringeBenefit20Heading}) {
        auto* label = new QLabel(QString::fromLatin1(text), this);
        label->setAlignment(Qt::AlignCenter);
        heading->addWidget(label);
        m_vehicleWidgets << label;
    }
    benefit->addLayout(heading, row++, 1);
    for (const auto& [at80, at20] : kBenefitRows) {
        auto* pair = new QHBoxLayout;
        pair->setSpacing(6);
        QWidget* first = nullptr;
        for (const FieldDescription* field : {at80, at20}) {
            auto* number = qobject_cast<NumericField*>(FormBuilder::createField(*field, this));
            number->setFixedWidth(benefitWidth);
            pair->addWidget(number);
            m_vehicleWidgets << number;
            first = first == nullptr ? number : first;
        }
        auto* label = new QLabel(qText(at80->label), this);
        label->setBuddy(first);
        m_vehicleWidgets << label;
        benefit->addWidget(label, row, 0);
        benefit->addLayout(pair, row++, 1);
    }
    benefit->setRowStretch(row, 1);
    bodyLayout()->addLayout(columns);

    auto* buttons = new QHBoxLayout;
    m_add = registerButton(tr("&Add"), QStringLiteral("cmdAdd"));
    m_delete = registerButton(tr("&Delete"), QStringLiteral("cmdDelete"));
    m_back = registerButton(tr("&Back"), QStringLiteral("cmdBack"));
    m_forward = registerButton(tr("&Forward"), QStringLiteral("cmdForward"));
    for (QPushButton* button : {m_add, m_delete, m_back, m_forward}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    bodyLayout()->addSpacing(8);
    bodyLayout()->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, [this] {
        const WindowReply reply = m_reg.add();
        showVehicle();
        applyControls();
        answer(reply);
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        m_reg.remove();
        showVehicle();
        applyControls();
    });
    for (const auto& [button, move] : {std::pair{m_back, &CompanyCarRegister::back},
                                       std::pair{m_forward, &CompanyCarRegister::forward}}) {
        connect(button, &QPushButton::clicked, this, [this, move = move] {
            (m_reg.*move)();
            showVehicle();
            applyControls();
        });
    }
    return order;
}

void frmCompCar::bindVehicleFields()
{
    // Every edit goes into the fields' copy and into the register's current vehicle.
    for (const InputBinding<CompanyCarRecord>& binding : companyCarVehicleBindings()) {
        m_vehicle.setEditHandler(*binding.field, [this, &binding](const InputValue& value) {
            binding.set(m_shown, value);
            binding.set(m_reg.current(), value);
        });
        if (binding.field->kind == FieldKind::Date) {
            const FieldDescription& field = *binding.field;
            m_vehicle.setRefusalHandler(
                field, [this, &field](std::optional<double>) { refuseDate(field); });
        }
    }
    // What the registration number unlocks follows the user's typing in it.
    // (textEdited comes before the field's textChanged, which the binding listens to.)
    connect(qobject_cast<QLineEdit*>(m_regNumber), &QLineEdit::textEdited, this,
            [this](const QString& text) {
                m_shown.CCRegNumber = m_reg.current().CCRegNumber = text.toStdString();
                const WindowReply reply = m_reg.registrationEdited();
                applyControls();
                answer(reply);
            });

    auto* start = qobject_cast<DateField*>(m_vehicle.field(kCarStartDateField));
    auto* end = qobject_cast<DateField*>(m_vehicle.field(kCarEndDateField));
    connect(start, &DateField::focusEntered, this,
            [this, start] { start->setLatest(m_reg.current().CCEndDate); });
    connect(end, &DateField::focusEntered, this,
            [this, end] { end->setEarliest(m_reg.current().CCStartDate); });
    end->installEventFilter(this);

    const auto onClick = [this](const FieldDescription& field, auto action) {
        connect(m_checks.value(qText(field.controlName)), &QCheckBox::clicked, this, action);
    };
    onClick(kMaintIncludedField, [this](bool ticked) {
        m_shown.MaintIncluded = m_reg.current().MaintIncluded = ticked;
    });
    onClick(kLogBookField,
            [this](bool ticked) { m_shown.BussMilage = m_reg.current().BussMilage = ticked; });
    onClick(kFuelTableField, [this](bool ticked) {
        m_reg.setFuelTable(ticked);
        m_shown = m_reg.current();
        m_vehicle.showValues();
        if (!ticked) {
            qobject_cast<NumericField*>(findChild<QWidget*>(qText(kFuelComponentField.controlName)))
                ->setValue(0.0);
        }
    });
    onClick(kAutoCalc3802Field, [this](bool ticked) {
        m_reg.setAutoSplit(ticked);
        applyControls();
    });
}

void frmCompCar::showVehicle()
{
    m_shown = m_reg.current();
    m_vehicle.showValues();
    m_shared.showValues();
    m_checks.value(qText(kMaintIncludedField.controlName))->setChecked(m_shown.MaintIncluded);
    m_checks.value(qText(kLogBookField.controlName))->setChecked(m_shown.BussMilage);
    m_checks.value(qText(kFuelTableField.controlName))->setChecked(m_shown.SARSTable);
    m_checks.value(qText(kAutoCalc3802Field.controlName))->setChecked(m_reg.shared().AutoCalc3802);
    m_results.show(m_reg.currentResults());
    m_totals.show(m_reg.totals());
    setWindowTitle(qText(m_reg.caption()));
}

void frmCompCar::applyControls()
{
    const CompanyCarControls& controls = m_reg.controls();
    for (QWidget* widget : std::as_const(m_vehicleWidgets)) {
        widget->setEnabled(controls.vehicleFields);
    }
    m_vehicle.field(kFb3802ThisCarField)->setEnabled(m_reg.fb3802ThisCarEnabled());
    m_regNumber->setEnabled(controls.registrationNumber);
    m_regNumberLabel->setEnabled(controls.registrationNumber);
    m_add->setEnabled(controls.cmdAdd);
    m_delete->setEnabled(controls.cmdDelete);
    m_back->setEnabled(controls.cmdBack);
    m_forward->setEnabled(controls.cmdForward);
    okButton()->setEnabled(controls.cmdOk);
    calculateButton()->setEnabled(controls.cmdCalculate);
    printButton()->setEnabled(controls.cmdPrint);
    m_checks.value(qText(kAutoCalc3802Field.controlName))->setVisible(controls.autoSplitVisible);
}

void frmCompCar::answer(const WindowReply& reply)
{
    if (reply.message) {
        m_messages.show(*reply.message);
    }
    if (reply.focus != nullptr) {
        returnFocusTo(m_vehicle.field(*reply.focus));
    }
}

void frmCompCar::refuseDate(const FieldDescription& field)
{
    const WindowReply reply = m_reg.refuseDate(field, isVisible());
    m_shown = m_reg.current();
    m_vehicle.showValues();
    answer(reply);
}

void frmCompCar::calculate()
{
    m_reg.calculate();
    showVehicle();
}

void frmCompCar::print(PrintDestination destination, PrintLanguage)
{
    m_printer.print(companyCarPrintout(m_reg), destination);
}

void frmCompCar::closeEvent(QCloseEvent* event)
{
    const WindowReply reply = m_reg.close();
    if (reply.message) {
        answer(reply);
        event->ignore();
        return;
    }
    CalculatorWindow::closeEvent(event);
}

bool frmCompCar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_vehicle.field(kCarEndDateField) && event->type() == QEvent::FocusOut) {
        m_reg.endDateLeft();
    }
    return CalculatorWindow::eventFilter(watched, event);
}

} // namespace grovan

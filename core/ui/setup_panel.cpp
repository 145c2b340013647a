// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/setup_panel.h"

#include "core/setup_fields.h"
#include "core/tax_year.h"
#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace grovan {

namespace {

constexpr FieldDescription kEmployeeFund =
    setupPercentField("numPenContPerc", "Employee R/Fund contributions", "employeeFundPercent");
constexpr FieldDescription kEmployerFund =
    setupPercentField("numPenPercentage", "Employer R/Fund contributions", "employerFundPercent");

// The shared set-up fields are described once, with the engine's periodic set-up bindings.
const FieldDescription& sharedField(std::string_view controlName)
{
    for (const auto& binding : periodicSetupBindings()) {
        if (binding.field->controlName == controlName) {
            return *binding.field;
        }
    }
    std::abort(); // a control name of this file that the bindings lack: a programming error
}

} // namespace

SetupPanel::SetupPanel(SetupValues& values, SettingsDatabase store, QWidget* window,
                       SetupFields fields, SetupSource source)
    : OverlayPanel(tr("Setup"), window), m_values(values), m_store(std::move(store)),
      m_fields(fields), m_source(source), m_opened(values)
{
    setObjectName(QStringLiteral("fraSetup"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    FormBuilder form(grid, this);

    const bool package = fields == SetupFields::Package;
    if (package) {
        addField(form, kEmployeeFund, &SetupValues::PensionCont);
        addField(form, kEmployerFund, &SetupValues::EmployerPenCont);
    }
    const FieldDescription& uifLimit = sharedField("numUIFLimit");
    const FieldDescription& skillsLevy = sharedField("numSkillPercent");
    addField(form, sharedField("numEmpEUIF"), &SetupValues::EmployeeUIF);
    addField(form, sharedField("numEmpRUIF"), &SetupValues::EmployerUIF);
    if (package) {
        addField(form, skillsLevy, &SetupValues::SkillLevy);
        addField(form, uifLimit, &SetupValues::UIFLimit);
    } else {
        addField(form, uifLimit, &SetupValues::UIFLimit);
        addField(form, skillsLevy, &SetupValues::SkillLevy);
    }
    m_uifLimit = form.numeric(QStringLiteral("numUIFLimit"));

    m_travel =
        addChoice(form, tr("Travel allowance inclusion rate :"), QStringLiteral("optTAIncRate80"),
                  tr("80%"), QStringLiteral("optTAIncRate20"), tr("20%"));
    connect(m_travel.first, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            m_values.TAIncRate8020 = TaxYearConstants::InclusionRate80;
        }
    });
    connect(m_travel.second, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            m_values.TAIncRate8020 = TaxYearConstants::InclusionRate20;
        }
    });
    if (package) {
        m_companyCar = addChoice(form, tr("Company car fringe benefit rate "),
                                 QStringLiteral("optCompCarFBRate80"), tr("80%"),
                                 QStringLiteral("optCompCarFBRate20"), tr("20%"));
        connect(m_companyCar.first, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                m_values.CompCarFBRate8020 = TaxYearConstants::InclusionRate80;
            }
        });
        connect(m_companyCar.second, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                m_values.CompCarFBRate8020 = TaxYearConstants::InclusionRate20;
            }
        });
        m_maintenancePlan = addChoice(form, tr("Company car has maintenance plan "),
                                      QStringLiteral("optCompCarMPYes"), tr("Yes"),
                                      QStringLiteral("optCompCarMPNo"), tr("No"));
        connect(m_maintenancePlan.first, &QRadioButton::toggled, this,
                [this](bool checked) { m_values.CompCarMPYesNo = checked; });
    }

    m_ok = new QPushButton(tr("O&K"), this);
    m_ok->setObjectName(QStringLiteral("cmdSetupOK"));
    m_ok->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &SetupPanel::confirm);

    showValues();
}

void SetupPanel::showValues()
{
    for (const auto& [field, value] : std::as_const(m_numbers)) {
        field->setValue(m_values.*value);
    }
    showInclusion(m_travel, m_values.TAIncRate8020);
    if (m_fields == SetupFields::Package) {
        showInclusion(m_companyCar, m_values.CompCarFBRate8020);
        (m_values.CompCarMPYesNo ? m_maintenancePlan.first : m_maintenancePlan.second)
            ->setChecked(true);
    }
}

NumericField* SetupPanel::field(const QString& controlName) const
{
    return findChild<NumericField*>(controlName, Qt::FindDirectChildrenOnly);
}

QRadioButton* SetupPanel::option(const QString& controlName) const
{
    return findChild<QRadioButton*>(controlName);
}

void SetupPanel::addField(FormBuilder& form, const FieldDescription& description,
                          double SetupValues::*value)
{
    auto* field = qobject_cast<NumericField*>(form.addRow(description));
    m_numbers.append({field, value});
    connect(field, &NumericField::valueChanged, this,
            [this, value](double changed) { m_values.*value = changed; });
    // A value outside the range is told, and the field, back at its earlier value, takes the
    // focus again, as in the calculator's own fields.
    connect(field, &NumericField::outOfRange, this, [this, field, &description] {
        m_store.messages().show(setupRangeMessage(description));
        field->returnFocus();
    });
}

SetupPanel::Choice SetupPanel::addChoice(FormBuilder& form, const QString& label,
                                         const QString& firstName, const QString& firstCaption,
                                         const QString& secondName, const QString& secondCaption)
{
    auto* row = new QWidget(this);
    auto* first = new QRadioButton(firstCaption, row);
    first->setObjectName(firstName);
    auto* second = new QRadioButton(secondCaption, row);
    second->setObjectName(secondName);
    auto* group = new QButtonGroup(row);
    group->addButton(first);
    group->addButton(second);
    // One width for every option, so that the options of all rows stand in two columns.
    const int optionWidth = first->sizeHint().width() -
                            first->fontMetrics().horizontalAdvance(firstCaption) +
                            first->fontMetrics().horizontalAdvance(QStringLiteral("80%MMM"));
    first->setMinimumWidth(optionWidth);
    second->setMinimumWidth(optionWidth);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    form.addRow(label, row);
    return {group, first, second};
}

void SetupPanel::showInclusion(const Choice& choice, double rate)
{
    switch (inclusionOptionFor(rate)) {
    case InclusionOption::Rate80:
        choice.first->setChecked(true);
        break;
    case InclusionOption::Rate20:
        choice.second->setChecked(true);
        break;
    case InclusionOption::Neither:
        // An exclusive group cannot be emptied button by button.
        choice.group->setExclusive(false);
        choice.first->setChecked(false);
        choice.second->setChecked(false);
        choice.group->setExclusive(true);
        break;
    }
}

void SetupPanel::confirm()
{
    emit aboutToSave();
    m_values.UIFLimit = m_uifLimit->shownValue();
    const bool saved = m_source == SetupSource::Stored
                           ? m_store.save(m_values, m_fields)
                           : m_store.saveChanged(m_opened, m_values, m_fields);
    closePanel();
    emit confirmed(saved);
}

} // namespace grovan

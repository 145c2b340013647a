// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/ui/salary_package_window.h"

#include "core/ui/busy_cursor.h"
#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/setup_panel.h"
#include "core/ui/twips.h"
#include "core/ui/window_context.h"
#include "package/package_calculators.h"
#include "package/package_field_kinds.h"
#include "package/package_fields.h"
#include "package/package_panels.h"
#include "package/package_setup.h"
#include "package/ui/ra_explanation_panel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>

namespace grovan {

namespace {

constexpr int kLabelColumn = 0;
constexpr int kEmployeeColumn = 1;
// The cost-to-company column stands in a frame of three grid columns: margin, fields, margin.
constexpr int kCostFrameColumn = 2;
constexpr int kCostColumn = 3;
constexpr int kCostFrameColumns = 3;
constexpr int kCostMargin = 8;
constexpr int kRowSpacing = 2;
constexpr int kOnceOffSpacing = 6;

// Result fields have room for the largest figures the amounts can give.
constexpr int kResultIntegerDigits = 10;

// The rows of the two columns, top to bottom: the employee's field and the cost-to-company
// field on the same item (either may be missing, or absent from a window); the row's label is
// the first field's.
struct FieldRow
{
    const char* employee;
    const char* cost;
};

constexpr std::array<FieldRow, 14> kRowsAboveOtherExpenses{{
    {"numAge", nullptr},
    {"numNetMonSalReq", "numCCNetMonSalReq"},
    {"numCompCar", "numCCCompCar"},
    {"numTravAll", "numCCTravAll"},
    {"numMedAidCont", "numCCMedAidCont"},
    {"numPMems", nullptr},
    {"numOTaxFB", "numCCOTaxFB"},
    {"numRFundCont", "numCCRFundCont"},
    {"numMedDeduct", nullptr},
    {"numUIFCont", "numCCUIFCont"},
    {nullptr, "numCCSkillLev"},
    {"numMAns", nullptr},
    {"numTaxCredit", nullptr},
    {"numTaxDeduct", nullptr},
}};
constexpr std::array<FieldRow, 2> kRowsBelowOtherExpenses{{
    {"numGrossSal", nullptr},
    {nullptr, "numTotCostComp"},
}};
constexpr int kOtherExpenseRows = 4;

// The print panel's name field, which the window binds to its inputs like any other field.
const QString kNameControl = PrintPanelOptions{}.nameControl;

PrintPanelOptions packagePrintPanel()
{
    PrintPanelOptions options;
    options.languageChoice = false;
    options.nameLabel = qText(kPackagePrintPanel.nameLabel);
    options.nameHint = qText(kPackagePrintPanel.nameHint);
    options.nameLength = kTaxpayerNameLength;
    return options;
}

// A field that keeps its room in the layout while hidden, so that nothing moves.
void keepRoomWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

SalaryPackageWindow::SalaryPackageWindow(PackageWindowKind kind, const WindowContext& context,
                                         QWidget* parent)
    : CalculatorWindow(qText(packageWindow(kind).caption), parent), m_design(packageWindow(kind)),
      m_record(context.lastTaxableIncome), m_printer(context.printer),
      m_setup(packageCalculator(kind).openingSetup(context.settings.load())),
      m_form(packageCalculator(kind), m_inputs, context.messages),
      m_copies(packageCopyBindings(m_design))
{
    setObjectName(qText(m_design.windowName));
    const QList<QWidget*> tabOrder = buildFields();
    buildPanels(context);
    m_form.bind(this);
    m_copies.bind(this);
    followCopies();
    for (const InputBinding<PackageInputs>& binding : m_form.definition().inputs) {
        if (auto* number = qobject_cast<NumericField*>(m_form.binder().field(*binding.field))) {
            // After the binding has written the value: the copies follow it.
            connect(number, &NumericField::valueChanged, this, [this] { followCopies(); });
        }
    }
    setTabOrderOf(tabOrder, {m_raButton});
}

QList<QWidget*> SalaryPackageWindow::buildFields()
{
    m_raButton = new QPushButton(tr("&R/A Explained"), this);
    m_raButton->setObjectName(QStringLiteral("cmdRAExpl"));
    m_raButton->setAutoDefault(false);
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(m_raButton);
    bodyLayout()->addLayout(top);

    auto* container = new QWidget(this);
    auto* grid = new QGridLayout(container);
    grid->setContentsMargins(0, 0, 0, 0);
    // Close rows, so that the window fits a screen 768 pixels high with its warning.
    grid->setVerticalSpacing(kRowSpacing);
    grid->setColumnMinimumWidth(kCostFrameColumn, kCostMargin);
    grid->setColumnMinimumWidth(kCostColumn + 1, kCostMargin);
    // Room to spare goes to the labels; the two columns of figures stay together.
    grid->setColumnStretch(kLabelColumn, 1);

    // The fields of the definition, by control name; the print panel makes its own name field.
    QHash<QString, QWidget*> fields;
    QHash<QString, const FieldDescription*> descriptions;
    QList<QWidget*> tabOrder;
    QList<NumericField*> numbers;
    for (const InputBinding<PackageInputs>& binding : m_form.definition().inputs) {
        const QString name = qText(binding.field->controlName);
        if (name == kNameControl) {
            continue;
        }
        QWidget* field = FormBuilder::createField(*binding.field, container);
        if (binding.field->kind == FieldKind::Text) {
            // Room for the description's characters, not for the whole label column.
            field->setFixedWidth(field->fontMetrics().averageCharWidth() *
                                     (kOtherExpenseTextLength + 2) +
                                 field->fontMetrics().height());
        }
        fields.insert(name, field);
        descriptions.insert(name, binding.field);
        tabOrder.append(field);
        if (auto* number = qobject_cast<NumericField*>(field)) {
            numbers.append(number);
        }
    }
    for (const ResultBinding<PackageResults>& binding : m_form.definition().results) {
        const QString name = qText(binding.field->controlName);
        if (name.isEmpty()) {
            continue;
        }
        auto* field = new NumericField(*binding.field, container);
        field->setDigitLimits(kResultIntegerDigits, binding.field->decimals);
        field->setToolTip(qText(binding.field->meaning));
        fields.insert(name, field);
        descriptions.insert(name, binding.field);
        numbers.append(field);
    }
    // Every number as wide as the widest, so that the figures line up.
    int width = 0;
    for (const NumericField* number : std::as_const(numbers)) {
        width = std::max(width, number->sizeHint().width());
    }
    for (NumericField* number : std::as_const(numbers)) {
        number->setFixedWidth(width);
    }

    int row = 0;
    const auto addLabel = [&](const QString& text, QWidget* buddy, int column = kLabelColumn,
                              int span = 1) {
        auto* label = new QLabel(text, container);
        label->setBuddy(buddy);
        label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        grid->addWidget(label, row, column, 1, span);
        return label;
    };
    const auto addRow = [&](const FieldRow& line) {
        QWidget* employee = line.employee ? fields.value(QLatin1String(line.employee)) : nullptr;
        QWidget* cost = line.cost ? fields.value(QLatin1String(line.cost)) : nullptr;
        if (employee == nullptr && cost == nullptr) {
            return;
        }
        QWidget* first = employee != nullptr ? employee : cost;
        addLabel(qText(descriptions.value(first->objectName())->label), first);
        if (employee != nullptr) {
            grid->addWidget(employee, row, kEmployeeColumn);
        }
        if (cost != nullptr) {
            grid->addWidget(cost, row, kCostColumn);
        }
        ++row;
    };

    auto* costFrame = new QFrame(container);
    costFrame->setFrameShape(QFrame::StyledPanel);
    costFrame->setFrameShadow(QFrame::Sunken);
    auto* costTitle = new QLabel(tr("Cost to company"), container);
    QFont bold = costTitle->font();
    bold.setBold(true);
    costTitle->setFont(bold);
    grid->addWidget(costTitle, row, kCostColumn, Qt::AlignHCenter);
    const int firstRow = row++;

    for (const FieldRow& line : kRowsAboveOtherExpenses) {
        addRow(line);
    }
    for (int i = 0; i < kOtherExpenseRows; ++i) {
        QWidget* text = fields.value(controlArrayName(QStringLiteral("txtOtherDet"), i));
        if (i == 0) {
            addLabel(qText(descriptions.value(text->objectName())->label), text);
            ++row;
        }
        grid->addWidget(text, row, kLabelColumn);
        grid->addWidget(fields.value(controlArrayName(QStringLiteral("numOtherDet"), i)), row,
                        kEmployeeColumn);
        grid->addWidget(fields.value(controlArrayName(QStringLiteral("numOtherDetCC"), i)), row,
                        kCostColumn);
        ++row;
    }
    for (const FieldRow& line : kRowsBelowOtherExpenses) {
        addRow(line);
    }
    grid->addWidget(costFrame, firstRow, kCostFrameColumn, row - firstRow, kCostFrameColumns);
    costFrame->lower();

    // "(plus a "once-off" cost of R" [numOnceOff] "for the company car and ...", shown only
    // when the calculation says so.
    auto* onceOff = fields.value(QStringLiteral("numOnceOff"));
    auto* before = new QLabel(qText(kOnceOffBefore), container);
    auto* after = new QLabel(qText(kOnceOffAfter), container);
    before->setBuddy(onceOff);
    after->setBuddy(onceOff);
    auto* onceOffRow = new QHBoxLayout;
    onceOffRow->setSpacing(kOnceOffSpacing);
    onceOffRow->addWidget(before);
    onceOffRow->addWidget(onceOff);
    onceOffRow->addWidget(after);
    onceOffRow->addStretch();
    m_onceOff = {before, onceOff, after};
    for (QWidget* widget : std::as_const(m_onceOff)) {
        keepRoomWhenHidden(widget);
        widget->hide();
    }
    bodyLayout()->addWidget(container);
    bodyLayout()->addLayout(onceOffRow);

    m_warning = new QLabel(qText(kFundWarning), this);
    m_warning->setObjectName(QStringLiteral("lblRFundWarning"));
    m_warning->setAlignment(Qt::AlignCenter);
    m_warning->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    m_warning->hide();
    bodyLayout()->addWidget(m_warning);
    return tabOrder;
}

void SalaryPackageWindow::buildPanels(const WindowContext& context)
{
    m_setupPanel = new SetupPanel(m_setup, context.settings, this, SetupFields::Package);
    useSetupPanel(m_setupPanel, m_design.setupPanelTopTwips);
    m_setupPanel->disableWhileOpen(widgetsNamed(buttonsDisabledBy(PackagePanel::Setup)));
    // The back-calculation windows clear both R/Fund percentages when together they pass the
    // rule, as soon as either changes and again at "O&K" before it saves.
    const auto keepFundRule = [this] {
        if (applyFundPercentRule(m_design, m_setup)) {
            m_setupPanel->showValues();
        }
    };
    for (const char* name : {"numPenContPerc", "numPenPercentage"}) {
        connect(m_setupPanel->field(QLatin1String(name)), &NumericField::valueChanged, this,
                keepFundRule);
    }
    connect(m_setupPanel, &SetupPanel::aboutToSave, this, keepFundRule);

    m_printPanel = new PrintPanel(this, packagePrintPanel());
    m_printPanel->disableWhileOpen(widgetsNamed(buttonsDisabledBy(PackagePanel::Print)));
    connect(printButton(), &QPushButton::clicked, this, &SalaryPackageWindow::openPrintPanel);
    connect(m_printPanel, &PrintPanel::printDirectly, this,
            [this](PrintLanguage language) { print(PrintDestination::Printer, language); });
    connect(m_printPanel, &PrintPanel::viewReport, this,
            [this](PrintLanguage language) { print(PrintDestination::Window, language); });

    m_raPanel = new RAExplanationPanel(this);
    m_raPanel->disableWhileOpen(widgetsNamed(buttonsDisabledBy(PackagePanel::RAExplanation)));
    connect(m_raButton, &QPushButton::clicked, this, &SalaryPackageWindow::openRAPanel);
}

QList<QWidget*> SalaryPackageWindow::widgetsNamed(std::span<const std::string_view> names) const
{
    QList<QWidget*> widgets;
    for (const std::string_view name : names) {
        if (auto* widget = findChild<QWidget*>(qText(name))) {
            widgets.append(widget);
        }
    }
    return widgets;
}

void SalaryPackageWindow::followCopies()
{
    m_form.binder().showValues();
    m_copies.show(m_inputs);
}

void SalaryPackageWindow::calculate()
{
    const BusyCursor busy;
    m_calcFailed = !m_form.calculate(m_setup, m_record, calculateButton());
    if (m_calcFailed) {
        return;
    }
    showOnceOff();
    showButtonLayout();
}

void SalaryPackageWindow::showOnceOff()
{
    for (QWidget* widget : std::as_const(m_onceOff)) {
        widget->setVisible(results().OnceOffShown);
    }
}

void SalaryPackageWindow::showButtonLayout()
{
    const PackageButtonLayout layout = packageButtonLayout(m_design, results());
    printButton()->setEnabled(layout.printEnabled);
    if (layout.warningShown == m_warningShown) {
        return;
    }
    m_warningShown = layout.warningShown;
    // The label moves the buttons down and the window grows by what the design's heights
    // differ in; without it the window takes back the height it had.
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* resized = frame != nullptr ? static_cast<QWidget*>(frame) : this;
    const int growth = twipsToPixels(m_design.buttonsWithWarning.windowHeightTwips -
                                         m_design.buttonsWithoutWarning.windowHeightTwips,
                                     this);
    if (layout.warningShown) {
        m_heightWithoutWarning = resized->height();
    }
    m_warning->setVisible(layout.warningShown);
    // The new minimum height now, so that the window may shrink back at once.
    for (QWidget* widget : {static_cast<QWidget*>(this), resized}) {
        if (widget->layout() != nullptr) {
            widget->layout()->activate();
        }
    }
    resized->resize(resized->width(), m_heightWithoutWarning + (layout.warningShown ? growth : 0));
}

void SalaryPackageWindow::openPrintPanel()
{
    calculate();
    if (!m_calcFailed && printPanelMayOpen(results())) {
        m_printPanel->showAt(m_design.setupPanelTopTwips);
    }
}

void SalaryPackageWindow::openRAPanel()
{
    const PackageState state{m_inputs, m_setup, results()};
    m_raPanel->setLines(raExplanationLines(m_design, state));
    m_raPanel->showAt(m_design.setupPanelTopTwips);
}

void SalaryPackageWindow::print(PrintDestination destination, PrintLanguage)
{
    m_printer.print(m_form.printout(PrintLanguage::English), destination);
}

} // namespace grovan

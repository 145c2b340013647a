// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/ui/frm_rapell.h"

#include "core/ui/activation_watch.h"
#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/window_context.h"
#include "package/package_calculators.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr int kPrintPanelTop = 1200;

constexpr int kLabelColumn = 0;
constexpr int kRateColumn = 1;
constexpr int kBetweenColumn = 2;
constexpr int kAmountColumn = 3;
constexpr int kAfterColumn = 4;

// The figures stand in a typewriter face, so that their digits line up under each other.
QFont figureFont(const QFont& base)
{
    QFont font(QStringLiteral("Courier New"), base.pointSize());
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

frmRapell::frmRapell(TaxSummary& summary, const WindowContext& context, QWidget* parent)
    : CalculatorWindow(tr("Rapell"), parent,
                       {.settings = false, .printControl = QStringLiteral("cmPrint")}),
      m_summary(summary), m_record(context.lastTaxableIncome), m_printer(context.printer),
      m_form(quickTaxCalculator(), summary, context.messages),
      m_printPanel(new PrintPanel(this, PrintPanelOptions::plain()))
{
    setObjectName(qText(quickTaxCalculator().windowName));
    buildFields();

    const std::span<const InputBinding<TaxSummary>> inputs = quickTaxCalculator().inputs;
    // The typed income is the program's last taxable income from now on.
    m_form.binder().setEditHandler(*inputs[0].field, [this](const InputValue& value) {
        setQuickTaxIncome(m_summary, m_record, std::get<double>(value));
    });
    m_form.bind(this);
    usePrintPanel(m_printPanel, kPrintPanelTop);

    QList<QWidget*> order;
    for (const InputBinding<TaxSummary>& binding : inputs) {
        order.append(m_form.binder().field(*binding.field));
    }
    setTabOrderOf(order);
    new ActivationWatch(this, [this] { calculate(); });
    calculate();
}

void frmRapell::buildFields()
{
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(kAfterColumn + 1, 1);
    const QFont font = figureFont(this->font());
    int row = 0;
    // Each result has room for the figure it shows at the fields' maxima.
    const std::optional<TaxSummary> largest = quickTaxCalculator().largestResults();

    const auto addField = [&](const FieldDescription& description, int column) {
        auto* field = qobject_cast<NumericField*>(FormBuilder::createField(description, fields));
        field->setFont(font);
        grid->addWidget(field, row, column);
        return field;
    };
    const auto addResult = [&](const ResultBinding<TaxSummary>& binding, int column) {
        NumericField* field = addField(*binding.field, column);
        field->setDigitLimits(largest ? shownIntegerDigits(binding, *largest) : 10,
                              binding.field->decimals);
        return field;
    };
    const auto addLabel = [&](const QString& text, int column, QWidget* buddy) {
        auto* label = new QLabel(text, fields);
        label->setBuddy(buddy);
        grid->addWidget(label, row, column);
    };

    for (const InputBinding<TaxSummary>& binding : quickTaxCalculator().inputs) {
        addLabel(qText(binding.field->label), kLabelColumn,
                 addField(*binding.field, kAmountColumn));
        ++row;
    }
    for (const ResultBinding<TaxSummary>& binding : quickTaxCalculator().results) {
        const FieldDescription& description = *binding.field;
        if (description.controlName == "sidbEdit1(3)") {
            // "+ Portion @ M/Rate (" rate "%) R" portion: the marginal rate and the tax on the
            // excess share one row; the row's own "R" stands before the portion.
            addLabel(qText(description.label), kLabelColumn, addResult(binding, kRateColumn));
            continue;
        }
        if (description.controlName == "sidbEdit1(4)") {
            NumericField* portion = addResult(binding, kAmountColumn);
            portion->setSign(FieldSign::None);
            addLabel(qText(description.label), kBetweenColumn, portion);
            ++row;
            continue;
        }
        NumericField* field = addResult(binding, kAmountColumn);
        addLabel(qText(description.label), kLabelColumn, field);
        if (description.kind == FieldKind::Percent) {
            addLabel(QStringLiteral("%"), kAfterColumn, field);
        }
        ++row;
    }
    bodyLayout()->addWidget(fields);
}

void frmRapell::calculate()
{
    takeLastTaxableIncome(m_summary, m_record);
    m_form.calculate(SetupValues{}, m_record, calculateButton());
}

void frmRapell::print(PrintDestination destination, PrintLanguage)
{
    RapellPrint(destination);
}

void frmRapell::RapellPrint(PrintDestination destination)
{
    m_printer.print(m_form.printout(PrintLanguage::English), destination);
}

} // namespace grovan

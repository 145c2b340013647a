// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/frm_loans.h"

#include "core/ui/activation_watch.h"
#include "core/ui/busy_cursor.h"
#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_printer.h"
#include "core/ui/window_context.h"
#include "finance/loan_definition.h"
#include "finance/loan_fields.h"
#include "finance/loan_schedule.h"
#include "finance/ui/loan_graph_window.h"
#include "finance/ui/loan_schedule_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace grovan {

namespace {

constexpr int kPrintPanelTop = 900;
constexpr int kSchedulePanelTop = 120;

const QColor kSolvedShade(255, 255, 128);
const QColor kTypedShade(Qt::white);

QString caption(std::string_view control)
{
    for (const ControlCaption& each : loanWindowCaptions()) {
        if (each.control == control) {
            return qText(each.caption);
        }
    }
    return {};
}

QPushButton* sideButton(std::string_view control, QWidget* parent)
{
    auto* button = new QPushButton(caption(control), parent);
    button->setObjectName(qText(control));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmLoans::frmLoans(LoanInputs& loan, const WindowContext& context, QWidget* parent)
    : CalculatorWindow(qText(kLoansCaption), parent, {.settings = false}), m_loan(loan),
      m_record(context.lastTaxableIncome), m_messages(context.messages), m_printer(context.printer),
      m_form(loanCalculator(), loan, context.messages),
      m_printPanel(new PrintPanel(this, PrintPanelOptions::finance())),
      m_schedulePanel(new LoanSchedulePanel(this))
{
    setObjectName(qText(loanCalculator().windowName));
    m_loan.printOptions = LoanPrintOptions{};
    buildFields();
    buildModes();
    buildPrintOptions();
    m_form.bind(this);
    usePrintPanel(m_printPanel, kPrintPanelTop);

    connect(m_finCharges, &QPushButton::clicked, this, &frmLoans::toggleTotals);
    connect(m_monthly, &QPushButton::clicked, this, [this] { showSchedule(false); });
    connect(m_annual, &QPushButton::clicked, this, [this] { showSchedule(true); });
    connect(m_graphButton, &QPushButton::clicked, this, &frmLoans::showGraph);
    connect(m_schedulePanel->okButton(), &QPushButton::clicked, this,
            [this] { okButton()->setFocus(Qt::OtherFocusReason); });

    setTabOrderOf({m_fields.begin(), m_fields.end()},
                  {m_finCharges, m_monthly, m_annual, m_graphButton});
    new ActivationWatch(this, [this] { activate(); });
    activate();
    field(loanModeFocus(m_loan.CalcMode))->setFocus(Qt::OtherFocusReason);
}

LoanGraphWindow* frmLoans::graphWindow() const
{
    return m_graph;
}

NumericField* frmLoans::field(LoanQuantity quantity) const
{
    return m_fields[static_cast<std::size_t>(quantity)];
}

void frmLoans::buildFields()
{
    auto* top = new QHBoxLayout;
    auto* fields = new QWidget(this);
    FormBuilder form(fields);
    for (const LoanQuantity quantity : {LoanQuantity::Principal, LoanQuantity::Period,
                                        LoanQuantity::Rate, LoanQuantity::Repayment}) {
        const FieldDescription& description = loanQuantityField(quantity);
        m_fields[static_cast<std::size_t>(quantity)] =
            qobject_cast<NumericField*>(form.addRow(description));
    }
    // The "   Error" marker stands beside the rate when a solved rate lies above 50 %.
    m_rateError = new QLabel(caption("Text1"), fields);
    m_rateError->setObjectName(QStringLiteral("Text1"));
    QPalette red = m_rateError->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_rateError->setPalette(red);
    QFont bold = m_rateError->font();
    bold.setBold(true);
    m_rateError->setFont(bold);
    // Its room is kept while it is hidden, so that the fields never move.
    QSizePolicy keepRoom = m_rateError->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_rateError->setSizePolicy(keepRoom);
    m_rateError->hide();
    int rateRow = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
    form.grid()->getItemPosition(form.grid()->indexOf(field(LoanQuantity::Rate)), &rateRow, &column,
                                 &rows, &columns);
    form.grid()->addWidget(m_rateError, rateRow, 3);
    form.grid()->setColumnStretch(4, 1);

    const std::span<const ResultBinding<LoanResults>> results = loanResultBindings();
    for (const ResultBinding<LoanResults>& binding : results) {
        const FieldDescription& description = *binding.field;
        if (description.controlName != "numAns1" && description.controlName != "numAns2") {
            continue;
        }
        auto* total = qobject_cast<NumericField*>(form.addRow(description));
        total->setDigitLimits(13, 2);
        // The row took the width of the field's own range; the totals run to 13 digits.
        total->setMinimumWidth(std::max(total->minimumWidth(), total->sizeHint().width()));
        (description.controlName == "numAns1" ? m_totalInterest : m_totalRepayments) = total;
        m_totals << total << form.label(qText(description.controlName));
    }
    setTotalsShown(false);
    top->addWidget(fields, 1);

    auto* side = new QVBoxLayout;
    m_finCharges = sideButton("cmdFinCharge", this);
    m_monthly = sideButton("cmdMonAmort", this);
    m_annual = sideButton("cmdAnnAmort", this);
    m_graphButton = sideButton("cmdLoanGraph", this);
    auto* modes = new QGroupBox(caption("fraLoanCalcMode"), this);
    modes->setObjectName(QStringLiteral("fraLoanCalcMode"));
    side->addWidget(modes);
    for (QPushButton* button : {m_finCharges, m_monthly, m_annual, m_graphButton}) {
        side->addWidget(button);
    }
    side->addStretch();
    top->addLayout(side);
    bodyLayout()->addLayout(top);
}

void frmLoans::buildModes()
{
    auto* modes = findChild<QGroupBox*>(QStringLiteral("fraLoanCalcMode"));
    auto* layout = new QVBoxLayout(modes);
    auto* title = new QLabel(caption("Label12(0)"), modes);
    title->setObjectName(QStringLiteral("Label12(0)"));
    m_modeName = new QLabel(modes);
    m_modeName->setObjectName(QStringLiteral("Label12(1)"));
    QFont bold = m_modeName->font();
    bold.setBold(true);
    m_modeName->setFont(bold);
    for (int item = 0; item < 4; ++item) {
        const QString name = controlArrayName(QStringLiteral("optLoanCalc"), item);
        auto* option = new QRadioButton(caption(name.toStdString()), modes);
        option->setObjectName(name);
        m_modes[static_cast<std::size_t>(item)] = option;
        layout->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, item] { chooseMode(item); });
    }
    layout->addSpacing(6);
    layout->addWidget(title);
    layout->addWidget(m_modeName);
}

void frmLoans::buildPrintOptions()
{
    m_includeAmort = new QCheckBox(caption("Check1"), m_printPanel);
    m_includeAmort->setObjectName(QStringLiteral("Check1"));
    m_amortFrame = new QGroupBox(m_printPanel);
    m_amortFrame->setObjectName(QStringLiteral("fraIncAmort"));
    auto* kinds = new QHBoxLayout(m_amortFrame);
    for (int index = 0; index < 2; ++index) {
        const QString name = controlArrayName(QStringLiteral("Option1"), index);
        auto* option = new QRadioButton(caption(name.toStdString()), m_amortFrame);
        option->setObjectName(name);
        m_amortKinds[static_cast<std::size_t>(index)] = option;
        kinds->addWidget(option);
        connect(option, &QRadioButton::clicked, this,
                [this, index] { m_loan.printOptions.chooseOption1(index); });
    }
    m_amortFrame->setEnabled(false);
    m_printPanel->extraLayout()->addWidget(m_includeAmort);
    m_printPanel->extraLayout()->addWidget(m_amortFrame);
    connect(m_includeAmort, &QCheckBox::toggled, this, [this](bool ticked) {
        m_loan.printOptions.setCheck1(ticked);
        m_amortFrame->setEnabled(m_loan.printOptions.frameEnabled());
        if (ticked) {
            m_amortKinds[0]->setChecked(true);
        }
    });
}

void frmLoans::chooseMode(int item)
{
    if (!chooseLoanCalcMode(m_loan, item)) {
        return;
    }
    showMode();
    field(loanModeFocus(m_loan.CalcMode))->setFocus(Qt::OtherFocusReason);
}

void frmLoans::showMode()
{
    m_modes[static_cast<std::size_t>(m_loan.CalcMode)]->setChecked(true);
    m_modeName->setText(qText(loanCalcModeName(m_loan.CalcMode)));
    for (const LoanQuantity quantity : {LoanQuantity::Principal, LoanQuantity::Period,
                                        LoanQuantity::Rate, LoanQuantity::Repayment}) {
        const LoanFieldMark mark = loanFieldMark(m_loan.CalcMode, quantity);
        NumericField* shown = field(quantity);
        shown->setReadOnlyMode(mark.readOnly);
        QPalette shade = shown->palette();
        shade.setColor(QPalette::Base,
                       mark.shade == FieldShade::Yellow ? kSolvedShade : kTypedShade);
        shown->setPalette(shade);
        shown->setFocusPolicy(mark.inTabOrder ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void frmLoans::activate()
{
    showMode();
    m_form.binder().showValues();
    // A rate solved above 50 % that is now typed in another mode waits for "&Calculate" to say
    // so: a message here would reactivate the window when it closes, and say it again.
    if (!loanCalculator().check(m_loan)) {
        calculateLoan();
    }
    setTotalsShown(m_loan.FinChargesState == FinCharges::Down);
}

void frmLoans::calculate()
{
    calculateLoan();
}

bool frmLoans::calculateLoan()
{
    const BusyCursor busy;
    m_rateError->hide();
    const bool calculated = m_form.calculate(SetupValues{}, m_record, calculateButton());
    if (calculated) {
        m_rateError->setVisible(m_form.results().rateErrorShown);
    }
    setTotalsShown(m_loan.FinChargesState == FinCharges::Down);
    return calculated;
}

void frmLoans::setTotalsShown(bool shown)
{
    for (QWidget* each : m_totals) {
        each->setVisible(shown);
    }
}

void frmLoans::toggleTotals()
{
    const LoanTotalsPanel panel = toggleFinCharges(m_loan);
    if (panel.shown) {
        m_totalInterest->setValue(panel.totals.TotalInterest);
        m_totalRepayments->setValue(panel.totals.TotalRepayments);
    }
    setTotalsShown(panel.shown);
}

void frmLoans::showSchedule(bool annual)
{
    const BusyCursor busy;
    auto grid = annual ? annualScheduleGrid(m_loan) : monthlyScheduleGrid(m_loan);
    if (!grid) {
        field(LoanQuantity::Principal)->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_schedulePanel->showGrid(std::move(*grid));
    // A grid wider than the window widens the window (its frame, inside the main window).
    const int missing = m_schedulePanel->sizeHint().width() + 16 - width();
    if (missing > 0) {
        auto* ownFrame = qobject_cast<QMdiSubWindow*>(parentWidget());
        QWidget* frame = ownFrame != nullptr ? static_cast<QWidget*>(ownFrame) : this;
        frame->resize(frame->width() + missing, frame->height());
    }
    m_schedulePanel->showAt(kSchedulePanelTop);
}

void frmLoans::showGraph()
{
    auto schedule = loanGraphData(m_loan);
    if (!schedule) {
        okButton()->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The graph is opened afresh: one that is open closes first.
    if (m_graph) {
        auto* frame = qobject_cast<QMdiSubWindow*>(m_graph->parentWidget());
        if (frame != nullptr) {
            frame->close();
        } else {
            m_graph->close();
        }
    }
    auto* graph = new LoanGraphWindow(std::move(*schedule), m_messages);
    m_graph = graph;
    auto* ownFrame = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* area = ownFrame != nullptr ? ownFrame->mdiArea() : nullptr;
    if (area != nullptr) {
        QMdiSubWindow* frame = area->addSubWindow(graph);
        frame->resize(frame->sizeHint());
        frame->move(0, 0);
        frame->show();
        area->setActiveSubWindow(frame);
        return;
    }
    graph->setParent(this, Qt::Window);
    graph->move(window()->geometry().topLeft());
    graph->show();
    graph->raise();
    graph->activateWindow();
}

void frmLoans::print(PrintDestination destination, PrintLanguage)
{
    if (!calculateLoan() || !loanPrintAllowed(m_loan)) {
        m_printPanel->keepOpen();
        return;
    }
    m_printer.print(m_form.printout(PrintLanguage::English), destination);
}

} // namespace grovan

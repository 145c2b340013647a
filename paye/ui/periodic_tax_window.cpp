// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/ui/periodic_tax_window.h"

#include "core/ui/info_panel.h"
#include "core/ui/print_panel.h"
#include "core/ui/setup_panel.h"
#include "core/ui/window_context.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace grovan {

namespace {

constexpr int kInfoPanelTop = 600;

// The employees'-tax windows' general information, as the information panel shows it.
const char* const kGeneralInformation =
    "The amount entered in the Salary/remuneration field should contain the fringe benefit "
    "amounts such as the code 3802 fringe benefit amount for the use of a company car but must "
    "not include any travel allowance in this Salary/remuneration amount.  Note that both "
    "employer\u2019s and employee\u2019s R/Fund contributions qualify as a tax deduction off "
    "taxable income.  Employer\u2019s contributions paid to R/Funds i.r.o. the employee are "
    "taxable in the hands of the employee as a fringe benefit.  Grovan will include the "
    "employer\u2019s R/Fund contributions, that you enter here, in with Salary/Remuneration to "
    "determine total income so enter Salary/Remuneration as being without the employer\u2019s "
    "R/Fund contribution fringe benefit.  A portion of contributions paid by both the employer "
    "and the employee to Pension, R/A and Provident funds may qualify as a deduction from "
    "taxable income.  The deduction is limited to the lessor of contributions paid or 27.5% of "
    "remuneration/salary/income.  The deduction is capped at R350,000 per year. ";

} // namespace

PeriodicTaxWindow::PeriodicTaxWindow(const QString& caption, const WindowContext& context,
                                     PanelTops tops, QWidget* parent)
    : CalculatorWindow(caption, parent), m_messages(context.messages),
      m_taxableIncome(context.lastTaxableIncome), m_printer(context.printer),
      m_storedSetup(context.settings.loadStored()), m_setup(m_storedSetup.value_or(SetupValues{}))
{
    m_infoButton = new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxInformation),
                                   tr("&Information"), this);
    m_infoButton->setObjectName(QStringLiteral("cmdInfo(0)"));
    m_infoButton->setAutoDefault(false);
    m_infoButton->setToolTip(tr("General Information"));
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(m_infoButton);
    bodyLayout()->addLayout(top);

    m_setupPanel = new SetupPanel(m_setup, context.settings, this, SetupFields::Periodic,
                                  m_storedSetup ? SetupSource::Stored : SetupSource::Standard);
    m_printPanel = new PrintPanel(this);
    m_infoPanel = new InfoPanel(QString::fromUtf8(kGeneralInformation), this);
    useSetupPanel(m_setupPanel, tops.setup);
    usePrintPanel(m_printPanel, tops.print);
    useInfoPanel(m_infoPanel, m_infoButton, kInfoPanelTop);
}

void PeriodicTaxWindow::setFieldOrder(const QList<QWidget*>& fields)
{
    setTabOrderOf(fields, {m_infoButton});
}

} // namespace grovan

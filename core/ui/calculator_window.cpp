// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/calculator_window.h"

#include "core/ui/access_key_scope.h"
#include "core/ui/info_panel.h"
#include "core/ui/print_panel.h"
#include "core/ui/setup_panel.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

namespace {

QPushButton* mainButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Calculate")) +
                            32);
    return button;
}

} // namespace

CalculatorWindow::CalculatorWindow(const QString& caption, QWidget* parent,
                                   const MainButtonOptions& options)
    : QWidget(parent), m_body(new QVBoxLayout),
      m_ok(mainButton(tr("&OK"), QStringLiteral("cmdOk"), this)),
      m_calculate(mainButton(tr("&Calculate"), QStringLiteral("cmdCalculate"), this)),
      m_settings(options.settings ? mainButton(tr("&Settings"), QStringLiteral("cmdSettings"), this)
                                  : nullptr),
      m_print(mainButton(tr("&Print"), options.printControl, this))
{
    setWindowTitle(caption);
    auto* form = new QVBoxLayout;
    form->addLayout(m_body);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QWidget* button : mainButtons()) {
        buttons->addWidget(button);
    }
    form->addSpacing(8);
    form->addLayout(buttons);
    // The form keeps its size in a larger (maximised) window, at the top left, with its buttons
    // below it; the room left over stays empty.
    auto* layout = new QGridLayout(this);
    layout->addLayout(form, 0, 0);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);

    new AccessKeyScope(this);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
    connect(m_calculate, &QPushButton::clicked, this, [this] { calculate(); });
}

QList<QWidget*> CalculatorWindow::mainButtons() const
{
    if (m_settings == nullptr) {
        return {m_ok, m_calculate, m_print};
    }
    return {m_ok, m_calculate, m_settings, m_print};
}

void CalculatorWindow::useSetupPanel(SetupPanel* panel, int topTwips)
{
    Q_ASSERT(m_settings != nullptr);
    panel->disableWhileOpen(mainButtons());
    connect(m_settings, &QPushButton::clicked, panel,
            [panel, topTwips] { panel->showAt(topTwips); });
    // The recalculation waits until the events the confirmation left (a field that lost the
    // focus to "O&K" handing in its value) have run.
    connect(
        panel, &SetupPanel::confirmed, this, [this] { calculate(); }, Qt::QueuedConnection);
}

void CalculatorWindow::usePrintPanel(PrintPanel* panel, int topTwips)
{
    panel->disableWhileOpen(mainButtons());
    connect(m_print, &QPushButton::clicked, panel, [panel, topTwips] { panel->showAt(topTwips); });
    connect(panel, &PrintPanel::printDirectly, this,
            [this](PrintLanguage language) { print(PrintDestination::Printer, language); });
    connect(panel, &PrintPanel::viewReport, this,
            [this](PrintLanguage language) { print(PrintDestination::Window, language); });
}

void CalculatorWindow::useInfoPanel(InfoPanel* panel, QAbstractButton* opener, int topTwips)
{
    panel->disableWhileOpen(mainButtons());
    connect(opener, &QAbstractButton::clicked, panel,
            [panel, topTwips] { panel->showAt(topTwips); });
}

void CalculatorWindow::setTabOrderOf(const QList<QWidget*>& fields,
                                     const QList<QWidget*>& afterButtons)
{
    const QList<QWidget*> order = fields + mainButtons() + afterButtons;
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    if (!fields.isEmpty()) {
        fields.front()->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace grovan

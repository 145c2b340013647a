// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/ui/ra_explanation_panel.h"

#include "core/ui/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grovan {

RAExplanationPanel::RAExplanationPanel(QWidget* window)
    : OverlayPanel(qText(kRAPanelCaption), window)
{
    setObjectName(QStringLiteral("fraRAExpl"));
    auto* layout = new QVBoxLayout(this);
    for (int number = 0; number < static_cast<int>(std::tuple_size_v<RALines>); ++number) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblRAExpl(%1)").arg(number));
        label->setTextFormat(Qt::PlainText);
        m_lines.append(label);
    }
    for (const int number : kRALineOrder) {
        layout->addWidget(m_lines[number]);
    }
    m_ok = new QPushButton(tr("&OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdRAOK"));
    m_ok->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &OverlayPanel::closePanel);
}

void RAExplanationPanel::setLines(const RALines& lines)
{
    for (std::size_t number = 0; number < lines.size(); ++number) {
        m_lines[static_cast<qsizetype>(number)]->setText(qText(lines[number]));
    }
}

QString RAExplanationPanel::line(int number) const
{
    return m_lines.value(number) != nullptr ? m_lines[number]->text() : QString();
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/info_panel.h"

#include "core/ui/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace grovan {

InfoPanel::InfoPanel(const QString& text, QWidget* window, int widthTwips)
    : OverlayPanel(tr("General Information"), window), m_text(new QLabel(this)),
      m_ok(new QPushButton(tr("&OK"), this)), m_widthTwips(widthTwips)
{
    setObjectName(QStringLiteral("fraInfo_One"));
    m_text->setObjectName(QStringLiteral("lblInfo_One"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setText(text);
    m_ok->setObjectName(QStringLiteral("cmdOK_Info_One"));
    m_ok->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &InfoPanel::closePanel);
}

void InfoPanel::setText(const QString& text)
{
    m_text->setText(text);
}

QString InfoPanel::text() const
{
    return m_text->text();
}

QSize InfoPanel::sizeWithin(int availableWidth) const
{
    const int width = std::min(twipsToPixels(m_widthTwips, this), availableWidth);
    return {width, heightForWidth(width)};
}

} // namespace grovan

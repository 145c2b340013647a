// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/overlay_panel.h"

#include "core/ui/twips.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QLayout>
#include <QPainter>

#include <algorithm>

namespace grovan {

namespace {

constexpr int kSideMargin = 8;
constexpr int kCaptionPadding = 3;

// The width of the window's form, which a larger (maximised) window keeps at its left: the
// panels stand over the form.
int formWidth(const QWidget& window)
{
    const QLayout* layout = window.layout();
    return layout == nullptr ? window.width()
                             : std::min(window.width(), layout->sizeHint().width());
}

} // namespace

OverlayPanel::OverlayPanel(const QString& caption, QWidget* window)
    : QFrame(window), m_caption(caption)
{
    // Opaque, so the controls behind it do not show through, and lifted off them by a shadow.
    setAutoFillBackground(true);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(12);
    shadow->setOffset(2, 3);
    shadow->setColor(QColor(0, 0, 0, 90));
    setGraphicsEffect(shadow);
    updateMargins();
    QFrame::setVisible(false);
}

void OverlayPanel::setTitle(const QString& caption)
{
    m_caption = caption;
    updateMargins();
    update();
}

int OverlayPanel::windowWidthNeeded() const
{
    return minimumSizeHint().width() + 2 * kSideMargin;
}

void OverlayPanel::showAt(int topTwips, std::optional<int> leftTwips)
{
    const QWidget* window = parentWidget();
    const int across = window ? formWidth(*window) : sizeHint().width();
    const int available = window ? across - 2 * kSideMargin : across;
    resize(sizeWithin(std::max(available, minimumSizeHint().width())));
    const int left =
        leftTwips ? twipsToPixels(*leftTwips, this) : std::max(0, (across - width()) / 2);
    move(left, twipsToPixels(topTwips, this));
    setVisible(true);
}

void OverlayPanel::disableWhileOpen(const QList<QWidget*>& widgets)
{
    m_toDisable.clear();
    for (QWidget* widget : widgets) {
        m_toDisable.append(widget);
    }
}

void OverlayPanel::setVisible(bool visible)
{
    const bool wasOpen = isOpen();
    if (visible == wasOpen) {
        QFrame::setVisible(visible);
        if (visible) {
            raise();
        }
        return;
    }
    if (visible) {
        m_focusBefore = window() ? window()->focusWidget() : nullptr;
        m_disabled.clear();
        for (const QPointer<QWidget>& widget : m_toDisable) {
            if (widget) {
                m_disabled.append({widget, widget->isEnabled()});
                widget->setEnabled(false);
            }
        }
        QFrame::setVisible(true);
        raise();
        if (QWidget* first = initialFocus()) {
            first->setFocus(Qt::OtherFocusReason);
        }
        emit opened();
        return;
    }
    QFrame::setVisible(false);
    for (const Disabled& entry : m_disabled) {
        if (entry.widget) {
            entry.widget->setEnabled(entry.wasEnabled);
        }
    }
    m_disabled.clear();
    if (m_focusBefore && m_focusBefore->isEnabled() && m_focusBefore->isVisible() &&
        !isAncestorOf(m_focusBefore)) {
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    }
    emit closed();
}

void OverlayPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_caption.isEmpty()) {
        return;
    }
    // The caption stands in a strip of its own along the top, like a small window's title.
    QFont bold = font();
    bold.setBold(true);
    const int strip = QFontMetrics(bold).height() + 2 * kCaptionPadding;
    painter.fillRect(QRect(1, 1, width() - 2, strip), palette().color(QPalette::Midlight));
    painter.drawLine(1, strip + 1, width() - 2, strip + 1);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(1 + 2 * kCaptionPadding, 1, width() - 4 * kCaptionPadding, strip),
                     Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

void OverlayPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMargins();
    }
}

void OverlayPanel::updateMargins()
{
    QFont bold = font();
    bold.setBold(true);
    const int top = m_caption.isEmpty() ? 1 : QFontMetrics(bold).height() + 2 * kCaptionPadding + 2;
    setContentsMargins(1, top, 1, 1);
}

QSize OverlayPanel::sizeWithin(int availableWidth) const
{
    const QSize wanted = sizeHint();
    return {std::min(wanted.width(), availableWidth), wanted.height()};
}

QWidget* OverlayPanel::initialFocus() const
{
    for (QWidget* candidate = nextInFocusChain(); candidate && candidate != this;
         candidate = candidate->nextInFocusChain()) {
        if (!isAncestorOf(candidate)) {
            break;
        }
        if (candidate->isEnabled() && candidate->isVisibleTo(this) &&
            (candidate->focusPolicy() & Qt::TabFocus)) {
            return candidate;
        }
    }
    return nullptr;
}

} // namespace grovan

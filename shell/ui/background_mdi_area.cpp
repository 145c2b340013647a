#include "shell/ui/background_mdi_area.h"

#include <QPainter>

namespace grovan {

BackgroundMdiArea::BackgroundMdiArea(QWidget* parent) : QMdiArea(parent)
{
    setBackground(QColor(0x2b, 0x3f, 0x52));
}

void BackgroundMdiArea::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    m_scaled = QPixmap();
    viewport()->update();
}

void BackgroundMdiArea::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    const QSize area = viewport()->size();
    const QSize cover = m_picture.size().scaled(area, Qt::KeepAspectRatioByExpanding);
    // Smooth scaling is slow enough to notice while child windows are dragged: scale once per
    // size of the area.
    if (m_scaled.size() != cover) {
        m_scaled = m_picture.scaled(cover, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPainter painter(viewport());
    painter.drawPixmap(area.width() - cover.width(), area.height() - cover.height(), m_scaled);
}

} // namespace grovan

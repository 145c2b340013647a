// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/background_mdi_area.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace grovan {

BackgroundMdiArea::BackgroundMdiArea(QWidget* parent) : QMdiArea(parent)
{
    setBackground(QColor(0x2b, 0x3f, 0x52));
}

void BackgroundMdiArea::setPictureFile(const QString& file)
{
    m_pictureFile.clear();
    m_pictureSize = QSize();
    m_shown = QPixmap();
    QFile picture(file);
    if (picture.open(QIODevice::ReadOnly)) {
        m_pictureFile = picture.readAll();
        QBuffer buffer(&m_pictureFile);
        // Only the header is read here: the size, and whether the file is a picture at all.
        QImageReader reader(&buffer);
        m_pictureSize = reader.size();
        if (m_pictureSize.isEmpty()) {
            m_pictureFile.clear();
        }
    }
    viewport()->update();
}

QPixmap BackgroundMdiArea::decodeFor(QSize area) const
{
    const QSize cover = m_pictureSize.scaled(area, Qt::KeepAspectRatioByExpanding);
    QBuffer buffer;
    buffer.setData(m_pictureFile);
    QImageReader reader(&buffer);
    // The JPEG reader scales while it decodes, line by line, and keeps only the clipped part.
    reader.setScaledSize(cover);
    reader.setScaledClipRect(
        QRect(QPoint(cover.width() - area.width(), cover.height() - area.height()), area));
    return QPixmap::fromImage(reader.read());
}

void BackgroundMdiArea::paintEvent(QPaintEvent* event)
{
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize area = viewport()->size() * ratio;
    if (hasPicture() && !area.isEmpty() &&
        (m_shown.size() != area || m_shown.devicePixelRatio() != ratio)) {
        m_shown = decodeFor(area);
        if (m_shown.isNull()) {
            // A file whose header reads but whose picture does not: the plain background stays.
            m_pictureFile.clear();
            m_pictureSize = QSize();
        }
        m_shown.setDevicePixelRatio(ratio);
    }
    if (!hasPicture() || m_shown.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    painter.drawPixmap(QPoint(0, 0), m_shown);
}

} // namespace grovan

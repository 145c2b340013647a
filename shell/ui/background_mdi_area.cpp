// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/background_mdi_area.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>

#include <malloc.h>

namespace grovan {

BackgroundMdiArea::BackgroundMdiArea(QWidget* parent) : QMdiArea(parent)
{
    setBackground(QColor(0x2b, 0x3f, 0x52));
}

void BackgroundMdiArea::setPictureFile(const QString& file)
{
    m_pictureFile.clear();
    m_pictureSize = QSize();
    m_shown = QImage();
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

QImage BackgroundMdiArea::decodeFor(QSize area) const
{
    const QSize cover = m_pictureSize.scaled(area, Qt::KeepAspectRatioByExpanding);
    QBuffer buffer;
    buffer.setData(m_pictureFile);
    QImageReader reader(&buffer);
    // The JPEG reader decodes at the nearest eighth of the full size above the one asked for (six
    // eighths in a window of the usual size), smooths that down to it and keeps the clipped part.
    reader.setScaledSize(cover);
    reader.setScaledClipRect(
        QRect(QPoint(cover.width() - area.width(), cover.height() - area.height()), area));
    // Kept with three bytes a pixel rather than four: a JPEG has no more than 8 bits a channel
    // and no transparency, so the picture painted is the very same, in three quarters of the
    // memory; painting converts only the part being painted. (Converted from a const image, so
    // that the four-byte one is freed rather than converted in its own, larger, buffer.)
    const QImage decoded = reader.read();
    return decoded.convertToFormat(QImage::Format_RGB888);
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
        // The decoding's buffers of some megabytes each, freed by now, may have been taken from
        // the heap (the C library's threshold for mapping large blocks of their own rises with
        // the first one freed); handed back here, or they stay resident for the whole run.
        malloc_trim(0);
    }
    if (!hasPicture() || m_shown.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    painter.drawImage(
        event->rect().topLeft(), m_shown,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}

} // namespace grovan

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
    m_shown = QImage();
    m_decoded = QImage();
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

void BackgroundMdiArea::decodeFor(QSize area)
{
    const QSize cover = m_pictureSize.scaled(area, Qt::KeepAspectRatioByExpanding);
    QBuffer buffer;
    buffer.setData(m_pictureFile);
    QImageReader reader(&buffer);
    // The JPEG reader decodes at the nearest eighth of the full size above the one asked for (six
    // eighths in a window of the usual size) and smooths that down to it.
    reader.setScaledSize(cover);
    m_shown = QImage(); // it refers to the pixels of the picture replaced here
    m_decoded = reader.read();
    if (m_decoded.isNull()) {
        return;
    }
    const QPoint corner(cover.width() - area.width(), cover.height() - area.height());
    const qint64 inView = qint64(area.width()) * area.height();
    if (qint64(cover.width()) * cover.height() - inView > inView / 64) {
        // A window of other proportions than the picture's leaves much of it out of view: only
        // the part in view, its bottom-right corner, is kept.
        m_decoded = m_decoded.copy(QRect(corner, area));
        m_shown = m_decoded;
        return;
    }
    // Nearly all of it is in view (a pixel or two across or down less): that part is taken in
    // place rather than copied, which would write every pixel once more, a few megabytes and a
    // millisecond or two of CPU time at start-up. A JPEG is read with whole bytes a pixel.
    const QImage& decoded = m_decoded;
    m_shown = QImage(decoded.constScanLine(corner.y()) + corner.x() * decoded.depth() / 8,
                     area.width(), area.height(), decoded.bytesPerLine(), decoded.format());
}

void BackgroundMdiArea::paintEvent(QPaintEvent* event)
{
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize area = viewport()->size() * ratio;
    if (hasPicture() && !area.isEmpty() && (m_shown.size() != area || m_shownRatio != ratio)) {
        decodeFor(area);
        m_shownRatio = ratio;
        if (m_shown.isNull()) {
            // A file whose header reads but whose picture does not: the plain background stays.
            m_pictureFile.clear();
            m_pictureSize = QSize();
        }
    }
    if (!hasPicture() || m_shown.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    // The picture is in device pixels; it covers the area's logical size.
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(area) / ratio), m_shown);
}

} // namespace grovan

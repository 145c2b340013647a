// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QMdiArea>

namespace grovan {

/// The main window's child-window area with a picture behind the child windows. The picture
/// covers the whole area, scaled with its proportions kept and anchored at the bottom right, so
/// that a narrow or short window crops the picture's top or left edge.
///
/// Only the picture's file (a few hundred kilobytes of JPEG) and the part in view, at the area's
/// size, are kept (with the pixel or two beyond it that cropping would leave out when the area
/// has about the picture's proportions, which saves copying it): the picture is decoded straight
/// to that size when it is first painted, and again when the area's size changes, so the
/// full-size picture never stands in memory and its decoding never delays showing the window.
class BackgroundMdiArea : public QMdiArea
{
    Q_OBJECT

public:
    explicit BackgroundMdiArea(QWidget* parent = nullptr);

    /// Reads the picture's file; a file that is missing or holds no picture leaves the plain
    /// background.
    void setPictureFile(const QString& file);
    /// Whether a picture is shown behind the child windows.
    bool hasPicture() const { return !m_pictureSize.isEmpty(); }
    /// The picture as last painted: the visible part at the area's size in device pixels, or a
    /// null image before the first paint and without a picture.
    const QImage& shownPicture() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void decodeFor(QSize area);

    QByteArray m_pictureFile;
    QSize m_pictureSize;
    QImage m_decoded; ///< the picture at the size that covers the area
    QImage m_shown;   ///< the part of `m_decoded` in view, sharing its pixels
    qreal m_shownRatio = 0;
};

} // namespace grovan

#pragma once

#include <QMdiArea>
#include <QPixmap>

namespace grovan {

/// The main window's child-window area with a picture behind the child windows. The picture
/// covers the whole area, scaled with its proportions kept and anchored at the bottom right, so
/// that a narrow or short window crops the picture's top or left edge.
class BackgroundMdiArea : public QMdiArea
{
    Q_OBJECT

public:
    explicit BackgroundMdiArea(QWidget* parent = nullptr);

    /// A null picture leaves the plain background.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QPixmap m_scaled;
};

} // namespace grovan

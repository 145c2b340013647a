// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>

#include <optional>

namespace grovan {

/// A frame inside a calculator window that is hidden until the window shows it, in front of the
/// window's other controls, at a top position given in twips (the set-up, print and information
/// panels). While it is open, the widgets handed to `disableWhileOpen` are disabled; closing it
/// gives each back the enabled state it had, and gives the focus back to where it was.
class OverlayPanel : public QFrame
{
    Q_OBJECT

public:
    /// A hidden panel with `caption` (empty for a frame without caption) over `window`.
    OverlayPanel(const QString& caption, QWidget* window);

    QString title() const { return m_caption; }
    void setTitle(const QString& caption);

    /// Shows the panel in front with its top edge `topTwips` below the window's top, centred
    /// across the window's form (the window, unless it is larger than its layout asks for) or
    /// `leftTwips` from its left edge, and puts the focus into it.
    void showAt(int topTwips, std::optional<int> leftTwips = std::nullopt);
    /// The narrowest window the panel fits across without cutting its contents.
    int windowWidthNeeded() const;
    /// Hides the panel (as `hide()` does).
    void closePanel() { setVisible(false); }
    bool isOpen() const { return !isHidden(); }

    /// The window's buttons that cannot be used while the panel is open.
    void disableWhileOpen(const QList<QWidget*>& widgets);

    void setVisible(bool visible) override;

signals:
    void opened();
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// The size the panel takes in a window `availableWidth` pixels wide.
    virtual QSize sizeWithin(int availableWidth) const;
    /// Where the focus goes when the panel opens: its first control by default.
    virtual QWidget* initialFocus() const;

private:
    struct Disabled
    {
        QPointer<QWidget> widget;
        bool wasEnabled;
    };

    void updateMargins();

    QString m_caption;
    QList<QPointer<QWidget>> m_toDisable;
    QList<Disabled> m_disabled;
    QPointer<QWidget> m_focusBefore;
};

} // namespace grovan

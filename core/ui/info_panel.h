// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/overlay_panel.h"

class QLabel;
class QPushButton;

namespace grovan {

/// The information panel (`fraInfo_One`, caption "General Information"): a text and "&OK"
/// (`cmdOK_Info_One`), which hides it.
class InfoPanel : public OverlayPanel
{
    Q_OBJECT

public:
    /// The text is shown as plain text, wrapped to the panel's width (`widthTwips`, or the
    /// window's width when that is narrower).
    InfoPanel(const QString& text, QWidget* window, int widthTwips = 7200);

    void setText(const QString& text);
    QString text() const;
    QPushButton* okButton() const { return m_ok; }

protected:
    QSize sizeWithin(int availableWidth) const override;

private:
    QLabel* m_text;
    QPushButton* m_ok;
    int m_widthTwips;
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/overlay_panel.h"
#include "package/package_panels.h"

#include <QList>

class QLabel;
class QPushButton;

namespace grovan {

/// The R/A explanation panel of the salary package windows (caption "R/A Explained(Annual
/// Figures Shown)"): six lines, which stand top to bottom in the order 0, 1, 4, 2, 3, 5, and
/// "&OK" (`cmdRAOK`), which hides it. The window hands it the lines the engine words each time
/// it opens the panel; the panel disables nothing.
class RAExplanationPanel : public OverlayPanel
{
    Q_OBJECT

public:
    explicit RAExplanationPanel(QWidget* window);

    /// Shows `lines`, each by its line number.
    void setLines(const RALines& lines);
    /// The text of line `number` (0 to 5).
    QString line(int number) const;
    QPushButton* okButton() const { return m_ok; }

private:
    QList<QLabel*> m_lines; ///< by line number
    QPushButton* m_ok;
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/program_version.h"
#include "core/startup_store.h"

#include <QDialog>

class QCheckBox;

namespace grovan {

/// The About window: the program's name and version, and whether it is shown at start-up. It
/// is shown modeless; whenever it closes, by "&OK" or otherwise, the preference is stored.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(const StartupStateDatabase& store, const ProgramVersion& version,
             QWidget* parent = nullptr);

    void done(int result) override;

signals:
    /// "&OK" was chosen: the main window enables its menus again.
    void okChosen();

private:
    const StartupStateDatabase& m_store;
    bool m_viewAbout = true;
    QCheckBox* m_check1 = nullptr;
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace grovan {

/// The disclaimer the user accepts once for every new version of the program. "&OK" (accept)
/// is enabled only while the check box is ticked; "&Cancel" (reject) declines, and the program
/// then ends. Storing the accepted version is the start-up sequence's part.
class frmDisclaimerYesNo : public QDialog
{
    Q_OBJECT

public:
    explicit frmDisclaimerYesNo(QWidget* parent = nullptr);
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/frm_disclaimer_yes_no.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace grovan {

namespace {

QLabel* paragraph(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmDisclaimerYesNo::frmDisclaimerYesNo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDisclaimerYesNo"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    setModal(true);

    QLabel* heading = paragraph("lblHeading", QStringLiteral("Disclaimer"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    QLabel* warranty = paragraph(
        "lblWarranty",
        QStringLiteral(
            "The maker of this program gives no warranty of any kind, express or implied, about "
            "the program or its results, and accepts no liability for any loss or damage, direct "
            "or indirect, that arises from the use of the program or of its results. Checking "
            "that the calculations are correct is the user's responsibility. The maker is not "
            "obliged to defend any result of the program that differs from a result obtained by "
            "any other party, the South African Revenue Service included."),
        this);
    QLabel* updates = paragraph(
        "lblUpdates",
        QStringLiteral("This program is changed and updated regularly and free updates are made "
                       "available to all users.  It is the program purchaser and user's "
                       "responsibility to take advantage of these free updates."),
        this);

    auto* agree = new QCheckBox(QStringLiteral(" I have read this disclaimer and I understand and "
                                               "agree with the contents of this disclaimer"),
                                this);
    agree->setObjectName(QStringLiteral("chkDisclaimerYesNo"));

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setDefault(true);

    connect(agree, &QCheckBox::toggled, ok, &QPushButton::setEnabled);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(12);
    layout->addWidget(heading);
    layout->addWidget(warranty);
    layout->addWidget(updates);
    layout->addSpacing(4);
    layout->addWidget(agree);
    layout->addLayout(buttons);

    // The check box's caption does not wrap: the window is as wide as it needs, and as high as
    // the wrapped paragraphs need at that width.
    const QMargins margins = layout->contentsMargins();
    const int width = std::max(560, agree->sizeHint().width() + margins.left() + margins.right());
    setFixedSize(width, layout->heightForWidth(width));
}

} // namespace grovan

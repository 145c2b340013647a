// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/frm_about.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace grovan {

namespace {

QLabel* label1(int index, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1(%1)").arg(index));
    label->setWordWrap(true);
    return label;
}

} // namespace

frmAbout::frmAbout(const StartupStateDatabase& store, const ProgramVersion& version,
                   QWidget* parent)
    : QDialog(parent), m_store(store), m_viewAbout(store.load().ViewAbout)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Grovan 2022..."));
    setModal(false);

    QLabel* title = label1(0, QStringLiteral("Grovan 2022"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);

    QLabel* purpose = label1(1,
                             QStringLiteral("Payroll and personal-finance calculators for the "
                                            "South African tax year 1 March 2021 to 28 February "
                                            "2022."),
                             this);
    QLabel* version3 = label1(
        3, QStringLiteral("Version: ") + QString::fromStdString(version.displayText()), this);
    QFont versionFont = version3->font();
    versionFont.setBold(true);
    version3->setFont(versionFont);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    QLabel* productLine =
        label1(2,
               QStringLiteral("The calculations follow the tax law of the 2021/22 year of "
                              "assessment. They are an aid, not advice: check the results "
                              "before relying on them."),
               this);
    QPalette muted = productLine->palette();
    muted.setColor(QPalette::WindowText, muted.color(QPalette::PlaceholderText));
    productLine->setPalette(muted);
    QLabel* licence =
        label1(4, QStringLiteral("Licensed under the GNU GPL version 3 or later."), this);
    licence->setPalette(muted);

    m_check1 = new QCheckBox(QStringLiteral("Do not display this message again on start up"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setChecked(!m_viewAbout);
    connect(m_check1, &QCheckBox::toggled, this, [this](bool ticked) { m_viewAbout = !ticked; });

    auto* command1 = new QPushButton(QStringLiteral("&OK"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    command1->setFocus(Qt::OtherFocusReason);
    connect(command1, &QPushButton::clicked, this, [this] {
        emit okChosen();
        accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_check1);
    buttons->addStretch();
    buttons->addWidget(command1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(purpose);
    layout->addWidget(version3);
    layout->addSpacing(4);
    layout->addWidget(rule);
    layout->addWidget(productLine);
    layout->addWidget(licence);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    const int width = std::max(480, layout->minimumSize().width());
    setFixedSize(width, layout->heightForWidth(width));
}

void frmAbout::done(int result)
{
    m_store.saveViewAbout(m_viewAbout);
    QDialog::done(result);
}

} // namespace grovan

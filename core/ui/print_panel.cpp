// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/print_panel.h"

#include "core/ui/busy_cursor.h"
#include "core/ui/text_field.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace grovan {

namespace {

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PrintPanelOptions PrintPanelOptions::finance()
{
    PrintPanelOptions options = plain();
    options.cancelControl = QStringLiteral("cmdPrintCancel");
    options.cancelCaption = QStringLiteral("C&ancel");
    return options;
}

PrintPanelOptions PrintPanelOptions::plain()
{
    PrintPanelOptions options;
    options.languageChoice = false;
    options.nameField = false;
    return options;
}

PrintPanel::PrintPanel(QWidget* window, const PrintPanelOptions& options)
    : OverlayPanel(options.caption, window)
{
    setObjectName(QStringLiteral("fraPrint"));
    auto* layout = new QVBoxLayout(this);

    if (options.languageChoice) {
        m_english = new QRadioButton(tr("&English print"), this);
        m_english->setObjectName(QStringLiteral("Option1"));
        m_afrikaans = new QRadioButton(tr("&Afrikaans print"), this);
        m_afrikaans->setObjectName(QStringLiteral("Option2"));
        m_english->setChecked(true);
        auto* languages = new QHBoxLayout;
        languages->addWidget(m_english);
        languages->addSpacing(24);
        languages->addWidget(m_afrikaans);
        languages->addStretch();
        layout->addLayout(languages);
    }

    if (options.nameField) {
        m_name = new TextField(options.nameLength, options.nameHint, this);
        m_name->setObjectName(options.nameControl);
        auto* label = new QLabel(options.nameLabel, this);
        label->setBuddy(m_name);
        auto* hint = new QLabel(options.nameHint, this);
        hint->setForegroundRole(QPalette::PlaceholderText);
        auto* name = new QGridLayout;
        name->addWidget(label, 0, 0);
        name->addWidget(m_name, 0, 1);
        name->addWidget(hint, 1, 1);
        name->setColumnStretch(1, 1);
        m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 36);
        layout->addLayout(name);
    }

    m_extra = new QVBoxLayout;
    layout->addLayout(m_extra);

    m_printDirectly = makeButton(tr("P&rint directly to printer"), QStringLiteral("cmdPD"), this);
    m_viewReport = makeButton(tr("&View/Export report"), QStringLiteral("cmdVR"), this);
    m_cancel = makeButton(options.cancelCaption, options.cancelControl, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_printDirectly);
    buttons->addWidget(m_viewReport);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(m_printDirectly, &QPushButton::clicked, this,
            [this] { runOutput(&PrintPanel::printDirectly); });
    connect(m_viewReport, &QPushButton::clicked, this,
            [this] { runOutput(&PrintPanel::viewReport); });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        closePanel();
        emit cancelled();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, m_cancel, &QPushButton::click);
}

PrintLanguage PrintPanel::language() const
{
    return m_afrikaans && m_afrikaans->isChecked() ? PrintLanguage::Afrikaans
                                                   : PrintLanguage::English;
}

void PrintPanel::setLanguage(PrintLanguage language)
{
    if (m_english) {
        (language == PrintLanguage::Afrikaans ? m_afrikaans : m_english)->setChecked(true);
    }
}

QString PrintPanel::employeeName() const
{
    return m_name ? m_name->text() : QString();
}

void PrintPanel::setEmployeeName(const QString& name)
{
    if (m_name) {
        m_name->setText(name);
    }
}

void PrintPanel::runOutput(void (PrintPanel::*signal)(PrintLanguage, const QString&))
{
    m_keepOpen = false;
    {
        const BusyCursor busy;
        emit(this->*signal)(language(), employeeName());
    }
    if (!m_keepOpen) {
        closePanel();
    }
}

} // namespace grovan

#pragma once
// What the pay-period window tests share: the shell's objects in a temporary folder with the
// report templates installed, and the user's hands on the fields (typing, leaving, reading what
// a field shows).

#include "core/print_database.h"
#include "core/ui/report_viewer.h"
#include "tests/shell/ui/shell_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace grovan::testing {

/// The shell's objects as an installed program has them: the shipped report templates named in
/// the asset folder, the print database made, no messages yet, and file and printer dialogs that
/// are never shown.
struct PeriodWindowFixture : ShellFixture
{
    explicit PeriodWindowFixture(std::initializer_list<const char*> templates = {})
    {
        for (const char* name : templates) {
            std::filesystem::copy_file(std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" /
                                           "reports" / name,
                                       paths.asset(name));
        }
        printDatabase.prepare();
        sink.messages.clear();
        reports.setDialogs({[](QWidget*, const QString&) { return QString(); },
                            [](QPrinter&, QWidget*) {
                                return false;
                            }});
    }

    /// A new window of the calculator, shown and active; nullptr when it never became active.
    template <typename Window> std::unique_ptr<Window> open()
    {
        auto window = std::make_unique<Window>(context);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            return nullptr;
        }
        return window;
    }
};

template <typename Widget = QLineEdit> Widget* control(const QWidget& window, const char* name)
{
    return window.findChild<Widget*>(QLatin1String(name));
}

/// Types `keys` over the whole text of a field, as a user who selects it and types, and leaves
/// the focus in it.
inline void typeInto(QLineEdit* field, const QString& keys)
{
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    if (keys.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    }
    QTest::keyClicks(field, keys);
}

/// Types into a field and leaves it with Tab, as a user going on to the next field.
inline void enter(const QWidget& window, const char* name, const QString& keys)
{
    QLineEdit* field = control(window, name);
    QVERIFY2(field != nullptr, name);
    typeInto(field, keys);
    QTest::keyClick(field, Qt::Key_Tab);
}

/// The text a field shows.
inline QString shown(const QWidget& window, const char* name)
{
    const QLineEdit* field = control(window, name);
    return field != nullptr ? field->text() : QStringLiteral("(no field %1)").arg(name);
}

/// The text of the label whose buddy is `field`, or "(no label)".
inline QString labelOf(const QWidget& window, const QWidget* field)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text();
        }
    }
    return QStringLiteral("(no label)");
}

inline const FieldValue& valueOf(const Row& row, std::string_view name)
{
    static const FieldValue none;
    const FieldValue* value = findField(row, name);
    return value != nullptr ? *value : none;
}

/// The text of a PDF file, as a reader would copy it.
inline QString pdfText(const std::filesystem::path& file)
{
    QProcess process;
    process.start(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(file.string()), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QStringLiteral("(pdftotext failed)");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace grovan::testing

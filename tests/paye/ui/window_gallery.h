// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the gallery programs share: an installed shell in the main window, and the user's hands
// on a calculator window while its pictures are saved into a folder.

#include "core/ui/report_preview_window.h"
#include "core/ui/text_field.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QPoint>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace grovan::testing {

/// Types `keys` over a field's text and leaves it with Tab.
inline void type(QWidget& window, const char* name, const QString& keys)
{
    QLineEdit* field = control(window, name);
    typeInto(field, keys);
    QTest::keyClick(field, Qt::Key_Tab);
}

inline void click(QWidget& window, const char* name)
{
    QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
    QTest::qWait(150);
}

/// Saves a picture of `widget` as `name` in `folder` and says so; false when it could not.
inline bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    QTest::qWait(200);
    const QString file = folder.filePath(name);
    const bool saved = widget.grab().save(file);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
    return saved;
}

/// Shows the main window at the gallery's size, with the report previews as its children.
inline void showMain(MDIForm1& main, ShellFixture& shell)
{
    shell.reports.setWindow(&main);
    main.resize(1100, 820);
    main.show();
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) {
        std::fprintf(stderr, "the main window never became active\n");
    }
}

/// The preview window took the keyboard; a window manager gives it back to the main window when
/// the preview closes, which xvfb alone does not.
inline void backToMain(MDIForm1& main)
{
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) {
        std::fprintf(stderr, "the main window did not become active again\n");
    }
}

/// Opens a calculator by its menu command and puts its frame at `at`.
inline QWidget* openFromMenu(MDIForm1& main, const char* command, const char* window,
                             QPoint at = {10, 10})
{
    main.findChild<QAction*>(QLatin1String(command))->trigger();
    QWidget* opened = main.childWindow(QLatin1String(window));
    opened->parentWidget()->move(at);
    return opened;
}

/// Saves the printout's preview, when one is open, as `name` and closes it.
inline bool savePreview(ShellFixture& shell, const QDir& folder, const QString& name)
{
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    if (preview == nullptr) {
        return true;
    }
    preview->resize(900, 1000);
    const bool saved = save(*preview, folder, name);
    preview->close();
    return saved;
}

/// The window's set-up and information panels one after the other, then its print panel with
/// `employee` typed and the printout's preview, which is closed again: prefix-setup.png,
/// prefix-info.png, prefix-print.png and prefix-preview.png.
inline bool savePanelsAndPreview(ShellFixture& shell, QWidget& window, const QDir& folder,
                                 const QString& prefix, const QString& employee)
{
    click(window, "cmdSettings");
    bool ok = save(window, folder, prefix + "-setup.png");
    click(window, "cmdSetupOK");
    click(window, "cmdInfo(0)");
    ok = save(window, folder, prefix + "-info.png") && ok;
    click(window, "cmdOK_Info_One");

    click(window, "cmdPrint");
    QTest::keyClicks(window.findChild<TextField*>(QStringLiteral("Text1")), employee);
    ok = save(window, folder, prefix + "-print.png") && ok;
    click(window, "cmdVR");
    return savePreview(shell, folder, prefix + "-preview.png") && ok;
}

/// Prints the window's printout straight into `file` in the language of `option` (nullptr for
/// a window without a language choice).
inline void printToFile(ShellFixture& shell, QWidget& window, const QDir& folder,
                        const QString& file, const char* option)
{
    shell.printer.printer().setOutputFileName(folder.filePath(file));
    click(window,
          window.findChild<QPushButton*>(QStringLiteral("cmPrint")) ? "cmPrint" : "cmdPrint");
    if (option != nullptr) {
        click(window, option);
    }
    click(window, "cmdPD");
    std::printf("printed %s\n", qPrintable(folder.filePath(file)));
}

} // namespace grovan::testing

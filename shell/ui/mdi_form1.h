// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ui/window_registry.h"
#include "shell/main_menu.h"
#include "shell/startup_sequence.h"
#include "shell/ui/help_window_loader.h"
#include "shell/ui/shell_context.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>

class QDialog;
class QMdiSubWindow;

namespace grovan {

class BackgroundMdiArea;
class frmAbout;

/// The main window: a frame for the calculator windows with the program's menu bar. It runs the
/// start-up sequence and the menu's commands; each calculator opens as a child window, at most
/// one of each.
class MDIForm1 : public QMainWindow, private StartupDialogs
{
    Q_OBJECT

public:
    /// Runs a modal dialog and returns its result (QDialog::exec by default).
    using DialogRunner = std::function<int(QDialog&)>;

    /// `context` and `windows` must outlive the window. The menu is built here: a calculator
    /// command is enabled when `windows` holds its window by then, and stays disabled otherwise.
    MDIForm1(const ShellContext& context, const WindowRegistry& windows, QWidget* parent = nullptr);
    ~MDIForm1() override;

    /// Start-up: background picture, caption, showing the window, the shared state's defaults,
    /// then the About window (when the start-up state asks for it) and the disclaimer (when
    /// this version's has not been accepted). False when the disclaimer was declined: the
    /// window is closed and the program is to end.
    bool startUp();

    /// The open child window named `name`, such as "frmAnnual", or nullptr.
    QWidget* childWindow(const QString& name) const;
    BackgroundMdiArea* mdiArea() const { return m_area; }
    /// The About window while it is open, or nullptr.
    frmAbout* aboutWindow() const;

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    /// The desktop calculator programs tried in turn by "&MS-Calculator".
    void setCalculatorPrograms(QStringList programs) { m_calculatorPrograms = std::move(programs); }
    static QStringList defaultCalculatorPrograms();
    /// The help window's library, by default where HelpWindowLoader::libraryFor finds it for this
    /// program; the file is read when the help is first opened.
    void setHelpLibrary(std::filesystem::path library)
    {
        m_help = HelpWindowLoader(std::move(library));
    }
    const std::filesystem::path& helpLibrary() const { return m_help.library(); }

    /// The address "Video Lectures" opens.
    static const char* const kVideoLecturesAddress;

    void showAbout() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool askDisclaimer() override;

    void buildMenuBar();
    void run(const MenuItem& item);
    QWidget* openWindow(const MenuItem& item,
                        const std::function<std::unique_ptr<QWidget>()>& make);
    QMdiSubWindow* frameOf(const QString& name) const;
    void initialiseAll();
    void printerSetup();
    void startCalculatorProgram();
    void enableMenusAfterAbout();

    const ShellContext& m_context;
    const WindowContext m_windowContext;
    const WindowRegistry& m_windows;
    BackgroundMdiArea* m_area = nullptr;
    QPointer<frmAbout> m_about;
    DialogRunner m_runDialog;
    QStringList m_calculatorPrograms;
    HelpWindowLoader m_help;
};

} // namespace grovan

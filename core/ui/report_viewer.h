// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "core/print_destination.h"
#include "core/print_language.h"
#include "core/ui/report_preview_window.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <filesystem>

class QPrinter;
class QWidget;

namespace grovan {

class PrintDatabase;
class PrinterChoice;

/// The report engine's front end, carried by the main window for the life of the program. A
/// calculator prints in three steps, after writing its row of the print database:
///
///     viewer.setTemplateFile(paths.asset("Annual.rpt"));
///     if (destination == PrintDestination::Window)
///         viewer.setWindowTitle("Annual - To export printout click on the suitcase button or "
///                               "goto Help");
///     viewer.setDestination(destination);
///     viewer.start();
///
/// The template file and the window title stay set until the next printout changes them; the
/// printer destination does not touch the title.
class ReportViewer : public QObject
{
    Q_OBJECT

public:
    /// `window` is the main window: the parent of the preview window and of the dialogs.
    ReportViewer(const PrintDatabase& database, PrinterChoice& printers, MessageSink& messages,
                 QWidget* window);
    ~ReportViewer() override;

    /// The main window, once it exists (the viewer may be made before it).
    void setWindow(QWidget* window) { m_window = window; }

    /// The template to render: a full path, AppFolder and the template's file name.
    void setTemplateFile(const std::filesystem::path& file) { m_templateFile = file; }
    const std::filesystem::path& templateFile() const { return m_templateFile; }

    /// The preview window's title.
    void setWindowTitle(const QString& title) { m_windowTitle = title; }
    const QString& windowTitle() const { return m_windowTitle; }

    /// The preview title of the printout about to start, for the preview shown in place of the
    /// printer when none is set up: it carries the printout's title as a preview asked for would,
    /// while the window title stays as the last preview set it. Empty: the window title.
    void setOwnPreviewTitle(const QString& title) { m_ownPreviewTitle = title; }

    void setDestination(PrintDestination destination) { m_destination = destination; }
    PrintDestination destination() const { return m_destination; }

    /// The language of the printout's labels, which the pages' own words ("Page 1 of 1") follow.
    void setLanguage(PrintLanguage language) { m_language = language; }
    PrintLanguage language() const { return m_language; }

    /// Renders the template against the current contents of its tables and shows the pages in
    /// the preview window or sends them to the printer chosen under "Printer Setup" (the default
    /// printer until one is chosen), without a dialog. With no printer at all the user is told
    /// and the preview is shown instead. When the printer chosen prints into a file that exists,
    /// the user is asked first whether to replace it; declining prints nothing. True when the pages
    /// were shown or printed; false when a missing or faulty template, an unreadable database or a
    /// printer that refuses the pages stopped them (the user is told which).
    bool start();

    /// Replaces the file and print dialogs (tests use this so that nothing modal opens).
    void setDialogs(ReportDialogs dialogs) { m_dialogs = std::move(dialogs); }
    /// The preview window once a report has been previewed; null before.
    ReportPreviewWindow* previewWindow() const { return m_preview; }

    /// Whether `printer` can take pages now: a file chosen to print to, or a printer that is
    /// installed (the default one when none is named).
    static bool printerIsReady(QPrinter& printer);

private:
    void preview(RenderedReport report, const QString& title);

    const PrintDatabase& m_database;
    PrinterChoice& m_printers;
    MessageSink& m_messages;
    QWidget* m_window;
    ReportDialogs m_dialogs = ReportDialogs::standard();
    QPointer<ReportPreviewWindow> m_preview;
    std::filesystem::path m_templateFile;
    QString m_windowTitle;
    QString m_ownPreviewTitle;
    PrintDestination m_destination = PrintDestination::Window;
    PrintLanguage m_language = PrintLanguage::English;
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/report_viewer.h"

#include "core/print_database.h"
#include "core/report_file.h"
#include "core/ui/printer_choice.h"
#include "core/ui/report_page_painter.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace grovan {

ReportViewer::ReportViewer(const PrintDatabase& database, PrinterChoice& printers,
                           MessageSink& messages, QWidget* window)
    : m_database(database), m_printers(printers), m_messages(messages), m_window(window)
{}

ReportViewer::~ReportViewer()
{
    delete m_preview;
}

bool ReportViewer::printerIsReady(QPrinter& printer)
{
    if (!printer.outputFileName().isEmpty()) {
        return true;
    }
    if (!printer.printerName().isEmpty()) {
        return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
    }
    const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
    if (fallback.isNull()) {
        return false;
    }
    printer.setPrinterName(fallback.printerName());
    return true;
}

bool ReportViewer::start()
{
    auto report = renderReportFile(m_templateFile, m_database, m_messages, m_language);
    if (!report) {
        return false;
    }
    if (m_destination == PrintDestination::Window) {
        preview(std::move(*report), m_windowTitle);
        return true;
    }
    QPrinter& printer = m_printers.printer();
    if (!printerIsReady(printer)) {
        m_messages.show(Message{
            "No printer is set up on this computer, so the report cannot be printed directly. "
            "It is shown in the preview window instead, from where it can be exported to a PDF "
            "file, or printed once a printer has been set up.",
            kProgramTitle, MessageIcon::Information});
        // Titled as the printout's own preview; the viewer's title stays the last preview's.
        QString title = m_ownPreviewTitle.isEmpty() ? m_windowTitle : m_ownPreviewTitle;
        if (title.isEmpty()) {
            title = QString::fromStdString(report->title);
        }
        preview(std::move(*report), title);
        return true;
    }
    const QString file = printer.outputFileName();
    if (!file.isEmpty() && QFileInfo::exists(file) &&
        !m_dialogs.confirm(m_window,
                           QStringLiteral("The printer chosen under \u201cPrinter Setup\u201d "
                                          "prints into the file \u201c%1\u201d, which already "
                                          "exists.\n\nReplace it with this report?")
                               .arg(QDir::toNativeSeparators(file)))) {
        return false;
    }
    const ReportPagePainter pages(std::move(*report));
    return printPages(pages, printer, m_messages);
}

void ReportViewer::preview(RenderedReport report, const QString& title)
{
    if (!m_preview) {
        m_preview = new ReportPreviewWindow(m_printers, m_messages, m_dialogs, m_window);
    }
    m_preview->showReport(std::move(report), title);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "core/report_renderer.h"

#include <QPrinter>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QSpinBox;

namespace grovan {

class PrinterChoice;
class ReportPagePainter;

/// The dialogs the report windows open, replaceable so that tests never wait on a modal dialog.
struct ReportDialogs
{
    /// Asks where to save a PDF file, starting at `suggested`; an empty text when cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> saveFile;
    /// The platform's print dialog on `printer`; true when the user chose to print.
    std::function<bool(QPrinter& printer, QWidget* parent)> print;
    /// Asks `question` with Yes and No; true for Yes. Without a dialog the answer is No.
    std::function<bool(QWidget* parent, const QString& question)> confirm = [](QWidget*,
                                                                               const QString&) {
        return false;
    };

    /// The platform's own dialogs.
    static ReportDialogs standard();
};

/// Sends `pages` to `printer`, named after the report; false, and the user told, when the
/// printer refuses them.
bool printPages(const ReportPagePainter& pages, QPrinter& printer, MessageSink& messages);

/// The preview window: the report's pages as they will print, with page navigation, zoom, fit,
/// Print (through the print dialog, which starts on the printer chosen under "Printer Setup";
/// what is chosen there stays the preview's and never changes that printer) and Export (a PDF
/// file saved where the user chooses, named after the report). A window of its own, in front of
/// the main window, sized to fit the screen it opens on.
class ReportPreviewWindow : public QWidget
{
    Q_OBJECT

public:
    ReportPreviewWindow(PrinterChoice& printers, MessageSink& messages,
                        const ReportDialogs& dialogs, QWidget* parent = nullptr);
    ~ReportPreviewWindow() override;

    /// Shows `report` with the window title `title`, at its first page, fitted to the width.
    void showReport(RenderedReport report, const QString& title);

    int pageCount() const;
    int currentPage() const;
    QPrintPreviewWidget* preview() const { return m_preview; }

    /// Asks for a file name and writes the pages there as a PDF; false when cancelled or not
    /// written (the user is told why).
    bool exportPdf();
    /// Opens the print dialog and prints the pages; false when cancelled or not printed.
    bool print();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitToScreen();
    void paintPages(QPrinter* printer);
    void updatePageControls();
    void goToPage(int page);

    PrinterChoice& m_printers;
    MessageSink& m_messages;
    const ReportDialogs& m_dialogs;
    std::unique_ptr<ReportPagePainter> m_pages;
    QPrinter m_previewPrinter;
    std::unique_ptr<QPrinter> m_dialogPrinter; // the print dialog's, once it has been opened
    QPrintPreviewWidget* m_preview = nullptr;
    QSpinBox* m_pageNumber = nullptr;
    QLabel* m_pageTotal = nullptr;
    QLabel* m_status = nullptr;
    QAction* m_first = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
    QString m_exportFolder;
    bool m_placed = false; // placed on its screen when first shown; the user's from then on
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/report_preview_window.h"

#include "core/ui/printer_choice.h"
#include "core/ui/report_page_painter.h"
#include "core/ui/report_pdf.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace grovan {

namespace {

enum class Glyph
{
    Printer,
    Suitcase,
    ZoomIn,
    ZoomOut,
    FitWidth,
    FitPage,
};

// The toolbar's icons are drawn here, so that they look alike on every desktop and under the
// offscreen platform, which has no icon theme. The export button carries a suitcase: the
// calculators' preview titles tell the user to "click on the suitcase button" to export.
QIcon glyphIcon(Glyph glyph)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x33, 0x3d, 0x4a);
    const QColor paper(0xfa, 0xfa, 0xfa);
    const QColor accent(0x2f, 0x6f, 0xb5);
    switch (glyph) {
    case Glyph::Printer:
        p.setPen(QPen(ink, 3));
        p.setBrush(paper);
        p.drawRect(QRectF(18, 6, 28, 18));
        p.setBrush(QColor(0x9a, 0xa5, 0xb1));
        p.drawRoundedRect(QRectF(6, 22, 52, 24), 5, 5);
        p.setBrush(paper);
        p.drawRect(QRectF(18, 38, 28, 20));
        p.drawLine(QPointF(24, 46), QPointF(40, 46));
        p.drawLine(QPointF(24, 52), QPointF(36, 52));
        break;
    case Glyph::Suitcase: {
        const QColor leather(0x8a, 0x5a, 0x2b);
        p.setPen(QPen(leather.darker(150), 5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(22, 8, 20, 14), 4, 4);
        p.setPen(QPen(leather.darker(150), 3));
        p.setBrush(leather);
        p.drawRoundedRect(QRectF(6, 18, 52, 38), 6, 6);
        p.setPen(QPen(QColor(0xe0, 0xc0, 0x60), 3));
        p.drawLine(QPointF(6, 33), QPointF(58, 33));
        p.setBrush(QColor(0xe0, 0xc0, 0x60));
        p.drawRect(QRectF(28, 29, 8, 9));
        break;
    }
    case Glyph::ZoomIn:
    case Glyph::ZoomOut:
        p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(40, 40), QPointF(57, 57));
        p.setPen(QPen(ink, 4));
        p.setBrush(paper);
        p.drawEllipse(QPointF(26, 26), 19, 19);
        p.setPen(QPen(accent, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 26), QPointF(35, 26));
        if (glyph == Glyph::ZoomIn) {
            p.drawLine(QPointF(26, 17), QPointF(26, 35));
        }
        break;
    case Glyph::FitWidth:
    case Glyph::FitPage:
        p.setPen(QPen(ink, 3));
        p.setBrush(paper);
        p.drawRect(glyph == Glyph::FitWidth ? QRectF(4, 14, 56, 36) : QRectF(14, 4, 36, 56));
        p.setPen(QPen(accent, 4, Qt::SolidLine, Qt::RoundCap));
        if (glyph == Glyph::FitWidth) {
            p.drawLine(QPointF(12, 32), QPointF(52, 32));
            p.drawLine(QPointF(12, 32), QPointF(20, 25));
            p.drawLine(QPointF(12, 32), QPointF(20, 39));
            p.drawLine(QPointF(52, 32), QPointF(44, 25));
            p.drawLine(QPointF(52, 32), QPointF(44, 39));
        } else {
            p.drawLine(QPointF(32, 12), QPointF(32, 52));
            p.drawLine(QPointF(32, 12), QPointF(25, 20));
            p.drawLine(QPointF(32, 12), QPointF(39, 20));
            p.drawLine(QPointF(32, 52), QPointF(25, 44));
            p.drawLine(QPointF(32, 52), QPointF(39, 44));
        }
        break;
    }
    p.end();
    return QIcon(pixmap);
}

QString pdfFileName(const QString& title)
{
    QString name = title;
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20) {
            c = QLatin1Char('_');
        }
    }
    return (name.trimmed().isEmpty() ? QStringLiteral("Report") : name.trimmed()) +
           QStringLiteral(".pdf");
}

// Where "Export PDF" starts: the user's documents folder, or the home folder when there is
// none.
QString documentsOrHome()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

// The size the preview asks for, less what its screen cannot hold: a page fitted to the width
// reads well at 820 by 940 pixels.
constexpr QSize kPreferredPreviewSize(820, 940);

} // namespace

ReportDialogs ReportDialogs::standard()
{
    ReportDialogs dialogs;
    dialogs.saveFile = [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, QObject::tr("Export report"), suggested,
                                            QObject::tr("PDF files (*.pdf)"));
    };
    dialogs.print = [](QPrinter& printer, QWidget* parent) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QObject::tr("Print report"));
        return dialog.exec() == QDialog::Accepted;
    };
    dialogs.confirm = [](QWidget* parent, const QString& question) {
        return QMessageBox::question(parent, QString::fromLatin1(kProgramTitle), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    return dialogs;
}

bool printPages(const ReportPagePainter& pages, QPrinter& printer, MessageSink& messages)
{
    printer.setDocName(QString::fromStdString(pages.report().title));
    printer.setCreator(QString::fromLatin1(kPdfCreator));
    if (pages.paint(printer)) {
        return true;
    }
    const QString where =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    messages.show(Message{"The report could not be sent to the printer \u201c" +
                              where.toStdString() +
                              "\u201d. Check that the printer is switched on and ready, or "
                              "choose another one under \u201cPrinter Setup\u201d.",
                          kProgramTitle, MessageIcon::Error});
    return false;
}

ReportPreviewWindow::ReportPreviewWindow(PrinterChoice& printers, MessageSink& messages,
                                         const ReportDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_printers(printers), m_messages(messages), m_dialogs(dialogs),
      m_previewPrinter(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("frmReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_preview = new QPrintPreviewWidget(&m_previewPrinter, this);
    m_preview->setObjectName(QStringLiteral("previewPages"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            &ReportPreviewWindow::paintPages);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this,
            &ReportPreviewWindow::updatePageControls);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("previewToolbar"));
    toolbar->setIconSize(QSize(22, 22));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto action = [&](const char* name, const QString& text, const QIcon& icon,
                            const QString& tip) {
        QAction* a = toolbar->addAction(icon, text);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(tip);
        return a;
    };
    const auto withText = [&](QAction* a) {
        if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(a))) {
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
    };

    QAction* printAction = action("actPrint", tr("&Print..."), glyphIcon(Glyph::Printer),
                                  tr("Print the report on a printer of your choice"));
    printAction->setShortcut(QKeySequence::Print);
    withText(printAction);
    connect(printAction, &QAction::triggered, this, [this] { print(); });
    QAction* exportAction = action("actExport", tr("&Export PDF..."), glyphIcon(Glyph::Suitcase),
                                   tr("Export the report to a PDF file"));
    exportAction->setShortcut(QKeySequence::Save);
    withText(exportAction);
    connect(exportAction, &QAction::triggered, this, [this] { exportPdf(); });
    toolbar->addSeparator();

    m_first = action("actFirstPage", tr("First page"),
                     style()->standardIcon(QStyle::SP_MediaSkipBackward), tr("First page"));
    m_previous = action("actPreviousPage", tr("Previous page"),
                        style()->standardIcon(QStyle::SP_MediaSeekBackward), tr("Previous page"));
    m_pageNumber = new QSpinBox(this);
    m_pageNumber->setObjectName(QStringLiteral("pageNumber"));
    m_pageNumber->setMinimum(1);
    m_pageNumber->setAccessibleName(tr("Page"));
    toolbar->addWidget(m_pageNumber);
    m_pageTotal = new QLabel(this);
    m_pageTotal->setObjectName(QStringLiteral("pageTotal"));
    toolbar->addWidget(m_pageTotal);
    m_next = action("actNextPage", tr("Next page"),
                    style()->standardIcon(QStyle::SP_MediaSeekForward), tr("Next page"));
    m_last = action("actLastPage", tr("Last page"),
                    style()->standardIcon(QStyle::SP_MediaSkipForward), tr("Last page"));
    m_first->setShortcut(Qt::CTRL | Qt::Key_Home);
    m_previous->setShortcut(Qt::Key_PageUp);
    m_next->setShortcut(Qt::Key_PageDown);
    m_last->setShortcut(Qt::CTRL | Qt::Key_End);
    connect(m_first, &QAction::triggered, this, [this] { goToPage(1); });
    connect(m_previous, &QAction::triggered, this, [this] { goToPage(currentPage() - 1); });
    connect(m_next, &QAction::triggered, this, [this] { goToPage(currentPage() + 1); });
    connect(m_last, &QAction::triggered, this, [this] { goToPage(pageCount()); });
    connect(m_pageNumber, &QSpinBox::valueChanged, this, &ReportPreviewWindow::goToPage);
    toolbar->addSeparator();

    QAction* zoomOut =
        action("actZoomOut", tr("Zoom out"), glyphIcon(Glyph::ZoomOut), tr("Zoom out"));
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOut, &QAction::triggered, m_preview, [this] { m_preview->zoomOut(); });
    QAction* zoomIn = action("actZoomIn", tr("Zoom in"), glyphIcon(Glyph::ZoomIn), tr("Zoom in"));
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    connect(zoomIn, &QAction::triggered, m_preview, [this] { m_preview->zoomIn(); });
    QAction* fitWidth = action("actFitWidth", tr("Fit width"), glyphIcon(Glyph::FitWidth),
                               tr("Fit the page to the window's width"));
    connect(fitWidth, &QAction::triggered, m_preview, &QPrintPreviewWidget::fitToWidth);
    QAction* fitPage = action("actFitPage", tr("Whole page"), glyphIcon(Glyph::FitPage),
                              tr("Show the whole page"));
    connect(fitPage, &QAction::triggered, m_preview, &QPrintPreviewWidget::fitInView);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("previewStatus"));
    m_status->setContentsMargins(6, 2, 6, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_status);
    resize(kPreferredPreviewSize);
}

ReportPreviewWindow::~ReportPreviewWindow() = default;

void ReportPreviewWindow::showReport(RenderedReport report, const QString& title)
{
    m_pages = std::make_unique<ReportPagePainter>(std::move(report));
    m_previewPrinter.setPageLayout(m_pages->pageLayout());
    m_previewPrinter.setDocName(QString::fromStdString(m_pages->report().title));
    setWindowTitle(title);
    m_status->clear();
    m_preview->updatePreview();
    m_preview->setCurrentPage(1);
    m_preview->fitToWidth();
    updatePageControls();
}

void ReportPreviewWindow::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        fitToScreen();
    }
    QWidget::showEvent(event);
}

void ReportPreviewWindow::fitToScreen()
{
    const QWidget* near = parentWidget() != nullptr ? parentWidget()->window() : this;
    const QScreen* screen = near->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    // The window frame's share: the platform's, once it knows it, else the main window's.
    QMargins margins = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    if (margins.isNull() && near != this && near->isVisible()) {
        const QRect outer = near->frameGeometry();
        const QRect inner = near->geometry();
        margins = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                           outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize size = kPreferredPreviewSize.boundedTo(available.size() - frame);
    resize(size);
    const QSize outer = size + frame;
    move(available.x() + (available.width() - outer.width()) / 2,
         available.y() + (available.height() - outer.height()) / 2);
}

int ReportPreviewWindow::pageCount() const
{
    return m_preview->pageCount();
}

int ReportPreviewWindow::currentPage() const
{
    return m_preview->currentPage();
}

void ReportPreviewWindow::paintPages(QPrinter* printer)
{
    if (m_pages) {
        m_pages->paint(*printer);
    }
}

void ReportPreviewWindow::goToPage(int page)
{
    if (page >= 1 && page <= pageCount() && page != currentPage()) {
        m_preview->setCurrentPage(page);
    }
    updatePageControls();
}

void ReportPreviewWindow::updatePageControls()
{
    const int pages = pageCount();
    const int page = currentPage();
    const QSignalBlocker blocker(m_pageNumber);
    m_pageNumber->setMaximum(qMax(1, pages));
    m_pageNumber->setValue(qMax(1, page));
    m_pageTotal->setText(tr(" of %1 ").arg(pages));
    m_first->setEnabled(page > 1);
    m_previous->setEnabled(page > 1);
    m_next->setEnabled(page < pages);
    m_last->setEnabled(page < pages);
}

bool ReportPreviewWindow::exportPdf()
{
    if (!m_pages) {
        return false;
    }
    if (m_exportFolder.isEmpty()) {
        m_exportFolder = documentsOrHome();
    }
    const QString suggested =
        QDir(m_exportFolder).filePath(pdfFileName(QString::fromStdString(m_pages->report().title)));
    QString chosen = m_dialogs.saveFile(this, suggested);
    if (chosen.isEmpty()) {
        return false;
    }
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += QStringLiteral(".pdf");
    }
    if (!writeReportPdf(m_pages->report(), chosen.toStdString(), m_messages)) {
        return false;
    }
    m_exportFolder = QFileInfo(chosen).absolutePath();
    m_status->setText(tr("Exported to %1").arg(QDir::toNativeSeparators(chosen)));
    return true;
}

bool ReportPreviewWindow::print()
{
    if (!m_pages) {
        return false;
    }
    if (!m_dialogPrinter) {
        // The dialog starts on the printer chosen under "Printer Setup", but what the user
        // chooses in it (another printer, a file) stays the preview's: printing directly goes on
        // to the printer chosen under "Printer Setup".
        const QPrinter& chosen = m_printers.printer();
        m_dialogPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!chosen.outputFileName().isEmpty()) {
            m_dialogPrinter->setOutputFileName(chosen.outputFileName());
        } else if (!chosen.printerName().isEmpty()) {
            m_dialogPrinter->setPrinterName(chosen.printerName());
        }
        m_dialogPrinter->setColorMode(chosen.colorMode());
        m_dialogPrinter->setDuplex(chosen.duplex());
    }
    QPrinter& printer = *m_dialogPrinter;
    printer.setPageLayout(m_pages->pageLayout());
    printer.setDocName(QString::fromStdString(m_pages->report().title));
    if (!m_dialogs.print(printer, this)) {
        return false;
    }
    if (!printPages(*m_pages, printer, m_messages)) {
        return false;
    }
    m_status->setText(tr("Sent to the printer"));
    return true;
}

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/report_page_painter.h"

#include "core/pdf_file.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

namespace grovan {

namespace {

constexpr double kLayoutDpi = 96.0;
// 96 dots per inch is 3 779.5 dots per metre; 3 780 rounds back to 96.
constexpr int kLayoutDotsPerMetre = 3780;
constexpr double kMillimetresPerInch = 25.4;

double layoutUnits(double millimetres)
{
    return millimetres / kMillimetresPerInch * kLayoutDpi;
}

QPageSize::PageSizeId pageSizeId(PaperSize paper)
{
    switch (paper) {
    case PaperSize::A4:
        return QPageSize::A4;
    case PaperSize::A5:
        return QPageSize::A5;
    case PaperSize::Letter:
        return QPageSize::Letter;
    case PaperSize::Legal:
        return QPageSize::Legal;
    }
    return QPageSize::A4;
}

} // namespace

ReportPagePainter::ReportPagePainter(RenderedReport report)
    : m_report(std::move(report)), m_layoutDevice(1, 1, QImage::Format_ARGB32),
      m_document(std::make_unique<QTextDocument>())
{
    m_layoutDevice.setDotsPerMeterX(kLayoutDotsPerMetre);
    m_layoutDevice.setDotsPerMeterY(kLayoutDotsPerMetre);

    const QRectF paintRect = pageLayout().paintRect(QPageLayout::Millimeter);
    m_pageWidth = layoutUnits(paintRect.width());
    m_smallPixels = m_report.fontPoints * 0.8 * kLayoutDpi / 72.0;
    QFont small(QString::fromStdString(m_report.fontFamily));
    small.setPixelSize(qMax(1, qRound(m_smallPixels)));
    const double line = QFontMetricsF(small, &m_layoutDevice).height();
    m_headerHeight = m_report.pageHeader.empty() ? 0.0 : line * 2.0;
    m_footerHeight = line * 2.0;
    m_bodyHeight = qMax(layoutUnits(paintRect.height()) - m_headerHeight - m_footerHeight, line);

    QFont font(QString::fromStdString(m_report.fontFamily));
    font.setPointSizeF(m_report.fontPoints);
    m_document->documentLayout()->setPaintDevice(&m_layoutDevice);
    m_document->setDefaultFont(font);
    m_document->setDocumentMargin(0);
    m_document->setPageSize(QSizeF(m_pageWidth, m_bodyHeight));
    m_document->setHtml(QString::fromStdString(m_report.html));
}

ReportPagePainter::~ReportPagePainter() = default;

QPageLayout ReportPagePainter::pageLayout() const
{
    const PageSetup& page = m_report.page;
    return QPageLayout(
        QPageSize(pageSizeId(page.paper)),
        page.orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                       : QPageLayout::Portrait,
        QMarginsF(page.marginLeftMm, page.marginTopMm, page.marginRightMm, page.marginBottomMm),
        QPageLayout::Millimeter);
}

int ReportPagePainter::pageCount() const
{
    return qMax(1, m_document->pageCount());
}

namespace {

// Whether `block` stands in the heading row of a grid, which repeats on every page.
bool isColumnHeading(const QTextBlock& block)
{
    const QTextCursor cursor(block);
    const QTextTable* table = cursor.currentTable();
    return table != nullptr && table->cellAt(cursor).row() < table->format().headerRowCount();
}

} // namespace

QStringList ReportPagePainter::overlongTexts() const
{
    m_document->pageCount(); // lays the whole document out
    QStringList overlong;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (layout == nullptr || block.text().trimmed().isEmpty() || isColumnHeading(block)) {
            continue;
        }
        const bool wraps = layout->lineCount() > 1;
        // A text without a place to break it stays on one line and runs on past its column.
        const bool runsOver = layout->lineCount() == 1 && layout->lineAt(0).naturalTextWidth() >
                                                              layout->lineAt(0).width() + 0.5;
        if (wraps || runsOver) {
            overlong.append(block.text());
        }
    }
    return overlong;
}

bool ReportPagePainter::paint(QPagedPaintDevice& device) const
{
    device.setPageLayout(pageLayout());
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double scale = device.logicalDpiX() / kLayoutDpi;
    const int pages = pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, page, scale);
    }
    return painter.end();
}

void ReportPagePainter::paintPage(QPainter& painter, int page, double scale) const
{
    painter.save();
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont small(QString::fromStdString(m_report.fontFamily));
    small.setPixelSize(qMax(1, qRound(m_smallPixels)));
    const QPen rule(QColor(0x55, 0x55, 0x55), 0.75);
    const double line = m_footerHeight / 2.0;

    if (m_headerHeight > 0) {
        painter.setFont(small);
        painter.setPen(QColor(0x33, 0x33, 0x33));
        painter.drawText(QRectF(0, 0, m_pageWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(m_report.pageHeader));
        painter.setPen(rule);
        painter.drawLine(QPointF(0, line * 1.3), QPointF(m_pageWidth, line * 1.3));
    }

    painter.save();
    const QRectF clip(0, page * m_bodyHeight, m_pageWidth, m_bodyHeight);
    painter.translate(0, m_headerHeight - page * m_bodyHeight);
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document->documentLayout()->draw(&painter, context);
    painter.restore();

    const double footerTop = m_headerHeight + m_bodyHeight;
    painter.setPen(rule);
    painter.drawLine(QPointF(0, footerTop + line * 0.7),
                     QPointF(m_pageWidth, footerTop + line * 0.7));
    painter.setFont(small);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    const QRectF footer(0, footerTop + line, m_pageWidth, line);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(m_report.pageFooter));
    painter.drawText(
        footer, Qt::AlignRight | Qt::AlignVCenter,
        QString::fromStdString(pageNumberText(page + 1, pageCount(), m_report.language)));
    painter.restore();
}

bool paintReportPdf(const RenderedReport& report, std::string& pdf)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const ReportPagePainter pages(report);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(report.title));
        writer.setCreator(QString::fromLatin1(kPdfCreator));
        if (!pages.paint(writer)) {
            return false;
        }
    } // the writer ends the document when it goes
    pdf.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

} // namespace grovan

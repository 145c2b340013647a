// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/report_renderer.h"

#include <QImage>
#include <QPageLayout>
#include <QStringList>

#include <memory>
#include <string>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace grovan {

/// Lays a rendered report out on pages of its template's paper and margins and paints them onto
/// a printer, a PDF writer or a print preview: the page header at the top of every page, the
/// report's body, and a footer line with the template's footer text and "Page i of n".
///
/// The layout is made once, at a fixed 96 dots per inch, and scaled to the resolution of the
/// device painted on, so the preview, the printer and the PDF break the pages alike.
/// Needs a QGuiApplication (QtGui only; no widgets, no display with the offscreen platform).
class ReportPagePainter
{
public:
    explicit ReportPagePainter(RenderedReport report);
    ~ReportPagePainter();
    ReportPagePainter(const ReportPagePainter&) = delete;
    ReportPagePainter& operator=(const ReportPagePainter&) = delete;

    const RenderedReport& report() const { return m_report; }
    /// The template's paper, orientation and margins.
    QPageLayout pageLayout() const;
    int pageCount() const;

    /// The texts that do not fit on one line where the pages put them (a table cell or a
    /// paragraph that wraps, or runs past its column), in the order they stand; empty when every
    /// line of the report fits. A template is laid out so that each field's largest value fits.
    /// A grid's column headings may take two lines, as headings over narrow columns do: they are
    /// not counted.
    QStringList overlongTexts() const;

    /// Gives `device` the template's page layout, then paints every page onto it. False when the
    /// device cannot be painted on (a file that cannot be written, a printer that is not there).
    bool paint(QPagedPaintDevice& device) const;

private:
    void paintPage(QPainter& painter, int page, double scale) const;

    RenderedReport m_report;
    QImage m_layoutDevice;
    std::unique_ptr<QTextDocument> m_document;
    double m_pageWidth = 0;  // the text width, in layout units (1/96 inch)
    double m_bodyHeight = 0; // the height of the report's body on one page
    double m_headerHeight = 0;
    double m_footerHeight = 0;
    double m_smallPixels = 0; // the header's and footer's font size
};

/// Paints `report`'s pages into a PDF document, `pdf` its bytes, with the report's title and the
/// program as its creator. False when the pages could not be painted.
bool paintReportPdf(const RenderedReport& report, std::string& pdf);

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An outline (bookmarks) and links within the document, added to a PDF that QPdfWriter wrote:
// the writer makes neither. They are appended as an incremental update, which every reader
// applies over the original file.

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <vector>

namespace grovan::tools {

/// A place in the document: the page (from 0) and a point on it, in PDF points from the page's
/// bottom-left corner.
struct PdfPlace
{
    int page = 0;
    double x = 0;
    double y = 0;
};

/// One bookmark; `level` 1 stands at the top of the outline, 2 under the 1 before it, and so on.
struct PdfOutlineEntry
{
    int level = 1;
    QString title;
    PdfPlace place;
};

/// A rectangle of a page (PDF points from the bottom-left corner) that goes to `target`.
struct PdfLink
{
    int page = 0;
    QRectF rect;
    PdfPlace target;
};

/// `pdf` (a whole file as QPdfWriter writes it: a cross-reference table, one catalog, a page
/// tree) with `outline` as its bookmarks, shown when the file opens, and `links` on its pages.
/// An empty array when `pdf` cannot be read so.
QByteArray withOutlineAndLinks(const QByteArray& pdf, const std::vector<PdfOutlineEntry>& outline,
                               const std::vector<PdfLink>& links);

} // namespace grovan::tools

// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the help document's Markdown chapters into the PDF the help window shows. Run by the build:
//     make_help_pdf <output.pdf> <chapter.md>...
// Each chapter file starts with a level-one heading; its level-two headings are its sections.
// The document opens with a table of contents whose lines link to their pages, and carries an
// outline (bookmarks) of every chapter and section. The pages are laid out here, not by the text
// document's own printing, so that a heading never stands alone at the foot of a page, a
// paragraph leaves no single line behind on a page, and a table repeats its header row on every
// page it runs over.

#include "tools/ui/pdf_outline.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <vector>

namespace {

const QColor kHeadingColour(0x1d, 0x4e, 0x5f);
const QColor kRuleColour(0xa9, 0xbc, 0xc2);

// The pages: A4 with margins of 20 mm, laid out at 96 dots per inch and painted in points.
constexpr double kLayoutDpi = 96.0;
constexpr int kLayoutDotsPerMetre = 3780;
constexpr double kMarginMm = 20.0;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kPointsPerLayoutUnit = 72.0 / kLayoutDpi;

double layoutUnits(double millimetres)
{
    return millimetres / kMillimetresPerInch * kLayoutDpi;
}

// What a heading must keep on its page: the first lines of the paragraph after it, or the
// header and first row of the table after it.
constexpr int kLinesKeptWithAHeading = 2;
// A paragraph split over two pages leaves at least this many lines on each.
constexpr int kLinesKeptTogether = 2;
// A chapter does not start in the last quarter of a page.
constexpr double kRoomForAChapter = 0.25;

struct Heading
{
    int level;
    QString title;
    QTextBlock block;
};

class HelpBook
{
public:
    explicit HelpBook(const QString& markdown) : m_layoutDevice(1, 1, QImage::Format_ARGB32)
    {
        QFont body(QStringLiteral("DejaVu Sans"));
        body.setPointSizeF(10);
        // Any letter spacing (1/64 is the least a font keeps) turns the font's ligatures off:
        // with them "fi" is written as one character, which neither the help window's search nor
        // a reader's copy and paste finds as "fi".
        body.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
        m_document.setDefaultFont(body);
        m_document.setDocumentMargin(0);
        m_document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
        {
            // One edit, laid out once at its end rather than after every change.
            QTextCursor edit(&m_document);
            edit.beginEditBlock();
            addContents(headingTitles());
            styleHeadings();
            styleTables();
            // The first chapter begins on the page after the contents.
            QTextBlockFormat first = m_headings.front().block.blockFormat();
            first.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(m_headings.front().block).setBlockFormat(first);
            edit.endEditBlock();
        }

        m_layoutDevice.setDotsPerMeterX(kLayoutDotsPerMetre);
        m_layoutDevice.setDotsPerMeterY(kLayoutDotsPerMetre);
        m_document.documentLayout()->setPaintDevice(&m_layoutDevice);
        const QSizeF page = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        m_pageWidth = layoutUnits(page.width() - 2 * kMarginMm);
        m_bodyHeight = layoutUnits(page.height() - 2 * kMarginMm) - footerHeight();
        m_document.setPageSize(QSizeF(m_pageWidth, m_bodyHeight));
    }

    // Moves headings, paragraphs and chapters to the next page until every page keeps its
    // headings with what follows them and no paragraph leaves a single line behind.
    void paginate()
    {
        for (int round = 0; round < 1000; ++round) {
            layOutAfresh();
            const std::optional<QTextBlock> moved = firstBlockToMove();
            if (!moved) {
                return;
            }
            // A heading takes what it keeps along: the blocks up to there follow it again
            // instead of starting a page of their own.
            if (moved->blockFormat().headingLevel() > 0) {
                const std::optional<double> kept = keptWithHeading(*moved);
                for (QTextBlock after = moved->next();
                     after.isValid() && kept && lineTop(after, 0) <= *kept; after = after.next()) {
                    if (m_moved.erase(after.blockNumber()) > 0) {
                        setPageBreak(after, false);
                    }
                }
            }
            setPageBreak(*moved, true);
            m_moved.insert(moved->blockNumber());
        }
    }

    // The text layout lays blocks out as they are asked for and after a change only partly
    // again, which can leave a block without lines; every decision is taken on a whole layout.
    void layOutAfresh()
    {
        m_document.markContentsDirty(0, m_document.characterCount());
        m_document.documentLayout()->documentSize();
    }

    static void setPageBreak(const QTextBlock& block, bool before)
    {
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(before ? QTextFormat::PageBreak_AlwaysBefore
                                         : QTextFormat::PageBreak_Auto);
        QTextCursor(block).setBlockFormat(format);
    }

    // Writes the page numbers into the table of contents.
    void numberContents()
    {
        std::vector<int> pages;
        for (const Heading& heading : m_headings) {
            pages.push_back(pageOf(heading.block) + 1);
        }
        QTextCursor edit(&m_document);
        edit.beginEditBlock();
        for (std::size_t i = 0; i < m_headings.size(); ++i) {
            QTextTableCell cell = m_contents->cellAt(static_cast<int>(i), 1);
            QTextCursor cursor = cell.firstCursorPosition();
            cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            cursor.insertText(QString::number(pages[i]));
        }
        edit.endEditBlock();
    }

    // Paints every page into a PDF and adds its outline and the contents' links.
    QByteArray pdf() const
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setTitle(QStringLiteral("Grovan 2022 Help"));
            writer.setCreator(QStringLiteral("Grovan 2022"));
            writer.setPageLayout(
                QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            QPainter painter(&writer);
            const double scale = writer.logicalDpiX() / kLayoutDpi;
            const int pages = pageCount();
            for (int page = 0; page < pages; ++page) {
                if (page > 0) {
                    writer.newPage();
                }
                paintPage(painter, page, pages, scale);
            }
        }
        return grovan::tools::withOutlineAndLinks(buffer.data(), outline(), links());
    }

private:
    // 8 points, in the layout's units: the painter is scaled to them.
    static QFont footerFont()
    {
        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(qRound(8 * kLayoutDpi / 72.0));
        return small;
    }

    double footerHeight() const
    {
        return QFontMetricsF(footerFont(), &m_layoutDevice).height() * 2.5;
    }

    int pageCount() const { return std::max(1, m_document.pageCount()); }

    int pageOf(double y) const { return static_cast<int>(std::floor(y / m_bodyHeight)); }
    int pageOf(const QTextBlock& block) const { return pageOf(lineTop(block, 0)); }

    // The top and bottom of a block's line in the document, in layout units. The block's box
    // starts at its first line; the lines keep their distances to it, page gaps included.
    double lineTop(const QTextBlock& block, int line) const
    {
        const QRectF box = m_document.documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        if (layout->lineCount() == 0) {
            return box.top();
        }
        return box.top() + layout->lineAt(line).y() - layout->lineAt(0).y();
    }
    double lineBottom(const QTextBlock& block, int line) const
    {
        const QTextLine text = block.layout()->lineAt(line);
        return lineTop(block, line) + text.height();
    }

    // The chapters' and sections' titles, in order, as the Markdown gives them.
    std::vector<std::pair<int, QString>> headingTitles() const
    {
        std::vector<std::pair<int, QString>> titles;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            const int level = block.blockFormat().headingLevel();
            if ((level == 1 || level == 2) && !block.text().trimmed().isEmpty()) {
                titles.emplace_back(level, block.text().trimmed());
            }
        }
        return titles;
    }

    void styleHeadings()
    {
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            const int level = block.blockFormat().headingLevel();
            if (level == 0 || block.text().trimmed().isEmpty()) {
                continue;
            }
            QTextCursor cursor(block);
            QTextBlockFormat paragraph = block.blockFormat();
            paragraph.setTopMargin(level == 1 ? 28 : 14);
            paragraph.setBottomMargin(level == 1 ? 12 : 6);
            cursor.setBlockFormat(paragraph);

            cursor.select(QTextCursor::BlockUnderCursor);
            QTextCharFormat text;
            text.setForeground(kHeadingColour);
            text.setFontWeight(level == 3 ? QFont::DemiBold : QFont::Bold);
            text.setFontPointSize(level == 1 ? 20 : level == 2 ? 14 : 11.5);
            cursor.mergeCharFormat(text);
            // The first heading is the contents' own.
            if (level <= 2 && block != m_document.begin()) {
                m_headings.push_back({level, block.text().trimmed(), block});
            }
        }
    }

    void styleTables()
    {
        for (QTextFrame* frame : m_document.rootFrame()->childFrames()) {
            auto* table = qobject_cast<QTextTable*>(frame);
            if (table == nullptr || table == m_contents) {
                continue;
            }
            QTextTableFormat format = table->format();
            format.setBorderCollapse(true);
            format.setBorder(1);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(kRuleColour);
            format.setCellSpacing(0);
            format.setCellPadding(4);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            format.setTopMargin(4);
            format.setBottomMargin(8);
            // The header row stands again at the top of every page the table runs over.
            format.setHeaderRowCount(1);
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextTableCellFormat heading = cell.format().toTableCellFormat();
                heading.setBackground(QColor(0xe2, 0xee, 0xef));
                cell.setFormat(heading);
            }
        }
    }

    // A "Contents" page before the first chapter: one line for every chapter and section of
    // `titles`, its page number to the right (numberContents writes them once they are known).
    void addContents(const std::vector<std::pair<int, QString>>& titles)
    {
        // An empty block before the first chapter's heading, with its format, holds the title.
        QTextCursor cursor(&m_document);
        cursor.movePosition(QTextCursor::Start);
        cursor.insertBlock();
        cursor.movePosition(QTextCursor::PreviousBlock);
        cursor.insertText(QStringLiteral("Contents"));

        QTextTableFormat format;
        format.setBorder(0);
        format.setCellSpacing(0);
        format.setCellPadding(2);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                          QTextLength(QTextLength::PercentageLength, 10)});
        m_contents = cursor.insertTable(static_cast<int>(titles.size()), 2, format);
        for (std::size_t i = 0; i < titles.size(); ++i) {
            const auto& [level, title] = titles[i];
            const int row = static_cast<int>(i);
            QTextCursor entry = m_contents->cellAt(row, 0).firstCursorPosition();
            QTextBlockFormat line;
            line.setLeftMargin(level == 1 ? 0 : 18);
            line.setTopMargin(level == 1 && i > 0 ? 6 : 0);
            entry.setBlockFormat(line);
            QTextCharFormat text;
            text.setFontWeight(level == 1 ? QFont::Bold : QFont::Normal);
            entry.insertText(title, text);
            QTextCursor number = m_contents->cellAt(row, 1).firstCursorPosition();
            line.setLeftMargin(0);
            line.setAlignment(Qt::AlignRight);
            number.setBlockFormat(line);
            number.insertText(QStringLiteral("0"), text);
        }
    }

    // The first block, in document order, that a rule sends to the next page; nothing when the
    // pages are right.
    std::optional<QTextBlock> firstBlockToMove() const
    {
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            if (block.text().trimmed().isEmpty() || block.layout()->lineCount() == 0 ||
                block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
                continue;
            }
            const int page = pageOf(block);
            // A block at the top of its page gains nothing from the next one.
            if (lineTop(block, 0) - page * m_bodyHeight < 1.0) {
                continue;
            }
            const int level = block.blockFormat().headingLevel();
            if (level > 0) {
                if (level == 1 && lineTop(block, 0) - page * m_bodyHeight >
                                      (1.0 - kRoomForAChapter) * m_bodyHeight) {
                    return block;
                }
                if (const auto keep = keptWithHeading(block); keep && pageOf(*keep) != page) {
                    return block;
                }
                continue;
            }
            if (inTable(block)) {
                continue;
            }
            const int lines = block.layout()->lineCount();
            const int lastPage = pageOf(lineTop(block, lines - 1));
            if (lastPage == page) {
                continue;
            }
            int onFirstPage = 0;
            while (onFirstPage < lines && pageOf(lineTop(block, onFirstPage)) == page) {
                ++onFirstPage;
            }
            if (onFirstPage < kLinesKeptTogether || lines - onFirstPage < kLinesKeptTogether) {
                return block;
            }
        }
        return std::nullopt;
    }

    bool inTable(const QTextBlock& block) const
    {
        return qobject_cast<QTextTable*>(QTextCursor(block).currentFrame()) != nullptr;
    }

    // The last point a heading keeps on its own page: the bottom of the first lines of the
    // paragraph or heading after it, or of the first data row of the table after it.
    std::optional<double> keptWithHeading(const QTextBlock& heading) const
    {
        QTextBlock next = heading.next();
        while (next.isValid() && next.text().trimmed().isEmpty() && !inTable(next)) {
            next = next.next();
        }
        if (!next.isValid()) {
            return std::nullopt;
        }
        if (auto* table = qobject_cast<QTextTable*>(QTextCursor(next).currentFrame())) {
            const int row = std::min(1, table->rows() - 1);
            double bottom = 0;
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                for (QTextBlock block = cell.firstCursorPosition().block();
                     block.isValid() && block.position() <= cell.lastPosition();
                     block = block.next()) {
                    const int lines = block.layout()->lineCount();
                    if (lines > 0) {
                        bottom = std::max(bottom, lineBottom(block, lines - 1));
                    }
                }
            }
            return bottom - 0.5;
        }
        const int lines = next.layout()->lineCount();
        if (lines == 0) {
            return std::nullopt;
        }
        return lineBottom(next, std::min(lines, kLinesKeptWithAHeading) - 1) - 0.5;
    }

    void paintPage(QPainter& painter, int page, int pages, double scale) const
    {
        painter.save();
        painter.scale(scale, scale);
        painter.translate(layoutUnits(kMarginMm), layoutUnits(kMarginMm));
        painter.save();
        const QRectF clip(0, page * m_bodyHeight, m_pageWidth, m_bodyHeight);
        painter.translate(0, -page * m_bodyHeight);
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, Qt::black);
        m_document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont());
        const double footerTop = m_bodyHeight + footerHeight() / 2;
        painter.setPen(QPen(kRuleColour, 0.75));
        painter.drawLine(QPointF(0, footerTop), QPointF(m_pageWidth, footerTop));
        painter.setPen(QColor(0x33, 0x33, 0x33));
        const QRectF footer(0, footerTop, m_pageWidth, footerHeight() / 2);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Grovan 2022 Help"));
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
        painter.restore();
    }

    // Where a point of the document stands on its page, in PDF points from the page's
    // bottom-left corner.
    grovan::tools::PdfPlace placeOf(double x, double y) const
    {
        const double pageHeight = QPageSize(QPageSize::A4).size(QPageSize::Point).height();
        const int page = pageOf(y);
        return {page, (layoutUnits(kMarginMm) + x) * kPointsPerLayoutUnit,
                pageHeight -
                    (layoutUnits(kMarginMm) + y - page * m_bodyHeight) * kPointsPerLayoutUnit};
    }

    std::vector<grovan::tools::PdfOutlineEntry> outline() const
    {
        std::vector<grovan::tools::PdfOutlineEntry> entries;
        const QTextBlock contents = m_document.begin();
        entries.push_back({1, QStringLiteral("Contents"), placeOf(0, lineTop(contents, 0))});
        for (const Heading& heading : m_headings) {
            entries.push_back(
                {heading.level, heading.title, placeOf(0, lineTop(heading.block, 0) - 4)});
        }
        return entries;
    }

    std::vector<grovan::tools::PdfLink> links() const
    {
        std::vector<grovan::tools::PdfLink> links;
        for (std::size_t i = 0; i < m_headings.size(); ++i) {
            const int row = static_cast<int>(i);
            const QTextBlock entry = m_contents->cellAt(row, 0).firstCursorPosition().block();
            const QTextBlock number = m_contents->cellAt(row, 1).firstCursorPosition().block();
            const double top = lineTop(entry, 0);
            const double bottom = lineBottom(number, 0);
            const grovan::tools::PdfPlace from = placeOf(0, top);
            const grovan::tools::PdfPlace to = placeOf(m_pageWidth, bottom);
            links.push_back({from.page, QRectF(QPointF(from.x, to.y), QPointF(to.x, from.y)),
                             placeOf(0, lineTop(m_headings[i].block, 0) - 4)});
        }
        return links;
    }

    QImage m_layoutDevice;
    QTextDocument m_document;
    double m_pageWidth = 0;
    double m_bodyHeight = 0;
    std::vector<Heading> m_headings;
    QTextTable* m_contents = nullptr;
    std::set<int> m_moved; // the blocks the pages begin with, by number
};

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_help_pdf <output.pdf> <chapter.md>...\n");
        return 2;
    }
    QString markdown;
    for (int i = 2; i < argc; ++i) {
        QFile chapter(QString::fromLocal8Bit(argv[i]));
        if (!chapter.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "make_help_pdf: cannot read %s\n", argv[i]);
            return 1;
        }
        const QString text = QString::fromUtf8(chapter.readAll());
        if (!text.trimmed().startsWith(QStringLiteral("# "))) {
            std::fprintf(stderr,
                         "make_help_pdf: %s does not start with a chapter heading (# ...)\n",
                         argv[i]);
            return 1;
        }
        markdown += text + QStringLiteral("\n\n");
    }

    HelpBook book(markdown);
    book.paginate();
    book.numberContents();
    book.paginate();
    book.layOutAfresh();

    const QByteArray made = book.pdf();
    if (made.isEmpty()) {
        std::fprintf(stderr, "make_help_pdf: the PDF's outline could not be added\n");
        return 1;
    }
    QFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly) || output.write(made) < 0 || !output.flush()) {
        std::fprintf(stderr, "make_help_pdf: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

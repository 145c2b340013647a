// Turns the help document's Markdown sections into the PDF the help window shows. Each section
// file starts with a level-one heading and begins a new page. Run by the build:
//     make_help_pdf <output.pdf> <section.md>...

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

namespace {

const QColor kHeadingColour(0x1d, 0x4e, 0x5f);

void styleHeadings(QTextDocument& document)
{
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0) {
            continue;
        }
        QTextCursor cursor(block);
        QTextBlockFormat paragraph = block.blockFormat();
        paragraph.setTopMargin(level == 1 ? 0 : 14);
        paragraph.setBottomMargin(level == 1 ? 12 : 6);
        if (level == 1 && !first) {
            paragraph.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        }
        first = first && level != 1;
        cursor.setBlockFormat(paragraph);

        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat text;
        text.setForeground(kHeadingColour);
        text.setFontWeight(level == 3 ? QFont::DemiBold : QFont::Bold);
        text.setFontPointSize(level == 1 ? 20 : level == 2 ? 14 : 11.5);
        cursor.mergeCharFormat(text);
    }
}

void styleTables(QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr) {
            continue;
        }
        QTextTableFormat format = table->format();
        format.setBorderCollapse(true);
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QColor(0xa9, 0xbc, 0xc2));
        format.setCellSpacing(0);
        format.setCellPadding(4);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setTopMargin(4);
        format.setBottomMargin(8);
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(0, column);
            QTextTableCellFormat heading = cell.format().toTableCellFormat();
            heading.setBackground(QColor(0xe2, 0xee, 0xef));
            cell.setFormat(heading);
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_help_pdf <output.pdf> <section.md>...\n");
        return 2;
    }
    QString markdown;
    for (int i = 2; i < argc; ++i) {
        QFile section(QString::fromLocal8Bit(argv[i]));
        if (!section.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "make_help_pdf: cannot read %s\n", argv[i]);
            return 1;
        }
        markdown += QString::fromUtf8(section.readAll()) + QStringLiteral("\n\n");
    }

    QTextDocument document;
    QFont body(QStringLiteral("DejaVu Sans"));
    body.setPointSizeF(10);
    document.setDefaultFont(body);
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    styleHeadings(document);
    styleTables(document);

    const QString output = QString::fromLocal8Bit(argv[1]);
    {
        QPdfWriter pdf(output);
        pdf.setTitle(QStringLiteral("Grovan 2022 Help"));
        pdf.setCreator(QStringLiteral("Grovan 2022"));
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        document.print(&pdf);
    }
    // The writer reports nothing itself; an unwritable output leaves no file behind.
    if (QFile(output).size() == 0) {
        std::fprintf(stderr, "make_help_pdf: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

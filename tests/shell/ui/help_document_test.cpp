// SPDX-License-Identifier: GPL-3.0-or-later
// The help document's tool on chapters of any shape, as other chapters will be added: the outline
// holds every chapter and section at its page, the contents link to the same pages, no heading
// stands at the foot of a page, a table repeats its header on every page it runs over, and no page
// but the last is left nearly empty. And the program's own document carries every chapter of
// resources/help in its outline.

#include "tests/support/temp_folder.h"

#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <fstream>
#include <map>

namespace grovan {

using testing::TempFolder;

namespace {

struct Chapter
{
    QString title;
    QString text; // Markdown after the chapter's heading
};

QString sentence(int number)
{
    return QStringLiteral("Sentence %1 tells the reader something about the calculator and "
                          "how its figures come about. ")
        .arg(number);
}

QString paragraph(int sentences, int first)
{
    QString text;
    for (int i = 0; i < sentences; ++i) {
        text += sentence(first + i);
    }
    return text + QStringLiteral("\n\n");
}

// Chapters of every kind the help has: sections with paragraphs of every length, a long table,
// third-level headings, a chapter of short sections only.
std::vector<Chapter> fixtureChapters()
{
    std::vector<Chapter> chapters;
    QString first;
    for (int section = 1; section <= 6; ++section) {
        first += QStringLiteral("## First section %1\n\n").arg(section) +
                 paragraph(3 + section * 2, section * 100);
        first += QStringLiteral("### Detail %1\n\n").arg(section) + paragraph(section, 50);
    }
    chapters.push_back({QStringLiteral("The first chapter"), first});

    QString table =
        QStringLiteral("## The long table\n\nThe fields:\n\n| Field | Meaning |\n|---|---|\n");
    for (int row = 1; row <= 70; ++row) {
        table +=
            QStringLiteral("| Field %1 | what field %1 holds, told in a few words |\n").arg(row);
    }
    table += QStringLiteral("\n## After the table\n\n") + paragraph(4, 900);
    chapters.push_back({QStringLiteral("The second chapter"), table});

    QString shortOnes;
    for (int section = 1; section <= 14; ++section) {
        shortOnes += QStringLiteral("## Short section %1\n\n").arg(section) +
                     paragraph(1 + section % 4, section * 10);
    }
    chapters.push_back({QStringLiteral("The third chapter"), shortOnes});
    return chapters;
}

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode != nullptr) {
        *exitCode = process.exitCode();
    }
    return QString::fromUtf8(exitCode != nullptr && *exitCode != 0
                                 ? process.readAllStandardError()
                                 : process.readAllStandardOutput());
}

QString pageText(const QString& pdf, int page)
{
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
}

// The body's lines of a page: no blank lines, no footer.
QStringList bodyLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.contains(QStringLiteral("Grovan 2022 Help   "))) {
            lines << line.trimmed();
        }
    }
    return lines;
}

struct Bookmark
{
    QString title;
    int page; // from 0
    std::vector<Bookmark> children;
};

std::vector<Bookmark> bookmarks(QPdfBookmarkModel& model, const QModelIndex& parent = {})
{
    std::vector<Bookmark> found;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        found.push_back({index.data(int(QPdfBookmarkModel::Role::Title)).toString(),
                         index.data(int(QPdfBookmarkModel::Role::Page)).toInt(),
                         bookmarks(model, index)});
    }
    return found;
}

} // namespace

class HelpDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void chaptersOfAnyShapeMakeAWellKeptDocument()
    {
        const TempFolder folder;
        QStringList arguments{QString::fromStdString((folder / "help.pdf").string())};
        QStringList headings;
        std::vector<std::pair<QString, QStringList>> sections; // chapter -> its sections
        int number = 0;
        for (const Chapter& chapter : fixtureChapters()) {
            const auto file = folder / ("chapter" + std::to_string(++number) + ".md");
            TempFolder::writeFile(file,
                                  ("# " + chapter.title + "\n\n" + chapter.text).toStdString());
            arguments << QString::fromStdString(file.string());
            sections.push_back({chapter.title, {}});
            headings << chapter.title;
            static const QRegularExpression heading(QStringLiteral("^(#+) (.*)$"),
                                                    QRegularExpression::MultilineOption);
            auto matches = heading.globalMatch(chapter.text);
            while (matches.hasNext()) {
                const auto match = matches.next();
                headings << match.captured(2);
                if (match.captured(1) == QStringLiteral("##")) {
                    sections.back().second << match.captured(2);
                }
            }
        }
        int exitCode = 0;
        const QString told = run(QStringLiteral(GROVAN_MAKE_HELP_PDF), arguments, &exitCode);
        QVERIFY2(exitCode == 0, qPrintable(told));
        const QString pdf = arguments.front();

        // The outline: the contents, then every chapter with its sections, each at the page
        // that shows its title.
        QPdfDocument document;
        QCOMPARE(document.load(pdf), QPdfDocument::Error::None);
        QPdfBookmarkModel model;
        model.setDocument(&document);
        const std::vector<Bookmark> outline = bookmarks(model);
        QCOMPARE(outline.size(), sections.size() + 1);
        QCOMPARE(outline.front().title, QStringLiteral("Contents"));
        std::map<QString, int> pageOf;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const Bookmark& chapter = outline[i + 1];
            QCOMPARE(chapter.title, sections[i].first);
            QStringList titles;
            for (const Bookmark& section : chapter.children) {
                titles << section.title;
            }
            QCOMPARE(titles, sections[i].second);
            for (const Bookmark* entry = &chapter; entry != nullptr;) {
                QVERIFY2(document.getAllText(entry->page).text().contains(entry->title),
                         qPrintable(entry->title));
                pageOf[entry->title] = entry->page;
                entry = nullptr;
            }
            for (const Bookmark& section : chapter.children) {
                QVERIFY2(document.getAllText(section.page).text().contains(section.title),
                         qPrintable(section.title));
                pageOf[section.title] = section.page;
            }
        }

        // The contents: every chapter and section, linked to its page.
        const QString xml =
            run(QStringLiteral("pdftohtml"),
                {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"),
                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                 QStringLiteral("1"), pdf});
        for (const auto& [title, page] : pageOf) {
            const QRegularExpression link(QStringLiteral("<a href=\"[^\"]*#(\\d+)\">(<b>)?") +
                                          QRegularExpression::escape(title) +
                                          QStringLiteral("(</b>)?</a>"));
            const auto match = link.match(xml);
            QVERIFY2(match.hasMatch(), qPrintable(title + QStringLiteral(" has no link\n") + xml));
            QCOMPARE(match.captured(1).toInt(), page + 1);
        }

        // The pages: no heading stands at a page's foot, the table's header stands over its rows
        // on every page, and every page but the last is well filled.
        const int pages = document.pageCount();
        for (int page = 2; page <= pages; ++page) {
            const QStringList lines = bodyLines(pageText(pdf, page));
            QVERIFY(!lines.isEmpty());
            QVERIFY2(!headings.contains(lines.back()),
                     qPrintable(QStringLiteral("page %1 ends with the heading %2")
                                    .arg(page)
                                    .arg(lines.back())));
            const qsizetype firstRow =
                lines.indexOf(QRegularExpression(QStringLiteral("^Field \\d+ ")));
            if (firstRow >= 0) {
                QVERIFY2(
                    firstRow > 0 && lines[firstRow - 1].startsWith(QStringLiteral("Field")) &&
                        lines[firstRow - 1].contains(QStringLiteral("Meaning")),
                    qPrintable(
                        QStringLiteral("page %1 has table rows without the header").arg(page)));
            }
            if (page < pages) {
                QVERIFY2(
                    lines.size() >= 20,
                    qPrintable(
                        QStringLiteral("page %1 holds only %2 lines").arg(page).arg(lines.size())));
            }
        }
    }

    void aChapterWithoutItsHeadingIsRefused()
    {
        const TempFolder folder;
        TempFolder::writeFile(folder / "loose.md", "Some text without a chapter heading.\n");
        int exitCode = 0;
        const QString told = run(QStringLiteral(GROVAN_MAKE_HELP_PDF),
                                 {QString::fromStdString((folder / "help.pdf").string()),
                                  QString::fromStdString((folder / "loose.md").string())},
                                 &exitCode);
        QCOMPARE(exitCode, 1);
        QVERIFY2(told.contains(QStringLiteral("does not start with a chapter heading")),
                 qPrintable(told));
        QVERIFY(!std::filesystem::exists(folder / "help.pdf"));
    }

    void theProgramsDocumentHasEveryChapterInItsOutline()
    {
        QPdfDocument document;
        QCOMPARE(document.load(QStringLiteral(GROVAN_ASSET_DIR "/Grovan2022Help.pdf")),
                 QPdfDocument::Error::None);
        QPdfBookmarkModel model;
        model.setDocument(&document);
        QStringList chapters;
        for (const Bookmark& chapter : bookmarks(model)) {
            chapters << chapter.title;
        }
        const QDir help(QStringLiteral(GROVAN_SOURCE_DIR "/resources/help"));
        const QStringList files = help.entryList({QStringLiteral("*.md")}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            QFile file(help.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString title = QString::fromUtf8(file.readLine()).trimmed().mid(2);
            QVERIFY2(chapters.contains(title),
                     qPrintable(name + QStringLiteral(" (\"") + title +
                                QStringLiteral("\") is not in the help document: list it in "
                                               "resources/CMakeLists.txt")));
        }
    }
};

} // namespace grovan

QTEST_MAIN(grovan::HelpDocumentTest)
#include "help_document_test.moc"

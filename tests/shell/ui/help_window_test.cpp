// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/twips.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/frm_help_browser.h"
#include "shell/ui/mdi_form1.h"
#include "tests/shell/ui/shell_fixture.h"

#include <QListView>
#include <QMdiSubWindow>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfSearchModel>
#include <QPdfSelection>
#include <QPdfView>
#include <QSplitter>
#include <QTreeView>
#include <QtTest>

namespace grovan {

using testing::ShellFixture;

namespace {

const std::filesystem::path kBuiltAssets = GROVAN_ASSET_DIR;

frmHelpBrowser* openHelp(MDIForm1& window)
{
    window.findChild<QAction*>("mnuContents")->trigger();
    return qobject_cast<frmHelpBrowser*>(window.childWindow("frmHelpBrowser"));
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheHelpDocumentFromTheAssetFolder();
    void panesFollowTheWindowSize();
    void theOutlineTakesThePagesToAChapterOrSection();
    void theSearchBoxListsTheHitsAndGoesToThem();
    void missingDocumentLeavesTheViewEmpty();
    void opensOnce();
    void builtHelpDocumentDescribesTheMenus();
    void builtBackgroundPictureCoversALargeWindow();
};

void HelpWindowTest::showsTheHelpDocumentFromTheAssetFolder()
{
    ShellFixture shell;
    std::filesystem::copy_file(kBuiltAssets / "Grovan2022Help.pdf",
                               shell.paths.asset("Grovan2022Help.pdf"));
    MDIForm1 window(shell.context, shell.calculators);
    window.show();

    frmHelpBrowser* help = openHelp(window);

    QVERIFY(help != nullptr);
    QCOMPARE(help->windowTitle(), QString("Grovan Help"));
    QVERIFY(help->isVisible());
    auto* browser = help->findChild<QPdfView*>("brwWebBrowser");
    QVERIFY(browser != nullptr);
    QCOMPARE(browser->document(), help->document());
    QTRY_COMPARE(help->document()->status(), QPdfDocument::Status::Ready);
    QVERIFY(help->document()->pageCount() > 0);
    QVERIFY(shell.sink.messages.empty());
}

void HelpWindowTest::panesFollowTheWindowSize()
{
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);
    window.resize(760, 560);
    window.show();
    frmHelpBrowser* help = openHelp(window);
    QVERIFY(help != nullptr);
    auto* panes = help->findChild<QSplitter*>("helpPanes");
    auto* browser = help->findChild<QPdfView*>("brwWebBrowser");
    const int margin = twipsToPixels(100, help);
    QVERIFY(margin > 0);

    for (const QSize frameSize : {QSize(500, 400), QSize(640, 300)}) {
        qobject_cast<QMdiSubWindow*>(help->parentWidget())->resize(frameSize);
        QTRY_COMPARE(panes->size(), help->size() - QSize(margin, margin));
        // The pages beside the outline, as high as the panes.
        QCOMPARE(browser->height(), panes->height());
        QVERIFY(browser->x() > help->outline()->x());
    }
}

void HelpWindowTest::theOutlineTakesThePagesToAChapterOrSection()
{
    ShellFixture shell;
    std::filesystem::copy_file(kBuiltAssets / "Grovan2022Help.pdf",
                               shell.paths.asset("Grovan2022Help.pdf"));
    MDIForm1 window(shell.context, shell.calculators);
    window.resize(1092, 614);
    window.show();
    frmHelpBrowser* help = openHelp(window);
    QVERIFY(help != nullptr);
    QTRY_COMPARE(help->document()->status(), QPdfDocument::Status::Ready);
    QAbstractItemModel* outline = help->outline()->model();
    QTRY_VERIFY(outline->rowCount() > 1);

    // A chapter, then one of its sections, on a page after the first.
    const QModelIndex chapter = outline
                                    ->match(outline->index(0, 0), Qt::DisplayRole,
                                            QStringLiteral("The File menu"), 1, Qt::MatchExactly)
                                    .value(0);
    QVERIFY(chapter.isValid());
    const QModelIndex section = outline->index(1, 0, chapter); // "Printer Setup"
    QCOMPARE(section.data().toString(), QStringLiteral("Printer Setup"));
    for (const QModelIndex& entry : {chapter, section}) {
        const int page = entry.data(int(QPdfBookmarkModel::Role::Page)).toInt();
        QVERIFY(page > 0);
        QVERIFY2(help->document()->getAllText(page).text().contains(entry.data().toString()),
                 qPrintable(entry.data().toString()));
        help->pages()->pageNavigator()->jump(0, {}, 0);
        help->outline()->scrollTo(entry);
        QTest::mouseClick(help->outline()->viewport(), Qt::LeftButton, {},
                          help->outline()->visualRect(entry).center());
        QTRY_COMPARE(help->pages()->pageNavigator()->currentPage(), page);
    }
}

void HelpWindowTest::theSearchBoxListsTheHitsAndGoesToThem()
{
    ShellFixture shell;
    std::filesystem::copy_file(kBuiltAssets / "Grovan2022Help.pdf",
                               shell.paths.asset("Grovan2022Help.pdf"));
    MDIForm1 window(shell.context, shell.calculators);
    window.show();
    frmHelpBrowser* help = openHelp(window);
    QVERIFY(help != nullptr);
    QTRY_COMPARE(help->document()->status(), QPdfDocument::Status::Ready);
    QVERIFY(!help->searchResults()->isVisible());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    help->pages()->setFocus();
    QTest::keyClick(help->pages(), Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(help->focusWidget(), static_cast<QWidget*>(help->searchBox()));
    QTest::keyClicks(help->searchBox(), QStringLiteral("Printer Setup"));
    QVERIFY(help->searchResults()->isVisible());
    QAbstractItemModel* hits = help->searchResults()->model();
    QTRY_VERIFY(hits->rowCount() > 1);
    const QModelIndex last = hits->index(hits->rowCount() - 1, 0);
    const int page = last.data(int(QPdfSearchModel::Role::Page)).toInt();
    QVERIFY(last.data().toString().startsWith(QStringLiteral("Page %1: ").arg(page + 1)));
    QVERIFY(last.data().toString().contains(QStringLiteral("Printer Setup")));
    QVERIFY(help->document()->getAllText(page).text().contains(QStringLiteral("Printer Setup")));

    QTest::mouseClick(help->searchResults()->viewport(), Qt::LeftButton, {},
                      help->searchResults()->visualRect(last).center());
    QTRY_COMPARE(help->pages()->pageNavigator()->currentPage(), page);
    // Enter goes to the first hit.
    QTest::keyClick(help->searchBox(), Qt::Key_Return);
    QTRY_COMPARE(help->pages()->pageNavigator()->currentPage(),
                 hits->index(0, 0).data(int(QPdfSearchModel::Role::Page)).toInt());

    help->searchBox()->clear();
    QVERIFY(!help->searchResults()->isVisible());
}

void HelpWindowTest::missingDocumentLeavesTheViewEmpty()
{
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);
    window.show();

    frmHelpBrowser* help = openHelp(window);

    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QTRY_COMPARE(help->document()->status(), QPdfDocument::Status::Error);
    QCOMPARE(help->document()->pageCount(), 0);
    QVERIFY(shell.sink.messages.empty());
}

void HelpWindowTest::opensOnce()
{
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);
    window.show();

    frmHelpBrowser* first = openHelp(window);
    frmHelpBrowser* second = openHelp(window);

    QVERIFY(first != nullptr);
    QCOMPARE(second, first);
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
}

void HelpWindowTest::builtHelpDocumentDescribesTheMenus()
{
    QPdfDocument document;
    QCOMPARE(document.load(QString::fromStdString((kBuiltAssets / "Grovan2022Help.pdf").string())),
             QPdfDocument::Error::None);
    QString text;
    for (int page = 0; page < document.pageCount(); ++page) {
        text += document.getAllText(page).text();
    }
    for (const char* heading :
         {"Starting the program", "The main window and its menus", "Initialise All",
          "Printer Setup", "Video Lectures", "About Grovan2022...", "The calculators"}) {
        QVERIFY2(text.contains(QLatin1String(heading)), heading);
    }
}

void HelpWindowTest::builtBackgroundPictureCoversALargeWindow()
{
    const QImage picture(QString::fromStdString((kBuiltAssets / "Grovan.jpg").string()));
    QVERIFY(!picture.isNull());
    // Large enough that a 1280 x 800 child-window area does not blow it up.
    QVERIFY(picture.width() >= 1280 && picture.height() >= 800);
}

} // namespace grovan

QTEST_MAIN(grovan::HelpWindowTest)
#include "help_window_test.moc"

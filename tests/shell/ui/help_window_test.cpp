#include "core/ui/twips.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/frm_help_browser.h"
#include "shell/ui/mdi_form1.h"
#include "tests/shell/ui/shell_fixture.h"

#include <QMdiSubWindow>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPdfView>
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
    void browserFollowsTheWindowSize();
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

void HelpWindowTest::browserFollowsTheWindowSize()
{
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);
    window.resize(760, 560);
    window.show();
    frmHelpBrowser* help = openHelp(window);
    QVERIFY(help != nullptr);
    auto* browser = help->findChild<QPdfView*>("brwWebBrowser");
    const int margin = twipsToPixels(100, help);
    QVERIFY(margin > 0);

    for (const QSize frameSize : {QSize(500, 400), QSize(640, 300)}) {
        qobject_cast<QMdiSubWindow*>(help->parentWidget())->resize(frameSize);
        QTRY_COMPARE(browser->size(), help->size() - QSize(margin, margin));
    }
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

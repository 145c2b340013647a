// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/income_tax.h"
#include "core/ui/qt_text.h"
#include "core/ui/twips.h"
#include "shell/calculators.h"
#include "shell/initialise_all.h"
#include "shell/main_menu.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/frm_about.h"
#include "shell/ui/mdi_form1.h"
#include "tests/shell/ui/shell_fixture.h"

#include <QCheckBox>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QtTest>

namespace grovan {

using testing::CloseLog;
using testing::dummyFactory;
using testing::ShellFixture;

namespace {

QAction* command(const MDIForm1& window, std::string_view name)
{
    return window.findChild<QAction*>(qText(name));
}

void registerEveryCalculator(WindowRegistry& windows)
{
    for (const TopMenu& top : mainMenuBar()) {
        if (top.title.action == MenuAction::OpenCalculator) {
            windows.add(top.title.window, dummyFactory());
        }
        for (const MenuItem& item : top.items) {
            if (item.action == MenuAction::OpenCalculator) {
                windows.add(item.window, dummyFactory());
            }
        }
    }
}

QLineEdit* text1(QWidget* window)
{
    return window == nullptr ? nullptr : window->findChild<QLineEdit*>("Text1");
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void menuBarFollowsTheMenuTable();
    void registeredCalculatorIsEnabled();
    void choosingACalculatorTwiceShowsTheOneWindow();
    void calculatorClosedByItsOwnButtonOpensAfresh();
    void initialiseAllClosesTheListedWindowsInOrder();
    void companyCarSetsTheWidthOfANormalWindowOnly_data();
    void companyCarSetsTheWidthOfANormalWindowOnly();
    void calculatorProgram_data();
    void calculatorProgram();
    void printerSetupEditsTheSharedPrinter_data();
    void printerSetupEditsTheSharedPrinter();
    void exitClosesChildWindowsThenHelp();
    void helpOpensWithItsLibrary();
    void helpWithoutItsLibraryIsAMessage_data();
    void helpWithoutItsLibraryIsAMessage();
    void newWindowsCascadeInsideTheArea_data();
    void newWindowsCascadeInsideTheArea();
    void aboutOkEnablesTheTopMenus();
};

void MainWindowTest::menuBarFollowsTheMenuTable()
{
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);

    const QList<QAction*> bar = window.menuBar()->actions();
    const auto tops = mainMenuBar();
    QCOMPARE(bar.size(), static_cast<qsizetype>(tops.size()));
    for (std::size_t t = 0; t < tops.size(); ++t) {
        const TopMenu& top = tops[t];
        QAction* entry = bar[static_cast<qsizetype>(t)];
        QCOMPARE(entry->objectName(), qText(top.title.name));
        QCOMPARE(entry->text(), qText(top.title.caption));
        if (top.title.action != MenuAction::OpenMenu) {
            QVERIFY(entry->menu() == nullptr);
            // No calculator is registered: a top-level calculator command is disabled.
            QCOMPARE(entry->isEnabled(), top.title.action != MenuAction::OpenCalculator);
            continue;
        }
        QMenu* menu = entry->menu();
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->objectName(), qText(top.title.name));
        QCOMPARE(menu->title(), qText(top.title.caption));
        QVERIFY(entry->isEnabled());
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), static_cast<qsizetype>(top.items.size()));
        for (std::size_t i = 0; i < top.items.size(); ++i) {
            const MenuItem& expected = top.items[i];
            QAction* item = items[static_cast<qsizetype>(i)];
            QCOMPARE(item->objectName(), qText(expected.name));
            QCOMPARE(item->isSeparator(), expected.action == MenuAction::Separator);
            // A separator is a plain line; a caption would show beside it.
            QCOMPARE(item->text(), item->isSeparator() ? QString() : qText(expected.caption));
            QCOMPARE(item->isEnabled(), expected.action != MenuAction::OpenCalculator);
        }
    }
}

void MainWindowTest::registeredCalculatorIsEnabled()
{
    ShellFixture shell;
    shell.calculators.add("frmAnnual", dummyFactory());
    shell.calculators.add("frmRapell", dummyFactory());
    MDIForm1 window(shell.context, shell.calculators);

    QVERIFY(command(window, "mnuAnnual")->isEnabled());
    QVERIFY(command(window, "Rapell")->isEnabled());
    QVERIFY(!command(window, "mnuMonthly")->isEnabled());
}

void MainWindowTest::choosingACalculatorTwiceShowsTheOneWindow()
{
    ShellFixture shell;
    int made = 0;
    bool busyWhileMade = false;
    shell.calculators.add("frmAnnual", [&](const WindowContext& context) {
        const QCursor* pointer = QApplication::overrideCursor();
        busyWhileMade = pointer != nullptr && pointer->shape() == Qt::WaitCursor;
        return dummyFactory(&made)(context);
    });
    MDIForm1 window(shell.context, shell.calculators);
    window.show();

    command(window, "mnuAnnual")->trigger();
    QCOMPARE(made, 1);
    QVERIFY(busyWhileMade);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QWidget* annual = window.childWindow("frmAnnual");
    QVERIFY(annual != nullptr);
    QVERIFY(annual->isVisible());
    text1(annual)->setText("360000");

    command(window, "mnuAnnual")->trigger();
    QCOMPARE(made, 1);
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(window.childWindow("frmAnnual"), annual);
    QCOMPARE(text1(annual)->text(), QString("360000"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::calculatorClosedByItsOwnButtonOpensAfresh()
{
    ShellFixture shell;
    int made = 0;
    shell.calculators.add("frmLoans", dummyFactory(&made));
    MDIForm1 window(shell.context, shell.calculators);
    window.show();

    command(window, "mnuLoans")->trigger();
    QWidget* loans = window.childWindow("frmLoans");
    QVERIFY(loans != nullptr);
    text1(loans)->setText("250000");
    QTest::mouseClick(loans->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    QTRY_COMPARE(window.mdiArea()->subWindowList().size(), 0);

    command(window, "mnuLoans")->trigger();
    QCOMPARE(made, 2);
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(text1(window.childWindow("frmLoans"))->text(), QString());
}

void MainWindowTest::initialiseAllClosesTheListedWindowsInOrder()
{
    ShellFixture shell;
    registerEveryCalculator(shell.calculators);
    MDIForm1 window(shell.context, shell.calculators);
    window.show();
    CalcAnnualTax(360000, shell.state.taxableIncome);

    // Open every window in menu order, which is not the order they close in.
    for (const TopMenu& top : mainMenuBar()) {
        if (top.title.action == MenuAction::OpenCalculator) {
            command(window, top.title.name)->trigger();
        }
        for (const MenuItem& item : top.items) {
            if (item.action == MenuAction::OpenCalculator || item.action == MenuAction::ShowHelp) {
                command(window, item.name)->trigger();
            }
        }
    }
    QCOMPARE(window.mdiArea()->subWindowList().size(), 18);
    text1(window.childWindow("frmFortNight"))->setText("12000");
    text1(window.childWindow("frmRapell"))->setText("8000");
    text1(window.childWindow("frmAnnual"))->setText("360000");

    CloseLog log;
    command(window, "mnuNew")->trigger();

    QStringList expected;
    for (std::string_view name : windowsClosedByInitialiseAll(programCalculators())) {
        expected << qText(name);
    }
    QCOMPARE(log.closed, expected);
    QTRY_COMPARE(window.mdiArea()->subWindowList().size(), 18 - expected.size());
    QCOMPARE(text1(window.childWindow("frmFortNight"))->text(), QString("12000"));
    QCOMPARE(text1(window.childWindow("frmRapell"))->text(), QString("8000"));
    QVERIFY(window.childWindow("frmAnnual") == nullptr);
    // The quick tax calculator's breakdown is not reset.
    QCOMPARE(shell.state.taxableIncome.LastTaxableIncome, 360000.0);

    command(window, "mnuAnnual")->trigger();
    QCOMPARE(text1(window.childWindow("frmAnnual"))->text(), QString());
}

void MainWindowTest::companyCarSetsTheWidthOfANormalWindowOnly_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<bool>("widthSet");
    QTest::newRow("normal") << false << true;
    QTest::newRow("maximised") << true << false;
}

void MainWindowTest::companyCarSetsTheWidthOfANormalWindowOnly()
{
    QFETCH(bool, maximised);
    QFETCH(bool, widthSet);
    ShellFixture shell;
    shell.calculators.add("frmCompCar", dummyFactory());
    MDIForm1 window(shell.context, shell.calculators);
    window.setGeometry(10, 10, 600, 450);
    if (maximised) {
        window.showMaximized();
    } else {
        window.show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize before = window.frameGeometry().size();

    command(window, "mnuCompCar")->trigger();

    QVERIFY(window.childWindow("frmCompCar") != nullptr);
    QCOMPARE(window.isMaximized(), maximised);
    // 13 405 twips at 1 440 twips to the inch.
    const int expectedWidth =
        widthSet ? qRound(13405 * window.logicalDpiY() / 1440.0) : before.width();
    QTRY_COMPARE(window.frameGeometry().width(), expectedWidth);
    QCOMPARE(window.frameGeometry().height(), before.height());
}

void MainWindowTest::calculatorProgram_data()
{
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<bool>("message");
    QTest::newRow("none installed")
        << QStringList{"grovan-no-such-calculator", "grovan-nor-this-one"} << true;
    QTest::newRow("nothing to try") << QStringList{} << true;
    // "true" stands for an installed calculator: it starts and ends at once.
    QTest::newRow("second installed") << QStringList{"grovan-no-such-calculator", "true"} << false;
}

void MainWindowTest::calculatorProgram()
{
    QFETCH(QStringList, programs);
    QFETCH(bool, message);
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);
    window.setCalculatorPrograms(programs);

    command(window, "mnuMSCalculator")->trigger();

    const std::vector<Message> expected =
        message ? std::vector<Message>{{"The Microsoft Calculator is not installed or in the "
                                        "Windows directory",
                                        "Grovan2022", MessageIcon::None}}
                : std::vector<Message>{};
    QVERIFY(shell.sink.messages == expected);
}

void MainWindowTest::printerSetupEditsTheSharedPrinter_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void MainWindowTest::printerSetupEditsTheSharedPrinter()
{
    QFETCH(bool, accept);
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);
    QPrinter* dialogPrinter = nullptr;
    int shown = 0;
    window.setDialogRunner([&](QDialog& dialog) {
        ++shown;
        if (auto* printDialog = qobject_cast<QPrintDialog*>(&dialog)) {
            dialogPrinter = printDialog->printer();
        }
        accept ? dialog.accept() : dialog.reject();
        return dialog.result();
    });

    command(window, "mnuPrinterSet")->trigger();

    QCOMPARE(shown, 1);
    QCOMPARE(dialogPrinter, &shell.printer.printer());
    QVERIFY(shell.sink.messages.empty());
}

void MainWindowTest::exitClosesChildWindowsThenHelp()
{
    ShellFixture shell;
    shell.calculators.add("frmAnnual", dummyFactory());
    shell.calculators.add("frmLoans", dummyFactory());
    MDIForm1 window(shell.context, shell.calculators);
    window.show();
    command(window, "mnuAnnual")->trigger();
    command(window, "mnuContents")->trigger();
    command(window, "mnuLoans")->trigger();

    CloseLog log;
    command(window, "mnuExit")->trigger();

    QCOMPARE(log.closed, (QStringList{"frmAnnual", "frmLoans", "frmHelpBrowser"}));
    QVERIFY(!window.isVisible());
    QTRY_COMPARE(window.mdiArea()->subWindowList().size(), 0);
}

void MainWindowTest::helpOpensWithItsLibrary()
{
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);
    window.show();
    // The build tree's library, at its place relative to the test programs as to the program.
    QVERIFY2(std::filesystem::is_regular_file(window.helpLibrary()), window.helpLibrary().c_str());

    command(window, "mnuContents")->trigger();

    QWidget* help = window.childWindow("frmHelpBrowser");
    QVERIFY(help != nullptr);
    QCOMPARE(help->metaObject()->className(), "grovan::frmHelpBrowser");
    QVERIFY(help->isVisible());
    QVERIFY(shell.sink.messages.empty());
}

void MainWindowTest::helpWithoutItsLibraryIsAMessage_data()
{
    QTest::addColumn<QString>("library");  // in the test's folder, unless a whole path
    QTest::addColumn<QString>("contents"); // written to `library` unless empty
    QTest::addColumn<QString>("reason");   // part of the loader's reason
    QTest::newRow("missing") << "libgrovan-help.so"
                             << ""
                             << "cannot open shared object file: No such file or directory";
    QTest::newRow("not a library")
        << "libgrovan-help.so" << QString(4096, QLatin1Char('x')) << "invalid ELF header";
    // A library, but another one: Qt's own, which has no help window to make.
    QTest::newRow("no window maker")
        << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6"
        << ""
        << "undefined symbol: grovan_make_help_window_1";
}

void MainWindowTest::helpWithoutItsLibraryIsAMessage()
{
    QFETCH(QString, library);
    QFETCH(QString, contents);
    QFETCH(QString, reason);
    ShellFixture shell;
    shell.calculators.add("frmAnnual", dummyFactory());
    const std::filesystem::path file = shell.folder.path() / library.toStdString();
    if (!contents.isEmpty()) {
        testing::TempFolder::writeFile(file, contents.toStdString());
    }
    MDIForm1 window(shell.context, shell.calculators);
    window.setHelpLibrary(file);
    window.show();

    command(window, "mnuContents")->trigger();

    QCOMPARE(shell.sink.messages.size(), size_t(1));
    const Message& message = shell.sink.messages.front();
    const std::string expected =
        "The help could not be opened: " + file.string() + " is missing or damaged (";
    QVERIFY2(message.text.starts_with(expected) && message.text.ends_with(").") &&
                 message.text.find(reason.toStdString()) != std::string::npos,
             message.text.c_str());
    QCOMPARE(message.icon, MessageIcon::Error);
    QVERIFY(window.childWindow("frmHelpBrowser") == nullptr);
    QCOMPARE(window.mdiArea()->subWindowList().size(), 0);

    // The rest of the program goes on as before; asking again asks the loader again.
    command(window, "mnuAnnual")->trigger();
    QVERIFY(window.childWindow("frmAnnual") != nullptr);
    command(window, "mnuContents")->trigger();
    QCOMPARE(shell.sink.messages.size(), size_t(2));
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
}

void MainWindowTest::newWindowsCascadeInsideTheArea_data()
{
    // The main window's size on a 1366 x 768 and on a 1920 x 1080 screen.
    QTest::addColumn<QSize>("mainWindow");
    QTest::newRow("1366x768") << QSize(1092, 614);
    QTest::newRow("1920x1080") << QSize(1280, 860);
}

void MainWindowTest::newWindowsCascadeInsideTheArea()
{
    QFETCH(QSize, mainWindow);
    ShellFixture shell;
    // Windows of a pay-period calculator's size.
    const auto calculatorSized = [](const WindowContext& context) {
        std::unique_ptr<QWidget> window = dummyFactory()(context);
        window->resize(675, 442);
        return window;
    };
    const std::vector<std::string_view> commands = {"mnuFortNight", "mnuDaily",   "mnuAnnual",
                                                    "mnuWeekly",    "mnuMonthly", "Rapell"};
    for (const std::string_view name : commands) {
        shell.calculators.add(findMenuItem(name)->window, calculatorSized);
    }
    MDIForm1 window(shell.context, shell.calculators);
    window.resize(mainWindow);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (const std::string_view name : commands) {
        command(window, name)->trigger();
    }
    command(window, "mnuContents")->trigger();

    const QRect area = window.mdiArea()->viewport()->rect();
    const QList<QMdiSubWindow*> frames = window.mdiArea()->subWindowList();
    QCOMPARE(frames.size(), qsizetype(commands.size() + 1));
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const QString name = frames[i]->widget()->objectName();
        QVERIFY2(area.contains(frames[i]->geometry()), qPrintable(name));
        for (qsizetype j = 0; j < i; ++j) {
            QVERIFY2(frames[i]->pos() != frames[j]->pos(),
                     qPrintable(name + " opened over " + frames[j]->widget()->objectName()));
        }
    }
    // Each calculator a step down and to the right of the one before, while they fit.
    for (qsizetype i = 1; i < 3; ++i) {
        QVERIFY(frames[i]->x() > frames[i - 1]->x());
        QVERIFY(frames[i]->y() > frames[i - 1]->y());
    }
    // The help window, large as it is, shows whole, close button and all.
    QMdiSubWindow* help = frames.back();
    QCOMPARE(help->widget()->objectName(), QString("frmHelpBrowser"));
    QVERIFY(help->width() >= area.width() / 2);
}

void MainWindowTest::aboutOkEnablesTheTopMenus()
{
    ShellFixture shell;
    MDIForm1 window(shell.context, shell.calculators);
    window.show();
    for (const char* name : {"mnuFile", "mnuTaxCalc", "mnuMSCalculator", "mnuHelp"}) {
        command(window, name)->setEnabled(false);
    }

    command(window, "mnuAbout")->trigger();
    QVERIFY(window.aboutWindow() != nullptr);
    QTest::mouseClick(window.aboutWindow()->findChild<QPushButton*>("Command1"), Qt::LeftButton);

    for (const char* name : {"mnuFile", "mnuTaxCalc", "mnuMSCalculator", "mnuHelp"}) {
        QVERIFY2(command(window, name)->isEnabled(), name);
    }
    // Rapell is not among the menus the About window enables; with no calculator it stays off.
    QVERIFY(!command(window, "Rapell")->isEnabled());
    QTRY_VERIFY(window.aboutWindow() == nullptr);
}

} // namespace grovan

QTEST_MAIN(grovan::MainWindowTest)
#include "main_window_test.moc"

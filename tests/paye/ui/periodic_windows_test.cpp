// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly and daily windows together: the set-up values they share through the settings
// database, and their life in the main window.

#include "core/ui/setup_panel.h"
#include "paye/ui/frm_daily.h"
#include "paye/ui/frm_monthly.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QAction>
#include <QMdiSubWindow>

namespace grovan {

using namespace testing;

class PeriodicWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void anOpenWindowKeepsItsSetupUntilReopened();
    void theMenuOpensThemAndInitialiseAllClosesThem();
};

void PeriodicWindowsTest::anOpenWindowKeepsItsSetupUntilReopened()
{
    CalculatorWindowFixture shell;
    auto daily = shell.open<frmDaily>();
    auto monthly = shell.open<frmMonthly>();
    QVERIFY(daily && monthly);

    QTest::mouseClick(monthly->settingsButton(), Qt::LeftButton);
    typeInto(monthly->setupPanel()->field("numEmpEUIF"), "2");
    QTest::mouseClick(monthly->setupPanel()->okButton(), Qt::LeftButton);
    QCOMPARE(shell.settings.load().EmployeeUIF, 2.0);

    // The daily window opened before goes on with the 1 % it read: 1 % of a base of 500.
    enter(*daily, "numSalRemun", "500");
    QTest::mouseClick(daily->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*daily, "numMAns1"), QStringLiteral("5.00"));
    QCOMPARE(daily->setupPanel()->field("numEmpEUIF")->text(), QStringLiteral("1.000"));

    // Closed and opened again, it reads the 2 %.
    daily.reset();
    daily = shell.open<frmDaily>();
    QVERIFY(daily);
    QCOMPARE(daily->setupPanel()->field("numEmpEUIF")->text(), QStringLiteral("2.000"));
    enter(*daily, "numSalRemun", "500");
    QTest::mouseClick(daily->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*daily, "numMAns1"), QStringLiteral("10.00"));
    QVERIFY(shell.sink.messages.empty());
}

void PeriodicWindowsTest::theMenuOpensThemAndInitialiseAllClosesThem()
{
    CalculatorWindowFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    // The fortnightly calculator stays open through "&Initialise All"; a stand-in shows it.
    shell.calculators.add("frmFortNight", dummyFactory());
    MDIForm1 main(shell.context, shell.calculators);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto* monthlyCommand = main.findChild<QAction*>(QStringLiteral("mnuMonthly"));
    auto* dailyCommand = main.findChild<QAction*>(QStringLiteral("mnuDaily"));
    QVERIFY(monthlyCommand != nullptr && monthlyCommand->isEnabled());
    QVERIFY(dailyCommand != nullptr && dailyCommand->isEnabled());

    monthlyCommand->trigger();
    dailyCommand->trigger();
    main.findChild<QAction*>(QStringLiteral("mnuFortNight"))->trigger();
    auto* monthly = qobject_cast<frmMonthly*>(main.childWindow(QStringLiteral("frmMonthly")));
    auto* daily = qobject_cast<frmDaily*>(main.childWindow(QStringLiteral("frmDaily")));
    QVERIFY(monthly != nullptr && daily != nullptr);
    QCOMPARE(monthly->windowTitle(), QStringLiteral("Monthly"));
    QCOMPARE(daily->windowTitle(), QStringLiteral("Daily"));
    enter(*monthly, "numSalRemun", "30000");
    control(*main.childWindow(QStringLiteral("frmFortNight")), "Text1")->setText("12000");

    // Each window exists once: the command shows the open one with what it holds.
    monthlyCommand->trigger();
    QCOMPARE(main.mdiArea()->subWindowList().size(), 3);
    QCOMPARE(main.childWindow(QStringLiteral("frmMonthly")), monthly);
    QCOMPARE(monthly->inputs().salary, 30000.0);

    CloseLog log;
    main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(log.closed, (QStringList{"frmMonthly", "frmDaily"}));
    QTRY_COMPARE(main.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(shown(*main.childWindow(QStringLiteral("frmFortNight")), "Text1"),
             QStringLiteral("12000"));

    // Opened again, the monthly window starts from its defaults.
    monthlyCommand->trigger();
    monthly = qobject_cast<frmMonthly*>(main.childWindow(QStringLiteral("frmMonthly")));
    QVERIFY(monthly != nullptr);
    QCOMPARE(monthly->inputs().salary, 0.0);
    QCOMPARE(shown(*monthly, "numSalRemun"), QStringLiteral("0"));
    QVERIFY(shell.sink.messages.empty());
}

} // namespace grovan

QTEST_MAIN(grovan::PeriodicWindowsTest)
#include "periodic_windows_test.moc"

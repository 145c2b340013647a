// SPDX-License-Identifier: GPL-3.0-or-later
// The loan buster, loan comparison, daily balance and inflation windows inside the main window:
// opened from their menu commands, calculated again whenever they become the active window, and
// closed and reset by "&Initialise All".

#include "core/ui/print_panel.h"
#include "finance/daily_balance_calculator.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPushButton>

namespace grovan {

using namespace testing;

namespace {

struct MainWindow
{
    explicit MainWindow(CalculatorWindowFixture& shell) : main(shell.context, shell.calculators)
    {
        main.show();
        main.activateWindow();
    }

    QWidget* open(const char* command, const char* window)
    {
        main.findChild<QAction*>(QLatin1String(command))->trigger();
        return main.childWindow(QLatin1String(window));
    }

    void activate(QWidget* window)
    {
        main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
    }

    MDIForm1 main;
};

struct FinanceFixture : CalculatorWindowFixture
{
    FinanceFixture()
        : CalculatorWindowFixture(
              {"loanbuster.rpt", "LoanComparison.rpt", "DayBal.rpt", "Inflatin.rpt"})
    {
        addProgramWindows(calculators, state);
    }
};

// One window, what is typed into it (nothing calculated) and a result that shows once it
// calculates.
struct WindowCase
{
    const char* name;
    const char* command;
    const char* window;
    Entries typed;
    const char* result;
    const char* calculated;
};

const std::vector<WindowCase> kWindows{
    {"inflation",
     "mnuInflationProject",
     "frmInflation",
     {{"numPresCost", "100000"}, {"numPeriod", "10"}, {"numInflaRate", "6"}},
     "numAns1",
     "179 085"},
    {"loan_buster",
     "mnuLoansBuster",
     "frmLoanBuster",
     {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "10"}},
     "numMonRePay",
     "965.02"},
    {"loan_comparison",
     "mnuLoansComparison",
     "frmLoanComp",
     {{"numBAmt", "100000"}, {"numIntRate", "10"}},
     "",
     "965.02 "},
    {"daily_balance",
     "mnuDailyBalance",
     "frmDayBal",
     {{"numCapAmount", "100000"},
      {"dtStartDate", "01032021"},
      {"dtEndDate", "28022022"},
      {"numIntRate", "10"}},
     "numAnsDB1",
     "9 972.60"},
};

} // namespace

class FinanceWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void becomingActiveCalculatesAgain_data() { addCaseRows(kWindows); }
    void becomingActiveCalculatesAgain();
    void thePrintPanelFitsAcrossTheWindow_data() { addCaseRows(kWindows); }
    void thePrintPanelFitsAcrossTheWindow();
    void initialiseAllClosesThemAndResetsTheirValues();
};

void FinanceWindowsTest::becomingActiveCalculatesAgain()
{
    QFETCH(int, index);
    const WindowCase& c = kWindows[static_cast<std::size_t>(index)];
    FinanceFixture shell;
    MainWindow main(shell);
    QVERIFY(QTest::qWaitForWindowActive(&main.main));
    QWidget* other = main.open("mnuAnnual", "frmAnnual");
    QWidget* window = main.open(c.command, c.window);
    QVERIFY(window != nullptr && other != nullptr);
    QCOMPARE(main.open(c.command, c.window), window);
    typeEntries(*window, c.typed);
    // The comparison's result is its grid's 20-year repayment.
    const auto result = [&c, window] {
        if (*c.result != '\0') {
            return shown(*window, c.result);
        }
        const QAbstractItemModel* grid = window->findChild<QAbstractItemModel*>();
        return grid->data(grid->index(3, 1)).toString();
    };
    QVERIFY(result() != QString::fromLatin1(c.calculated));
    main.activate(other);
    main.activate(window);
    QCOMPARE(result(), QString::fromLatin1(c.calculated));
    QVERIFY(shell.sink.messages.empty());
}

void FinanceWindowsTest::thePrintPanelFitsAcrossTheWindow()
{
    QFETCH(int, index);
    const WindowCase& c = kWindows[static_cast<std::size_t>(index)];
    FinanceFixture shell;
    MainWindow main(shell);
    QVERIFY(QTest::qWaitForWindowActive(&main.main));
    QWidget* window = main.open(c.command, c.window);
    QVERIFY(window != nullptr);
    typeEntries(*window, c.typed);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdCalculate")),
                      Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    const PrintPanel* panel = window->findChild<PrintPanel*>();
    QVERIFY(panel != nullptr && panel->isVisible());
    // The narrowest windows are widened so that no button of the panel is cut off.
    for (const QPushButton* button :
         {panel->printDirectlyButton(), panel->viewReportButton(), panel->cancelButton()}) {
        const QRect shownAt(button->mapTo(window, QPoint(0, 0)), button->size());
        QVERIFY2(window->rect().contains(shownAt), qPrintable(button->text()));
    }
}

void FinanceWindowsTest::initialiseAllClosesThemAndResetsTheirValues()
{
    FinanceFixture shell;
    MainWindow main(shell);
    QVERIFY(QTest::qWaitForWindowActive(&main.main));
    for (const WindowCase& c : kWindows) {
        QWidget* window = main.open(c.command, c.window);
        QVERIFY(window != nullptr);
        typeEntries(*window, c.typed);
    }
    enter(*main.main.childWindow(QStringLiteral("frmLoanBuster")), "numXtraPay", "200");
    const FinanceState& state = shell.state.finance;
    QCOMPARE(state.loanBuster.BusterExtra, 200.0);
    QCOMPARE(state.dailyBalance.DayBalCapital, 100000.0);

    main.main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    for (const WindowCase& c : kWindows) {
        QTRY_VERIFY2(main.main.childWindow(QLatin1String(c.window)) == nullptr, c.window);
    }
    QCOMPARE(state.loanBuster.BusterPrincipal, 0.0);
    QCOMPARE(state.loanBuster.BusterRate, 0.0);
    QCOMPARE(state.loanBuster.BusterExtra, 0.0);
    QCOMPARE(state.loanComparison.CompPrincipal, 0.0);
    QCOMPARE(state.loanComparison.CompRate, 0.0);
    QCOMPARE(state.dailyBalance.DayBalCapital, 0.0);
    QCOMPARE(state.dailyBalance.DayBalRate, 0.0);
    QCOMPARE(state.dailyBalance.DayBalStart, kNoDate);
    QCOMPARE(state.dailyBalance.DayBalEnd, kNoDate);
    QCOMPARE(state.dailyBalance.DayBalRateStep, 0.25);
    QCOMPARE(state.inflation.PresentCost, 0.0);
    QCOMPARE(state.inflation.InflationYears, 0.0);
    QCOMPARE(state.inflation.InflationRate, 0.0);
    QCOMPARE(state.inflation.FutureCost, 0.0);

    // Opened again, each starts from nothing.
    QWidget* dayBal = main.open("mnuDailyBalance", "frmDayBal");
    QCOMPARE(shown(*dayBal, "numCapAmount"), QStringLiteral("0.00"));
    QCOMPARE(shown(*dayBal, "dtStartDate"), QStringLiteral("//"));
    QWidget* buster = main.open("mnuLoansBuster", "frmLoanBuster");
    QCOMPARE(shown(*buster, "numXtraPay"), QStringLiteral("0.00"));
    QVERIFY(shell.sink.messages.empty());
}

} // namespace grovan

QTEST_MAIN(grovan::FinanceWindowsTest)
#include "finance_windows_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The loans window: the four calculate modes with their marking, the solves and the faults they
// answer soundly, the totals, the schedules' grid, the annual graph and the printout.

#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "finance/ui/frm_loans.h"
#include "finance/ui/loan_graph_window.h"
#include "finance/ui/loan_schedule_panel.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace grovan {

using namespace testing;

namespace {

const char* const kQuantities[] = {"numPrinAmount", "numPeriod", "numIntRate", "numMonRePay"};

struct LoansFixture : CalculatorWindowFixture
{
    LoansFixture()
        : CalculatorWindowFixture({"Lonrepa.rpt", "LonrepaA.rpt", "LonPrAm.rpt", "LonPrAmA.rpt",
                                   "LonRPer.rpt", "LonRPerA.rpt", "LonInRt.rpt", "LonInRtA.rpt"})
    {}

    std::unique_ptr<frmLoans> open()
    {
        return CalculatorWindowFixture::open<frmLoans>(state.finance.loan);
    }
};

QPushButton* button(const QWidget& window, const char* name)
{
    return control<QPushButton>(window, name);
}

void click(const QWidget& window, const char* name)
{
    QAbstractButton* target = control<QAbstractButton>(window, name);
    QVERIFY2(target != nullptr, name);
    // A check box or option takes a click on its box or its caption, at its left.
    const bool checkable = qobject_cast<QCheckBox*>(target) || qobject_cast<QRadioButton*>(target);
    QTest::mouseClick(target, Qt::LeftButton, {},
                      checkable ? QPoint(6, target->height() / 2) : QPoint());
}

// Chooses a mode, types the three other quantities (those not named are left) and calculates.
void solve(const QWidget& window, int mode, const Entries& typed)
{
    click(window, qPrintable(QStringLiteral("optLoanCalc(%1)").arg(mode)));
    typeEntries(window, typed);
    click(window, "cmdCalculate");
}

QStringList quantitiesShown(const QWidget& window)
{
    QStringList texts;
    for (const char* name : kQuantities) {
        texts << shown(window, name);
    }
    return texts;
}

struct ModeCase
{
    const char* name;
    int item;
    const char* solved;
    const char* focus;
    const char* modeName;
};

const std::vector<ModeCase> kModes{
    {"repayment", 0, "numMonRePay", "numPrinAmount", "Monthly repayment"},
    {"principal", 1, "numPrinAmount", "numPeriod", "Principal amount"},
    {"period", 2, "numPeriod", "numPrinAmount", "Repayment period"},
    {"rate", 3, "numIntRate", "numPrinAmount", "Interest rate"},
};

// A solve typed into the window, and the four quantities it shows (principal, period, rate,
// repayment) with the error marker.
struct SolveCase
{
    const char* name;
    int mode;
    Entries typed;
    QStringList shown;
    bool rateError;
};

const std::vector<SolveCase> kSolves{
    // i = 0.1/12; 100 000 x i / (1 - (1 + i)^-240) = 965.0216.
    {"repayment_of_a_home_loan",
     0,
     {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "10"}},
     {"100 000.00", "240", "10.000", "965.02"},
     false},
    // 965.02 x (1 - (1 + i)^-240) / i = 99 999.83.
    {"principal_of_a_home_loan",
     1,
     {{"numPeriod", "240"}, {"numIntRate", "10"}, {"numMonRePay", "965.02"}},
     {"99 999.83", "240", "10.000", "965.02"},
     false},
    // The present value first exceeds 1 000 at 11 months: 10 months at 105.59.
    {"period_raises_the_repayment",
     2,
     {{"numPrinAmount", "1000"}, {"numIntRate", "12"}, {"numMonRePay", "100"}},
     {"1 000.00", "10", "12.000", "105.59"},
     false},
    // 965.02 is just below 965.0216: 240 months at 965.03.
    {"period_of_a_home_loan",
     2,
     {{"numPrinAmount", "100000"}, {"numIntRate", "10"}, {"numMonRePay", "965.02"}},
     {"100 000.00", "240", "10.000", "965.03"},
     false},
    // At 10.00 % the repayment would be 965.0216, above the target.
    {"rate_of_a_home_loan",
     3,
     {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numMonRePay", "965.02"}},
     {"100 000.00", "240", "9.990", "965.02"},
     false},
    // 1 000 / 12 = 83.33: no interest at all.
    {"rate_zero_at_principal_over_months",
     3,
     {{"numPrinAmount", "1000"}, {"numPeriod", "12"}, {"numMonRePay", "83.33"}},
     {"1 000.00", "12", "0.000", "83.33"},
     false},
    {"rate_above_50_with_the_marker",
     3,
     {{"numPrinAmount", "1000"}, {"numPeriod", "12"}, {"numMonRePay", "120"}},
     {"1 000.00", "12", "73.320", "120.00"},
     true},
    {"repayment_with_no_rate_is_0",
     0,
     {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "0"}},
     {"100 000.00", "240", "0.000", "0.00"},
     false},
    // One instalment more than repays the loan: one month, the principal with a month's
    // interest (1 000 + 10).
    {"period_of_one_instalment",
     2,
     {{"numPrinAmount", "1000"}, {"numIntRate", "12"}, {"numMonRePay", "2000"}},
     {"1 000.00", "1", "12.000", "1 010.00"},
     false},
    // The largest rate search a field allows ends, on the 0.01 grid above 50 %.
    {"rate_of_the_largest_repayment_for_1_rand",
     3,
     {{"numPrinAmount", "1"}, {"numPeriod", "600"}, {"numMonRePay", "9999999.99"}},
     {"1.00", "600", "11999999988.000", "9 999 999.99"},
     true},
};

} // namespace

class LoanWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheApplicationsLoan();
    void choosingAModeMarksTheSolvedField_data() { addCaseRows(kModes); }
    void choosingAModeMarksTheSolvedField();
    void calculateSolves_data() { addCaseRows(kSolves); }
    void calculateSolves();
    void noTermNeverWearsTheTypedRepaymentDown();
    void aRefusedEntryHasItsMessageTitleAndFocus_data();
    void aRefusedEntryHasItsMessageTitleAndFocus();
    void aSolvedRateAbove50TypedInAnotherModeIsRefusedOnce();
    void finChargesShowsAndHidesTheTotals();
    void becomingActiveRecalculatesTheLoan();
    void initialiseAllKeepsOnlyThePrincipal();
    void monthlyScheduleOfSixHundredMonths();
    void annualScheduleWithAPartYear();
    void schedulesNeedAWholeLoan();
    void annualGraphShowsAndExports();
    void annualGraphNeedsThirteenMonths();
    void annualGraphInTheMainWindow();
    void printWritesLoansAndAmort();
    void printsNothingWithAQuantityAtZero();
    void printsToAPrinter();
};

void LoanWindowTest::opensOnTheApplicationsLoan()
{
    LoansFixture shell;
    shell.state.finance.loan.Principal = 250000;
    shell.state.finance.loan.PeriodMonths = 120;
    shell.state.finance.loan.AnnualRate = 11.5;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Loans"));
    QCOMPARE(quantitiesShown(*window), (QStringList{"250 000.00", "120", "11.500", "3 514.89"}));
    QVERIFY(control<QRadioButton>(*window, "optLoanCalc(0)")->isChecked());
    QCOMPARE(control<QLabel>(*window, "Label12(1)")->text(), QStringLiteral("Monthly repayment"));
    QVERIFY(!control<QLabel>(*window, "Text1")->isVisible());
    QVERIFY(!control(*window, "numAns1")->isVisible());
    QVERIFY(!window->printPanel()->isVisible());
    QVERIFY(!window->schedulePanel()->isVisible());
    for (const char* name : {"cmdCalculate", "cmdFinCharge", "cmdMonAmort", "cmdAnnAmort",
                             "cmdLoanGraph", "cmdPrint", "cmdOk"}) {
        QVERIFY2(button(*window, name) != nullptr, name);
    }
    QCOMPARE(button(*window, "cmdLoanGraph")->text(), QStringLiteral("Annual &Graph"));
    QCOMPARE(labelOf(*window, control(*window, "numPrinAmount")),
             QStringLiteral("Principal amount"));
    QVERIFY(shell.sink.messages.empty());
}

void LoanWindowTest::choosingAModeMarksTheSolvedField()
{
    QFETCH(int, index);
    const ModeCase& c = kModes[static_cast<std::size_t>(index)];
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeEntries(*window, {{"numPrinAmount", "50000"}, {"numPeriod", "60"}, {"numIntRate", "9"}});
    // Start from another mode, so that choosing this one changes something.
    click(*window, c.item == 0 ? "optLoanCalc(1)" : "optLoanCalc(0)");
    const QStringList before = quantitiesShown(*window);

    click(*window, qPrintable(QStringLiteral("optLoanCalc(%1)").arg(c.item)));
    QCOMPARE(shell.state.finance.loan.CalcMode, static_cast<LoanCalcMode>(c.item));
    QCOMPARE(control<QLabel>(*window, "Label12(1)")->text(), QString::fromLatin1(c.modeName));
    for (const char* name : kQuantities) {
        const auto* field = control<NumericField>(*window, name);
        const bool solved = qstrcmp(name, c.solved) == 0;
        QCOMPARE(field->isReadOnly(), solved);
        QCOMPARE(field->focusPolicy(), solved ? Qt::ClickFocus : Qt::StrongFocus);
        QCOMPARE(field->palette().color(QPalette::Base),
                 solved ? QColor(255, 255, 128) : QColor(Qt::white));
    }
    QCOMPARE(window->focusWidget(), control(*window, c.focus));
    // Nothing is recalculated until "&Calculate".
    QCOMPARE(quantitiesShown(*window), before);
}

void LoanWindowTest::calculateSolves()
{
    QFETCH(int, index);
    const SolveCase& c = kSolves[static_cast<std::size_t>(index)];
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, c.mode, c.typed);
    QCOMPARE(quantitiesShown(*window), c.shown);
    QCOMPARE(control<QLabel>(*window, "Text1")->isVisible(), c.rateError);
    // The solved value is the loan's from now on, as the field shows it.
    const LoanState& loan = shell.state.finance.loan;
    QCOMPARE(control<NumericField>(*window, "numPrinAmount")->value(), loan.Principal);
    QCOMPARE(control<NumericField>(*window, "numMonRePay")->value(), loan.MonthlyRepayment);
    // Calculating again gives the same.
    click(*window, "cmdCalculate");
    QCOMPARE(quantitiesShown(*window), c.shown);
    QVERIFY(shell.sink.messages.empty());
}

void LoanWindowTest::noTermNeverWearsTheTypedRepaymentDown()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    // Less than a month's interest (833.33): no term within 600 months.
    solve(*window, 2, {{"numPrinAmount", "100000"}, {"numIntRate", "10"}, {"numMonRePay", "800"}});
    QCOMPARE(quantitiesShown(*window), (QStringList{"100 000.00", "0", "10.000", "800.00"}));
    click(*window, "cmdCalculate");
    click(*window, "cmdCalculate");
    QCOMPARE(shown(*window, "numMonRePay"), QStringLiteral("800.00"));
    QCOMPARE(shell.state.finance.loan.MonthlyRepayment, 800.0);

    // A repayment of 0 stays 0, whatever activates the window.
    enter(*window, "numMonRePay", "0");
    click(*window, "cmdCalculate");
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(quantitiesShown(*window), (QStringList{"100 000.00", "0", "10.000", "0.00"}));
    QCOMPARE(shell.state.finance.loan.MonthlyRepayment, 0.0);
    QVERIFY(shell.sink.messages.empty());
}

void LoanWindowTest::aRefusedEntryHasItsMessageTitleAndFocus_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("period above 600") << "numPeriod"
                                      << "601"
                                      << "240"
                                      << "The maximum period  allowed is 600 months"
                                      << "Incorrect Period!";
    QTest::newRow("rate above 50") << "numIntRate"
                                   << "50.5"
                                   << "10.000"
                                   << "The maximum interest rate allowed is 50%"
                                   << "Incorrect Interest Rate!";
}

void LoanWindowTest::aRefusedEntryHasItsMessageTitleAndFocus()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, text);
    QFETCH(QString, title);
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 0, {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "10"}});
    enter(*window, qPrintable(field), typed);
    QTRY_COMPARE(shell.sink.messages.size(), 1u);
    const Message& message = shell.sink.messages.front();
    QCOMPARE(QString::fromStdString(message.text), text);
    QCOMPARE(QString::fromStdString(message.title), title);
    QCOMPARE(message.icon, MessageIcon::Error);
    QCOMPARE(window->focusWidget(), control(*window, qPrintable(field)));
    // The field keeps its last value, and so does the loan.
    QCOMPARE(shown(*window, qPrintable(field)), kept);
    QCOMPARE(shell.state.finance.loan.PeriodMonths, 240.0);
    QCOMPARE(shell.state.finance.loan.AnnualRate, 10.0);
}

void LoanWindowTest::aSolvedRateAbove50TypedInAnotherModeIsRefusedOnce()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 3, {{"numPrinAmount", "1000"}, {"numPeriod", "12"}, {"numMonRePay", "120"}});
    QCOMPARE(shown(*window, "numIntRate"), QStringLiteral("73.320"));
    // In the repayment mode the rate is typed again: "&Calculate" refuses it, with the focus.
    click(*window, "optLoanCalc(0)");
    click(*window, "cmdCalculate");
    QCOMPARE(shell.sink.messages.size(), 1u);
    QCOMPARE(shell.sink.messages.front().title, std::string("Incorrect Interest Rate!"));
    QCOMPARE(window->focusWidget(), control(*window, "numIntRate"));
    QCOMPARE(shown(*window, "numMonRePay"), QStringLiteral("120.00"));

    // Becoming active again (as when the message closes) says nothing more; nor does printing
    // print.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(shell.sink.messages.size(), 1u);
    click(*window, "cmdPrint");
    click(*window->printPanel(), "cmdVR");
    QCOMPARE(shell.sink.messages.size(), 2u);
    QVERIFY(window->printPanel()->isVisible());
    QCOMPARE(valueOf(*shell.printDatabase.readRow("Loans"), "Heading"), FieldValue{std::string()});

    // A rate typed within range calculates.
    click(*window->printPanel(), "cmdPrintCancel");
    enter(*window, "numIntRate", "12");
    click(*window, "cmdCalculate");
    QCOMPARE(shown(*window, "numMonRePay"), QStringLiteral("88.85"));
    QCOMPARE(shell.sink.messages.size(), 2u);
}

void LoanWindowTest::finChargesShowsAndHidesTheTotals()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 0, {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "10"}});
    click(*window, "cmdFinCharge");
    QCOMPARE(shell.state.finance.loan.FinChargesState, FinCharges::Down);
    QVERIFY(control(*window, "numAns1")->isVisible());
    QVERIFY(control(*window, "numAns2")->isVisible());
    // 965.0216 x 240 = 231 605.19, of which 131 605.19 interest.
    QCOMPARE(shown(*window, "numAns1"), QStringLiteral("131 605.19"));
    QCOMPARE(shown(*window, "numAns2"), QStringLiteral("231 605.19"));
    QCOMPARE(labelOf(*window, control(*window, "numAns1")), QStringLiteral("Total Interest"));
    QVERIFY(labelOf(*window, control(*window, "numAns2")) == QStringLiteral("Total Repayments"));

    // Shown, they follow every calculation.
    enter(*window, "numPeriod", "120");
    click(*window, "cmdCalculate");
    QCOMPARE(shown(*window, "numAns2"),
             QString::fromStdString(
                 formatNumber(shell.state.finance.loan.MonthlyRepayment * 120, "### ### ##0.00")));

    click(*window, "cmdFinCharge");
    QCOMPARE(shell.state.finance.loan.FinChargesState, FinCharges::Up);
    QVERIFY(!control(*window, "numAns1")->isVisible());
    QVERIFY(!control(*window, "numAns2")->isVisible());
    QVERIFY(shell.sink.messages.empty());
}

void LoanWindowTest::becomingActiveRecalculatesTheLoan()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 0, {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "10"}});
    click(*window, "cmdFinCharge");
    // A new principal typed, then the mode changed, without calculating.
    enter(*window, "numPrinAmount", "200000");
    click(*window, "optLoanCalc(3)");
    QCOMPARE(shown(*window, "numIntRate"), QStringLiteral("10.000"));

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // The rate whose repayment stays within 965.02 on 200 000 over 240 months.
    QCOMPARE(shown(*window, "numIntRate"), QStringLiteral("1.490"));
    QVERIFY(control(*window, "numAns1")->isVisible());

    // Closed and opened again, the window shows the loan and mode it left.
    window->close();
    window.reset();
    window = shell.open();
    QVERIFY(window);
    QVERIFY(control<QRadioButton>(*window, "optLoanCalc(3)")->isChecked());
    QVERIFY(control<NumericField>(*window, "numIntRate")->isReadOnly());
    QCOMPARE(quantitiesShown(*window), (QStringList{"200 000.00", "240", "1.490", "965.02"}));
    QVERIFY(control(*window, "numAns1")->isVisible());
}

void LoanWindowTest::initialiseAllKeepsOnlyThePrincipal()
{
    LoansFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    main.findChild<QAction*>(QStringLiteral("mnuLoans"))->trigger();
    QWidget* loans = main.childWindow(QStringLiteral("frmLoans"));
    QVERIFY(loans != nullptr);
    solve(*loans, 3,
          {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numMonRePay", "965.02"}});
    click(*loans, "cmdFinCharge");

    main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    QTRY_VERIFY(main.childWindow(QStringLiteral("frmLoans")) == nullptr);
    main.findChild<QAction*>(QStringLiteral("mnuLoans"))->trigger();
    loans = main.childWindow(QStringLiteral("frmLoans"));
    QVERIFY(loans != nullptr);
    QCOMPARE(quantitiesShown(*loans), (QStringList{"100 000.00", "0", "0.000", "0.00"}));
    QVERIFY(control<QRadioButton>(*loans, "optLoanCalc(0)")->isChecked());
    QVERIFY(!control(*loans, "numAns1")->isVisible());
    QVERIFY(shell.sink.messages.empty());
}

void LoanWindowTest::monthlyScheduleOfSixHundredMonths()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 0, {{"numPrinAmount", "500000"}, {"numPeriod", "600"}, {"numIntRate", "10"}});
    click(*window, "cmdMonAmort");
    LoanSchedulePanel* panel = window->schedulePanel();
    QVERIFY(panel->isVisible());
    auto* grid = control<QTableView>(*window, "grdPayments");
    QVERIFY(grid != nullptr);
    const QAbstractItemModel* model = grid->model();
    QCOMPARE(model->rowCount(), 600);
    QCOMPARE(model->columnCount(), 4);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral(" Month   "));
    QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("    Balance    "));
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(model->index(599, 0).data().toString(), QStringLiteral("600"));
    QCOMPARE(model->index(599, 3).data().toString(), QStringLiteral("0.00"));
    // The last month: 4 195.53 / (1 + 0.1/12) of capital, the rest interest.
    QCOMPARE(model->index(599, 1).data().toString(), QStringLiteral("4 160.85"));
    QCOMPARE(model->index(599, 2).data().toString(), QStringLiteral("34.67"));
    QCOMPARE(model->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                 Qt::AlignHCenter,
             Qt::AlignHCenter);
    // Ten rows show; the rest scroll, down to the last month.
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(grid->height() < 14 * grid->rowHeight(0));
    grid->scrollToBottom();
    QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
    QVERIFY(grid->indexAt(QPoint(5, grid->viewport()->height() - 3)).row() == 599);

    click(*panel, "cmdGridClose");
    QVERIFY(!panel->isVisible());
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(window->focusWidget(), static_cast<QWidget*>(window->okButton()));
}

void LoanWindowTest::annualScheduleWithAPartYear()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 0, {{"numPrinAmount", "100000"}, {"numPeriod", "30"}, {"numIntRate", "10"}});
    click(*window, "cmdAnnAmort");
    QVERIFY(window->schedulePanel()->isVisible());
    auto* grid = control<QTableView>(*window, "grdPayments");
    const QAbstractItemModel* model = grid->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Capital payments"));
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("3"));
    QCOMPARE(model->index(2, 3).data().toString(), QStringLiteral("0.00"));
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // The monthly schedule replaces it in the same grid.
    click(*window, "cmdMonAmort");
    QCOMPARE(model->rowCount(), 30);
}

void LoanWindowTest::schedulesNeedAWholeLoan()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    // No rate: no repayment either, and no schedule.
    solve(*window, 0, {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "0"}});
    window->okButton()->setFocus();
    click(*window, "cmdMonAmort");
    QVERIFY(!window->schedulePanel()->isVisible());
    QCOMPARE(window->focusWidget(), control(*window, "numPrinAmount"));

    // Twelve months are a monthly schedule but no annual one.
    solve(*window, 0, {{"numPeriod", "12"}, {"numIntRate", "10"}});
    window->okButton()->setFocus();
    click(*window, "cmdAnnAmort");
    QVERIFY(!window->schedulePanel()->isVisible());
    QCOMPARE(window->focusWidget(), control(*window, "numPrinAmount"));
    click(*window, "cmdMonAmort");
    QVERIFY(window->schedulePanel()->isVisible());
    QCOMPARE(control<QTableView>(*window, "grdPayments")->model()->rowCount(), 12);
    QCOMPARE(control<QTableView>(*window, "grdPayments")->verticalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOn);
}

void LoanWindowTest::annualGraphShowsAndExports()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 0, {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "10"}});
    click(*window, "cmdLoanGraph");
    QPointer<LoanGraphWindow> graph = window->graphWindow();
    QVERIFY(graph != nullptr);
    QTRY_VERIFY(graph->isVisible());
    QCOMPARE(graph->windowTitle(), QStringLiteral("Annual Graph"));
    QCOMPARE(graph->schedule().Years, 20);
    QCOMPARE(graph->schedule().FullYears, 20);
    QCOMPARE(graph->schedule().LastYearKind, 1);

    // The picture holds the capital and interest bars and the balance line.
    const auto png = shell.folder / "graph.png";
    QVERIFY(graph->saveImage(QString::fromStdString(png.string())));
    const QImage image(QString::fromStdString(png.string()));
    QVERIFY(image.width() >= 960 && image.height() >= 600);
    const auto count = [&image](QColor colour) {
        int found = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                found += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return found;
    };
    QVERIFY(count(QColor(0x2f, 0x5f, 0x9e)) > 500);
    QVERIFY(count(QColor(0xe0, 0x7b, 0x28)) > 500);
    QVERIFY(count(QColor(0x2e, 0x7d, 0x32)) > 100);

    const auto pdf = shell.folder / "graph.pdf";
    QVERIFY(graph->savePdf(QString::fromStdString(pdf.string())));
    const QString text = pdfText(pdf);
    for (const char* expected :
         {"Capital, interest and balance year by year", "Capital repaid in the year",
          "Interest paid in the year", "Balance at the end of the year", "Year", "Balance (rand)",
          "100 000", "20"}) {
        QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(expected + text));
    }

    // A folder, a named pipe or a link is no file to save over: the link is not followed (the
    // file behind it stays as it was) and the user is told why.
    const auto behindLink = shell.folder / "behind-link.txt";
    std::ofstream(behindLink) << "kept";
    std::filesystem::create_symlink(behindLink, shell.folder / "link.png");
    const auto pipe = shell.folder / "pipe.pdf";
    QCOMPARE(mkfifo(pipe.c_str(), 0600), 0);
    QVERIFY(!graph->saveImage(QString::fromStdString(shell.folder.path().string())));
    QVERIFY(!graph->saveImage(QString::fromStdString((shell.folder / "link.png").string())));
    QVERIFY(!graph->savePdf(QString::fromStdString(pipe.string())));
    QCOMPARE(shell.sink.messages.size(), 3u);
    for (const Message& message : shell.sink.messages) {
        QCOMPARE(message.icon, MessageIcon::Error);
        QVERIFY2(QString::fromStdString(message.text).endsWith("the graph was not saved."),
                 message.text.c_str());
    }
    QVERIFY(std::filesystem::is_symlink(shell.folder / "link.png"));
    std::ifstream kept(behindLink);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(kept), {}), std::string("kept"));
    QVERIFY(std::filesystem::is_fifo(pipe));

    // Asked again, the graph opens afresh in place of the first.
    click(*window, "cmdLoanGraph");
    QTRY_VERIFY(graph == nullptr);
    QVERIFY(window->graphWindow() != nullptr);
}

void LoanWindowTest::annualGraphNeedsThirteenMonths()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 0, {{"numPrinAmount", "100000"}, {"numPeriod", "12"}, {"numIntRate", "10"}});
    click(*window, "cmdLoanGraph");
    QVERIFY(window->graphWindow() == nullptr);
    QCOMPARE(window->focusWidget(), static_cast<QWidget*>(window->okButton()));
}

void LoanWindowTest::annualGraphInTheMainWindow()
{
    LoansFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    main.findChild<QAction*>(QStringLiteral("mnuLoans"))->trigger();
    auto* loans = qobject_cast<frmLoans*>(main.childWindow(QStringLiteral("frmLoans")));
    QVERIFY(loans != nullptr);
    solve(*loans, 0, {{"numPrinAmount", "100000"}, {"numPeriod", "30"}, {"numIntRate", "10"}});
    click(*loans, "cmdLoanGraph");
    LoanGraphWindow* graph = loans->graphWindow();
    QVERIFY(graph != nullptr);
    auto* frame = qobject_cast<QMdiSubWindow*>(graph->parentWidget());
    QVERIFY(frame != nullptr);
    QCOMPARE(frame->pos(), QPoint(0, 0));
    QCOMPARE(frame->mdiArea()->activeSubWindow(), frame);
    QCOMPARE(graph->schedule().Years, 3);
    QCOMPARE(graph->schedule().LastYearKind, 2);
}

void LoanWindowTest::printWritesLoansAndAmort()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 2,
          {{"numPrinAmount", "100000"}, {"numIntRate", "10"}, {"numMonRePay", "965.02"}});
    click(*window, "cmdFinCharge");
    click(*window, "cmdPrint");
    PrintPanel* panel = window->printPanel();
    QVERIFY(panel->isVisible());
    auto* frame = control<QGroupBox>(*window, "fraIncAmort");
    QVERIFY(!frame->isEnabled());
    click(*panel, "Check1");
    QVERIFY(frame->isEnabled());
    QVERIFY(control<QRadioButton>(*panel, "Option1(0)")->isChecked());
    click(*panel, "Option1(1)");
    click(*panel, "cmdVR");
    QVERIFY(!panel->isVisible());

    const auto loans = shell.printDatabase.readRow("Loans");
    QVERIFY(loans.has_value());
    QCOMPARE(valueOf(*loans, "Heading"), FieldValue{std::string("Repayment period")});
    QCOMPARE(valueOf(*loans, "Num2"), FieldValue{240.0});
    QCOMPARE(valueOf(*loans, "Num4"), FieldValue{shell.state.finance.loan.MonthlyRepayment});
    QCOMPARE(valueOf(*loans, "FinText2"), FieldValue{std::string("Total Repayments")});
    QCOMPARE(valueOf(*loans, "YearMon"), FieldValue{std::string("Month")});
    const auto amort = shell.printDatabase.readLines("Amort");
    QCOMPARE(amort->size(), 240u);
    QCOMPARE(valueOf(amort->back(), "Year"), FieldValue{std::int64_t{240}});
    QCOMPARE(shell.reports.templateFile().filename().string(), std::string("LonRPerA.rpt"));
    const QString title = QStringLiteral(
        "Repayment period calculation of Loan with Monthly Amortisation - To export printout "
        "click on the suitcase button or goto Help");
    QCOMPARE(shell.reports.windowTitle(), title);

    // Without the tick the printout has no schedule: Amort keeps its lines and the viewer its
    // title.
    click(*window, "cmdPrint");
    click(*panel, "Check1");
    QVERIFY(!frame->isEnabled());
    click(*panel, "cmdVR");
    QCOMPARE(shell.reports.templateFile().filename().string(), std::string("LonRPer.rpt"));
    QCOMPARE(shell.reports.windowTitle(), title);
    QCOMPARE(shell.printDatabase.readLines("Amort")->size(), 240u);
    QVERIFY(shell.sink.messages.empty());
}

void LoanWindowTest::printsNothingWithAQuantityAtZero()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 0, {{"numPrinAmount", "0"}, {"numPeriod", "240"}, {"numIntRate", "10"}});
    click(*window, "cmdPrint");
    click(*window->printPanel(), "cmdVR");
    QVERIFY(window->printPanel()->isVisible());
    QCOMPARE(valueOf(*shell.printDatabase.readRow("Loans"), "Heading"), FieldValue{std::string()});
    click(*window->printPanel(), "cmdPrintCancel");
    QVERIFY(!window->printPanel()->isVisible());
}

void LoanWindowTest::printsToAPrinter()
{
    LoansFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    solve(*window, 3, {{"numPrinAmount", "100000"}, {"numPeriod", "30"}, {"numMonRePay", "3800"}});
    const auto printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    click(*window, "cmdPrint");
    click(*window->printPanel(), "Check1");
    click(*window->printPanel(), "cmdPD");
    QCOMPARE(shell.reports.destination(), PrintDestination::Printer);
    QCOMPARE(shell.reports.templateFile().filename().string(), std::string("LonInRtA.rpt"));
    const QString text = pdfText(printed);
    for (const char* expected :
         {"Interest rate", "100 000.00", "3 800.00", "Year", "Capital payment", "0.00"}) {
        QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(expected + text));
    }
    QCOMPARE(shell.printDatabase.readLines("Amort")->size(), 3u);
}

} // namespace grovan

QTEST_MAIN(grovan::LoanWindowTest)
#include "loan_window_test.moc"

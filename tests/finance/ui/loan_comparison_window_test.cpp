// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/twips.h"
#include "finance/finance_messages.h"
#include "finance/ui/frm_loan_comp.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace grovan {

using namespace testing;

namespace {

struct ComparisonFixture : CalculatorWindowFixture
{
    ComparisonFixture() : CalculatorWindowFixture({"LoanComparison.rpt"}) {}
    std::unique_ptr<frmLoanComp> open()
    {
        return CalculatorWindowFixture::open<frmLoanComp>(state.finance.loanComparison);
    }
};

// The grid's rows as it shows them, each row's cells joined by "|".
QStringList gridShown(const frmLoanComp& window)
{
    QStringList rows;
    const QAbstractItemModel* model = window.grid()->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) {
            cells << model->data(model->index(r, c)).toString();
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

class LoanComparisonWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithItsFieldsAndGrid();
    void calculateFillsTheGrid_data();
    void calculateFillsTheGrid();
    void aRateAbove50SaysSo();
    void theValuesOutliveTheWindow();
    void printsOnlyWithAnAmountAndARate();
};

void LoanComparisonWindowTest::opensWithItsFieldsAndGrid()
{
    ComparisonFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Loan Comparison"));
    QCOMPARE(window->objectName(), QStringLiteral("frmLoanComp"));
    auto* amount = control<NumericField>(*window, "numBAmt");
    auto* rate = control<NumericField>(*window, "numIntRate");
    QVERIFY(amount != nullptr && rate != nullptr);
    QCOMPARE(labelOf(*window, amount), QStringLiteral("Bond amount"));
    QCOMPARE(labelOf(*window, rate), QStringLiteral("Interest rate"));
    QCOMPARE(amount->maximum(), 99999999.99);
    QCOMPARE(rate->maximum(), 50.0);
    QCOMPARE(rate->decimals(), 3);

    // A header row and six terms of four columns, the header and the amounts centred; the amount
    // columns 1 750, 1 600 and 1 600 twips wide.
    QTableView* grid = window->grid();
    QCOMPARE(grid->objectName(), QStringLiteral("grdPayments"));
    const QAbstractItemModel* model = grid->model();
    QCOMPARE(model->rowCount(), 6);
    QCOMPARE(model->columnCount(), 4);
    const QStringList header{" Period ", "Monthly repayment", "   Total Interest   ",
                             "  Total Paid    "};
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), header[c]);
    }
    QCOMPARE(model->data(model->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QCOMPARE(model->data(model->index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignLeft);
    // The amount columns keep their design widths, widened where the font would cut a header.
    QHeaderView* columns = grid->horizontalHeader();
    const QFontMetrics metrics(columns->font());
    for (const auto& [column, twips] : {std::pair{1, 1750}, std::pair{3, 1600}}) {
        QVERIFY(columns->sectionSize(column) >= twipsToPixels(twips, window.get()));
        QVERIFY(columns->sectionSize(column) > metrics.horizontalAdvance(header[column]));
    }
    // Nothing to compare yet: every term repays 0.
    QCOMPARE(gridShown(*window).front(), QStringLiteral(" 5 yrs.|0.00 |0.00 |0.00 "));
    QCOMPARE(control<QPushButton>(*window, "cmdOK")->text(), QStringLiteral("&OK"));
    QVERIFY(control<QPushButton>(*window, "cmdSettings") == nullptr);
    QVERIFY(shell.sink.messages.empty());
}

void LoanComparisonWindowTest::calculateFillsTheGrid_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QStringList>("expected");
    // 100 000 at 10 %: 20 years at 965.02 (the loan buster's 965.0216), 5 years at
    // 833.33 / (1 - (1 + 0.1/12)^-60) = 2 124.70.
    QTest::newRow("100 000 at 10 %")
        << "100000"
        << "10" << QStringList{" 5 yrs.|2 124.70 |27 482.27 |127 482.27 ",
                               " 10 yrs.|1 321.51 |58 580.88 |158 580.88 ",
                               " 15 yrs.|1 074.61 |93 428.92 |193 428.92 ",
                               " 20 yrs.|965.02 |131 605.19 |231 605.19 ",
                               " 25 yrs.|908.70 |172 610.22 |272 610.22 ",
                               " 30 yrs.|877.57 |215 925.77 |315 925.77 "};
    // No rate: nothing repaid, and the interest minus the bond amount.
    QTest::newRow("rate 0") << "100000"
                            << "0" << QStringList{" 5 yrs.|0.00 |-100 000.00 |0.00 ",
                                                  " 10 yrs.|0.00 |-100 000.00 |0.00 ",
                                                  " 15 yrs.|0.00 |-100 000.00 |0.00 ",
                                                  " 20 yrs.|0.00 |-100 000.00 |0.00 ",
                                                  " 25 yrs.|0.00 |-100 000.00 |0.00 ",
                                                  " 30 yrs.|0.00 |-100 000.00 |0.00 "};
}

void LoanComparisonWindowTest::calculateFillsTheGrid()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QStringList, expected);
    ComparisonFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numBAmt", amount);
    enter(*window, "numIntRate", rate);
    QCOMPARE(shell.state.finance.loanComparison.CompPrincipal, amount.toDouble());
    QCOMPARE(shell.state.finance.loanComparison.CompRate, rate.toDouble());
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(gridShown(*window), expected);
    QVERIFY(shell.sink.messages.empty());
}

void LoanComparisonWindowTest::aRateAbove50SaysSo()
{
    ComparisonFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numIntRate", "10");
    enter(*window, "numIntRate", "50.5");
    QTRY_COMPARE(shell.sink.messages.size(), 1u);
    QCOMPARE(shell.sink.messages.front(), maximumLoanRateMessage());
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("numIntRate"));
    QCOMPARE(shell.state.finance.loanComparison.CompRate, 10.0);
}

void LoanComparisonWindowTest::theValuesOutliveTheWindow()
{
    ComparisonFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numBAmt", "100000");
    enter(*window, "numIntRate", "10");
    window.reset();
    // Opened again, it shows the amount and rate and compares them at once.
    window = shell.open();
    QVERIFY(window);
    QCOMPARE(shown(*window, "numBAmt"), QStringLiteral("100 000.00"));
    QCOMPARE(shown(*window, "numIntRate"), QStringLiteral("10.000"));
    QCOMPARE(gridShown(*window)[3], QStringLiteral(" 20 yrs.|965.02 |131 605.19 |231 605.19 "));
}

void LoanComparisonWindowTest::printsOnlyWithAnAmountAndARate()
{
    ComparisonFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numBAmt", "100000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QCOMPARE(window->focusWidget(), window->okButton());

    enter(*window, "numIntRate", "10");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(window->printPanel()->isVisible());
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    QVERIFY(preview != nullptr);
    QCOMPARE(preview->windowTitle(), QStringLiteral("Loan Comparison"));
    QCOMPARE(preview->pageCount(), 1);

    const auto row = shell.printDatabase.readRow("BondComp");
    QVERIFY(row.has_value());
    QCOMPARE(*findField(*row, "PAmt"), FieldValue(100000.0));
    QCOMPARE(*findField(*row, "IntRate"), FieldValue(10.0));
    const LoanComparisonResults& r = window->results();
    for (std::size_t k = 0; k < 6; ++k) {
        const std::string n = std::to_string(k + 1);
        QCOMPARE(*findField(*row, "MonRep" + n), FieldValue(r.rows[k].repayment));
        QCOMPARE(*findField(*row, "IntPaid" + n), FieldValue(r.rows[k].totalInterest));
        QCOMPARE(*findField(*row, "Total" + n), FieldValue(r.rows[k].totalPaid));
    }
    QCOMPARE(std::get<double>(*findField(*row, "MonRep4")), 965.021645074009);

    // "C&ancel" closes the panel without printing.
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->cancelButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QVERIFY(window->okButton()->isEnabled());
}

} // namespace grovan

QTEST_MAIN(grovan::LoanComparisonWindowTest)
#include "loan_comparison_window_test.moc"

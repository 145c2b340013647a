// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "finance/finance_messages.h"
#include "finance/ui/frm_loan_buster.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QPushButton>

namespace grovan {

using namespace testing;

namespace {

struct BusterFixture : CalculatorWindowFixture
{
    BusterFixture() : CalculatorWindowFixture({"loanbuster.rpt"}) {}
    std::unique_ptr<frmLoanBuster> open()
    {
        return CalculatorWindowFixture::open<frmLoanBuster>(state.finance.loanBuster);
    }
};

// The left-hand column, then the extra payment and the right-hand column, as the window shows
// them.
const char* const kShown[] = {"numMonRePay", "numAns1(0)", "numAns1(1)", "numXtraPay",
                              "numAns1(2)",  "numAns2",    "numAns1(3)", "numAns1(4)",
                              "numAns1(5)",  "numAns1(6)", "numAns1(7)"};

QStringList everyResultShown(const QWidget& window)
{
    QStringList texts;
    for (const char* name : kShown) {
        texts << shown(window, name);
    }
    return texts;
}

} // namespace

class LoanBusterWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithItsFieldsAndButtons();
    void calculateShowsBothColumns_data();
    void calculateShowsBothColumns();
    void tooLargeAnExtraPaymentClearsTheColumnAndSaysSo();
    void aRefusedPeriodSaysSoAndKeepsTheFocus();
    void itsValuesOutliveTheWindowButThePeriodDoesNot();
    void printsOnlyALoanWithAPrincipal();
};

void LoanBusterWindowTest::opensWithItsFieldsAndButtons()
{
    BusterFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Loan Buster"));
    QCOMPARE(window->objectName(), QStringLiteral("frmLoanBuster"));

    const std::pair<const char*, const char*> labels[] = {
        {"numPrinAmount", "Principal amount"},
        {"numPeriod", "Period"},
        {"numIntRate", "Interest rate"},
        {"numMonRePay", "Monthly repayment"},
        {"numAns1(0)", "Total interest"},
        {"numAns1(1)", "Total repayments"},
        {"numXtraPay", "Extra voluntary payments"},
        {"numAns1(2)", "Principal amount"},
        {"numAns2", "Period"},
        {"numAns1(3)", "Interest rate"},
        {"numAns1(4)", "Monthly repayment"},
        {"numAns1(5)", "Total interest"},
        {"numAns1(6)", "Total repayments"},
        {"numAns1(7)", "Total saving"},
    };
    for (const auto& [name, label] : labels) {
        auto* field = control<NumericField>(*window, name);
        QVERIFY2(field != nullptr, name);
        QCOMPARE(labelOf(*window, field), QString::fromLatin1(label));
        const bool typed = QByteArray(name) == "numPrinAmount" || QByteArray(name) == "numPeriod" ||
                           QByteArray(name) == "numIntRate" || QByteArray(name) == "numXtraPay";
        QCOMPARE(field->isReadOnlyMode(), !typed);
    }
    // The fields' own ranges: amounts to 99 999 999.99, whole months to 600, the rate to 50 with
    // three decimals.
    QCOMPARE(control<NumericField>(*window, "numPrinAmount")->maximum(), 99999999.99);
    QCOMPARE(control<NumericField>(*window, "numXtraPay")->maximum(), 99999999.99);
    QCOMPARE(control<NumericField>(*window, "numPeriod")->maximum(), 600.0);
    QVERIFY(control<NumericField>(*window, "numPeriod")->isWholeNumber());
    QCOMPARE(control<NumericField>(*window, "numIntRate")->maximum(), 50.0);
    QCOMPARE(control<NumericField>(*window, "numIntRate")->decimals(), 3);
    QCOMPARE(shown(*window, "numIntRate"), QStringLiteral("0.000"));

    QCOMPARE(control<QPushButton>(*window, "cmdOK")->text(), QStringLiteral("&OK"));
    QCOMPARE(control<QPushButton>(*window, "cmdCalculate")->text(), QStringLiteral("&Calculate"));
    QCOMPARE(control<QPushButton>(*window, "cmdPrint")->text(), QStringLiteral("&Print"));
    QVERIFY(control<QPushButton>(*window, "cmdSettings") == nullptr);
    PrintPanel* panel = window->printPanel();
    QVERIFY(!panel->isVisible());
    QVERIFY(panel->englishOption() == nullptr && panel->nameField() == nullptr);
    QCOMPARE(panel->cancelButton()->objectName(), QStringLiteral("cmdPrintCancel"));
    QCOMPARE(panel->cancelButton()->text(), QStringLiteral("C&ancel"));
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("numPrinAmount"));
    QVERIFY(shell.sink.messages.empty());
}

void LoanBusterWindowTest::calculateShowsBothColumns_data()
{
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QStringList>("expected"); // kShown, in order
    // 100 000 over 240 months at 10 %: 965.0216 a month, 231 605.19 in all. Without an extra
    // payment the right-hand column repeats the left-hand one.
    QTest::newRow("no extra payment")
        << "0"
        << QStringList{"965.02", "131 605.19", "231 605.19", "0.00",       "100 000.00", "240",
                       "10.000", "965.02",     "131 605.19", "231 605.19", "0.00"};
    // 200 more a month repays the loan in 151 months once the extra payment is raised to the
    // cent that repays it exactly: 201.48.
    QTest::newRow("extra payment of 200")
        << "200"
        << QStringList{"965.02", "131 605.19", "231 605.19", "201.48",     "100 000.00", "151",
                       "10.000", "1 166.50",   "76 141.75",  "176 141.75", "55 463.45"};
}

void LoanBusterWindowTest::calculateShowsBothColumns()
{
    QFETCH(QString, extra);
    QFETCH(QStringList, expected);
    BusterFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numPrinAmount", "100000");
    enter(*window, "numPeriod", "240");
    enter(*window, "numIntRate", "10");
    enter(*window, "numXtraPay", extra);
    // Every field reaches the application's values at once; nothing is calculated yet.
    QCOMPARE(shell.state.finance.loanBuster.BusterPrincipal, 100000.0);
    QCOMPARE(shell.state.finance.loanBuster.BusterRate, 10.0);
    QCOMPARE(shell.state.finance.loanBuster.BusterExtra, extra.toDouble());
    QCOMPARE(shown(*window, "numMonRePay"), QStringLiteral("0.00"));

    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(everyResultShown(*window), expected);
    // The adjusted extra payment is the one kept for the next calculation.
    QCOMPARE(shell.state.finance.loanBuster.BusterExtra, window->results().BusterExtra);
    QCOMPARE(window->inputs().BaseTerm, std::int16_t{240});
    QVERIFY(shell.sink.messages.empty());
}

void LoanBusterWindowTest::tooLargeAnExtraPaymentClearsTheColumnAndSaysSo()
{
    BusterFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numPrinAmount", "100000");
    enter(*window, "numPeriod", "240");
    enter(*window, "numIntRate", "10");
    enter(*window, "numXtraPay", "200");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numAns2"), QStringLiteral("151"));

    // Ten times 965.0216 is 9 650.22: the earlier loan's right-hand column must not stay.
    enter(*window, "numXtraPay", "10000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(everyResultShown(*window),
             (QStringList{"965.02", "131 605.19", "231 605.19", "10 000.00", "0.00", "0", "0.000",
                          "0.00", "0.00", "0.00", "0.00"}));
    QCOMPARE(shell.sink.messages.size(), 1u);
    const Message& message = shell.sink.messages.front();
    QCOMPARE(qText(message.text),
             QStringLiteral("The extra voluntary payment can be at most ten times the monthly "
                            "repayment: R 9 650.21."));
    QCOMPARE(qText(message.title), QStringLiteral("Incorrect Extra Payment!"));
    QCOMPARE(message.icon, MessageIcon::Error);
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("numXtraPay"));

    // Becoming active again calculates the same, without a second message.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(shown(*window, "numAns1(4)"), QStringLiteral("0.00"));
    QCOMPARE(shell.sink.messages.size(), 1u);
}

void LoanBusterWindowTest::aRefusedPeriodSaysSoAndKeepsTheFocus()
{
    BusterFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numPeriod", "240");
    enter(*window, "numPeriod", "601");
    QTRY_COMPARE(shell.sink.messages.size(), 1u);
    QCOMPARE(shell.sink.messages.front(), maximumLoanPeriodMessage());
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("numPeriod"));
    QCOMPARE(shown(*window, "numPeriod"), QStringLiteral("240"));
    QCOMPARE(window->inputs().BaseTerm, std::int16_t{240});
}

void LoanBusterWindowTest::itsValuesOutliveTheWindowButThePeriodDoesNot()
{
    BusterFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numPrinAmount", "100000");
    enter(*window, "numPeriod", "240");
    enter(*window, "numIntRate", "10");
    enter(*window, "numXtraPay", "200");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    window.reset();

    // Opened again: the principal, rate and adjusted extra payment, no term, so zero results.
    window = shell.open();
    QVERIFY(window);
    QCOMPARE(shown(*window, "numPrinAmount"), QStringLiteral("100 000.00"));
    QCOMPARE(shown(*window, "numIntRate"), QStringLiteral("10.000"));
    QCOMPARE(shown(*window, "numXtraPay"), QStringLiteral("201.48"));
    QCOMPARE(shown(*window, "numPeriod"), QStringLiteral("0"));
    QCOMPARE(shown(*window, "numMonRePay"), QStringLiteral("0.00"));
    QCOMPARE(shown(*window, "numAns1(4)"), QStringLiteral("0.00"));
    QCOMPARE(shown(*window, "numAns1(7)"), QStringLiteral("0.00"));
    QVERIFY(shell.sink.messages.empty());
}

void LoanBusterWindowTest::printsOnlyALoanWithAPrincipal()
{
    BusterFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    // No principal: "&Print" only moves the focus to "&OK".
    enter(*window, "numPeriod", "240");
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QCOMPARE(window->focusWidget(), window->okButton());
    QVERIFY(!shell.printDatabase.readRow("BondBust").value().empty());
    QCOMPARE(*findField(*shell.printDatabase.readRow("BondBust"), "PAmt"), FieldValue(0.0));

    enter(*window, "numPrinAmount", "100000");
    enter(*window, "numIntRate", "10");
    enter(*window, "numXtraPay", "200");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(window->printPanel()->isVisible());
    QVERIFY(!window->okButton()->isEnabled());
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QVERIFY(shell.sink.messages.empty());
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    QVERIFY(preview != nullptr && preview->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Loan Buster"));
    QCOMPARE(preview->pageCount(), 1);

    const auto row = shell.printDatabase.readRow("BondBust");
    QVERIFY(row.has_value());
    const LoanBusterResults& r = window->results();
    const Row expected{
        {"PAmt", 100000.0},         {"Period", std::int64_t{240}},
        {"IntRate", 10.0},          {"MonRep", r.R0},
        {"TotIntPaid", r.TI0},      {"TotRep", r.TR0},
        {"XtraPay", r.BusterExtra}, {"Xper", std::int64_t{151}},
        {"XMonRep", r.R1},          {"XTotIntPaid", r.TI1},
        {"XTotRep", r.TR1},         {"XTotSavings", r.saving},
    };
    QCOMPARE(*row, expected);

    // Straight to a printer that prints into a file: the page carries both columns.
    const std::filesystem::path printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    const QString text = pdfText(printed);
    for (const char* figure : {"100 000.00", "151 months", "1 166.50", "201.48", "55 463.45"}) {
        QVERIFY2(text.contains(QLatin1String(figure)), qPrintable(text));
    }
}

} // namespace grovan

QTEST_MAIN(grovan::LoanBusterWindowTest)
#include "loan_buster_window_test.moc"

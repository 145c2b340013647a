// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/spin_button.h"
#include "finance/inflation_validation.h"
#include "finance/ui/frm_inflation.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace grovan {

using namespace testing;

namespace {

struct InflationFixture : CalculatorWindowFixture
{
    InflationFixture() : CalculatorWindowFixture({"Inflatin.rpt"}) {}
    std::unique_ptr<frmInflation> open()
    {
        return CalculatorWindowFixture::open<frmInflation>(state.finance.inflation);
    }
};

const char* const kPreviewTitle =
    "Inflation - To export printout click on the suitcase button or goto Help";

QLabel* tooLargeLabel(const QWidget& window)
{
    return window.findChild<QLabel*>(QStringLiteral("Label2(12)"));
}

} // namespace

class InflationWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithItsFieldsAndSpins();
    void calculateProjects_data();
    void calculateProjects();
    void tooLargeACostIsNotShownNorPrinted();
    void refusedEntriesSaySo_data();
    void refusedEntriesSaySo();
    void spinsStepAndProject_data();
    void spinsStepAndProject();
    void printsTheLastProjection();
};

void InflationWindowTest::opensWithItsFieldsAndSpins()
{
    InflationFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Inflation"));
    QCOMPARE(window->objectName(), QStringLiteral("frmInflation"));
    const std::pair<const char*, const char*> labels[] = {
        {"numPresCost", "Present cost"},    {"numPeriod", "Period"},
        {"numInflaRate", "Inflation rate"}, {"numAns1", "Future value/cost"},
        {"numAns2", "Buying power"},
    };
    for (const auto& [name, label] : labels) {
        auto* field = control<NumericField>(*window, name);
        QVERIFY2(field != nullptr, name);
        QCOMPARE(labelOf(*window, field), QString::fromLatin1(label));
    }
    QCOMPARE(control<NumericField>(*window, "numPresCost")->maximum(), 2147483647.0);
    QCOMPARE(control<NumericField>(*window, "numPresCost")->decimals(), 0);
    QCOMPARE(control<NumericField>(*window, "numPeriod")->maximum(), 40.0);
    QCOMPARE(control<NumericField>(*window, "numInflaRate")->minimum(), -5.0);
    QCOMPARE(control<NumericField>(*window, "numInflaRate")->maximum(), 40.0);
    QCOMPARE(window->periodSpin()->objectName(), QStringLiteral("spPeriod"));
    QCOMPARE(window->rateSpin()->objectName(), QStringLiteral("spInflation"));
    QCOMPARE(tooLargeLabel(*window)->text(), QStringLiteral("Amount too large to display"));
    QVERIFY(!tooLargeLabel(*window)->isVisible());
    QCOMPARE(control<QPushButton>(*window, "cmdOK")->text(), QStringLiteral("&OK"));
    QVERIFY(shell.sink.messages.empty());
}

void InflationWindowTest::calculateProjects_data()
{
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("future");
    QTest::addColumn<QString>("buyingPower");
    // 100 000 x 1.06^10 = 179 084.77 and 100 000 / 1.06^10 = 55 839.48, shown whole.
    QTest::newRow("10 years at 6 %") << "100000"
                                     << "10"
                                     << "6"
                                     << "179 085"
                                     << "55 839";
    QTest::newRow("period 0") << "100000"
                              << "0"
                              << "6"
                              << "100 000"
                              << "100 000";
    // Falling prices: 100 000 x 0.95^10 and 100 000 / 0.95^10.
    QTest::newRow("-5 % for 10 years") << "100000"
                                       << "10"
                                       << "-5"
                                       << "59 874"
                                       << "167 018";
}

void InflationWindowTest::calculateProjects()
{
    QFETCH(QString, cost);
    QFETCH(QString, years);
    QFETCH(QString, rate);
    QFETCH(QString, future);
    QFETCH(QString, buyingPower);
    InflationFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numPresCost", cost);
    enter(*window, "numPeriod", years);
    enter(*window, "numInflaRate", rate);
    QCOMPARE(shell.state.finance.inflation.InflationRate, rate.toDouble());
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numAns1"), future);
    QCOMPARE(shown(*window, "numAns2"), buyingPower);
    // The state keeps the projection for the printout.
    QCOMPARE(shell.state.finance.inflation.FutureCost, window->results().FutureCost);
    QVERIFY(shell.sink.messages.empty());
}

void InflationWindowTest::tooLargeACostIsNotShownNorPrinted()
{
    InflationFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numPresCost", "2000000000");
    enter(*window, "numPeriod", "40");
    enter(*window, "numInflaRate", "40");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QVERIFY(tooLargeLabel(*window)->isVisible());
    QVERIFY(!control<NumericField>(*window, "numAns1")->isVisible());
    QCOMPARE(shown(*window, "numAns2"), QStringLiteral("2 857"));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QCOMPARE(window->focusWidget(), window->okButton());

    // Four years give 2 000 000 000 x 1.4^4 = 7 683 200 000: shown again.
    enter(*window, "numPeriod", "4");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QVERIFY(!tooLargeLabel(*window)->isVisible());
    QVERIFY(control<NumericField>(*window, "numAns1")->isVisible());
    QCOMPARE(shown(*window, "numAns1"), QStringLiteral("7 683 200 000"));
    QVERIFY(shell.sink.messages.empty());
}

void InflationWindowTest::refusedEntriesSaySo_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("rate above 40")
        << "numInflaRate"
        << "40.5" << qText(inflationRateMessage().text) << "Incorrect Inflation Rate!";
    QTest::newRow("rate below -5")
        << "numInflaRate"
        << "-5.5" << qText(inflationRateMessage().text) << "Incorrect Inflation Rate!";
    QTest::newRow("period above 40")
        << "numPeriod"
        << "41" << qText(inflationPeriodMessage().text) << "Incorrect Period!";
}

void InflationWindowTest::refusedEntriesSaySo()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, title);
    InflationFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    const QByteArray name = field.toLatin1();
    enter(*window, name.constData(), typed);
    QTRY_COMPARE(shell.sink.messages.size(), 1u);
    QCOMPARE(qText(shell.sink.messages.front().text), message);
    QCOMPARE(qText(shell.sink.messages.front().title), title);
    QCOMPARE(window->focusWidget()->objectName(), field);
    QVERIFY(!validateInflationInputs(shell.state.finance.inflation));
}

void InflationWindowTest::spinsStepAndProject_data()
{
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("spin");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("yearsAfter");
    QTest::addColumn<QString>("rateAfter");
    QTest::addColumn<QString>("futureAfter");
    // 100 000 throughout; every click puts the focus on "&OK".
    QTest::newRow("rate up") << "10"
                             << "6"
                             << "spInflation" << true << "10"
                             << "6.250"
                             << "183 354";
    QTest::newRow("rate up from 30 wraps to -5") << "10"
                                                 << "30"
                                                 << "spInflation" << true << "10"
                                                 << "-5.000"
                                                 << "59 874";
    QTest::newRow("rate down from -5 wraps to 30") << "10"
                                                   << "-5"
                                                   << "spInflation" << false << "10"
                                                   << "30.000"
                                                   << "1 378 585";
    QTest::newRow("period down from 1 wraps to 40") << "1"
                                                    << "6"
                                                    << "spPeriod" << false << "40"
                                                    << "6.000"
                                                    << "1 028 572";
    QTest::newRow("period up from 40 wraps to 1") << "40"
                                                  << "6"
                                                  << "spPeriod" << true << "1"
                                                  << "6.000"
                                                  << "106 000";
    // With no period the period spin does nothing but move the focus.
    QTest::newRow("period 0 stays") << "0"
                                    << "6"
                                    << "spPeriod" << true << "0"
                                    << "6.000"
                                    << "0";
}

void InflationWindowTest::spinsStepAndProject()
{
    QFETCH(QString, years);
    QFETCH(QString, rate);
    QFETCH(QString, spin);
    QFETCH(bool, up);
    QFETCH(QString, yearsAfter);
    QFETCH(QString, rateAfter);
    QFETCH(QString, futureAfter);
    InflationFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numPresCost", "100000");
    enter(*window, "numPeriod", years);
    enter(*window, "numInflaRate", rate);
    SpinButton* button = spin == "spPeriod" ? window->periodSpin() : window->rateSpin();
    QTest::mouseClick(up ? button->upButton() : button->downButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numPeriod"), yearsAfter);
    QCOMPARE(shown(*window, "numInflaRate"), rateAfter);
    QCOMPARE(shown(*window, "numAns1"), futureAfter);
    QCOMPARE(window->focusWidget(), window->okButton());
    QVERIFY(!validateInflationInputs(shell.state.finance.inflation));
    QVERIFY(shell.sink.messages.empty());
}

void InflationWindowTest::printsTheLastProjection()
{
    InflationFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    // Nothing projected yet: no printout.
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QCOMPARE(window->focusWidget(), window->okButton());

    enter(*window, "numPresCost", "100000");
    enter(*window, "numPeriod", "10");
    enter(*window, "numInflaRate", "6");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(window->printPanel()->isVisible());
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    QVERIFY(preview != nullptr);
    QCOMPARE(preview->windowTitle(), QString::fromLatin1(kPreviewTitle));
    const auto row = shell.printDatabase.readRow("Inflation");
    QVERIFY(row.has_value());
    const Row expected{{"PresCost", 100000.0},
                       {"Period", 10.0},
                       {"InflaRate", 6.0},
                       {"Ans1", window->results().FutureCost},
                       {"ANS2", window->results().BuyingPower}};
    QCOMPARE(*row, expected);

    const std::filesystem::path printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);
    const QString text = pdfText(printed);
    for (const char* figure : {"100 000", "10 year/s", "6.000 % p.a.", "179 085", "55 839"}) {
        QVERIFY2(text.contains(QLatin1String(figure)), qPrintable(text));
    }
}

} // namespace grovan

QTEST_MAIN(grovan::InflationWindowTest)
#include "inflation_window_test.moc"

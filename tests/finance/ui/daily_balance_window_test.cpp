// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/date_field.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/spin_button.h"
#include "finance/daily_balance_validation.h"
#include "finance/ui/frm_day_bal.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QPushButton>
#include <QToolButton>

namespace grovan {

using namespace testing;

namespace {

struct DayBalFixture : CalculatorWindowFixture
{
    DayBalFixture() : CalculatorWindowFixture({"DayBal.rpt"}) {}
    std::unique_ptr<frmDayBal> open()
    {
        return CalculatorWindowFixture::open<frmDayBal>(state.finance.dailyBalance);
    }
};

std::int32_t day(int year, int month, int dayOfMonth)
{
    return CalendarDate::fromYmd(year, month, dayOfMonth)->dayNumber();
}

// 100 000 at 10 % from 01/03/2021 to 28/02/2022, as typed: 364 days, 9 972.60.
void typeTheTaxYear(const QWidget& window)
{
    enter(window, "numCapAmount", "100000");
    enter(window, "dtStartDate", "01032021");
    enter(window, "dtEndDate", "28022022");
    enter(window, "numIntRate", "10");
}

} // namespace

class DailyBalanceWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithItsFieldsAndSpins();
    void calculateShowsTheInterestAndDays();
    void calculateWithoutBothDatesDoesNothing();
    void datesOutsideTheirRangeSaySo_data();
    void datesOutsideTheirRangeSaySo();
    void spinsStepAndCalculateAtOnce_data();
    void spinsStepAndCalculateAtOnce();
    void theValuesOutliveTheWindow();
    void printsOnlyInterestOverDays();
};

void DailyBalanceWindowTest::opensWithItsFieldsAndSpins()
{
    DayBalFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Daily Balance"));
    QCOMPARE(window->objectName(), QStringLiteral("frmDayBal"));
    const std::pair<const char*, const char*> labels[] = {
        {"numCapAmount", "Capital amount"}, {"dtStartDate", "Start date"},
        {"dtEndDate", "End date"},          {"numIntRate", "Interest rate"},
        {"numAnsDB1", "Interest accrued"},  {"numAnsDB2", "Number of days"},
    };
    for (const auto& [name, label] : labels) {
        QWidget* field = window->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(field != nullptr, name);
        QCOMPARE(labelOf(*window, field), QString::fromLatin1(label));
    }
    QCOMPARE(control<NumericField>(*window, "numIntRate")->maximum(), 40.0);
    QCOMPARE(control<NumericField>(*window, "numCapAmount")->maximum(), 999999999.99);
    QVERIFY(control<NumericField>(*window, "numAnsDB1")->isReadOnlyMode());
    // No date is set: both date fields stand empty, with their mask.
    for (const char* name : {"dtStartDate", "dtEndDate"}) {
        auto* date = control<DateField>(*window, name);
        QVERIFY(!date->date().has_value());
        QCOMPARE(date->displayText(), QStringLiteral("__/__/____"));
    }
    QCOMPARE(window->rateSpin()->objectName(), QStringLiteral("spRate"));
    QCOMPARE(window->rateSpin()->accessibleName(), QStringLiteral("Interest rate"));
    QCOMPARE(window->dateSpin()->objectName(), QStringLiteral("spDate"));
    QCOMPARE(window->dateSpin()->accessibleName(), QStringLiteral("Date"));
    QCOMPARE(shown(*window, "numAnsDB1"), QStringLiteral("0.00"));
    QCOMPARE(control<QPushButton>(*window, "cmdOK")->text(), QStringLiteral("&OK"));
    QVERIFY(shell.sink.messages.empty());
}

void DailyBalanceWindowTest::calculateShowsTheInterestAndDays()
{
    DayBalFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeTheTaxYear(*window);
    const DayBalState& state = shell.state.finance.dailyBalance;
    QCOMPARE(state.DayBalStart, day(2021, 3, 1));
    QCOMPARE(state.DayBalEnd, day(2022, 2, 28));
    QCOMPARE(shown(*window, "numAnsDB2"), QStringLiteral("0"));
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numAnsDB1"), QStringLiteral("9 972.60"));
    QCOMPARE(shown(*window, "numAnsDB2"), QStringLiteral("364"));

    // A capital of 123 456 789 earns interest on that, not on 123 456 792.
    enter(*window, "numCapAmount", "123456789");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numAnsDB1"), QStringLiteral("12 311 855.12"));

    // Emptying a date unsets it.
    enter(*window, "dtEndDate", "");
    QCOMPARE(state.DayBalEnd, kNoDate);
    QVERIFY(shell.sink.messages.empty());
}

void DailyBalanceWindowTest::calculateWithoutBothDatesDoesNothing()
{
    DayBalFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeTheTaxYear(*window);
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    enter(*window, "dtStartDate", "");
    enter(*window, "numIntRate", "20");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numAnsDB1"), QStringLiteral("9 972.60"));
    QVERIFY(shell.sink.messages.empty());
}

void DailyBalanceWindowTest::datesOutsideTheirRangeSaySo_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shownAfter");
    // The end date takes the start date and the 10 960 days after it (to 04/03/2051).
    QTest::newRow("end 10 961 days after the start")
        << "dtEndDate"
        << "05032051"
        << "The date entered is more than 30 years(360 months) after 01/03/2021."
        << "DATE OUT OF RANGE"
        << "28/02/2022";
    QTest::newRow("end before the start")
        << "dtEndDate"
        << "28022021"
        << "The date entered is more than 30 years(360 months) after 01/03/2021."
        << "DATE OUT OF RANGE"
        << "28/02/2022";
    // The start date takes the 10 960 days before the end date, to the day before it.
    QTest::newRow("start more than 10 960 days before the end")
        << "dtStartDate"
        << "24021992"
        << "The date entered is more than 30 years(360 months) before 28/02/2022."
        << "DATE OUT OF RANGE"
        << "01/03/2021";
    QTest::newRow("start on the end date")
        << "dtStartDate"
        << "28022022"
        << "The date entered is more than 30 years(360 months) before 28/02/2022."
        << "DATE OUT OF RANGE"
        << "01/03/2021";
    QTest::newRow("no such day") << "dtEndDate"
                                 << "31022022"
                                 << "The date entered is invalid please enter a valid date."
                                 << "INVALID DATE"
                                 << "28/02/2022";
}

void DailyBalanceWindowTest::datesOutsideTheirRangeSaySo()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(QString, shownAfter);
    DayBalFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeTheTaxYear(*window);
    const QByteArray name = field.toLatin1();
    enter(*window, name.constData(), typed);
    QTRY_COMPARE(shell.sink.messages.size(), 1u);
    QCOMPARE(qText(shell.sink.messages.front().text), message);
    QCOMPARE(qText(shell.sink.messages.front().title), title);
    QCOMPARE(shell.sink.messages.front().icon, MessageIcon::Error);
    QCOMPARE(window->focusWidget()->objectName(), field);
    QCOMPARE(shown(*window, name.constData()), shownAfter);
    QCOMPARE(shell.state.finance.dailyBalance.DayBalEnd, day(2022, 2, 28));
    QCOMPARE(shell.state.finance.dailyBalance.DayBalStart, day(2021, 3, 1));
}

void DailyBalanceWindowTest::spinsStepAndCalculateAtOnce_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("spin");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("rateAfter");
    QTest::addColumn<QString>("endAfter");
    QTest::addColumn<QString>("daysAfter");
    QTest::addColumn<bool>("focusOnOk");
    // From 01/03/2021; the rate steps by 0.25 and wraps within the field's 0 to 40.
    QTest::newRow("rate up") << "10"
                             << "31032021"
                             << "spRate" << true << "10.250"
                             << "31/03/2021"
                             << "30" << true;
    QTest::newRow("rate down from one step wraps to 40") << "0.25"
                                                         << "31032021"
                                                         << "spRate" << false << "40.000"
                                                         << "31/03/2021"
                                                         << "30" << true;
    QTest::newRow("rate up from 40 wraps to one step") << "40"
                                                       << "31032021"
                                                       << "spRate" << true << "0.250"
                                                       << "31/03/2021"
                                                       << "30" << true;
    QTest::newRow("rate 0 stays") << "0"
                                  << "31032021"
                                  << "spRate" << true << "0.000"
                                  << "31/03/2021"
                                  << "0" << false;
    QTest::newRow("date up") << "10"
                             << "31032021"
                             << "spDate" << true << "10.000"
                             << "01/04/2021"
                             << "31" << false;
    QTest::newRow("date down") << "10"
                               << "31032021"
                               << "spDate" << false << "10.000"
                               << "30/03/2021"
                               << "29" << false;
    QTest::newRow("date down at the start stays") << "10"
                                                  << "01032021"
                                                  << "spDate" << false << "10.000"
                                                  << "01/03/2021"
                                                  << "0" << false;
    QTest::newRow("date up without an end date") << "10"
                                                 << ""
                                                 << "spDate" << true << "10.000"
                                                 << "02/03/2021"
                                                 << "1" << false;
}

void DailyBalanceWindowTest::spinsStepAndCalculateAtOnce()
{
    QFETCH(QString, rate);
    QFETCH(QString, end);
    QFETCH(QString, spin);
    QFETCH(bool, up);
    QFETCH(QString, rateAfter);
    QFETCH(QString, endAfter);
    QFETCH(QString, daysAfter);
    QFETCH(bool, focusOnOk);
    DayBalFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numCapAmount", "100000");
    enter(*window, "dtStartDate", "01032021");
    enter(*window, "dtEndDate", end);
    enter(*window, "numIntRate", rate);
    window->findChild<QWidget*>(QStringLiteral("numCapAmount"))->setFocus();

    SpinButton* button = spin == "spRate" ? window->rateSpin() : window->dateSpin();
    QTest::mouseClick(up ? button->upButton() : button->downButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numIntRate"), rateAfter);
    QCOMPARE(shown(*window, "dtEndDate"), endAfter);
    QCOMPARE(shown(*window, "numAnsDB2"), daysAfter);
    QCOMPARE(window->focusWidget() == window->okButton(), focusOnOk);
    // What the window shows is what the values hold, and a field would take it.
    const DayBalState& state = shell.state.finance.dailyBalance;
    QCOMPARE(CalendarDate::fromDayNumber(state.DayBalEnd).text(), endAfter.toStdString());
    QVERIFY(!validateDailyBalanceInputs(state));
    QVERIFY(shell.sink.messages.empty());
}

void DailyBalanceWindowTest::theValuesOutliveTheWindow()
{
    DayBalFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeTheTaxYear(*window);
    window.reset();
    window = shell.open();
    QVERIFY(window);
    QCOMPARE(shown(*window, "numCapAmount"), QStringLiteral("100 000.00"));
    QCOMPARE(shown(*window, "dtStartDate"), QStringLiteral("01/03/2021"));
    QCOMPARE(shown(*window, "dtEndDate"), QStringLiteral("28/02/2022"));
    QCOMPARE(shown(*window, "numAnsDB1"), QStringLiteral("9 972.60"));
}

void DailyBalanceWindowTest::printsOnlyInterestOverDays()
{
    DayBalFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numCapAmount", "100000");
    enter(*window, "dtStartDate", "01032021");
    enter(*window, "dtEndDate", "01032021");
    enter(*window, "numIntRate", "10");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    // The same day: no days, no interest, no printout.
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QCOMPARE(window->focusWidget(), window->okButton());

    enter(*window, "dtEndDate", "28022022");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(window->printPanel()->isVisible());
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    QVERIFY(preview != nullptr);
    QCOMPARE(preview->windowTitle(), QStringLiteral("Daily Balance Calculation"));
    const auto row = shell.printDatabase.readRow("DailyBal");
    QVERIFY(row.has_value());
    const Row expected{{"CapAmount", 100000.0},
                       {"StartDate", std::int64_t{day(2021, 3, 1)}},
                       {"EndDate", std::int64_t{day(2022, 2, 28)}},
                       {"IntRate", 10.0},
                       {"ANS1", window->results().interest},
                       {"ANS2", std::int64_t{364}}};
    QCOMPARE(*row, expected);

    const std::filesystem::path printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);
    const QString text = pdfText(printed);
    for (const char* figure : {"01/03/2021", "28/02/2022", "364", "9 972.60", "10.000 % p.a."}) {
        QVERIFY2(text.contains(QLatin1String(figure)), qPrintable(text));
    }
}

} // namespace grovan

QTEST_MAIN(grovan::DailyBalanceWindowTest)
#include "daily_balance_window_test.moc"

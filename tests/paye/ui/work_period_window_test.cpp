// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"
#include "core/ui/info_panel.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/report_viewer.h"
#include "core/ui/setup_panel.h"
#include "core/ui/text_field.h"
#include "core/ui/twips.h"
#include "paye/ui/frm_annual.h"
#include "paye/ui/work_period_window.h"
#include "paye/work_period_fields.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"
#include "tests/support/print_write_log.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace grovan {

using testing::addCaseRows;
using testing::CalculatorWindowFixture;
using testing::control;
using testing::enter;
using testing::Entries;
using testing::kPeriodResults;
using testing::shown;
using testing::typeEntries;
using testing::typeInto;
using testing::valueOf;

namespace {

constexpr WorkPeriodKind kFortnight = WorkPeriodKind::Fortnightly;
constexpr WorkPeriodKind kWeek = WorkPeriodKind::Weekly;

struct WorkPeriodFixture : CalculatorWindowFixture
{
    WorkPeriodFixture() : CalculatorWindowFixture({"FortNightly.rpt", "Weekly.rpt", "Annual.rpt"})
    {}

    std::unique_ptr<WorkPeriodWindow> open(WorkPeriodKind kind)
    {
        return CalculatorWindowFixture::open<WorkPeriodWindow>(kind);
    }

    void registerWindows() { addProgramWindows(calculators, state); }
};

// The texts of every field of the window, to see that nothing changed.
QStringList everyResultShown(const QWidget& window)
{
    QStringList texts;
    for (const auto& result : kPeriodResults) {
        texts << shown(window, result.first);
    }
    return texts;
}

// Where `name` is written for the `occurrence`-th time (0 the first), or -1.
int writtenAt(const Row& log, const char* name, int occurrence = 0)
{
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].name == name && occurrence-- == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// One calculation typed into a window: the fields in the order typed, and the texts of result
// fields after "&Calculate". Set-up values are a new installation's: UIF 1 % each, limit 17 712 a
// month, skills levy 1 %, travel allowance taxed at 80 %.
struct CalculationCase
{
    const char* name;
    WorkPeriodKind kind;
    Entries typed;
    Entries results;
};

const Entries kAllZero{{"numAllowableRFundDed", "0"}, {"numMAns1", "0.00"},
                       {"numMAns2", "0.00"},          {"numMAns3", "0.00"},
                       {"numMAns", "0.00"},           {"numTaxCredit", "0.00"},
                       {"numMTCForContri", "0.00"},   {"numTaxLiability", "0.00"}};

const std::vector<CalculationCase>& calculationCases()
{
    static const std::vector<CalculationCase> cases{
        {"fortnight: on opening every result is 0", kFortnight, {}, kAllZero},
        {"week: on opening every result is 0", kWeek, {}, kAllZero},
        // A = 20 000 x 26 = 520 000; CalcAnnualTax = 110 739 + 52 500 x 36 % = 129 639;
        // (129 639 - 15 714) / 26 = 4 381.73. UIF on the fortnight's limit 17 712 x 12 / 26 =
        // 8 174.77 at 1 %; the levy 1 % of 20 000.
        {"fortnight: age 40, 20 000, 14 of 14 days",
         kFortnight,
         {{"silgEdit14", "40"}, {"numSalRemun", "20000"}},
         {{"numMAns", "4 381.73"},
          {"numTaxLiability", "4 381.73"},
          {"numMAns1", "81.75"},
          {"numMAns2", "81.75"},
          {"numMAns3", "200.00"}}},
        // A = 20 000 x 26 x 14 / 7 = 1 040 000: 229 089 + 257 800 x 41 % = 334 787;
        // (334 787 - 15 714) / 26 x 7 / 14 = 6 136.02.
        {"fortnight: 7 of 14 days",
         kFortnight,
         {{"silgEdit14", "40"}, {"numSalRemun", "20000"}, {"silgEdit22", "7"}},
         {{"numMAns", "6 136.02"}, {"numTaxLiability", "6 136.02"}}},
        // CalcAnnualTax(50 000) = 9 000, less a 26th of the rebate, 604.38.
        {"fortnight: a bonus alone",
         kFortnight,
         {{"silgEdit14", "40"}, {"sidbEdit4", "50000"}},
         {{"numMAns", "8 395.62"}, {"numTaxLiability", "8 395.62"}}},
        // 9 000 less a 52nd of the rebate, 302.19.
        {"week: a bonus alone",
         kWeek,
         {{"silgEdit14", "40"}, {"sidbEdit4", "50000"}},
         {{"numMAns", "8 697.81"}}},
        // CalcAnnualTax(3 000) = 540 is less than a fortnight's rebate: nothing to pay.
        {"fortnight: a bonus below a fortnight's rebate",
         kFortnight,
         {{"silgEdit14", "40"}, {"sidbEdit4", "3000"}},
         {{"numMAns", "0.00"}, {"numTaxLiability", "0.00"}}},
        // 664 / 4 for the first two members and 224 / 4 for the third: 166 + 56.
        {"week: three members with a contribution",
         kWeek,
         {{"numEmpERMedAidCont", "500"}, {"numMedAidBens", "3"}},
         {{"numTaxCredit", "222.00"}, {"numTaxLiability", "0.00"}}},
        {"week: three members without contributions",
         kWeek,
         {{"numMedAidBens", "3"}},
         {{"numTaxCredit", "0.00"}, {"numMTCForContri", "0.00"}}},
        // (1 000 + 500 - 3 x 166) x 0.333 = 333.67; the tax on 52 000 a year is below the
        // rebate at 70.
        {"week: age 70, contributions above three credits",
         kWeek,
         {{"silgEdit14", "70"},
          {"numEmpERMedAidCont", "1000"},
          {"numEmpEEMedAidCont", "500"},
          {"numMedAidBens", "2"}},
         {{"numTaxCredit", "166.00"},
          {"numMTCForContri", "333.67"},
          {"numMAns", "0.00"},
          {"numTaxLiability", "0.00"}}},
        {"week: age 64, the same contributions",
         kWeek,
         {{"silgEdit14", "64"},
          {"numEmpERMedAidCont", "1000"},
          {"numEmpEEMedAidCont", "500"},
          {"numMedAidBens", "2"}},
         {{"numTaxCredit", "166.00"}, {"numMTCForContri", "0.00"}}},
        // The fortnight's UIF limit is 8 174.77: 1 % of it each.
        {"fortnight: UIF base above the limit",
         kFortnight,
         {{"numSalRemun", "10000"}},
         {{"numMAns1", "81.75"}, {"numMAns2", "81.75"}, {"numMAns3", "100.00"}}},
        {"fortnight: UIF base within the limit",
         kFortnight,
         {{"numSalRemun", "5000"}},
         {{"numMAns1", "50.00"}, {"numMAns2", "50.00"}}},
        // The week's limit is 17 712 x 12 / 52 = 4 087.38.
        {"week: UIF base above the limit",
         kWeek,
         {{"numSalRemun", "5000"}},
         {{"numMAns1", "40.87"}, {"numMAns2", "40.87"}, {"numMAns3", "50.00"}}},
        // 27.5 % of 10 000 is less than the 5 000 contributed.
        {"fortnight: fund contributions above 27.5 %",
         kFortnight,
         {{"numSalRemun", "10000"}, {"numEmpERFundCont", "5000"}},
         {{"numAllowableRFundDed", "2 750"}}},
        // 27.5 % of 120 000 is 33 000, but 350 000 / 26 = 13 461.54 at most.
        {"fortnight: deduction capped at 350 000 / 26",
         kFortnight,
         {{"numSalRemun", "100000"}, {"numEmpRRFundCont", "20000"}},
         {{"numAllowableRFundDed", "13 462"}}},
        // 27.5 % of 50 000 is 13 750, but 350 000 / 52 = 6 730.77 at most.
        {"week: deduction capped at 350 000 / 52",
         kWeek,
         {{"numSalRemun", "50000"}, {"numEmpERFundCont", "10000"}},
         {{"numAllowableRFundDed", "6 731"}}},
    };
    return cases;
}

} // namespace

class WorkPeriodWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithEveryFieldOfTheTablesAndItsDefaults_data();
    void opensWithEveryFieldOfTheTablesAndItsDefaults();
    void calculateShowsWhatTheEngineGives_data();
    void calculateShowsWhatTheEngineGives();
    void moreDaysThanNormalIsToldAndNothingRecalculated_data();
    void moreDaysThanNormalIsToldAndNothingRecalculated();
    void noDaysThisPeriodIsToldAndNothingRecalculated_data();
    void noDaysThisPeriodIsToldAndNothingRecalculated();
    void setupIsSharedWithNewWindowsNotOpenOnes();
    void printWritesTheWeekRow_data();
    void printWritesTheWeekRow();
    void theMenuOpensOneWindowAndInitialiseAllKeepsTheFortnight();
};

void WorkPeriodWindowTest::opensWithEveryFieldOfTheTablesAndItsDefaults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("normalLabel");
    QTest::addColumn<QString>("thisLabel");
    QTest::newRow("fortnight") << int(kFortnight) << "Fortnightly"
                               << "frmFortNight" << 14.0 << "Normal fortnight"
                               << "This fortnight";
    QTest::newRow("week") << int(kWeek) << "Weekly"
                          << "frmWeekly" << 7.0 << "Normal work week"
                          << "This work week";
}

void WorkPeriodWindowTest::opensWithEveryFieldOfTheTablesAndItsDefaults()
{
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QFETCH(double, days);
    QFETCH(QString, normalLabel);
    QFETCH(QString, thisLabel);
    WorkPeriodFixture shell;
    auto window = shell.open(static_cast<WorkPeriodKind>(kind));
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->objectName(), name);

    // Every input of the engine's table, with its label, range and digits; both day fields
    // start at the period's days and go no higher.
    for (const InputBinding<WorkPeriodInputs>& binding :
         workPeriodInputBindings(window->period())) {
        const FieldDescription& field = *binding.field;
        const QString control = qText(field.controlName);
        QWidget* widget = window->findChild<QWidget*>(control);
        QVERIFY2(widget != nullptr, qPrintable(control));
        if (field.kind == FieldKind::Text) {
            QCOMPARE(qobject_cast<TextField*>(widget)->maxLength(), 50);
            continue;
        }
        auto* number = qobject_cast<NumericField*>(widget);
        QVERIFY2(number != nullptr, qPrintable(control));
        QCOMPARE(testing::labelsOf(*window, number), qText(field.label));
        QCOMPARE(number->minimum(), field.minimum);
        QCOMPARE(number->maximum(), field.maximum);
        QCOMPARE(number->integerDigits(), field.integerDigits);
        QCOMPARE(number->decimals(), field.decimals);
        QCOMPARE(number->isWholeNumber(), field.kind == FieldKind::WholeNumber);
        QCOMPARE(number->value(), field.defaultValue);
    }
    auto* normalDays = control<NumericField>(*window, "silgEdit21");
    auto* thisDays = control<NumericField>(*window, "silgEdit22");
    QCOMPARE(testing::labelsOf(*window, normalDays), normalLabel);
    QCOMPARE(testing::labelsOf(*window, thisDays), thisLabel);
    QCOMPARE(normalDays->maximum(), days);
    QCOMPARE(thisDays->value(), days);
    QCOMPARE(window->inputs().normalDays, static_cast<std::int16_t>(days));
    QCOMPARE(window->inputs().thisDays, static_cast<std::int16_t>(days));

    // A day more than the period has is turned down with a message; the field keeps its count
    // and gets the focus back.
    enter(*window, "silgEdit22", QString::number(days + 1));
    QTRY_COMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(shell.sink.messages[0],
             (Message{QStringLiteral("The number of '%1' days must be %2 or fewer.")
                          .arg(thisLabel)
                          .arg(days)
                          .toStdString(),
                      "Incorrect Number of Days", MessageIcon::Error}));
    QCOMPARE(window->focusWidget(), thisDays);
    QCOMPARE(shown(*window, "silgEdit22"), QString::number(days));
    QCOMPARE(window->inputs().thisDays, static_cast<std::int16_t>(days));
    shell.sink.messages.clear();

    // Calculated on opening: every result shows 0.
    for (const ResultBinding<PeriodResults>& binding : workPeriodResultBindings()) {
        const QString control = qText(binding.field->controlName);
        auto* result = window->findChild<NumericField*>(control);
        QVERIFY2(result != nullptr, qPrintable(control));
        QVERIFY(result->isReadOnlyMode());
        QCOMPARE(testing::labelsOf(*window, result), qText(binding.field->label));
        QCOMPARE(result->text(),
                 control == "numAllowableRFundDed" ? QStringLiteral("0") : QStringLiteral("0.00"));
    }
    for (const char* button : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint", "cmdInfo(0)",
                               "cmdSetupOK", "cmdPD", "cmdVR", "cmdCancel", "cmdOK_Info_One"}) {
        QVERIFY2(control<QPushButton>(*window, button) != nullptr, button);
    }

    // The information panel opens at 600 twips.
    QTest::mouseClick(window->infoButton(), Qt::LeftButton);
    QVERIFY(window->infoPanel()->isVisible());
    QCOMPARE(window->infoPanel()->title(), QStringLiteral("General Information"));
    QCOMPARE(window->infoPanel()->y(), twipsToPixels(600, window->infoPanel()));
    QTest::mouseClick(window->infoPanel()->okButton(), Qt::LeftButton);
    QVERIFY(!window->infoPanel()->isVisible());
    QVERIFY(shell.sink.messages.empty());
}

void WorkPeriodWindowTest::calculateShowsWhatTheEngineGives_data()
{
    addCaseRows(calculationCases());
}

void WorkPeriodWindowTest::calculateShowsWhatTheEngineGives()
{
    QFETCH(int, index);
    const CalculationCase& row = calculationCases()[static_cast<std::size_t>(index)];
    WorkPeriodFixture shell;
    auto window = shell.open(row.kind);
    QVERIFY(window);
    typeEntries(*window, row.typed);
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    for (const auto& [name, text] : row.results) {
        QCOMPARE(shown(*window, name), QString::fromLatin1(text));
    }
    QVERIFY(shell.sink.messages.empty());
}

void WorkPeriodWindowTest::moreDaysThanNormalIsToldAndNothingRecalculated_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("thisPeriod");
    QTest::addColumn<QString>("tax");       // after the first calculation, and still after
    QTest::addColumn<double>("lastIncome"); // the annual income that calculation taxed last
    QTest::addColumn<QString>("message");
    // 520 000 a year as in the calculation table above; the week's 20 000 is 1 040 000 a year:
    // (334 787 - 15 714) / 52 = 6 136.02.
    QTest::newRow("fortnight: 11 of 10 days")
        << int(kFortnight) << "10"
        << "11"
        << "4 381.73" << 520000.0
        << "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.";
    QTest::newRow("week: 6 of 5 days")
        << int(kWeek) << "5"
        << "6"
        << "6 136.02" << 1040000.0
        << "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.";
    QTest::newRow("week: 3 of 0 days")
        << int(kWeek) << "0"
        << "3"
        << "6 136.02" << 1040000.0
        << "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.";
}

void WorkPeriodWindowTest::moreDaysThanNormalIsToldAndNothingRecalculated()
{
    QFETCH(int, kind);
    QFETCH(QString, normal);
    QFETCH(QString, thisPeriod);
    QFETCH(QString, tax);
    QFETCH(double, lastIncome);
    QFETCH(QString, message);
    WorkPeriodFixture shell;
    auto window = shell.open(static_cast<WorkPeriodKind>(kind));
    QVERIFY(window);
    enter(*window, "silgEdit14", "40");
    enter(*window, "numSalRemun", "20000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numMAns"), tax);
    const QStringList before = everyResultShown(*window);
    const double taxBefore = window->results().taxLiability;

    enter(*window, "numSalRemun", "30000");
    enter(*window, "silgEdit22", thisPeriod);
    enter(*window, "silgEdit21", normal);
    // Alt+C from the keyboard leaves the focus where it was until the message moves it.
    QVERIFY(window->focusWidget() != window->calculateButton());
    QTest::keyClick(window->focusWidget(), Qt::Key_C, Qt::AltModifier);

    QTRY_COMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(shell.sink.messages[0],
             (Message{message.toStdString(), "Incorrect Number of Days", MessageIcon::Error}));
    QCOMPARE(window->focusWidget(), window->calculateButton());
    QCOMPARE(everyResultShown(*window), before);
    QCOMPARE(window->results().taxLiability, taxBefore);
    QCOMPARE(shell.state.taxableIncome.LastTaxableIncome, lastIncome);
}

void WorkPeriodWindowTest::noDaysThisPeriodIsToldAndNothingRecalculated_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("message");
    QTest::newRow("fortnight: 0 of 14 days")
        << int(kFortnight) << "14"
        << "The number of 'This fortnight' days must be 1 or more.";
    // 0 of 0 passes the check of more days than normal; it cannot be annualised either.
    QTest::newRow("fortnight: 0 of 0 days")
        << int(kFortnight) << "0"
        << "The number of 'This fortnight' days must be 1 or more.";
    QTest::newRow("week: 0 of 0 days") << int(kWeek) << "0"
                                       << "The number of 'This work week' days must be 1 or more.";
}

void WorkPeriodWindowTest::noDaysThisPeriodIsToldAndNothingRecalculated()
{
    QFETCH(int, kind);
    QFETCH(QString, normal);
    QFETCH(QString, message);
    WorkPeriodFixture shell;
    auto window = shell.open(static_cast<WorkPeriodKind>(kind));
    QVERIFY(window);
    enter(*window, "numSalRemun", "20000");
    enter(*window, "numEmpERMedAidCont", "800");
    enter(*window, "numMedAidBens", "2");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    const QStringList before = everyResultShown(*window);

    enter(*window, "silgEdit22", "0");
    enter(*window, "silgEdit21", normal);
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    QCOMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(shell.sink.messages[0],
             (Message{message.toStdString(), "Incorrect Number of Days", MessageIcon::Error}));
    QCOMPARE(window->focusWidget(), control(*window, "silgEdit22"));
    QCOMPARE(everyResultShown(*window), before);
    for (const QString& text : everyResultShown(*window)) {
        QVERIFY2(!text.contains(QStringLiteral("inf"), Qt::CaseInsensitive) &&
                     !text.contains(QStringLiteral("nan"), Qt::CaseInsensitive),
                 qPrintable(text));
    }
    const PeriodResults& results = window->results();
    for (double value : {results.fundDeduction, results.employeeUif, results.skillsLevy,
                         results.taxLiability, results.medicalCredit, results.totalTaxDeduction}) {
        QVERIFY(std::isfinite(value));
    }
}

void WorkPeriodWindowTest::setupIsSharedWithNewWindowsNotOpenOnes()
{
    WorkPeriodFixture shell;
    auto fortnight = shell.open(kFortnight);
    QVERIFY(fortnight);
    auto week = shell.open(kWeek);
    QVERIFY(week);
    enter(*fortnight, "numSalRemun", "5000");
    enter(*week, "numSalRemun", "2000");

    QTest::mouseClick(fortnight->settingsButton(), Qt::LeftButton);
    SetupPanel* panel = fortnight->setupPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->objectName(), QStringLiteral("Frame3"));
    QCOMPARE(panel->title(), QStringLiteral("Setup"));
    QCOMPARE(panel->y(), twipsToPixels(1710, panel));
    for (QWidget* button : fortnight->mainButtons()) {
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
    }
    typeInto(panel->field("numEmpEUIF"), "2");
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    // Saved, and the fortnight recalculated with it: 2 % of 5 000.
    QVERIFY(!panel->isVisible());
    QCOMPARE(shell.settings.load().EmployeeUIF, 2.0);
    QTRY_COMPARE(shown(*fortnight, "numMAns1"), QStringLiteral("100.00"));
    QCOMPARE(shown(*fortnight, "numMAns2"), QStringLiteral("50.00"));

    // The week that was open goes on with what it read: 1 % of 2 000.
    QTest::mouseClick(week->calculateButton(), Qt::LeftButton);
    QCOMPARE(week->setup().EmployeeUIF, 1.0);
    QCOMPARE(shown(*week, "numMAns1"), QStringLiteral("20.00"));

    // A week opened now reads the saved rate.
    auto newWeek = shell.open(kWeek);
    QVERIFY(newWeek);
    QCOMPARE(newWeek->setup().EmployeeUIF, 2.0);
    QCOMPARE(newWeek->setupPanel()->field("numEmpEUIF")->value(), 2.0);
    enter(*newWeek, "numSalRemun", "2000");
    QTest::mouseClick(newWeek->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*newWeek, "numMAns1"), QStringLiteral("40.00"));
    QVERIFY(shell.sink.messages.empty());
}

void WorkPeriodWindowTest::printWritesTheWeekRow_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<PrintLanguage>("language");
    QTest::addColumn<QString>("thisDays");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("normalLabel");
    QTest::addColumn<QString>("thisLabel");
    QTest::addColumn<QString>("firstTotal");
    QTest::addColumn<QString>("lastTotal");
    QTest::addColumn<double>("employeeUif");
    QTest::addColumn<QString>("title");
    const QString fortnightTitle = QStringLiteral(
        "FortNightly - To export printout click on the suitcase button or goto Help");
    const QString weekTitle =
        QStringLiteral("Weekly - To export printout click on the suitcase button or goto Help");
    // The UIF base 20 000 + 5 000 + 80 % of 2 000 = 26 600 is above both periods' limits:
    // 1 % of 8 174.77 (fortnight) and of 4 087.38 (week), as the fields show them.
    QTest::newRow("fortnight, English") << int(kFortnight) << PrintLanguage::English << "12"
                                        << "Fortnightly Check"
                                        << " For : Sipho Dlamini"
                                        << "Normal fortnight"
                                        << "This fortnight"
                                        << "Tax deduction"
                                        << "Total tax deduction" << 81.75 << fortnightTitle;
    QTest::newRow("fortnight, Afrikaans") << int(kFortnight) << PrintLanguage::Afrikaans << "12"
                                          << "Twee Weeklikse Inkomste"
                                          << "Vir : Sipho Dlamini"
                                          << "Normale twee weke"
                                          << "Hierdie twee weke"
                                          << "Belasting Aftrekkings"
                                          << "Totaal belasting" << 81.75 << fortnightTitle;
    QTest::newRow("week, English") << int(kWeek) << PrintLanguage::English << "5"
                                   << "Weekly Check"
                                   << " For : Sipho Dlamini"
                                   << "Normal work week"
                                   << "This work week"
                                   << "Tax deduction"
                                   << "Total tax deduction" << 40.87 << weekTitle;
    QTest::newRow("week, Afrikaans") << int(kWeek) << PrintLanguage::Afrikaans << "5"
                                     << "Weeklikse Inkomste"
                                     << "Vir : Sipho Dlamini"
                                     << "Normale werk week"
                                     << "Hierdie werk week"
                                     << "Belasting Aftrekkings"
                                     << "Totaal belasting" << 40.87 << weekTitle;
}

void WorkPeriodWindowTest::printWritesTheWeekRow()
{
    QFETCH(int, kind);
    QFETCH(PrintLanguage, language);
    QFETCH(QString, thisDays);
    QFETCH(QString, heading);
    QFETCH(QString, employee);
    QFETCH(QString, normalLabel);
    QFETCH(QString, thisLabel);
    QFETCH(QString, firstTotal);
    QFETCH(QString, lastTotal);
    QFETCH(double, employeeUif);
    QFETCH(QString, title);
    WorkPeriodFixture shell;
    const testing::PrintWriteLog log(shell.paths.printDatabase(), "IRP5Week");
    auto window = shell.open(static_cast<WorkPeriodKind>(kind));
    QVERIFY(window);
    enter(*window, "silgEdit14", "40");
    enter(*window, "numSalRemun", "20000");
    enter(*window, "sidbEdit4", "5000");
    enter(*window, "sidbEdit6", "2000");
    enter(*window, "silgEdit22", thisDays);
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    const PeriodResults calculated = window->results();
    QVERIFY(calculated.taxLiability > 0.0);
    // Changed after the calculation: the printout shows it beside the earlier results.
    enter(*window, "numSalRemun", "25000");

    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    PrintPanel* panel = window->printPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->y(), twipsToPixels(1710, panel));
    QVERIFY(panel->englishOption()->isChecked());
    QTest::keyClicks(panel->nameField(), QStringLiteral("Sipho Dlamini"));
    QTest::mouseClick(language == PrintLanguage::English ? panel->englishOption()
                                                         : panel->afrikaansOption(),
                      Qt::LeftButton);
    QTest::mouseClick(panel->viewReportButton(), Qt::LeftButton);

    QVERIFY(!panel->isVisible());
    QVERIFY(shell.sink.messages.empty());
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    QVERIFY(preview != nullptr && preview->isVisible());
    QCOMPARE(preview->windowTitle(), title);
    QCOMPARE(preview->pageCount(), 1);

    const auto row = shell.printDatabase.readRow("IRP5Week");
    QVERIFY(row.has_value());
    const std::int64_t days = window->period().days;
    for (const auto& [field, value] : std::vector<std::pair<const char*, FieldValue>>{
             {"TypeAM", heading.toStdString()},
             {"Employee", employee.toStdString()},
             {"AgeNum", std::int64_t{40}},
             {"SalNum", 25000.0},
             {"BonusNum", 5000.0},
             {"RecBefNum", 2000.0},
             {"SDate", normalLabel.toStdString()},
             {"SDateNum", days},
             {"EDate", thisLabel.toStdString()},
             {"EDateNum", std::int64_t{thisDays.toInt()}},
             {"UIFEMPENum", employeeUif},
             {"UIFEMPRNum", employeeUif},
             {"SDLNum", 266.0},
             {"Taxliabilitynum", calculated.taxLiability},
             {"TOTAL", lastTotal.toStdString()},
             {"TotalNum", calculated.totalTaxDeduction}}) {
        QCOMPARE(valueOf(*row, field), value);
    }

    // In the order written: the bonus before the travel allowance in Afrikaans only; the total
    // first after this period's days with the tax liability, and last with the total.
    const Row written = log.written();
    const bool bonusFirst = writtenAt(written, "Bonus") < writtenAt(written, "TravAll");
    QCOMPARE(bonusFirst, language == PrintLanguage::Afrikaans);
    const int first = writtenAt(written, "TOTAL");
    QCOMPARE(first, writtenAt(written, "EDateNum") + 1);
    QCOMPARE(written[static_cast<std::size_t>(first)].value, FieldValue(firstTotal.toStdString()));
    QCOMPARE(written[static_cast<std::size_t>(first) + 1],
             (Field{"TotalNum", calculated.taxLiability}));
    QCOMPARE(writtenAt(written, "TOTAL", 2), -1);
    QVERIFY(written.size() >= 2);
    QCOMPARE(written[written.size() - 2], (Field{"TOTAL", lastTotal.toStdString()}));
    QCOMPARE(written.back(), (Field{"TotalNum", calculated.totalTaxDeduction}));
}

void WorkPeriodWindowTest::theMenuOpensOneWindowAndInitialiseAllKeepsTheFortnight()
{
    WorkPeriodFixture shell;
    shell.registerWindows();
    MDIForm1 main(shell.context, shell.calculators);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto* fortnightCommand = main.findChild<QAction*>(QStringLiteral("mnuFortNight"));
    auto* weekCommand = main.findChild<QAction*>(QStringLiteral("mnuWeekly"));
    QVERIFY(fortnightCommand->isEnabled());
    QVERIFY(weekCommand->isEnabled());

    fortnightCommand->trigger();
    auto* fortnight =
        qobject_cast<WorkPeriodWindow*>(main.childWindow(QStringLiteral("frmFortNight")));
    QVERIFY(fortnight != nullptr);
    QCOMPARE(fortnight->windowTitle(), QStringLiteral("Fortnightly"));
    enter(*fortnight, "silgEdit14", "40");
    enter(*fortnight, "numSalRemun", "20000");
    QTest::mouseClick(fortnight->calculateButton(), Qt::LeftButton);
    weekCommand->trigger();
    auto* week = qobject_cast<WorkPeriodWindow*>(main.childWindow(QStringLiteral("frmWeekly")));
    QVERIFY(week != nullptr);
    QCOMPARE(week->windowTitle(), QStringLiteral("Weekly"));
    enter(*week, "numSalRemun", "3000");
    main.findChild<QAction*>(QStringLiteral("mnuAnnual"))->trigger();
    QVERIFY(main.childWindow(QStringLiteral("frmAnnual")) != nullptr);

    // Choosing it again shows the same window with what was typed.
    fortnightCommand->trigger();
    QCOMPARE(main.mdiArea()->subWindowList().size(), 3);
    QCOMPARE(main.childWindow(QStringLiteral("frmFortNight")), fortnight);

    // Initialise All closes the weekly and annual windows; the fortnightly one stays as it was.
    main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    QTRY_COMPARE(main.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(main.childWindow(QStringLiteral("frmFortNight")), fortnight);
    QCOMPARE(fortnight->inputs().salary, 20000.0);
    QCOMPARE(shown(*fortnight, "numSalRemun"), QStringLiteral("20 000.00"));
    QCOMPARE(shown(*fortnight, "numMAns"), QStringLiteral("4 381.73"));
    QVERIFY(main.childWindow(QStringLiteral("frmAnnual")) == nullptr);

    // The weekly window opens again from its defaults.
    weekCommand->trigger();
    week = qobject_cast<WorkPeriodWindow*>(main.childWindow(QStringLiteral("frmWeekly")));
    QVERIFY(week != nullptr);
    QCOMPARE(week->inputs().salary, 0.0);
    QCOMPARE(week->inputs().thisDays, std::int16_t{7});

    // "&OK" closes a window.
    QTest::mouseClick(fortnight->okButton(), Qt::LeftButton);
    QTRY_VERIFY(main.childWindow(QStringLiteral("frmFortNight")) == nullptr);
    QVERIFY(shell.sink.messages.empty());
}

} // namespace grovan

QTEST_MAIN(grovan::WorkPeriodWindowTest)
#include "work_period_window_test.moc"

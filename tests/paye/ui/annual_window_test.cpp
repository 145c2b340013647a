// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"
#include "core/ui/date_field.h"
#include "core/ui/info_panel.h"
#include "core/ui/numeric_field.h"
#include "core/ui/overlay_panel.h"
#include "core/ui/print_panel.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_viewer.h"
#include "core/ui/setup_panel.h"
#include "core/ui/text_field.h"
#include "core/ui/twips.h"
#include "paye/annual_fields.h"
#include "paye/ui/frm_annual.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

namespace grovan {

using namespace testing;

namespace {

const char* const kPreviewTitle =
    "Annual - To export printout click on the suitcase button or goto Help";
const char* const kTooMany =
    "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!";

struct AnnualFixture : CalculatorWindowFixture
{
    AnnualFixture() : CalculatorWindowFixture({"Annual.rpt"}) {}
    std::unique_ptr<frmAnnual> open() { return CalculatorWindowFixture::open<frmAnnual>(); }
};

// What each input field of the window is, read from its widget, for comparing with the field
// tables of the engine.
QString describeWidget(const QWidget* widget)
{
    if (const auto* number = qobject_cast<const NumericField*>(widget)) {
        return QStringLiteral("number %1..%2 digits %3.%4 value %5 whole %6")
            .arg(number->minimum())
            .arg(number->maximum())
            .arg(number->integerDigits())
            .arg(number->decimals())
            .arg(number->value())
            .arg(number->isWholeNumber());
    }
    if (const auto* date = qobject_cast<const DateField*>(widget)) {
        return QStringLiteral("date %1..%2 value %3")
            .arg(QString::fromStdString(date->earliest()->text()),
                 QString::fromStdString(date->latest()->text()),
                 QString::fromStdString(date->date()->text()));
    }
    if (const auto* text = qobject_cast<const TextField*>(widget)) {
        return QStringLiteral("text of at most %1").arg(text->maxLength());
    }
    return QStringLiteral("(not a field)");
}

QString describeField(const FieldDescription& field)
{
    switch (field.kind) {
    case FieldKind::Date:
        return QStringLiteral("date %1..%2 value %3")
            .arg(QString::fromStdString(
                     CalendarDate::fromDayNumber(static_cast<std::int32_t>(field.minimum)).text()),
                 QString::fromStdString(
                     CalendarDate::fromDayNumber(static_cast<std::int32_t>(field.maximum)).text()),
                 QString::fromStdString(
                     CalendarDate::fromDayNumber(static_cast<std::int32_t>(field.defaultValue))
                         .text()));
    case FieldKind::Text:
        return QStringLiteral("text of at most %1").arg(field.maximum);
    default:
        return QStringLiteral("number %1..%2 digits %3.%4 value %5 whole %6")
            .arg(field.minimum)
            .arg(field.maximum)
            .arg(field.integerDigits)
            .arg(field.decimals)
            .arg(field.defaultValue)
            .arg(field.kind == FieldKind::WholeNumber);
    }
}

// One calculation typed into the window: the fields in the order typed ("cmdDuplicate" clicks
// the button instead) and the texts of the result fields after "&Calculate".
struct CalculationCase
{
    const char* name;
    Entries typed;
    Entries results;
};

const std::vector<CalculationCase>& calculationCases()
{
    static const std::vector<CalculationCase> cases{
        {"defaults: every result 0",
         {},
         {{"numAllowableRFundDed", "0"},
          {"numMAns", "0.00"},
          {"numTaxCredit", "0.00"},
          {"numMTCForContri", "0.00"},
          {"numTaxLiability", "0.00"},
          {"numAns(1)", "0.00"}}},
        // 110 739 + (500 000 - 467 500) x 36 % - 15 714 (rebate below 65) = 106 725.
        {"age 40, salary 500 000",
         {{"silgEdit1", "40"}, {"silgEdit2", "500000"}},
         {{"numAllowableRFundDed", "0"},
          {"numMAns", "106 725.00"},
          {"numTaxLiability", "106 725.00"},
          {"numAns(1)", "106 725.00"}}},
        // With a commission the annual taxes are whole rands, rounded down: 106 725.36 -> 106 725.
        {"commission of 1: whole rands",
         {{"silgEdit1", "40"}, {"silgEdit2", "500000"}, {"numDirFees", "1"}},
         {{"numMAns", "106 725.00"}, {"numAns(1)", "106 725.00"}}},
        // 250 000 x 365 / 181 = 504 143.65 a year; its tax less the rebate, 108 216.71, x 181 /
        // 365.
        {"181 days from 01/09/2021",
         {{"silgEdit2", "250000"}, {"dtStartDate", "01092021"}},
         {{"numMAns", "53 663.63"}, {"numAns(1)", "53 663.63"}}},
        // The bonus's 50 000 is taxed at 36 % on top of the annualised income and added in full.
        {"bonus in a part year",
         {{"silgEdit2", "250000"}, {"silgEdit4", "50000"}, {"dtStartDate", "01092021"}},
         {{"numMAns", "71 663.63"}}},
        // Two beneficiaries, 664 a month: 12 x 664.
        {"credit, two beneficiaries all year",
         {{"numEmpERMedAidCont", "12000"}, {"numAnnCalcBens(3)", "2"}, {"cmdDuplicate", ""}},
         {{"numTaxCredit", "7 968.00"}, {"numMAns", "0.00"}, {"numAns(1)", "0.00"}}},
        // June to November: 6 x 664; the months outside the period become 0.
        {"credit, June to November",
         {{"numEmpERMedAidCont", "12000"},
          {"numAnnCalcBens(3)", "2"},
          {"cmdDuplicate", ""},
          {"dtEndDate", "30112021"},
          {"dtStartDate", "01062021"}},
         {{"numTaxCredit", "3 984.00"},
          {"numAnnCalcBens(3)", "0"},
          {"numAnnCalcBens(5)", "0"},
          {"numAnnCalcBens(6)", "2"},
          {"numAnnCalcBens(11)", "2"},
          {"numAnnCalcBens(12)", "0"},
          {"numAnnCalcBens(2)", "0"}}},
        // February only: one month of 664.
        {"credit, February only",
         {{"numEmpEEMedAidCont", "500"}, {"numAnnCalcBens(2)", "2"}, {"dtStartDate", "01022022"}},
         {{"numTaxCredit", "664.00"}}},
        // 0.333 x (30 000 + 10 000 - 3 x 7 968) = 5 359.968.
        {"additional credit at 66",
         {{"silgEdit1", "66"},
          {"numEmpERMedAidCont", "30000"},
          {"numEmpEEMedAidCont", "10000"},
          {"numAnnCalcBens(3)", "2"},
          {"cmdDuplicate", ""}},
         {{"numTaxCredit", "7 968.00"}, {"numMTCForContri", "5 359.97"}}},
        // 400 000 of contributions against 27.5 % of 2 000 000 is capped at 350 000; 1 650 000
        // is taxed 229 089 + (1 650 000 - 782 200) x 41 % - 15 714 = 569 173.
        {"deduction capped at 350 000",
         {{"silgEdit2", "1600000"}, {"numEmpRRFundCont", "400000"}},
         {{"numAllowableRFundDed", "350 000"}, {"numMAns", "569 173.00"}}},
        // The stored inclusion rate of a new installation is 0.8: 380 000 taxed,
        // 70 532 + (380 000 - 337 800) x 31 % - 15 714 = 67 900.
        {"travel allowance at 80 %",
         {{"silgEdit2", "300000"}, {"silgEdit8", "100000"}},
         {{"numMAns", "67 900.00"}}},
    };
    return cases;
}

} // namespace

class AnnualWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithEveryFieldOfTheTablesAndItsDefaults();
    void calculateShowsWhatTheEngineGives_data();
    void calculateShowsWhatTheEngineGives();
    void resultsKeepTheirUnroundedValues();
    void aMonthAboveTwentyFourBecomesTwentyFour();
    void aCountStillBeingTypedMeetsTheRuleOnCalculate();
    void duplicateCopiesMarchToEveryMonth();
    void aRefusedDateIsToldAndGetsTheFocus_data();
    void aRefusedDateIsToldAndGetsTheFocus();
    void theDateLimitsMoveWithTheOtherDate();
    void setupOkSavesTheFiveFieldsAndRecalculates();
    void anOpenWindowKeepsItsSetupValues();
    void aStoredRateThatIsNeitherOptionIsUsedAsItStands();
    void informationPanel();
    void printWritesTheRowInTheChosenLanguage();
    void printingDirectlyWithoutAPrinterShowsThePreview();
    void aMissingPrintDatabaseIsMadeAnewAndTheUserTold();
    void printingDirectlyToAPrinterKeepsThePreviewsTitle();
    void thePagesWordsFollowThePrintLanguage_data();
    void thePagesWordsFollowThePrintLanguage();
    void accessKeysReachTheButtons_data();
    void accessKeysReachTheButtons();
    void theMenuOpensOneWindowAndInitialiseAllClosesIt();
};

void AnnualWindowTest::opensWithEveryFieldOfTheTablesAndItsDefaults()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Annual"));
    QCOMPARE(window->objectName(), QStringLiteral("frmAnnual"));
    QVERIFY(shell.sink.messages.empty());

    for (const InputBinding<AnnualInputs>& binding : annualInputBindings()) {
        const QString name = qText(binding.field->controlName);
        const QWidget* widget = window->findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        QCOMPARE(describeWidget(widget), describeField(*binding.field));
    }
    for (const char* name :
         {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint", "cmdDuplicate", "cmdInfo(0)",
          "cmdSetupOK", "cmdPD", "cmdVR", "cmdCancel", "cmdOK_Info_One"}) {
        QVERIFY2(control<QPushButton>(*window, name) != nullptr, name);
    }
    QCOMPARE(control<QPushButton>(*window, "cmdDuplicate")->text(),
             QStringLiteral("Duplicate March to all 12 months "));

    // The months stand in their frame left to right from March, each under its caption.
    const auto* frame = window->findChild<QGroupBox*>();
    QVERIFY(frame != nullptr);
    QCOMPARE(frame->title(), QStringLiteral("Number of Medical Aid Beneficiaries "));
    const QStringList captions{"Mar", "Apr", "May", "Jun", "Jul", "Aug",
                               "Sep", "Oct", "Nov", "Dec", "Jan", "Feb"};
    int left = -1;
    for (int i = 0; i < 12; ++i) {
        const int month = kTaxYearMonths[static_cast<std::size_t>(i)];
        auto* field =
            frame->findChild<NumericField*>(QStringLiteral("numAnnCalcBens(%1)").arg(month));
        QVERIFY(field != nullptr);
        QVERIFY(field->x() > left);
        left = field->x();
        const QLabel* caption = nullptr;
        for (const QLabel* label : frame->findChildren<QLabel*>()) {
            if (label->buddy() == field) {
                caption = label;
            }
        }
        QVERIFY(caption != nullptr);
        QCOMPARE(caption->text(), captions[i]);
        QVERIFY(caption->y() < field->y());
    }

    // Calculated on opening; the focus starts in the first field.
    QCOMPARE(shown(*window, "numAns(1)"), QStringLiteral("0.00"));
    QCOMPARE(window->focusWidget(), control(*window, "silgEdit1"));

    // Tab goes down the inputs, along the months, to the dates and the buttons; the results and
    // the hidden panels are passed by.
    QStringList visited{window->focusWidget()->objectName()};
    for (int i = 0; i < 29; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        visited << window->focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"silgEdit1",
                                   "silgEdit2",
                                   "numEmpERMedAidCont",
                                   "numEmpEEMedAidCont",
                                   "numEmpRRFundCont",
                                   "numEmpERFundCont",
                                   "numDirFees",
                                   "silgEdit4",
                                   "silgEdit8",
                                   "numAnnCalcBens(3)",
                                   "numAnnCalcBens(4)",
                                   "numAnnCalcBens(5)",
                                   "numAnnCalcBens(6)",
                                   "numAnnCalcBens(7)",
                                   "numAnnCalcBens(8)",
                                   "numAnnCalcBens(9)",
                                   "numAnnCalcBens(10)",
                                   "numAnnCalcBens(11)",
                                   "numAnnCalcBens(12)",
                                   "numAnnCalcBens(1)",
                                   "numAnnCalcBens(2)",
                                   "cmdDuplicate",
                                   "dtStartDate",
                                   "dtEndDate",
                                   "cmdOk",
                                   "cmdCalculate",
                                   "cmdSettings",
                                   "cmdPrint",
                                   "cmdInfo(0)",
                                   "silgEdit1"}));
    QVERIFY(shell.sink.messages.empty());
}

void AnnualWindowTest::calculateShowsWhatTheEngineGives_data()
{
    addCaseRows(calculationCases());
}

void AnnualWindowTest::calculateShowsWhatTheEngineGives()
{
    QFETCH(int, index);
    const CalculationCase& row = calculationCases()[static_cast<std::size_t>(index)];
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);

    for (const auto& [name, keys] : row.typed) {
        if (QByteArray(name) == "cmdDuplicate") {
            QTest::mouseClick(control<QPushButton>(*window, name), Qt::LeftButton);
        } else {
            enter(*window, name, QString::fromLatin1(keys));
        }
    }
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    for (const auto& [name, text] : row.results) {
        QCOMPARE(shown(*window, name), QString::fromLatin1(text));
    }
    QVERIFY(shell.sink.messages.empty());
}

void AnnualWindowTest::resultsKeepTheirUnroundedValues()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "silgEdit2", "250000");
    enter(*window, "dtStartDate", "01092021");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    // 250 000 x 365 / 181 is taxed as a year's income and brought back by 181 / 365
    // (golden table part_year_181_days); the field shows two decimals of the unrounded value.
    const double tax = 53663.6301369863;
    QVERIFY(qFuzzyCompare(window->results().taxLiability, tax));
    QVERIFY(qFuzzyCompare(control<NumericField>(*window, "numMAns")->value(), tax));
    QCOMPARE(shown(*window, "numMAns"), QStringLiteral("53 663.63"));
    // The tax procedure records the annual taxable income for the quick tax calculator.
    QVERIFY(qFuzzyCompare(shell.state.taxableIncome.LastTaxableIncome, 250000.0 * 365 / 181));
}

void AnnualWindowTest::aMonthAboveTwentyFourBecomesTwentyFour()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numAnnCalcBens(5)", "30");

    QTRY_COMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(shell.sink.messages[0], (Message{kTooMany, "Grovan2022", MessageIcon::None}));
    QCOMPARE(shown(*window, "numAnnCalcBens(5)"), QStringLiteral("24"));
    QCOMPARE(window->inputs().beneficiaries[5], std::int16_t{24});
    // Counts up to 24 are taken without a word.
    enter(*window, "numAnnCalcBens(6)", "24");
    QTest::qWait(20);
    QCOMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(window->inputs().beneficiaries[6], std::int16_t{24});
}

void AnnualWindowTest::aCountStillBeingTypedMeetsTheRuleOnCalculate()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numEmpERMedAidCont", "12000");
    typeInto(control(*window, "numAnnCalcBens(3)"), "30");
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);

    // The count becomes 24 before the calculation: March alone at 2 x 332 + 22 x 224 = 5 592.
    QTRY_COMPARE(shown(*window, "numTaxCredit"), QStringLiteral("5 592.00"));
    QCOMPARE(shown(*window, "numAnnCalcBens(3)"), QStringLiteral("24"));
    QCOMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(shell.sink.messages[0].text, std::string(kTooMany));
    // Leaving the field now finds nothing more to say.
    QTest::keyClick(control(*window, "numAnnCalcBens(3)"), Qt::Key_Tab);
    QTest::qWait(20);
    QCOMPARE(shell.sink.messages.size(), std::size_t{1});
}

void AnnualWindowTest::duplicateCopiesMarchToEveryMonth()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numAnnCalcBens(3)", "4");
    enter(*window, "numAnnCalcBens(9)", "7");
    QTest::mouseClick(control<QPushButton>(*window, "cmdDuplicate"), Qt::LeftButton);

    for (int month = 1; month <= 12; ++month) {
        QCOMPARE(window->inputs().beneficiaries[month], std::int16_t{4});
        QCOMPARE(shown(*window, qPrintable(QStringLiteral("numAnnCalcBens(%1)").arg(month))),
                 QStringLiteral("4"));
    }
    QVERIFY(shell.sink.messages.empty());
}

void AnnualWindowTest::aRefusedDateIsToldAndGetsTheFocus_data()
{
    QTest::addColumn<QString>("earlierEnd");   // typed into the end date first ("" for none)
    QTest::addColumn<QString>("earlierStart"); // then into the start date
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QString start = QStringLiteral(
        "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022");
    QTest::newRow("start before the tax year") << ""
                                               << ""
                                               << "dtStartDate"
                                               << "28022021" << start;
    QTest::newRow("start after the end date") << "30112021"
                                              << ""
                                              << "dtStartDate"
                                              << "01122021" << start;
    QTest::newRow("start no date") << ""
                                   << ""
                                   << "dtStartDate"
                                   << "31022022" << start;
    QTest::newRow("start half typed") << ""
                                      << ""
                                      << "dtStartDate"
                                      << "0103" << start;
    // The end date's message quotes the start date as the field shows it.
    QTest::newRow("end before the start date")
        << ""
        << "01062021"
        << "dtEndDate"
        << "31052021"
        << "The date entered is not correct please enter a date between 01/06/2021 and "
           "28/02/2022";
    QTest::newRow("end after the tax year")
        << ""
        << ""
        << "dtEndDate"
        << "01032022"
        << "The date entered is not correct please enter a date between 01/03/2021 and "
           "28/02/2022";
    QTest::newRow("end no date")
        << ""
        << "01062021"
        << "dtEndDate"
        << "29022022"
        << "The date entered is not correct please enter a date between 01/06/2021 and "
           "28/02/2022";
}

void AnnualWindowTest::aRefusedDateIsToldAndGetsTheFocus()
{
    QFETCH(QString, earlierEnd);
    QFETCH(QString, earlierStart);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    if (!earlierEnd.isEmpty()) {
        enter(*window, "dtEndDate", earlierEnd);
    }
    if (!earlierStart.isEmpty()) {
        enter(*window, "dtStartDate", earlierStart);
    }
    auto* date = control<DateField>(*window, qPrintable(field));
    const QString before = date->text();
    const AnnualInputs inputsBefore = window->inputs();
    enter(*window, qPrintable(field), typed);

    QTRY_COMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(shell.sink.messages[0],
             (Message{message.toStdString(), "Incorrect Date", MessageIcon::Error}));
    QCOMPARE(window->focusWidget(), date);
    QCOMPARE(date->text(), before);
    QCOMPARE(window->inputs().startDate, inputsBefore.startDate);
    QCOMPARE(window->inputs().endDate, inputsBefore.endDate);
}

void AnnualWindowTest::theDateLimitsMoveWithTheOtherDate()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    auto* start = control<DateField>(*window, "dtStartDate");
    auto* end = control<DateField>(*window, "dtEndDate");
    enter(*window, "dtEndDate", "30112021");
    start->setFocus(Qt::TabFocusReason);
    QCOMPARE(start->latest(), CalendarDate::fromYmd(2021, 11, 30));
    QCOMPARE(start->earliest(), std::optional(TaxYearStart));

    enter(*window, "dtStartDate", "01062021");
    end->setFocus(Qt::TabFocusReason);
    QCOMPARE(end->earliest(), CalendarDate::fromYmd(2021, 6, 1));
    QCOMPARE(end->latest(), std::optional(TaxYearEnd));

    // A one-day period is allowed at both ends.
    enter(*window, "dtEndDate", "01062021");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(window->results().days, 1);
    QVERIFY(shell.sink.messages.empty());
}

void AnnualWindowTest::setupOkSavesTheFiveFieldsAndRecalculates()
{
    AnnualFixture shell;
    SetupValues stored;
    stored.PensionCont = 7.5;
    stored.EmployerProvCont = 10.0;
    stored.CompCarFBRate8020 = 0.2;
    stored.CompCarMPYesNo = true;
    QVERIFY(shell.settings.save(stored, SetupFields::Package));
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "silgEdit2", "300000");
    enter(*window, "silgEdit8", "100000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numMAns"), QStringLiteral("67 900.00"));

    QTest::mouseClick(window->settingsButton(), Qt::LeftButton);
    SetupPanel* panel = window->setupPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->title(), QStringLiteral("Setup"));
    QCOMPARE(panel->y(), twipsToPixels(1935, panel));
    for (QWidget* button : window->mainButtons()) {
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
    }
    QVERIFY(panel->option("optTAIncRate80")->isChecked());
    QTest::mouseClick(panel->option("optTAIncRate20"), Qt::LeftButton);
    typeInto(panel->field("numEmpEUIF"), "1.5");
    typeInto(panel->field("numUIFLimit"), "20000");
    // Nothing is recalculated before "O&K".
    QCOMPARE(shown(*window, "numMAns"), QStringLiteral("67 900.00"));
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    QVERIFY(!panel->isVisible());
    for (QWidget* button : window->mainButtons()) {
        QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    }
    // 300 000 + 20 % of 100 000 = 320 000: 38 916 + (320 000 - 216 200) x 26 % - 15 714.
    QTRY_COMPARE(shown(*window, "numMAns"), QStringLiteral("50 190.00"));
    SetupValues expected = stored;
    expected.TAIncRate8020 = 0.2;
    expected.EmployeeUIF = 1.5;
    expected.UIFLimit = 20000.0;
    QCOMPARE(shell.settings.load(), expected);
    QVERIFY(shell.sink.messages.empty());
}

void AnnualWindowTest::anOpenWindowKeepsItsSetupValues()
{
    AnnualFixture shell;
    auto first = shell.open();
    QVERIFY(first);
    auto second = shell.open();
    QVERIFY(second);
    QTest::mouseClick(second->settingsButton(), Qt::LeftButton);
    QTest::mouseClick(second->setupPanel()->option("optTAIncRate20"), Qt::LeftButton);
    QTest::mouseClick(second->setupPanel()->okButton(), Qt::LeftButton);
    QCOMPARE(second->setup().TAIncRate8020, 0.2);

    // The open window goes on with what it read: 380 000 taxed at 80 %, as before.
    QCOMPARE(first->setup().TAIncRate8020, 0.8);
    enter(*first, "silgEdit2", "300000");
    enter(*first, "silgEdit8", "100000");
    QTest::mouseClick(first->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*first, "numMAns"), QStringLiteral("67 900.00"));
    QVERIFY(first->setupPanel()->option("optTAIncRate80")->isChecked());

    // A window made now reads the saved values.
    auto third = shell.open();
    QVERIFY(third);
    QCOMPARE(third->setup().TAIncRate8020, 0.2);
    QVERIFY(third->setupPanel()->option("optTAIncRate20")->isChecked());
}

void AnnualWindowTest::aStoredRateThatIsNeitherOptionIsUsedAsItStands()
{
    AnnualFixture shell;
    SetupValues stored;
    stored.TAIncRate8020 = 0.5;
    QVERIFY(shell.settings.save(stored, SetupFields::Periodic));
    auto window = shell.open();
    QVERIFY(window);
    QVERIFY(!window->setupPanel()->option("optTAIncRate80")->isChecked());
    QVERIFY(!window->setupPanel()->option("optTAIncRate20")->isChecked());
    enter(*window, "silgEdit2", "300000");
    enter(*window, "silgEdit8", "100000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    // Half the allowance taxed: 350 000, 70 532 + (350 000 - 337 800) x 31 % - 15 714 = 58 600.
    QCOMPARE(shown(*window, "numMAns"), QStringLiteral("58 600.00"));

    // Until an option is picked: then the option's rate.
    QTest::mouseClick(window->settingsButton(), Qt::LeftButton);
    QTest::mouseClick(window->setupPanel()->option("optTAIncRate80"), Qt::LeftButton);
    QTest::mouseClick(window->setupPanel()->okButton(), Qt::LeftButton);
    QTRY_COMPARE(shown(*window, "numMAns"), QStringLiteral("67 900.00"));
}

void AnnualWindowTest::informationPanel()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QTest::mouseClick(window->infoButton(), Qt::LeftButton);
    InfoPanel* panel = window->infoPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->objectName(), QStringLiteral("fraInfo_One"));
    QCOMPARE(panel->title(), QStringLiteral("General Information"));
    QCOMPARE(panel->y(), twipsToPixels(600, panel));
    QCOMPARE(
        panel->text(),
        QStringLiteral(
            "The amount entered in the Salary/remuneration field should contain the fringe "
            "benefit amounts such as the code 3802 fringe benefit amount for the use of a company "
            "car but must not include any travel allowance in this Salary/remuneration amount.  "
            "Note that both employer\u2019s and employee\u2019s R/Fund contributions qualify as a "
            "tax deduction off taxable income.  Employer\u2019s contributions paid to R/Funds "
            "i.r.o. the employee are taxable in the hands of the employee as a fringe benefit.  "
            "Grovan will include the employer\u2019s R/Fund contributions, that you enter here, "
            "in with Salary/Remuneration to determine total income so enter Salary/Remuneration "
            "as being without the employer\u2019s R/Fund contribution fringe benefit.  A portion "
            "of contributions paid by both the employer and the employee to Pension, R/A and "
            "Provident funds may qualify as a deduction from taxable income.  The deduction is "
            "limited to the lessor of contributions paid or 27.5% of remuneration/salary/income. "
            " The deduction is capped at R350,000 per year. "));
    // In front of the fields.
    QWidget* front = window->childAt(panel->geometry().center());
    QVERIFY(front == panel || panel->isAncestorOf(front));
    QVERIFY(!window->okButton()->isEnabled());

    QTest::mouseClick(control<QPushButton>(*window, "cmdOK_Info_One"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(window->okButton()->isEnabled());
    QVERIFY(window->isVisible());
}

void AnnualWindowTest::printWritesTheRowInTheChosenLanguage()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "silgEdit1", "40");
    enter(*window, "silgEdit2", "500000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    // Changed after the calculation: the printout shows it beside the earlier results.
    enter(*window, "silgEdit2", "600000");

    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    PrintPanel* panel = window->printPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->y(), twipsToPixels(1650, panel));
    QVERIFY(panel->englishOption()->isChecked());
    // The name takes at most 50 characters.
    typeInto(panel->nameField(),
             QStringLiteral("Thandiwe Nkosi-Van der Merwe & Daughters (Pty) Ltd, "
                            "Pretoria"));
    const QString name = QStringLiteral("Thandiwe Nkosi-Van der Merwe & Daughters (Pty) Ltd");
    QCOMPARE(panel->employeeName(), name);
    QTest::mouseClick(panel->viewReportButton(), Qt::LeftButton);

    QVERIFY(!panel->isVisible());
    QVERIFY(shell.sink.messages.empty());
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    QVERIFY(preview != nullptr && preview->isVisible());
    QCOMPARE(preview->windowTitle(), QString::fromLatin1(kPreviewTitle));
    QCOMPARE(preview->pageCount(), 1);
    auto row = shell.printDatabase.readRow("IRP5Ann");
    QVERIFY(row.has_value());
    QCOMPARE(valueOf(*row, "TypeAM"), FieldValue(std::string("Annual Check")));
    QCOMPARE(valueOf(*row, "Employee"), FieldValue(" For : " + name.toStdString()));
    QCOMPARE(valueOf(*row, "SalNum"), FieldValue(600000.0));
    QCOMPARE(valueOf(*row, "Taxliabilitynum"), FieldValue(106725.0));
    QCOMPARE(valueOf(*row, "PAYENum"), FieldValue(106725.0));
    QCOMPARE(window->results().taxLiability, 106725.0);

    // Afrikaans overwrites the same row: its labels beside the same values.
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QCOMPARE(panel->employeeName(), name);
    QTest::mouseClick(panel->afrikaansOption(), Qt::LeftButton);
    QTest::mouseClick(panel->viewReportButton(), Qt::LeftButton);
    auto afrikaans = shell.printDatabase.readRow("IRP5Ann");
    QVERIFY(afrikaans.has_value());
    QCOMPARE(afrikaans->size(), row->size());
    for (const auto& [field, value] : std::vector<std::pair<const char*, FieldValue>>{
             {"TypeAM", std::string("Jaarlikse Inkomste")},
             {"Employee", "Vir : " + name.toStdString()},
             {"Sal", std::string("Besoldiging")},
             {"AnnCalcBens5", std::string("Mei")},
             {"EOE", std::string("(B.& F.W.)")},
             {"SalNum", 600000.0},
             {"Taxliabilitynum", 106725.0},
             {"TotalNum", 106725.0},
             {"SDateNum", std::string("01/03/2021")}}) {
        QCOMPARE(valueOf(*afrikaans, field), value);
    }
    QVERIFY(shell.sink.messages.empty());
}

void AnnualWindowTest::printingDirectlyWithoutAPrinterShowsThePreview()
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QSKIP("this machine has a printer; the test needs one without");
    }
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);

    QCOMPARE(shell.sink.messages.size(), std::size_t{1});
    QVERIFY(shell.sink.messages[0].text.starts_with("No printer is set up on this computer"));
    QVERIFY(shell.reports.previewWindow() != nullptr);
    QVERIFY(shell.reports.previewWindow()->isVisible());
    // Titled as the preview the window offers.
    QCOMPARE(shell.reports.previewWindow()->windowTitle(), QString::fromLatin1(kPreviewTitle));
    QVERIFY(!window->printPanel()->isVisible());
    // No name typed: the label alone.
    const auto row = shell.printDatabase.readRow("IRP5Ann");
    QVERIFY(row.has_value());
    QCOMPARE(valueOf(*row, "Employee"), FieldValue(std::string(" For : ")));
}

void AnnualWindowTest::aMissingPrintDatabaseIsMadeAnewAndTheUserTold()
{
    AnnualFixture shell;
    std::filesystem::remove(shell.paths.printDatabase());
    auto window = shell.open();
    QVERIFY(window);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);

    QCOMPARE(shell.sink.messages.size(), std::size_t{1});
    QVERIFY2(shell.sink.messages[0].text.find("was missing, so a new one has been made") !=
                 std::string::npos,
             shell.sink.messages[0].text.c_str());
    QVERIFY(shell.reports.previewWindow() != nullptr);
    QCOMPARE(valueOf(*shell.printDatabase.readRow("IRP5Ann"), "TypeAM"),
             FieldValue(std::string("Annual Check")));
}

void AnnualWindowTest::printingDirectlyToAPrinterKeepsThePreviewsTitle()
{
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "silgEdit1", "40");
    enter(*window, "silgEdit2", "500000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QCOMPARE(shell.reports.windowTitle(), QString::fromLatin1(kPreviewTitle));

    // A printer that prints into a file, as one chosen under "Printer Setup".
    const std::filesystem::path printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);

    QVERIFY(shell.sink.messages.empty());
    QCOMPARE(shell.reports.destination(), PrintDestination::Printer);
    QCOMPARE(shell.reports.windowTitle(), QString::fromLatin1(kPreviewTitle));
    const QString text = pdfText(printed);
    QVERIFY2(text.contains(QStringLiteral("Annual Check")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("106 725.00")));
}

void AnnualWindowTest::thePagesWordsFollowThePrintLanguage_data()
{
    QTest::addColumn<bool>("afrikaans");
    QTest::addColumn<QString>("footer");
    QTest::newRow("English") << false << QStringLiteral("Page 1 of 1");
    QTest::newRow("Afrikaans") << true << QStringLiteral("Bladsy 1 van 1");
}

void AnnualWindowTest::thePagesWordsFollowThePrintLanguage()
{
    QFETCH(bool, afrikaans);
    QFETCH(QString, footer);
    AnnualFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    const std::filesystem::path printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    PrintPanel* panel = window->printPanel();
    QTest::mouseClick(afrikaans ? panel->afrikaansOption() : panel->englishOption(),
                      Qt::LeftButton);
    QTest::mouseClick(panel->printDirectlyButton(), Qt::LeftButton);

    const QString text = pdfText(printed);
    QVERIFY2(text.contains(afrikaans ? QStringLiteral("Jaarlikse Inkomste")
                                     : QStringLiteral("Annual Check")),
             qPrintable(text));
    QVERIFY2(text.contains(footer), qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("Page")), !afrikaans);
}

void AnnualWindowTest::accessKeysReachTheButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opens"); // the panel or menu the key opens, or "" for Calculate
    QTest::addColumn<int>("closeKey");  // the access key of the panel's closing button
    // Inside the main window, whose menu bar has "&Car Calculations" and "Bu&siness
    // Calculations": with the focus in the calculator its own buttons come first.
    QTest::newRow("Alt+C calculates") << int(Qt::Key_C) << "" << 0;
    QTest::newRow("Alt+S opens the set-up, O&K closes it")
        << int(Qt::Key_S) << "fraSetup" << int(Qt::Key_K);
    QTest::newRow("Alt+P opens the print panel, &Cancel closes it")
        << int(Qt::Key_P) << "fraPrint" << int(Qt::Key_C);
    QTest::newRow("Alt+I opens the information, &OK closes it")
        << int(Qt::Key_I) << "fraInfo_One" << int(Qt::Key_O);
    // A letter that no button of the window has still reaches the menu bar.
    QTest::newRow("Alt+T opens the TaxCalcs menu") << int(Qt::Key_T) << "mnuTaxCalc" << 0;
}

void AnnualWindowTest::accessKeysReachTheButtons()
{
    QFETCH(int, key);
    QFETCH(QString, opens);
    QFETCH(int, closeKey);
    AnnualFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    main.findChild<QAction*>(QStringLiteral("mnuAnnual"))->trigger();
    auto* window = qobject_cast<frmAnnual*>(main.childWindow(QStringLiteral("frmAnnual")));
    QVERIFY(window != nullptr);
    enter(*window, "silgEdit1", "40");
    QLineEdit* salary = control(*window, "silgEdit2");
    typeInto(salary, "500000");
    QTest::keyClick(salary, static_cast<Qt::Key>(key), Qt::AltModifier);

    if (auto* menu = opens.isEmpty() ? nullptr : main.findChild<QMenu*>(opens)) {
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        return;
    }
    if (opens.isEmpty()) {
        QTRY_COMPARE(shown(*window, "numAns(1)"), QStringLiteral("106 725.00"));
        QCOMPARE(salary->text(), QStringLiteral("500000")); // the key typed nothing
    } else {
        auto* opened = window->findChild<OverlayPanel*>(opens);
        QVERIFY(opened != nullptr);
        QTRY_VERIFY(opened->isVisible());
        QVERIFY(opened->isAncestorOf(window->focusWidget()));
        // The window's own "&OK" is out of reach while a panel is open; the panel's keys work.
        QVERIFY(!window->okButton()->isEnabled());
        QTest::keyClick(window->focusWidget(), static_cast<Qt::Key>(closeKey), Qt::AltModifier);
        QTRY_VERIFY(!opened->isVisible());
        QVERIFY(window->isVisible());
    }
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QVERIFY(main.menuBar()->activeAction() == nullptr);
}

void AnnualWindowTest::theMenuOpensOneWindowAndInitialiseAllClosesIt()
{
    AnnualFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    main.show();
    auto* annualCommand = main.findChild<QAction*>(QStringLiteral("mnuAnnual"));
    QVERIFY(annualCommand != nullptr && annualCommand->isEnabled());

    annualCommand->trigger();
    auto* annual = qobject_cast<frmAnnual*>(main.childWindow(QStringLiteral("frmAnnual")));
    QVERIFY(annual != nullptr);
    control(*annual, "silgEdit2")->setFocus();
    QTRY_VERIFY(control(*annual, "silgEdit2")->hasFocus());
    enter(*annual, "silgEdit2", "500000");

    annualCommand->trigger();
    QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(main.childWindow(QStringLiteral("frmAnnual")), annual);
    QCOMPARE(annual->inputs().salary, 500000.0);

    main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    QTRY_COMPARE(main.mdiArea()->subWindowList().size(), 0);
    annualCommand->trigger();
    annual = qobject_cast<frmAnnual*>(main.childWindow(QStringLiteral("frmAnnual")));
    QVERIFY(annual != nullptr);
    QCOMPARE(annual->inputs().salary, 0.0);
    QCOMPARE(shown(*annual, "silgEdit2"), QStringLiteral("0"));

    // "&OK" closes it.
    QTest::mouseClick(annual->okButton(), Qt::LeftButton);
    QTRY_COMPARE(main.mdiArea()->subWindowList().size(), 0);
}

} // namespace grovan

QTEST_MAIN(grovan::AnnualWindowTest)
#include "annual_window_test.moc"

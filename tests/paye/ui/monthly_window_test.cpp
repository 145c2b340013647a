// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/date_field.h"
#include "core/ui/info_panel.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/setup_panel.h"
#include "core/ui/text_field.h"
#include "core/ui/twips.h"
#include "paye/ui/frm_monthly.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace grovan {

using namespace testing;

namespace {

const char* const kPreviewTitle =
    "Monthly - To export printout click on the suitcase button or goto Help";

struct MonthlyFixture : CalculatorWindowFixture
{
    MonthlyFixture() : CalculatorWindowFixture({"Monthly.rpt"}) {}
    std::unique_ptr<frmMonthly> open() { return CalculatorWindowFixture::open<frmMonthly>(); }
};

// One input field as the window must offer it: its label, range, digit limits and what it shows
// when the window opens.
struct InputCase
{
    const char* control;
    const char* label;
    double maximum;
    int integerDigits;
    bool wholeNumber;
    const char* shownAtStart;
};

// The monthly window's inputs, top to bottom: whole rands of the month up to 99 999 999.
const std::vector<InputCase> kInputs{
    {"silgEdit9", "Age", 999, 3, true, "0"},
    {"numSalRemun", "Salary/remuneration", 99999999, 8, false, "0"},
    {"numEmpERMedAidCont", "Employer's med aid contrib.", 99999999, 8, false, "0"},
    {"numEmpEEMedAidCont", "Employee's med aid contrib.", 99999999, 8, false, "0"},
    {"numEmpRRFundCont", "Employer's R/Fund contributions ", 99999999, 8, false, "0"},
    {"numEmpERFundCont", "Employee's R/Fund contributions", 99999999, 8, false, "0"},
    {"numComm", "Commissions", 99999999, 8, false, "0"},
    {"silgEdit12", "Bonus", 99999999, 8, false, "0"},
    {"silgEdit13", "Travel Allowance R", 99999999, 8, false, "0"},
    {"numMedAidBens", "Medical aid fund beneficiaries", 99, 2, true, "0"},
};

// One calculation typed into the window (fields in the order typed) and the texts of result
// fields after "&Calculate". Set-up: the new installation's (UIF 1 % each up to 17 712 a month,
// skills levy 1 %, travel allowance taxed at 80 %).
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
         {{"numMTAAns", "0"},
          {"numAllowableRFundDed", "0"},
          {"numMAns1", "0.00"},
          {"numMAns2", "0.00"},
          {"numMAns3", "0.00"},
          {"numMAns", "0.00"},
          {"numTaxCredit", "0.00"},
          {"numMTCForContri", "0.00"},
          {"numTaxLiability", "0.00"}}},
        // 360 000 a year: 70 532 + 22 200 x 0.31 - 15 714 = 61 700; / 12. The UIF base, 30 000,
        // is above the 17 712 limit: 1 % of the limit each. The levy: 1 % of 30 000.
        {"salary 30 000, age 40, whole March",
         {{"silgEdit9", "40"}, {"numSalRemun", "30000"}},
         {{"numMAns", "5 141.67"},
          {"numTaxLiability", "5 141.67"},
          {"numMAns1", "177.12"},
          {"numMAns2", "177.12"},
          {"numMAns3", "300.00"}}},
        // 16 days of 31: 30 000 x 31 / 16 x 12 = 697 500 a year, 163 335 + 83 900 x 0.39 - 15 714
        // = 180 342; / 12 x 16 / 31 = 7 756.645. The UIF limit is not pro-rated.
        {"salary 30 000 from 16/03/2021 to 31/03/2021",
         {{"silgEdit9", "40"}, {"numSalRemun", "30000"}, {"dtMStartDate", "16032021"}},
         {{"numMAns", "7 756.65"}, {"numMAns1", "177.12"}}},
        // 370 000 is taxed 64 800 after the rebate, 3 100 more than 360 000; added in full.
        {"bonus 10 000 in a whole month",
         {{"silgEdit9", "40"}, {"numSalRemun", "30000"}, {"silgEdit12", "10000"}},
         {{"numMAns", "8 241.67"}}},
        // 707 500 against 697 500 a year, both at 39 %: 3 900, neither annualised nor pro-rated.
        {"bonus 10 000 in 16 days",
         {{"silgEdit9", "40"},
          {"numSalRemun", "30000"},
          {"silgEdit12", "10000"},
          {"dtMStartDate", "16032021"}},
         {{"numMAns", "11 656.65"}}},
        // February has 28 days, so the whole of it is a full month.
        {"February 2022, whole month",
         {{"silgEdit9", "40"},
          {"numSalRemun", "30000"},
          {"dtMStartDate", "01022022"},
          {"dtMEndDate", "28022022"}},
         {{"numMAns", "5 141.67"}}},
        // One day of 30: 30 000 x 30 x 12 = 10 800 000 a year, 587 593 + 9 143 400 x 0.45
        // - 15 714 = 4 686 409; / 12 / 30.
        {"one day, 15/06/2021",
         {{"silgEdit9", "40"},
          {"numSalRemun", "30000"},
          {"dtMStartDate", "15062021"},
          {"dtMEndDate", "15062021"}},
         {{"numMAns", "13 017.80"}}},
        // 10 000 below the UIF limit: 1 % of it; 120 000 a year taxed 21 600 - 15 714 = 5 886.
        {"salary 10 000: UIF below the limit",
         {{"numSalRemun", "10000"}},
         {{"numMAns1", "100.00"},
          {"numMAns2", "100.00"},
          {"numMAns3", "100.00"},
          {"numMAns", "490.50"}}},
        // The same with 5 000 of commissions: 180 000 a year taxed 32 400 - 15 714 = 16 686; the
        // levy on 15 000; the UIF as without them.
        {"commissions change the levy and the tax, not the UIF",
         {{"numSalRemun", "10000"}, {"numComm", "5000"}},
         {{"numMAns1", "100.00"},
          {"numMAns2", "100.00"},
          {"numMAns3", "150.00"},
          {"numMAns", "1 390.50"}}},
        // No medical contribution: no credit however many beneficiaries, and so no additional
        // credit at 70 either.
        {"three beneficiaries without contributions: K = A = 0",
         {{"silgEdit9", "70"}, {"numMedAidBens", "3"}},
         {{"numTaxCredit", "0.00"}, {"numMTCForContri", "0.00"}, {"numTaxLiability", "0.00"}}},
        // With a contribution: 332 + 332 + 224.
        {"three beneficiaries with a contribution",
         {{"numEmpEEMedAidCont", "500"}, {"numMedAidBens", "3"}},
         {{"numTaxCredit", "888.00"}}},
        // 3 333 x 0.8 = 2 666.4, shown in whole rands beside the allowance; 20 000 + 2 666.4 =
        // 22 666.4 a month, 271 996.8 a year: 38 916 + 55 796.8 x 0.26 - 15 714 = 37 709.168.
        {"travel allowance taxed at 80 %",
         {{"silgEdit9", "40"}, {"numSalRemun", "20000"}, {"silgEdit13", "3333"}},
         {{"numMTAAns", "2 666"}, {"numMAns", "3 142.43"}}},
        // 27.5 % of the base 10 000 + 1 000 is 3 025 of the 6 000 contributed; 7 975 x 12 =
        // 95 700 a year taxed 17 226 - 15 714 = 1 512.
        {"fund deduction limited to 27.5 % of the base",
         {{"numSalRemun", "10000"}, {"numEmpRRFundCont", "1000"}, {"numEmpERFundCont", "5000"}},
         {{"numAllowableRFundDed", "3 025"}, {"numMAns", "126.00"}}},
    };
    return cases;
}

} // namespace

class MonthlyWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithItsFieldsAndDefaults();
    void calculateShowsTheMonthsFigures_data();
    void calculateShowsTheMonthsFigures();
    void datesOfOneMonthAreCheckedOnCalculate_data();
    void datesOfOneMonthAreCheckedOnCalculate();
    void aRefusedDateIsToldAndGetsTheFocus_data();
    void aRefusedDateIsToldAndGetsTheFocus();
    void panelsOpenAtTheirPlaces();
    void setupOkSavesAndRecalculates();
    void printWritesTheRowInBothLanguages();
    void printingToAPrinterRendersTheTemplate();
};

void MonthlyWindowTest::opensWithItsFieldsAndDefaults()
{
    MonthlyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Monthly"));
    QCOMPARE(window->objectName(), QStringLiteral("frmMonthly"));

    for (const InputCase& input : kInputs) {
        auto* field = control<NumericField>(*window, input.control);
        QVERIFY2(field != nullptr, input.control);
        QCOMPARE(labelOf(*window, field), QString::fromUtf8(input.label));
        QCOMPARE(field->minimum(), 0.0);
        QCOMPARE(field->maximum(), input.maximum);
        QCOMPARE(field->integerDigits(), input.integerDigits);
        QCOMPARE(field->decimals(), 0);
        QCOMPARE(field->isWholeNumber(), input.wholeNumber);
        QCOMPARE(field->text(), QString::fromLatin1(input.shownAtStart));
        QVERIFY(!field->isReadOnly());
        if (QByteArray(input.control) != "silgEdit9" &&
            QByteArray(input.control) != "numMedAidBens") {
            QCOMPARE(field->sign(), FieldSign::Rand);
        }
    }
    for (const auto& [name, label, shownAtStart] :
         std::vector<std::tuple<const char*, const char*, const char*>>{
             {"dtMStartDate", "Start date", "01/03/2021"},
             {"dtMEndDate", "End date", "31/03/2021"}}) {
        auto* date = control<DateField>(*window, name);
        QVERIFY2(date != nullptr, name);
        QCOMPARE(labelOf(*window, date), QString::fromLatin1(label));
        QCOMPARE(date->text(), QString::fromLatin1(shownAtStart));
        QCOMPARE(date->earliest(), std::optional(TaxYearStart));
        QCOMPARE(date->latest(), std::optional(TaxYearEnd));
    }
    for (const auto& [name, label] : kPeriodResults) {
        auto* result = control<NumericField>(*window, name);
        QVERIFY2(result != nullptr, name);
        QCOMPARE(labelOf(*window, result), QString::fromLatin1(label));
        QVERIFY(result->isReadOnly());
    }

    // The taxable travel allowance stands to the right of the allowance, on its line.
    auto* travel = control<NumericField>(*window, "silgEdit13");
    auto* taxable = control<NumericField>(*window, "numMTAAns");
    QVERIFY(taxable != nullptr && taxable->isReadOnly());
    QCOMPARE(taxable->mapTo(window.get(), QPoint()).y(), travel->mapTo(window.get(), QPoint()).y());
    QVERIFY(taxable->mapTo(window.get(), QPoint()).x() >
            travel->mapTo(window.get(), QPoint(travel->width(), 0)).x());

    // Calculated on opening, the focus in the first field; Tab goes down the inputs to the
    // buttons, passing the results by.
    QCOMPARE(shown(*window, "numTaxLiability"), QStringLiteral("0.00"));
    QCOMPARE(window->focusWidget(), control(*window, "silgEdit9"));
    QStringList visited{window->focusWidget()->objectName()};
    for (int i = 0; i < 17; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        visited << window->focusWidget()->objectName();
    }
    QCOMPARE(visited,
             (QStringList{"silgEdit9", "numSalRemun", "numEmpERMedAidCont", "numEmpEEMedAidCont",
                          "numEmpRRFundCont", "numEmpERFundCont", "numComm", "silgEdit12",
                          "silgEdit13", "numMedAidBens", "dtMStartDate", "dtMEndDate", "cmdOk",
                          "cmdCalculate", "cmdSettings", "cmdPrint", "cmdInfo(0)", "silgEdit9"}));
    QVERIFY(shell.sink.messages.empty());
}

void MonthlyWindowTest::calculateShowsTheMonthsFigures_data()
{
    addCaseRows(calculationCases());
}

void MonthlyWindowTest::calculateShowsTheMonthsFigures()
{
    QFETCH(int, index);
    const CalculationCase& row = calculationCases()[static_cast<std::size_t>(index)];
    MonthlyFixture shell;
    auto window = shell.open();
    QVERIFY(window);

    typeEntries(*window, row.typed);
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    for (const auto& [name, text] : row.results) {
        QCOMPARE(shown(*window, name), QString::fromLatin1(text));
    }
    QVERIFY(shell.sink.messages.empty());
}

void MonthlyWindowTest::datesOfOneMonthAreCheckedOnCalculate_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("01/04/2021 to 01/05/2021: different months")
        << "01042021"
        << "01052021"
        << "The Start and End dates entered must be for the same Month"
        << "dtMEndDate";
    QTest::newRow("20/05/2021 to 10/05/2021: start day after the end day")
        << "20052021"
        << "10052021"
        << "The Start date entered must be before the End date"
        << "dtMStartDate";
    // Different months are told first, even when the start day is also after the end day.
    QTest::newRow("20/06/2021 to 10/07/2021: the month first")
        << "20062021"
        << "10072021"
        << "The Start and End dates entered must be for the same Month"
        << "dtMEndDate";
}

void MonthlyWindowTest::datesOfOneMonthAreCheckedOnCalculate()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    MonthlyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "silgEdit9", "40");
    enter(*window, "numSalRemun", "30000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    const double taxBefore = window->results().taxLiability;

    // The dates are taken as typed; only "&Calculate" looks at them together.
    enter(*window, "numSalRemun", "40000");
    enter(*window, "dtMStartDate", start);
    enter(*window, "dtMEndDate", end);
    QVERIFY(shell.sink.messages.empty());
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    QCOMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(shell.sink.messages[0],
             (Message{message.toStdString(), "Incorrect Date", MessageIcon::Error}));
    QCOMPARE(window->focusWidget(), control(*window, qPrintable(focus)));
    // The previous results stay.
    QCOMPARE(shown(*window, "numMAns"), QStringLiteral("5 141.67"));
    QCOMPARE(shown(*window, "numMAns1"), QStringLiteral("177.12"));
    QCOMPARE(window->results().taxLiability, taxBefore);
    QCOMPARE(shown(*window, "dtMStartDate"),
             start.left(2) + "/" + start.mid(2, 2) + "/" + start.mid(4));
}

void MonthlyWindowTest::aRefusedDateIsToldAndGetsTheFocus_data()
{
    QTest::addColumn<QString>("earlierStart"); // typed into the start date first ("" for none)
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QString start = QStringLiteral(
        "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022");
    QTest::newRow("start before the tax year") << ""
                                               << "dtMStartDate"
                                               << "28022021" << start;
    QTest::newRow("start no date") << ""
                                   << "dtMStartDate"
                                   << "31042021" << start;
    QTest::newRow("start half typed") << ""
                                      << "dtMStartDate"
                                      << "0104" << start;
    QTest::newRow("end after the tax year") << ""
                                            << "dtMEndDate"
                                            << "01032022" << start;
    // The end date's message quotes the start date as the window shows it.
    QTest::newRow("end no date, start moved")
        << "01062021"
        << "dtMEndDate"
        << "31062021"
        << "The date entered is not correct please enter a date between 01/06/2021 and "
           "28/02/2022";
}

void MonthlyWindowTest::aRefusedDateIsToldAndGetsTheFocus()
{
    QFETCH(QString, earlierStart);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    MonthlyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    if (!earlierStart.isEmpty()) {
        enter(*window, "dtMStartDate", earlierStart);
    }
    auto* date = control<DateField>(*window, qPrintable(field));
    const QString before = date->text();
    const MonthlyInputs inputsBefore = window->inputs();
    enter(*window, qPrintable(field), typed);

    QTRY_COMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(shell.sink.messages[0],
             (Message{message.toStdString(), "Incorrect Date", MessageIcon::Error}));
    QCOMPARE(window->focusWidget(), date);
    QCOMPARE(date->text(), before);
    QCOMPARE(window->inputs().startDate, inputsBefore.startDate);
    QCOMPARE(window->inputs().endDate, inputsBefore.endDate);
}

void MonthlyWindowTest::panelsOpenAtTheirPlaces()
{
    MonthlyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    struct Panel
    {
        QAbstractButton* opener;
        OverlayPanel* panel;
        int topTwips;
        QAbstractButton* closer;
    };
    const std::vector<Panel> panels{
        {window->settingsButton(), window->setupPanel(), 1470, window->setupPanel()->okButton()},
        {window->printButton(), window->printPanel(), 1470, window->printPanel()->cancelButton()},
        {window->infoButton(), window->infoPanel(), 600, window->infoPanel()->okButton()},
    };
    for (const Panel& p : panels) {
        QTest::mouseClick(p.opener, Qt::LeftButton);
        QVERIFY2(p.panel->isVisible(), qPrintable(p.panel->objectName()));
        QCOMPARE(p.panel->y(), twipsToPixels(p.topTwips, p.panel));
        QVERIFY(!window->calculateButton()->isEnabled());
        QTest::mouseClick(p.closer, Qt::LeftButton);
        QVERIFY(!p.panel->isVisible());
        QVERIFY(window->calculateButton()->isEnabled());
    }
    QCOMPARE(window->setupPanel()->title(), QStringLiteral("Setup"));
    QCOMPARE(window->infoPanel()->title(), QStringLiteral("General Information"));
    QVERIFY(window->infoPanel()->text().startsWith(
        QStringLiteral("The amount entered in the Salary/remuneration field")));
    QVERIFY(window->printPanel()->englishOption()->isChecked());
}

void MonthlyWindowTest::setupOkSavesAndRecalculates()
{
    MonthlyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "numSalRemun", "10000");
    enter(*window, "silgEdit13", "5000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    QCOMPARE(shown(*window, "numMAns1"), QStringLiteral("140.00"));
    QCOMPARE(shown(*window, "numMTAAns"), QStringLiteral("4 000"));

    QTest::mouseClick(window->settingsButton(), Qt::LeftButton);
    SetupPanel* panel = window->setupPanel();
    typeInto(panel->field("numEmpEUIF"), "2");
    typeInto(panel->field("numUIFLimit"), "12000");
    QTest::mouseClick(panel->option("optTAIncRate20"), Qt::LeftButton);
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    // 10 000 + 20 % of 5 000 = 11 000 below the new limit: 2 % and 1 % of it.
    QTRY_COMPARE(shown(*window, "numMTAAns"), QStringLiteral("1 000"));
    QCOMPARE(shown(*window, "numMAns1"), QStringLiteral("220.00"));
    QCOMPARE(shown(*window, "numMAns2"), QStringLiteral("110.00"));
    const SetupValues saved = shell.settings.load();
    QCOMPARE(saved.EmployeeUIF, 2.0);
    QCOMPARE(saved.UIFLimit, 12000.0);
    QCOMPARE(saved.TAIncRate8020, 0.2);
    QVERIFY(shell.sink.messages.empty());
}

void MonthlyWindowTest::printWritesTheRowInBothLanguages()
{
    MonthlyFixture shell;
    SetupValues stored;
    stored.EmployeeUIF = 1.234;
    stored.EmployerUIF = 1.111;
    QVERIFY(shell.settings.save(stored, SetupFields::Periodic));
    auto window = shell.open();
    QVERIFY(window);
    typeEntries(*window, {{"silgEdit9", "70"},
                          {"numSalRemun", "20000"},
                          {"numEmpERMedAidCont", "2000"},
                          {"numEmpEEMedAidCont", "800"},
                          {"numEmpRRFundCont", "1200"},
                          {"numEmpERFundCont", "900"},
                          {"numComm", "1500"},
                          {"silgEdit12", "5000"},
                          {"silgEdit13", "3000"},
                          {"numMedAidBens", "3"},
                          {"dtMStartDate", "05072021"},
                          {"dtMEndDate", "24072021"}});
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    // The UIF base 20 000 + 2 000 + 5 000 + 2 400 + 1 200 = 30 600 is above the limit: 1.234 %
    // and 1.111 % of 17 712 are 218.56608 and 196.78032, shown 218.57 and 196.78.
    QCOMPARE(shown(*window, "numMAns1"), QStringLiteral("218.57"));
    QCOMPARE(shown(*window, "numMAns2"), QStringLiteral("196.78"));

    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    typeInto(window->printPanel()->nameField(), QStringLiteral("Thandi Mokoena"));
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    QVERIFY(shell.reports.previewWindow() != nullptr);
    QCOMPARE(shell.reports.previewWindow()->windowTitle(), QString::fromLatin1(kPreviewTitle));
    QCOMPARE(shell.reports.previewWindow()->pageCount(), 1);
    const auto english = shell.printDatabase.readRow("IRP5Mon");

    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->afrikaansOption(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    const auto afrikaans = shell.printDatabase.readRow("IRP5Mon");
    QVERIFY(english && afrikaans);

    // Age 70, rebate 24 327. The deduction is the 2 100 contributed (27.5 % of 32 100 is more).
    // 25 000 of regular income over 20 days of 31 is 465 000 a year, taxed 70 532 + 127 200 x
    // 0.31 - 24 327 = 85 637; with the bonus 470 000, 110 739 + 2 500 x 0.36 - 24 327 = 87 312.
    const double tax = 85637.0 / 12 * 20 / 31 + 1675;
    // K = 332 + 332 + 224 = 888; A = 0.333 x (2 000 + 800 - 3 x 888).
    const double additional = 0.333 * (2800 - 3 * 888);
    struct Printed
    {
        const char* field;
        FieldValue english;
        FieldValue afrikaans;
    };
    const auto text = [](const char* value) {
        return FieldValue(std::string(value));
    };
    const std::vector<Printed> expected{
        {"TypeAM", text("Monthly Check"), text("Maandelikse Inkomste")},
        {"Employee", text(" For : Thandi Mokoena"), text("Vir : Thandi Mokoena")},
        {"Age", text("Age : "), text("Ouderdom : ")},
        {"AgeNum", std::int64_t{70}, std::int64_t{70}},
        {"Sal", text("Remuneration/salary"), text("Besoldiging")},
        {"SalNum", 20000.0, 20000.0},
        {"DirFees", text("Commissions"), text("Kommissie")},
        {"DirFeesNum", 1500.0, 1500.0},
        {"TravAll", text("Travel allowance "), text("Reistoelae ")},
        {"TravOne", 3000.0, 3000.0},
        {"TravTwo", 2400.0, 2400.0},
        {"Bonus", text("Bonus"), text("Bonus")},
        {"BonusNum", 5000.0, 5000.0},
        {"MedExp", text("Medical expenses"), text("Mediese onkoste")},
        {"MedExpNum", 0.0, 0.0},
        {"PenCont", text("Employer's R/Fund contributions "), text("Toelaatbare pension bydrae")},
        {"PenContNum", 1200.0, 1200.0},
        {"RACont", text("Employee's R/Fund contributions"), text("Toelaatbare U/T bydrae")},
        {"RAContNum", 900.0, 900.0},
        {"SDate", text("Start date"), text("Begin datum")},
        {"SDateNum", text("05/07/2021"), text("05/07/2021")},
        {"EDate", text("End date"), text("Eind datum")},
        {"EDateNum", text("24/07/2021"), text("24/07/2021")},
        {"UIFEMPE", text("U.I.F. contribution employee"), text("U.I.F. bydrae werknemer")},
        {"UIFEMPENum", 218.57, 218.57},
        {"UIFEMPR", text("U.I.F. contribution employer"), text("U.I.F. bydrae werkgewer")},
        {"UIFEMPRNum", 196.78, 196.78},
        {"SDL", text("S.D.L."), text("S.D.L.")},
        // 1 % of 30 600 - 2 100 + 1 500.
        {"SDLNum", 300.0, 300.0},
        {"EOE", text("(E.& O.E.)"), text("(B.& F.W.)")},
        {"Taxliability", text("Tax liability"), text("Belasting verpligting")},
        {"Taxliabilitynum", tax, tax},
        {"TaxCredit", text("Tax credits for beneficiaries"),
         text("Belastingkrediete vir begunstigdes")},
        {"Taxcreditnum", 888.0, 888.0},
        {"TaxCreditCons", text("Tax credits for contributions"),
         text("Belastingkrediete vir bydraes")},
        {"TaxcreditnumCons", additional, additional},
        {"EmpERMedAidCont", text("Employer's med aid contrib."),
         text("Werkgewer se bydrae aan mediesefonds")},
        {"EmpERMedAidContnum", 2000.0, 2000.0},
        {"EmpEEMedAidCont", text("Employee's med aid contrib."),
         text("Werknemer se bydrae aan mediesefonds")},
        {"EmpEEMedAidContnum", 800.0, 800.0},
        {"AnnCalcBens3", text("Medical aid fund beneficiaries"),
         text("Getal mediesefondslede en afhanklikes")},
        {"AnnCalcBens3num", std::int64_t{3}, std::int64_t{3}},
        {"MedAidBens", text("Med Aid contribution deduction"), text("Mediesfondsbydrae afrekking")},
        {"TOTAL", text("Total tax deduction"), text("Totaal belasting")},
        {"TotalNum", tax - 888 - additional, tax - 888 - additional},
    };
    QCOMPARE(english->size(), expected.size());
    QCOMPARE(afrikaans->size(), expected.size());
    for (const Printed& field : expected) {
        for (const auto& [row, want] :
             {std::pair{&*english, &field.english}, std::pair{&*afrikaans, &field.afrikaans}}) {
            const FieldValue& got = valueOf(*row, field.field);
            if (std::holds_alternative<double>(*want) && std::holds_alternative<double>(got)) {
                QVERIFY2(std::fabs(std::get<double>(got) - std::get<double>(*want)) < 1e-9,
                         field.field);
            } else {
                QVERIFY2(got == *want, field.field);
            }
        }
    }
    // The contributions printed are those the window showed.
    QCOMPARE(valueOf(*english, "UIFEMPENum"),
             FieldValue(control<NumericField>(*window, "numMAns1")->shownValue()));

    // The printout does not calculate: a salary changed since prints beside the earlier tax.
    enter(*window, "numSalRemun", "25000");
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    const auto changed = shell.printDatabase.readRow("IRP5Mon");
    QCOMPARE(valueOf(*changed, "SalNum"), FieldValue(25000.0));
    QCOMPARE(valueOf(*changed, "Taxliabilitynum"), valueOf(*english, "Taxliabilitynum"));
}

void MonthlyWindowTest::printingToAPrinterRendersTheTemplate()
{
    MonthlyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "silgEdit9", "40");
    enter(*window, "numSalRemun", "30000");
    enter(*window, "silgEdit13", "3333");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    // A printer that prints into a file, as one chosen under "Printer Setup".
    const std::filesystem::path printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    typeInto(window->printPanel()->nameField(), QStringLiteral("Sipho Ndlovu"));
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);

    QVERIFY(shell.sink.messages.empty());
    QCOMPARE(shell.reports.destination(), PrintDestination::Printer);
    const QString text = pdfText(printed);
    // 32 666.4 a month, 391 996.8 a year: 70 532 + 54 196.8 x 0.31 - 15 714 = 71 619.008; / 12.
    for (const char* expected : {"Monthly Check", "For : Sipho Ndlovu", "01/03/2021", "31/03/2021",
                                 "3 333.00", "2 666.40", "5 968.25", "177.12"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(expected + text));
    }
}

} // namespace grovan

QTEST_MAIN(grovan::MonthlyWindowTest)
#include "monthly_window_test.moc"

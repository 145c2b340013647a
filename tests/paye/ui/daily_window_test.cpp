// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/date_field.h"
#include "core/ui/info_panel.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/setup_panel.h"
#include "core/ui/text_field.h"
#include "core/ui/twips.h"
#include "paye/ui/frm_daily.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <utility>
#include <vector>

namespace grovan {

using namespace testing;

namespace {

const char* const kPreviewTitle =
    "Daily - To export printout click on the suitcase button or goto Help";

struct DailyFixture : CalculatorWindowFixture
{
    DailyFixture() : CalculatorWindowFixture({"Daily.rpt"}) {}
    std::unique_ptr<frmDaily> open() { return CalculatorWindowFixture::open<frmDaily>(); }
};

// One input field as the window must offer it: its label, range, digit limits and what it shows
// when the window opens.
struct InputCase
{
    const char* control;
    const char* label;
    double maximum;
    int integerDigits;
    int decimals;
    bool wholeNumber;
    const char* shownAtStart;
};

// The daily window's inputs, top to bottom: rands and cents of the day up to 9 999 999.99, the
// R/Fund contributions whole rands up to 99 999 999.
const std::vector<InputCase> kInputs{
    {"silgEdit23", "Age", 999, 3, 0, true, "0"},
    {"numSalRemun", "Salary/remuneration", 9999999.99, 7, 2, false, "0.00"},
    {"numEmpERMedAidCont", "Employer's med aid contrib.", 9999999.99, 7, 2, false, "0.00"},
    {"numEmpEEMedAidCont", "Employee's med aid contrib.", 9999999.99, 7, 2, false, "0.00"},
    {"numEmpRRFundCont", "Employer's R/Fund contributions ", 99999999, 8, 0, false, "0"},
    {"numEmpERFundCont", "Employee's R/Fund contributions", 99999999, 8, 0, false, "0"},
    {"numComm", "Commissions", 9999999.99, 7, 2, false, "0.00"},
    {"sidbEdit4", "Bonus", 9999999.99, 7, 2, false, "0.00"},
    {"sidbEdit6", "Travel allowance received", 9999999.99, 7, 2, false, "0.00"},
    {"numMedAidBens", "Medical aid fund beneficiaries", 99, 2, 0, true, "0"},
};

// One calculation: set-up fields typed into the set-up panel and confirmed (none: the new
// installation's UIF 1 % each up to 17 712 a month, levy 1 %, travel allowance at 80 %), the
// fields typed in order, and the texts of result fields after "&Calculate".
struct CalculationCase
{
    const char* name;
    Entries setup;
    Entries typed;
    Entries results;
};

const std::vector<CalculationCase>& calculationCases()
{
    static const std::vector<CalculationCase> cases{
        {"defaults: every result 0",
         {},
         {},
         {{"numAllowableRFundDed", "0"},
          {"numMAns1", "0.00"},
          {"numMAns2", "0.00"},
          {"numMAns3", "0.00"},
          {"numMAns", "0.00"},
          {"numTaxCredit", "0.00"},
          {"numMTCForContri", "0.00"},
          {"numTaxLiability", "0.00"}}},
        // 260 000 a year: 38 916 + 43 800 x 0.26 = 50 304; (50 304 - 15 714) / 260. The day's
        // UIF limit is 17 712 x 12 / 260 = 817.48, below the 1 000: 1 % of it.
        {"salary 1 000, age 40",
         {},
         {{"silgEdit23", "40"}, {"numSalRemun", "1000"}},
         {{"numMAns", "133.04"},
          {"numTaxLiability", "133.04"},
          {"numMAns1", "8.17"},
          {"numMAns2", "8.17"},
          {"numMAns3", "10.00"}}},
        // 664 x 12 / 260; the 100 fringe benefit, 26 000 a year, is taxed below the rebate.
        {"two beneficiaries, employer's contribution 100",
         {},
         {{"numEmpERMedAidCont", "100"}, {"numMedAidBens", "2"}},
         {{"numTaxCredit", "30.65"}, {"numMAns", "0.00"}, {"numTaxLiability", "0.00"}}},
        // 26 000 a year is taxed 4 680, 46 000 8 280: 3 600 on the bonus, less the shortfall
        // below the rebate, (15 714 - 4 680) / 260 = 42.44.
        {"salary 100 with a bonus of 20 000",
         {},
         {{"numSalRemun", "100"}, {"sidbEdit4", "20000"}},
         {{"numMAns", "3 557.56"}, {"numTaxLiability", "3 557.56"}}},
        // 17 000 x 12 / 260 = 784.62 a day, below the UIF base of 1 000.
        {"UIF monthly limit 17 000",
         {{"numUIFLimit", "17000"}},
         {{"silgEdit23", "40"}, {"numSalRemun", "1000"}},
         {{"numMAns1", "7.85"}, {"numMAns2", "7.85"}, {"numMAns", "133.04"}}},
        {"UIF base below the day's limit",
         {},
         {{"numSalRemun", "500"}},
         {{"numMAns1", "5.00"}, {"numMAns2", "5.00"}}},
        // 2 000 is within 27.5 % of 10 000 but above 350 000 / 260 = 1 346.15. 2 600 000 -
        // 350 000 = 2 250 000 a year: 587 593 + 593 400 x 0.45 - 15 714 = 838 909; / 260.
        {"R/Fund deduction capped at 1 346.15",
         {},
         {{"numSalRemun", "10000"}, {"numEmpERFundCont", "2000"}},
         {{"numAllowableRFundDed", "1 346"}, {"numMAns", "3 226.57"}}},
        // Cents count: 1 234.56 x 260 = 320 985.60, 38 916 + 104 785.60 x 0.26 - 15 714 =
        // 50 446.256; / 260.
        {"salary in rands and cents",
         {},
         {{"numSalRemun", "1234.56"}},
         {{"numSalRemun", "1 234.56"}, {"numMAns", "194.02"}}},
    };
    return cases;
}

} // namespace

class DailyWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithItsFieldsAndDefaults();
    void calculateShowsTheDaysFigures_data();
    void calculateShowsTheDaysFigures();
    void resultsKeepTheirUnroundedValues();
    void leavingAnAmountFieldReadsItsTextAgain_data();
    void leavingAnAmountFieldReadsItsTextAgain();
    void panelsOpenAtTheirPlaces();
    void printWritesTheRowInBothLanguages();
    void printingToAPrinterRendersTheTemplate();
};

void DailyWindowTest::opensWithItsFieldsAndDefaults()
{
    DailyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Daily"));
    QCOMPARE(window->objectName(), QStringLiteral("frmDaily"));

    for (const InputCase& input : kInputs) {
        auto* field = control<NumericField>(*window, input.control);
        QVERIFY2(field != nullptr, input.control);
        QCOMPARE(labelOf(*window, field), QString::fromUtf8(input.label));
        QCOMPARE(field->minimum(), 0.0);
        QCOMPARE(field->maximum(), input.maximum);
        QCOMPARE(field->integerDigits(), input.integerDigits);
        QCOMPARE(field->decimals(), input.decimals);
        QCOMPARE(field->isWholeNumber(), input.wholeNumber);
        QCOMPARE(field->text(), QString::fromLatin1(input.shownAtStart));
        QVERIFY(!field->isReadOnly());
    }
    for (const auto& [name, label] : kPeriodResults) {
        auto* result = control<NumericField>(*window, name);
        QVERIFY2(result != nullptr, name);
        QCOMPARE(labelOf(*window, result), QString::fromLatin1(label));
        QVERIFY(result->isReadOnly());
    }
    // No dates and no taxable travel allowance in this window.
    QVERIFY(window->findChild<DateField*>() == nullptr);
    QVERIFY(control(*window, "numMTAAns") == nullptr);

    QCOMPARE(shown(*window, "numTaxLiability"), QStringLiteral("0.00"));
    QCOMPARE(window->focusWidget(), control(*window, "silgEdit23"));
    QStringList visited{window->focusWidget()->objectName()};
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        visited << window->focusWidget()->objectName();
    }
    QCOMPARE(visited,
             (QStringList{"silgEdit23", "numSalRemun", "numEmpERMedAidCont", "numEmpEEMedAidCont",
                          "numEmpRRFundCont", "numEmpERFundCont", "numComm", "sidbEdit4",
                          "sidbEdit6", "numMedAidBens", "cmdOk", "cmdCalculate", "cmdSettings",
                          "cmdPrint", "cmdInfo(0)", "silgEdit23"}));
    QVERIFY(shell.sink.messages.empty());
}

void DailyWindowTest::calculateShowsTheDaysFigures_data()
{
    addCaseRows(calculationCases());
}

void DailyWindowTest::calculateShowsTheDaysFigures()
{
    QFETCH(int, index);
    const CalculationCase& row = calculationCases()[static_cast<std::size_t>(index)];
    DailyFixture shell;
    auto window = shell.open();
    QVERIFY(window);

    if (!row.setup.empty()) {
        QTest::mouseClick(window->settingsButton(), Qt::LeftButton);
        for (const auto& [name, keys] : row.setup) {
            typeInto(window->setupPanel()->field(QLatin1String(name)), QString::fromLatin1(keys));
        }
        QTest::mouseClick(window->setupPanel()->okButton(), Qt::LeftButton);
    }
    typeEntries(*window, row.typed);
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    for (const auto& [name, text] : row.results) {
        QCOMPARE(shown(*window, name), QString::fromLatin1(text));
    }
    QVERIFY(shell.sink.messages.empty());
}

void DailyWindowTest::resultsKeepTheirUnroundedValues()
{
    DailyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeEntries(*window, {{"numSalRemun", "10000"}, {"numEmpERFundCont", "2000"}});
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    // Shown in whole rands, kept as the engine gave it.
    QVERIFY(qFuzzyCompare(window->results().fundDeduction, 350000.0 / 260));
    QVERIFY(qFuzzyCompare(window->results().taxLiability, 838909.0 / 260));
    QVERIFY(qFuzzyCompare(control<NumericField>(*window, "numMAns")->value(), 838909.0 / 260));
    // The tax procedure records the annual taxable income for the quick tax calculator.
    QVERIFY(qFuzzyCompare(shell.state.taxableIncome.LastTaxableIncome, 2250000.0));
}

void DailyWindowTest::leavingAnAmountFieldReadsItsTextAgain_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text"); // put into the field without typing, as a screen reader
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shownAfter");

    QTest::newRow("salary") << "numSalRemun"
                            << "1 250.75" << 1250.75 << "1 250.75";
    QTest::newRow("commissions, emptied") << "numComm"
                                          << "" << 0.0 << "0.00";
    QTest::newRow("bonus, a number and more") << "sidbEdit4"
                                              << "300.5x" << 300.5 << "300.50";
    QTest::newRow("travel allowance, no number") << "sidbEdit6"
                                                 << "abc" << 0.0 << "0.00";
}

void DailyWindowTest::leavingAnAmountFieldReadsItsTextAgain()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, shownAfter);
    DailyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, qPrintable(field), "500");
    auto* amount = control<NumericField>(*window, qPrintable(field));
    amount->setFocus(Qt::TabFocusReason);
    // Text set from outside, not typed: the field's own reading has not seen it.
    amount->setText(text);
    control(*window, "silgEdit23")->setFocus(Qt::MouseFocusReason);

    QCOMPARE(amount->text(), shownAfter);
    QCOMPARE(amount->value(), value);
    const DailyInputs& inputs = window->inputs();
    const double held = field == "numSalRemun" ? inputs.salary
                        : field == "numComm"   ? inputs.commissions
                        : field == "sidbEdit4" ? inputs.bonus
                                               : inputs.travelAllowance;
    QCOMPARE(held, value);
    QVERIFY(shell.sink.messages.empty());
}

void DailyWindowTest::panelsOpenAtTheirPlaces()
{
    DailyFixture shell;
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
        {window->settingsButton(), window->setupPanel(), 1185, window->setupPanel()->okButton()},
        {window->printButton(), window->printPanel(), 1200, window->printPanel()->cancelButton()},
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
    QCOMPARE(window->infoPanel()->title(), QStringLiteral("General Information"));
    QVERIFY(window->printPanel()->englishOption()->isChecked());
}

void DailyWindowTest::printWritesTheRowInBothLanguages()
{
    DailyFixture shell;
    SetupValues stored;
    stored.EmployerUIF = 1.5;
    QVERIFY(shell.settings.save(stored, SetupFields::Periodic));
    auto window = shell.open();
    QVERIFY(window);
    typeEntries(*window, {{"silgEdit23", "75"},
                          {"numSalRemun", "1200.10"},
                          {"numEmpERMedAidCont", "30.50"},
                          {"numEmpEEMedAidCont", "60.60"},
                          {"numEmpRRFundCont", "40"},
                          {"numEmpERFundCont", "25"},
                          {"numComm", "80.20"},
                          {"sidbEdit4", "400.40"},
                          {"sidbEdit6", "150.30"},
                          {"numMedAidBens", "1"}});
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);
    // The UIF base 1 200.10 + 30.50 + 400.40 + 120.24 + 40 = 1 791.24 is above the day's limit
    // 17 712 x 12 / 260 = 817.4769...: 1 % and 1.5 % of it, 8.174769 and 12.262154.
    QCOMPARE(shown(*window, "numMAns1"), QStringLiteral("8.17"));
    QCOMPARE(shown(*window, "numMAns2"), QStringLiteral("12.26"));

    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    typeInto(window->printPanel()->nameField(), QStringLiteral("Lerato Dlamini"));
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    QVERIFY(shell.reports.previewWindow() != nullptr);
    QCOMPARE(shell.reports.previewWindow()->windowTitle(), QString::fromLatin1(kPreviewTitle));
    QCOMPARE(shell.reports.previewWindow()->pageCount(), 1);
    const auto english = shell.printDatabase.readRow("IRP5Day");

    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->afrikaansOption(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    const auto afrikaans = shell.printDatabase.readRow("IRP5Day");
    QVERIFY(english && afrikaans);

    // Age 75, rebate 27 198. The deduction is the 65 contributed. 1 406.04 of regular income a
    // day is 365 570.40 a year, taxed 70 532 + 27 770.40 x 0.31 = 79 140.824; with the bonus
    // 365 970.80, 79 264.948: 124.124 on the bonus.
    const double tax = (79140.824 - 27198) / 260 + 124.124;
    // K = 3 984 / 260; A = 0.333 x (30.50 + 60.60 - 3 x K).
    const double credit = 3984.0 / 260;
    const double additional = 0.333 * (91.1 - 3 * credit);
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
        {"TypeAM", text("Daily Check"), text("Daaglikse Inkomste")},
        {"Employee", text(" For : Lerato Dlamini"), text("Vir : Lerato Dlamini")},
        {"Age", text("Age : "), text("Ouderdom : ")},
        {"AgeNum", std::int64_t{75}, std::int64_t{75}},
        {"Sal", text("Remuneration/salary"), text("Besoldiging")},
        {"SalNum", 1200.1, 1200.1},
        {"DirFees", text("Commissions"), text("Kommissie")},
        {"DirFeesNum", 80.2, 80.2},
        {"TravAll", text("Travel allowance "), text("Reistoelae ")},
        {"RecBefNum", 150.3, 150.3},
        {"Bonus", text("Bonus"), text("Bonus")},
        {"BonusNum", 400.4, 400.4},
        {"MedExp", text("Medical expenses"), text("Mediese onkoste")},
        {"MedExpNum", 0.0, 0.0},
        {"PenCont", text("Employer's R/Fund contributions "), text("Toelaatbare pension bydrae")},
        {"PenContNum", 40.0, 40.0},
        {"RACont", text("Employee's R/Fund contributions"), text("Toelaatbare U/T bydrae")},
        {"RAContNum", 25.0, 25.0},
        {"UIFEMPE", text("U.I.F. contribution employee"), text("U.I.F. bydrae werknemer")},
        {"UIFEMPENum", 8.17, 8.17},
        {"UIFEMPR", text("U.I.F. contribution employer"), text("U.I.F. bydrae werkgewer")},
        {"UIFEMPRNum", 12.26, 12.26},
        {"SDL", text("S.D.L."), text("S.D.L.")},
        // 1 % of 1 791.24 - 65 + 80.20 = 18.0644, shown 18.06.
        {"SDLNum", 18.06, 18.06},
        {"EOE", text("(E.& O.E.)"), text("(B.& F.W.)")},
        {"Taxliability", text("Tax liability"), text("Belasting verpligting")},
        {"Taxliabilitynum", tax, tax},
        {"EmpERMedAidCont", text("Employer's med aid contrib."),
         text("Werkgewer se bydrae aan mediesefonds")},
        {"EmpERMedAidContnum", 30.5, 30.5},
        {"EmpEEMedAidCont", text("Employee's med aid contrib."),
         text("Werknemer se bydrae aan mediesefonds")},
        {"EmpEEMedAidContnum", 60.6, 60.6},
        {"AnnCalcBens3", text("Medical aid fund beneficiaries"),
         text("Getal mediesefondslede en afhanklikes")},
        {"AnnCalcBens3num", std::int64_t{1}, std::int64_t{1}},
        {"MedAidBens", text("Med Aid contribution deduction"), text("Mediesfondsbydrae afrekking")},
        {"TaxCredit", text("Tax credits for beneficiaries"),
         text("Belastingkrediete vir begunstigdes")},
        {"Taxcreditnum", credit, credit},
        {"TaxCreditCons", text("Tax credits for contributions"),
         text("Belastingkrediete vir bydraes")},
        {"TaxcreditnumCons", additional, additional},
        {"TOTAL", text("Total tax deduction"), text("Totaal belasting")},
        {"TotalNum", tax - credit - additional, tax - credit - additional},
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
    QCOMPARE(valueOf(*english, "UIFEMPRNum"),
             FieldValue(control<NumericField>(*window, "numMAns2")->shownValue()));
}

void DailyWindowTest::printingToAPrinterRendersTheTemplate()
{
    DailyFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "silgEdit23", "40");
    enter(*window, "numSalRemun", "1000");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    const std::filesystem::path printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->afrikaansOption(), Qt::LeftButton);
    typeInto(window->printPanel()->nameField(), QStringLiteral("Sipho Ndlovu"));
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);

    QVERIFY(shell.sink.messages.empty());
    QCOMPARE(shell.reports.destination(), PrintDestination::Printer);
    const QString text = pdfText(printed);
    for (const char* expected : {"Daaglikse Inkomste", "Vir : Sipho Ndlovu", "Besoldiging",
                                 "1 000.00", "133.04", "8.17"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(expected + text));
    }
}

} // namespace grovan

QTEST_MAIN(grovan::DailyWindowTest)
#include "daily_window_test.moc"

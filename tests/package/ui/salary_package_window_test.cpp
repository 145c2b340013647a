// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"
#include "core/print_database.h"
#include "core/settings_store.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/report_viewer.h"
#include "core/ui/setup_panel.h"
#include "core/ui/text_field.h"
#include "core/ui/twips.h"
#include "package/package_calculators.h"
#include "package/package_fields.h"
#include "package/ui/ra_explanation_panel.h"
#include "package/ui/salary_package_window.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

namespace grovan {

using testing::addCaseRows;
using testing::CalculatorWindowFixture;
using testing::control;
using testing::enter;
using testing::Entries;
using testing::labelsOf;
using testing::shown;
using testing::typeEntries;
using testing::typeInto;
using testing::valueOf;

namespace {

constexpr PackageWindowKind kGrovanAnnual = PackageWindowKind::GrovanAnnual;
constexpr PackageWindowKind kGrovanMonthly = PackageWindowKind::GrovanMonthly;
constexpr PackageWindowKind kVelmoraAnnual = PackageWindowKind::VelmoraAnnual;
constexpr PackageWindowKind kVelmoraMonthly = PackageWindowKind::VelmoraMonthly;

struct PackageFixture : CalculatorWindowFixture
{
    PackageFixture() : CalculatorWindowFixture({"Grovan.rpt", "Velmora.rpt"}) {}

    std::unique_ptr<SalaryPackageWindow> open(PackageWindowKind kind)
    {
        return CalculatorWindowFixture::open<SalaryPackageWindow>(kind);
    }
};

// Types each entry into the set-up panel's field (or clicks the option of that name) and
// confirms the panel, which saves and recalculates.
void confirmSetup(SalaryPackageWindow& window, const Entries& entries)
{
    QTest::mouseClick(window.settingsButton(), Qt::LeftButton);
    SetupPanel* panel = window.setupPanel();
    QVERIFY(panel->isVisible());
    for (const auto& [name, keys] : entries) {
        if (QRadioButton* option = panel->option(QLatin1String(name))) {
            QTest::mouseClick(option, Qt::LeftButton);
            continue;
        }
        NumericField* field = panel->field(QLatin1String(name));
        QVERIFY2(field != nullptr, name);
        typeInto(field, QString::fromLatin1(keys));
        QTest::keyClick(field, Qt::Key_Tab);
    }
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
}

void calculate(SalaryPackageWindow& window)
{
    QTest::mouseClick(window.calculateButton(), Qt::LeftButton);
}

// What the result fields show, but for the cost-to-company column's copies, which follow their
// fields as they are typed.
QStringList everyResultShown(const SalaryPackageWindow& window)
{
    QStringList copies;
    for (const auto& copy : packageCopyBindings(window.design())) {
        copies << qText(copy.field->controlName);
    }
    QStringList texts;
    for (const auto& binding : packageResultBindings(window.design())) {
        const QString name = qText(binding.field->controlName);
        if (!name.isEmpty() && !copies.contains(name)) {
            texts << shown(window, std::string(binding.field->controlName).c_str());
        }
    }
    return texts;
}

// A worked example typed into a window: the set-up changes confirmed first (a new
// installation's: UIF 1 % and 1 %, limit 17 712 a month, levy 1 %, no R/Fund percentages), the
// fields in the order typed, and what fields show after "&Calculate". The fields show two
// decimals of the unrounded figures, without grouping.
struct CalculationCase
{
    const char* name;
    PackageWindowKind kind;
    Entries setup;
    Entries typed;
    Entries results;
};

const std::vector<CalculationCase>& calculationCases()
{
    static const std::vector<CalculationCase> cases{
        // The search ends at 365 545 (net pay 300 000.61); UIF on the limit 212 544.
        {"grovan annual: net 300 000 at 40",
         kGrovanAnnual,
         {},
         {{"numAge", "40"}, {"numNetMonSalReq", "300000"}},
         {{"numMAns", "63418.95"},
          {"numUIFCont", "2125.44"},
          {"numCCUIFCont", "2125.44"},
          {"numCCSkillLev", "3655.45"},
          {"numTaxCredit", "0.00"},
          {"numTaxDeduct", "63418.95"},
          {"numGrossSal", "365544.39"},
          {"numTotCostComp", "371325.28"}}},
        // 30 463 a month; 365 556 a year taxed, a twelfth of it 5 285.1967.
        {"grovan monthly: net 25 000 at 40",
         kGrovanMonthly,
         {},
         {{"numAge", "40"}, {"numNetMonSalReq", "25000"}},
         {{"numMAns", "5285.20"},
          {"numUIFCont", "177.12"},
          {"numCCSkillLev", "304.63"},
          {"numGrossSal", "30462.32"},
          {"numTotCostComp", "30944.07"}}},
        // The contributions computed from the percentages are written into their fields.
        {"grovan annual: R/Fund 7.5 % and 10 %",
         kGrovanAnnual,
         {{"numPenContPerc", "7.5"}, {"numPenPercentage", "10"}},
         {{"numAge", "40"}, {"numNetMonSalReq", "300000"}},
         {{"numRFundCont", "29638.73"},
          {"numCCRFundCont", "39518.30"},
          {"numGrossSal", "395182.89"},
          {"numTotCostComp", "440482.07"}}},
        // MedCredit 664, AddMedCredit 0.333 x (4 000 - 1 992) = 668.664.
        {"grovan monthly: medical credits at 70",
         kGrovanMonthly,
         {},
         {{"numAge", "70"},
          {"numNetMonSalReq", "30000"},
          {"numMedAidCont", "2000"},
          {"numCCMedAidCont", "2000"},
          {"numPMems", "2"}},
         {{"numTaxCredit", "1332.66"}, {"numGrossSal", "38657.10"}}},
        // Below 65 the medical deductions are cleared before the search; at 65 they stand.
        {"grovan annual: medical deductions cleared at 64",
         kGrovanAnnual,
         {},
         {{"numAge", "64"}, {"numNetMonSalReq", "100000"}, {"numMedDeduct", "5000"}},
         {{"numMedDeduct", "0.00"}}},
        {"grovan annual: medical deductions kept at 65",
         kGrovanAnnual,
         {},
         {{"numAge", "65"}, {"numNetMonSalReq", "100000"}, {"numMedDeduct", "5000"}},
         {{"numMedDeduct", "5000.00"}}},
        // No medical contribution: the beneficiaries are cleared.
        {"grovan annual: beneficiaries without contributions",
         kGrovanAnnual,
         {},
         {{"numNetMonSalReq", "100000"}, {"numPMems", "24"}},
         {{"numPMems", "0"}, {"numTaxCredit", "0.00"}}},
        {"velmora annual: package 365 545",
         kVelmoraAnnual,
         {},
         {{"numAge", "40"}, {"numNetMonSalReq", "365545"}},
         {{"numMAns", "63418.95"},
          {"numUIFCont", "2125.44"},
          {"numGrossSal", "300000.61"},
          {"numCCSkillLev", "3655.45"},
          {"numTotCostComp", "371325.89"},
          {"numCCNetMonSalReq", "365545.00"}}},
        // 360 000 a year: 61 700 after the rebate, a twelfth 5 141.6667.
        {"velmora monthly: package 30 000",
         kVelmoraMonthly,
         {},
         {{"numAge", "40"}, {"numNetMonSalReq", "30000"}},
         {{"numMAns", "5141.67"},
          {"numUIFCont", "177.12"},
          {"numGrossSal", "24681.21"},
          {"numCCSkillLev", "300.00"},
          {"numTotCostComp", "30477.12"}}},
        // Contributions 30 000 and 40 000 within 27.5 % of 440 000: taxable income 330 000.
        {"velmora annual: R/Fund 7.5 % and 10 % of 400 000",
         kVelmoraAnnual,
         {{"numPenContPerc", "7.5"}, {"numPenPercentage", "10"}},
         {{"numAge", "40"}, {"numNetMonSalReq", "400000"}},
         {{"numRFundCont", "30000.00"},
          {"numCCRFundCont", "40000.00"},
          {"numMAns", "52790.00"},
          {"numGrossSal", "275084.56"},
          {"numCCSkillLev", "3300.00"},
          {"numTotCostComp", "445425.44"}}},
        // The annual forward window leaves the other expenses out of the take-home pay; the
        // monthly one takes them off.
        {"velmora annual: other expenses not taken off",
         kVelmoraAnnual,
         {},
         {{"numAge", "40"}, {"numNetMonSalReq", "365545"}, {"numOtherDet(0)", "1000"}},
         {{"numGrossSal", "300000.61"}}},
        {"velmora monthly: other expenses taken off",
         kVelmoraMonthly,
         {},
         {{"numAge", "40"}, {"numNetMonSalReq", "30000"}, {"numOtherDet(0)", "1000"}},
         {{"numGrossSal", "23681.21"}}},
    };
    return cases;
}

} // namespace

class SalaryPackageWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithEveryFieldOfItsTables_data();
    void opensWithEveryFieldOfItsTables();
    void calculateShowsTheWorkedExamples_data();
    void calculateShowsTheWorkedExamples();
    void aStoppedCalculationKeepsTheResults_data();
    void aStoppedCalculationKeepsTheResults();
    void theCostToCompanyColumnFollowsItsFields();
    void theOnceOffCarCostShowsWithoutACostToCompany();
    void theWarningMovesTheButtonsAndDisablesPrint_data();
    void theWarningMovesTheButtonsAndDisablesPrint();
    void theRAPanelExplainsTheLastCalculation_data();
    void theRAPanelExplainsTheLastCalculation();
    void theFundRuleClearsBothPercentagesInTheBackWindows_data();
    void theFundRuleClearsBothPercentagesInTheBackWindows();
    void setupIsSavedWholeAndRecalculates();
    void printCalculatesAndWritesTheRow_data();
    void printCalculatesAndWritesTheRow();
    void theMenuOpensTheWindowsAndInitialiseAllClosesThem();
};

void SalaryPackageWindowTest::opensWithEveryFieldOfItsTables_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("back");
    QTest::newRow("grovan annual") << int(kGrovanAnnual) << "Grovan : Annual Calculation"
                                   << "frmGrovanAnn" << true;
    QTest::newRow("grovan monthly") << int(kGrovanMonthly) << "Grovan : Monthly Calculation"
                                    << "frmGrovanMon" << true;
    QTest::newRow("velmora annual") << int(kVelmoraAnnual) << "Velmora : Annual Calculation"
                                    << "frmVelmoraAnn" << false;
    QTest::newRow("velmora monthly") << int(kVelmoraMonthly) << "Velmora : Monthly Calculation"
                                     << "frmVelmoraMon" << false;
}

void SalaryPackageWindowTest::opensWithEveryFieldOfItsTables()
{
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QFETCH(bool, back);
    PackageFixture shell;
    auto window = shell.open(static_cast<PackageWindowKind>(kind));
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->objectName(), name);

    // Every input with its label, range, digits and default of 0 or empty.
    for (const auto& binding : packageInputBindings(window->design())) {
        const FieldDescription& field = *binding.field;
        const QString controlName = qText(field.controlName);
        QWidget* widget = window->findChild<QWidget*>(controlName);
        QVERIFY2(widget != nullptr, qPrintable(controlName));
        if (field.kind == FieldKind::Text) {
            auto* text = qobject_cast<TextField*>(widget);
            QVERIFY(text != nullptr);
            QCOMPARE(text->maxLength(), static_cast<int>(field.maximum));
            QVERIFY(text->text().isEmpty());
            continue;
        }
        auto* number = qobject_cast<NumericField*>(widget);
        QVERIFY2(number != nullptr, qPrintable(controlName));
        if (!field.label.empty()) {
            QCOMPARE(labelsOf(*window, number), qText(field.label));
        }
        QCOMPARE(number->minimum(), field.minimum);
        QCOMPARE(number->maximum(), field.maximum);
        QCOMPARE(number->integerDigits(), field.integerDigits);
        QCOMPARE(number->decimals(), field.decimals);
        QCOMPARE(number->isWholeNumber(), field.kind == FieldKind::WholeNumber);
        QVERIFY(!number->isReadOnlyMode());
        QCOMPARE(number->value(), 0.0);
    }
    QCOMPARE(shown(*window, "numNetMonSalReq"), QStringLiteral("0.00"));
    QCOMPARE(control<TextField>(*window, "Text1")->maxLength(), 50);
    // The windows' differences: the medical deductions in the back-calculation windows only,
    // the package's copy in the cost-to-company column in the forward windows only.
    QCOMPARE(control(*window, "numMedDeduct") != nullptr, back);
    QCOMPARE(control(*window, "numCCNetMonSalReq") != nullptr, !back);

    // Every result shows 0, read-only, with its label.
    for (const auto& binding : packageResultBindings(window->design())) {
        const QString controlName = qText(binding.field->controlName);
        if (controlName.isEmpty()) {
            continue;
        }
        auto* result = window->findChild<NumericField*>(controlName);
        QVERIFY2(result != nullptr, qPrintable(controlName));
        QVERIFY(result->isReadOnlyMode());
        if (!binding.field->label.empty() && controlName != "numOnceOff") {
            QCOMPARE(labelsOf(*window, result), qText(binding.field->label));
        }
        QCOMPARE(result->text(), QStringLiteral("0.00"));
    }
    QCOMPARE(labelsOf(*window, control(*window, "numCCSkillLev")),
             qText(window->design().skillsLevyField.label));
    for (const char* button : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdRAExpl", "cmdPrint",
                               "cmdSetupOK", "cmdRAOK", "cmdPD", "cmdVR", "cmdCancel"}) {
        QVERIFY2(control<QPushButton>(*window, button) != nullptr, button);
    }
    QVERIFY(window->printButton()->isEnabled());
    QVERIFY(!window->warningLabel()->isVisible());
    QVERIFY(!control(*window, "numOnceOff")->isVisible());
    QVERIFY(shell.sink.messages.empty());
}

void SalaryPackageWindowTest::calculateShowsTheWorkedExamples_data()
{
    addCaseRows(calculationCases());
}

void SalaryPackageWindowTest::calculateShowsTheWorkedExamples()
{
    QFETCH(int, index);
    const CalculationCase& row = calculationCases()[static_cast<std::size_t>(index)];
    PackageFixture shell;
    auto window = shell.open(row.kind);
    QVERIFY(window);
    if (!row.setup.empty()) {
        confirmSetup(*window, row.setup);
    }
    typeEntries(*window, row.typed);
    calculate(*window);
    for (const auto& [name, text] : row.results) {
        QCOMPARE(shown(*window, name), QString::fromLatin1(text));
    }
    QVERIFY(!window->calcFailed());
    QVERIFY(!window->warningLabel()->isVisible());
    QVERIFY(shell.sink.messages.empty());
}

void SalaryPackageWindowTest::aStoppedCalculationKeepsTheResults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("net");   // typed after a first calculation of 300 000
    QTest::addColumn<QString>("extra"); // a field typed with it, or none
    QTest::addColumn<QString>("extraValue");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QString>("focus");
    QTest::newRow("fringe benefits above the net") << int(kGrovanAnnual) << "300000"
                                                   << "numTravAll"
                                                   << "400000"
                                                   << "Fringe benefits more than salary required!"
                                                   << "cmdCalculate";
    // Monthly: the R/Fund amounts take no part in the check.
    QTest::newRow("monthly fringe benefits above the net")
        << int(kGrovanMonthly) << "20000"
        << "numOTaxFB"
        << "20000.01"
        << "Fringe benefits more than salary required!"
        << "cmdCalculate";
    // No gross salary up to the field's maximum leaves so much after tax.
    QTest::newRow("a net beyond reach")
        << int(kGrovanAnnual) << "99999999" << QString() << QString()
        << "The net salary required cannot be reached: no gross salary up to R 99 999 999 leaves "
           "that much after tax, UIF and R/Fund contributions. Check the percentages under "
           "Settings and the amounts entered."
        << "cmdCalculate";
    // Nothing to calculate: no message.
    QTest::newRow("a net of 0") << int(kGrovanAnnual) << "0" << QString() << QString() << QString()
                                << "numNetMonSalReq";
    QTest::newRow("a package of 0")
        << int(kVelmoraMonthly) << "0" << QString() << QString() << QString() << "numNetMonSalReq";
}

void SalaryPackageWindowTest::aStoppedCalculationKeepsTheResults()
{
    QFETCH(int, kind);
    QFETCH(QString, net);
    QFETCH(QString, extra);
    QFETCH(QString, extraValue);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    PackageFixture shell;
    auto window = shell.open(static_cast<PackageWindowKind>(kind));
    QVERIFY(window);
    enter(*window, "numAge", "40");
    enter(*window, "numNetMonSalReq", "300000");
    calculate(*window);
    QVERIFY(!window->calcFailed());
    const QStringList before = everyResultShown(*window);
    const double income = shell.state.taxableIncome.LastTaxableIncome;
    QVERIFY(income > 0.0);

    enter(*window, "numNetMonSalReq", net.toLatin1().constData());
    if (!extra.isEmpty()) {
        enter(*window, extra.toLatin1().constData(), extraValue);
    }
    calculate(*window);

    QVERIFY(window->calcFailed());
    if (message.isEmpty()) {
        QVERIFY(shell.sink.messages.empty());
    } else {
        QCOMPARE(shell.sink.messages.size(), std::size_t{1});
        QCOMPARE(qText(shell.sink.messages[0].text), message);
        QCOMPARE(qText(shell.sink.messages[0].title), QStringLiteral("Grovan2022"));
    }
    QCOMPARE(window->focusWidget()->objectName(), focus);
    QCOMPARE(everyResultShown(*window), before);
    QCOMPARE(shell.state.taxableIncome.LastTaxableIncome, income);

    // "&Print" calculates again, which stops again: the print panel stays closed.
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QCOMPARE(shell.sink.messages.size(), std::size_t{message.isEmpty() ? 0u : 2u});
}

void SalaryPackageWindowTest::theCostToCompanyColumnFollowsItsFields()
{
    PackageFixture shell;
    auto back = shell.open(kGrovanAnnual);
    QVERIFY(back);
    enter(*back, "numTravAll", "80000");
    QCOMPARE(shown(*back, "numCCTravAll"), QStringLiteral("80000.00"));
    enter(*back, "numOTaxFB", "1200");
    QCOMPARE(shown(*back, "numCCOTaxFB"), QStringLiteral("1200.00"));
    enter(*back, "numOtherDet(2)", "5000");
    QCOMPARE(shown(*back, "numOtherDetCC(2)"), QStringLiteral("5000.00"));
    // Overwriting the copy changes only the column, which only the printout reads.
    enter(*back, "numOtherDetCC(2)", "6000");
    QCOMPARE(back->inputs().OtherExpensesCC[2], 6000.0);
    QCOMPARE(back->inputs().OtherExpenses[2], 5000.0);
    QCOMPARE(shown(*back, "numOtherDet(2)"), QStringLiteral("5000.00"));
    // Typing the amount again copies it again.
    enter(*back, "numOtherDet(2)", "5500");
    QCOMPARE(shown(*back, "numOtherDetCC(2)"), QStringLiteral("5500.00"));

    auto forward = shell.open(kVelmoraMonthly);
    QVERIFY(forward);
    enter(*forward, "numNetMonSalReq", "42000");
    QCOMPARE(shown(*forward, "numCCNetMonSalReq"), QStringLiteral("42000.00"));
    QVERIFY(shell.sink.messages.empty());
}

void SalaryPackageWindowTest::theOnceOffCarCostShowsWithoutACostToCompany()
{
    PackageFixture shell;
    auto window = shell.open(kGrovanAnnual);
    QVERIFY(window);
    QWidget* onceOff = control(*window, "numOnceOff");
    enter(*window, "numAge", "40");
    enter(*window, "numNetMonSalReq", "300000");
    enter(*window, "numCompCar", "250000");
    calculate(*window);
    QVERIFY(onceOff->isVisible());
    QCOMPARE(shown(*window, "numOnceOff"), QStringLiteral("250000.00"));
    QCOMPARE(labelsOf(*window, onceOff),
             QStringLiteral("(plus a \"once-off\" cost of R | for the company car and this does "
                            "not include fuel, maintenance etc)."));

    enter(*window, "numCCCompCar", "1000");
    calculate(*window);
    QVERIFY(!onceOff->isVisible());
    QCOMPARE(shown(*window, "numOnceOff"), QStringLiteral("0.00"));
}

void SalaryPackageWindowTest::theWarningMovesTheButtonsAndDisablesPrint_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("contribution");
    // 150 000 is above 27.5 % of 515 545, 141 774.88.
    QTest::newRow("grovan annual") << int(kGrovanAnnual) << "300000"
                                   << "150000";
    // 50 000 is above 27.5 % of the package of 100 000.
    QTest::newRow("velmora annual") << int(kVelmoraAnnual) << "100000"
                                    << "50000";
}

void SalaryPackageWindowTest::theWarningMovesTheButtonsAndDisablesPrint()
{
    QFETCH(int, kind);
    QFETCH(QString, amount);
    QFETCH(QString, contribution);
    PackageFixture shell;
    auto window = shell.open(static_cast<PackageWindowKind>(kind));
    QVERIFY(window);
    enter(*window, "numAge", "40");
    enter(*window, "numNetMonSalReq", amount.toLatin1().constData());
    calculate(*window);
    QVERIFY(!window->warningLabel()->isVisible());
    const int buttonsTop = window->okButton()->y();
    const int height = window->height();

    enter(*window, "numRFundCont", contribution.toLatin1().constData());
    calculate(*window);
    QVERIFY(window->warningLabel()->isVisible());
    QCOMPARE(window->warningLabel()->text(),
             QStringLiteral("R/Fund contributions exceed allowable limits!"));
    QVERIFY(!window->printButton()->isEnabled());
    QTRY_VERIFY(window->height() > height);
    QTRY_VERIFY(window->okButton()->y() > buttonsTop);
    for (QWidget* button : window->mainButtons()) {
        QCOMPARE(button->y(), window->okButton()->y());
    }

    // Within the limits again: the buttons go back up and the package can be printed.
    enter(*window, "numRFundCont", "0");
    calculate(*window);
    QVERIFY(!window->warningLabel()->isVisible());
    QVERIFY(window->printButton()->isEnabled());
    QTRY_COMPARE(window->okButton()->y(), buttonsTop);
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(window->printPanel()->isVisible());
    QVERIFY(shell.sink.messages.empty());
}

void SalaryPackageWindowTest::theRAPanelExplainsTheLastCalculation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("net");
    QTest::addColumn<QString>("fund");
    QTest::addColumn<QString>("line4");
    QTest::addColumn<QString>("line5");
    // Without R/Fund percentages the annual back-calculation takes its gross salary, 367 544.39.
    QTest::newRow("grovan annual, 2 000 a year") << int(kGrovanAnnual) << "300000"
                                                 << "2000"
                                                 << "ie: R 3 500 - R2 000.00 = R1 500.00"
                                                 << "ie: R 367 544.39 X 15% = R55 131.66";
    QTest::newRow("grovan annual, 12 000 a year") << int(kGrovanAnnual) << "300000"
                                                  << "12000"
                                                  << "ie: R 3 500 - R12 000.00 = - R8 500.00"
                                                  << "ie: R 377 544.39 X 15% = R56 631.66";
    // A month's 1 000 is 12 000 a year; the monthly window builds its income from the other
    // items, none here.
    QTest::newRow("grovan monthly, 1 000 a month") << int(kGrovanMonthly) << "25000"
                                                   << "1000"
                                                   << "ie: R 3 500 - R12 000.00 = - R8 500.00"
                                                   << "ie: R 0.00 X 15% = R0.00";
    // The forward windows take the package, a year's.
    QTest::newRow("velmora monthly, package 30 000") << int(kVelmoraMonthly) << "30000"
                                                     << "0"
                                                     << "ie: R 3 500 - R0.00 = R3 500.00"
                                                     << "ie: R 360 000.00 X 15% = R54 000.00";
}

void SalaryPackageWindowTest::theRAPanelExplainsTheLastCalculation()
{
    QFETCH(int, kind);
    QFETCH(QString, net);
    QFETCH(QString, fund);
    QFETCH(QString, line4);
    QFETCH(QString, line5);
    PackageFixture shell;
    auto window = shell.open(static_cast<PackageWindowKind>(kind));
    QVERIFY(window);
    enter(*window, "numAge", "40");
    enter(*window, "numNetMonSalReq", net.toLatin1().constData());
    enter(*window, "numRFundCont", fund.toLatin1().constData());
    calculate(*window);

    QTest::mouseClick(window->raButton(), Qt::LeftButton);
    RAExplanationPanel* panel = window->raPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->title(), QStringLiteral("R/A Explained(Annual Figures Shown)"));
    const QStringList lines{
        "The maximum R/A contribution allowed is the greater between A, B or C.",
        "A:  R 3 500 less employee pension contributions ",
        "B: R 1 750",
        "C: 15% of non-retirement funding income. ",
        line4,
        line5,
    };
    for (int number = 0; number < lines.size(); ++number) {
        QCOMPARE(panel->line(number), lines[number]);
    }
    // Top to bottom: lines 0, 1, 4, 2, 3, 5.
    int above = -1;
    for (const int number : {0, 1, 4, 2, 3, 5}) {
        auto* label = panel->findChild<QLabel*>(QStringLiteral("lblRAExpl(%1)").arg(number));
        QVERIFY(label != nullptr);
        QVERIFY(label->y() > above);
        above = label->y();
    }
    // It disables nothing; its "&OK" hides it.
    for (QWidget* button : window->mainButtons()) {
        QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    }
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(shell.sink.messages.empty());
}

void SalaryPackageWindowTest::theFundRuleClearsBothPercentagesInTheBackWindows_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("employer");
    QTest::addColumn<double>("employeeAfter");
    QTest::addColumn<double>("employerAfter");
    // The employee's 15 % first, then the employer's.
    QTest::newRow("grovan annual, 15 and 15") << int(kGrovanAnnual) << "15" << 0.0 << 0.0;
    QTest::newRow("grovan annual, 15 and 12.5") << int(kGrovanAnnual) << "12.5" << 15.0 << 12.5;
    QTest::newRow("grovan monthly, 15 and 15") << int(kGrovanMonthly) << "15" << 0.0 << 0.0;
    QTest::newRow("velmora annual, 15 and 15") << int(kVelmoraAnnual) << "15" << 15.0 << 15.0;
}

void SalaryPackageWindowTest::theFundRuleClearsBothPercentagesInTheBackWindows()
{
    QFETCH(int, kind);
    QFETCH(QString, employer);
    QFETCH(double, employeeAfter);
    QFETCH(double, employerAfter);
    PackageFixture shell;
    auto window = shell.open(static_cast<PackageWindowKind>(kind));
    QVERIFY(window);
    QTest::mouseClick(window->settingsButton(), Qt::LeftButton);
    SetupPanel* panel = window->setupPanel();
    NumericField* employeeField = panel->field(QStringLiteral("numPenContPerc"));
    NumericField* employerField = panel->field(QStringLiteral("numPenPercentage"));
    typeInto(employeeField, QStringLiteral("15"));
    QTest::keyClick(employeeField, Qt::Key_Tab);
    typeInto(employerField, employer);
    // At once, before the field is left.
    QCOMPARE(window->setup().PensionCont, employeeAfter);
    QCOMPARE(window->setup().EmployerPenCont, employerAfter);
    QCOMPARE(employeeField->value(), employeeAfter);
    QCOMPARE(employerField->value(), employerAfter);
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);
    QCOMPARE(shell.settings.load().PensionCont, employeeAfter);
    QCOMPARE(shell.settings.load().EmployerPenCont, employerAfter);
    QVERIFY(shell.sink.messages.empty());
}

void SalaryPackageWindowTest::setupIsSavedWholeAndRecalculates()
{
    PackageFixture shell;
    // A forward window saved percentages above the rule: the back windows clear them as they
    // open, the forward windows keep them.
    SetupValues stored;
    stored.PensionCont = 20;
    stored.EmployerPenCont = 10;
    stored.ProvCont = 4;
    QVERIFY(shell.settings.save(stored, SetupFields::Package));
    auto back = shell.open(kGrovanMonthly);
    QVERIFY(back);
    QCOMPARE(back->setup().PensionCont, 0.0);
    QCOMPARE(back->setup().EmployerPenCont, 0.0);
    QCOMPARE(back->setupPanel()->field(QStringLiteral("numPenContPerc"))->value(), 0.0);
    auto forward = shell.open(kVelmoraMonthly);
    QVERIFY(forward);
    QCOMPARE(forward->setup().PensionCont, 20.0);
    QCOMPARE(forward->setup().EmployerPenCont, 10.0);
    back->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(back.get()));

    enter(*back, "numAge", "40");
    enter(*back, "numNetMonSalReq", "25000");
    calculate(*back);
    QCOMPARE(shown(*back, "numUIFCont"), QStringLiteral("177.12"));

    // The panel opens at its top, with the five buttons disabled.
    QTest::mouseClick(back->settingsButton(), Qt::LeftButton);
    SetupPanel* panel = back->setupPanel();
    QCOMPARE(panel->y(), twipsToPixels(1080, panel));
    for (const char* button : {"cmdOk", "cmdRAExpl", "cmdCalculate", "cmdSettings", "cmdPrint"}) {
        QVERIFY2(!control<QPushButton>(*back, button)->isEnabled(), button);
    }
    // Clearing a rate to empty text and leaving it gives 0.
    typeInto(panel->field(QStringLiteral("numEmpEUIF")), QString());
    QTest::keyClick(panel->field(QStringLiteral("numEmpEUIF")), Qt::Key_Tab);
    QCOMPARE(back->setup().EmployeeUIF, 0.0);
    QCOMPARE(panel->field(QStringLiteral("numEmpEUIF"))->text(), QStringLiteral("0.000"));
    QTest::mouseClick(panel->option(QStringLiteral("optCompCarFBRate20")), Qt::LeftButton);
    QTest::mouseClick(panel->option(QStringLiteral("optCompCarMPYes")), Qt::LeftButton);
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    // Saved whole (the provident percentages as loaded), and recalculated at once.
    const SetupValues saved = shell.settings.load();
    QCOMPARE(saved.EmployeeUIF, 0.0);
    QCOMPARE(saved.PensionCont, 0.0);
    QCOMPARE(saved.EmployerPenCont, 0.0);
    QCOMPARE(saved.ProvCont, 4.0);
    QCOMPARE(saved.CompCarFBRate8020, 0.2);
    QCOMPARE(saved.CompCarMPYesNo, true);
    QTRY_COMPARE(shown(*back, "numUIFCont"), QStringLiteral("0.00"));
    for (QWidget* button : back->mainButtons()) {
        QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    }
    QVERIFY(back->raButton()->isEnabled());

    // A window opened now starts from them; the forward window open already keeps its own.
    auto next = shell.open(kGrovanAnnual);
    QVERIFY(next);
    QCOMPARE(next->setup(), saved);
    QCOMPARE(forward->setup().EmployeeUIF, 1.0);
    QVERIFY(next->setupPanel()->option(QStringLiteral("optCompCarFBRate20"))->isChecked());
    QVERIFY(next->setupPanel()->option(QStringLiteral("optCompCarMPYes"))->isChecked());
    QVERIFY(shell.sink.messages.empty());
}

void SalaryPackageWindowTest::printCalculatesAndWritesTheRow_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QString>("beneficiaries");
    QTest::addColumn<int>("panelTop");
    QTest::newRow("grovan annual")
        << int(kGrovanAnnual)
        << "Grovan2020 Annual - To export printout click on the suitcase button or goto Help"
        << "Net annual salary required"
        << "Medical beneficiaries months" << 960;
    QTest::newRow("grovan monthly")
        << int(kGrovanMonthly)
        << "Grovan2020 Monthly - To export printout click on the suitcase button or goto Help"
        << "Net monthly salary required"
        << "Med. aid fund beneficiaries" << 1080;
    QTest::newRow("velmora annual")
        << int(kVelmoraAnnual)
        << "Velmora2020 Annual - To export printout click on the suitcase button or goto Help"
        << "Total package amount"
        << "Medical beneficiaries months" << 750;
    QTest::newRow("velmora monthly")
        << int(kVelmoraMonthly)
        << "Velmora2020 Monthly - To export printout click on the suitcase button or goto Help"
        << "Total package amount"
        << "Med. aid fund beneficiaries" << 960;
}

void SalaryPackageWindowTest::printCalculatesAndWritesTheRow()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, firstLabel);
    QFETCH(QString, beneficiaries);
    QFETCH(int, panelTop);
    PackageFixture shell;
    // What an earlier printout left in the field the back-calculation windows do not write.
    QVERIFY(shell.printDatabase.writeRow("SalPackage", {{"CostToComp", 123.0}}));
    auto window = shell.open(static_cast<PackageWindowKind>(kind));
    QVERIFY(window);
    const bool back = window->design().direction == PackageDirection::Back;
    enter(*window, "numAge", "40");
    enter(*window, "numNetMonSalReq", "30000");
    enter(*window, "txtOtherDet(1)", "Cellphone");
    enter(*window, "numOtherDet(1)", "400");
    enter(*window, "numOtherDetCC(1)", "350");

    // "&Print" calculates what the fields hold, then opens the panel.
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QVERIFY(!window->calcFailed());
    const PackageResults calculated = window->results();
    QVERIFY(calculated.GrossSalary > 0.0);
    PrintPanel* panel = window->printPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->y(), twipsToPixels(panelTop, panel));
    QVERIFY(panel->englishOption() == nullptr);
    for (const char* button : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdRAExpl"}) {
        QVERIFY2(!control<QPushButton>(*window, button)->isEnabled(), button);
    }
    QCOMPARE(labelsOf(*window, panel->nameField()), QStringLiteral("Taxpayer's name :(max50Chrs."));
    QTest::keyClicks(panel->nameField(), QStringLiteral("Thandi Mokoena"));
    QTest::mouseClick(panel->viewReportButton(), Qt::LeftButton);

    QVERIFY(!panel->isVisible());
    QVERIFY(window->okButton()->isEnabled());
    QVERIFY(shell.sink.messages.empty());
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    QVERIFY(preview != nullptr && preview->isVisible());
    QCOMPARE(preview->windowTitle(), title);
    QCOMPARE(preview->pageCount(), 1);

    const auto row = shell.printDatabase.readRow("SalPackage");
    QVERIFY(row.has_value());
    for (const auto& [field, value] : std::vector<std::pair<const char*, FieldValue>>{
             {"MonAnn", std::string(window->design().reportTitle)},
             {"TPName", std::string("Thandi Mokoena")},
             {"TPAge", std::int64_t{40}},
             {"MonAnnSal", firstLabel.toStdString()},
             {"NetMonSal", 30000.0},
             {"CostToComp", back ? 123.0 : 30000.0},
             {"RADirective", beneficiaries.toStdString()},
             {"OEXPTXT", std::string("Other Expenses :")},
             {"ODedTxt0", std::string()},
             {"ODedTxt1", std::string("Cellphone")},
             {"ODedR1", std::string("R")},
             {"ODedNum1", 400.0},
             {"ODedNumCC1", 350.0},
             {"UIFCont", calculated.EmpUIF},
             {"TaxDue", calculated.TaxAfterRebate},
             {"GSal", calculated.GrossSalary},
             {"TotCostComp", calculated.TotalCostToCompany},
             {"PlusCompCar1", std::string()}}) {
        QCOMPARE(valueOf(*row, field), value);
    }
}

void SalaryPackageWindowTest::theMenuOpensTheWindowsAndInitialiseAllClosesThem()
{
    PackageFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    const std::vector<std::pair<const char*, const char*>> commands{
        {"mnuGrovanMon", "frmGrovanMon"},
        {"mnuGrovanAnn", "frmGrovanAnn"},
        {"mnuVelmoraMon", "frmVelmoraMon"},
        {"mnuVelmoraAnn", "frmVelmoraAnn"},
    };
    for (const auto& [command, name] : commands) {
        auto* action = main.findChild<QAction*>(QLatin1String(command));
        QVERIFY2(action->isEnabled(), command);
        action->trigger();
        auto* window = qobject_cast<SalaryPackageWindow*>(main.childWindow(QLatin1String(name)));
        QVERIFY2(window != nullptr, name);
        enter(*window, "numNetMonSalReq", "20000");
    }
    // Choosing one again shows the same window with what was typed.
    QWidget* annual = main.childWindow(QStringLiteral("frmGrovanAnn"));
    main.findChild<QAction*>(QStringLiteral("mnuGrovanAnn"))->trigger();
    QCOMPARE(main.childWindow(QStringLiteral("frmGrovanAnn")), annual);
    QCOMPARE(main.mdiArea()->subWindowList().size(), 4);
    main.findChild<QAction*>(QStringLiteral("Rapell"))->trigger();

    // "&Initialise All" closes the four; the quick tax window stays.
    main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    QTRY_COMPARE(main.mdiArea()->subWindowList().size(), 1);
    QVERIFY(main.childWindow(QStringLiteral("frmRapell")) != nullptr);

    // Opened again, a window starts from 0; "&OK" closes it.
    main.findChild<QAction*>(QStringLiteral("mnuVelmoraMon"))->trigger();
    auto* window =
        qobject_cast<SalaryPackageWindow*>(main.childWindow(QStringLiteral("frmVelmoraMon")));
    QVERIFY(window != nullptr);
    QCOMPARE(window->inputs().NetRequired, 0.0);
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    QTRY_VERIFY(main.childWindow(QStringLiteral("frmVelmoraMon")) == nullptr);
    QVERIFY(shell.sink.messages.empty());
}

} // namespace grovan

QTEST_MAIN(grovan::SalaryPackageWindowTest)
#include "salary_package_window_test.moc"

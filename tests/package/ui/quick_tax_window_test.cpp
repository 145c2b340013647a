// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/report_viewer.h"
#include "package/ui/frm_rapell.h"
#include "paye/ui/frm_annual.h"
#include "paye/ui/work_period_window.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QAction>
#include <QFontInfo>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

namespace grovan {

using testing::CalculatorWindowFixture;
using testing::control;
using testing::enter;
using testing::labelsOf;
using testing::pdfText;
using testing::shown;

namespace {

const char* const kPreviewTitle =
    "Rapell - To export printout click on the suitcase button or goto Help";

// The quick tax window with the annual and fortnightly calculators it works beside.
struct QuickTaxFixture : CalculatorWindowFixture
{
    QuickTaxFixture() : CalculatorWindowFixture({"rapelltep.rpt", "Annual.rpt", "FortNightly.rpt"})
    {
        addProgramWindows(calculators, state);
    }

    std::unique_ptr<frmRapell> open()
    {
        return CalculatorWindowFixture::open<frmRapell>(state.taxSummary);
    }
};

// The main window, shown and active, with the quick tax, annual and fortnightly calculators.
struct MainWindow
{
    explicit MainWindow(QuickTaxFixture& shell) : main(shell.context, shell.calculators)
    {
        main.show();
        main.activateWindow();
    }

    QWidget* open(const char* command, const char* window)
    {
        main.findChild<QAction*>(QLatin1String(command))->trigger();
        return main.childWindow(QLatin1String(window));
    }

    MDIForm1 main;
};

const char* const kFields[] = {"sidbEdit1(0)", "sidbEdit1(1)", "sidbEdit1(2)", "sidbEdit1(3)",
                               "sidbEdit1(4)", "sidbEdit1(5)", "sidbEdit1(6)", "sidbEdit1(7)",
                               "sidbEdit1(8)", "sidbEdit1(9)"};

// What the ten fields show, in the order of the control array.
QStringList everyFieldShown(const QWidget& window)
{
    QStringList texts;
    for (const char* name : kFields) {
        texts << shown(window, name);
    }
    return texts;
}

} // namespace

class QuickTaxWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheTenFieldsAndItsButtons();
    void calculateShowsTheBreakdown_data();
    void calculateShowsTheBreakdown();
    void printWritesTheRapellRow();
    void aTypedIncomePrintsBesideTheEarlierFigures();
    void becomingActiveShowsTheLastTaxableIncome();
    void activatingItAfterTheAnnualCalculatorShowsItsIncome();
    void closingAndOpeningAgainKeepsTheValues();
    void initialiseAllKeepsItAndTheFortnightOpen();
};

void QuickTaxWindowTest::opensWithTheTenFieldsAndItsButtons()
{
    QuickTaxFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Rapell"));
    QCOMPARE(window->objectName(), QStringLiteral("frmRapell"));

    const QStringList labels{"Taxable Income",
                             "Age",
                             "Tax on taxable income",
                             "+ Portion @ M/Rate (",
                             "%) R",
                             "Total tax",
                             "Less rebates",
                             "Tax commitment",
                             "Average rate before rebates     | %",
                             "Average rate after rebates        | %"};
    const QStringList shownAtStart{"0", "0", "0", "18", "0", "0", "15 714", "0", "18.0", "0.0"};
    for (int i = 0; i < 10; ++i) {
        auto* field = control<NumericField>(*window, kFields[i]);
        QVERIFY2(field != nullptr, kFields[i]);
        QCOMPARE(field->font().family(), QStringLiteral("Courier New"));
        QVERIFY(QFontInfo(field->font()).fixedPitch());
        QCOMPARE(labelsOf(*window, field), labels[i]);
        // Only the income and the age take typing; the others show results.
        QCOMPARE(field->isReadOnlyMode(), i >= 2);
        QCOMPARE(field->text(), shownAtStart[i]);
    }
    // Whole rands with "R" before each amount; the portion's "R" is its row's own text.
    QCOMPARE(control<NumericField>(*window, "sidbEdit1(0)")->sign(), FieldSign::Rand);
    QCOMPARE(control<NumericField>(*window, "sidbEdit1(7)")->sign(), FieldSign::Rand);
    QCOMPARE(control<NumericField>(*window, "sidbEdit1(4)")->sign(), FieldSign::None);
    QCOMPARE(control<NumericField>(*window, "sidbEdit1(0)")->decimals(), 0);

    // "&Calculate", "&Print" and "&OK"; no set-up.
    QCOMPARE(control<QPushButton>(*window, "cmdCalculate")->text(), QStringLiteral("&Calculate"));
    QCOMPARE(control<QPushButton>(*window, "cmPrint")->text(), QStringLiteral("&Print"));
    QCOMPARE(control<QPushButton>(*window, "cmdOk")->text(), QStringLiteral("&OK"));
    QVERIFY(control<QPushButton>(*window, "cmdSettings") == nullptr);
    QVERIFY(control<QPushButton>(*window, "cmdPrint") == nullptr);
    QCOMPARE(window->mainButtons().size(), 3);

    // The print panel has the output buttons only.
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    PrintPanel* panel = window->printPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->title(), QString());
    QVERIFY(panel->englishOption() == nullptr && panel->nameField() == nullptr);
    QVERIFY(control<QRadioButton>(*window, "Option1") == nullptr);
    QCOMPARE(panel->printDirectlyButton()->objectName(), QStringLiteral("cmdPD"));
    QCOMPARE(panel->viewReportButton()->objectName(), QStringLiteral("cmdVR"));
    QCOMPARE(panel->cancelButton()->objectName(), QStringLiteral("cmdCancel"));
    QCOMPARE(panel->cancelButton()->text(), QStringLiteral("&Cancel"));
    QVERIFY(!window->okButton()->isEnabled());
    QTest::mouseClick(panel->cancelButton(), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(window->okButton()->isEnabled());
    QVERIFY(shell.sink.messages.empty());
}

void QuickTaxWindowTest::calculateShowsTheBreakdown_data()
{
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QStringList>("expected"); // sidbEdit1(0) ... sidbEdit1(9)
    // 110 739 + (500 000 - 467 500) x 36 % = 122 439; less 15 714 = 106 725; 24.4878 % and
    // 21.345 % of 500 000.
    QTest::newRow("500 000 at 40")
        << "500000"
        << "40" << QStringList{"500 000", "40",     "110 739", "36",   "11 700",
                               "122 439", "15 714", "106 725", "24.5", "21.3"};
    // 18 % of 80 000 = 14 400 is below the rebate: nothing to pay, and the rate after rebates
    // (-1.6425 %) shows 0.
    QTest::newRow("80 000 at 40") << "80000"
                                  << "40" << QStringList{"80 000", "40",     "0", "18",   "14 400",
                                                         "14 400", "15 714", "0", "18.0", "0.0"};
    // The rebates: 15 714 to 64, 15 714 + 8 613 from 65 to 74, + 11 484 from 75.
    QTest::newRow("500 000 at 64")
        << "500000"
        << "64" << QStringList{"500 000", "64",     "110 739", "36",   "11 700",
                               "122 439", "15 714", "106 725", "24.5", "21.3"};
    // (122 439 - 24 327) / 500 000 = 19.6224 %.
    QTest::newRow("500 000 at 65")
        << "500000"
        << "65" << QStringList{"500 000", "65",     "110 739", "36",   "11 700",
                               "122 439", "24 327", "98 112",  "24.5", "19.6"};
    QTest::newRow("500 000 at 74")
        << "500000"
        << "74" << QStringList{"500 000", "74",     "110 739", "36",   "11 700",
                               "122 439", "24 327", "98 112",  "24.5", "19.6"};
    // (122 439 - 27 198) / 500 000 = 19.0482 %.
    QTest::newRow("500 000 at 75")
        << "500000"
        << "75" << QStringList{"500 000", "75",     "110 739", "36",   "11 700",
                               "122 439", "27 198", "95 241",  "24.5", "19.0"};
    // No income: no tax, and the rate before rebates is the first band's.
    QTest::newRow("no income") << "0"
                               << "40" << QStringList{"0", "40",     "0", "18",   "0",
                                                      "0", "15 714", "0", "18.0", "0.0"};
}

void QuickTaxWindowTest::calculateShowsTheBreakdown()
{
    QFETCH(QString, income);
    QFETCH(QString, age);
    QFETCH(QStringList, expected);
    QuickTaxFixture shell;
    shell.state.taxableIncome.LastTaxableIncome = 123456.0;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "sidbEdit1(0)", income);
    enter(*window, "sidbEdit1(1)", age);
    // Typing the income makes it the program's last taxable income; nothing is recalculated yet.
    QCOMPARE(shell.state.taxableIncome.LastTaxableIncome, income.toDouble());
    // The total tax still shows that of the income the window opened with: 18 % of 123 456.
    QCOMPARE(shown(*window, "sidbEdit1(5)"), QStringLiteral("22 222"));
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    QCOMPARE(everyFieldShown(*window), expected);
    QCOMPARE(shell.state.taxSummary.Income, income.toDouble());
    QCOMPARE(shell.state.taxSummary.Age, static_cast<std::int16_t>(age.toInt()));
    QVERIFY(shell.sink.messages.empty());
}

void QuickTaxWindowTest::printWritesTheRapellRow()
{
    QuickTaxFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "sidbEdit1(0)", "500000");
    enter(*window, "sidbEdit1(1)", "40");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(!window->printPanel()->isVisible());
    QVERIFY(shell.sink.messages.empty());
    ReportPreviewWindow* preview = shell.reports.previewWindow();
    QVERIFY(preview != nullptr && preview->isVisible());
    QCOMPARE(preview->windowTitle(), QString::fromLatin1(kPreviewTitle));
    QCOMPARE(preview->pageCount(), 1);

    // Every field unrounded; the commitment a month is 106 725 / 12.
    const auto row = shell.printDatabase.readRow("rapell");
    QVERIFY(row.has_value());
    const Row expected{{"AGE", std::int64_t{40}}, {"TAXINCOME", 500000.0}, {"TAXTOPAY", 110739.0},
                       {"MARGRATE", 36.0},        {"PORTION", 11700.0},    {"TOTTAX", 122439.0},
                       {"REBATE", 15714.0},       {"TAXCOM4", 106725.0},   {"AVRATE", 24.4878},
                       {"AVRATEAFT", 21.345},     {"TAXCOM4/2", 8893.75}};
    QCOMPARE(row->size(), expected.size());
    for (const Field& field : expected) {
        const FieldValue* value = findField(*row, field.name);
        QVERIFY2(value != nullptr, field.name.c_str());
        if (const double* number = std::get_if<double>(&field.value)) {
            QVERIFY2(std::holds_alternative<double>(*value), field.name.c_str());
            QVERIFY2(qFuzzyCompare(std::get<double>(*value), *number), field.name.c_str());
        } else {
            QCOMPARE(*value, field.value);
        }
    }

    // Straight to a printer that prints into a file: the page carries the figures.
    const std::filesystem::path printed = shell.folder / "printed.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    QCOMPARE(shell.reports.destination(), PrintDestination::Printer);
    QCOMPARE(shell.reports.windowTitle(), QString::fromLatin1(kPreviewTitle));
    const QString text = pdfText(printed);
    for (const char* figure : {"500 000.00", "110 739.00", "11 700.00", "122 439.00", "15 714.00",
                               "106 725.00", "8 893.75", "24.5 %", "21.3 %"}) {
        QVERIFY2(text.contains(QLatin1String(figure)), qPrintable(text));
    }
}

void QuickTaxWindowTest::aTypedIncomePrintsBesideTheEarlierFigures()
{
    QuickTaxFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "sidbEdit1(0)", "500000");
    enter(*window, "sidbEdit1(1)", "40");
    QTest::mouseClick(window->calculateButton(), Qt::LeftButton);

    enter(*window, "sidbEdit1(0)", "600000");
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);

    const auto row = shell.printDatabase.readRow("rapell");
    QVERIFY(row.has_value());
    QCOMPARE(*findField(*row, "TAXINCOME"), FieldValue(600000.0));
    QCOMPARE(*findField(*row, "TOTTAX"), FieldValue(122439.0));
    QCOMPARE(*findField(*row, "TAXCOM4"), FieldValue(106725.0));
    QCOMPARE(*findField(*row, "TAXCOM4/2"), FieldValue(8893.75));
    QCOMPARE(shown(*window, "sidbEdit1(5)"), QStringLiteral("122 439"));
    QCOMPARE(shell.state.taxableIncome.LastTaxableIncome, 600000.0);
    QVERIFY(shell.sink.messages.empty());
}

void QuickTaxWindowTest::becomingActiveShowsTheLastTaxableIncome()
{
    QuickTaxFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "sidbEdit1(1)", "40");
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    // Another calculator taxes 500 000 while the window is in the background.
    CalcAnnualTax(500000.0, shell.state.taxableIncome);
    QCOMPARE(shown(*window, "sidbEdit1(0)"), QStringLiteral("0"));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(everyFieldShown(*window),
             (QStringList{"500 000", "40", "110 739", "36", "11 700", "122 439", "15 714",
                          "106 725", "24.5", "21.3"}));
}

void QuickTaxWindowTest::activatingItAfterTheAnnualCalculatorShowsItsIncome()
{
    QuickTaxFixture shell;
    MainWindow main(shell);
    QVERIFY(QTest::qWaitForWindowActive(&main.main));
    QWidget* rapell = main.open("Rapell", "frmRapell");
    QVERIFY(rapell != nullptr);
    enter(*rapell, "sidbEdit1(1)", "40");
    QWidget* annual = main.open("mnuAnnual", "frmAnnual");
    QVERIFY(annual != nullptr);
    enter(*annual, "silgEdit1", "40");
    enter(*annual, "silgEdit2", "500000");
    QTest::mouseClick(control<QPushButton>(*annual, "cmdCalculate"), Qt::LeftButton);
    QCOMPARE(shown(*annual, "numMAns"), QStringLiteral("106 725.00"));
    // Still as it was while the annual calculator is the active window, even when the main
    // window itself becomes active again.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    main.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main.main));
    QCOMPARE(shown(*rapell, "sidbEdit1(0)"), QStringLiteral("0"));

    // Clicking into the quick tax window makes it the active child window.
    auto* frame = qobject_cast<QMdiSubWindow*>(rapell->parentWidget());
    QVERIFY(frame != nullptr);
    main.main.mdiArea()->setActiveSubWindow(frame);
    QCOMPARE(everyFieldShown(*rapell),
             (QStringList{"500 000", "40", "110 739", "36", "11 700", "122 439", "15 714",
                          "106 725", "24.5", "21.3"}));

    // Another calculation, and the menu command brings the window forward again.
    main.main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(annual->parentWidget()));
    enter(*annual, "silgEdit2", "80000");
    QTest::mouseClick(control<QPushButton>(*annual, "cmdCalculate"), Qt::LeftButton);
    QCOMPARE(main.open("Rapell", "frmRapell"), rapell);
    QCOMPARE(shown(*rapell, "sidbEdit1(0)"), QStringLiteral("80 000"));
    QCOMPARE(shown(*rapell, "sidbEdit1(5)"), QStringLiteral("14 400"));
    QVERIFY(shell.sink.messages.empty());
}

void QuickTaxWindowTest::closingAndOpeningAgainKeepsTheValues()
{
    QuickTaxFixture shell;
    MainWindow main(shell);
    QVERIFY(QTest::qWaitForWindowActive(&main.main));
    QWidget* rapell = main.open("Rapell", "frmRapell");
    QVERIFY(rapell != nullptr);
    enter(*rapell, "sidbEdit1(0)", "500000");
    enter(*rapell, "sidbEdit1(1)", "66");
    QTest::mouseClick(control<QPushButton>(*rapell, "cmdCalculate"), Qt::LeftButton);
    const QStringList before = everyFieldShown(*rapell);
    QCOMPARE(before[6], QStringLiteral("24 327"));

    QTest::mouseClick(control<QPushButton>(*rapell, "cmdOk"), Qt::LeftButton);
    QTRY_VERIFY(main.main.childWindow(QStringLiteral("frmRapell")) == nullptr);
    rapell = main.open("Rapell", "frmRapell");
    QVERIFY(rapell != nullptr);
    QCOMPARE(everyFieldShown(*rapell), before);
    QVERIFY(shell.sink.messages.empty());
}

void QuickTaxWindowTest::initialiseAllKeepsItAndTheFortnightOpen()
{
    QuickTaxFixture shell;
    MainWindow main(shell);
    QVERIFY(QTest::qWaitForWindowActive(&main.main));
    QWidget* fortnight = main.open("mnuFortNight", "frmFortNight");
    enter(*fortnight, "numSalRemun", "20000");
    QWidget* annual = main.open("mnuAnnual", "frmAnnual");
    QVERIFY(annual != nullptr);
    QWidget* rapell = main.open("Rapell", "frmRapell");
    QVERIFY(rapell != nullptr);
    enter(*rapell, "sidbEdit1(0)", "500000");
    enter(*rapell, "sidbEdit1(1)", "75");
    QTest::mouseClick(control<QPushButton>(*rapell, "cmdCalculate"), Qt::LeftButton);
    const QStringList before = everyFieldShown(*rapell);

    main.main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    QTRY_VERIFY(main.main.childWindow(QStringLiteral("frmAnnual")) == nullptr);
    QCOMPARE(main.main.childWindow(QStringLiteral("frmRapell")), rapell);
    QCOMPARE(main.main.childWindow(QStringLiteral("frmFortNight")), fortnight);
    QCOMPARE(main.main.mdiArea()->subWindowList().size(), 2);
    QCOMPARE(shown(*fortnight, "numSalRemun"), QStringLiteral("20 000.00"));
    QCOMPARE(everyFieldShown(*rapell), before);
    QCOMPARE(shell.state.taxSummary.Income, 500000.0);
    QCOMPARE(shell.state.taxSummary.Age, std::int16_t{75});
    QCOMPARE(shell.state.taxableIncome.LastTaxableIncome, 500000.0);

    // Activated again, it recalculates the same.
    main.main.mdiArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(fortnight->parentWidget()));
    main.main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(rapell->parentWidget()));
    QCOMPARE(everyFieldShown(*rapell), before);
    QVERIFY(shell.sink.messages.empty());
}

} // namespace grovan

QTEST_MAIN(grovan::QuickTaxWindowTest)
#include "quick_tax_window_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "shell/ui/mdi_form1.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"
#include "vehicle/ui/frm_comp_car.h"

#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <vector>

namespace grovan {

using testing::CalculatorWindowFixture;
using testing::control;
using testing::enter;
using testing::pdfText;
using testing::shown;
using testing::typeInto;
using testing::valueOf;

namespace {

struct CompanyCarFixture : CalculatorWindowFixture
{
    CompanyCarFixture() : CalculatorWindowFixture({"compcar.rpt"}) {}

    std::unique_ptr<frmCompCar> open()
    {
        return CalculatorWindowFixture::open<frmCompCar>(state.vehicle.companyCars);
    }
};

bool isEnabled(const QWidget& window, const char* name)
{
    const auto* widget = window.findChild<QWidget*>(QLatin1String(name));
    return widget != nullptr && widget->isEnabled();
}

void click(const QWidget& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button != nullptr, name);
    // A check box or option button takes a click on its box, not anywhere across its row.
    const bool boxed = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      boxed ? QPoint(6, button->height() / 2) : button->rect().center());
}

// "&Add", then the registration number (which unlocks the vehicle) and the price.
void addVehicle(const QWidget& window, const char* registration, const char* price)
{
    click(window, "cmdAdd");
    enter(window, "txtCCRegNumber", QString::fromLatin1(registration));
    enter(window, "numCCPrice", QString::fromLatin1(price));
}

QString caption(int current, int count)
{
    return QStringLiteral("Full use of Company Car :  Vehicle number %1 of %2")
        .arg(current)
        .arg(count);
}

// The controls the enabling rules name, and a field that stands for the vehicle's others.
const char* const kControls[] = {"txtCCRegNumber", "numCCPrice",   "cmdAdd", "cmdDelete",
                                 "cmdBack",        "cmdForward",   "cmdOk",  "cmdCalculate",
                                 "cmdPrint",       "numActual3802"};

// The controls of `kControls` that are enabled.
QStringList enabledControls(const QWidget& window)
{
    QStringList names;
    for (const char* name : kControls) {
        if (isEnabled(window, name)) {
            names << QLatin1String(name);
        }
    }
    return names;
}

} // namespace

class CompanyCarWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void firstUseAddsVehicleOneWithOnlyItsRegistrationOpen();
    void theRegistrationNumberUnlocksTheVehicle();
    void aSecondVehicleShowsTheAutomaticSplit();
    void backAndForwardWrapAround();
    void deletingRenumbersTheVehiclesAfterIt();
    void deletingTheOnlyVehicleEmptiesTheRegister();
    void theRegisterOutlivesTheWindowUntilInitialiseAll();
    void anEmptyVehicleOnScreenLeavesTheOthersCalculated();
    void aRefusedEndDateKeepsTheWindowOpen();
    void threeVehiclesOneEmptyPrintThreeLines();
    void theMainWindowTakesTheWindowsWidth();
};

void CompanyCarWindowTest::firstUseAddsVehicleOneWithOnlyItsRegistrationOpen()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), caption(0, 0));
    // Opening on an empty register: everything but the moves and "&Delete".
    QCOMPARE(enabledControls(*window),
             (QStringList{"txtCCRegNumber", "numCCPrice", "cmdAdd", "cmdOk", "cmdCalculate",
                          "cmdPrint", "numActual3802"}));

    click(*window, "cmdAdd");
    QCOMPARE(window->windowTitle(), caption(1, 1));
    QCOMPARE(enabledControls(*window),
             (QStringList{"txtCCRegNumber", "cmdAdd", "cmdDelete", "cmdOk"}));
    QCOMPARE(window->focusWidget(), control(*window, "txtCCRegNumber"));
    QCOMPARE(shell.state.vehicle.companyCars.count(), 1);
}

void CompanyCarWindowTest::theRegistrationNumberUnlocksTheVehicle()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    click(*window, "cmdAdd");
    typeInto(control(*window, "txtCCRegNumber"), QStringLiteral("CA 1"));
    QCOMPARE(enabledControls(*window),
             (QStringList{"txtCCRegNumber", "numCCPrice", "cmdAdd", "cmdDelete", "cmdOk",
                          "cmdCalculate", "cmdPrint", "numActual3802"}));

    // Clearing it locks the vehicle again; with one vehicle "&OK" and "&Add" stay.
    typeInto(control(*window, "txtCCRegNumber"), QString());
    QCOMPARE(enabledControls(*window), (QStringList{"txtCCRegNumber", "cmdAdd", "cmdOk"}));
    QCOMPARE(window->focusWidget(), control(*window, "txtCCRegNumber"));
    // "&Add" does nothing for a vehicle without a registration number.
    click(*window, "cmdAdd");
    QCOMPARE(window->windowTitle(), caption(1, 1));
}

void CompanyCarWindowTest::aSecondVehicleShowsTheAutomaticSplit()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    auto* split = window->findChild<QCheckBox*>(QStringLiteral("chkAutoCalc3802"));
    addVehicle(*window, "CA 1", "300000");
    QVERIFY(split->isHidden());
    QVERIFY(isEnabled(*window, "numFB3802ThisCar"));

    addVehicle(*window, "CA 2", "200000");
    QVERIFY(!split->isHidden());
    QVERIFY(split->isChecked());
    QVERIFY(!isEnabled(*window, "numFB3802ThisCar"));
    // Without the split the vehicle's part is typed again.
    click(*window, "chkAutoCalc3802");
    QVERIFY(!shell.state.vehicle.companyCars.shared().AutoCalc3802);
    QVERIFY(isEnabled(*window, "numFB3802ThisCar"));

    click(*window, "cmdDelete");
    QCOMPARE(window->windowTitle(), caption(1, 1));
    QVERIFY(split->isHidden());
}

void CompanyCarWindowTest::backAndForwardWrapAround()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    for (const char* registration : {"CA 1", "CA 2", "CA 3"}) {
        addVehicle(*window, registration, "100000");
    }
    QCOMPARE(window->windowTitle(), caption(3, 3));
    QCOMPARE(enabledControls(*window).size(), int(std::size(kControls)));

    struct Move
    {
        const char* button;
        int current;
        const char* registration;
    };
    for (const Move& move : {Move{"cmdForward", 1, "CA 1"}, Move{"cmdBack", 3, "CA 3"},
                             Move{"cmdBack", 2, "CA 2"}, Move{"cmdForward", 3, "CA 3"}}) {
        click(*window, move.button);
        QCOMPARE(window->windowTitle(), caption(move.current, 3));
        QCOMPARE(shown(*window, "txtCCRegNumber"), QString::fromLatin1(move.registration));
    }
}

void CompanyCarWindowTest::deletingRenumbersTheVehiclesAfterIt()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    addVehicle(*window, "CA 1", "100000");
    addVehicle(*window, "CA 2", "200000");
    addVehicle(*window, "CA 3", "300000");
    click(*window, "cmdBack");
    QCOMPARE(shown(*window, "txtCCRegNumber"), QStringLiteral("CA 2"));

    click(*window, "cmdDelete");
    QCOMPARE(window->windowTitle(), caption(1, 2));
    QCOMPARE(shown(*window, "txtCCRegNumber"), QStringLiteral("CA 1"));
    click(*window, "cmdForward");
    QCOMPARE(window->windowTitle(), caption(2, 2));
    QCOMPARE(shown(*window, "txtCCRegNumber"), QStringLiteral("CA 3"));
    QCOMPARE(shown(*window, "numCCPrice"), QStringLiteral("300 000"));
}

void CompanyCarWindowTest::deletingTheOnlyVehicleEmptiesTheRegister()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    addVehicle(*window, "CA 1", "100000");
    enter(*window, "numActual3802", "30000");
    click(*window, "cmdDelete");

    QCOMPARE(window->windowTitle(), caption(0, 0));
    QCOMPARE(shell.state.vehicle.companyCars.shared().Actual3802, 0.0);
    QCOMPARE(shown(*window, "numActual3802"), QStringLiteral("0"));
    QCOMPARE(enabledControls(*window),
             (QStringList{"cmdAdd", "cmdOk", "cmdCalculate", "cmdPrint"}));
    // "&Delete" on the empty register is disabled, and does nothing if reached.
    shell.state.vehicle.companyCars.remove();
    QCOMPARE(shell.state.vehicle.companyCars.count(), 0);
}

void CompanyCarWindowTest::theRegisterOutlivesTheWindowUntilInitialiseAll()
{
    CompanyCarFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    main.show();
    const auto openWindow = [&main] {
        main.findChild<QAction*>(QStringLiteral("mnuCompCar"))->trigger();
        return main.childWindow(QStringLiteral("frmCompCar"));
    };
    QWidget* window = openWindow();
    QVERIFY(window != nullptr);
    addVehicle(*window, "CA 1", "100000");
    addVehicle(*window, "CA 2", "200000");
    click(*window, "cmdOk");
    QTRY_VERIFY(main.childWindow(QStringLiteral("frmCompCar")) == nullptr);

    window = openWindow();
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), caption(1, 2));
    QCOMPARE(shown(*window, "txtCCRegNumber"), QStringLiteral("CA 1"));

    main.findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();
    QTRY_VERIFY(main.childWindow(QStringLiteral("frmCompCar")) == nullptr);
    QCOMPARE(shell.state.vehicle.companyCars.count(), 0);
    window = openWindow();
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), caption(0, 0));
}

// Vehicle 1 calculated at 300 000, then an empty vehicle 2 added; vehicle 1's price changed to
// 200 000 while vehicle 2 is on screen: the total is vehicle 1's new adjustment,
// Round(3.5 x 12 / 36 600 x 200 000 x 365) = 83 770, not the 125 656 of 300 000.
void CompanyCarWindowTest::anEmptyVehicleOnScreenLeavesTheOthersCalculated()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    addVehicle(*window, "CA 1", "300000");
    click(*window, "cmdCalculate");
    QCOMPARE(shown(*window, "numTotAdjustTaxableInc"), QStringLiteral("125 656.00"));

    click(*window, "cmdAdd");
    enter(*window, "txtCCRegNumber", QStringLiteral("CA 2"));
    enter(*window, "numCCPrice", QStringLiteral("0"));
    click(*window, "cmdBack");
    enter(*window, "numCCPrice", QStringLiteral("200000"));
    click(*window, "cmdForward");
    QCOMPARE(window->windowTitle(), caption(2, 2));
    click(*window, "cmdCalculate");

    QCOMPARE(shown(*window, "numTotAdjustTaxableInc"), QStringLiteral("83 770.00"));
    QCOMPARE(shown(*window, "numAdjustTaxableInc"), QStringLiteral("0.00"));
    QCOMPARE(shown(*window, "numTrueInclusion"), QStringLiteral("0.00"));
}

void CompanyCarWindowTest::aRefusedEndDateKeepsTheWindowOpen()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    addVehicle(*window, "CA 1", "100000");
    enter(*window, "dtCCStartDate", QStringLiteral("01062021"));
    enter(*window, "dtCCEndDate", QStringLiteral("31052021"));
    QTRY_COMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(qText(shell.sink.messages.back().text),
             QStringLiteral("The date entered is not correct please enter a date between "
                            "01/06/2021 and 28/02/2022"));
    QCOMPARE(window->focusWidget(), control(*window, "dtCCEndDate"));

    // The close box is refused while the dates are marked.
    QVERIFY(!window->close());
    QCOMPARE(shell.sink.messages.size(), std::size_t{2});
    QCOMPARE(qText(shell.sink.messages.back().text),
             QStringLiteral("The dates entered are not correct please enter a dates between "
                            "01/03/2021 and 28/02/2022"));
    QCOMPARE(qText(shell.sink.messages.back().title), QStringLiteral("Incorrect Date"));
    QVERIFY(window->isVisible());
    QCOMPARE(window->focusWidget(), control(*window, "dtCCStartDate"));

    // Leaving the end date lifts the mark.
    control(*window, "dtCCEndDate")->setFocus();
    QTest::keyClick(control(*window, "dtCCEndDate"), Qt::Key_Tab);
    QVERIFY(window->close());
}

// A three-vehicle register whose second vehicle has neither price nor distance: three lines,
// numbered 1 to 3 of 3, the empty one with zero results, the others with theirs.
void CompanyCarWindowTest::threeVehiclesOneEmptyPrintThreeLines()
{
    CompanyCarFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    addVehicle(*window, "CA 1", "300000");
    addVehicle(*window, "CA 2", "0");
    addVehicle(*window, "CA 3", "200000");
    click(*window, "chkMaintIncluded");
    enter(*window, "numActual3802", "36500");

    click(*window, "cmdPrint");
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    QVERIFY(shell.reports.previewWindow() != nullptr);
    QCOMPARE(shell.reports.previewWindow()->windowTitle(),
             QStringLiteral("Full use of Company Car - To export printout click on the suitcase "
                            "button or goto Help"));

    const auto lines = shell.printDatabase.readLines("compcar");
    QVERIFY(lines.has_value());
    QCOMPARE(lines->size(), std::size_t{3});
    // 3.25 % x 12 / 36 600 x 200 000 x 365 = 77 786.89 for the third, with its maintenance plan.
    // The split over 365 + 365 + 365 days: a third of 36 500 each, 0 for the empty vehicle.
    struct Printed
    {
        const char* registration;
        double trueInclusion;
        double irp5;
        double share;
    };
    const Printed expected[] = {{"CA 1", 125656.0, 126000.0, 36500.0 / 3},
                                {"CA 2", 0.0, 0.0, 0.0},
                                {"CA 3", 77787.0, 78000.0, 36500.0 / 3}};
    for (std::size_t i = 0; i < 3; ++i) {
        const Row& line = (*lines)[i];
        QCOMPARE(valueOf(line, "CarNum"), FieldValue{std::int64_t(i + 1)});
        QCOMPARE(valueOf(line, "CMVMaxNum"), FieldValue{std::int64_t{3}});
        QCOMPARE(valueOf(line, "CCRegNumber"), FieldValue{std::string(expected[i].registration)});
        QCOMPARE(valueOf(line, "Actual3802"), FieldValue{36500.0});
        QCOMPARE(std::get<double>(valueOf(line, "TrueInclusion")), expected[i].trueInclusion);
        QCOMPARE(std::get<double>(valueOf(line, "IRP53802")), expected[i].irp5);
        QCOMPARE(std::get<double>(valueOf(line, "FB3802ThisCar")), expected[i].share);
    }

    // On paper: every vehicle with its dates.
    const std::filesystem::path printed = shell.folder / "compcar.pdf";
    shell.printer.printer().setOutputFileName(QString::fromStdString(printed.string()));
    click(*window, "cmdPrint");
    QTest::mouseClick(window->printPanel()->printDirectlyButton(), Qt::LeftButton);
    const QString text = pdfText(printed);
    for (const char* expectedText :
         {"CA 1", "CA 2", "CA 3", "125 656.00", "77 787.00", "01/03/2021", "28/02/2022"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expectedText)), qPrintable(expectedText + text));
    }
}

// "&Company car" widens a main window in its normal state to 13 405 twips, which holds the
// whole company car window.
void CompanyCarWindowTest::theMainWindowTakesTheWindowsWidth()
{
    CompanyCarFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    main.setGeometry(10, 10, 600, 450);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.findChild<QAction*>(QStringLiteral("mnuCompCar"))->trigger();
    QWidget* window = main.childWindow(QStringLiteral("frmCompCar"));
    QVERIFY(window != nullptr);
    QTRY_COMPARE(main.frameGeometry().width(), qRound(13405 * main.logicalDpiY() / 1440.0));
    const auto* area = main.findChild<QMdiArea*>();
    QVERIFY(area != nullptr);
    QVERIFY2(window->parentWidget()->sizeHint().width() <= area->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2")
                            .arg(window->parentWidget()->sizeHint().width())
                            .arg(area->viewport()->width())));
}

} // namespace grovan

QTEST_MAIN(grovan::CompanyCarWindowTest)
#include "company_car_window_test.moc"

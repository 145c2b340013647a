// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"
#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/text_field.h"
#include "tests/paye/ui/calculator_window_fixture.h"
#include "vehicle/ui/frm_car_all1.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace grovan {

using testing::CalculatorWindowFixture;
using testing::control;
using testing::enter;
using testing::Entries;
using testing::labelOf;
using testing::shown;
using testing::typeEntries;
using testing::typeInto;
using testing::valueOf;

namespace {

const char* const kCostFields[] = {"silgEdit6", "silgEdit7",  "silgEdit8",
                                   "silgEdit9", "silgEdit10", "silgEdit11"};

struct TravelAllowanceFixture : CalculatorWindowFixture
{
    TravelAllowanceFixture() : CalculatorWindowFixture({"caepnrk.rpt", "caeprk.rpt"}) {}

    std::unique_ptr<frmCarAll1> open()
    {
        return CalculatorWindowFixture::open<frmCarAll1>(state.vehicle.carAllowance);
    }

    CarAllowanceInputs& inputs() { return state.vehicle.carAllowance.inputs; }
};

void click(const QWidget& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button != nullptr, name);
    // A check box or option button takes a click on its box, not anywhere across its row.
    const bool boxed = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      boxed ? QPoint(6, button->height() / 2) : button->rect().center());
}

// Whether the label of `name` shows.
bool labelShows(const QWidget& window, const char* name)
{
    const QWidget* field = window.findChild<QWidget*>(QLatin1String(name));
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return !label->isHidden();
        }
    }
    return false;
}

// The labels of the results panel's lines, top to bottom, as the visible fields name them.
QStringList resultLabels(const QWidget& window)
{
    QStringList labels;
    for (const char* name :
         {"numBusinessDistance", "numPrivateDistance", "numTotalDistance", "numFixedCost",
          "numFuelCentsPerKm", "numMaintenanceCentsPerKm", "numTotalCentsPerKm", "numTotalCosts",
          "numLessPrivateUse", "numDeductionClaim_1", "numDeductionClaim"}) {
        const QWidget* field = window.findChild<QWidget*>(QLatin1String(name));
        if (field != nullptr && field->isVisible()) {
            labels << labelOf(window, field);
        }
    }
    return labels;
}

// Deemed cost, value 250 000, the full year, 25 000 km of which 10 000 business, both costs
// included: 75 039 / 25 000 = 300.156 + 126.3 + 53.2 = 479.656 cents a km, shown 479.7; the
// deduction 10 000 x 4.79656 = 47 965.60.
const Entries kDeemedExample{
    {"silgEdit1", "250000"}, {"silgEdit3", "25000"}, {"silgEdit4", "0"}, {"silgEdit5", "10000"}};

} // namespace

class TravelAllowanceWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void theDeemedCostPricesTheBusinessDistance();
    void theActualCostsClaimTheirBusinessShare();
    void choosingTheMethodDoesNotRecalculate();
    void wearAndTearExcludesLeasePayments();
    void escapePutsBackTheFieldsValue();
    void enterCalculatesAndGoesToOk();
    void theValuesOutliveTheWindowButNotThePeriod();
    void eachMethodPrintsItsOwnTemplate();
};

void TravelAllowanceWindowTest::theDeemedCostPricesTheBusinessDistance()
{
    TravelAllowanceFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Travel Allowance"));
    QVERIFY(control<QRadioButton>(*window, "Option3")->isChecked());
    for (const char* name : kCostFields) {
        QVERIFY2(!control(*window, name)->isEnabled(), name);
        QVERIFY2(!labelShows(*window, name), name);
    }
    QVERIFY(control(*window, "dtCarAlStartDate")->isEnabled());
    QVERIFY(labelShows(*window, "silgEdit12"));

    typeEntries(*window, kDeemedExample);
    click(*window, "cmdCalculate");
    QCOMPARE(shown(*window, "silgEdit12"), QStringLiteral("365"));
    QCOMPARE(shown(*window, "numFixedCentsPerKm"), QStringLiteral("300.156"));
    QCOMPARE(shown(*window, "numFuelCentsPerKm"), QStringLiteral("126.3"));
    QCOMPARE(shown(*window, "numMaintenanceCentsPerKm"), QStringLiteral("53.2"));
    QCOMPARE(shown(*window, "numTotalCentsPerKm"), QStringLiteral("479.7"));
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("47 965.60"));
    QCOMPARE(resultLabels(*window),
             (QStringList{"Business distance", "Private distance", "Total distance", "Fixed cost",
                          "Fuel costs", "Maintenance costs", "Total costs",
                          "Deduction claim          R"}));

    // Unticking an include box recalculates at once: without fuel, 300.156 + 53.2 = 353.356
    // cents, shown 353.4.
    click(*window, "Check1");
    QCOMPARE(shown(*window, "numFuelCentsPerKm"), QStringLiteral("0.0"));
    QCOMPARE(shown(*window, "numTotalCentsPerKm"), QStringLiteral("353.4"));

    // A period of 200 days: 300.156 x 200 / 365 = 164.469 cents a km.
    enter(*window, "dtCarAlEndDate", QStringLiteral("16092021"));
    click(*window, "cmdCalculate");
    QCOMPARE(shown(*window, "silgEdit12"), QStringLiteral("200"));
    QCOMPARE(shown(*window, "numFixedCentsPerKm"), QStringLiteral("164.469"));

    // No business distance: the deemed cost claims nothing.
    enter(*window, "silgEdit5", QStringLiteral("0"));
    click(*window, "cmdCalculate");
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("0.00"));
    QCOMPARE(shown(*window, "numTotalCentsPerKm"), QStringLiteral("0.0"));
}

// Actual costs of 60 000 over 30 000 km, 12 000 of them business: a claim of 24 000 and private
// use of 36 000; an allowance of 20 000 limits the claim, the private use stays.
void TravelAllowanceWindowTest::theActualCostsClaimTheirBusinessShare()
{
    TravelAllowanceFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    click(*window, "Option4");
    QVERIFY(shell.inputs().AccurateRecordKept);
    for (const char* name : kCostFields) {
        QVERIFY2(control(*window, name)->isEnabled(), name);
        QVERIFY2(labelShows(*window, name), name);
    }
    QVERIFY(!labelShows(*window, "dtCarAlStartDate"));
    QVERIFY(!control(*window, "dtCarAlStartDate")->isEnabled());
    QVERIFY(!control(*window, "dtCarAlEndDate")->isEnabled());
    QVERIFY(control(*window, "txtDaysCover")->isVisible());
    QVERIFY(!control(*window, "silgEdit12")->isVisible());

    typeEntries(*window, {{"silgEdit3", "30000"}, {"silgEdit5", "12000"}, {"silgEdit6", "60000"}});
    click(*window, "cmdCalculate");
    QCOMPARE(resultLabels(*window),
             (QStringList{"Business Km's", "Private Km's", "Total Km's", "Total costs",
                          "Less private use", "Travel expenses", "Deduction claim"}));
    QCOMPARE(shown(*window, "numTotalCosts"), QStringLiteral("60 000.00"));
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("24 000.00"));
    QCOMPARE(shown(*window, "numDeductionClaim_1"), QStringLiteral("24 000.00"));
    QCOMPARE(shown(*window, "numLessPrivateUse"), QStringLiteral("36 000.00"));

    enter(*window, "silgEdit2", QStringLiteral("20000"));
    click(*window, "cmdCalculate");
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("20 000.00"));
    QCOMPARE(shown(*window, "numLessPrivateUse"), QStringLiteral("36 000.00"));
}

void TravelAllowanceWindowTest::choosingTheMethodDoesNotRecalculate()
{
    TravelAllowanceFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeEntries(*window, kDeemedExample);
    click(*window, "cmdCalculate");
    enter(*window, "silgEdit5", QStringLiteral("5000"));
    click(*window, "Option4");
    click(*window, "Option3");
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("47 965.60"));
    QCOMPARE(shown(*window, "numBusinessDistance"), QStringLiteral("10 000.00"));
}

void TravelAllowanceWindowTest::wearAndTearExcludesLeasePayments()
{
    TravelAllowanceFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    click(*window, "Option4");
    enter(*window, "silgEdit11", QStringLiteral("500"));
    // The first digit typed is refused: the message shows before the next key is typed.
    typeInto(control(*window, "silgEdit10"), QStringLiteral("9"));

    QTRY_COMPARE(shell.sink.messages.size(), std::size_t{1});
    QCOMPARE(qText(shell.sink.messages.front().text),
             QStringLiteral("Only one amount for either Wear & Tear or Lease payments will be "
                            "accepted"));
    QCOMPARE(qText(shell.sink.messages.front().title), QStringLiteral("Single Payment"));
    QCOMPARE(shell.sink.messages.front().icon, MessageIcon::Error);
    QCOMPARE(shown(*window, "silgEdit10"), QStringLiteral("0"));
    QCOMPARE(window->focusWidget(), control(*window, "silgEdit10"));
    QCOMPARE(shell.inputs().WearAndTear, 0.0);
    QCOMPARE(shell.inputs().LeasePayments, 500.0);
}

void TravelAllowanceWindowTest::escapePutsBackTheFieldsValue()
{
    TravelAllowanceFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    enter(*window, "silgEdit2", QStringLiteral("84000"));
    typeInto(control(*window, "silgEdit2"), QStringLiteral("5"));
    QCOMPARE(shell.inputs().AllowanceReceived, 5.0);
    QTest::keyClick(control(*window, "silgEdit2"), Qt::Key_Escape);
    QCOMPARE(shell.inputs().AllowanceReceived, 84000.0);
    QCOMPARE(shown(*window, "silgEdit2"), QStringLiteral("84 000"));

    typeInto(control(*window, "Text1"), QStringLiteral("Polo"));
    QTest::keyClick(control(*window, "Text1"), Qt::Key_Escape);
    QCOMPARE(shown(*window, "Text1"), QString());
}

void TravelAllowanceWindowTest::enterCalculatesAndGoesToOk()
{
    TravelAllowanceFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeEntries(*window, kDeemedExample);
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("0.00"));
    QTest::keyClick(control(*window, "silgEdit2"), Qt::Key_Return);
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("47 965.60"));
    QCOMPARE(window->focusWidget(), window->okButton());
}

void TravelAllowanceWindowTest::theValuesOutliveTheWindowButNotThePeriod()
{
    TravelAllowanceFixture shell;
    {
        auto window = shell.open();
        QVERIFY(window);
        typeEntries(*window, kDeemedExample);
        enter(*window, "dtCarAlStartDate", QStringLiteral("01062021"));
        QVERIFY(window->close());
        // Closing calculated once more.
        QCOMPARE(shell.state.vehicle.carAllowance.results.PeriodDays, 273);
    }
    auto window = shell.open();
    QVERIFY(window);
    QCOMPARE(shown(*window, "silgEdit1"), QStringLiteral("250 000"));
    QCOMPARE(shown(*window, "dtCarAlStartDate"), QStringLiteral("01/03/2021"));
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("47 965.60"));

    shell.state.initialiseAll();
    window = shell.open();
    QVERIFY(window);
    QCOMPARE(shown(*window, "silgEdit1"), QStringLiteral("0"));
    QVERIFY(control<QCheckBox>(*window, "Check1")->isChecked());
    QVERIFY(control<QRadioButton>(*window, "Option3")->isChecked());
}

void TravelAllowanceWindowTest::eachMethodPrintsItsOwnTemplate()
{
    TravelAllowanceFixture shell;
    auto window = shell.open();
    QVERIFY(window);
    typeEntries(*window, kDeemedExample);
    enter(*window, "Text1", QStringLiteral("VW Polo"));

    click(*window, "cmdPrint");
    // "&Print" calculated before the panel showed, which starts on its first output button.
    QCOMPARE(shown(*window, "numDeductionClaim"), QStringLiteral("47 965.60"));
    QCOMPARE(window->focusWidget(), window->printPanel()->printDirectlyButton());
    typeInto(window->printPanel()->nameField(), QStringLiteral("Lerato Dube"));
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QVERIFY(shell.sink.messages.empty());
    QCOMPARE(shell.reports.templateFile().filename(), std::filesystem::path("caepnrk.rpt"));
    QCOMPARE(shell.reports.windowTitle(),
             QStringLiteral("Car Allowance - To export printout click on the suitcase button or "
                            "goto Help"));
    auto row = shell.printDatabase.readRow("traveldeduction");
    QVERIFY(row.has_value());
    QCOMPARE(valueOf(*row, "TPName"), FieldValue{std::string("Lerato Dube")});
    QCOMPARE(valueOf(*row, "mta01"), FieldValue{std::string("VW Polo")});
    QCOMPARE(valueOf(*row, "tatc"), FieldValue{479.7});
    QCOMPARE(valueOf(*row, "DateStart"), FieldValue{std::string("01/03/2021")});
    QCOMPARE(valueOf(*row, "DateEnd"), FieldValue{std::string("28/02/2022")});

    click(*window, "Option4");
    enter(*window, "silgEdit6", QStringLiteral("60000"));
    click(*window, "cmdPrint");
    QTest::mouseClick(window->printPanel()->viewReportButton(), Qt::LeftButton);
    QCOMPARE(shell.reports.templateFile().filename(), std::filesystem::path("caeprk.rpt"));
    row = shell.printDatabase.readRow("traveldeduction");
    QVERIFY(row.has_value());
    // 60 000 x 10 000 / 25 000 = 24 000 claimed; the deemed-cost group keeps what it had.
    QCOMPARE(valueOf(*row, "tadeduction"), FieldValue{24000.0});
    QCOMPARE(valueOf(*row, "totcost"), FieldValue{60000.0});
    QCOMPARE(valueOf(*row, "pu"), FieldValue{36000.0});
    QCOMPARE(valueOf(*row, "tatc"), FieldValue{479.7});
}

} // namespace grovan

QTEST_MAIN(grovan::TravelAllowanceWindowTest)
#include "travel_allowance_window_test.moc"

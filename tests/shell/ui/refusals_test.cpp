// SPDX-License-Identifier: GPL-3.0-or-later
// Every refusal the calculators' windows word themselves, given once to the window (typed into
// its fields, then "&Calculate" where the check waits for it) and once to the command line's
// reading of the same KEY=VALUE inputs: both front ends must say the same words.

#include "core/calculator_catalogue.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_context.h"
#include "core/ui/window_registry.h"
#include "shell/calculators.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QtTest>

#include <string>
#include <utility>
#include <vector>

namespace grovan {

using testing::addCaseRows;
using testing::CalculatorWindowFixture;
using testing::enter;

namespace {

struct RefusalCase
{
    const char* name;
    const char* calculator;
    /// Inputs by key, typed in this order (each field left with Tab).
    std::vector<std::pair<const char*, const char*>> inputs;
    /// Whether the window only refuses once "&Calculate" is pressed.
    bool atCalculate;
    /// The message both front ends give; nullptr where the window has no words of its own (it
    /// beeps and keeps the field's value) and the command line says what the field takes.
    const char* message;
};

const std::vector<RefusalCase> kCases = {
    {"annual_month_above_24",
     "annual",
     {{"beneficiariesJul", "30"}},
     false,
     "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!"},
    {"annual_start_not_a_date",
     "annual",
     {{"startDate", "31/02/2022"}},
     false,
     "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022"},
    {"annual_start_before_the_tax_year",
     "annual",
     {{"startDate", "28/02/2021"}},
     false,
     "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022"},
    {"annual_end_before_the_start",
     "annual",
     {{"startDate", "01/12/2021"}, {"endDate", "30/11/2021"}},
     false,
     "The date entered is not correct please enter a date between 01/12/2021 and 28/02/2022"},
    {"annual_salary_above_its_digits", "annual", {{"salary", "1000000000"}}, false, nullptr},
    {"monthly_start_after_the_tax_year",
     "monthly",
     {{"startDate", "01/03/2022"}},
     false,
     "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022"},
    {"monthly_dates_of_two_months",
     "monthly",
     {{"startDate", "01/04/2021"}, {"endDate", "01/05/2021"}},
     true,
     "The Start and End dates entered must be for the same Month"},
    {"monthly_start_after_the_end",
     "monthly",
     {{"startDate", "20/04/2021"}, {"endDate", "10/04/2021"}},
     true,
     "The Start date entered must be before the End date"},
    {"fortnight_this_above_14",
     "fortnightly",
     {{"thisDays", "15"}},
     false,
     "The number of 'This fortnight' days must be 14 or fewer."},
    {"fortnight_normal_above_14",
     "fortnightly",
     {{"normalDays", "15"}},
     false,
     "The number of 'Normal fortnight' days must be 14 or fewer."},
    {"fortnight_this_above_normal",
     "fortnightly",
     {{"normalDays", "10"}, {"thisDays", "11"}},
     true,
     "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'."},
    {"week_this_above_7",
     "weekly",
     {{"thisDays", "8"}},
     false,
     "The number of 'This work week' days must be 7 or fewer."},
    {"week_no_days",
     "weekly",
     {{"thisDays", "0"}},
     true,
     "The number of 'This work week' days must be 1 or more."},
    {"daily_salary_above_its_digits", "daily", {{"salary", "10000000"}}, false, nullptr},
    {"grossup_annual_fringe_benefits_above_the_net",
     "grossup-annual",
     {{"travelAllowance", "400000"}, {"netRequired", "300000"}},
     true,
     "Fringe benefits more than salary required!"},
    // The annual window counts the employee's R/Fund amount in, less the employer's.
    {"grossup_annual_fund_amounts_in_the_fringe_check",
     "grossup-annual",
     {{"otherFringeBenefits", "200000"}, {"employeeFund", "100001"}, {"netRequired", "300000"}},
     true,
     "Fringe benefits more than salary required!"},
    {"grossup_monthly_fringe_benefits_above_the_net",
     "grossup-monthly",
     {{"otherExpense3", "25000.01"}, {"netRequired", "25000"}},
     true,
     "Fringe benefits more than salary required!"},
    {"grossup_annual_net_beyond_reach",
     "grossup-annual",
     {{"netRequired", "99999999"}},
     true,
     "The net salary required cannot be reached: no gross salary up to R 99 999 999 leaves "
     "that much after tax, UIF and R/Fund contributions. Check the percentages under Settings "
     "and the amounts entered."},
    {"grossup_monthly_net_beyond_reach",
     "grossup-monthly",
     {{"netRequired", "60000000"}},
     true,
     "The net salary required cannot be reached: no gross salary up to R 99 999 999 leaves "
     "that much after tax, UIF and R/Fund contributions. Check the percentages under Settings "
     "and the amounts entered."},
    {"grossup_annual_age_above_its_digits", "grossup-annual", {{"age", "1000"}}, false, nullptr},
    {"takehome_monthly_beneficiaries_above_their_digits",
     "takehome-monthly",
     {{"beneficiaries", "100"}},
     false,
     nullptr},
    {"takehome_annual_cents_beyond_their_digits",
     "takehome-annual",
     {{"packageAmount", "1000.005"}},
     false,
     nullptr},
    {"company_car_start_after_the_tax_year",
     "companycar",
     {{"startDate", "01/03/2022"}},
     false,
     "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022"},
    {"company_car_end_before_the_start",
     "companycar",
     {{"startDate", "01/09/2021"}, {"endDate", "31/08/2021"}},
     false,
     "The date entered is not correct please enter a date between 01/09/2021 and 28/02/2022"},
    {"car_allowance_start_before_the_tax_year",
     "carallowance",
     {{"startDate", "28/02/2021"}},
     false,
     "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022"},
    {"car_allowance_end_before_the_start",
     "carallowance",
     {{"startDate", "01/12/2021"}, {"endDate", "30/11/2021"}},
     false,
     "The date entered is not correct please enter a date between 01/12/2021 and 28/02/2022"},
    // One digit: the window refuses the amount as it is typed.
    {"car_allowance_lease_beside_wear_and_tear",
     "carallowance",
     {{"accurateRecordKept", "1"}, {"wearAndTear", "100"}, {"leasePayments", "9"}},
     false,
     "Only one amount for either Wear & Tear or Lease payments will be accepted"},
    {"car_allowance_value_above_its_digits",
     "carallowance",
     {{"vehicleValue", "100000000"}},
     false,
     nullptr},
    {"loan_period_above_600",
     "loan",
     {{"periodMonths", "601"}},
     false,
     "The maximum period  allowed is 600 months"},
    {"loan_rate_above_50",
     "loan",
     {{"annualRate", "50.001"}},
     false,
     "The maximum interest rate allowed is 50%"},
    {"loan_principal_above_its_digits", "loan", {{"principal", "100000000"}}, false, nullptr},
    {"loan_repayment_above_its_digits", "loan", {{"monthlyRepayment", "10000000"}}, false, nullptr},
    {"buster_period_above_600",
     "loanbuster",
     {{"periodMonths", "601"}},
     false,
     "The maximum period  allowed is 600 months"},
    {"buster_rate_above_50",
     "loanbuster",
     {{"annualRate", "50.5"}},
     false,
     "The maximum interest rate allowed is 50%"},
    {"buster_principal_above_its_digits",
     "loanbuster",
     {{"principal", "100000000"}},
     false,
     nullptr},
    {"comparison_rate_above_50",
     "loancomparison",
     {{"annualRate", "51"}},
     false,
     "The maximum interest rate allowed is 50%"},
    {"day_balance_not_a_date",
     "dailybalance",
     {{"startDate", "31/02/2021"}},
     false,
     "The date entered is invalid please enter a valid date."},
    {"day_balance_end_more_than_30_years_after",
     "dailybalance",
     {{"startDate", "01/03/2021"}, {"endDate", "05/03/2051"}},
     false,
     "The date entered is more than 30 years(360 months) after 01/03/2021."},
    {"day_balance_end_before_the_start",
     "dailybalance",
     {{"startDate", "01/03/2021"}, {"endDate", "28/02/2021"}},
     false,
     "The date entered is more than 30 years(360 months) after 01/03/2021."},
    {"day_balance_rate_above_40",
     "dailybalance",
     {{"startDate", "01/03/2021"}, {"endDate", "02/03/2021"}, {"annualRate", "40.5"}},
     false,
     "The maximum Interest Rate allowed is 40%"},
    {"inflation_rate_above_40",
     "inflation",
     {{"inflationRate", "40.5"}},
     false,
     "The range of the Inflation Rate is between -5% and 40%"},
    {"inflation_rate_below_minus_5",
     "inflation",
     {{"inflationRate", "-5.5"}},
     false,
     "The range of the Inflation Rate is between -5% and 40%"},
    {"inflation_period_above_40",
     "inflation",
     {{"years", "41"}},
     false,
     "The maximum period allowed 40 years"},
};

// The input group that holds `key`, and its field.
std::pair<const FieldGroup*, const FieldDescription*> inputOf(const std::vector<FieldGroup>& groups,
                                                              std::string_view key)
{
    for (const FieldGroup& group : groups) {
        for (const FieldDescription* field : group.fields) {
            if (group.role == FieldRole::Input && field->key == key) {
                return {&group, field};
            }
        }
    }
    return {nullptr, nullptr};
}

} // namespace

class RefusalsTest : public QObject
{
    Q_OBJECT

private slots:
    void bothFrontEndsSayTheSame_data() { addCaseRows(kCases); }
    void bothFrontEndsSayTheSame();
};

void RefusalsTest::bothFrontEndsSayTheSame()
{
    QFETCH(int, index);
    const RefusalCase& c = kCases[static_cast<std::size_t>(index)];
    const Calculator* calculator = programCalculators().find(c.calculator);
    QVERIFY(calculator != nullptr);

    // The command line: the inputs as KEY=VALUE text; an input of a list's records (the company
    // car's vehicles) goes into the list's one record.
    const std::vector<FieldGroup> groups = calculator->fields();
    RawInput input;
    for (const auto& [key, text] : c.inputs) {
        const FieldGroup* group = inputOf(groups, key).first;
        QVERIFY2(group != nullptr, key);
        RawValue value{RawType::Typed, 0.0, text};
        if (group->list.empty()) {
            input.values.emplace_back(key, std::move(value));
            continue;
        }
        if (input.find(group->list) == nullptr) {
            input.values.emplace_back(std::string(group->list),
                                      RawValue{RawType::List, 0.0, "an array", {RawInput{}}});
        }
        input.values.back().second.items.front().values.emplace_back(key, std::move(value));
    }
    const auto outcome = calculator->run(input, RunOptions{[] {
                                             return SetupValues{};
                                         }});
    QVERIFY2(std::holds_alternative<InputError>(outcome), "the command line calculated");
    const std::string cliMessage = std::get<InputError>(outcome).message;

    // The window, opened as the main window opens it.
    CalculatorWindowFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    const WindowFactory* factory = shell.calculators.find(calculator->windowName());
    QVERIFY(factory != nullptr);
    std::unique_ptr<QWidget> window = (*factory)(shell.windowContext);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    shell.sink.messages.clear();
    for (const auto& [key, text] : c.inputs) {
        const FieldDescription* field = inputOf(groups, key).second;
        QVERIFY2(field != nullptr, key);
        const std::string control(field->controlName);
        // A check box or option button takes "1" as a click.
        if (auto* button = window->findChild<QAbstractButton*>(QString::fromStdString(control))) {
            QCOMPARE(std::string_view(text), std::string_view("1"));
            button->click();
            continue;
        }
        enter(*window, control.c_str(), QString::fromLatin1(text));
    }
    // A field answers its refused entry once the focus has left it and the events have run.
    QTest::qWait(50);
    if (c.atCalculate) {
        QVERIFY(shell.sink.messages.empty());
        QTest::mouseClick(window->findChild<QPushButton*>("cmdCalculate"), Qt::LeftButton);
    }

    if (c.message == nullptr) {
        QTest::qWait(50);
        QVERIFY(shell.sink.messages.empty());
        QVERIFY(!cliMessage.empty());
        return;
    }
    QTRY_COMPARE(shell.sink.messages.size(), 1u);
    QCOMPARE(qText(shell.sink.messages.front().text), qText(c.message));
    QCOMPARE(qText(cliMessage), qText(c.message));
}

} // namespace grovan

QTEST_MAIN(grovan::RefusalsTest)
#include "refusals_test.moc"

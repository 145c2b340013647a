// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/input_binder.h"
#include "core/ui/numeric_field.h"
#include "tests/core/ui/test_window.h"
#include "tests/support/recording_sink.h"

#include <QPushButton>
#include <QTest>

#include <array>

using grovan::FieldDescription;
using grovan::FieldKind;
using grovan::FieldProblem;
using grovan::InputBinder;
using grovan::InputBinding;
using grovan::InputValue;
using grovan::Message;
using grovan::NumericField;
using grovan::testing::RecordingSink;
using grovan::testing::TestWindow;

namespace {

struct Inputs
{
    double income = 0.0;
    double age = 0.0;
};

constexpr FieldDescription field(std::string_view controlName, FieldKind kind, int digits)
{
    return {.controlName = controlName,
            .label = controlName,
            .key = {},
            .meaning = {},
            .unit = {},
            .kind = kind,
            .sign = grovan::FieldSign::None,
            .minimum = 0.0,
            .maximum = 999999.0,
            .integerDigits = digits,
            .decimals = 0,
            .defaultValue = 0.0,
            .displayFormat = {}};
}

constexpr FieldDescription kIncome = field("numIncome", FieldKind::Amount, 6);
constexpr FieldDescription kAge = field("numAge", FieldKind::WholeNumber, 3);

const std::array<InputBinding<Inputs>, 2> kBindings{{
    {&kIncome, [](const Inputs& in) -> InputValue { return in.income; },
     [](Inputs& in, const InputValue& value) {
         in.income = std::get<double>(value);
     }},
    {&kAge, [](const Inputs& in) -> InputValue { return in.age; },
     [](Inputs& in, const InputValue& value) {
         in.age = std::get<double>(value);
     }},
}};

// Two bound fields and a button, as a calculator window has them.
struct BoundWindow
{
    BoundWindow() : binder(inputs, kBindings, sink)
    {
        income = window.add(new NumericField(kIncome));
        age = window.add(new NumericField(kAge));
        calculate = window.add(new QPushButton(QStringLiteral("&Calculate")));
    }

    TestWindow window;
    Inputs inputs;
    RecordingSink sink;
    InputBinder<Inputs> binder;
    NumericField* income;
    NumericField* age;
    QPushButton* calculate;
};

} // namespace

class InputBinderTest : public QObject
{
    Q_OBJECT

private slots:
    void anEditHandlerTakesTheFieldsEditsInsteadOfTheSetter();
    void aProblemOfNoFieldPutsTheFocusWhereTheWindowSays_data();
    void aProblemOfNoFieldPutsTheFocusWhereTheWindowSays();
};

void InputBinderTest::anEditHandlerTakesTheFieldsEditsInsteadOfTheSetter()
{
    BoundWindow bound;
    std::vector<double> handled;
    bound.binder.setEditHandler(
        kIncome, [&](const InputValue& value) { handled.push_back(std::get<double>(value)); });
    bound.binder.bind(&bound.window);
    QVERIFY(bound.window.showActive());

    TestWindow::typeInto(bound.income, QStringLiteral("1200"));
    TestWindow::typeInto(bound.age, QStringLiteral("41"));
    QCOMPARE(handled.back(), 1200.0);
    QCOMPARE(bound.inputs.income, 0.0); // the setter was not called
    QCOMPARE(bound.inputs.age, 41.0);   // other fields keep their setters
}

void InputBinderTest::aProblemOfNoFieldPutsTheFocusWhereTheWindowSays_data()
{
    QTest::addColumn<bool>("ofAField");
    QTest::addColumn<bool>("silent");
    QTest::newRow("a problem of the age field") << true << false;
    QTest::newRow("a problem of no one field") << false << false;
    // Passed over in silence: the focus only.
    QTest::newRow("a silent problem of the age field") << true << true;
}

void InputBinderTest::aProblemOfNoFieldPutsTheFocusWhereTheWindowSays()
{
    QFETCH(bool, ofAField);
    QFETCH(bool, silent);
    BoundWindow bound;
    bound.binder.bind(&bound.window);
    QVERIFY(bound.window.showActive());
    bound.income->setFocus();
    const FieldProblem problem{ofAField ? &kAge : nullptr, Message{"Not so."}, silent};
    bound.binder.showProblem(problem, bound.calculate);

    QCOMPARE(bound.sink.messages.size(), std::size_t{silent ? 0u : 1u});
    if (!silent) {
        QCOMPARE(bound.sink.messages[0].text, std::string("Not so."));
    }
    QCOMPARE(bound.window.focusWidget(),
             ofAField ? static_cast<QWidget*>(bound.age) : bound.calculate);
}

QTEST_MAIN(InputBinderTest)
#include "input_binder_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tax_year.h"
#include "core/ui/date_field.h"
#include "core/ui/form_builder.h"
#include "core/ui/numeric_field.h"
#include "core/ui/spin_button.h"
#include "core/ui/text_field.h"
#include "tests/core/ui/test_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <array>

using grovan::DateField;
using grovan::FieldDescription;
using grovan::FieldKind;
using grovan::FieldSign;
using grovan::FormBuilder;
using grovan::NumericField;
using grovan::SpinButton;
using grovan::TextField;
using grovan::testing::TestWindow;

namespace {

constexpr FieldDescription field(std::string_view controlName, std::string_view label,
                                 FieldKind kind, double maximum, int digits, int decimals,
                                 bool readOnly = false, std::string_view hint = {})
{
    return {.controlName = controlName,
            .label = label,
            .key = {},
            .meaning = {},
            .unit = {},
            .kind = kind,
            .sign = kind == FieldKind::Amount ? FieldSign::Rand : FieldSign::None,
            .minimum = 0.0,
            .maximum = maximum,
            .integerDigits = digits,
            .decimals = decimals,
            .defaultValue = 0.0,
            .displayFormat = {},
            .readOnly = readOnly,
            .hint = hint};
}

// A little of everything a calculator window lays out.
const std::array kForm{
    field("silgEdit1", "Age", FieldKind::WholeNumber, 999.0, 3, 1),
    field("numSalRemun", "Salary/remuneration", FieldKind::Amount, 99999999.0, 8, 0),
    field("numFuelExp", "Less fuel && expenses", FieldKind::Amount, 0.0, 9, 2, true),
    field("numPeriod", "&Period", FieldKind::WholeNumber, 600.0, 3, 0, false, "months."),
    field("Text1", "Employee name :", FieldKind::Text, 50.0, 0, 0, false, "(max.50 chrs.)"),
    FieldDescription{.controlName = "dtStartDate",
                     .label = "Start date",
                     .key = {},
                     .meaning = {},
                     .unit = {},
                     .kind = FieldKind::Date,
                     .sign = FieldSign::None,
                     .minimum = grovan::TaxYearStart.dayNumber(),
                     .maximum = grovan::TaxYearEnd.dayNumber(),
                     .integerDigits = 0,
                     .decimals = 0,
                     .defaultValue = grovan::TaxYearStart.dayNumber(),
                     .displayFormat = {},
                     .readOnly = false},
    field("numAnnCalcBens(3)", "Mar", FieldKind::WholeNumber, 24.0, 2, 0),
};

} // namespace

class FormWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void textFieldTakesAtMostItsLength_data();
    void textFieldTakesAtMostItsLength();
    void spinButtonStepsUpAndDown_data();
    void spinButtonStepsUpAndDown();
    void formBuilderNamesAndReturnsEveryField();
    void formBuilderRowsCarryLabelsAndHints();
    void numberFieldsShareOneWidth();
};

void FormWidgetsTest::textFieldTakesAtMostItsLength_data()
{
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("kept");

    // "Employee name :" takes at most 50 characters.
    QTest::newRow("49") << 49 << 49;
    QTest::newRow("50") << 50 << 50;
    QTest::newRow("60") << 60 << 50;
}

void FormWidgetsTest::textFieldTakesAtMostItsLength()
{
    QFETCH(int, typed);
    QFETCH(int, kept);
    TestWindow window;
    auto* name = window.add(new TextField(50, QStringLiteral("(max.50 chrs.)")));
    QVERIFY(window.showActive());
    const QString text =
        QStringLiteral("Nomvula Zanele Dlamini-Van der Merwe Oosthuizen Jones Smith")
            .left(typed)
            .leftJustified(typed, QLatin1Char('x'));

    TestWindow::typeInto(name, text);
    QCOMPARE(name->text(), text.left(kept));

    // Pasting goes through the same limit.
    name->clear();
    name->insert(text);
    QCOMPARE(name->text(), text.left(kept));
    QCOMPARE(name->hint(), QStringLiteral("(max.50 chrs.)"));
}

void FormWidgetsTest::spinButtonStepsUpAndDown_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("ups");
    QTest::addColumn<int>("downs");

    QTest::newRow("click up") << "click up" << 1 << 0;
    QTest::newRow("click down") << "click down" << 0 << 1;
    QTest::newRow("Up key") << "key up" << 1 << 0;
    QTest::newRow("Down key") << "key down" << 0 << 1;
    QTest::newRow("other key") << "key left" << 0 << 0;
}

void FormWidgetsTest::spinButtonStepsUpAndDown()
{
    QFETCH(QString, action);
    QFETCH(int, ups);
    QFETCH(int, downs);
    TestWindow window;
    auto* spin = window.add(new SpinButton(QStringLiteral("spRate")));
    QSignalSpy up(spin, &SpinButton::up);
    QSignalSpy down(spin, &SpinButton::down);
    QVERIFY(window.showActive());
    QCOMPARE(spin->objectName(), QStringLiteral("spRate"));

    if (action == QStringLiteral("click up")) {
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    } else if (action == QStringLiteral("click down")) {
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    } else {
        spin->setFocus();
        const Qt::Key key = action == QStringLiteral("key up")     ? Qt::Key_Up
                            : action == QStringLiteral("key down") ? Qt::Key_Down
                                                                   : Qt::Key_Left;
        QTest::keyClick(spin, key);
    }

    QCOMPARE(up.count(), ups);
    QCOMPARE(down.count(), downs);
    // Holding a button down keeps stepping.
    QVERIFY(spin->upButton()->autoRepeat());
}

void FormWidgetsTest::formBuilderNamesAndReturnsEveryField()
{
    QWidget container;
    FormBuilder form(&container);
    form.addRows(kForm);

    QCOMPARE(form.fields().size(), static_cast<qsizetype>(kForm.size()));
    for (const FieldDescription& description : kForm) {
        const QString name = QString::fromUtf8(
            description.controlName.data(), static_cast<qsizetype>(description.controlName.size()));
        QWidget* widget = form.field(name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        QCOMPARE(widget->objectName(), name);
        QCOMPARE(container.findChild<QWidget*>(name), widget);
    }
    QVERIFY(form.numeric(QStringLiteral("silgEdit1"))->isWholeNumber());
    QVERIFY(form.numeric(QStringLiteral("numFuelExp"))->isReadOnlyMode());
    QCOMPARE(form.numeric(QStringLiteral("numSalRemun"))->sign(), FieldSign::Rand);
    QCOMPARE(form.text(QStringLiteral("Text1"))->maxLength(), 50);
    QCOMPARE(form.date(QStringLiteral("dtStartDate"))->text(), QStringLiteral("01/03/2021"));
    QCOMPARE(form.numeric(grovan::controlArrayName(QStringLiteral("numAnnCalcBens"), 3)),
             form.field(QStringLiteral("numAnnCalcBens(3)")));
    QCOMPARE(form.field(QStringLiteral("numNoSuchField")), nullptr);
}

void FormWidgetsTest::formBuilderRowsCarryLabelsAndHints()
{
    TestWindow window;
    auto* container = window.add(new QWidget);
    FormBuilder form(container);
    form.addRows(kForm);
    auto* spin = new SpinButton(QStringLiteral("spRate"), container);
    form.addRow(QStringLiteral("Interest rate"), spin);
    QVERIFY(window.showActive());

    QLabel* period = form.label(QStringLiteral("numPeriod"));
    QCOMPARE(period->text(), QStringLiteral("&Period"));
    QCOMPARE(period->buddy(), form.field(QStringLiteral("numPeriod")));
    QCOMPARE(form.label(QStringLiteral("numFuelExp"))->buddy(),
             form.field(QStringLiteral("numFuelExp")));
    QCOMPARE(form.field(QStringLiteral("spRate")), spin);

    // The hint stands in the row of its field.
    QGridLayout* grid = form.grid();
    int row = -1;
    int column = -1;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(form.field(QStringLiteral("Text1"))), &row, &column,
                          &rowSpan, &columnSpan);
    auto* hint = qobject_cast<QLabel*>(grid->itemAtPosition(row, column + 1)->widget());
    QVERIFY(hint != nullptr);
    QCOMPARE(hint->text(), QStringLiteral("(max.50 chrs.)"));

    // The access key of a label reaches its field.
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(window.focusWidget(), form.field(QStringLiteral("numPeriod")));
}

void FormWidgetsTest::numberFieldsShareOneWidth()
{
    TestWindow window;
    auto* container = window.add(new QWidget);
    FormBuilder form(container);
    form.addRows(kForm);
    QVERIFY(window.showActive());

    const int width = form.field(QStringLiteral("numFuelExp"))->width();
    for (const char* name : {"silgEdit1", "numSalRemun", "numPeriod", "dtStartDate"}) {
        QCOMPARE(form.field(QString::fromLatin1(name))->width(), width);
    }
    QVERIFY(form.field(QStringLiteral("Text1"))->width() >= width);
}

QTEST_MAIN(FormWidgetsTest)
#include "form_widgets_test.moc"

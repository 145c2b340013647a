// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/numeric_field.h"
#include "tests/core/ui/test_window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

using grovan::FieldDescription;
using grovan::FieldKind;
using grovan::FieldSign;
using grovan::NumericField;
using grovan::testing::TestWindow;

namespace {

// An amount field of the kind most calculators use: 9 integer digits, cents, 0 upwards.
NumericField* amountField(TestWindow& window)
{
    auto* field = window.add(new NumericField);
    field->setObjectName(QStringLiteral("numSalRemun"));
    field->setRange(0.0, 999999999.99);
    field->setDigitLimits(9, 2);
    field->setDisplayFormat(QStringLiteral("### ### ##0.00"));
    return field;
}

QList<double> valuesOf(const QSignalSpy& spy)
{
    QList<double> values;
    for (const QList<QVariant>& arguments : spy) {
        values.append(arguments.at(0).toDouble());
    }
    return values;
}

} // namespace

class NumericFieldTest : public QObject
{
    Q_OBJECT

private slots:
    void typedTextFollowsTheReadingRule_data();
    void typedTextFollowsTheReadingRule();
    void shownTextFollowsTheReadingRule_data();
    void shownTextFollowsTheReadingRule();
    void wholeNumberFieldsRoundHalvesToEven_data();
    void wholeNumberFieldsRoundHalvesToEven();
    void digitLimitsRefuseKeys_data();
    void digitLimitsRefuseKeys();
    void longerValueSetByTheProgramCanBeShortened();
    void everyEditEmitsTheValue();
    void leavingOutOfRangeRestoresTheLastValueAndReports_data();
    void leavingOutOfRangeRestoresTheLastValueAndReports();
    void windowMayReplaceARejectedValue();
    void acceptedEntryIsShownInTheDisplayFormat();
    void leavingIsReportedAfterTheCommit();
    void valuesSetByTheProgramAreNotChecked();
    void resultFieldShowsRoundedKeepsExact();
    void builtFromItsDescription();
};

void NumericFieldTest::typedTextFollowsTheReadingRule_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");

    // Blanks are ignored wherever they stand, so the grouped display text reads back whole.
    QTest::newRow("grouped like the display") << "1 234 567.89"
                                              << "1 234 567.89" << 1234567.89;
    QTest::newRow("plain digits") << "250000"
                                  << "250000" << 250000.0;
    // Letters can never be part of a number: the field does not take them.
    QTest::newRow("letters refused") << "12abc3"
                                     << "123" << 123.0;
    // A comma is no decimal point in this program; refusing it shows the user what was taken.
    QTest::newRow("comma refused") << "12,5"
                                   << "125" << 125.0;
    QTest::newRow("second point refused") << "1.2.3"
                                          << "1.23" << 1.23;
    QTest::newRow("minus refused when nothing below 0 is allowed") << "-5"
                                                                   << "5" << 5.0;
    // An empty text and a text of blanks read as 0.
    QTest::newRow("emptied") << "5\b"
                             << "" << 0.0;
    QTest::newRow("blanks only") << "   "
                                 << "   " << 0.0;
    QTest::newRow("point alone") << "."
                                 << "." << 0.0;
}

void NumericFieldTest::typedTextFollowsTheReadingRule()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(double, value);
    TestWindow window;
    NumericField* field = amountField(window);
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, keys);

    QCOMPARE(field->text(), shown);
    QCOMPARE(field->value(), value);
}

void NumericFieldTest::shownTextFollowsTheReadingRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    // Texts the program may put into a result field, read back "as shown" for a printout.
    QTest::newRow("grouped amount") << "1 234.50" << 1234.5;
    QTest::newRow("reading stops at a comma") << "12,5" << 12.0;
    QTest::newRow("reading stops at a second point") << "1.2.3" << 1.2;
    QTest::newRow("leading letter gives 0") << "R 100" << 0.0;
    QTest::newRow("blanks around") << "  7 " << 7.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("negative") << "-1 500.25" << -1500.25;
}

void NumericFieldTest::shownTextFollowsTheReadingRule()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    NumericField field;
    field.setText(text);
    QCOMPARE(field.shownValue(), value);
}

void NumericFieldTest::wholeNumberFieldsRoundHalvesToEven_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shownAfterLeaving");

    // Halves go to the even neighbour; anything else to the nearest whole number.
    QTest::newRow("2.5 to 2") << "2.5" << 2.0 << "2";
    QTest::newRow("3.5 to 4") << "3.5" << 4.0 << "4";
    QTest::newRow("0.5 to 0") << "0.5" << 0.0 << "0";
    QTest::newRow("2.51 up") << "2.51" << 3.0 << "3";
    QTest::newRow("1.49 down") << "1.49" << 1.0 << "1";
    QTest::newRow("negative half to even") << "-3.5" << -4.0 << "-4";
    QTest::newRow("whole") << "40" << 40.0 << "40";
}

void NumericFieldTest::wholeNumberFieldsRoundHalvesToEven()
{
    QFETCH(QString, keys);
    QFETCH(double, value);
    QFETCH(QString, shownAfterLeaving);
    TestWindow window;
    auto* field = window.add(new NumericField);
    field->setWholeNumber(true);
    field->setRange(-999.0, 999.0);
    field->setDigitLimits(3, 2);
    QSignalSpy changes(field, &NumericField::valueChanged);
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, keys);
    QCOMPARE(field->value(), value);
    QCOMPARE(valuesOf(changes).last(), value);

    window.leave();
    QCOMPARE(field->text(), shownAfterLeaving);
    QCOMPARE(field->value(), value);
}

void NumericFieldTest::digitLimitsRefuseKeys_data()
{
    QTest::addColumn<int>("integerDigits");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");

    QTest::newRow("fourth integer digit") << 3 << 2 << 0.0 << "12345"
                                          << "123";
    QTest::newRow("third decimal") << 3 << 2 << 0.0 << "1.2345"
                                   << "1.23";
    QTest::newRow("no decimals refuse the point") << 6 << 0 << 0.0 << "12.5"
                                                  << "125";
    // Blanks are not digits, so a user may group as the display does.
    QTest::newRow("blanks do not count") << 6 << 0 << 0.0 << "123 456 7"
                                         << "123 456 ";
    QTest::newRow("minus taken below 0") << 2 << 3 << -5.0 << "-4.25"
                                         << "-4.25";
    QTest::newRow("minus only in front") << 2 << 3 << -5.0 << "4-2"
                                         << "42";
    QTest::newRow("decimals after a point typed first") << 2 << 2 << 0.0 << ".999"
                                                        << ".99";
}

void NumericFieldTest::digitLimitsRefuseKeys()
{
    QFETCH(int, integerDigits);
    QFETCH(int, decimals);
    QFETCH(double, minimum);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    TestWindow window;
    auto* field = window.add(new NumericField);
    field->setRange(minimum, 999999.0);
    field->setDigitLimits(integerDigits, decimals);
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, keys);

    QCOMPARE(field->text(), shown);
}

void NumericFieldTest::longerValueSetByTheProgramCanBeShortened()
{
    // A rewritten value (the loan buster's extra payment) may have more digits than can be
    // typed; the user must still be able to delete them.
    TestWindow window;
    auto* field = window.add(new NumericField);
    field->setDigitLimits(3, 0);
    field->setRange(0.0, 999.0);
    field->setDisplayFormat(QStringLiteral("### ### ##0"));
    field->setValue(123456.0);
    QVERIFY(window.showActive());
    QCOMPARE(field->text(), QStringLiteral("123 456"));

    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QStringLiteral("123 45"));
    QCOMPARE(field->value(), 12345.0);
    QTest::keyClick(field, Qt::Key_9);
    QCOMPARE(field->text(), QStringLiteral("123 45"));
}

void NumericFieldTest::everyEditEmitsTheValue()
{
    TestWindow window;
    NumericField* field = amountField(window);
    QSignalSpy changes(field, &NumericField::valueChanged);
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, QStringLiteral("123"));
    QCOMPARE(valuesOf(changes), (QList<double>{1.0, 12.0, 123.0}));
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(valuesOf(changes).last(), 12.0);

    changes.clear();
    field->setValue(7.0);
    field->setValue(7.0);
    QCOMPARE(valuesOf(changes), (QList<double>{7.0}));
}

void NumericFieldTest::leavingOutOfRangeRestoresTheLastValueAndReports_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<double>("rejected");
    QTest::addColumn<QString>("shown");

    // The month beneficiary counts of the annual calculator take 0 to 24.
    QTest::newRow("above the maximum") << 0.0 << 24.0 << 0 << 2.0 << "30" << false << 30.0 << "2";
    QTest::newRow("committed by Enter") << 0.0 << 24.0 << 0 << 0.0 << "25" << true << 25.0 << "0";
    // The inflation rate takes -5 to 40 with three decimals.
    QTest::newRow("below the minimum")
        << -5.0 << 40.0 << 3 << 6.0 << "-5.001" << false << -5.001 << "6.000";
    // The loan period takes 0 to 600 months.
    QTest::newRow("just above a round maximum")
        << 0.0 << 600.0 << 0 << 240.0 << "601" << false << 601.0 << "240";
}

void NumericFieldTest::leavingOutOfRangeRestoresTheLastValueAndReports()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, decimals);
    QFETCH(double, before);
    QFETCH(QString, keys);
    QFETCH(bool, byEnter);
    QFETCH(double, rejected);
    QFETCH(QString, shown);
    TestWindow window;
    auto* field = window.add(new NumericField);
    field->setRange(minimum, maximum);
    field->setDigitLimits(3, decimals);
    field->setValue(before);
    QSignalSpy changes(field, &NumericField::valueChanged);
    QSignalSpy committed(field, &NumericField::committed);
    QList<double> reported;
    // What a window does: its message, then the focus back into the field.
    connect(field, &NumericField::outOfRange, this, [&](double value) {
        reported.append(value);
        field->returnFocus();
    });
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, keys);
    if (byEnter) {
        QTest::keyClick(field, Qt::Key_Return);
        window.leave();
    } else {
        window.leave();
    }

    QTRY_COMPARE(reported, (QList<double>{rejected}));
    QCOMPARE(field->text(), shown);
    QCOMPARE(field->value(), before);
    // The window's working value follows what the field shows again.
    QCOMPARE(valuesOf(changes).last(), before);
    QCOMPARE(committed.count(), 0);
    QCOMPARE(window.focusWidget(), field);
    QCOMPARE(field->selectedText(), shown);
}

void NumericFieldTest::windowMayReplaceARejectedValue()
{
    // The annual calculator shows its message and sets a month count above 24 to 24.
    TestWindow window;
    auto* field = window.add(new NumericField);
    field->setRange(0.0, 24.0);
    field->setDigitLimits(2, 0);
    QSignalSpy changes(field, &NumericField::valueChanged);
    connect(field, &NumericField::outOfRange, this, [field] { field->setValue(24.0); });
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, QStringLiteral("30"));
    window.leave();

    QTRY_COMPARE(field->text(), QStringLiteral("24"));
    QCOMPARE(field->value(), 24.0);
    QCOMPARE(valuesOf(changes).last(), 24.0);
}

void NumericFieldTest::acceptedEntryIsShownInTheDisplayFormat()
{
    TestWindow window;
    NumericField* field = amountField(window);
    QSignalSpy committed(field, &NumericField::committed);
    QSignalSpy rejected(field, &NumericField::outOfRange);
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, QStringLiteral("1234.5"));
    window.leave();

    QCOMPARE(field->text(), QStringLiteral("1 234.50"));
    QCOMPARE(field->value(), 1234.5);
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.at(0).at(0).toDouble(), 1234.5);
    QTest::qWait(20);
    QCOMPARE(rejected.count(), 0);

    // Passing through without typing commits nothing.
    field->setFocus();
    window.leave();
    QCOMPARE(committed.count(), 1);
}

void NumericFieldTest::leavingIsReportedAfterTheCommit()
{
    // A window that reads the field's text again when the user leaves it finds the text as the
    // field will show it, whether or not it was edited.
    // Outlives the window, which takes the focus from the field as it closes.
    QStringList textsOnLeaving;
    TestWindow window;
    NumericField* field = amountField(window);
    connect(field, &NumericField::focusLeft, field, [&] { textsOnLeaving.append(field->text()); });
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, QStringLiteral("1234.5"));
    window.leave();
    field->setFocus();
    window.leave();
    // A context menu taking the focus is no leaving.
    field->setFocus();
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field, &popup);

    QCOMPARE(textsOnLeaving, (QStringList{"1 234.50", "1 234.50"}));
}

void NumericFieldTest::valuesSetByTheProgramAreNotChecked()
{
    // A spin may set a rate above what can be typed; tabbing through the field must not raise
    // the typing message for a value the user did not type.
    TestWindow window;
    auto* field = window.add(new NumericField);
    field->setRange(0.0, 40.0);
    field->setDigitLimits(2, 3);
    QSignalSpy rejected(field, &NumericField::outOfRange);
    field->setValue(45.0);
    QVERIFY(window.showActive());

    field->setFocus();
    window.leave();
    QTest::qWait(20);

    QCOMPARE(rejected.count(), 0);
    QCOMPARE(field->text(), QStringLiteral("45.000"));
    QCOMPARE(field->value(), 45.0);
}

void NumericFieldTest::resultFieldShowsRoundedKeepsExact()
{
    TestWindow window;
    auto* field = window.add(new NumericField);
    field->setDisplayFormat(QStringLiteral("### ### ##0.00"));
    field->setReadOnlyMode(true);
    QVERIFY(window.showActive());
    QCOMPARE(field->text(), QStringLiteral("0.00"));

    // M of the monthly calculator for a salary of 30 000: 61 700 / 12.
    field->setValue(61700.0 / 12.0);
    QCOMPARE(field->text(), QStringLiteral("5 141.67"));
    QCOMPARE(field->value(), 61700.0 / 12.0);
    QCOMPARE(field->shownValue(), 5141.67);

    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("99"));
    QCOMPARE(field->text(), QStringLiteral("5 141.67"));
    QVERIFY(!(field->focusPolicy() & Qt::TabFocus));
}

void NumericFieldTest::builtFromItsDescription()
{
    const FieldDescription age{.controlName = "silgEdit1",
                               .label = "Age",
                               .key = "age",
                               .meaning = "age in whole years",
                               .unit = "years",
                               .kind = FieldKind::WholeNumber,
                               .sign = FieldSign::None,
                               .minimum = 0.0,
                               .maximum = 999.0,
                               .integerDigits = 3,
                               .decimals = 1,
                               .defaultValue = 0.0,
                               .displayFormat = "",
                               .readOnly = false};
    NumericField ageField(age);
    QCOMPARE(ageField.objectName(), QStringLiteral("silgEdit1"));
    QVERIFY(ageField.isWholeNumber());
    QCOMPARE(ageField.maximum(), 999.0);
    QCOMPARE(ageField.text(), QStringLiteral("0"));
    QCOMPARE(ageField.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    const FieldDescription rate{.controlName = "numEmpEUIF",
                                .label = "Employee UIF portion",
                                .key = "employeeUIF",
                                .meaning = "",
                                .unit = "percent",
                                .kind = FieldKind::Percent,
                                .sign = FieldSign::Percent,
                                .minimum = 0.0,
                                .maximum = 100.0,
                                .integerDigits = 3,
                                .decimals = 3,
                                .defaultValue = 1.0,
                                .displayFormat = "##0.000",
                                .readOnly = false};
    NumericField rateField(rate);
    QCOMPARE(rateField.text(), QStringLiteral("1.000"));
    QCOMPARE(rateField.value(), 1.0);
    // The sign stands in a margin of its own, outside the text that is read.
    QVERIFY(rateField.textMargins().right() > 0);
    QCOMPARE(rateField.textMargins().left(), 0);

    const FieldDescription salary{.controlName = "silgEdit2",
                                  .label = "Salary/remuneration",
                                  .key = "salary",
                                  .meaning = "",
                                  .unit = "rands",
                                  .kind = FieldKind::Amount,
                                  .sign = FieldSign::Rand,
                                  .minimum = 0.0,
                                  .maximum = 999999999.0,
                                  .integerDigits = 9,
                                  .decimals = 0,
                                  .defaultValue = 0.0,
                                  .displayFormat = "",
                                  .readOnly = false};
    NumericField salaryField(salary);
    salaryField.setValue(500000.0);
    QCOMPARE(salaryField.text(), QStringLiteral("500 000"));
    QVERIFY(salaryField.textMargins().left() > 0);
    QVERIFY(salaryField.sizeHint().width() > ageField.sizeHint().width());
}

QTEST_MAIN(NumericFieldTest)
#include "numeric_field_test.moc"

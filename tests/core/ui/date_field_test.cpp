// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tax_year.h"
#include "core/ui/date_field.h"
#include "core/ui/field_access.h"
#include "tests/core/ui/test_window.h"

#include <QSignalSpy>
#include <QTest>

using grovan::CalendarDate;
using grovan::DateField;
using grovan::TaxYearEnd;
using grovan::TaxYearStart;
using grovan::testing::TestWindow;

using OptionalDate = std::optional<CalendarDate>;
using Problems = QList<DateField::Problem>;
Q_DECLARE_METATYPE(OptionalDate)

namespace {

CalendarDate day(int d, int m, int y)
{
    return *CalendarDate::fromYmd(y, m, d);
}

// What a window does with a refused date: note it (its message) and put the focus back.
void recordProblems(QObject* context, DateField* field, Problems& problems)
{
    QObject::connect(field, &DateField::invalidDate, context,
                     [field, &problems](DateField::Problem problem) {
                         problems.append(problem);
                         field->returnFocus();
                     });
}

} // namespace

class DateFieldTest : public QObject
{
    Q_OBJECT

private slots:
    void enteredDateIsJudgedOnLeaving_data();
    void enteredDateIsJudgedOnLeaving();
    void fieldThatMayBeEmpty();
    void rangeMovesWithTheOtherDate();
    void dateIsEmittedOnceWhole();
    void datesSetByTheProgramAreNotChecked();
    void builtFromItsDescription();
    void anEmptyFieldStandsForTheCalculatorsNoDate();
};

void DateFieldTest::enteredDateIsJudgedOnLeaving_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("rejected"); // the refused entry, for a date outside the range

    const auto noProblem = -1;
    const auto notADate = static_cast<int>(DateField::Problem::NotADate);
    const auto tooEarly = static_cast<int>(DateField::Problem::TooEarly);
    const auto tooLate = static_cast<int>(DateField::Problem::TooLate);
    // The tax year 01/03/2021 to 28/02/2022 is the range; the field held 01/04/2021 before.
    QTest::newRow("inside") << "15062021" << true << noProblem << "15/06/2021"
                            << "";
    QTest::newRow("first day") << "01032021" << true << noProblem << "01/03/2021"
                               << "";
    QTest::newRow("last day") << "28022022" << true << noProblem << "28/02/2022"
                              << "";
    QTest::newRow("one-digit day and month") << "1/6/2021" << true << noProblem << "01/06/2021"
                                             << "";
    QTest::newRow("day after the range") << "01032022" << false << tooLate << "01/04/2021"
                                         << "01/03/2022";
    QTest::newRow("day before the range") << "28022021" << false << tooEarly << "01/04/2021"
                                          << "28/02/2021";
    QTest::newRow("no 31 February") << "31022022" << false << notADate << "01/04/2021"
                                    << "";
    QTest::newRow("no 29 February in 2022") << "29022022" << false << notADate << "01/04/2021"
                                            << "";
    QTest::newRow("month 13") << "01132021" << false << notADate << "01/04/2021"
                              << "";
    QTest::newRow("half typed") << "0103" << false << notADate << "01/04/2021"
                                << "";
    QTest::newRow("emptied where a date is required") << "" << false << notADate << "01/04/2021"
                                                      << "";
}

void DateFieldTest::enteredDateIsJudgedOnLeaving()
{
    QFETCH(QString, keys);
    QFETCH(bool, accepted);
    QFETCH(int, problem);
    QFETCH(QString, shown);
    QFETCH(QString, rejected);
    TestWindow window;
    auto* field = window.add(new DateField);
    field->setRange(TaxYearStart, TaxYearEnd);
    field->setDate(day(1, 4, 2021));
    Problems problems;
    recordProblems(this, field, problems);
    QSignalSpy committed(field, &DateField::committed);
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, keys);
    window.leave();

    QCOMPARE(field->text(), shown);
    QCOMPARE(field->date(), CalendarDate::parse(shown.toStdString()));
    if (accepted) {
        QCOMPARE(committed.count(), 1);
        QTest::qWait(20);
        QVERIFY(problems.isEmpty());
    } else {
        QTRY_COMPARE(problems, Problems{static_cast<DateField::Problem>(problem)});
        QCOMPARE(committed.count(), 0);
        QCOMPARE(window.focusWidget(), field);
        // A window's message may quote the date that lay outside the range.
        QCOMPARE(field->rejectedDate(), CalendarDate::parse(rejected.toStdString()));
    }
}

void DateFieldTest::fieldThatMayBeEmpty()
{
    // The daily balance dates start unset and show the empty mask.
    TestWindow window;
    auto* field = window.add(new DateField);
    field->setMayBeEmpty(true);
    Problems problems;
    recordProblems(this, field, problems);
    QSignalSpy changes(field, &DateField::dateChanged);
    QVERIFY(window.showActive());
    QCOMPARE(field->displayText(), QStringLiteral("__/__/____"));
    QCOMPARE(field->date(), OptionalDate{});

    TestWindow::typeInto(field, QStringLiteral("01032021"));
    window.leave();
    QCOMPARE(field->date(), OptionalDate{TaxYearStart});

    // Emptying it again is accepted as "no date".
    TestWindow::typeInto(field, QString());
    window.leave();
    QCOMPARE(field->date(), OptionalDate{});
    QCOMPARE(field->displayText(), QStringLiteral("__/__/____"));
    QCOMPARE(changes.last().at(0).value<OptionalDate>(), OptionalDate{});

    // A text that is not a date is still refused, and the field stays empty.
    TestWindow::typeInto(field, QStringLiteral("3"));
    window.leave();
    QTRY_COMPARE(problems, Problems{DateField::Problem::NotADate});
    QCOMPARE(field->date(), OptionalDate{});
}

void DateFieldTest::rangeMovesWithTheOtherDate()
{
    // The annual calculator: the start date may not pass the end date and the other way round;
    // each field takes its limit from the other when it gets the focus.
    TestWindow window;
    auto* start = window.add(new DateField);
    auto* end = window.add(new DateField);
    start->setRange(TaxYearStart, TaxYearEnd);
    end->setRange(TaxYearStart, TaxYearEnd);
    start->setDate(TaxYearStart);
    end->setDate(day(30, 6, 2021));
    connect(start, &DateField::focusEntered, this, [=] { start->setLatest(end->date()); });
    connect(end, &DateField::focusEntered, this, [=] { end->setEarliest(start->date()); });
    Problems startProblems;
    Problems endProblems;
    recordProblems(this, start, startProblems);
    recordProblems(this, end, endProblems);
    QVERIFY(window.showActive());

    TestWindow::typeInto(start, QStringLiteral("01072021"));
    window.leave();
    QTRY_COMPARE(startProblems, Problems{DateField::Problem::TooLate});
    QCOMPARE(start->date(), OptionalDate{TaxYearStart});

    TestWindow::typeInto(start, QStringLiteral("30062021"));
    window.leave();
    QCOMPARE(start->date(), OptionalDate{day(30, 6, 2021)});

    TestWindow::typeInto(end, QStringLiteral("29062021"));
    window.leave();
    QTRY_COMPARE(endProblems, Problems{DateField::Problem::TooEarly});
    QCOMPARE(end->date(), OptionalDate{day(30, 6, 2021)});

    TestWindow::typeInto(end, QStringLiteral("28022022"));
    window.leave();
    QCOMPARE(end->date(), OptionalDate{TaxYearEnd});
    QCOMPARE(endProblems.size(), 1);
}

void DateFieldTest::dateIsEmittedOnceWhole()
{
    TestWindow window;
    auto* field = window.add(new DateField);
    QSignalSpy changes(field, &DateField::dateChanged);
    QVERIFY(window.showActive());

    TestWindow::typeInto(field, QStringLiteral("1506202"));
    QCOMPARE(changes.count(), 0);
    QTest::keyClick(field, Qt::Key_1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).value<OptionalDate>(), OptionalDate{day(15, 6, 2021)});
    QCOMPARE(field->date(), OptionalDate{day(15, 6, 2021)});
}

void DateFieldTest::datesSetByTheProgramAreNotChecked()
{
    TestWindow window;
    auto* field = window.add(new DateField);
    field->setRange(TaxYearStart, TaxYearEnd);
    QSignalSpy refused(field, &DateField::invalidDate);
    field->setDate(day(1, 1, 1800));
    QVERIFY(window.showActive());

    field->setFocus();
    window.leave();
    QTest::qWait(20);

    QCOMPARE(refused.count(), 0);
    QCOMPARE(field->text(), QStringLiteral("01/01/1800"));
}

void DateFieldTest::builtFromItsDescription()
{
    const grovan::FieldDescription description{.controlName = "dtStartDate",
                                               .label = "Start date",
                                               .key = "startDate",
                                               .meaning = "",
                                               .unit = "date",
                                               .kind = grovan::FieldKind::Date,
                                               .sign = grovan::FieldSign::None,
                                               .minimum = TaxYearStart.dayNumber(),
                                               .maximum = TaxYearEnd.dayNumber(),
                                               .integerDigits = 0,
                                               .decimals = 0,
                                               .defaultValue = TaxYearStart.dayNumber(),
                                               .displayFormat = "",
                                               .readOnly = false};
    DateField field(description);
    QCOMPARE(field.objectName(), QStringLiteral("dtStartDate"));
    QCOMPARE(field.text(), QStringLiteral("01/03/2021"));
    QCOMPARE(field.earliest(), OptionalDate{TaxYearStart});
    QCOMPARE(field.latest(), OptionalDate{TaxYearEnd});
    QVERIFY(!field.mayBeEmpty());
}

void DateFieldTest::anEmptyFieldStandsForTheCalculatorsNoDate()
{
    // The daily balance calculator keeps 01/01/1800 for "no date": its field shows that as empty,
    // and an emptied field hands it back.
    const CalendarDate noDate = day(1, 1, 1800);
    grovan::FieldDescription description{
        .controlName = "dtEndDate",
        .label = "End date",
        .key = "endDate",
        .meaning = "",
        .unit = "date",
        .kind = grovan::FieldKind::Date,
        .sign = grovan::FieldSign::None,
        .minimum = static_cast<double>(day(1, 1, 1900).dayNumber()),
        .maximum = static_cast<double>(day(31, 12, 9999).dayNumber()),
        .integerDigits = 0,
        .decimals = 0,
        .defaultValue = static_cast<double>(noDate.dayNumber()),
        .displayFormat = "",
        .readOnly = false,
        .mayBeEmpty = true};
    TestWindow window;
    auto* field = window.add(new DateField(description));
    QCOMPARE(field->emptyDate(), OptionalDate{noDate});
    QCOMPARE(field->date(), OptionalDate{});
    QList<CalendarDate> edited;
    grovan::onInputEdited(field, this, [&edited](const grovan::InputValue& value) {
        edited.append(std::get<CalendarDate>(value));
    });
    QVERIFY(window.showActive());
    QCOMPARE(field->displayText(), QStringLiteral("__/__/____"));

    grovan::showInputValue(field, TaxYearStart);
    QCOMPARE(field->text(), QStringLiteral("01/03/2021"));
    TestWindow::typeInto(field, QString());
    window.leave();
    QCOMPARE(field->date(), OptionalDate{});
    grovan::showInputValue(field, noDate);
    QCOMPARE(field->displayText(), QStringLiteral("__/__/____"));
    QCOMPARE(edited, (QList<CalendarDate>{TaxYearStart, noDate}));
}

QTEST_MAIN(DateFieldTest)
#include "date_field_test.moc"

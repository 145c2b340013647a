// SPDX-License-Identifier: GPL-3.0-or-later
// Every calculator window of the program, opened as the main window opens it:
// - with each input and set-up value at the largest value its field takes, after "&Calculate"
//   every result field shows its whole figure (a field too narrow hides the first digits,
//   "R? 204 749 705.61");
// - made larger, as maximising it does, the window keeps its form as it was: every field and
//   button keeps its size and its place.

#include "core/calculator_catalogue.h"
#include "core/ui/field_access.h"
#include "core/ui/numeric_field.h"
#include "core/ui/qt_text.h"
#include "core/ui/window_registry.h"
#include "shell/calculators.h"
#include "shell/ui/program_windows.h"
#include "tests/paye/ui/calculator_window_fixture.h"
#include "tests/shell/ui/largest_cases.h"

#include <QPushButton>
#include <QStyleOptionFrame>
#include <QtTest>

#include <map>

namespace grovan {

using testing::CalculatorWindowFixture;

namespace {

// The largest value a field takes, as the window holds it; nothing for a text or an open date.
std::optional<InputValue> largestValue(const FieldDescription& field,
                                       const testing::LargestCase* limits)
{
    if (field.kind == FieldKind::Text) {
        return std::nullopt;
    }
    if (field.kind == FieldKind::Date) {
        if (field.maximum == 0.0) {
            return std::nullopt;
        }
        return CalendarDate::fromDayNumber(
            static_cast<std::int32_t>(testing::largestNumber(field, limits)));
    }
    return testing::largestNumber(field, limits);
}

// Puts the largest value into each field of `group` that the window shows as a number or date.
void setLargest(const QWidget& window, const FieldGroup& group, const testing::LargestCase* limits)
{
    for (const FieldDescription* field : group.fields) {
        auto* widget = window.findChild<QWidget*>(qText(field->controlName));
        const std::optional<InputValue> value = largestValue(*field, limits);
        if (widget != nullptr && value && !widget->inherits("QAbstractButton")) {
            showInputValue(widget, *value);
        }
    }
}

// The width the field's text has inside its frame, sign and margins.
int textRoom(const NumericField& field)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    constexpr int kLineEditMargin = 2; // QLineEdit's own space on either side of its text
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

// Opens the calculator's window as the main window does, shown and active; nullptr when it never
// became active.
std::unique_ptr<QWidget> openWindow(CalculatorWindowFixture& shell, const Calculator& calculator)
{
    addProgramWindows(shell.calculators, shell.state);
    std::unique_ptr<QWidget> window =
        (*shell.calculators.find(calculator.windowName()))(shell.windowContext);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) {
        return nullptr;
    }
    return window;
}

// One row for each calculator whose window the program registers.
void addWindowRows()
{
    QTest::addColumn<QString>("calculator");
    CalculatorWindowFixture shell;
    addProgramWindows(shell.calculators, shell.state);
    for (const Calculator* calculator : programCalculators().calculators()) {
        if (shell.calculators.find(calculator->windowName()) != nullptr) {
            const QString name = qText(calculator->name());
            QTest::newRow(qPrintable(name)) << name;
        }
    }
}

// The window's fields and buttons where they stand inside it.
std::map<QWidget*, QRect> controlPlaces(QWidget& window)
{
    std::map<QWidget*, QRect> places;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if ((qobject_cast<QLineEdit*>(widget) != nullptr ||
             qobject_cast<QPushButton*>(widget) != nullptr) &&
            widget->isVisible()) {
            places[widget] = QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        }
    }
    return places;
}

} // namespace

class CalculatorWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyResultShowsItsLargestFigureWhole_data() { addWindowRows(); }

    void everyResultShowsItsLargestFigureWhole()
    {
        QFETCH(QString, calculator);
        const Calculator* calc = programCalculators().find(calculator.toStdString());
        QVERIFY(calc != nullptr);
        if (calculator == QStringLiteral("companycar")) {
            QSKIP("the company car window takes a vehicle's figures as they are typed, one "
                  "vehicle at a time; this test puts the values into the fields");
        }
        CalculatorWindowFixture shell;
        std::unique_ptr<QWidget> window = openWindow(shell, *calc);
        QVERIFY(window);

        for (const FieldGroup& group : calc->fields()) {
            if (group.role == FieldRole::Input) {
                setLargest(*window, group, testing::largestCaseOf(calc->name()));
            }
        }
        if (auto* settings = window->findChild<QPushButton*>(QStringLiteral("cmdSettings"))) {
            QTest::mouseClick(settings, Qt::LeftButton);
            for (const FieldGroup& group : calc->fields()) {
                if (group.role == FieldRole::Setup) {
                    setLargest(*window, group, testing::largestCaseOf(calc->name()));
                }
            }
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdSetupOK")),
                              Qt::LeftButton);
        }
        if (auto* calculate = window->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))) {
            QTRY_VERIFY(calculate->isEnabled());
            QTest::mouseClick(calculate, Qt::LeftButton);
        }
        QVERIFY2(shell.sink.messages.empty(), shell.sink.messages.front().text.c_str());

        bool someFigure = false;
        int shownFields = 0;
        for (const FieldGroup& group : calc->fields()) {
            if (group.role != FieldRole::Result) {
                continue;
            }
            for (const FieldDescription* result : group.fields) {
                const QString name = qText(result->controlName);
                auto* field = name.isEmpty() ? nullptr : window->findChild<NumericField*>(name);
                // A field the window hides (a figure too large to show gives way to a note)
                // shows nothing.
                if (field == nullptr || field->isHidden()) {
                    continue;
                }
                ++shownFields;
                someFigure = someFigure || field->value() != 0.0;
                const int needed = field->fontMetrics().horizontalAdvance(field->text());
                QVERIFY2(needed <= textRoom(*field),
                         qPrintable(QStringLiteral("%1 shows \"%2\" (%3 pixels) in %4 pixels")
                                        .arg(name, field->text())
                                        .arg(needed)
                                        .arg(textRoom(*field))));
            }
        }
        if (shownFields == 0 && !calc->resultTables().empty()) {
            QSKIP("the results are the cells of a grid, which the printout test holds to its "
                  "largest figures");
        }
        QVERIFY2(someFigure, "no result shows a figure: the largest inputs did not arrive");
    }

    void aLargerWindowKeepsItsFormAsItIs_data() { addWindowRows(); }

    void aLargerWindowKeepsItsFormAsItIs()
    {
        QFETCH(QString, calculator);
        const Calculator* calc = programCalculators().find(calculator.toStdString());
        QVERIFY(calc != nullptr);
        CalculatorWindowFixture shell;
        std::unique_ptr<QWidget> window = openWindow(shell, *calc);
        QVERIFY(window);
        const std::map<QWidget*, QRect> before = controlPlaces(*window);
        QVERIFY(!before.empty());

        // As maximising the window inside the main window makes it.
        const QSize larger = window->size() * 8 / 5;
        window->resize(larger);
        QTRY_COMPARE(window->size(), larger);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

        for (const auto& [widget, place] : controlPlaces(*window)) {
            const QString name = widget->objectName().isEmpty()
                                     ? QString::fromLatin1(widget->metaObject()->className())
                                     : widget->objectName();
            QVERIFY2(before.contains(widget), qPrintable(name + " appeared"));
            QVERIFY2(place == before.at(widget), qPrintable(name + " moved or changed its size"));
        }
    }
};

} // namespace grovan

QTEST_MAIN(grovan::CalculatorWindowsTest)
#include "calculator_windows_test.moc"

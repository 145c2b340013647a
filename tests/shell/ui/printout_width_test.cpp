// SPDX-License-Identifier: GPL-3.0-or-later
// Every printout of every calculator the program registers, with each input and set-up value at
// the largest value its field takes, laid out on the template's pages: every line must still fit
// on one line. An amount that wraps reads as a much smaller number ("R 100 041" over "409.00").

#include "core/calculator_catalogue.h"
#include "core/calendar_date.h"
#include "core/print_database.h"
#include "core/report_file.h"
#include "core/ui/report_page_painter.h"
#include "shell/calculators.h"
#include "tests/shell/ui/largest_cases.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <set>

namespace grovan {

using testing::RecordingSink;
using testing::TempFolder;

namespace {

std::filesystem::path shipped(std::string_view name)
{
    return std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" / "reports" / name;
}

// A name of full length for a text field, in letters and blanks as names are written.
std::string longestName(double length)
{
    const std::string words = "Nomvuyiseko Wolmarans-Wessels Mmabatho Christabell ";
    std::string name;
    while (static_cast<double>(name.size()) < length) {
        name += words[name.size() % words.size()];
    }
    return name;
}

RawValue number(double value)
{
    return RawValue{RawType::Number, value, {}};
}

// A whole-number input with a handful of values, such as a mode or an option: the printouts
// are tried with each of its values, so that every template a choice leads to is laid out.
bool isChoice(const FieldDescription& field)
{
    return field.kind == FieldKind::WholeNumber && field.maximum - field.minimum <= 9;
}

// A field's largest value as its input, or nothing for a date without a latest day.
std::optional<RawValue> largestValue(const FieldDescription& field,
                                     const testing::LargestCase* limits)
{
    switch (field.kind) {
    case FieldKind::Text:
        return RawValue{RawType::String, 0.0, longestName(field.maximum)};
    case FieldKind::Date:
        if (field.maximum == 0.0) {
            return std::nullopt;
        }
        return RawValue{RawType::String, 0.0,
                        CalendarDate::fromDayNumber(
                            static_cast<std::int32_t>(testing::largestNumber(field, limits)))
                            .text()};
    default:
        break;
    }
    return number(testing::largestNumber(field, limits));
}

// Records of a register at their largest, enough of them to share what the case divides.
constexpr int kLargestRecords = 3;

// Every input and set-up value at its field's largest value: numbers at their maximum, dates at
// their latest day, texts at their full length; a list (a register's vehicles) of records so.
RawInput largestInputs(const Calculator& calculator)
{
    const testing::LargestCase* limits = testing::largestCaseOf(calculator.name());
    RawInput input;
    RawInput record;
    std::string_view list;
    for (const FieldGroup& group : calculator.fields()) {
        if (group.role == FieldRole::Result) {
            continue;
        }
        RawInput& target = group.list.empty() ? input : record;
        if (!group.list.empty()) {
            list = group.list;
        }
        for (const FieldDescription* field : group.fields) {
            if (auto value = largestValue(*field, limits)) {
                target.values.emplace_back(std::string(field->key), std::move(*value));
            }
        }
    }
    if (!list.empty()) {
        RawValue records{RawType::List, 0.0, {}};
        records.items.assign(kLargestRecords, record);
        input.values.emplace_back(std::string(list), std::move(records));
    }
    return input;
}

constexpr std::size_t kMostCases = 1024;

// Each combination of the choice inputs' values over the largest inputs, the largest first.
std::vector<RawInput> casesOf(const Calculator& calculator)
{
    std::vector<RawInput> cases{largestInputs(calculator)};
    for (const FieldGroup& group : calculator.fields()) {
        if (group.role != FieldRole::Input || !group.list.empty()) {
            continue;
        }
        for (const FieldDescription* field : group.fields) {
            if (!isChoice(*field)) {
                continue;
            }
            // Combined with the choices before it while the cases stay few; otherwise each of
            // its values once, over the largest case.
            const auto values = static_cast<std::size_t>(field->maximum - field->minimum) + 1;
            const bool combine = cases.size() * values <= kMostCases;
            std::vector<RawInput> more = combine ? std::vector<RawInput>{} : cases;
            for (std::size_t i = 0; i < (combine ? cases.size() : 1); ++i) {
                for (double value = field->maximum; value >= field->minimum; value -= 1.0) {
                    RawInput input = cases[i];
                    input.values.emplace_back(std::string(field->key), number(value));
                    more.push_back(std::move(input));
                }
            }
            cases = std::move(more);
        }
    }
    return cases;
}

// Runs a case; an input the calculator refuses at its maximum (a search with no answer there)
// is brought down a digit at a time until the case is calculated.
std::variant<CalculationOutput, InputError> runLargest(const Calculator& calculator, RawInput input)
{
    RunOptions options;
    options.storedSetup = [] {
        return SetupValues{};
    };
    auto outcome = calculator.run(input, options);
    for (int tries = 0; tries < 12; ++tries) {
        const auto* error = std::get_if<InputError>(&outcome);
        const RawValue* refused = error == nullptr ? nullptr : input.find(error->key);
        if (refused == nullptr || refused->type != RawType::Number || refused->number == 0.0) {
            break;
        }
        input.values.emplace_back(error->key, number(std::trunc(refused->number / 10.0)));
        outcome = calculator.run(input, options);
    }
    return outcome;
}

} // namespace

class PrintoutWidthTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTemplatePrintsItsLargestValuesOnOneLine_data()
    {
        QTest::addColumn<QString>("calculator");
        for (const Calculator* calculator : programCalculators().calculators()) {
            if (!calculator->printTemplates().empty()) {
                const QString name = QString::fromUtf8(calculator->name().data(),
                                                       qsizetype(calculator->name().size()));
                QTest::newRow(qPrintable(name)) << name;
            }
        }
    }

    void everyTemplatePrintsItsLargestValuesOnOneLine()
    {
        QFETCH(QString, calculator);
        const Calculator* calc = programCalculators().find(calculator.toStdString());
        QVERIFY(calc != nullptr);
        const TempFolder folder;
        RecordingSink sink;
        const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(),
                                     sink);
        QVERIFY(database.prepare());
        sink.messages.clear();

        std::vector<PrintLanguage> languages{PrintLanguage::English};
        if (calc->printLanguages() == PrintLanguages::EnglishAndAfrikaans) {
            languages.push_back(PrintLanguage::Afrikaans);
        }
        std::set<std::string> laidOut;
        std::set<std::pair<std::string, PrintLanguage>> tried;
        bool calculated = false;
        QString refusal;
        for (const RawInput& input : casesOf(*calc)) {
            auto outcome = runLargest(*calc, input);
            if (const auto* error = std::get_if<InputError>(&outcome)) {
                if (refusal.isEmpty()) {
                    refusal = QString::fromStdString(error->key + ": " + error->message);
                }
                continue;
            }
            calculated = true;
            const CalculationOutput& output = std::get<CalculationOutput>(outcome);
            QVERIFY2(output.printout, output.printRefusal.c_str());
            for (const PrintLanguage language : languages) {
                const Printout printout = output.printout(language);
                const std::string templateFile(printout.templateFile);
                if (!tried.insert({templateFile, language}).second) {
                    continue; // laid out already, with the largest values that reach it
                }
                QVERIFY(database.write(printout.writes));
                const auto report = renderReportFile(shipped(templateFile), database, sink);
                QVERIFY2(report.has_value(),
                         sink.messages.empty() ? "" : sink.messages.back().text.c_str());
                const QStringList overlong = ReportPagePainter(*report).overlongTexts();
                QVERIFY2(overlong.isEmpty(),
                         qPrintable(QStringLiteral("%1 (%2) does not fit on one line: \"%3\"")
                                        .arg(QString::fromStdString(templateFile),
                                             language == PrintLanguage::Afrikaans
                                                 ? QStringLiteral("Afrikaans")
                                                 : QStringLiteral("English"),
                                             overlong.join(QStringLiteral("\", \"")))));
                laidOut.insert(templateFile);
            }
        }
        QVERIFY2(calculated, qPrintable(QStringLiteral("no case was calculated: ") + refusal));
        for (const std::string_view templateFile : calc->printTemplates()) {
            QVERIFY2(laidOut.contains(std::string(templateFile)),
                     qPrintable(QStringLiteral("no case with the largest inputs (and every value "
                                               "of the choice inputs) prints %1")
                                    .arg(QString::fromUtf8(templateFile.data(),
                                                           qsizetype(templateFile.size())))));
        }
    }
};

} // namespace grovan

QTEST_MAIN(grovan::PrintoutWidthTest)
#include "printout_width_test.moc"

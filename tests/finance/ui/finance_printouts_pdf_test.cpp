// SPDX-License-Identifier: GPL-3.0-or-later
// The loan buster, loan comparison, daily balance and inflation printouts on paper: each prints
// on one page, and the widest value each of its fields can hold stands on one line.

#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "core/ui/report_pdf.h"
#include "finance/daily_balance_calculator.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <QProcess>
#include <QtTest>

#include <vector>

namespace grovan {

using testing::RecordingSink;
using testing::TempFolder;

namespace {

// Every amount a printout shows stays below 100 000 000 000 rand: the largest principal repaid
// over 600 months at 50 % costs about 2 500 000 000, the largest capital at 40 % over 10 960
// days earns 12 010 958 904.10, and the largest present cost's buying power after 40 years at
// -5 % is 2 147 483 647 / 0.95^40, about 16 700 000 000.
constexpr double kLargestAmount = 99999999999.99;

struct PrintoutCase
{
    const char* name;
    const char* templateFile;
    const char* table;
    Row row;
    /// What the page must show, each on one line.
    std::vector<const char*> shown;
};

std::int64_t lastDate()
{
    return CalendarDate::fromYmd(9999, 12, 31)->dayNumber();
}

const std::vector<PrintoutCase>& cases()
{
    static const std::vector<PrintoutCase> all{
        {"loan_buster",
         "loanbuster.rpt",
         "BondBust",
         {{"PAmt", 99999999.99},
          {"Period", std::int64_t{600}},
          {"IntRate", 50.0},
          {"MonRep", kLargestAmount},
          {"TotIntPaid", kLargestAmount},
          {"TotRep", kLargestAmount},
          {"XtraPay", 99999999.99},
          {"Xper", std::int64_t{600}},
          {"XMonRep", kLargestAmount},
          {"XTotIntPaid", kLargestAmount},
          {"XTotRep", kLargestAmount},
          {"XTotSavings", kLargestAmount}},
         {"99 999 999.99", "600 months", "50.000 % p.a.", "99 999 999 999.99",
          "Without extra payments", "With extra payments", "Total saving"}},
        {"loan_comparison",
         "LoanComparison.rpt",
         "BondComp",
         [] {
             Row row{{"PAmt", 99999999.99}, {"IntRate", 50.0}};
             for (int k = 1; k <= 6; ++k) {
                 const std::string n = std::to_string(k);
                 row.push_back({"MonRep" + n, kLargestAmount});
                 row.push_back({"IntPaid" + n, -99999999.99});
                 row.push_back({"Total" + n, kLargestAmount});
             }
             return row;
         }(),
         {"99 999 999.99", "50.000 % p.a.", "99 999 999 999.99", "-99 999 999.99", "30 yrs."}},
        {"daily_balance",
         "DayBal.rpt",
         "DailyBal",
         {{"CapAmount", 999999999.99},
          {"StartDate", lastDate() - 10960},
          {"EndDate", lastDate()},
          {"IntRate", 40.0},
          {"ANS1", kLargestAmount},
          {"ANS2", std::int64_t{10960}}},
         {"999 999 999.99", "31/12/9999", "10960", "40.000 % p.a.", "99 999 999 999.99"}},
        {"inflation",
         "Inflatin.rpt",
         "Inflation",
         {{"PresCost", 2147483647.0},
          {"Period", 40.0},
          {"InflaRate", -5.0},
          {"Ans1", 9999999999.0},
          {"ANS2", kLargestAmount}},
         {"2 147 483 647", "40 year/s", "-5.000 % p.a.", "9 999 999 999", "100 000 000 000"}},
    };
    return all;
}

QString pdfText(const std::filesystem::path& file)
{
    QProcess process;
    process.start(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(file.string()), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QStringLiteral("(pdftotext failed)");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class FinancePrintoutsPdfTest : public QObject
{
    Q_OBJECT

private slots:
    void widestValuesOnOnePage_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < cases().size(); ++i) {
            QTest::newRow(cases()[i].name) << static_cast<int>(i);
        }
    }

    void widestValuesOnOnePage()
    {
        QFETCH(int, index);
        const PrintoutCase& c = cases()[static_cast<std::size_t>(index)];
        TempFolder folder;
        RecordingSink sink;
        const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(),
                                     sink);
        QVERIFY(database.prepare());
        sink.messages.clear(); // the new database's notice
        QVERIFY(database.writeRow(c.table, c.row));
        const auto pdf = folder / "printout.pdf";
        QVERIFY(renderReportToPdf(std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" /
                                      "reports" / c.templateFile,
                                  database, pdf, sink));
        QVERIFY2(sink.messages.empty(),
                 sink.messages.empty() ? "" : sink.messages.front().text.c_str());
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Page 1 of 1")), qPrintable(text));
        for (const char* value : c.shown) {
            QVERIFY2(text.contains(QLatin1String(value)),
                     qPrintable(QLatin1String(value) + QStringLiteral(":\n") + text));
        }
    }
};

} // namespace grovan

QTEST_MAIN(grovan::FinancePrintoutsPdfTest)
#include "finance_printouts_pdf_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The loan printout on paper: a 600-month schedule runs over many pages, each with the schedule's
// column headings and its page number, painted by the program's page painter into a PDF.

#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "core/report_file.h"
#include "core/report_renderer.h"
#include "core/ui/report_page_painter.h"
#include "core/ui/report_pdf.h"
#include "finance/loan_printout.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <QProcess>
#include <QtTest>

namespace grovan {

using testing::RecordingSink;
using testing::TempFolder;

namespace {

std::filesystem::path shipped(const std::string& name)
{
    return std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" / "reports" / name;
}

// One page of a PDF file as a reader would copy it.
QString pdfPage(const std::filesystem::path& file, int page)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page),
                   QString::fromStdString(file.string()), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QStringLiteral("(pdftotext failed)");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The largest figures a loan printout can hold: the fields' maxima (principal 99 999 999.99,
// 600 months, repayment 9 999 999.99), the largest rate the rate search finds (1 rand over 600
// months at 9 999 999.99: 11 999 999 988 %), totals of 600 such repayments, and a year's interest
// of twelve of them.
const Row kWidestLoan{
    {"Heading", std::string("Monthly repayment")},
    {"Num1", 99999999.99},
    {"Num2", 600.0},
    {"Num3", 11999999988.0},
    {"Num4", 9999999.99},
    {"FinText1", std::string("Total Interest")},
    {"FinText1A", std::string(": R")},
    {"FinNum1", 5999999994.0},
    {"FinText2", std::string("Total Repayments")},
    {"FinNum2", 5999999994.0},
    {"YearMon", std::string("Month")},
};
const Row kWidestLine{{"Year", std::int64_t{600}},
                      {"Capital", 99999999.99},
                      {"Interest", 119999999.88},
                      {"Required", 99999999.99}};

} // namespace

class LoanPrintoutPdfTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTemplatePrintsTheLargestFiguresOnOneLine_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"Lonrepa.rpt", "LonrepaA.rpt", "LonPrAm.rpt", "LonPrAmA.rpt",
                                 "LonRPer.rpt", "LonRPerA.rpt", "LonInRt.rpt", "LonInRtA.rpt"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void everyTemplatePrintsTheLargestFiguresOnOneLine()
    {
        QFETCH(QString, file);
        TempFolder folder;
        RecordingSink sink;
        const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(),
                                     sink);
        QVERIFY(database.prepare());
        QVERIFY(database.writeRow("Loans", kWidestLoan));
        QVERIFY(database.replaceLines("Amort", {kWidestLine, kWidestLine}));
        const auto pdf = folder / "loan.pdf";
        QVERIFY(renderReportToPdf(shipped(file.toStdString()), database, pdf, sink));
        const QString text = pdfPage(pdf, 1);
        QStringList expected{"99 999 999.99",    "600 months",       "11999999988.000 % p.a.",
                             "9 999 999.99",     "5 999 999 994.00", "Total Interest",
                             "Total Repayments", "Monthly repayment"};
        if (file.endsWith(QStringLiteral("A.rpt"))) {
            expected << QStringLiteral("119 999 999.88") << QStringLiteral("Month");
        }
        for (const QString& figure : expected) {
            QVERIFY2(text.contains(figure), qPrintable(figure + QStringLiteral(" in\n") + text));
        }
    }

    void aSixHundredMonthScheduleRunsOverPagesWithItsHeadingsOnEach()
    {
        TempFolder folder;
        RecordingSink sink;
        const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(),
                                     sink);
        QVERIFY(database.prepare());
        sink.messages.clear();
        LoanState loan;
        loan.Principal = 500000;
        loan.PeriodMonths = 600;
        loan.AnnualRate = 10;
        loan.FinChargesState = FinCharges::Down;
        LoanPrintOptions options;
        options.setCheck1(true);
        options.chooseOption1(1);
        const auto printout = buildLoanPrintout(loan, options);
        QVERIFY(printout.has_value());
        QVERIFY(writeLoanPrintout(database, *printout));

        const auto templateFile = shipped(printout->report.templateFile);
        const auto pdf = folder / "loan.pdf";
        QVERIFY(renderReportToPdf(templateFile, database, pdf, sink));
        const auto report = renderReportFile(templateFile, database, sink);
        QVERIFY(report.has_value());
        const int pages = ReportPagePainter(*report).pageCount();
        QVERIFY2(pages >= 10, qPrintable(QString::number(pages)));
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfPage(pdf, page);
            QVERIFY2(text.contains(QStringLiteral("Capital payment")), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("Month")), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)),
                     qPrintable(text));
        }
        const QString first = pdfPage(pdf, 1);
        QVERIFY(first.contains(QStringLiteral("4 195.53")));
        QVERIFY(first.contains(QStringLiteral("Total Repayments")));
        const QString last = pdfPage(pdf, pages);
        // The last month: 4 195.53 / (1 + 0.1/12) of capital, the rest interest, nothing owed.
        QVERIFY2(last.contains(QRegularExpression(
                     QStringLiteral("600\\s+4 160\\.85\\s+34\\.67\\s+0\\.00\\s"))),
                 qPrintable(last));
        QVERIFY(sink.messages.empty());
    }
};

} // namespace grovan

QTEST_MAIN(grovan::LoanPrintoutPdfTest)
#include "loan_printout_pdf_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_database.h"
#include "core/report_file.h"
#include "core/ui/printer_choice.h"
#include "core/ui/report_page_painter.h"
#include "core/ui/report_pdf.h"
#include "core/ui/report_viewer.h"
#include "tests/support/recording_sink.h"
#include "tests/support/report_test_schema.h"
#include "tests/support/special_files.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace grovan {

using testing::RecordingSink;
using testing::TempFolder;

namespace {

// The templates the program ships, in the source tree beside these tests.
std::filesystem::path shipped(const char* name)
{
    return std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" / "reports" / name;
}

// The text of a PDF file (one page of it, or all), as a reader would copy it.
QString pdfText(const std::filesystem::path& file, int page = 0)
{
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0) {
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    }
    arguments << QString::fromStdString(file.string()) << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QStringLiteral("(pdftotext failed: %1)")
            .arg(QString::fromLocal8Bit(process.readAllStandardError()));
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A few fields of the annual printout as the calculator writes them: labels in the language
// chosen, the same values in both.
Row annualRow(bool afrikaans)
{
    const auto text = [&](const char* english, const char* afrikaansText) -> FieldValue {
        return std::string(afrikaans ? afrikaansText : english);
    };
    return {{"TypeAM", text("Annual Check", "Jaarlikse Inkomste")},
            {"Employee", text(" For : A. Clerk & Sons <Pty>", "Vir : A. Clerk & Seuns <Edms>")},
            {"Age", text("Age : ", "Ouderdom : ")},
            {"AgeNum", std::int64_t{40}},
            {"Sal", text("Remuneration/salary", "Besoldiging")},
            {"SalNum", 360000.0},
            {"Taxliability", text("Tax liability", "Belasting verpligting")},
            {"Taxliabilitynum", 61700.0},
            {"TOTAL", text("Total tax deduction", "Totaal")},
            {"TotalNum", 61700.0},
            {"EOE", text("(E.& O.E.)", "(B.& F.W.)")}};
}

const char* const kAnnualTitle =
    "Annual - To export printout click on the suitcase button or goto Help";

} // namespace

class ReportViewerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<RecordingSink> m_sink;
    std::unique_ptr<PrintDatabase> m_database;
    std::unique_ptr<PrinterChoice> m_printers;
    std::unique_ptr<ReportViewer> m_viewer;
    QString m_saveAnswer;
    QString m_suggested;
    int m_printDialogs = 0;
    bool m_printAnswer = true;

    std::filesystem::path path(const char* name) const { return *m_folder / name; }

    void previewAnnual()
    {
        m_viewer->setTemplateFile(shipped("Annual.rpt"));
        m_viewer->setWindowTitle(QString::fromLatin1(kAnnualTitle));
        m_viewer->setDestination(PrintDestination::Window);
        QVERIFY(m_viewer->start());
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        m_sink = std::make_unique<RecordingSink>();
        m_database = std::make_unique<PrintDatabase>(path("Crysprin.mdb"),
                                                     testing::reportTestSchema(), *m_sink);
        QVERIFY(m_database->prepare());
        m_sink->messages.clear();
        QVERIFY(m_database->writeRow("IRP5Ann", annualRow(false)));
        m_printers = std::make_unique<PrinterChoice>();
        m_viewer = std::make_unique<ReportViewer>(*m_database, *m_printers, *m_sink, nullptr);
        m_saveAnswer.clear();
        m_suggested.clear();
        m_printDialogs = 0;
        m_printAnswer = true;
        ReportDialogs dialogs;
        dialogs.saveFile = [this](QWidget*, const QString& suggested) {
            m_suggested = suggested;
            return m_saveAnswer;
        };
        dialogs.print = [this](QPrinter& printer, QWidget*) {
            ++m_printDialogs;
            // As a user choosing to print to a file in the dialog.
            printer.setOutputFileName(QString::fromStdString(path("dialog.pdf").string()));
            return m_printAnswer;
        };
        m_viewer->setDialogs(std::move(dialogs));
    }

    void cleanup()
    {
        m_viewer.reset();
        m_printers.reset();
        m_database.reset();
        m_sink.reset();
        m_folder.reset();
    }

    void previewShowsThePagesUnderTheGivenTitle()
    {
        previewAnnual();
        ReportPreviewWindow* window = m_viewer->previewWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QString::fromLatin1(kAnnualTitle));
        QCOMPARE(window->pageCount(), 1);
        QVERIFY(m_sink->messages.empty());
    }

    void printingDirectlyAfterAPreviewKeepsThePreviewsTitle()
    {
        previewAnnual();
        m_printers->printer().setOutputFileName(
            QString::fromStdString(path("printer.pdf").string()));
        m_viewer->setDestination(PrintDestination::Printer);
        QVERIFY(m_viewer->start());

        QCOMPARE(m_viewer->windowTitle(), QString::fromLatin1(kAnnualTitle));
        QCOMPARE(m_viewer->previewWindow()->windowTitle(), QString::fromLatin1(kAnnualTitle));
        QCOMPARE(m_printDialogs, 0);
        const QString printed = pdfText(path("printer.pdf"));
        QVERIFY2(printed.contains(QStringLiteral("Annual Check")), qPrintable(printed));
        QVERIFY(m_sink->messages.empty());
    }

    void exportWritesThePagesToTheChosenPdf_data()
    {
        QTest::addColumn<bool>("afrikaans");
        QTest::addColumn<QStringList>("expected");
        // The annual row's labels in the chosen language beside the same amounts, formatted by
        // the template's "### ### ##0.00".
        QTest::newRow("English") << false
                                 << QStringList{
                                        "Annual Check",        "For : A. Clerk & Sons <Pty>",
                                        "Remuneration/salary", "360 000.00",
                                        "Tax liability",       "61 700.00",
                                        "Total tax deduction", "(E.& O.E.)",
                                        "Page 1 of 1",         "Grovan 2022"};
        // The pages' own words follow the labels' language.
        QTest::newRow("Afrikaans") << true << QStringList{"Jaarlikse Inkomste",
                                                          "Vir : A. Clerk & Seuns",
                                                          "Besoldiging",
                                                          "360 000.00",
                                                          "Totaal",
                                                          "61 700.00",
                                                          "(B.& F.W.)",
                                                          "Bladsy 1 van 1"};
    }

    void exportWritesThePagesToTheChosenPdf()
    {
        QFETCH(bool, afrikaans);
        QFETCH(QStringList, expected);
        QVERIFY(m_database->writeRow("IRP5Ann", annualRow(afrikaans)));
        m_viewer->setLanguage(afrikaans ? PrintLanguage::Afrikaans : PrintLanguage::English);
        previewAnnual();
        m_saveAnswer = QString::fromStdString(path("annual").string());
        QAction* exportAction =
            m_viewer->previewWindow()->findChild<QAction*>(QStringLiteral("actExport"));
        QVERIFY(exportAction != nullptr);
        exportAction->trigger();

        QVERIFY(m_suggested.endsWith(QStringLiteral("/Annual.pdf")));
        // The extension is added when the user leaves it off.
        const QString text = pdfText(path("annual.pdf"));
        for (const QString& line : expected) {
            QVERIFY2(text.contains(line), qPrintable(line + QStringLiteral("\n") + text));
        }
        QCOMPARE(text.contains(QStringLiteral("Page")), !afrikaans);
        QVERIFY(m_sink->messages.empty());
    }

    void exportStartsInTheDocumentsOrTheHomeFolder_data()
    {
        QTest::addColumn<bool>("documents"); // whether the home folder has a Documents folder
        QTest::newRow("Documents") << true;
        QTest::newRow("no Documents: the home folder") << false;
    }

    void exportStartsInTheDocumentsOrTheHomeFolder()
    {
        QFETCH(bool, documents);
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            qputenv("XDG_CONFIG_HOME", config);
        });
        std::filesystem::create_directories(path("home/.config"));
        if (documents) {
            std::filesystem::create_directories(path("home/Documents"));
        }
        qputenv("HOME", QByteArray::fromStdString(path("home").string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(path("home/.config").string()));
        previewAnnual();
        QVERIFY(!m_viewer->previewWindow()->exportPdf()); // cancelled
        const QString folder =
            QString::fromStdString(path(documents ? "home/Documents" : "home").string());
        QCOMPARE(QFileInfo(m_suggested).absolutePath(), folder);
        QCOMPARE(QFileInfo(m_suggested).fileName(), QStringLiteral("Annual.pdf"));
    }

    void thePreviewFitsTheScreenItOpensOn()
    {
        previewAnnual();
        ReportPreviewWindow* window = m_viewer->previewWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect available = window->screen()->availableGeometry();
        QVERIFY2(available.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())));
        // As large as the screen lets it be, up to the size a page reads well at.
        const int frame = window->frameGeometry().height() - window->height();
        QCOMPARE(window->height(), qMin(940, available.height() - frame));
    }

    void aCancelledExportWritesNothing()
    {
        previewAnnual();
        m_saveAnswer.clear();
        QVERIFY(!m_viewer->previewWindow()->exportPdf());
        QVERIFY(!std::filesystem::exists(path("Annual.pdf")));
        QVERIFY(m_sink->messages.empty());
    }

    void anExportThatCannotBeWrittenIsTold()
    {
        previewAnnual();
        m_saveAnswer = QString::fromStdString(path("no-such-folder/annual.pdf").string());
        QVERIFY(!m_viewer->previewWindow()->exportPdf());
        QCOMPARE(m_sink->messages.size(), std::size_t{1});
        QVERIFY(m_sink->messages[0].text.find("cannot be written: No such file or directory") !=
                std::string::npos);
    }

    // As root, renaming the export over a device node would destroy the system's device; over a
    // pipe its reader would get nothing; a link would make the export land wherever it points.
    void anExportNeverReplacesADevicePipeOrLink_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("type");
        QTest::newRow("device") << QStringLiteral("device") << int(S_IFCHR);
        QTest::newRow("pipe") << QStringLiteral("pipe") << int(S_IFIFO);
        QTest::newRow("link") << QStringLiteral("link") << int(S_IFLNK);
    }

    void anExportNeverReplacesADevicePipeOrLink()
    {
        QFETCH(QString, kind);
        QFETCH(int, type);
        const std::filesystem::path file = path("export.pdf");
        if (kind == QStringLiteral("device")) {
            QVERIFY(testing::makeDeviceNode(file));
        } else if (kind == QStringLiteral("pipe")) {
            QVERIFY(testing::makeFifo(file));
        } else {
            TempFolder::writeFile(path("kept.txt"), "kept");
            QVERIFY(::symlink(path("kept.txt").c_str(), file.c_str()) == 0);
        }
        previewAnnual();
        m_saveAnswer = QString::fromStdString(file.string());
        QVERIFY(!m_viewer->previewWindow()->exportPdf());
        QCOMPARE(m_sink->messages.size(), std::size_t{1});
        QVERIFY2(m_sink->messages[0].text.ends_with("; nothing was written."),
                 m_sink->messages[0].text.c_str());
        QCOMPARE(int(testing::fileType(file)), type);
        if (kind == QStringLiteral("link")) {
            QCOMPARE(TempFolder::readFile(path("kept.txt")), std::string("kept"));
        }
        for (const auto& entry : std::filesystem::directory_iterator(m_folder->path())) {
            QVERIFY2(!entry.path().filename().string().starts_with(".export.pdf"),
                     entry.path().c_str());
        }
    }

    void printFromThePreviewGoesThroughThePrintDialog()
    {
        previewAnnual();
        m_printAnswer = false;
        QVERIFY(!m_viewer->previewWindow()->print());
        QVERIFY(!std::filesystem::exists(path("dialog.pdf")));

        m_printAnswer = true;
        QAction* printAction =
            m_viewer->previewWindow()->findChild<QAction*>(QStringLiteral("actPrint"));
        QVERIFY(printAction != nullptr);
        printAction->trigger();
        QCOMPARE(m_printDialogs, 2);
        QVERIFY(pdfText(path("dialog.pdf")).contains(QStringLiteral("Remuneration/salary")));
    }

    void aFileChosenInThePreviewsPrintDialogIsNeverWherePrintingDirectlyGoes()
    {
        previewAnnual();
        QVERIFY(m_viewer->previewWindow()->print()); // into dialog.pdf, chosen in the dialog
        QVERIFY(std::filesystem::exists(path("dialog.pdf")));
        std::filesystem::remove(path("dialog.pdf"));
        QVERIFY(m_printers->printer().outputFileName().isEmpty());

        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("this machine has a printer, where printing directly would go");
        }
        m_viewer->setDestination(PrintDestination::Printer);
        QVERIFY(m_viewer->start()); // no printer: told, and shown the preview
        QVERIFY(!std::filesystem::exists(path("dialog.pdf")));
        // The preview's dialog starts again where the user left it.
        QVERIFY(m_viewer->previewWindow()->print());
        QCOMPARE(m_printDialogs, 2);
    }

    void printingDirectlyIntoAnExistingFileAsksFirst_data()
    {
        QTest::addColumn<bool>("replace"); // the user's answer
        QTest::newRow("replaced") << true;
        QTest::newRow("kept") << false;
    }

    void printingDirectlyIntoAnExistingFileAsksFirst()
    {
        QFETCH(bool, replace);
        TempFolder::writeFile(path("printer.pdf"), "an earlier file");
        QString asked;
        ReportDialogs dialogs;
        dialogs.confirm = [&](QWidget*, const QString& question) {
            asked = question;
            return replace;
        };
        m_viewer->setDialogs(dialogs);
        // A printer chosen under "Printer Setup" that prints into a file.
        m_printers->printer().setOutputFileName(
            QString::fromStdString(path("printer.pdf").string()));
        m_viewer->setTemplateFile(shipped("Annual.rpt"));
        m_viewer->setDestination(PrintDestination::Printer);

        QCOMPARE(m_viewer->start(), replace);
        QVERIFY2(asked.contains(QString::fromStdString(path("printer.pdf").string())),
                 qPrintable(asked));
        QVERIFY(asked.contains(QStringLiteral("Printer Setup")));
        QCOMPARE(pdfText(path("printer.pdf")).contains(QStringLiteral("Annual Check")), replace);
        if (!replace) {
            QCOMPARE(TempFolder::readFile(path("printer.pdf")), std::string("an earlier file"));
        }
        QVERIFY(m_sink->messages.empty());
    }

    void withoutAPrinterTheUserIsToldAndShownThePreview()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("this machine has a printer; the test needs one without");
        }
        m_viewer->setTemplateFile(shipped("Annual.rpt"));
        m_viewer->setWindowTitle(QStringLiteral("Monthly - an earlier preview"));
        m_viewer->setOwnPreviewTitle(QString::fromLatin1(kAnnualTitle));
        m_viewer->setDestination(PrintDestination::Printer);
        QVERIFY(m_viewer->start());

        QCOMPARE(m_sink->messages.size(), std::size_t{1});
        QVERIFY(m_sink->messages[0].text.find("No printer is set up") != std::string::npos);
        ReportPreviewWindow* window = m_viewer->previewWindow();
        QVERIFY(window != nullptr && window->isVisible());
        // Titled as the printout's own preview, while the viewer keeps the last preview's title.
        QCOMPARE(window->windowTitle(), QString::fromLatin1(kAnnualTitle));
        QCOMPARE(m_viewer->windowTitle(), QStringLiteral("Monthly - an earlier preview"));
    }

    void aMissingOrFaultyTemplateIsToldAndNothingShown_data()
    {
        QTest::addColumn<QString>("templateText"); // empty: no file at all
        QTest::addColumn<QString>("told");
        QTest::newRow("missing") << QString()
                                 << QStringLiteral(": the report template cannot be read");
        QTest::newRow("unknown field")
            << QStringLiteral("report \"X\"\ntable IRP5Ann\nheading {TypeAMM}\n")
            << QStringLiteral(
                   ":3:9: the table \u201cIRP5Ann\u201d has no field \u201cTypeAMM\u201d");
    }

    void aMissingOrFaultyTemplateIsToldAndNothingShown()
    {
        QFETCH(QString, templateText);
        QFETCH(QString, told);
        if (!templateText.isEmpty()) {
            TempFolder::writeFile(path("X.rpt"), templateText.toStdString());
        }
        for (const PrintDestination destination :
             {PrintDestination::Window, PrintDestination::Printer}) {
            m_viewer->setTemplateFile(path("X.rpt"));
            m_viewer->setDestination(destination);
            QVERIFY(!m_viewer->start());
        }
        QCOMPARE(m_sink->messages.size(), std::size_t{2});
        QCOMPARE(m_sink->messages[0].icon, MessageIcon::Error);
        const std::string expected = path("X.rpt").string() + told.toStdString();
        QVERIFY2(m_sink->messages[0].text.find(expected) != std::string::npos,
                 m_sink->messages[0].text.c_str());
        QVERIFY(m_viewer->previewWindow() == nullptr);
    }

    void anUnreadableDatabaseIsToldNotShown()
    {
        // A folder where the database file should be: it can be neither read nor made.
        std::filesystem::create_directories(path("Locked.mdb"));
        const PrintDatabase locked(path("Locked.mdb"), testing::reportTestSchema(), *m_sink);
        ReportViewer viewer(locked, *m_printers, *m_sink, nullptr);
        viewer.setTemplateFile(shipped("Annual.rpt"));
        QVERIFY(!viewer.start());
        QVERIFY(!m_sink->messages.empty());
        QCOMPARE(m_sink->messages.back().icon, MessageIcon::Error);
        QVERIFY(viewer.previewWindow() == nullptr);
    }

    void aLongGridRunsOverPagesWithItsHeaderOnEach()
    {
        TempFolder::writeFile(path("Schedule.rpt"),
                              "report \"Schedule\"\n"
                              "table Loans\n"
                              "page A4 portrait margins 20 15 20 15\n"
                              "pageheader \"Grovan 2022\"\n"
                              "heading {Heading}\n"
                              "grid Amort\n"
                              " columns right:10 right:30 right:30 right:30\n"
                              " header {YearMon} \"Capital payment\" \"Interest payment\" "
                              "\"Balance\"\n"
                              " row {Year|##} {Capital|# ### ### ###.00} "
                              "{Interest|# ### ### ###.00} {Required|# ### ### ###.00}\n"
                              "end\n");
        QVERIFY(m_database->writeRow("Loans", {{"Heading", std::string("Monthly repayment")},
                                               {"YearMon", std::string("Month")}}));
        std::vector<Row> months;
        for (int month = 1; month <= 240; ++month) {
            months.push_back({{"Year", std::int64_t{month}},
                              {"Capital", 200.0 + month},
                              {"Interest", 765.02 - month},
                              {"Required", 100000.0 - 400.0 * month}});
        }
        QVERIFY(m_database->replaceLines("Amort", months));
        QVERIFY(
            renderReportToPdf(path("Schedule.rpt"), *m_database, path("schedule.pdf"), *m_sink));

        const auto report = renderReportFile(path("Schedule.rpt"), *m_database, *m_sink);
        QVERIFY(report.has_value());
        const int pages = ReportPagePainter(*report).pageCount();
        QVERIFY(pages >= 4);
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfText(path("schedule.pdf"), page);
            QVERIFY2(text.contains(QStringLiteral("Capital payment")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
        }
        const QString last = pdfText(path("schedule.pdf"), pages);
        QVERIFY(last.contains(QStringLiteral("240")));
        QVERIFY(last.contains(QStringLiteral("4 000.00"))); // the balance after month 240

        // The preview offers the same pages and moves between them.
        m_viewer->setTemplateFile(path("Schedule.rpt"));
        m_viewer->setWindowTitle(QStringLiteral("Schedule"));
        QVERIFY(m_viewer->start());
        ReportPreviewWindow* window = m_viewer->previewWindow();
        QCOMPARE(window->pageCount(), pages);
        QCOMPARE(window->currentPage(), 1);
        window->findChild<QAction*>(QStringLiteral("actNextPage"))->trigger();
        QCOMPARE(window->currentPage(), 2);
        window->findChild<QAction*>(QStringLiteral("actLastPage"))->trigger();
        QCOMPARE(window->currentPage(), pages);
        QVERIFY(!window->findChild<QAction*>(QStringLiteral("actNextPage"))->isEnabled());
        window->findChild<QSpinBox*>(QStringLiteral("pageNumber"))->setValue(3);
        QCOMPARE(window->currentPage(), 3);
        const qreal zoom = window->preview()->zoomFactor();
        window->findChild<QAction*>(QStringLiteral("actZoomIn"))->trigger();
        QVERIFY(window->preview()->zoomFactor() > zoom);
    }

    void aPageBreakStartsANewPage()
    {
        TempFolder::writeFile(path("Two.rpt"), "report \"Two\"\ntable IRP5Ann\n"
                                               "heading {TypeAM}\npagebreak\ntext {Sal}\n");
        QVERIFY(renderReportToPdf(path("Two.rpt"), *m_database, path("two.pdf"), *m_sink));
        QVERIFY(pdfText(path("two.pdf"), 1).contains(QStringLiteral("Annual Check")));
        const QString second = pdfText(path("two.pdf"), 2);
        QVERIFY2(second.contains(QStringLiteral("Remuneration/salary")), qPrintable(second));
        QVERIFY(second.contains(QStringLiteral("Page 2 of 2")));
    }

    void thePdfKeepsTitleAndCreator()
    {
        QVERIFY(renderReportToPdf(shipped("Annual.rpt"), *m_database, path("a.pdf"), *m_sink));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {QString::fromStdString(path("a.pdf").string())});
        QVERIFY(info.waitForFinished(30000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Title:\\s+Annual\\n"))),
                 qPrintable(text));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Creator:\\s+Grovan 2022"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Page size:\\s+595"))));
    }
};

} // namespace grovan

QTEST_MAIN(grovan::ReportViewerTest)
#include "report_viewer_test.moc"

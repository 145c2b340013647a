// Opens the program's main window with the monthly and the daily calculators as a user does
// (TaxCalcs > Monthly, TaxCalcs > Daily), types realistic cases and saves pictures of the
// windows, their panels and the printouts' previews, and prints each printout in both languages
// into PDF files, to look at them as a user sees them: periodic_gallery <folder>. Run it under
// xvfb-run so that the pictures have a real window frame.

#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/text_field.h"
#include "paye/ui/frm_daily.h"
#include "paye/ui/frm_monthly.h"
#include "shell/ui/mdi_form1.h"
#include "tests/shell/ui/shell_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

using namespace grovan;

namespace {

void type(QWidget& window, const char* name, const QString& keys)
{
    auto* field = window.findChild<QLineEdit*>(QLatin1String(name));
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClicks(field, keys);
    QTest::keyClick(field, Qt::Key_Tab);
}

void click(QWidget& window, const char* name)
{
    QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
    QTest::qWait(150);
}

bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    QTest::qWait(200);
    const QString file = folder.filePath(name);
    const bool saved = widget.grab().save(file);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
    return saved;
}

// The window's panels one after the other, then the printout: previewed in English, then
// printed into a PDF file in English and in Afrikaans.
bool showPanelsAndPrint(testing::ShellFixture& shell, QWidget& window, const QDir& folder,
                        const QString& prefix, const QString& employee)
{
    bool ok = save(window, folder, prefix + "-window.png");
    click(window, "cmdSettings");
    ok = save(window, folder, prefix + "-setup.png") && ok;
    click(window, "cmdSetupOK");
    click(window, "cmdInfo(0)");
    ok = save(window, folder, prefix + "-info.png") && ok;
    click(window, "cmdOK_Info_One");

    click(window, "cmdPrint");
    QTest::keyClicks(window.findChild<TextField*>(QStringLiteral("Text1")), employee);
    ok = save(window, folder, prefix + "-print.png") && ok;
    click(window, "cmdVR");
    if (ReportPreviewWindow* preview = shell.reports.previewWindow()) {
        preview->resize(900, 1000);
        ok = save(*preview, folder, prefix + "-preview.png") && ok;
        preview->close();
    }
    for (const char* language : {"Option1", "Option2"}) {
        const QString pdf = folder.filePath(QStringLiteral("%1-%2.pdf")
                                                .arg(prefix, QLatin1String(language) == "Option1"
                                                                 ? QStringLiteral("english")
                                                                 : QStringLiteral("afrikaans")));
        shell.printer.printer().setOutputFileName(pdf);
        click(window, "cmdPrint");
        click(window, language);
        click(window, "cmdPD");
        std::printf("printed %s\n", qPrintable(pdf));
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: periodic_gallery <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    testing::ShellFixture shell;
    for (const char* name : {"Monthly.rpt", "Daily.rpt"}) {
        std::filesystem::copy_file(std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" /
                                       "reports" / name,
                                   shell.paths.asset(name));
    }
    shell.printDatabase.prepare();
    shell.sink.messages.clear();
    shell.calculators.add("mnuMonthly", [](const ShellContext& context) {
        return std::make_unique<frmMonthly>(context);
    });
    shell.calculators.add("mnuDaily", [](const ShellContext& context) {
        return std::make_unique<frmDaily>(context);
    });
    MDIForm1 main(shell.context, shell.calculators);
    shell.reports.setWindow(&main);
    main.resize(1100, 820);
    main.show();
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) {
        std::fprintf(stderr, "the main window never became active\n");
    }

    main.findChild<QAction*>(QStringLiteral("mnuMonthly"))->trigger();
    QWidget* monthly = main.childWindow(QStringLiteral("frmMonthly"));
    monthly->parentWidget()->move(10, 10);
    bool ok = save(main, folder, QStringLiteral("monthly-opened.png"));
    // A clerk's month: joined on 10 June, salary, commission, travel allowance and a bonus.
    type(*monthly, "silgEdit9", QStringLiteral("38"));
    type(*monthly, "numSalRemun", QStringLiteral("42500"));
    type(*monthly, "numEmpERMedAidCont", QStringLiteral("2150"));
    type(*monthly, "numEmpEEMedAidCont", QStringLiteral("1380"));
    type(*monthly, "numEmpRRFundCont", QStringLiteral("3200"));
    type(*monthly, "numEmpERFundCont", QStringLiteral("3400"));
    type(*monthly, "numComm", QStringLiteral("6250"));
    type(*monthly, "silgEdit12", QStringLiteral("15000"));
    type(*monthly, "silgEdit13", QStringLiteral("4500"));
    type(*monthly, "numMedAidBens", QStringLiteral("3"));
    type(*monthly, "dtMStartDate", QStringLiteral("10062021"));
    type(*monthly, "dtMEndDate", QStringLiteral("30062021"));
    click(*monthly, "cmdCalculate");
    ok = save(main, folder, QStringLiteral("monthly-calculated.png")) && ok;
    ok = showPanelsAndPrint(shell, *monthly, folder, QStringLiteral("monthly"),
                            QStringLiteral("Thandiwe Nkosi")) &&
         ok;

    // Without a window manager the main window does not get the keyboard back by itself once
    // the preview has closed.
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) {
        std::fprintf(stderr, "the main window did not become active again\n");
    }
    main.findChild<QAction*>(QStringLiteral("mnuDaily"))->trigger();
    QWidget* daily = main.childWindow(QStringLiteral("frmDaily"));
    daily->parentWidget()->move(60, 40);
    // A casual worker's day with a small bonus.
    type(*daily, "silgEdit23", QStringLiteral("24"));
    type(*daily, "numSalRemun", QStringLiteral("850.75"));
    type(*daily, "numEmpEEMedAidCont", QStringLiteral("45.50"));
    type(*daily, "numEmpERFundCont", QStringLiteral("60"));
    type(*daily, "numComm", QStringLiteral("120.40"));
    type(*daily, "sidbEdit4", QStringLiteral("500"));
    type(*daily, "sidbEdit6", QStringLiteral("95.20"));
    type(*daily, "numMedAidBens", QStringLiteral("2"));
    click(*daily, "cmdCalculate");
    ok = save(main, folder, QStringLiteral("daily-calculated.png")) && ok;
    ok = showPanelsAndPrint(shell, *daily, folder, QStringLiteral("daily"),
                            QStringLiteral("Sipho Ndlovu")) &&
         ok;

    for (const Message& message : shell.sink.messages) {
        std::printf("message: %s\n", message.text.c_str());
    }
    return ok ? 0 : 1;
}

// Opens the program's main window with the fortnightly, weekly and quick tax calculators as a
// user does, types realistic cases and saves pictures of the windows, their panels and the
// printouts' previews, and prints each printout into a PDF file, to look at them as a user sees
// them: quick_windows_gallery <folder>. Run it under xvfb-run so that the pictures have a real
// window frame.

#include "core/ui/print_panel.h"
#include "core/ui/printer_choice.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/text_field.h"
#include "paye/ui/frm_annual.h"
#include "paye/ui/frm_rapell.h"
#include "paye/ui/work_period_window.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/mdi_form1.h"
#include "tests/shell/ui/shell_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPrinter>
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

// The preview window took the keyboard; a window manager gives it back to the main window when
// the preview closes, which xvfb alone does not.
void backToMain(MDIForm1& main)
{
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) {
        std::fprintf(stderr, "the main window did not become active again\n");
    }
}

QWidget* open(MDIForm1& main, const char* command, const char* window)
{
    main.findChild<QAction*>(QLatin1String(command))->trigger();
    QWidget* opened = main.childWindow(QLatin1String(window));
    opened->parentWidget()->move(10, 10);
    return opened;
}

// Prints the window's printout straight into `file` in the language of `option` (nullptr for
// a window without a language choice).
void printToFile(testing::ShellFixture& shell, QWidget& window, const QDir& folder,
                 const QString& file, const char* option)
{
    shell.printer.printer().setOutputFileName(folder.filePath(file));
    click(window,
          window.findChild<QPushButton*>(QStringLiteral("cmPrint")) ? "cmPrint" : "cmdPrint");
    if (option != nullptr) {
        click(window, option);
    }
    click(window, "cmdPD");
    std::printf("printed %s\n", qPrintable(folder.filePath(file)));
}

bool showPeriod(testing::ShellFixture& shell, MDIForm1& main, const QDir& folder,
                const char* command, const char* name, const QString& prefix, bool shortPeriod)
{
    QWidget* window = open(main, command, name);
    bool ok = save(*window, folder, prefix + "-opened.png");
    type(*window, "silgEdit14", QStringLiteral("67"));
    type(*window, "numSalRemun", QStringLiteral("18650.40"));
    type(*window, "numEmpERMedAidCont", QStringLiteral("1450"));
    type(*window, "numEmpEEMedAidCont", QStringLiteral("980"));
    type(*window, "numEmpRRFundCont", QStringLiteral("1400"));
    type(*window, "numEmpERFundCont", QStringLiteral("1250"));
    type(*window, "numComm", QStringLiteral("2300"));
    type(*window, "sidbEdit4", QStringLiteral("4000"));
    type(*window, "sidbEdit6", QStringLiteral("1500"));
    type(*window, "numMedAidBens", QStringLiteral("3"));
    if (shortPeriod) {
        type(*window, "silgEdit22", QStringLiteral("10"));
    }
    click(*window, "cmdCalculate");
    ok = save(main, folder, prefix + "-calculated-main.png") && ok;
    ok = save(*window, folder, prefix + "-calculated.png") && ok;

    click(*window, "cmdSettings");
    ok = save(*window, folder, prefix + "-setup.png") && ok;
    click(*window, "cmdSetupOK");
    click(*window, "cmdInfo(0)");
    ok = save(*window, folder, prefix + "-info.png") && ok;
    click(*window, "cmdOK_Info_One");

    click(*window, "cmdPrint");
    QTest::keyClicks(window->findChild<TextField*>(QStringLiteral("Text1")),
                     QStringLiteral("Nomvula van Rensburg"));
    ok = save(*window, folder, prefix + "-print.png") && ok;
    click(*window, "cmdVR");
    if (ReportPreviewWindow* preview = shell.reports.previewWindow()) {
        preview->resize(900, 1000);
        ok = save(*preview, folder, prefix + "-preview.png") && ok;
        preview->close();
    }
    backToMain(main);
    printToFile(shell, *window, folder, prefix + "-english.pdf", "Option1");
    printToFile(shell, *window, folder, prefix + "-afrikaans.pdf", "Option2");

    // The days message.
    type(*window, "silgEdit21", QStringLiteral("5"));
    click(*window, "cmdCalculate");
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quick_windows_gallery <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    testing::ShellFixture shell;
    for (const char* name : {"FortNightly.rpt", "Weekly.rpt", "rapelltep.rpt", "Annual.rpt"}) {
        std::filesystem::copy_file(std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" /
                                       "reports" / name,
                                   shell.paths.asset(name));
    }
    shell.printDatabase.prepare();
    shell.sink.messages.clear();
    shell.calculators.add("mnuFortNight", [](const ShellContext& context) {
        return std::make_unique<WorkPeriodWindow>(WorkPeriodKind::Fortnightly, context);
    });
    shell.calculators.add("mnuWeekly", [](const ShellContext& context) {
        return std::make_unique<WorkPeriodWindow>(WorkPeriodKind::Weekly, context);
    });
    shell.calculators.add(
        "Rapell", [](const ShellContext& context) { return std::make_unique<frmRapell>(context); });
    shell.calculators.add("mnuAnnual", [](const ShellContext& context) {
        return std::make_unique<frmAnnual>(context);
    });
    MDIForm1 main(shell.context, shell.calculators);
    shell.reports.setWindow(&main);
    main.resize(1100, 820);
    main.show();
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) {
        std::fprintf(stderr, "the main window never became active\n");
    }

    bool ok = showPeriod(shell, main, folder, "mnuFortNight", "frmFortNight",
                         QStringLiteral("fortnight"), true);
    ok = showPeriod(shell, main, folder, "mnuWeekly", "frmWeekly", QStringLiteral("week"), false) &&
         ok;

    // The quick tax window takes the last taxable income of the weekly calculation when it opens.
    QWidget* rapell = open(main, "Rapell", "frmRapell");
    ok = save(*rapell, folder, "rapell-opened.png") && ok;
    type(*rapell, "sidbEdit1(0)", QStringLiteral("742500"));
    type(*rapell, "sidbEdit1(1)", QStringLiteral("58"));
    click(*rapell, "cmdCalculate");
    ok = save(main, folder, "rapell-calculated-main.png") && ok;
    ok = save(*rapell, folder, "rapell-calculated.png") && ok;
    click(*rapell, "cmPrint");
    ok = save(*rapell, folder, "rapell-print.png") && ok;
    click(*rapell, "cmdVR");
    if (ReportPreviewWindow* preview = shell.reports.previewWindow()) {
        preview->resize(900, 1000);
        ok = save(*preview, folder, "rapell-preview.png") && ok;
        preview->close();
    }
    backToMain(main);
    printToFile(shell, *rapell, folder, "rapell.pdf", nullptr);

    for (const Message& message : shell.sink.messages) {
        std::printf("message: [%s] %s\n", message.title.c_str(), message.text.c_str());
    }
    return ok ? 0 : 1;
}

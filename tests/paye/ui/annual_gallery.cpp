// Opens the program's main window with the annual calculator as a user does (TaxCalcs > Annual),
// types a realistic case and saves pictures of the window, its panels and the printout's
// preview, to look at them as a user sees them: annual_gallery <folder>. Run it under
// xvfb-run so that the pictures have a real window frame.

#include "core/ui/print_panel.h"
#include "core/ui/report_preview_window.h"
#include "core/ui/text_field.h"
#include "paye/ui/frm_annual.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/mdi_form1.h"
#include "tests/shell/ui/shell_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
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

bool save(QWidget& widget, const QDir& folder, const char* name)
{
    QTest::qWait(200);
    const QString file = folder.filePath(QLatin1String(name));
    const bool saved = widget.grab().save(file);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: annual_gallery <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    testing::ShellFixture shell;
    std::filesystem::copy_file(std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" / "reports" /
                                   "Annual.rpt",
                               shell.paths.asset("Annual.rpt"));
    shell.printDatabase.prepare();
    shell.sink.messages.clear();
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
    main.findChild<QAction*>(QStringLiteral("mnuAnnual"))->trigger();
    QWidget* annual = main.childWindow(QStringLiteral("frmAnnual"));
    annual->parentWidget()->move(10, 10);

    bool ok = save(main, folder, "annual-opened.png");
    type(*annual, "silgEdit1", QStringLiteral("42"));
    type(*annual, "silgEdit2", QStringLiteral("486000"));
    type(*annual, "numEmpERMedAidCont", QStringLiteral("24000"));
    type(*annual, "numEmpEEMedAidCont", QStringLiteral("12000"));
    type(*annual, "numEmpRRFundCont", QStringLiteral("36000"));
    type(*annual, "numEmpERFundCont", QStringLiteral("27000"));
    type(*annual, "silgEdit4", QStringLiteral("40500"));
    type(*annual, "silgEdit8", QStringLiteral("60000"));
    type(*annual, "numAnnCalcBens(3)", QStringLiteral("3"));
    click(*annual, "cmdDuplicate");
    type(*annual, "dtStartDate", QStringLiteral("01062021"));
    click(*annual, "cmdCalculate");
    ok = save(main, folder, "annual-calculated.png") && ok;
    ok = save(*annual, folder, "annual-window.png") && ok;

    click(*annual, "cmdSettings");
    ok = save(*annual, folder, "annual-setup.png") && ok;
    click(*annual, "cmdSetupOK");

    click(*annual, "cmdInfo(0)");
    ok = save(*annual, folder, "annual-info.png") && ok;
    click(*annual, "cmdOK_Info_One");

    click(*annual, "cmdPrint");
    QTest::keyClicks(annual->findChild<TextField*>(QStringLiteral("Text1")),
                     QStringLiteral("Thandiwe Nkosi"));
    ok = save(*annual, folder, "annual-print.png") && ok;
    click(*annual, "cmdVR");
    if (ReportPreviewWindow* preview = shell.reports.previewWindow()) {
        preview->resize(900, 1000);
        ok = save(*preview, folder, "annual-preview.png") && ok;
    }
    for (const Message& message : shell.sink.messages) {
        std::printf("message: %s\n", message.text.c_str());
    }
    return ok ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's main window with the fortnightly, weekly and quick tax calculators as a
// user does, types realistic cases and saves pictures of the windows, their panels and the
// printouts' previews, and prints each printout into a PDF file, to look at them as a user sees
// them: quick_windows_gallery <folder>. Run it under xvfb-run so that the pictures have a real
// window frame.

#include "package/ui/frm_rapell.h"
#include "paye/ui/frm_annual.h"
#include "paye/ui/work_period_window.h"
#include "tests/paye/ui/window_gallery.h"

#include <QApplication>

using namespace grovan;
using namespace grovan::testing;

namespace {

bool showPeriod(ShellFixture& shell, MDIForm1& main, const QDir& folder, const char* command,
                const char* name, const QString& prefix, bool shortPeriod)
{
    QWidget* window = openFromMenu(main, command, name);
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

    ok = savePanelsAndPreview(shell, *window, folder, prefix,
                              QStringLiteral("Nomvula van Rensburg")) &&
         ok;
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

    InstalledShell shell({"FortNightly.rpt", "Weekly.rpt", "rapelltep.rpt", "Annual.rpt"});
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    showMain(main, shell);

    bool ok = showPeriod(shell, main, folder, "mnuFortNight", "frmFortNight",
                         QStringLiteral("fortnight"), true);
    ok = showPeriod(shell, main, folder, "mnuWeekly", "frmWeekly", QStringLiteral("week"), false) &&
         ok;

    // The quick tax window takes the last taxable income of the weekly calculation when it opens.
    QWidget* rapell = openFromMenu(main, "Rapell", "frmRapell");
    ok = save(*rapell, folder, "rapell-opened.png") && ok;
    type(*rapell, "sidbEdit1(0)", QStringLiteral("742500"));
    type(*rapell, "sidbEdit1(1)", QStringLiteral("58"));
    click(*rapell, "cmdCalculate");
    ok = save(main, folder, "rapell-calculated-main.png") && ok;
    ok = save(*rapell, folder, "rapell-calculated.png") && ok;
    click(*rapell, "cmPrint");
    ok = save(*rapell, folder, "rapell-print.png") && ok;
    click(*rapell, "cmdVR");
    ok = savePreview(shell, folder, "rapell-preview.png") && ok;
    backToMain(main);
    printToFile(shell, *rapell, folder, "rapell.pdf", nullptr);

    for (const Message& message : shell.sink.messages) {
        std::printf("message: [%s] %s\n", message.title.c_str(), message.text.c_str());
    }
    return ok ? 0 : 1;
}

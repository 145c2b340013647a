// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's main window with the annual calculator as a user does (TaxCalcs > Annual),
// types a realistic case and saves pictures of the window, its panels and the printout's
// preview, to look at them as a user sees them: annual_gallery <folder>. Run it under
// xvfb-run so that the pictures have a real window frame.

#include "paye/ui/frm_annual.h"
#include "tests/paye/ui/window_gallery.h"

#include <QApplication>

using namespace grovan;
using namespace grovan::testing;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: annual_gallery <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    InstalledShell shell({"Annual.rpt"});
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    showMain(main, shell);
    QWidget* annual = openFromMenu(main, "mnuAnnual", "frmAnnual");

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
    ok = savePanelsAndPreview(shell, *annual, folder, QStringLiteral("annual"),
                              QStringLiteral("Thandiwe Nkosi")) &&
         ok;

    for (const Message& message : shell.sink.messages) {
        std::printf("message: %s\n", message.text.c_str());
    }
    return ok ? 0 : 1;
}

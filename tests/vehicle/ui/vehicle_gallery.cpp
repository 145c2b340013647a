// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's main window at the size of the screen it runs on, with the company car and
// car allowance calculators as a user does (Car Calculations > ...), types realistic cases and
// saves pictures of the main window, the calculators, their print panels and the printouts'
// previews, to look at them as a user sees them: vehicle_gallery <folder>. Run it under xvfb-run
// with the screen size to look at (-s "-screen 0 1366x768x24").

#include "tests/paye/ui/window_gallery.h"

#include <QApplication>
#include <QScreen>

using namespace grovan;
using namespace grovan::testing;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vehicle_gallery <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    InstalledShell shell({"compcar.rpt", "caepnrk.rpt", "caeprk.rpt"});
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    showMain(main, shell);
    // The main window as a user leaves it on this screen: its normal state, most of the screen.
    const QRect screen = main.screen()->availableGeometry();
    main.setGeometry(screen.adjusted(0, 0, -screen.width() / 5, -screen.height() / 10));

    QWidget* car = openFromMenu(main, "mnuCompCar", "frmCompCar", {0, 0});
    bool ok = save(main, folder, "companycar-opened.png");
    click(*car, "cmdAdd");
    type(*car, "txtCCRegNumber", QStringLiteral("CA 123-456"));
    type(*car, "txtCCMake", QStringLiteral("Toyota"));
    type(*car, "txtCCModel", QStringLiteral("Corolla 1.8"));
    type(*car, "numCCPrice", QStringLiteral("385000"));
    type(*car, "numStartMileage", QStringLiteral("41200"));
    type(*car, "numEndMileage", QStringLiteral("69850"));
    type(*car, "numBusDistance", QStringLiteral("16400"));
    type(*car, "numActual3802", QStringLiteral("161700"));
    click(*car, "cmdAdd");
    type(*car, "txtCCRegNumber", QStringLiteral("CA 222-333"));
    click(*car, "cmdAdd");
    type(*car, "txtCCRegNumber", QStringLiteral("GP 77 ZZ"));
    type(*car, "txtCCMake", QStringLiteral("VW"));
    type(*car, "numCCPrice", QStringLiteral("210000"));
    type(*car, "dtCCStartDate", QStringLiteral("01062021"));
    click(*car, "cmdCalculate");
    ok = save(main, folder, "companycar-main.png") && ok;
    click(*car, "cmdBack");
    ok = save(*car, folder, "companycar-empty-vehicle.png") && ok;
    click(*car, "cmdPrint");
    ok = save(*car, folder, "companycar-print.png") && ok;
    click(*car, "cmdVR");
    ok = savePreview(shell, folder, "companycar-preview.png") && ok;
    backToMain(main);
    car->parentWidget()->close();

    QWidget* allowance = openFromMenu(main, "mnuCarAll1", "frmCarAll1", {20, 20});
    type(*allowance, "Text1", QStringLiteral("VW Polo 1.4 Comfortline"));
    type(*allowance, "silgEdit1", QStringLiteral("265000"));
    type(*allowance, "silgEdit2", QStringLiteral("84000"));
    type(*allowance, "silgEdit3", QStringLiteral("68420"));
    type(*allowance, "silgEdit4", QStringLiteral("39870"));
    type(*allowance, "silgEdit5", QStringLiteral("14250"));
    click(*allowance, "cmdCalculate");
    ok = save(main, folder, "carallowance-deemed-main.png") && ok;
    ok = save(*allowance, folder, "carallowance-deemed.png") && ok;
    click(*allowance, "Option4");
    type(*allowance, "silgEdit6", QStringLiteral("38500"));
    type(*allowance, "silgEdit7", QStringLiteral("6200"));
    type(*allowance, "silgEdit8", QStringLiteral("11800"));
    type(*allowance, "silgEdit10", QStringLiteral("42000"));
    click(*allowance, "cmdCalculate");
    ok = save(*allowance, folder, "carallowance-actual.png") && ok;
    click(*allowance, "cmdPrint");
    QTest::keyClicks(allowance->findChild<TextField*>(QStringLiteral("Text3")),
                     QStringLiteral("Lerato Dube"));
    ok = save(*allowance, folder, "carallowance-print.png") && ok;
    click(*allowance, "cmdVR");
    ok = savePreview(shell, folder, "carallowance-preview.png") && ok;

    for (const Message& message : shell.sink.messages) {
        std::printf("message: %s\n", message.text.c_str());
    }
    return ok ? 0 : 1;
}

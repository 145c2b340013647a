// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's main window with the monthly and the daily calculators as a user does
// (TaxCalcs > Monthly, TaxCalcs > Daily), types realistic cases and saves pictures of the
// windows, their panels and the printouts' previews, and prints each printout in both languages
// into PDF files, to look at them as a user sees them: periodic_gallery <folder>. Run it under
// xvfb-run so that the pictures have a real window frame.

#include "paye/ui/frm_daily.h"
#include "paye/ui/frm_monthly.h"
#include "tests/paye/ui/window_gallery.h"

#include <QApplication>

using namespace grovan;
using namespace grovan::testing;

namespace {

// The window with its panels one after the other, then the printout: previewed in English, then
// printed into a PDF file in English and in Afrikaans.
bool showPanelsAndPrint(ShellFixture& shell, QWidget& window, const QDir& folder,
                        const QString& prefix, const QString& employee)
{
    bool ok = save(window, folder, prefix + "-window.png");
    ok = savePanelsAndPreview(shell, window, folder, prefix, employee) && ok;
    printToFile(shell, window, folder, prefix + "-english.pdf", "Option1");
    printToFile(shell, window, folder, prefix + "-afrikaans.pdf", "Option2");
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

    InstalledShell shell({"Monthly.rpt", "Daily.rpt"});
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    showMain(main, shell);

    QWidget* monthly = openFromMenu(main, "mnuMonthly", "frmMonthly");
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

    backToMain(main);
    QWidget* daily = openFromMenu(main, "mnuDaily", "frmDaily", {60, 40});
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

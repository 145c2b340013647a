// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's main window, as large as the screen, with the four salary package
// windows as a user does, types realistic packages and saves pictures of the windows, their
// panels, the warning and the printouts' previews, and prints each printout into a PDF file,
// to look at them as a user sees them: package_gallery <folder>. Run it under xvfb-run (at the
// screen sizes to look at) so that the pictures have a real window frame.

#include "core/calculator_definition.h"
#include "core/ui/report_printer.h"
#include "package/package_field_kinds.h"
#include "package/package_printout.h"
#include "package/ui/salary_package_window.h"
#include "tests/paye/ui/window_gallery.h"

#include <QApplication>
#include <QScreen>

using namespace grovan;
using namespace grovan::testing;

namespace {

struct Example
{
    const char* command;
    const char* window;
    const char* prefix;
    std::vector<std::pair<const char*, const char*>> typed;
};

// The widest amounts the fields take, so that the statements show their widest lines.
const std::vector<std::pair<const char*, const char*>> kWidest{
    {"numAge", "999"},
    {"numNetMonSalReq", "99999999.99"},
    {"numCompCar", "99999999.99"},
    {"numCCCompCar", "99999999.99"},
    {"numTravAll", "99999999.99"},
    {"numMedAidCont", "99999999.99"},
    {"numCCMedAidCont", "99999999.99"},
    {"numOTaxFB", "99999999.99"},
    {"numRFundCont", "99999999.99"},
    {"numCCRFundCont", "99999999.99"},
    {"txtOtherDet(0)", "Cellphone and data bundles"},
    {"numOtherDet(0)", "99999999.99"},
    {"txtOtherDet(3)", "WWWWWWWWWWWWWWWWWWWWWWWWW"},
    {"numOtherDet(3)", "99999999.99"},
};

// The statement with every field at its widest, printed straight into `file`: amounts at the
// fields' maxima, the longest name and descriptions, and results of -9 999 999 999.99.
void printWidest(ShellFixture& shell, const PackageWindow& design, const QDir& folder,
                 const QString& file)
{
    PackageInputs in;
    in.Age = 999;
    in.Beneficiaries = 999;
    in.TaxpayerName = std::string(kTaxpayerNameLength, 'W');
    for (double* amount : {&in.NetRequired, &in.CarValue, &in.TravelAllowance, &in.EmpMedContrib,
                           &in.ErMedContrib, &in.OtherFringeBenefits, &in.MedDeduction}) {
        *amount = kPackageAmountMaximum;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        in.OtherExpenses[i] = kPackageAmountMaximum;
        in.OtherExpensesCC[i] = kPackageAmountMaximum;
        in.OtherExpenseTexts[i] = std::string(kOtherExpenseTextLength, 'W');
    }
    const double widest = -9999999999.99;
    in.EmpRFAmount = widest;
    in.ErRFAmount = widest;
    PackageResults r;
    for (double* figure : {&r.EmpUIF, &r.ErUIF, &r.SkillsLevy, &r.TaxAfterRebate, &r.TaxCredit,
                           &r.TaxDeduction, &r.GrossSalary, &r.TotalCostToCompany}) {
        *figure = widest;
    }
    r.OnceOff = kPackageAmountMaximum;
    shell.printer.printer().setOutputFileName(folder.filePath(file));
    shell.reportPrinter.print(singleRowPrintout(kPackagePrintTable,
                                                salPackagePrintRow(design, in, r),
                                                design.reportTemplate, design.previewTitle),
                              PrintDestination::Printer);
    std::printf("printed %s\n", qPrintable(folder.filePath(file)));
}

bool showPackage(ShellFixture& shell, MDIForm1& main, const QDir& folder, const Example& example)
{
    QWidget* window = openFromMenu(main, example.command, example.window);
    const QString prefix = QString::fromLatin1(example.prefix);
    bool ok = save(*window, folder, prefix + "-opened.png");
    for (const auto& [name, keys] : example.typed) {
        type(*window, name, QString::fromLatin1(keys));
    }
    click(*window, "cmdCalculate");
    ok = save(main, folder, prefix + "-calculated-main.png") && ok;
    ok = save(*window, folder, prefix + "-calculated.png") && ok;

    click(*window, "cmdSettings");
    ok = save(*window, folder, prefix + "-setup.png") && ok;
    click(*window, "cmdSetupOK");
    click(*window, "cmdRAExpl");
    ok = save(*window, folder, prefix + "-ra.png") && ok;
    click(*window, "cmdRAOK");
    click(*window, "cmdPrint");
    QTest::keyClicks(window->findChild<TextField*>(QStringLiteral("Text1")),
                     QStringLiteral("Nomvula van Rensburg-Dlamini"));
    ok = save(*window, folder, prefix + "-print.png") && ok;
    click(*window, "cmdVR");
    ok = savePreview(shell, folder, prefix + "-preview.png") && ok;
    backToMain(main);
    printToFile(shell, *window, folder, prefix + ".pdf", nullptr);

    // The R/Fund contributions above the deduction: the warning moves the buttons.
    type(*window, "numCCRFundCont", QStringLiteral("500000"));
    click(*window, "cmdCalculate");
    ok = save(main, folder, prefix + "-warning-main.png") && ok;
    ok = save(*window, folder, prefix + "-warning.png") && ok;
    type(*window, "numCCRFundCont", QStringLiteral("0"));
    click(*window, "cmdCalculate");

    // The widest figures the fields take (a back-calculation refuses them: fringe benefits
    // above the net salary required).
    for (const auto& [name, keys] : kWidest) {
        type(*window, name, QString::fromLatin1(keys));
    }
    click(*window, "cmdCalculate");
    ok = save(*window, folder, prefix + "-widest.png") && ok;
    printWidest(shell, static_cast<SalaryPackageWindow&>(*window).design(), folder,
                prefix + "-widest.pdf");
    window->close();
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: package_gallery <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    InstalledShell shell({"Grovan.rpt", "Velmora.rpt"});
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    showMain(main, shell);
    main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    QTest::qWait(300);

    const std::vector<Example> examples{
        {"mnuGrovanAnn",
         "frmGrovanAnn",
         "grovan-annual",
         {{"numAge", "44"},
          {"numNetMonSalReq", "420000"},
          {"numCompCar", "385000"},
          {"numTravAll", "36000"},
          {"numMedAidCont", "14400"},
          {"numCCMedAidCont", "28800"},
          {"numPMems", "36"},
          {"numOTaxFB", "6000"},
          {"numRFundCont", "24000"},
          {"numCCRFundCont", "36000"},
          {"txtOtherDet(0)", "Cellphone"},
          {"numOtherDet(0)", "7200"},
          {"txtOtherDet(2)", "Parking"},
          {"numOtherDet(2)", "4800"},
          {"numOtherDetCC(2)", "3600"}}},
        {"mnuGrovanMon",
         "frmGrovanMon",
         "grovan-monthly",
         {{"numAge", "67"},
          {"numNetMonSalReq", "32500"},
          {"numMedAidCont", "2100"},
          {"numCCMedAidCont", "1900"},
          {"numPMems", "2"},
          {"numMedDeduct", "850"},
          {"txtOtherDet(0)", "Cellphone"},
          {"numOtherDet(0)", "600"}}},
        {"mnuVelmoraAnn",
         "frmVelmoraAnn",
         "velmora-annual",
         {{"numAge", "38"},
          {"numNetMonSalReq", "650000"},
          {"numCompCar", "420000"},
          {"numCCCompCar", "96000"},
          {"numTravAll", "48000"},
          {"numMedAidCont", "18000"},
          {"numCCMedAidCont", "24000"},
          {"numPMems", "24"},
          {"numRFundCont", "39000"},
          {"numCCRFundCont", "52000"},
          {"txtOtherDet(1)", "Study assistance"},
          {"numOtherDet(1)", "12000"}}},
        {"mnuVelmoraMon",
         "frmVelmoraMon",
         "velmora-monthly",
         {{"numAge", "29"},
          {"numNetMonSalReq", "38500"},
          {"numTravAll", "3500"},
          {"numMedAidCont", "1650"},
          {"numPMems", "1"},
          {"numOTaxFB", "450"},
          {"numRFundCont", "2600"},
          {"numCCRFundCont", "3100"}}},
    };
    bool ok = true;
    for (const Example& example : examples) {
        ok = showPackage(shell, main, folder, example) && ok;
    }
    for (const Message& message : shell.sink.messages) {
        std::printf("message: [%s] %s\n", message.title.c_str(), message.text.c_str());
    }
    return ok ? 0 : 1;
}

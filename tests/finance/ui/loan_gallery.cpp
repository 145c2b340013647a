// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the loans window in the program's main window as a user does (Business Calculations >
// Loans), works a home loan through every mode, and saves pictures of the window, its schedule
// grid, the annual graph, the print panel and the printout's preview, and the printouts as PDF
// files: loan_gallery <folder> [width height]. Run it under xvfb-run so that the pictures have a
// real window frame.

#include "finance/ui/frm_loans.h"
#include "finance/ui/loan_graph_window.h"
#include "tests/paye/ui/window_gallery.h"

#include <QApplication>
#include <QCheckBox>
#include <QMdiSubWindow>
#include <QRadioButton>

using namespace grovan;
using namespace grovan::testing;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: loan_gallery <folder> [width height]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    InstalledShell shell({"Lonrepa.rpt", "LonrepaA.rpt", "LonPrAm.rpt", "LonPrAmA.rpt",
                          "LonRPer.rpt", "LonRPerA.rpt", "LonInRt.rpt", "LonInRtA.rpt"});
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    showMain(main, shell);
    if (argc == 4) {
        main.resize(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    auto* loans = qobject_cast<frmLoans*>(openFromMenu(main, "mnuLoans", "frmLoans"));

    bool ok = save(main, folder, "loan-opened.png");
    type(*loans, "numPrinAmount", QStringLiteral("1250000"));
    type(*loans, "numPeriod", QStringLiteral("240"));
    type(*loans, "numIntRate", QStringLiteral("7.25"));
    click(*loans, "cmdCalculate");
    click(*loans, "cmdFinCharge");
    ok = save(*loans, folder, "loan-repayment.png") && ok;

    click(*loans, "cmdMonAmort");
    ok = save(main, folder, "loan-monthly-schedule.png") && ok;
    click(*loans, "cmdAnnAmort");
    ok = save(*loans, folder, "loan-annual-schedule.png") && ok;
    click(*loans, "cmdGridClose");

    click(*loans, "optLoanCalc(2)");
    type(*loans, "numMonRePay", QStringLiteral("12000"));
    click(*loans, "cmdCalculate");
    ok = save(*loans, folder, "loan-period.png") && ok;

    click(*loans, "optLoanCalc(3)");
    type(*loans, "numMonRePay", QStringLiteral("90000"));
    click(*loans, "cmdCalculate");
    ok = save(*loans, folder, "loan-rate-error.png") && ok;
    type(*loans, "numMonRePay", QStringLiteral("11000"));
    click(*loans, "cmdCalculate");

    click(*loans, "cmdLoanGraph");
    ok = save(main, folder, "loan-graph-in-main.png") && ok;
    if (LoanGraphWindow* graph = loans->graphWindow()) {
        ok = save(*graph, folder, "loan-graph.png") && ok;
        ok = graph->savePdf(folder.filePath("loan-graph.pdf")) && ok;
        graph->parentWidget()->close();
    }
    loans->parentWidget()->setFocus();
    main.findChild<QAction*>(QStringLiteral("mnuLoans"))->trigger();

    click(*loans, "cmdPrint");
    loans->findChild<QCheckBox*>(QStringLiteral("Check1"))->click();
    loans->findChild<QRadioButton*>(QStringLiteral("Option1(1)"))->click();
    ok = save(*loans, folder, "loan-print.png") && ok;
    click(*loans, "cmdVR");
    ok = savePreview(shell, folder, "loan-preview.png") && ok;
    backToMain(main);

    // The longest schedule, printed straight into a file.
    click(*loans, "optLoanCalc(0)");
    type(*loans, "numPeriod", QStringLiteral("600"));
    click(*loans, "cmdCalculate");
    shell.printer.printer().setOutputFileName(folder.filePath("loan-600-months.pdf"));
    click(*loans, "cmdPrint");
    click(*loans, "cmdPD");
    std::printf("printed %s\n", qPrintable(folder.filePath("loan-600-months.pdf")));

    for (const Message& message : shell.sink.messages) {
        std::printf("message: %s\n", message.text.c_str());
    }
    return ok ? 0 : 1;
}

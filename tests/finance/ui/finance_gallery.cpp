// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's main window with the inflation, loan buster, loan comparison and daily
// balance windows as a user does, types realistic cases and saves pictures of the windows, their
// print panels and the printouts' previews, and prints each printout into a PDF file, to look at
// them as a user sees them: finance_gallery <folder> [width height]. Run it under xvfb-run so
// that the pictures have a real window frame; the main window takes the given size (default
// 1100 x 820).

#include "tests/paye/ui/window_gallery.h"

#include <QApplication>

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

const Example kExamples[] = {
    {"mnuInflationProject",
     "frmInflation",
     "inflation",
     {{"numPresCost", "250000"}, {"numPeriod", "15"}, {"numInflaRate", "5.5"}}},
    {"mnuLoansBuster",
     "frmLoanBuster",
     "buster",
     {{"numPrinAmount", "850000"},
      {"numPeriod", "240"},
      {"numIntRate", "7.25"},
      {"numXtraPay", "1500"}}},
    {"mnuLoansComparison",
     "frmLoanComp",
     "comparison",
     {{"numBAmt", "1250000"}, {"numIntRate", "7"}}},
    {"mnuDailyBalance",
     "frmDayBal",
     "daybal",
     {{"numCapAmount", "125000"},
      {"dtStartDate", "01032021"},
      {"dtEndDate", "31082021"},
      {"numIntRate", "6.5"}}},
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: finance_gallery <folder> [width height]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    CalculatorWindowFixture shell(
        {"loanbuster.rpt", "LoanComparison.rpt", "DayBal.rpt", "Inflatin.rpt"});
    addProgramWindows(shell.calculators, shell.state);
    MDIForm1 main(shell.context, shell.calculators);
    showMain(main, shell);
    if (argc == 4) {
        main.resize(QString::fromLocal8Bit(argv[2]).toInt(),
                    QString::fromLocal8Bit(argv[3]).toInt());
    }
    bool ok = true;
    for (const Example& example : kExamples) {
        QWidget* window = openFromMenu(main, example.command, example.window);
        const QString prefix = QString::fromLatin1(example.prefix);
        ok = save(*window, folder, prefix + "-opened.png") && ok;
        for (const auto& [name, keys] : example.typed) {
            type(*window, name, QString::fromLatin1(keys));
        }
        click(*window, "cmdCalculate");
        ok = save(*window, folder, prefix + "-calculated.png") && ok;
        ok = save(main, folder, prefix + "-main.png") && ok;
        click(*window, "cmdPrint");
        ok = save(*window, folder, prefix + "-print.png") && ok;
        click(*window, "cmdVR");
        ok = savePreview(shell, folder, prefix + "-preview.png") && ok;
        backToMain(main);
        printToFile(shell, *window, folder, prefix + ".pdf", nullptr);
    }
    // The messages of the session: none is expected.
    for (const Message& message : shell.sink.messages) {
        std::printf("message: %s (%s)\n", message.text.c_str(), message.title.c_str());
    }
    return ok && shell.sink.messages.empty() ? 0 : 1;
}

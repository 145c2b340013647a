// SPDX-License-Identifier: GPL-3.0-or-later
// The longest loan printout, from the loan to the PDF file, headless: the 600-month loan solved,
// its Loans row and 600 Amort lines written into a print database, the template rendered and the
// pages painted into a PDF, as "&View/Export report" and grovan-cli --pdf make it. Target: under
// 300 ms.

#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "core/report_file.h"
#include "core/ui/report_page_painter.h"
#include "core/ui/report_pdf.h"
#include "finance/loan_definition.h"
#include "shell/calculators.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

class QuietSink : public grovan::MessageSink
{
public:
    void show(const grovan::Message& message) override { messages.push_back(message.text); }
    std::vector<std::string> messages;
};

void LoanSchedulePdf600(benchmark::State& state)
{
    std::string name = (std::filesystem::temp_directory_path() / "grovan-bench-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path folder(name);
    QuietSink sink;
    const grovan::PrintDatabase database(folder / "Crysprin.mdb",
                                         grovan::programCalculators().printSchema(), sink);
    database.prepare();
    const auto& loan = grovan::loanCalculator();
    const std::filesystem::path templates =
        std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" / "reports";
    int pages = 0;
    for (auto _ : state) {
        grovan::LoanInputs inputs;
        inputs.Principal = 500000;
        inputs.PeriodMonths = 600;
        inputs.AnnualRate = 10;
        inputs.FinChargesState = grovan::FinCharges::Down;
        inputs.printOptions.setCheck1(true);
        inputs.printOptions.chooseOption1(1);
        grovan::TaxableIncomeRecord record;
        grovan::LoanResults results;
        loan.calculateInto(inputs, {}, record, results);
        const grovan::Printout printout = loan.printout(inputs, results, {});
        if (!database.write(printout.writes) ||
            !grovan::renderReportToPdf(templates / printout.templateFile, database,
                                       folder / "loan.pdf", sink)) {
            state.SkipWithError("the printout was not written");
            break;
        }
        ++pages;
    }
    state.counters["pdf_bytes"] =
        static_cast<double>(std::filesystem::file_size(folder / "loan.pdf"));
    std::filesystem::remove_all(folder);
}
BENCHMARK(LoanSchedulePdf600)->Unit(benchmark::kMillisecond);

// The steps of the above one by one: the rows written, the template rendered to its HTML, the
// pages laid out, and the pages painted into the PDF file.
void LoanSchedulePdf600Steps(benchmark::State& state)
{
    std::string name = (std::filesystem::temp_directory_path() / "grovan-bench-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path folder(name);
    QuietSink sink;
    const grovan::PrintDatabase database(folder / "Crysprin.mdb",
                                         grovan::programCalculators().printSchema(), sink);
    database.prepare();
    const auto& loan = grovan::loanCalculator();
    grovan::LoanInputs inputs;
    inputs.Principal = 500000;
    inputs.PeriodMonths = 600;
    inputs.AnnualRate = 10;
    inputs.printOptions.setCheck1(true);
    inputs.printOptions.chooseOption1(1);
    grovan::TaxableIncomeRecord record;
    grovan::LoanResults results;
    loan.calculateInto(inputs, {}, record, results);
    const grovan::Printout printout = loan.printout(inputs, results, {});
    const auto templateFile = std::filesystem::path(GROVAN_SOURCE_DIR) / "resources" / "reports" /
                              std::string(printout.templateFile);
    const auto step = [&state](auto work) {
        const auto start = std::chrono::steady_clock::now();
        work();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    double written = 0, rendered = 0, laidOut = 0, painted = 0;
    for (auto _ : state) {
        written += step([&] { database.write(printout.writes); });
        std::optional<grovan::RenderedReport> report;
        rendered += step([&] { report = grovan::renderReportFile(templateFile, database, sink); });
        std::optional<grovan::ReportPagePainter> pages;
        laidOut += step([&] {
            pages.emplace(*report);
            benchmark::DoNotOptimize(pages->pageCount());
        });
        painted += step([&] { grovan::writeReportPdf(*report, folder / "loan.pdf", sink); });
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["write_ms"] = written / n;
    state.counters["html_ms"] = rendered / n;
    state.counters["layout_ms"] = laidOut / n;
    state.counters["layout_and_pdf_ms"] = painted / n;
    std::filesystem::remove_all(folder);
}
BENCHMARK(LoanSchedulePdf600Steps)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ui/report_pdf.h"

#include "core/output_file.h"
#include "core/print_database.h"
#include "core/report_file.h"
#include "core/ui/report_page_painter.h"

#include <QBuffer>
#include <QPdfWriter>

namespace grovan {

namespace {

void tellNotWritten(MessageSink& messages, const std::filesystem::path& file,
                    const std::string& reason)
{
    messages.show(Message{"The PDF file \u201c" + file.string() + "\u201d " +
                              (reason.empty() ? std::string("could not be written") : reason) +
                              "; nothing was written.",
                          kProgramTitle, MessageIcon::Error});
}

} // namespace

bool writeReportPdf(const RenderedReport& report, const std::filesystem::path& pdfFile,
                    MessageSink& messages)
{
    // Checked before the pages are painted, and again by the file itself before it is renamed.
    if (const auto problem = outputFileProblem(pdfFile)) {
        tellNotWritten(messages, pdfFile, *problem);
        return false;
    }
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        const ReportPagePainter pages(report);
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(report.title));
        writer.setCreator(QString::fromLatin1(kPdfCreator));
        if (!pages.paint(writer)) {
            tellNotWritten(messages, pdfFile, {});
            return false;
        }
    }
    OutputFile file(pdfFile);
    if (!file.open() || !file.write(std::string_view(pdf.constData(), pdf.size())) ||
        !file.commit()) {
        tellNotWritten(messages, pdfFile, file.error());
        return false;
    }
    return true;
}

bool renderReportToPdf(const std::filesystem::path& templateFile, const PrintDatabase& database,
                       const std::filesystem::path& pdfFile, MessageSink& messages,
                       PrintLanguage language)
{
    const auto report = renderReportFile(templateFile, database, messages, language);
    return report && writeReportPdf(*report, pdfFile, messages);
}

} // namespace grovan

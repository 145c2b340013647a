#include "core/ui/report_pdf.h"

#include "core/report_file.h"

#include "core/print_database.h"
#include "core/ui/report_page_painter.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace grovan {

namespace {

void tellNotWritten(MessageSink& messages, const std::filesystem::path& file, const QString& reason)
{
    messages.show(
        Message{"The PDF file \u201c" + file.string() + "\u201d could not be written" +
                    (reason.isEmpty() ? std::string() : " (" + reason.toStdString() + ")") + ".",
                kProgramTitle, MessageIcon::Error});
}

} // namespace

bool writeReportPdf(const RenderedReport& report, const std::filesystem::path& pdfFile,
                    MessageSink& messages)
{
    QSaveFile file(QString::fromStdString(pdfFile.string()));
    if (!file.open(QIODevice::WriteOnly)) {
        tellNotWritten(messages, pdfFile, file.errorString());
        return false;
    }
    const ReportPagePainter pages(report);
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromStdString(report.title));
        writer.setCreator(QString::fromLatin1(kPdfCreator));
        if (!pages.paint(writer)) {
            file.cancelWriting();
            tellNotWritten(messages, pdfFile, QString());
            return false;
        }
    }
    if (!file.commit()) {
        tellNotWritten(messages, pdfFile, file.errorString());
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

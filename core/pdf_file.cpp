// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pdf_file.h"

#include "core/output_file.h"

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

bool writePdfFile(const std::filesystem::path& pdfFile,
                  const std::function<bool(std::string& pdf)>& paint, MessageSink& messages)
{
    if (const auto problem = outputFileProblem(pdfFile)) {
        tellNotWritten(messages, pdfFile, *problem);
        return false;
    }
    std::string pdf;
    if (!paint(pdf)) {
        tellNotWritten(messages, pdfFile, {});
        return false;
    }
    OutputFile file(pdfFile);
    if (!file.open() || !file.write(pdf) || !file.commit()) {
        tellNotWritten(messages, pdfFile, file.error());
        return false;
    }
    return true;
}

} // namespace grovan

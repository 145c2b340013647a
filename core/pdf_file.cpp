// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pdf_file.h"

#include "core/output_file.h"

namespace grovan {

bool writePdfFile(const std::filesystem::path& pdfFile,
                  const std::function<bool(std::string& pdf)>& paint, MessageSink& messages)
{
    return writeMadeFile(pdfFile, paint, [&](const std::string& reason) {
        messages.show(Message{"The PDF file \u201c" + pdfFile.string() + "\u201d " +
                                  (reason.empty() ? std::string("could not be written") : reason) +
                                  "; nothing was written.",
                              kProgramTitle, MessageIcon::Error});
    });
}

} // namespace grovan

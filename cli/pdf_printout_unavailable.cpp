// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf_printout.h"

namespace grovan::cli {

bool pdfPrintoutAvailable()
{
    return false;
}

bool writePrintoutPdf(const CalculationOutput&, PrintLanguage, const DatabaseSchema&,
                      const std::filesystem::path&, const std::filesystem::path&,
                      MessageSink& messages)
{
    messages.show(Message{"this build has no report pages (it was built without the desktop "
                          "program), so it cannot write PDF printouts",
                          kProgramTitle, MessageIcon::Error});
    return false;
}

} // namespace grovan::cli

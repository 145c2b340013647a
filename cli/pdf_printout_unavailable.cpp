#include "cli/pdf_printout.h"

namespace grovan::cli {

bool pdfPrintoutAvailable()
{
    return false;
}

bool writePrintoutPdf(const CalculationOutput&, PrintLanguage, const std::filesystem::path&,
                      const std::filesystem::path&, std::ostream& err)
{
    err << "grovan-cli: this build has no report pages (it was built without the desktop "
           "program), so it cannot write PDF printouts\n";
    return false;
}

} // namespace grovan::cli

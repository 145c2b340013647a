#pragma once

#include "cli/calculator_adapter.h"
#include "core/app_paths.h"
#include "core/message.h"
#include "core/print_language.h"

#include <filesystem>

namespace grovan::cli {

/// Whether this grovan-cli can write printouts: built with the report renderer (as it is beside
/// the desktop program), not from the engine alone.
bool printoutsAvailable();

/// Writes the printout of one calculation as a PDF file, the way a window prints it: the
/// calculation's row in `language` into its table of the print database in `paths.dataDir`, then
/// its template from `paths.assetDir` laid out over the table into `pdfFile`, which is written
/// whole or not at all. False, with the reason told to `messages`, when the calculation has no
/// printout, the row cannot be written, the template is missing or faulty, or the file cannot be
/// written. Needs no display.
bool writePrintoutPdf(const CalculationOutput& output, PrintLanguage language,
                      const AppPaths& paths, const std::filesystem::path& pdfFile,
                      MessageSink& messages);

} // namespace grovan::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator.h"
#include "core/message.h"

#include <filesystem>

namespace grovan::cli {

/// Whether this grovan-cli writes PDF printouts: it does when it is built with the program's
/// report pages (the desktop program's build).
bool pdfPrintoutAvailable();

/// Writes the printout of one calculation in `language` to `pdfFile` through the calculator's
/// report template in `assetFolder` (`schema`: the print database's tables), page for page as the
/// desktop program's preview shows it; no display is needed. The printout row goes into a print
/// database of its own in a new private temporary folder, removed afterwards: runs side by side
/// never print each other's rows, and the desktop program's print database keeps what its last
/// printout left. The first printout makes an offscreen QGuiApplication that lasts to the end of
/// the program. False, with the reason told to `messages`, when nothing was written.
bool writePrintoutPdf(const CalculationOutput& output, PrintLanguage language,
                      const DatabaseSchema& schema, const std::filesystem::path& assetFolder,
                      const std::filesystem::path& pdfFile, MessageSink& messages);

} // namespace grovan::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/report_renderer.h"

#include <string>

/// What the PDF printouts' library (libgrovan-pdf.so, loaded by grovan-cli at its first printout)
/// offers: one function, found by this name, that paints a rendered report's pages into a PDF.
/// grovan-cli itself links no Qt, so that every command but a printout starts without it.
namespace grovan::pdf_library {

/// The library's file name.
inline constexpr const char* kFileName = "libgrovan-pdf.so";

/// The name the painter is exported under. The number changes whenever its signature, or the
/// layout of what it is given, does, so that a library left over from another version is refused
/// instead of called wrongly.
inline constexpr const char* kPaintSymbol = "grovan_paint_report_pdf_1";

/// Paints `report`'s pages into a PDF document, `pdf` its bytes, as the desktop program's preview
/// shows them, with no display: the first call makes an offscreen GUI application that lasts to
/// the end of the program. False when the pages could not be painted.
using PaintReport = bool (*)(const RenderedReport& report, std::string& pdf);

} // namespace grovan::pdf_library

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <filesystem>
#include <functional>
#include <string>

namespace grovan {

/// The creator written into every PDF the program makes.
inline constexpr const char* kPdfCreator = "Grovan 2022";

/// Makes the PDF file `pdfFile` of the bytes `paint` puts into its argument, through an
/// OutputFile: whole or not at all, an existing file replaced only once the new one is complete,
/// and never a device, a pipe, a link or a write-protected file. The file's name is checked
/// before `paint` is asked, and again before the file is renamed. False (the user is told why)
/// when `paint` fails or the file cannot be written.
bool writePdfFile(const std::filesystem::path& pdfFile,
                  const std::function<bool(std::string& pdf)>& paint, MessageSink& messages);

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

/// What the help window's library (libgrovan-help.so, loaded by the main window when the help is
/// first opened) offers: one function, found by this name, that makes the help window.
namespace grovan::help_library {

/// The library's file name.
inline constexpr const char* kFileName = "libgrovan-help.so";

/// The name the window maker is exported under. The number changes whenever its signature does,
/// so that a library left over from another version is refused instead of called wrongly.
inline constexpr const char* kMakeWindowSymbol = "grovan_make_help_window_1";

/// Makes a help window (object name `frmHelpBrowser`, no parent) showing the PDF document at
/// `document` (a file name in the system's encoding); the caller owns it. Never null.
using MakeWindow = QWidget* (*)(const char* document);

} // namespace grovan::help_library

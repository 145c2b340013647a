// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "shell/ui/help_library.h"

#include <filesystem>
#include <memory>

class QWidget;

namespace grovan {

/// Makes the help window with its library (help_library.h), which brings in the PDF view and is
/// loaded only the first time a window is asked for. Once loaded it stays for the rest of the
/// run: the windows it made run its code until they are gone, which may be after this object.
class HelpWindowLoader
{
public:
    explicit HelpWindowLoader(std::filesystem::path library) : m_library(std::move(library)) {}

    /// Where the library is for a program in `programFolder` whose assets are in `assetDir`: at
    /// its installed place relative to the program's folder (the build tree mirrors it), or
    /// beside the program in a copy that keeps its assets there too.
    static std::filesystem::path libraryFor(const std::filesystem::path& programFolder,
                                            const std::filesystem::path& assetDir);

    const std::filesystem::path& library() const { return m_library; }

    /// A new help window showing `document`; null when the library cannot be loaded (missing,
    /// damaged, or without the window maker), after telling `messages` which file it is and the
    /// loader's reason. The next call tries again.
    std::unique_ptr<QWidget> make(const std::filesystem::path& document, MessageSink& messages);

private:
    std::filesystem::path m_library;
    help_library::MakeWindow m_makeWindow = nullptr;
};

} // namespace grovan

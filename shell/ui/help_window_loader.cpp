// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/help_window_loader.h"

#include "core/private_library.h"

#include <QWidget>

#include <string>

namespace grovan {

std::filesystem::path HelpWindowLoader::libraryFor(const std::filesystem::path& programFolder,
                                                   const std::filesystem::path& assetDir)
{
    return privateLibraryFile(programFolder, assetDir, help_library::kFileName);
}

std::unique_ptr<QWidget> HelpWindowLoader::make(const std::filesystem::path& document,
                                                MessageSink& messages)
{
    if (m_makeWindow == nullptr) {
        std::string reason;
        void* symbol = loadPrivateSymbol(m_library, help_library::kMakeWindowSymbol, reason);
        if (symbol == nullptr) {
            messages.show({"The help could not be opened: " + m_library.string() +
                               " is missing or damaged (" + reason + ").",
                           kProgramTitle, MessageIcon::Error});
            return nullptr;
        }
        m_makeWindow = reinterpret_cast<help_library::MakeWindow>(symbol);
    }
    return std::unique_ptr<QWidget>(m_makeWindow(document.c_str()));
}

} // namespace grovan

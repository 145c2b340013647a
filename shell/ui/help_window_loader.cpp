// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/help_window_loader.h"

#include <QWidget>

#include <dlfcn.h>

#include <string>

namespace grovan {

namespace {

// dlerror()'s text without the file name it starts with, which the message names already.
std::string loaderReason(const std::filesystem::path& library)
{
    const char* error = ::dlerror();
    std::string reason = error != nullptr ? error : "unknown reason";
    const std::string prefix = library.string() + ": ";
    if (reason.starts_with(prefix)) {
        reason.erase(0, prefix.size());
    }
    return reason;
}

} // namespace

std::filesystem::path HelpWindowLoader::libraryFor(const std::filesystem::path& programFolder,
                                                   const std::filesystem::path& assetDir)
{
    if (assetDir.lexically_normal() == programFolder.lexically_normal()) {
        return programFolder / help_library::kFileName;
    }
    return (programFolder / GROVAN_PRIVATE_LIBRARIES_FROM_BIN / help_library::kFileName)
        .lexically_normal();
}

std::unique_ptr<QWidget> HelpWindowLoader::make(const std::filesystem::path& document,
                                                MessageSink& messages)
{
    if (m_makeWindow == nullptr) {
        // Resolving every symbol now turns a library built against another Qt into a refusal
        // here rather than a crash later. A library that makes windows is never closed (see the
        // header).
        void* handle = ::dlopen(m_library.c_str(), RTLD_NOW | RTLD_LOCAL);
        void* symbol =
            handle != nullptr ? ::dlsym(handle, help_library::kMakeWindowSymbol) : nullptr;
        if (symbol == nullptr) {
            const std::string reason = loaderReason(m_library);
            if (handle != nullptr) {
                ::dlclose(handle);
            }
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/private_library.h"

#include <dlfcn.h>

namespace grovan {

std::filesystem::path privateLibraryFile(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& assetDir,
                                         std::string_view fileName)
{
    if (assetDir.lexically_normal() == programFolder.lexically_normal()) {
        return programFolder / fileName;
    }
    return (programFolder / GROVAN_PRIVATE_LIBRARIES_FROM_BIN / fileName).lexically_normal();
}

void* loadPrivateSymbol(const std::filesystem::path& library, const char* symbol,
                        std::string& reason)
{
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* found = handle != nullptr ? ::dlsym(handle, symbol) : nullptr;
    if (found != nullptr) {
        return found;
    }
    const char* error = ::dlerror();
    reason = error != nullptr ? error : "unknown reason";
    const std::string prefix = library.string() + ": ";
    if (reason.starts_with(prefix)) {
        reason.erase(0, prefix.size());
    }
    if (handle != nullptr) {
        ::dlclose(handle);
    }
    return nullptr;
}

} // namespace grovan

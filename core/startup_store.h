// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"
#include "core/schema_database.h"

#include <cstdint>
#include <filesystem>

namespace grovan {

/// What the start-up sequence remembers between runs, in "bcdv.mdb".
struct StartupState
{
    /// The version number (ProgramVersion::disclaimerNumber) whose disclaimer was last accepted.
    std::int64_t VAR1 = 0;
    /// Whether the About window is shown at start-up.
    bool ViewAbout = true;

    bool operator==(const StartupState&) const = default;
};

/// The start-up state store: one record of table `Startup`.
class StartupStateDatabase
{
public:
    StartupStateDatabase(std::filesystem::path file, MessageSink& messages);

    /// The stored state; the initial state where the file cannot be read (the user is told).
    StartupState load() const;
    /// Writes `ViewAbout` alone, as the About window does whenever it closes.
    bool saveViewAbout(bool viewAbout) const;
    /// Writes `VAR1` alone, as accepting the disclaimer does.
    bool saveAcceptedVersion(std::int64_t versionNumber) const;

    static const DatabaseSchema& schema();

private:
    SchemaDatabase m_database;
};

} // namespace grovan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/startup_store.h"

namespace grovan {

namespace {

constexpr const char* kTable = "Startup";

} // namespace

const DatabaseSchema& StartupStateDatabase::schema()
{
    static const DatabaseSchema schema = [] {
        const StartupState initial;
        return DatabaseSchema{"start-up state database",
                              {TableSchema{kTable,
                                           TableKind::SingleRow,
                                           {
                                               {"VAR1", ColumnType::Integer, initial.VAR1},
                                               {"ViewAbout", ColumnType::Boolean,
                                                std::int64_t{initial.ViewAbout ? 1 : 0}},
                                           }}},
                              false,
                              "The program starts as a new installation would: the About "
                              "window and the disclaimer are shown."};
    }();
    return schema;
}

StartupStateDatabase::StartupStateDatabase(std::filesystem::path file, MessageSink& messages)
    : m_database(std::move(file), schema(), messages)
{}

StartupState StartupStateDatabase::load() const
{
    StartupState state;
    const auto row = m_database.readRow(kTable);
    if (!row) {
        return state;
    }
    if (const auto* version = std::get_if<std::int64_t>(findField(*row, "VAR1"))) {
        state.VAR1 = *version;
    }
    if (const auto* view = std::get_if<std::int64_t>(findField(*row, "ViewAbout"))) {
        state.ViewAbout = *view != 0;
    }
    return state;
}

bool StartupStateDatabase::saveViewAbout(bool viewAbout) const
{
    return m_database.writeRow(kTable, {{"ViewAbout", std::int64_t{viewAbout ? 1 : 0}}});
}

bool StartupStateDatabase::saveAcceptedVersion(std::int64_t versionNumber) const
{
    return m_database.writeRow(kTable, {{"VAR1", versionNumber}});
}

} // namespace grovan

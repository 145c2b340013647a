#include "cli/stored_setup.h"

#include "core/app_paths.h"

namespace grovan::cli {

namespace {

class StreamSink : public MessageSink
{
public:
    explicit StreamSink(std::ostream& out) : m_out(out) {}
    void show(const Message& message) override { m_out << "grovan-cli: " << message.text << '\n'; }

private:
    std::ostream& m_out;
};

AppPaths programPaths()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return locateAppPathsFromEnvironment(error ? std::filesystem::path("grovan-cli") : executable);
}

} // namespace

std::optional<std::filesystem::path> defaultDataFolder(std::ostream& err)
{
    const std::filesystem::path folder = programPaths().dataDir;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        err << "grovan-cli: cannot make the data folder " << folder << ": " << error.message()
            << '\n';
        return std::nullopt;
    }
    return folder;
}

std::filesystem::path programAssetFolder()
{
    return programPaths().assetDir;
}

SetupValues loadStoredSetup(const std::filesystem::path& dataFolder, std::ostream& err)
{
    StreamSink sink(err);
    return SettingsDatabase(AppPaths{{}, dataFolder}.settingsDatabase(), sink).load();
}

} // namespace grovan::cli

// Which stored settings format each file: --settings, else the nearest team .quillet.reg, else the user's own.
#include "SettingsDiscovery.h"

#include "FileSettingsStore.h"
#include "FileUtil.h"

#include <filesystem>

namespace fs = std::filesystem;

CSettingsDiscovery::CSettingsDiscovery(FormatOptionsSource source, std::ostream& warnings)
    : m_source(std::move(source)), m_warnings(warnings)
{
}

bool CSettingsDiscovery::LoadFallback(std::string& error)
{
    FormatOptions read;
    if (!LoadRequestedFormatOptions(m_source, read, error, m_warnings))
        return false;
    m_optionsOfFile.emplace(m_source.settingsPath.value_or(std::string()), read);
    return true;
}

bool CSettingsDiscovery::OptionsFor(const std::string& path, const FormatOptions*& options, std::string& settingsName,
                                    std::string& error)
{
    const std::string teamFile = m_source.settingsPath ? *m_source.settingsPath : TeamFileFor(path);
    auto loaded = m_optionsOfFile.find(teamFile);
    if (loaded == m_optionsOfFile.end())
    {
        FormatOptionsSource source = m_source;
        if (!teamFile.empty())
            source.settingsPath = teamFile;
        FormatOptions read;
        if (!LoadRequestedFormatOptions(source, read, error, m_warnings))
            return false;
        loaded = m_optionsOfFile.emplace(teamFile, read).first;
    }
    options = &loaded->second;
#ifdef _WIN32
    settingsName = teamFile.empty() ? "the registry" : teamFile;
#else
    settingsName = teamFile.empty() ? DefaultSettingsFilePath() : teamFile;
#endif
    return true;
}

std::string CSettingsDiscovery::TeamFileFor(const std::string& path)
{
    std::error_code error;
    fs::path folder =
        path.empty() ? fs::current_path(error) : fs::absolute(NativePath(path), error).lexically_normal().parent_path();
    if (error)
        return std::string();
    std::vector<std::string> visited;
    std::string found;
    for (;;)
    {
        const std::string key = folder.string();
        const auto known = m_teamFileOfFolder.find(key);
        if (known != m_teamFileOfFolder.end())
        {
            found = known->second;
            break;
        }
        visited.push_back(key);
        const fs::path candidate = folder / kTeamFileName;
        if (fs::exists(fs::symlink_status(candidate, error)))
        {
            found = candidate.string();
            break;
        }
        if (!folder.has_relative_path())
            break;
        folder = folder.parent_path();
    }
    for (const std::string& key : visited)
        m_teamFileOfFolder[key] = found;
    return found;
}

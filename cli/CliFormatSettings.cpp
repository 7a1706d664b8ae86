#include "CliFormatSettings.h"

#include "FileSettingsStore.h"
#include "FileUtil.h"
#include "FormatCommandSets.h"
#include "FormatOptionNames.h"
#include "FormatSettings.h"
#include "RegistryExportFile.h"

#ifdef _WIN32
#include "SettingsRegistry.h"
#endif

#include <cerrno>
#include <sys/stat.h>

namespace
{

// A settings file that is there but unreadable is an error rather than a
// silent fall-back to the defaults.
bool CheckSettingsFile(const std::string& path, std::string& error)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 && errno == ENOENT)
        return true;
    std::string bytes;
    std::string cause;
    if (!ReadWholeFile(path, bytes, cause))
    {
        error = path + ": cannot read settings: " + cause;
        return false;
    }
    if (!CRegistryExportFile(bytes).IsReadable())
    {
        error = path + ": cannot read settings: saved as UTF-16, not as REGEDIT4 text";
        return false;
    }
    return true;
}

bool LoadStoredOptions(const FormatRequest& request, FormatOptions& options, std::string& error)
{
#ifdef _WIN32
    if (!request.hasSettingsPath)
    {
        CSettingsRegistry registry;
        options = LoadFormatOptions(registry);
        return true;
    }
#endif
    const std::string path = request.hasSettingsPath ? NativePath(request.settingsPath) : DefaultSettingsFilePath();
    if (!CheckSettingsFile(path, error))
        return false;
    CFileSettingsStore store(path);
    options = LoadFormatOptions(store);
    return true;
}

} // namespace

bool LoadRequestedFormatOptions(const FormatRequest& request, FormatOptions& options, std::string& error)
{
    if (!LoadStoredOptions(request, options, error))
        return false;
    if (!request.command.empty())
    {
        const FormatCommandSet* set = FindFormatCommandSet(request.command);
        if (set && !set->usesStoredOptions)
            ApplySpecialFormatValues(options, set->values);
    }
    for (const auto& [name, value] : request.options)
    {
        if (const FormatOptionName* option = FindFormatOptionName(name))
            option->Set(options, value);
    }
    return true;
}

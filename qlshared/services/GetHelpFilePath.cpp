#include "HelpFilePath.h"

#ifdef _WIN32

#include "QLShared.h"
#include "SettingsStoreFactory.h"

std::string GetHelpFilePath()
{
    // Without a stored folder the result is just "\Quillet.hlp".
    std::unique_ptr<ISettingsStore> store = CreateSettingsStore();
    return HelpFilePathFrom(*store, std::string(), '\\');
}

#else

#include "settings/FileSettingsStore.h"

#include <unistd.h>

#include <vector>

namespace {

// Nothing installs this system here, so the help file's default place is
// beside the program.
std::string ExecutableFolder()
{
    std::vector<char> path(4096);
    ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0)
        return ".";
    std::string file(path.data(), static_cast<size_t>(length));
    size_t slash = file.rfind('/');
    return slash == std::string::npos || slash == 0 ? "/" : file.substr(0, slash);
}

} // namespace

std::string GetHelpFilePath()
{
    CFileSettingsStore store(DefaultSettingsFilePath());
    return HelpFilePathFrom(store, ExecutableFolder(), '/');
}

#endif

// GetHelpFilePath where there is no registry: the settings file's
// "Install Path", else the executable's folder.

#include "HelpFilePath.h"

#include "FileSettingsStore.h"

#include <unistd.h>

#include <vector>

namespace
{

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

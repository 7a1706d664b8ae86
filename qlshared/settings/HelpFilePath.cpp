// The help file's path from the stored install folder, shared by the Windows export and the registry-free build.
#include "HelpFilePath.h"

#include "SettingNames.h"

std::string HelpFilePathFrom(ISettingsStore& store, const std::string& defaultFolder, char separator)
{
    std::string folder;
    if (store.OpenKey())
        folder = store.ReadString(SettingNames::InstallPath);
    if (folder.empty())
        folder = defaultFolder;
    return folder + separator + "Quillet.hlp";
}

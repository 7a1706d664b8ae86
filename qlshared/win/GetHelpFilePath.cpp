#include "HelpFilePath.h"
#include "QLShared.h"
#include "SettingsStoreFactory.h"

std::string GetHelpFilePath()
{
    // Without a stored folder the result is just "\Quillet.hlp".
    std::unique_ptr<ISettingsStore> store = CreateSettingsStore();
    return HelpFilePathFrom(*store, std::string(), '\\');
}

// The export GetHelpFilePath: the help file's path from the registry store.

#include "HelpFilePath.h"
#include "QLShared.h"
#include "ResourceModule.h"
#include "SettingsStoreFactory.h"

std::string GetHelpFilePath()
{
    // Unlike the exports that use the library's resources, this one runs in
    // its caller's state, so the store's messages carry the caller's title.
    CResourceModule caller(ModuleAt(__builtin_return_address(0)));
    // Without a stored folder the result is just "\Quillet.hlp".
    std::unique_ptr<ISettingsStore> store = CreateSettingsStore();
    return HelpFilePathFrom(*store, std::string(), '\\');
}

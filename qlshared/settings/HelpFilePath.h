#pragma once

#include "SettingsStore.h"

#include <string>

// The help file's path: the stored "Install Path", the separator and
// "Quillet.hlp". The folder is taken as stored, so one that ends in the
// separator gives two in a row. Without a key or value the folder is
// defaultFolder (empty on Windows, which yields "\Quillet.hlp").
std::string HelpFilePathFrom(ISettingsStore& store, const std::string& defaultFolder, char separator);

#ifndef _WIN32
// The help file on systems without the registry: "Install Path" from the
// settings file, by default the executable's own folder. On Windows the
// library exports GetHelpFilePath instead.
std::string GetHelpFilePath();
#endif

// The export GetVersionString: a module's version record as short text.

#include "QLShared.h"

#include "FormatGuard.h"
#include "ResourceModule.h"
#include "VersionText.h"
#include "WinMessageSink.h"

#include <windows.h>

#include <vector>

// Entry point number reported when reading the record fails unexpectedly.
constexpr int GetVersionStringEntryPoint = 1005;

std::string GetVersionString(const std::string& moduleFile)
{
    try
    {
        CResourceModule resources(OwnModule());
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeA(moduleFile.c_str(), &handle);
        if (size == 0)
            return std::string();
        std::vector<char> record(size);
        if (!GetFileVersionInfoA(moduleFile.c_str(), 0, size, record.data()))
            return std::string();
        char* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(record.data(), "\\StringFileInfo\\040904b0\\ProductVersion",
                            reinterpret_cast<void**>(&value), &length) ||
            !value || length == 0)
            return std::string();
        // The length counts the terminating zero when there is one.
        std::string productVersion(value, length);
        productVersion.resize(productVersion.find('\0') == std::string::npos ? productVersion.size()
                                                                             : productVersion.find('\0'));
        return ShortVersionText(productVersion);
    }
    catch (...)
    {
        CWinMessageSink().Show(EntryPointErrorText(GetVersionStringEntryPoint), LibraryCaption, MessageStyle::Ok);
        return std::string();
    }
}

#include "SettingsRegistry.h"

#include "SettingNames.h"
#include "WinMessageSink.h"

#include <cstring>

namespace
{

constexpr DWORD StringBufferSize = 2048;

void ShowStoreMessage(const char* text)
{
    CWinMessageSink().Show(text, CSettingsRegistry::ApplicationTitle(), MessageStyle::Ok);
}

} // namespace

CSettingsRegistry::CSettingsRegistry()
{
    if (!Connect(HKEY_LOCAL_MACHINE))
        ShowStoreMessage("Error Opening Registry");
}

CSettingsRegistry::~CSettingsRegistry() = default;

std::string CSettingsRegistry::ApplicationTitle()
{
    HMODULE module = nullptr;
    char path[MAX_PATH] = "";
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&ShowStoreMessage), &module) ||
        GetModuleFileNameA(module, path, MAX_PATH) == 0)
        return "QLShared";
    std::string name = path;
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

bool CSettingsRegistry::OpenKey()
{
    return Open(SettingNames::KeyPath, KEY_ALL_ACCESS);
}

bool CSettingsRegistry::OpenOrCreateKey()
{
    if (OpenKey())
        return true;
    // The creation's own handle is not trusted: the key is opened again, and
    // only that open counts.
    Create(SettingNames::KeyPath, KEY_ALL_ACCESS);
    if (OpenKey())
        return true;
    ShowStoreMessage("Error creating new key");
    return false;
}

int CSettingsRegistry::ReadNumber(const char* name, int def)
{
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!QueryValue(name, type, reinterpret_cast<BYTE*>(&value), size) || type != REG_DWORD ||
        size != sizeof value)
        return def;
    return static_cast<int>(value);
}

std::string CSettingsRegistry::ReadString(const char* name)
{
    DWORD type = 0;
    char buffer[StringBufferSize] = "";
    DWORD size = sizeof buffer;
    if (!QueryValue(name, type, reinterpret_cast<BYTE*>(buffer), size) ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    // The stored data need not end in a NUL.
    return std::string(buffer, strnlen(buffer, size));
}

bool CSettingsRegistry::WriteNumber(const char* name, int value)
{
    const DWORD data = static_cast<DWORD>(value);
    return SetValue(name, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

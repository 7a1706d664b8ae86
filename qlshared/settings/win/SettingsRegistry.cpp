// The local machine's settings key as a settings store, its failures shown through the message-box seam.
#include "SettingsRegistry.h"

#include "MessageRoute.h"
#include "SettingNames.h"
#include "WinMessageSink.h"

#include <cstring>

namespace
{

constexpr DWORD StringBufferSize = 2048;

// Captioned, as the framework's application messages are, with the title of
// the module whose state is current: the library's inside an export that
// switches to it, the caller's otherwise.
void ShowStoreMessage(const char* text)
{
    CWinMessageSink().Show(text, ApplicationTitle(), MessageStyle::Ok);
}

} // namespace

CSettingsRegistry::CSettingsRegistry()
{
    if (!Connect(HKEY_LOCAL_MACHINE))
        ShowStoreMessage("Error Opening Registry");
}

CSettingsRegistry::~CSettingsRegistry() = default;

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
    if (!QueryValue(name, type, reinterpret_cast<BYTE*>(&value), size) || type != REG_DWORD || size != sizeof value)
        return def;
    return static_cast<int>(value);
}

std::string CSettingsRegistry::ReadString(const char* name)
{
    DWORD type = 0;
    char buffer[StringBufferSize] = "";
    DWORD size = sizeof buffer;
    if (!QueryValue(name, type, reinterpret_cast<BYTE*>(buffer), size) || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    // The stored data need not end in a NUL.
    return std::string(buffer, strnlen(buffer, size));
}

bool CSettingsRegistry::WriteNumber(const char* name, int value)
{
    const DWORD data = static_cast<DWORD>(value);
    return SetValue(name, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

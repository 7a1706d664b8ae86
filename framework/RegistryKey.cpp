// The one owner of registry handles in every module: keys and hive connections, closed when the owner goes.
#include "RegistryKey.h"

// Registry key names are at most 255 characters.
constexpr DWORD MaxKeyName = 256;

LONG CRegistryKey::Keep(LONG status, HKEY key)
{
    if (status == ERROR_SUCCESS)
        m_key.reset(key);
    return status;
}

LONG CRegistryKey::Connect(HKEY hive)
{
    Close();
    HKEY connected = nullptr;
    const LONG status = RegConnectRegistryA(nullptr, hive, &connected);
    return Keep(status, connected);
}

LONG CRegistryKey::Create(HKEY parent, const std::wstring& name, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    const LONG status =
        RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
    return Keep(status, key);
}

LONG CRegistryKey::Create(HKEY parent, const char* name, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    const LONG status =
        RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
    return Keep(status, key);
}

LONG CRegistryKey::Open(HKEY parent, const std::wstring& name, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(parent, name.c_str(), 0, access, &key);
    return Keep(status, key);
}

LONG CRegistryKey::Open(HKEY parent, const char* name, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(parent, name, 0, access, &key);
    return Keep(status, key);
}

LONG CRegistryKey::QueryValue(const char* name, DWORD& type, BYTE* buffer, DWORD& size) const
{
    return RegQueryValueExA(Get(), name, nullptr, &type, buffer, &size);
}

LONG CRegistryKey::SetValue(const char* name, DWORD type, const BYTE* data, DWORD size)
{
    return RegSetValueExA(Get(), name, 0, type, data, size);
}

LONG CRegistryKey::SetString(const std::wstring& name, const std::wstring& value)
{
    return RegSetValueExW(Get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), DWORD((value.size() + 1) * sizeof(wchar_t)));
}

void CRegistryKey::SetSubkeyDefault(const std::wstring& subkey, const std::wstring& value)
{
    CRegistryKey key;
    if (key.Create(Get(), subkey, KEY_ALL_ACCESS) == ERROR_SUCCESS)
        key.SetString(L"", value);
}

LONG CRegistryKey::DeleteValue(const char* name)
{
    return RegDeleteValueA(Get(), name);
}

void CRegistryKey::DeleteTree(HKEY parent, const std::wstring& name)
{
    CRegistryKey key;
    if (key.Open(parent, name, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return;
    wchar_t child[MaxKeyName];
    for (;;)
    {
        DWORD length = MaxKeyName;
        if (RegEnumKeyExW(key.Get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        std::wstring childName(child, length);
        DeleteTree(key.Get(), childName);
        // A subkey that resists would be enumerated first forever.
        CRegistryKey check;
        if (check.Open(key.Get(), childName, KEY_READ) == ERROR_SUCCESS)
            break;
    }
    key.Close();
    RegDeleteKeyW(parent, name.c_str());
}

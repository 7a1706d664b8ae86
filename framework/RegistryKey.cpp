#include "RegistryKey.h"

// Registry key names are at most 255 characters.
constexpr DWORD MaxKeyName = 256;

LONG CRegistryKey::Create(HKEY parent, const std::wstring& name)
{
    Close();
    return RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_key,
                           nullptr);
}

LONG CRegistryKey::Open(HKEY parent, const std::wstring& name, REGSAM access)
{
    Close();
    return RegOpenKeyExW(parent, name.c_str(), 0, access, &m_key);
}

void CRegistryKey::Close()
{
    if (m_key)
        RegCloseKey(m_key);
    m_key = nullptr;
}

LONG CRegistryKey::SetString(const std::wstring& name, const std::wstring& value)
{
    return RegSetValueExW(m_key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), DWORD((value.size() + 1) * sizeof(wchar_t)));
}

void CRegistryKey::SetSubkeyDefault(const std::wstring& subkey, const std::wstring& value)
{
    CRegistryKey key;
    if (key.Create(m_key, subkey) == ERROR_SUCCESS)
        key.SetString(L"", value);
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

#include "RegistryKey.h"

// Registry key names are at most 255 characters.
constexpr DWORD MaxKeyName = 256;

LONG CRegistryKey::Create(HKEY parent, const std::string& name)
{
    Close();
    return RegCreateKeyExA(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_key,
                           nullptr);
}

LONG CRegistryKey::Open(HKEY parent, const std::string& name, REGSAM access)
{
    Close();
    return RegOpenKeyExA(parent, name.c_str(), 0, access, &m_key);
}

void CRegistryKey::Close()
{
    if (m_key)
        RegCloseKey(m_key);
    m_key = nullptr;
}

LONG CRegistryKey::SetString(const std::string& name, const std::string& value)
{
    return RegSetValueExA(m_key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
}

void CRegistryKey::SetSubkeyDefault(const std::string& subkey, const std::string& value)
{
    CRegistryKey key;
    if (key.Create(m_key, subkey) == ERROR_SUCCESS)
        key.SetString("", value);
}

void CRegistryKey::DeleteTree(HKEY parent, const std::string& name)
{
    CRegistryKey key;
    if (key.Open(parent, name, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return;
    char child[MaxKeyName];
    for (;;)
    {
        DWORD length = MaxKeyName;
        if (RegEnumKeyExA(key.Get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        std::string childName(child, length);
        DeleteTree(key.Get(), childName);
        // A subkey that resists would be enumerated first forever.
        CRegistryKey check;
        if (check.Open(key.Get(), childName, KEY_READ) == ERROR_SUCCESS)
            break;
    }
    key.Close();
    RegDeleteKeyA(parent, name.c_str());
}

#include "SECRegistry.h"

bool SECRegistry::Connect(HKEY hive)
{
    Close();
    HKEY connected = nullptr;
    if (RegConnectRegistryA(nullptr, hive, &connected) != ERROR_SUCCESS)
        return false;
    m_hive.reset(connected);
    return true;
}

bool SECRegistry::Open(const char* subkey, REGSAM access)
{
    m_key.reset();
    if (!m_hive)
        return false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(m_hive.get(), subkey, 0, access, &key) != ERROR_SUCCESS)
        return false;
    m_key.reset(key);
    return true;
}

bool SECRegistry::Create(const char* subkey, REGSAM access)
{
    m_key.reset();
    if (!m_hive)
        return false;
    HKEY key = nullptr;
    DWORD disposition = 0;
    char emptyClass[] = "";
    if (RegCreateKeyExA(m_hive.get(), subkey, 0, emptyClass, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                        &disposition) != ERROR_SUCCESS)
        return false;
    m_key.reset(key);
    return true;
}

bool SECRegistry::QueryValue(const char* name, DWORD& type, BYTE* buffer, DWORD& size) const
{
    if (!m_key)
        return false;
    return RegQueryValueExA(m_key.get(), name, nullptr, &type, buffer, &size) == ERROR_SUCCESS;
}

bool SECRegistry::SetValue(const char* name, DWORD type, const BYTE* data, DWORD size)
{
    if (!m_key)
        return false;
    return RegSetValueExA(m_key.get(), name, 0, type, data, size) == ERROR_SUCCESS;
}

bool SECRegistry::DeleteValue(const char* name)
{
    if (!m_key)
        return false;
    const LONG status = RegDeleteValueA(m_key.get(), name);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

void SECRegistry::Close()
{
    m_key.reset();
    m_hive.reset();
}

// The toolkit's registry accessor over the key owner: one hive connection and one open key, results as bools.
#include "SECRegistry.h"

bool SECRegistry::Connect(HKEY hive)
{
    Close();
    return m_hive.Connect(hive) == ERROR_SUCCESS;
}

bool SECRegistry::Open(const char* subkey, REGSAM access)
{
    m_key.Close();
    return IsConnected() && m_key.Open(m_hive.Get(), subkey, access) == ERROR_SUCCESS;
}

bool SECRegistry::Create(const char* subkey, REGSAM access)
{
    m_key.Close();
    return IsConnected() && m_key.Create(m_hive.Get(), subkey, access) == ERROR_SUCCESS;
}

bool SECRegistry::QueryValue(const char* name, DWORD& type, BYTE* buffer, DWORD& size) const
{
    return IsOpen() && m_key.QueryValue(name, type, buffer, size) == ERROR_SUCCESS;
}

bool SECRegistry::SetValue(const char* name, DWORD type, const BYTE* data, DWORD size)
{
    return IsOpen() && m_key.SetValue(name, type, data, size) == ERROR_SUCCESS;
}

bool SECRegistry::DeleteValue(const char* name)
{
    if (!IsOpen())
        return false;
    const LONG status = m_key.DeleteValue(name);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

void SECRegistry::Close()
{
    m_key.Close();
    m_hive.Close();
}

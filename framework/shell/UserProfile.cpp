// The user's profile: numbers under the program's key of the current user.
#include "UserProfile.h"

#include "SECRegistry.h"

std::string CUserProfile::Key() const
{
    return "Software\\" + m_company + "\\" + m_appName;
}

int CUserProfile::GetInt(const std::string& section, const std::string& entry, int fallback) const
{
    SECRegistry registry;
    DWORD type = 0, value = 0, size = sizeof value;
    if (registry.Connect(HKEY_CURRENT_USER) && registry.Open((Key() + "\\" + section).c_str(), KEY_READ) &&
        registry.QueryValue(entry.c_str(), type, reinterpret_cast<BYTE*>(&value), size) && type == REG_DWORD)
        return static_cast<int>(value);
    return fallback;
}

void CUserProfile::WriteInt(const std::string& section, const std::string& entry, int value)
{
    SECRegistry registry;
    const DWORD data = static_cast<DWORD>(value);
    if (registry.Connect(HKEY_CURRENT_USER) && registry.Create((Key() + "\\" + section).c_str(), KEY_WRITE))
        registry.SetValue(entry.c_str(), REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

#include "SettingsKey.h"

#include "SettingNames.h"

#include <gtest/gtest.h>

void SettingsKey::Delete()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath);
}

bool SettingsKey::Exists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SettingsKey::Set(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

bool SettingsKey::Query(const char* name, DWORD& type, DWORD& size, DWORD& number)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    BYTE buffer[64] = {};
    size = sizeof buffer;
    const bool found = RegQueryValueExA(key, name, nullptr, &type, buffer, &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    number = buffer[0] | buffer[1] << 8 | buffer[2] << 16 | static_cast<DWORD>(buffer[3]) << 24;
    return found;
}

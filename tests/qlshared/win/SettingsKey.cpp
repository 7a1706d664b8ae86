// Reads, writes and removes the settings key without the code under test.
#include "SettingsKey.h"

#include "SettingNames.h"

#include <gtest/gtest.h>

namespace
{

HKEY OpenForReading()
{
    HKEY key = nullptr;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath, 0, KEY_READ, &key) == ERROR_SUCCESS ? key : nullptr;
}

} // namespace

void SettingsKey::Delete()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath);
}

bool SettingsKey::Exists()
{
    const HKEY key = OpenForReading();
    return key && RegCloseKey(key) == ERROR_SUCCESS;
}

void SettingsKey::Set(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

bool SettingsKey::Query(const char* name, DWORD& type, DWORD& size)
{
    const HKEY key = OpenForReading();
    size = 0;
    const bool found = key && RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (key)
        RegCloseKey(key);
    return found;
}

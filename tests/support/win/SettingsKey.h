#pragma once

#include "SettingNames.h"

#include <windows.h>

#include <gtest/gtest.h>

// The settings key reached directly, bypassing the code under test. Each
// object deletes the key when made and when destroyed, so every test starts
// without one and leaves none behind.
class SettingsKey
{
public:
    SettingsKey() { Delete(); }
    ~SettingsKey() { Delete(); }

    static void Delete() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath); }
    static bool Exists()
    {
        const HKEY key = OpenForReading();
        return key && RegCloseKey(key) == ERROR_SUCCESS;
    }
    static void Set(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath, &key), ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static void SetNumber(const char* name, DWORD value) { Set(name, REG_DWORD, &value, sizeof value); }
    // The stored type and size; false when the value is missing.
    static bool Query(const char* name, DWORD& type, DWORD& size)
    {
        const HKEY key = OpenForReading();
        size = 0;
        const bool found = key && RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
        if (key)
            RegCloseKey(key);
        return found;
    }

private:
    static HKEY OpenForReading()
    {
        HKEY key = nullptr;
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, SettingNames::KeyPath, 0, KEY_READ, &key) == ERROR_SUCCESS ? key
                                                                                                            : nullptr;
    }
};

#pragma once

#include <windows.h>

// The settings key reached directly, bypassing the code under test. Each
// object deletes the key when made and when destroyed, so every test starts
// without one and leaves none behind.
class SettingsKey
{
public:
    SettingsKey() { Delete(); }
    ~SettingsKey() { Delete(); }

    static void Delete();
    static bool Exists();
    static void Set(const char* name, DWORD type, const void* data, DWORD size);
    static void SetNumber(const char* name, DWORD value) { Set(name, REG_DWORD, &value, sizeof value); }
    // The stored type and size; false when the value is missing.
    static bool Query(const char* name, DWORD& type, DWORD& size);
};

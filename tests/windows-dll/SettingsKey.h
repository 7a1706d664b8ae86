#pragma once

#include <windows.h>

#include <string>

// Direct access to the settings key, bypassing the code under test, so each
// test starts from a known key and leaves none behind.
class SettingsKey
{
public:
    static void Delete();
    static bool Exists();
    // Creates the key and sets one raw value.
    static void Set(const char* name, DWORD type, const void* data, DWORD size);
    static void SetNumber(const char* name, DWORD value) { Set(name, REG_DWORD, &value, sizeof value); }
    // Type and size of a stored value; false when it is missing.
    static bool Query(const char* name, DWORD& type, DWORD& size, DWORD& number);
};

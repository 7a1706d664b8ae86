#pragma once

#include <string>

// Accessor of the settings key "Software\Tamsel Software\Quillet" under
// HKEY_LOCAL_MACHINE. One object serves one operation and releases whatever it
// holds when destroyed. The Windows registry and a registry-export text file
// both implement it.
class ISettingsStore
{
public:
    virtual ~ISettingsStore() = default;

    // Opens the existing key; never creates it.
    virtual bool OpenKey() = 0;
    // Opens the key, creating it first when it is missing.
    virtual bool OpenOrCreateKey() = 0;
    // A missing value, or one that is not a four-byte number, gives def.
    virtual int ReadNumber(const char* name, int def) = 0;
    // A missing or unreadable value gives the empty text.
    virtual std::string ReadString(const char* name) = 0;
    virtual bool WriteNumber(const char* name, int value) = 0;
};

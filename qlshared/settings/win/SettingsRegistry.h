#pragma once

#include "SECRegistry.h"
#include "SettingsStore.h"

#include <string>

// The settings key in the registry of the local machine. Made on the stack
// for one operation; the destructor closes the key and the connection.
// Failures to connect ("Error Opening Registry") and to create the key
// ("Error creating new key") are shown through the message-box seam.
class CSettingsRegistry : public SECRegistry, public ISettingsStore
{
public:
    CSettingsRegistry();
    ~CSettingsRegistry() override;

    // Opens with full access, as every reader and writer does.
    bool OpenKey() override;
    bool OpenOrCreateKey() override;
    // Only a REG_DWORD of four bytes is a number; anything else gives def.
    int ReadNumber(const char* name, int def) override;
    // Only a REG_SZ or REG_EXPAND_SZ (not expanded) of at most 2048 bytes is
    // read; anything else gives the empty text.
    std::string ReadString(const char* name) override;
    bool WriteNumber(const char* name, int value) override;
};

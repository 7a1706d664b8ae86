#pragma once

#include <windows.h>

#include <string>

// One open registry key, closed when the object goes. The operations return
// the registry's error code, which registration turns into its HRESULT.
class CRegistryKey
{
public:
    CRegistryKey() = default;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    ~CRegistryKey() { Close(); }

    LONG Create(HKEY parent, const std::string& name);
    LONG Open(HKEY parent, const std::string& name, REGSAM access);
    void Close();

    // A REG_SZ value whose stored length counts the terminating NUL; an empty
    // name sets the key's default value.
    LONG SetString(const std::string& name, const std::string& value);
    // Creates the subkey and sets its default value; the outcome is not kept.
    void SetSubkeyDefault(const std::string& subkey, const std::string& value);

    HKEY Get() const { return m_key; }

    // Deletes a key with everything below it, depth first; a key that
    // cannot be opened is skipped.
    static void DeleteTree(HKEY parent, const std::string& name);

private:
    HKEY m_key = nullptr;
};

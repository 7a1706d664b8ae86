#pragma once

#include <windows.h>

#include <string>

// One open registry key, closed when the object goes. The operations return
// the registry's error code, which registration turns into its HRESULT.
// Names and values are wide, so a path outside the ANSI code page is stored
// as it is.
class CRegistryKey
{
public:
    CRegistryKey() = default;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    ~CRegistryKey() { Close(); }

    LONG Create(HKEY parent, const std::wstring& name);
    LONG Open(HKEY parent, const std::wstring& name, REGSAM access);
    void Close();

    // A REG_SZ value whose stored length counts the terminating NUL; an empty
    // name sets the key's default value.
    LONG SetString(const std::wstring& name, const std::wstring& value);
    // Creates the subkey and sets its default value; the outcome is not kept.
    void SetSubkeyDefault(const std::wstring& subkey, const std::wstring& value);

    HKEY Get() const { return m_key; }

    // Deletes a key with everything below it, depth first; a key that
    // cannot be opened is skipped.
    static void DeleteTree(HKEY parent, const std::wstring& name);

private:
    HKEY m_key = nullptr;
};

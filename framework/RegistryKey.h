#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

// One open registry key, or the connection to a hive, closed when the object
// goes: the one owner of registry handles in every module. The operations
// return the registry's status (ERROR_SUCCESS or its error code), which
// callers turn into their own results. Wide names and values are stored as
// they are, so a path outside the ANSI code page stays whole; 8-bit ones are
// in the ANSI code page.
class CRegistryKey
{
public:
    CRegistryKey() = default;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // A predefined hive (HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, ...) of the
    // local machine.
    LONG Connect(HKEY hive);
    // Creates the subkey of parent, or opens it when it exists: non-volatile,
    // no class name, default security.
    LONG Create(HKEY parent, const std::wstring& name, REGSAM access);
    LONG Create(HKEY parent, const char* name, REGSAM access);
    LONG Open(HKEY parent, const std::wstring& name, REGSAM access);
    LONG Open(HKEY parent, const char* name, REGSAM access);
    void Close() { m_key.reset(); }

    // On entry size is the buffer's size; on success it is the size of the
    // data and type its registry type.
    LONG QueryValue(const char* name, DWORD& type, BYTE* buffer, DWORD& size) const;
    LONG SetValue(const char* name, DWORD type, const BYTE* data, DWORD size);
    // A REG_SZ value whose stored length counts the terminating NUL; an empty
    // name sets the key's default value.
    LONG SetString(const std::wstring& name, const std::wstring& value);
    // Creates the subkey and sets its default value; the outcome is not kept.
    void SetSubkeyDefault(const std::wstring& subkey, const std::wstring& value);
    LONG DeleteValue(const char* name);

    HKEY Get() const { return m_key.get(); }

    // Deletes a key with everything below it, depth first; a key that
    // cannot be opened is skipped.
    static void DeleteTree(HKEY parent, const std::wstring& name);

private:
    struct KeyCloser
    {
        void operator()(HKEY key) const { RegCloseKey(key); }
    };

    // Holds key when status is success; returns status.
    LONG Keep(LONG status, HKEY key);

    std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser> m_key;
};

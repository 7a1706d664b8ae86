#pragma once

#include "RegistryKey.h"

// The toolkit's registry accessor: one connection to a hive and one open key
// of it, both held by the registry's key owner. Every operation reports
// success as a bool; the destructor closes whatever is still open.
class SECRegistry
{
public:
    SECRegistry() = default;
    SECRegistry(const SECRegistry&) = delete;
    SECRegistry& operator=(const SECRegistry&) = delete;
    virtual ~SECRegistry() = default;

    // Connects to a predefined hive (HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER,
    // ...) of the local machine.
    bool Connect(HKEY hive);
    // Opens a subkey of the hive with the given access; it becomes the
    // current key.
    bool Open(const char* subkey, REGSAM access);
    // Creates the subkey (or opens it when it exists): non-volatile, no class
    // name, default security. It becomes the current key.
    bool Create(const char* subkey, REGSAM access);
    // Queries a value of the current key into the caller's buffer. On entry
    // size is the buffer's size; on success it is the size of the data and
    // type its registry type.
    bool QueryValue(const char* name, DWORD& type, BYTE* buffer, DWORD& size) const;
    // Sets a value of the current key.
    bool SetValue(const char* name, DWORD type, const BYTE* data, DWORD size);
    // Deletes a value of the current key; true when it is gone.
    bool DeleteValue(const char* name);
    // Closes the current key and the hive connection.
    void Close();

    bool IsConnected() const { return m_hive.Get() != nullptr; }
    bool IsOpen() const { return m_key.Get() != nullptr; }

private:
    // Declared in this order so the key closes before its hive.
    CRegistryKey m_hive;
    CRegistryKey m_key;
};

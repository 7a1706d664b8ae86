#pragma once

#include "RegistryExportFile.h"
#include "SettingsStore.h"

#include <optional>
#include <string>

// The settings key kept in a registry export file, for systems without the
// Windows registry. The key is the file's
// [HKEY_LOCAL_MACHINE\Software\Tamsel Software\Quillet] section; numbers are
// dword values and texts quoted strings, so the file can be imported by
// regedit and exported from it. Every write replaces the whole file at once,
// so a reader never sees it half written.
class CFileSettingsStore : public ISettingsStore
{
public:
    explicit CFileSettingsStore(std::string path);

    // Fails when the file or its section is missing or the file is unreadable.
    bool OpenKey() override;
    // Creates the folder, the file and the section as needed. A file that
    // exists but cannot be read is never overwritten.
    bool OpenOrCreateKey() override;
    int ReadNumber(const char* name, int def) override;
    std::string ReadString(const char* name) override;
    // Re-reads the file first, so values and sections written by others since
    // the key was opened survive.
    bool WriteNumber(const char* name, int value) override;

    // The file and the cause of the last failure, for a caller that reports it.
    const std::string& LastError() const { return m_error; }

private:
    enum class LoadResult
    {
        Loaded,
        Missing,
        Failed
    };
    LoadResult Load(CRegistryExportFile& file);
    // Saves only when the key, and the value name when given, read back with
    // the data written.
    bool Save(const CRegistryExportFile& file, const char* name, const std::string& data);
    void Fail(const std::string& cause);

    std::string m_path;
    std::optional<CRegistryExportFile> m_file; // set while the key is open
    std::string m_error;
};

// Where the command line keeps its settings file when none is named:
// $XDG_CONFIG_HOME/quillet/settings.reg, or ~/.config/quillet/settings.reg
// when XDG_CONFIG_HOME is unset, empty or not absolute.
std::string DefaultSettingsFilePath();

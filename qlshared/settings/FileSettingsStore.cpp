// The settings store of systems without a registry: the key kept in a regedit-compatible file, rewritten whole.
#include "FileSettingsStore.h"

#include "FileUtil.h"
#include "SettingNames.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace
{

std::string KeyName()
{
    return std::string("HKEY_LOCAL_MACHINE\\") + SettingNames::KeyPath;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

CFileSettingsStore::CFileSettingsStore(std::string path) : m_path(std::move(path)) {}

void CFileSettingsStore::Fail(const std::string& cause)
{
    m_error = m_path + ": " + cause;
}

CFileSettingsStore::LoadResult CFileSettingsStore::Load(CRegistryExportFile& file)
{
    std::error_code code;
    const auto status = std::filesystem::status(std::filesystem::u8path(m_path), code);
    if (status.type() == std::filesystem::file_type::not_found)
    {
        Fail("No such file or directory");
        return LoadResult::Missing;
    }
    std::string bytes;
    std::string cause;
    if (!ReadWholeFile(m_path, bytes, cause))
    {
        Fail(cause);
        return LoadResult::Failed;
    }
    file = CRegistryExportFile(bytes);
    if (!file.IsReadable())
    {
        Fail("is saved as UTF-16; save it as ANSI (REGEDIT4) text");
        return LoadResult::Failed;
    }
    return LoadResult::Loaded;
}

bool CFileSettingsStore::Save(const CRegistryExportFile& file, const char* name, const std::string& data)
{
    // What is saved must read back as written: lines the file already holds
    // can take a new line in (a value continued with a backslash at its end).
    const CRegistryExportFile saved(file.Text());
    std::string readBack;
    if (!saved.HasKey(KeyName()) || (name && (!saved.FindValue(KeyName(), name, readBack) || readBack != data)))
    {
        Fail(std::string("cannot be changed so that ") + (name ? name : "the section [" + KeyName() + "]") +
             " reads back; check the lines at its end");
        return false;
    }
    std::string cause;
    if (!ReplaceFileContents(m_path, file.Text(), cause))
    {
        Fail(cause);
        return false;
    }
    return true;
}

bool CFileSettingsStore::OpenKey()
{
    m_file.reset();
    CRegistryExportFile file;
    if (Load(file) != LoadResult::Loaded)
        return false;
    if (!file.HasKey(KeyName()))
    {
        Fail("has no section [" + KeyName() + "]");
        return false;
    }
    m_file = std::move(file);
    return true;
}

bool CFileSettingsStore::OpenOrCreateKey()
{
    if (OpenKey())
        return true;
    CRegistryExportFile file;
    const LoadResult loaded = Load(file);
    if (loaded == LoadResult::Failed)
        return false;
    if (loaded == LoadResult::Missing)
    {
        const std::filesystem::path folder = std::filesystem::u8path(m_path).parent_path();
        std::error_code code;
        if (!folder.empty())
            std::filesystem::create_directories(folder, code);
        if (code)
        {
            Fail("cannot create the folder: " + code.message());
            return false;
        }
    }
    file.AddKey(KeyName());
    if (!Save(file, nullptr, std::string()))
        return false;
    return OpenKey();
}

int CFileSettingsStore::ReadNumber(const char* name, int def)
{
    std::string data;
    std::uint32_t value = 0;
    if (!m_file || !m_file->FindValue(KeyName(), name, data) || !CRegistryExportFile::ParseDword(data, value))
        return def;
    return static_cast<int>(value);
}

std::string CFileSettingsStore::ReadString(const char* name)
{
    std::string data;
    std::string text;
    if (!m_file || !m_file->FindValue(KeyName(), name, data) || !CRegistryExportFile::ParseString(data, text))
        return std::string();
    return text;
}

bool CFileSettingsStore::WriteNumber(const char* name, int value)
{
    if (!m_file)
        return false;
    CRegistryExportFile file;
    if (Load(file) != LoadResult::Loaded)
        return false;
    if (!file.HasKey(KeyName()))
        file.AddKey(KeyName());
    const std::string data = CRegistryExportFile::DwordData(static_cast<std::uint32_t>(value));
    file.SetValue(KeyName(), name, data);
    if (!Save(file, name, data))
        return false;
    m_file = std::move(file);
    return true;
}

std::string DefaultSettingsFilePath()
{
    std::string folder = Environment("XDG_CONFIG_HOME");
    // A relative value is to be ignored: it would follow the working folder.
    if (folder.empty() || folder[0] != '/')
    {
        const std::string home = Environment("HOME");
        folder = (home.empty() ? std::string(".") : home) + "/.config";
    }
    return folder + "/quillet/settings.reg";
}

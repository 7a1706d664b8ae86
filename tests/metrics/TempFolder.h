#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#ifdef _WIN32
constexpr bool WindowsHost = true;
#else
constexpr bool WindowsHost = false;
#endif

// A fresh folder under the system's temporary folder, removed with
// everything in it (read-only files too) when the test ends.
class TempFolder
{
public:
    TempFolder()
    {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() /
                 ("quillet-metrics-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    static std::string Separator() { return WindowsHost ? "\\" : "/"; }

    // The folder with a trailing separator, as project directories end.
    std::string Directory() const { return m_path.string() + Separator(); }

    std::string Path(const std::string& relative) const { return (m_path / relative).string(); }

    // Writes bytes exactly (binary), creating folders on the way.
    std::string Write(const std::string& relative, const std::string& bytes) const
    {
        const std::filesystem::path path = m_path / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::string Read(const std::string& relative) const
    {
        std::ifstream file(m_path / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    void MakeReadOnly(const std::string& relative) const
    {
        using std::filesystem::perms;
        std::filesystem::permissions(m_path / relative, perms::owner_write | perms::group_write | perms::others_write,
                                     std::filesystem::perm_options::remove);
    }

private:
    std::filesystem::path m_path;
};

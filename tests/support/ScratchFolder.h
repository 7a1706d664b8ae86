#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#ifdef _WIN32
constexpr bool WindowsHost = true;
#else
constexpr bool WindowsHost = false;
#endif

// A fresh folder per test under the system's temporary folder, removed with
// everything in it (read-only files and folders included) afterwards.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::random_device seed;
        m_path =
            std::filesystem::temp_directory_path() / ("quillet-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    static std::string Separator() { return WindowsHost ? "\\" : "/"; }

    // The folder with a trailing separator, as project directories end.
    std::string Directory() const { return m_path.string() + Separator(); }

    // A name is taken inside the folder; a full path stays as it is.
    std::string PathOf(const std::string& name) const { return (m_path / name).string(); }
    size_t FileCount() const { return std::distance(std::filesystem::directory_iterator(m_path), {}); }

    // Copies a folder with everything in it to the name; returns the copy's path.
    std::string Copy(const std::string& from, const std::string& name) const
    {
        std::filesystem::copy(from, m_path / name, std::filesystem::copy_options::recursive);
        return PathOf(name);
    }

    // Writes the bytes exactly, creating folders on the way.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::filesystem::path path = m_path / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        EXPECT_TRUE((file << bytes).good()) << path;
        return path.string();
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream file(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    void MakeReadOnly(const std::string& name) const
    {
        using std::filesystem::perms;
        std::filesystem::permissions(m_path / name, perms::owner_write | perms::group_write | perms::others_write,
                                     std::filesystem::perm_options::remove);
    }

private:
    std::filesystem::path m_path;
};

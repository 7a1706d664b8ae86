#include "CliTestSupport.h"

#include "QuilletCli.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

CliResult RunCli(const std::vector<std::string>& args, const std::string& stdinBytes)
{
    std::istringstream in(stdinBytes);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunQuilletCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

ScratchFolder::ScratchFolder()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::path(::testing::TempDir()) /
             ("quillet-cli-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code code;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, code))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, code);
    std::filesystem::remove_all(m_path, code);
}

std::string ScratchFolder::PathOf(const std::string& name) const
{
    return (m_path / name).string();
}

std::string ScratchFolder::Write(const std::string& name, const std::string& bytes) const
{
    const std::string path = PathOf(name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(file.good()) << path;
    return path;
}

std::string ScratchFolder::Read(const std::string& name) const
{
    std::ifstream file(PathOf(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string ScratchFolder::WriteSettings(const std::string& name,
                                         const std::vector<std::pair<std::string, int>>& values) const
{
    std::string text = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n";
    for (const auto& [value, number] : values)
    {
        char dword[16];
        std::snprintf(dword, sizeof dword, "%08x", static_cast<unsigned>(number));
        text += "\"" + value + "\"=dword:" + dword + "\r\n";
    }
    return Write(name, text + "\r\n");
}

void SetWritable(const std::string& path, bool writable)
{
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_write | perms::group_write | perms::others_write,
                                 writable ? std::filesystem::perm_options::add
                                          : std::filesystem::perm_options::remove);
}

#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What one in-process run of quillet-cli gave back.
struct CliResult
{
    int status;
    std::string out;
    std::string err;
};

CliResult RunCli(const std::vector<std::string>& args, const std::string& stdinBytes = std::string());

// A fresh, empty folder under the test's temporary folder, removed again
// (read-only files included) when the object goes.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string PathOf(const std::string& name) const;
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

    // A settings file in the registry-export form, holding these numbers.
    std::string WriteSettings(const std::string& name, const std::vector<std::pair<std::string, int>>& values) const;

private:
    std::filesystem::path m_path;
};

void SetWritable(const std::string& path, bool writable);

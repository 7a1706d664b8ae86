// Runs quillet-cli in this process and writes settings files for its tests.
#include "CliTestSupport.h"

#include "QuilletCli.h"

#include <cstdio>
#include <filesystem>
#include <sstream>

CliResult RunCli(const std::vector<std::string>& args, const std::string& stdinBytes)
{
    std::istringstream in(stdinBytes);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunQuilletCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

CliResult RunCliIn(const ScratchFolder& folder, const std::vector<std::string>& args, const std::string& stdinBytes)
{
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.PathOf(""));
    CliResult result = RunCli(args, stdinBytes);
    std::filesystem::current_path(before);
    return result;
}

std::string WriteSettings(const ScratchFolder& folder, const std::string& name,
                          const std::vector<std::pair<std::string, int>>& values)
{
    std::string text = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n";
    for (const auto& [value, number] : values)
    {
        char dword[16];
        std::snprintf(dword, sizeof dword, "%08x", static_cast<unsigned>(number));
        text += "\"" + value + "\"=dword:" + dword + "\r\n";
    }
    return folder.Write(name, text + "\r\n");
}

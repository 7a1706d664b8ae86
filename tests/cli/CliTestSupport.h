#pragma once

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// What one in-process run of quillet-cli gave back; compared whole.
struct CliResult
{
    int status;
    std::string out;
    std::string err;

    bool operator==(const CliResult& other) const
    {
        return std::tie(status, out, err) == std::tie(other.status, other.out, other.err);
    }
    friend void PrintTo(const CliResult& result, std::ostream* os)
    {
        *os << "status " << result.status << ", out " << ::testing::PrintToString(result.out) << ", err "
            << ::testing::PrintToString(result.err);
    }
};

CliResult RunCli(const std::vector<std::string>& args, const std::string& stdinBytes = std::string());
// The run with folder as the current folder, so that names in its output are relative.
CliResult RunCliIn(const ScratchFolder& folder, const std::vector<std::string>& args,
                   const std::string& stdinBytes = std::string());

// A settings file in the registry-export form, holding these numbers.
std::string WriteSettings(const ScratchFolder& folder, const std::string& name,
                          const std::vector<std::pair<std::string, int>>& values);

// Whether text holds part; a failure shows the whole text.
inline ::testing::AssertionResult Contains(const std::string& text, const std::string& part)
{
    if (text.find(part) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "'" << part << "' not in:\n" << text;
}

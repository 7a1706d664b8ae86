#pragma once

#include <string>

// Paths in workspace and project files use backslashes; paths given on a
// Linux command line use slashes. Both separate folders here.

// The path up to and including its last separator; empty when it has none.
inline std::string DirectoryPart(const std::string& path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// The text after the last separator; the whole path when it has none.
inline std::string FileNamePart(const std::string& path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

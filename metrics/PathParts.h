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

// The file a project's source value names. Developer Studio writes a path
// that holds a blank or climbs out of the project's folder in double quotes
// ("..\shared\util.h"); the row keeps the value as written, the file is
// the value without them. Only a value that both begins and ends with a
// quote is unquoted.
inline std::string SourceFilePath(const std::string& value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

#pragma once

#include <string>

// A source path relative to the workspace folder as messages show it:
// backslashes, "." folders and doubled separators dropped
// (".\app\.\main.cpp" gives "app\main.cpp").
std::string WorkspaceRelativeName(const std::string& relativePath);

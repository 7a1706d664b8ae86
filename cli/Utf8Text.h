#pragma once

#include <string>

// Names in workspace and project files are bytes in the ANSI code page of
// whoever wrote them, and names on disk may be anything. Output that must be
// UTF-8 (CSV, JSON, Markdown) takes a name that is valid UTF-8 as it is and
// reads any other as Windows-1252, the code page such workspaces were
// written in.
std::string AsUtf8(const std::string& name);

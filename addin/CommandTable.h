#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// One command the add-in announces to the host. The row's index is its glyph
// in both bitmaps, its place in the order of announcement and the position of
// its method in ICommands.
struct CommandRow
{
    const char* commandName;
    const wchar_t* methodName; // as announced; the host calls it by this name
    UINT stringId;             // "\n" button text "\n" status-bar text "\n" tooltip
};

constexpr std::size_t CommandCount = 11;

extern const CommandRow CommandTable[CommandCount];

// The command name followed by the row's string resource.
std::string CommandString(const CommandRow& row);

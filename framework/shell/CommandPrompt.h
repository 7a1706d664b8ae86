#pragma once

#include <windows.h>

#include <string>

// A command's prompt, the string resource of its id: the text the status bar
// shows while its menu item or button is highlighted, then after a line feed
// its short name, which its tooltip shows.
enum class PromptPart
{
    Status,
    Tip
};
std::string CommandPrompt(UINT id, PromptPart part);

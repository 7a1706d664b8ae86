#pragma once

#include <windows.h>

#include <string>

// Documents handed to the user's own programs (the HTML manual, to the
// browser) go through OpenWithShell, the shell's open verb, so that tests
// record the request instead of starting a browser.

// True when the shell started a program for the file.
using ShellOpenHandler = bool (*)(HWND owner, const std::string& path);

bool OpenWithShell(HWND owner, const std::string& path);

// Installs a handler and returns the one it replaces; null restores the
// shell's open verb.
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);

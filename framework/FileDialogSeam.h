#pragma once

#include <windows.h>

#include <string>

// The File > Open dialog goes through ShowOpenFileDialog, so tests can
// answer it as they answer message boxes (MessageBoxSeam.h).

// filter is the dialog's filter: pairs of a name and a pattern, each ending
// in a NUL. True with the chosen path, false when the user cancelled.
using OpenFileHandler = bool (*)(HWND owner, const std::string& filter, std::string& path);

bool ShowOpenFileDialog(HWND owner, const std::string& filter, std::string& path);

// Installs a handler and returns the one it replaces; null restores the
// system's dialog.
OpenFileHandler SetOpenFileHandler(OpenFileHandler handler);

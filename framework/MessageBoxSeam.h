#pragma once

#include <windows.h>

#include <string>

// Every message box of a module goes through ShowMessageBox, so that one
// handler decides how boxes appear. Each module links its own copy of the
// framework and so has its own seam. By default the handler is MessageBoxA;
// a module that wants otherwise sets its handler when it starts (the command
// line prints its messages), and tests install one that records the box and
// answers it.

// Returns the button pressed (IDOK, IDYES, IDNO, ...), as MessageBoxA does.
using MessageBoxHandler = int (*)(HWND owner, const std::string& text, const std::string& caption, UINT type);

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Installs a handler and returns the one it replaces; null restores
// MessageBoxA.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
